#pragma once
#include <QString>

namespace mirevo {

class Project;

namespace project {

// Reads a project file into `project` and, when the whole file was read,
// finishes the load: single blanks emptied, subcontractors renumbered, the
// contractor editor on row 1. Throws Error (with the file and line) after
// applying what was read.
void open(const QString& path, Project& project);
// The steps after a complete read.
void finishRead(Project& project);
// Copies the orderer's period and contract date into the prime
// contractor page's display fields.
void refreshPrimeDates(Project& project);
// Empties the eight orderer text fields.
void clearOrderer(Project& project);

} // namespace project
} // namespace mirevo
