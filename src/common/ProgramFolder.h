#pragma once
#include <QString>
#include <QStringList>

namespace mirevo {

// The folder of the settings, registry and tax-rate files: MIREVO_HOME when
// set; else the executable's folder while the program runs from where it
// was built (a writable folder that is not the installed program's); else
// the user's data folder (~/.local/share/Mirevo), as for an installed
// program whose folder is not the user's to write.
QString programFolder();
QString programFile(const QString& name);

// Where the template workbook and the manual are looked for, in order:
// the program folder, the executable's folder, the installed data folder
// (/usr/share/mirevo), each once.
QStringList resourceFolders();
// `name` in the first of those folders that holds it; the program folder's
// path for it when none does.
QString findResource(const QString& name);

} // namespace mirevo
