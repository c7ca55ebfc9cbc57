#pragma once
#include <QString>

namespace mirevo {

// The user manual, a PDF in the first of the resource folders that holds it.
QString manualFile();

// Opens the manual with the desktop's PDF viewer. A manual that is not
// there, or that no program of the desktop opens, is said in a message
// naming the file.
void openManual();

} // namespace mirevo
