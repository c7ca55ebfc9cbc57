#pragma once
#include <QString>

namespace mirevo {

// The folder of the settings, registry and tax-rate files, the template
// workbook and the manual: MIREVO_HOME when set, else the executable's.
QString programFolder();
QString programFile(const QString& name);

} // namespace mirevo
