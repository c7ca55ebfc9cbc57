#include "CompanyFields.h"
#include "common/EraDate.h"

namespace mirevo {
namespace {

struct Field {
    int column;
    const char* name;
    const char16_t* initial; // nullptr: the blank date template
};

constexpr const char16_t* kNames = u"〇〇〇〇";
constexpr const char16_t* kQualification = u"〇級〇〇〇〇監理技士";
constexpr const char16_t* kLicenceNo = u"00第　0000 号";

constexpr Field kFields[] = {
    {1, "Edit42", u"〇〇〇〇〇株式会社"},
    {2, "Edit43", u"〇〇〇営業所"},
    {3, "Edit44", kNames},
    {4, "Edit45", u"760"},
    {5, "Edit46", u"0050"},
    {6, "Edit47", u"〇〇県〇〇市〇〇町〇〇〇〇番地〇号"},
    {7, "Edit51", kNames},
    {8, "ComboBox11", u"知事 一般"},
    {9, "Edit53", kLicenceNo},
    {10, "Edit57", nullptr},
    {11, "Edit54", kNames},
    {12, "ComboBox12", u"知事 一般"},
    {13, "Edit56", kLicenceNo},
    {14, "Edit58", nullptr},
    {15, "Edit59", kNames},
    {16, "ComboBox13", u""},
    {17, "Edit60", kNames},
    {18, "ComboBox14", u""},
    {19, "Edit61", kNames},
    {20, "Edit62", kQualification},
    {21, "Edit63", kNames},
    {22, "Edit64", kQualification},
    {23, "Edit65", kNames},
    {24, "Edit66", kNames},
    {25, "Edit67", kQualification},
    {26, "Edit68", kNames},
    {27, "Edit48", kNames},
    {28, "Edit49", kNames},
    {29, "Edit50", kNames},
    {30, "Edit69", kNames},
    {31, "Edit70", u"00000-00-0000"},
    {32, "ComboBox17", u"加入"},
    {33, "Edit71", kNames},
    {34, "ComboBox18", u"加入"},
    {35, "Edit72", kNames},
    {36, "ComboBox19", u"加入"},
    {37, "ComboBox15", u"無し"},
    {38, "ComboBox16", u"無し"},
    {39, "Edit73", u"000-000-0000"},
    {40, "ComboBox20", u"0 : 元請"},
    {41, "Edit75", u""},
    {42, "ComboBox21", u"1"},
};

} // namespace

const std::vector<CompanyField>& companyFields()
{
    static const std::vector<CompanyField> fields = [] {
        std::vector<CompanyField> out;
        for (const Field& f : kFields)
            out.push_back({f.column, QString::fromLatin1(f.name),
                           f.initial ? QString::fromUtf16(f.initial) : blankDateTemplate()});
        return out;
    }();
    return fields;
}

const CompanyField* companyField(int column)
{
    for (const CompanyField& f : companyFields())
        if (f.column == column)
            return &f;
    return nullptr;
}

} // namespace mirevo
