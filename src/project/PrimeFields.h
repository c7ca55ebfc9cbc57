#pragma once
#include <QString>

namespace mirevo {

// The prime contractor field that shows company record column `column`
// (1–39: Edit10 for the name, ComboBox7 for the first licence kind …), or
// an empty text for a column the prime contractor has no field for.
QString primeField(int column);

} // namespace mirevo
