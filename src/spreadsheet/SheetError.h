#pragma once
// Error thrown by every engine call that the spreadsheet application would refuse.
#include "common/Error.h"

#include <string>

namespace mirevo::sheet {

class SheetError : public mirevo::Error {
public:
    explicit SheetError(const std::string& message) : Error(QString::fromStdString(message)) { }
};

} // namespace mirevo::sheet
