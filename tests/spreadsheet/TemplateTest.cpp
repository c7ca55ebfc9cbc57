// A template edited in another program keeps, through the engine, its number formats, hidden
// sheets, defined names (print areas and titles) and rich text; what the engine drops it names.
#include "SpreadsheetTestSupport.h"
#include "ZipParts.h"
#include "spreadsheet/SheetName.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

using namespace mirevo::sheet;
using namespace mirevo::sheet::test;

namespace {

int run(const std::string& command)
{
    return std::system(command.c_str());
}

std::string script()
{
    return std::string(MIREVO_PYTHON) + " " + MIREVO_TEMPLATE_SCRIPT;
}

// The template made by openpyxl, or that file saved again by LibreOffice ("" when soffice is missing).
std::string makeTemplate(bool libreoffice)
{
    const std::string made = inputPath(libreoffice ? "_for_lo" : "");
    if (run(script() + " make '" + made + "'") != 0)
        return "";
    if (!libreoffice)
        return made;
    if (run("command -v soffice >/dev/null 2>&1") != 0)
        return "";
    const std::filesystem::path out = std::filesystem::path(made).parent_path() / "libreoffice";
    std::filesystem::create_directories(out);
    const std::string command = "HOME='" + out.string() + "' soffice --headless --convert-to xlsx --outdir '"
        + out.string() + "' '" + made + "' >/dev/null 2>&1";
    if (run(command) != 0)
        return "";
    return (out / std::filesystem::path(made).filename()).string();
}

void roundTrip(bool libreoffice)
{
    const std::string path = makeTemplate(libreoffice);
    if (path.empty())
        GTEST_SKIP() << "LibreOffice (soffice) not available";
    Application app;
    Workbook& book = app.Workbooks().Open(path);
    Worksheet& form = book.Sheets("様式");
    EXPECT_EQ(form.Range("B1").Value(), "45383") << "the date's serial number, shown through its format";
    EXPECT_EQ(book.Sheets("補助").Visible(), xlSheetHidden);
    EXPECT_NE(book.Sheets("設定").Visible(), xlSheetVisible);
    Worksheet& copy = form.Copy(After{form});
    EXPECT_EQ(copy.Name(), "様式 (2)");
    form.Select();
    const std::string saved = saveChecked(book, libreoffice ? "_libreoffice" : "_openpyxl");
    const std::string check = script() + " check '" + saved + "'" + (libreoffice ? " --libreoffice" : "");
    EXPECT_EQ(run(check), 0) << check;
    const std::string workbook = zipEntry(saved, "xl/workbook.xml");
    EXPECT_NE(workbook.find("localSheetId=\"1\">'様式 (2)'!$A$1:$D$20</definedName>"), std::string::npos) << workbook;
}

} // namespace

TEST(Template, OpenpyxlTemplateSurvives)
{
    roundTrip(false);
}

TEST(Template, LibreOfficeTemplateSurvives)
{
    roundTrip(true);
}

