#pragma once

class QComboBox;
class QLineEdit;

namespace mirevo {

// Entry fields hold one line: a line break that arrives in a field (pasted
// from a web page, or set from a stored text) becomes one blank at once,
// so what the field shows is what the files store. Installed by the
// helpers that build the windows' fields.
void keepSingleLine(QLineEdit* field);
// For an editable combo box; a list-only one takes no typed text.
void keepSingleLine(QComboBox* field);

} // namespace mirevo
