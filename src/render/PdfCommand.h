#pragma once
// `mirevo pdf BOOK.xlsx OUT.pdf`: an existing workbook as PDF. Needs a QGuiApplication (the
// offscreen platform will do) for the fonts.
#include <QStringList>

class QTextStream;

namespace mirevo::render {

// Arguments without the program name and the command word. The one-line result goes to
// `out`, failures to `err`. Returns 0 done, 1 failed, 2 wrong usage.
int pdfCommand(const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace mirevo::render
