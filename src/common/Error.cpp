#include "Error.h"

namespace mirevo {

Error::Error(const QString& message)
    : std::runtime_error(message.toStdString()), message_(message) {}

} // namespace mirevo
