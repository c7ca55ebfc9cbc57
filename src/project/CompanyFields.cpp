#include "CompanyFields.h"
#include "ProjectRecord.h"

namespace mirevo {
namespace {

struct Pair {
    int column;
    const char* prime;
    const char* editor;
};

// Columns 1–39 have a prime contractor field; 40–42 only the editor's.
constexpr Pair kPairs[] = {
    {1, "Edit10", "Edit42"}, {2, "Edit11", "Edit43"}, {3, "Edit12", "Edit44"},
    {4, "Edit24", "Edit45"}, {5, "Edit25", "Edit46"}, {6, "Edit26", "Edit47"},
    {7, "Edit27", "Edit51"}, {8, "ComboBox7", "ComboBox11"}, {9, "Edit29", "Edit53"},
    {10, "Edit30", "Edit57"}, {11, "Edit31", "Edit54"}, {12, "ComboBox8", "ComboBox12"},
    {13, "Edit33", "Edit56"}, {14, "Edit34", "Edit58"}, {15, "Edit13", "Edit59"},
    {16, "ComboBox2", "ComboBox13"}, {17, "Edit14", "Edit60"}, {18, "ComboBox3", "ComboBox14"},
    {19, "Edit15", "Edit61"}, {20, "Edit16", "Edit62"}, {21, "Edit35", "Edit63"},
    {22, "Edit36", "Edit64"}, {23, "Edit37", "Edit65"}, {24, "Edit38", "Edit66"},
    {25, "Edit39", "Edit67"}, {26, "Edit40", "Edit68"}, {27, "Edit17", "Edit48"},
    {28, "Edit18", "Edit49"}, {29, "Edit19", "Edit50"}, {30, "Edit20", "Edit69"},
    {31, "Edit21", "Edit70"}, {32, "ComboBox4", "ComboBox17"}, {33, "Edit22", "Edit71"},
    {34, "ComboBox5", "ComboBox18"}, {35, "Edit23", "Edit72"}, {36, "ComboBox6", "ComboBox19"},
    {37, "ComboBox9", "ComboBox15"}, {38, "ComboBox10", "ComboBox16"}, {39, "Edit74", "Edit73"},
    {40, "", "ComboBox20"}, {41, "", "Edit75"}, {42, "", "ComboBox21"},
};

QString editorInitial(const Pair& p)
{
    switch (p.column) {
    case 20:
    case 22:
    case 25: return QStringLiteral("〇級〇〇〇〇監理技士");
    case 40: return QStringLiteral("0 : 元請");
    case 41: return QString();
    case 42: return QStringLiteral("1");
    default: return ProjectRecord::fixedInitialText(QString::fromLatin1(p.prime));
    }
}

} // namespace

const std::vector<CompanyField>& companyFields()
{
    static const std::vector<CompanyField> fields = [] {
        std::vector<CompanyField> out;
        for (const Pair& p : kPairs)
            out.push_back({p.column, QString::fromLatin1(p.prime), QString::fromLatin1(p.editor), editorInitial(p)});
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
