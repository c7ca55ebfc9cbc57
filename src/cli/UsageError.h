#pragma once
#include "common/Error.h"

namespace mirevo::cli {

// Wrong usage of a command: run() shows the message followed by the usage
// text, and exits with 2.
class UsageError : public Error {
public:
    using Error::Error;
};

} // namespace mirevo::cli
