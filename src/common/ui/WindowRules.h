#pragma once

class QDialog;
class QWidget;

namespace mirevo::form {

// Escape does not close the dialog: it closes only through its own
// buttons and the close box, so a key pressed by habit loses no typing.
void keepOpenOnEscape(QDialog* dialog);

// The window is centred on its screen each time it is shown.
void centreWhenShown(QWidget* window);

} // namespace mirevo::form
