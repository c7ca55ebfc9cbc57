#include "PrimeFields.h"

#include <iterator>

namespace mirevo {
namespace {

// Index = company record column; columns 1–39.
constexpr const char* kPrime[] = {
    "",       "Edit10", "Edit11",    "Edit12", "Edit24",    "Edit25", "Edit26",    "Edit27",    "ComboBox7",  "Edit29",
    "Edit30", "Edit31", "ComboBox8", "Edit33", "Edit34",    "Edit13", "ComboBox2", "Edit14",    "ComboBox3",  "Edit15",
    "Edit16", "Edit35", "Edit36",    "Edit37", "Edit38",    "Edit39", "Edit40",    "Edit17",    "Edit18",     "Edit19",
    "Edit20", "Edit21", "ComboBox4", "Edit22", "ComboBox5", "Edit23", "ComboBox6", "ComboBox9", "ComboBox10", "Edit74",
};

} // namespace

QString primeField(int column)
{
    if (column < 1 || column >= int(std::size(kPrime)))
        return {};
    return QString::fromLatin1(kPrime[column]);
}

} // namespace mirevo
