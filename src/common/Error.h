#pragma once
#include <QString>
#include <stdexcept>

namespace mirevo {

// The one exception type of the program. Every failure a user can cause
// (bad file, bad number, index out of range) ends up here with a message
// fit to be shown in a message box or on a terminal: control characters
// that came from a file or a name are shown as "\x1b", never passed on.
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

// `text` with every control character except line feed and TAB written as
// "\xHH" (C0, DEL and C1), so that no message can move the cursor, clear the
// screen or set a terminal's title.
QString visibleText(const QString& text);

} // namespace mirevo
