#pragma once
#include <QString>
#include <stdexcept>

namespace mirevo {

// The one exception type of the program. Every failure a user can cause
// (bad file, bad number, index out of range) ends up here with a message
// fit to be shown in a message box.
class Error : public std::runtime_error {
public:
    explicit Error(const QString& message);
    QString message() const { return message_; }

private:
    QString message_;
};

// At most the first 80 characters of a text quoted in a message, "…"
// marking a cut: a message box never has to lay out a whole bad line.
QString excerpt(const QString& text);

} // namespace mirevo
