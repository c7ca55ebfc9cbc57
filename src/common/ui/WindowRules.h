#pragma once

#include <QSize>

class QDialog;
class QScrollArea;
class QWidget;

namespace mirevo::form {

// The border and title bar a window manager adds around a window, for a
// frame that is not known yet (before the window is shown and framed).
constexpr QSize kFrameAllowance(8, 40);

// Escape does not close the dialog: it closes only through its own
// buttons and the close box, so a key pressed by habit loses no typing.
void keepOpenOnEscape(QDialog* dialog);

// The window is centred on its screen each time it is shown.
void centreWhenShown(QWidget* window);

// For a screen smaller than a window (a laptop, large scaling): `content`,
// the fixed-size part of a window laid out by a layout, is put into a
// scroll area that the caller adds to the layout in its place. Each time
// the window is shown, the scroll area takes the content's size where the
// screen's available area has room for it, and that room otherwise, so the
// whole window, frame and title bar included, stays on the screen.
QScrollArea* scrollWhenTooLarge(QWidget* window, QWidget* content);

// `wanted`, or less where the window's screen has less room: the size that
// keeps the whole window, frame and title bar included, on the screen.
QSize sizeOnScreen(const QWidget* window, QSize wanted);

// Scrolls the scroll area that holds `child` so that the child's top-left
// part is in view: a panel shown over a page that was scrolled elsewhere.
void scrollIntoView(QWidget* child);

} // namespace mirevo::form
