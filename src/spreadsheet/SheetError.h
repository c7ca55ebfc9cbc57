#pragma once
// Error thrown by every engine call that the spreadsheet application would refuse.
#include <stdexcept>
#include <string>

namespace mirevo::sheet {

class SheetError : public std::runtime_error {
public:
    explicit SheetError(const std::string &message) : std::runtime_error(message) {}
};

} // namespace mirevo::sheet
