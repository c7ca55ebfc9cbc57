#pragma once
#include <QString>

namespace mirevo {

// The files of the program are line-based and its entry fields hold one
// line: CR LF, CR and LF each become one ASCII blank. Other control
// characters (the TABs of some initial texts) stay.
QString withoutLineBreaks(QString text);
bool hasLineBreak(const QString& text);

} // namespace mirevo
