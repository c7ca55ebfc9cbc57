#pragma once
#include <QString>

namespace mirevo {

class Project;

namespace project {

// Reads a project file and, when the whole file was read, puts it in
// place of `project`, finishes the load and counts the workers of each
// company. A file that cannot be read throws Error (with the file and
// line) and leaves `project` untouched.
void open(const QString& path, Project& project);
// The steps after a complete read: single blanks emptied, the tree rebuilt
// from its image, the filtered worker view refreshed, subcontractors
// renumbered, the contractor editor on row 1 (with the tier outline).
void finishRead(Project& project);
// Saves the project with the image of its current tree.
void save(const QString& path, Project& project);
// Copies the orderer's period and contract date into the prime
// contractor page's display fields.
void refreshPrimeDates(Project& project);
// Empties the eight orderer text fields.
void clearOrderer(Project& project);

} // namespace project
} // namespace mirevo
