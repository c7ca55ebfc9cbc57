#pragma once
#include <QString>

namespace mirevo::cli {

// Wrong usage of a command: run() shows the message (control characters
// escaped) followed by the usage text, and exits with 2.
struct UsageError {
    QString message;
};

} // namespace mirevo::cli
