#pragma once

class QDialog;
class QWidget;

namespace mirevo::form {

// Escape does not close the dialog: it closes only through its own
// buttons and the close box, so a key pressed by habit loses no typing.
void keepOpenOnEscape(QDialog* dialog);

} // namespace mirevo::form
