#include "FormKit.h"
#include "SingleLine.h"

#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

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

QLineEdit* labelledEdit(QWidget* parent, const QString& name, const QString& caption,
                        int x, int y, int labelWidth, int w)
{
    label(parent, caption, x, y + 1, labelWidth - 4);
    return edit(parent, name, x + labelWidth, y, w);
}

QComboBox* combo(QWidget* parent, const QString& name, const QStringList& items,
                 int x, int y, int w, bool editable)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->setEditable(editable);
    c->addItems(items);
    c->setGeometry(x, y, w, 24);
    keepSingleLine(c);
    return c;
}

QPushButton* button(QWidget* parent, const QString& caption, int x, int y, int w, int h,
                    const QString& name)
{
    auto* b = new QPushButton(caption, parent);
    if (!name.isEmpty())
        b->setObjectName(name);
    b->setGeometry(x, y, w, h);
    b->setAutoDefault(false);
    return b;
}

void centreOnScreen(QWidget* window)
{
    if (const QScreen* screen = window->screen()) {
        const QRect area = screen->geometry();
        const QRect frame = window->frameGeometry();
        window->move((area.width() - frame.width()) / 2, (area.height() - frame.height()) / 2);
    }
}

void applyJapaneseFont(QWidget* window, int pointSize)
{
    QFont font(QStringLiteral("Noto Sans CJK JP"), pointSize);
    font.setStyleHint(QFont::SansSerif);
    window->setFont(font);
}

} // namespace mirevo::form