TEST(Template, RichTextRunsAreWrittenBack)
{
    const std::string kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
    const std::string kRel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    const std::string pkg = "http://schemas.openxmlformats.org/package/2006/relationships";
    std::map<std::string, std::string> p;
    p["[Content_Types].xml"] = "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"/>";
    p["_rels/.rels"] = "<Relationships xmlns=\"" + pkg + "\"><Relationship Id=\"a\" Type=\"" + kRel
        + "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>";
    p["xl/_rels/workbook.xml.rels"] = "<Relationships xmlns=\"" + pkg + "\"><Relationship Id=\"a\" Type=\"" + kRel
        + "/worksheet\" Target=\"s.xml\"/><Relationship Id=\"b\" Type=\"" + kRel
        + "/sharedStrings\" Target=\"ss.xml\"/></Relationships>";
    p["xl/workbook.xml"] = "<workbook xmlns=\"" + kMain + "\" xmlns:r=\"" + kRel
        + "\"><sheets><sheet name=\"S\" sheetId=\"1\" r:id=\"a\"/></sheets></workbook>";
    p["xl/ss.xml"] = "<x:sst xmlns:x=\"" + kMain
        + "\"><x:si><x:r><x:rPr><x:b/><x:sz val=\"14\"/></x:rPr><x:t>山田</x:t></x:r>"
          "<x:r><x:t xml:space=\"preserve\"> 太郎&amp;</x:t></x:r><x:rPh sb=\"0\" eb=\"2\"><x:t>ヤマダ</x:t></x:rPh></x:si>"
          "<x:si><x:t>山田 太郎&amp;</x:t></x:si></x:sst>";
    p["xl/s.xml"] = "<worksheet xmlns=\"" + kMain
        + "\"><sheetData><row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c>"
          "<c r=\"B1\" t=\"s\"><v>1</v></c><c r=\"C1\" t=\"b\"><v>1</v></c></row></sheetData></worksheet>";
    const std::string path = inputPath();
    writeZip(path, p);
    Application app;
    Workbook& book = app.Workbooks().Open(path);
    EXPECT_EQ(book.Sheets(1).Range("A1").Value(), "山田 太郎&");
    EXPECT_EQ(book.Sheets(1).Range("B1").Value(), "山田 太郎&");
    Workbook& other = app.Workbooks().Add();
    book.Sheets(1).Copy(After{other.Sheets(1)});
    for (Workbook* b : {&book, &other}) {
        const std::string saved = saveChecked(*b, b == &book ? "" : "_other");
        SavedBook s(saved);
        const std::string strings = zipEntry(saved, "xl/sharedStrings.xml");
        EXPECT_NE(
            strings.find(
                "<si><r><rPr><b></b><sz val=\"14\"></sz></rPr><t>山田</t></r><r><t xml:space=\"preserve\"> 太郎&amp;</t></r>"
                "<rPh sb=\"0\" eb=\"2\"><t>ヤマダ</t></rPh></si>"),
            std::string::npos)
            << strings;
        EXPECT_NE(strings.find("<si><t>山田 太郎&amp;</t></si>"), std::string::npos) << "the plain string stays plain";
    }
    EXPECT_NE(zipEntry(saveChecked(book, "_bool"), "xl/worksheets/sheet1.xml").find("<c r=\"C1\" t=\"b\"><v>1</v></c>"),
              std::string::npos);
}

TEST(Template, HiddenSheetRules)
{
    Application app;
    Workbook& book = app.Workbooks().Add();
    Worksheet& first = book.Sheets(1);
    EXPECT_THROW(first.setVisible(xlSheetHidden), SheetError) << "the last visible sheet";
    Worksheet& second = book.Sheets().Add(After{first});
    EXPECT_EQ(book.ActiveSheet().Name(), second.Name());
    second.setVisible(xlSheetVeryHidden);
    EXPECT_EQ(&book.ActiveSheet(), &first) << "hiding the active sheet activates a visible one";
    EXPECT_THROW(second.Select(), SheetError);
    EXPECT_THROW(first.Delete(), SheetError) << "the last visible sheet";
    second.setVisible(true);
    EXPECT_EQ(second.Visible(), xlSheetVisible);
}

TEST(Template, RenamingASheetRenamesItsReferences)
{
    const struct {
        const char *formula, *from, *to, *expected;
    } cases[] = {
        {"様式!$A$1:$D$20", "様式", "表紙", "'表紙'!$A$1:$D$20"},
        {"'様式'!$A:$B,'様式'!$1:$2", "様式", "A's", "'A''s'!$A:$B,'A''s'!$1:$2"},
        {"'A''s'!$A$1", "a's", "B", "'B'!$A$1"},
        {"SUM(Sheet1!A1,Sheet10!A1)", "sheet1", "x", "SUM('x'!A1,Sheet10!A1)"},
        {"\"様式!A1\"&様式!A1", "様式", "y", "\"様式!A1\"&'y'!A1"},
        {"他!$A$1", "様式", "z", "他!$A$1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(renameSheetReferences(c.formula, c.from, c.to), c.expected) << c.formula;
}
