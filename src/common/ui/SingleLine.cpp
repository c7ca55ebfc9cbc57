#include "SingleLine.h"
#include "common/LineBreaks.h"

#include <QComboBox>
#include <QLineEdit>
#include <QValidator>
#include <algorithm>

namespace mirevo {
namespace {

// A line edit runs every change of its text through its validator, and takes
// the text the validator hands back: pasted, typed and set texts alike.
class SingleLineValidator final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override
    {
        if (hasLineBreak(input)) {
            // CR LF turns into one blank, so the cursor moves back by one
            // for each such pair before it.
            const int pairsBefore = int(input.left(position).count(QLatin1String("\r\n")));
            input = withoutLineBreaks(input);
            position = std::clamp(position - pairsBefore, 0, int(input.size()));
        }
        return Acceptable;
    }
};

QValidator* sharedValidator()
{
    static auto* validator = new SingleLineValidator;
    return validator;
}

} // namespace

void keepSingleLine(QLineEdit* field)
{
    field->setValidator(sharedValidator());
}

void keepSingleLine(QComboBox* field)
{
    if (field->isEditable())
        field->setValidator(sharedValidator());
}

} // namespace mirevo
