#include "FormKit.h"
#include "SingleLine.h"

#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace mirevo::form {

QLabel* label(QWidget* parent, const QString& text, int x, int y, int w, int h)
{
    auto* l = new QLabel(text, parent);
    if (w < 0)
        l->adjustSize(), w = l->width();
    l->setGeometry(x, y, w, h);
    return l;
}

QLineEdit* edit(QWidget* parent, const QString& name, int x, int y, int w, int h)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setGeometry(x, y, w, h);
    keepSingleLine(e);
    return e;
}

QLineEdit* labelledEdit(QWidget* parent, const QString& name, const QString& caption, int x, int y, int labelWidth,
                        int w)
{
    label(parent, caption, x, y + 1, labelWidth - 4);
    return edit(parent, name, x + labelWidth, y, w);
}

QComboBox* combo(QWidget* parent, const QString& name, const QStringList& items, int x, int y, int w, bool editable)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->setEditable(editable);
    c->addItems(items);
    c->setGeometry(x, y, w, 24);
    keepSingleLine(c);
    return c;
}

QPushButton* button(QWidget* parent, const QString& caption, int x, int y, int w, int h, const QString& name)
{
    auto* b = new QPushButton(caption, parent);
    if (!name.isEmpty())
        b->setObjectName(name);
    b->setGeometry(x, y, w, h);
    b->setAutoDefault(false);
    return b;
}

namespace {

// The frame a window manager puts around our windows, remembered from the
// last window whose frame was known: a window just shown has no frame yet.
QMargins knownFrame;

QSize frameSize(const QWidget* window)
{
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    if (frame.size() != client.size()) {
        knownFrame = QMargins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                              frame.bottom() - client.bottom());
        return frame.size();
    }
    return client.size().grownBy(knownFrame);
}

void placeCentred(QWidget* window)
{
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize frame = frameSize(window);
    // A window larger than the screen keeps its title bar in view.
    const int left = area.left() + std::max(0, (area.width() - frame.width()) / 2);
    const int top = area.top() + std::max(0, (area.height() - frame.height()) / 2);
    window->move(left, top);
}

} // namespace

void centreOnScreen(QWidget* window)
{
    placeCentred(window);
    // Under a window manager a window's frame is known only a moment after
    // it is shown; centre again then, with the real frame.
    if (window->isVisible())
        QTimer::singleShot(100, window, [window] {
            if (window->isVisible())
                placeCentred(window);
        });
}

void applyJapaneseFont(QWidget* window, int pointSize)
{
    QFont font(QStringLiteral("Noto Sans CJK JP"), pointSize);
    font.setStyleHint(QFont::SansSerif);
    window->setFont(font);
}

} // namespace mirevo::form
