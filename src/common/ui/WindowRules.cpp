#include "WindowRules.h"
#include "FormKit.h"

#include <QDialog>
#include <QKeyEvent>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>

#include <algorithm>

namespace mirevo::form {
namespace {

class EscapeKeeper final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        return key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier;
    }
};

class ShowCentrer final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched == parent())
            centreOnScreen(static_cast<QWidget*>(watched));
        return false;
    }
};

QSize frameAllowance(const QWidget* window)
{
    const QSize frame = window->frameGeometry().size() - window->geometry().size();
    return frame.isEmpty() ? kFrameAllowance : frame;
}

// The part of the window around the scroll area: menu bar and margins.
QSize chromeOf(const QWidget* window)
{
    QSize chrome;
    if (const QLayout* layout = window->layout()) {
        const QMargins m = layout->contentsMargins();
        chrome = QSize(m.left() + m.right(), m.top() + m.bottom());
        if (const QWidget* bar = layout->menuBar())
            chrome.rheight() += bar->sizeHint().height();
    }
    return chrome;
}

void fit(QWidget* window, QScrollArea* area)
{
    const QScreen* screen = window->screen();
    const QWidget* content = area->widget();
    if (!screen || !content)
        return;
    const QSize room = screen->availableGeometry().size() - frameAllowance(window) - chromeOf(window);
    QSize size = content->size();
    const int bar = area->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    if (size.width() > room.width())
        size.rheight() += bar; // the horizontal scroll bar takes room too
    if (size.height() > room.height())
        size.rwidth() += bar;
    area->setFixedSize(size.boundedTo(room));
}

class ScrollFitter final : public QObject {
public:
    ScrollFitter(QWidget* window, QScrollArea* area) : QObject(area), window_(window), area_(area)
    {
        window->installEventFilter(this);
        area->widget()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == area_->widget() && event->type() == QEvent::Resize)
            refitWhenShown(); // another panel shown: the window follows
        if (watched == window_ && event->type() == QEvent::Show) {
            fit(window_, area_);
            // Again once the window manager has framed the window: the
            // allowance used for an unknown frame may be too large.
            QTimer::singleShot(150, area_, [this] { refitWhenShown(); });
        }
        return false;
    }

private:
    // Fits the scroll area again and, when its size changed, centres the
    // window once its layout has taken the new size.
    void refitWhenShown()
    {
        if (!window_->isVisible())
            return;
        const QSize before = area_->size();
        fit(window_, area_);
        if (area_->size() != before)
            QTimer::singleShot(0, window_, [window = window_] {
                if (window->layout())
                    window->layout()->activate();
                centreOnScreen(window);
            });
    }

    QWidget* window_;
    QScrollArea* area_;
};

} // namespace

QScrollArea* scrollWhenTooLarge(QWidget* window, QWidget* content)
{
    auto* area = new QScrollArea(window);
    area->setObjectName(QStringLiteral("ScrollArea_fit"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(false);
    area->setWidget(content);
    new ScrollFitter(window, area);
    fit(window, area);
    return area;
}

void scrollIntoView(QWidget* child)
{
    for (QWidget* w = child->parentWidget(); w; w = w->parentWidget()) {
        auto* area = qobject_cast<QScrollArea*>(w);
        if (!area || !area->widget())
            continue;
        const QPoint at = child->mapTo(area->widget(), QPoint(0, 0));
        const QSize view = area->viewport()->size();
        // The whole child where it fits, else its top-left corner.
        const int w2 = std::min(child->width(), view.width()) / 2;
        const int h2 = std::min(child->height(), view.height()) / 2;
        area->ensureVisible(at.x() + w2, at.y() + h2, w2, h2);
        return;
    }
}

void centreWhenShown(QWidget* window)
{
    window->installEventFilter(new ShowCentrer(window));
}

void keepOpenOnEscape(QDialog* dialog)
{
    dialog->installEventFilter(new EscapeKeeper(dialog));
}

QSize sizeOnScreen(const QWidget* window, QSize wanted)
{
    const QScreen* screen = window->screen();
    if (!screen)
        return wanted;
    return wanted.boundedTo(screen->availableGeometry().size() - frameAllowance(window));
}

} // namespace mirevo::form
