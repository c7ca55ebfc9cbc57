#pragma once
#include <QString>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace mirevo::form {

// Small builders for the fixed-geometry forms of the program's windows: each
// control gets its component name as object name and an absolute position.
QLabel* label(QWidget* parent, const QString& text, int x, int y, int w = -1, int h = 22);
QLineEdit* edit(QWidget* parent, const QString& name, int x, int y, int w, int h = 24);
// A label at (x, y) and its field right of it at x + labelWidth.
QLineEdit* labelledEdit(QWidget* parent, const QString& name, const QString& caption, int x, int y, int labelWidth,
                        int w);
QComboBox* combo(QWidget* parent, const QString& name, const QStringList& items, int x, int y, int w,
                 bool editable = true);
QPushButton* button(QWidget* parent, const QString& caption, int x, int y, int w, int h = 26,
                    const QString& name = QString());
// Centres a window, frame included, on the available area of its screen:
// left = (width − window width) / 2, top likewise, in whole pixels; a
// window larger than the area is put at its top-left corner.
void centreOnScreen(QWidget* window);
// The program's UI font: a Japanese sans serif.
void applyJapaneseFont(QWidget* window, int pointSize = 9);

} // namespace mirevo::form
