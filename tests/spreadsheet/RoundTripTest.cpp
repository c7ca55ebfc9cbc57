// A template edited in a spreadsheet program comes through load, sheet copy and save whole:
// colours and the theme, the date system, formulas, sizes, fonts, views, print settings,
// and the pictures, drawings, comments, links, input rules and conditional formats it
// carries. Files are read back with openpyxl (probe_with_openpyxl.py) and as XML.
#include "SpreadsheetTestSupport.h"
#include "ZipParts.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace mirevo::sheet;
using namespace mirevo::sheet::test;

namespace {

const std::string kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
const std::string kRel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

std::string corpus(const std::string& file)
{
    return std::string(MIREVO_XLSX_CORPUS) + "/" + file;
}

#define REQUIRE_CORPUS(file)                                                                                           \
    if (!std::filesystem::exists(corpus(file)))                                                                        \
    GTEST_SKIP() << "corpus file missing: " << corpus(file)

// What openpyxl reads from the file.
QJsonObject probe(const std::string& path)
{
    const std::string command = std::string(MIREVO_PYTHON) + " " + MIREVO_PROBE_SCRIPT + " '" + path + "'";
    std::string out;
    if (std::FILE* p = popen(command.c_str(), "r")) {
        char buf[65536];
        for (size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;)
            out.append(buf, n);
        pclose(p);
    }
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(out));
    EXPECT_TRUE(doc.isObject()) << "openpyxl could not read " << path;
    return doc.object();
}

QJsonObject probedSheet(const QJsonObject& probed, const char* name)
{
    return probed["sheets"].toObject()[name].toObject();
}

QJsonObject probedCell(const QJsonObject& probed, const char* sheet, const char* ref)
{
    return probedSheet(probed, sheet)["cells"].toObject()[ref].toObject();
}

std::string text(const QJsonValue& v)
{
    return v.isNull() ? "(none)" : v.toVariant().toString().toStdString();
}

// The way the document generator uses a template: every sheet copied into a new workbook.
std::string copiedAndSaved(Application& app, Workbook& from, int copies = 1, const std::string& suffix = "")
{
    Workbook& out = app.Workbooks().Add();
    out.Sheets(1).setName("初期シート");
    for (int n = 0; n < copies; ++n)
        for (int i = 1; i <= from.Sheets().Count(); ++i)
            from.Sheets(i).Copy(After{out.Sheets(out.Sheets().Count())});
    out.Sheets(1).Delete();
    return saveChecked(out, suffix);
}

std::string rels(const std::string& body)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        + body + "</Relationships>";
}

std::string relationship(const std::string& id, const std::string& type, const std::string& target,
                         bool external = false)
{
    return "<Relationship Id=\"" + id + "\" Type=\"" + kRel + "/" + type + "\" Target=\"" + target + "\""
        + (external ? " TargetMode=\"External\"" : "") + "/>";
}

const std::string kBasicStyles = "<styleSheet xmlns=\"" + kMain
    + "\"><fonts count=\"1\"><font><sz val=\"11\"/><name val=\"Calibri\"/></font></fonts>"
      "<fills count=\"2\"><fill><patternFill/></fill><fill><patternFill patternType=\"gray125\"/></fill></fills>"
      "<borders count=\"1\"><border/></borders><cellXfs count=\"1\"><xf/></cellXfs></styleSheet>";

// A one-sheet package ("Sheet"); `sheetRels` and `more` add parts, `workbookPr` attributes.
std::map<std::string, std::string> package(const std::string& sheetBody, const std::string& styles = kBasicStyles,
                                           const std::string& sheetRels = "", const std::string& workbookPr = "",
                                           const std::string& strings = "")
{
    std::map<std::string, std::string> p;
    p["[Content_Types].xml"] = "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"/>";
    p["_rels/.rels"] = rels(relationship("rId1", "officeDocument", "xl/workbook.xml"));
    p["xl/_rels/workbook.xml.rels"]
        = rels(relationship("rId1", "worksheet", "worksheets/sheet1.xml") + relationship("rId2", "styles", "styles.xml")
               + relationship("rId3", "sharedStrings", "sharedStrings.xml"));
    p["xl/workbook.xml"] = "<workbook xmlns=\"" + kMain + "\" xmlns:r=\"" + kRel + "\"><workbookPr" + workbookPr
        + "/><sheets><sheet name=\"Sheet\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>";
    p["xl/styles.xml"] = styles;
    p["xl/sharedStrings.xml"] = "<sst xmlns=\"" + kMain + "\">" + strings + "</sst>";
    p["xl/worksheets/sheet1.xml"]
        = "<worksheet xmlns=\"" + kMain + "\" xmlns:r=\"" + kRel + "\">" + sheetBody + "</worksheet>";
    if (!sheetRels.empty())
        p["xl/worksheets/_rels/sheet1.xml.rels"] = rels(sheetRels);
    return p;
}

std::string written(const std::map<std::string, std::string>& parts, const std::string& suffix = "")
{
    const std::string path = inputPath(suffix);
    writeZip(path, parts);
    return path;
}

// Pixels of a PPM image (P6, 8 bits) within `tolerance` of the colour.
long pixelsNear(const std::string& ppm, uint32_t rgb, int tolerance)
{
    std::istringstream in(ppm);
    std::string magic;
    int w = 0, h = 0, max = 0;
    in >> magic >> w >> h >> max;
    in.get();
    const size_t start = size_t(in.tellg());
    long count = 0;
    for (size_t i = start; i + 2 < ppm.size(); i += 3) {
        const int r = uint8_t(ppm[i]), g = uint8_t(ppm[i + 1]), b = uint8_t(ppm[i + 2]);
        count += std::abs(r - int(rgb >> 16 & 255)) <= tolerance && std::abs(g - int(rgb >> 8 & 255)) <= tolerance
            && std::abs(b - int(rgb & 255)) <= tolerance;
    }
    return count;
}

} // namespace

TEST(RoundTrip, ThemeIndexedAndTintedColoursSurviveCopyAndSave)
{
    REQUIRE_CORPUS("openpyxl/op_colour_probe.xlsx");
    Application app;
    Workbook& source = app.Workbooks().Open(corpus("openpyxl/op_colour_probe.xlsx"));
    const std::string saved = copiedAndSaved(app, source);
    const QJsonObject before = probe(corpus("openpyxl/op_colour_probe.xlsx"));
    const QJsonObject after = probe(saved);
    const QString sheet = before["sheets"].toObject().keys().first();
    const QJsonObject cellsBefore = before["sheets"].toObject()[sheet].toObject()["cells"].toObject();
    const QJsonObject cellsAfter = after["sheets"].toObject()[sheet].toObject()["cells"].toObject();
    int coloured = 0;
    for (const QString& ref : cellsBefore.keys()) {
        for (const char* what : {"fill", "font"}) {
            const QJsonValue colour = cellsBefore[ref].toObject()[what];
            coloured += !colour.isNull();
            EXPECT_EQ(cellsAfter[ref].toObject()[what], colour) << ref.toStdString() << " " << what;
        }
    }
    EXPECT_GE(coloured, 10) << "theme, tinted, indexed and rgb fills and fonts";
    EXPECT_EQ(zipEntry(saved, "xl/theme/theme1.xml"),
              zipEntry(corpus("openpyxl/op_colour_probe.xlsx"), "xl/theme/theme1.xml"));

    // Border colours, and a theme colour copied into a workbook with another theme turns rgb.
    const std::string styles = "<styleSheet xmlns=\"" + kMain
        + "\"><fonts count=\"1\"><font><sz val=\"11\"/></font></fonts>"
          "<fills count=\"2\"><fill><patternFill/></fill><fill><patternFill patternType=\"gray125\"/></fill></fills>"
          "<borders count=\"2\"><border/><border><left style=\"thin\"><color theme=\"5\" tint=\"0.39997558519241921\"/></left>"
          "<bottom style=\"medium\"><color indexed=\"12\"/></bottom></border></borders>"
          "<cellXfs count=\"2\"><xf/><xf borderId=\"1\"/></cellXfs></styleSheet>";
    Workbook& bordered = app.Workbooks().Open(
        written(package("<sheetData><row r=\"1\"><c r=\"A1\" s=\"1\"/></row></sheetData>", styles)));
    SavedBook again(saveChecked(bordered, "_borders"));
    const pugi::xml_node border = again.format(1, "A1").border;
    EXPECT_STREQ(border.child("left").child("color").attribute("theme").value(), "5");
    EXPECT_DOUBLE_EQ(border.child("left").child("color").attribute("tint").as_double(), 0.39997558519241921);
    EXPECT_STREQ(border.child("bottom").child("color").attribute("indexed").value(), "12");
    Worksheet& mixed = source.Sheets(1).Copy(After{bordered.Sheets(1)});
    EXPECT_EQ(mixed.Range("B2").Interior().Color(), source.Sheets(1).Range("B2").Interior().Color())
        << "the colour the theme gave, as rgb, in a workbook of another theme";
}

TEST(RoundTrip, LibreOfficePaintsThemeFillsInTheirColour)
{
    REQUIRE_CORPUS("openpyxl/op_colour_probe.xlsx");
    if (std::system("command -v soffice >/dev/null 2>&1 && command -v pdftoppm >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "LibreOffice (soffice) or pdftoppm not available";
    Application app;
    const std::string saved = copiedAndSaved(app, app.Workbooks().Open(corpus("openpyxl/op_colour_probe.xlsx")));
    const std::filesystem::path out = std::filesystem::path(inputPath()).parent_path() / "rendered";
    std::filesystem::create_directories(out);
    const std::string stem = (out / std::filesystem::path(saved).stem()).string();
    const std::string command = "HOME='" + out.string() + "' soffice --headless --convert-to pdf --outdir '"
        + out.string() + "' '" + saved + "' >/dev/null 2>&1 && pdftoppm -r 40 -f 1 -l 1 '" + stem + ".pdf' '" + stem
        + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    std::string ppm;
    for (const auto& entry : std::filesystem::directory_iterator(out))
        if (entry.path().extension() == ".ppm" && entry.path().string().rfind(stem, 0) == 0)
            ppm = readFile(entry.path().string());
    ASSERT_FALSE(ppm.empty());
    // B2 is filled with theme colour 4 (accent 1 of the file's theme, 4F81BD); no fill is black.
    EXPECT_GT(pixelsNear(ppm, 0x4F81BD, 12), 20) << "the theme fill in its colour";
    EXPECT_GT(pixelsNear(ppm, 0xFFC000, 12), 20) << "the rgb fill";
    EXPECT_LT(pixelsNear(ppm, 0x000000, 30), 400) << "solid black blocks";
}

TEST(RoundTrip, Date1904IsKept)
{
    const std::string styles = "<styleSheet xmlns=\"" + kMain
        + "\"><fonts count=\"1\"><font/></fonts><fills count=\"1\"><fill/></fills>"
          "<borders count=\"1\"><border/></borders><cellXfs count=\"2\"><xf/><xf numFmtId=\"14\"/></cellXfs></styleSheet>";
    Application app;
    Workbook& book = app.Workbooks().Open(
        written(package("<sheetData><row r=\"1\"><c r=\"A1\" s=\"1\"><v>17797</v></c></row></sheetData>", styles, "",
                        " date1904=\"1\"")));
    EXPECT_TRUE(book.date1904());
    const QJsonObject probed = probe(saveChecked(book));
    EXPECT_EQ(probed["epoch"].toInt(), 1904);
    EXPECT_EQ(text(probedCell(probed, "Sheet", "A1")["value"]), "1952-09-22 00:00:00");
    // A copy into a workbook of the 1900 system shows the same day.
    const QJsonObject copied = probe(copiedAndSaved(app, book));
    EXPECT_EQ(copied["epoch"].toInt(), 1899);
    EXPECT_EQ(text(probedCell(copied, "Sheet", "A1")["value"]), "1952-09-22 00:00:00");
}

TEST(RoundTrip, FormulasKeepTheirValuesAndFollowARowCopy)
{
    const std::string sheet
        = "<sheetData><row r=\"1\"><c r=\"A1\"><f>1+1</f><v>2</v></c><c r=\"B1\"><f t=\"shared\" ref=\"B1:B2\" si=\"0\">A1+10</f><v>12</v></c>"
          "<c r=\"C1\" t=\"str\"><f>\"x\"&amp;\"y\"</f><v>xy</v></c><c r=\"D1\" t=\"e\"><f>1/0</f><v>#DIV/0!</v></c>"
          "<c r=\"E1\" t=\"b\"><f>TRUE()</f><v>1</v></c></row>"
          "<row r=\"2\"><c r=\"A2\"><f>A1*2</f></c><c r=\"B2\"><f t=\"shared\" si=\"0\"/><v>14</v></c>"
          "<c r=\"C2\"><f>SUM($A$1:A1)</f><v>2</v></c><c r=\"D2\" t=\"e\"><v>#N/A</v></c></row></sheetData>";
    Application app;
    Workbook& book = app.Workbooks().Open(written(package(sheet)));
    EXPECT_EQ(book.Sheets(1).Range("A1").Value(), "2") << "the value it last gave";
    const std::string saved = copiedAndSaved(app, book);
    const QJsonObject probed = probe(saved);
    const std::vector<std::tuple<const char*, const char*, const char*>> cells
        = {{"A1", "=1+1", "2"},       {"B1", "=A1+10", "12"},       {"C1", "=\"x\"&\"y\"", "xy"},
           {"D1", "=1/0", "#DIV/0!"}, {"E1", "=TRUE()", "True"},    {"A2", "=A1*2", "(none)"},
           {"B2", "=A2+10", "14"},    {"C2", "=SUM($A$1:A1)", "2"}, {"D2", "#N/A", "#N/A"}};
    for (const auto& [ref, formula, cached] : cells) {
        EXPECT_EQ(text(probedCell(probed, "Sheet", ref)["value"]), formula) << ref;
        EXPECT_EQ(text(probedCell(probed, "Sheet", ref)["cached"]), cached) << ref;
    }
    EXPECT_TRUE(SavedBook(saved).workbook().child("calcPr").attribute("fullCalcOnLoad").as_bool());

    Worksheet& ws = book.Sheets(1);
    ws.Range("A1", "A2").EntireRow().Copy();
    ws.Range("A11").EntireRow().PasteSpecial();
    ws.Range("A1").setValue("plain");
    const QJsonObject pasted = probe(saveChecked(book, "_pasted"));
    EXPECT_EQ(text(probedCell(pasted, "Sheet", "A12")["value"]), "=A11*2");
    EXPECT_EQ(text(probedCell(pasted, "Sheet", "C12")["value"]), "=SUM($A$1:A11)");
    EXPECT_EQ(text(probedCell(pasted, "Sheet", "B12")["value"]), "=A12+10");
    EXPECT_EQ(text(probedCell(pasted, "Sheet", "A1")["value"]), "plain") << "a value given replaces the formula";
}

TEST(RoundTrip, SizesFormatsAndEmptyStringsAreNotRewritten)
{
    const std::string styles = "<styleSheet xmlns=\"" + kMain
        + "\"><numFmts count=\"1\"><numFmt numFmtId=\"170\" formatCode=\"\"/></numFmts>"
          "<fonts count=\"1\"><font/></fonts><fills count=\"1\"><fill/></fills><borders count=\"1\"><border/></borders>"
          "<cellXfs count=\"2\"><xf/><xf numFmtId=\"170\"/></cellXfs></styleSheet>";
    const std::string sheet
        = "<sheetFormatPr baseColWidth=\"10\" defaultColWidth=\"9.5\" defaultRowHeight=\"15\"/>"
          "<cols><col min=\"2\" max=\"2\" width=\"0.5\" hidden=\"1\" customWidth=\"1\"/><col min=\"4\" max=\"4\" hidden=\"1\"/></cols>"
          "<sheetData><row r=\"1\" ht=\"20.25\"><c r=\"A1\" t=\"str\"><v></v></c><c r=\"C1\" t=\"s\"><v>0</v></c><c r=\"E1\" s=\"1\"><v>5</v></c></row></sheetData>"
          "<pageSetup paperSize=\"256\"/><colBreaks count=\"1\" manualBreakCount=\"1\"><brk id=\"3\" max=\"1048575\" man=\"1\"/></colBreaks>";
    Application app;
    Workbook& book = app.Workbooks().Open(written(package(sheet, styles, "", "", "<si><t></t></si>")));
    SavedBook saved(copiedAndSaved(app, book));
    const pugi::xml_node ws = saved.sheet(1);
    EXPECT_STREQ(ws.child("sheetFormatPr").attribute("defaultRowHeight").value(), "15");
    EXPECT_STREQ(ws.child("sheetFormatPr").attribute("defaultColWidth").value(), "9.5");
    EXPECT_STREQ(saved.row(1, 1).attribute("ht").value(), "20.25");
    EXPECT_FALSE(saved.row(1, 1).attribute("customHeight")) << "a height the spreadsheet fitted stays one";
    const pugi::xml_node hidden = ws.child("cols").find_child_by_attribute("col", "min", "2");
    EXPECT_STREQ(hidden.attribute("width").value(), "0.5");
    EXPECT_TRUE(hidden.attribute("hidden").as_bool());
    EXPECT_TRUE(ws.child("cols").find_child_by_attribute("col", "min", "4").attribute("hidden").as_bool());
    EXPECT_STREQ(ws.child("colBreaks").child("brk").attribute("id").value(), "3");
    EXPECT_STREQ(ws.child("pageSetup").attribute("paperSize").value(), "256");
    for (const char* ref : {"A1", "C1"}) {
        EXPECT_STREQ(saved.cell(1, ref).attribute("t").value(), "s") << ref << " holds a string";
        EXPECT_EQ(saved.value(1, ref), "") << ref;
    }
    const pugi::xml_node numFmt = saved.styles().child("numFmts").child("numFmt");
    EXPECT_TRUE(numFmt.attribute("formatCode")) << "the empty format is kept";
    EXPECT_STREQ(numFmt.attribute("formatCode").value(), "");
    EXPECT_STREQ(saved.format(1, "E1").xf.attribute("numFmtId").value(), numFmt.attribute("numFmtId").value());
}

TEST(RoundTrip, FontAlignmentProtectionViewAndPrintSettingsAreKept)
{
    const std::string styles = "<styleSheet xmlns=\"" + kMain
        + "\"><fonts count=\"2\"><font><sz val=\"11\"/></font>"
          "<font><u val=\"double\"/><strike/><sz val=\"11\"/></font></fonts><fills count=\"1\"><fill/></fills>"
          "<borders count=\"1\"><border/></borders><cellXfs count=\"2\"><xf/><xf fontId=\"1\">"
          "<alignment textRotation=\"90\" indent=\"2\" horizontal=\"left\"/><protection locked=\"0\" hidden=\"1\"/></xf></cellXfs></styleSheet>";
    const std::string sheet
        = "<sheetPr><tabColor rgb=\"FF00B050\"/></sheetPr><sheetViews><sheetView showGridLines=\"0\" zoomScale=\"85\" workbookViewId=\"0\">"
          "<pane xSplit=\"1\" ySplit=\"2\" topLeftCell=\"B3\" activePane=\"bottomRight\" state=\"frozen\"/>"
          "<selection pane=\"bottomRight\" activeCell=\"C4\" sqref=\"C4\"/></sheetView></sheetViews>"
          "<sheetData><row r=\"1\"><c r=\"A1\" s=\"1\"><v>1</v></c></row></sheetData>"
          "<printOptions gridLines=\"1\" headings=\"1\"/><pageMargins left=\"0.7\" right=\"0.7\" top=\"0.75\" bottom=\"0.75\" header=\"0.3\" footer=\"0.3\"/>"
          "<pageSetup paperSize=\"9\" firstPageNumber=\"3\" useFirstPageNumber=\"1\"/>";
    Application app;
    Workbook& book = app.Workbooks().Open(written(package(sheet, styles)));
    const QJsonObject probed = probe(copiedAndSaved(app, book));
    const QJsonObject a1 = probedCell(probed, "Sheet", "A1");
    EXPECT_EQ(text(a1["underline"]), "double");
    EXPECT_TRUE(a1["strike"].toBool());
    EXPECT_EQ(a1["rotation"].toInt(), 90);
    EXPECT_EQ(a1["indent"].toInt(), 2);
    EXPECT_FALSE(a1["locked"].toBool());
    EXPECT_TRUE(a1["hidden"].toBool());
    const QJsonObject ws = probedSheet(probed, "Sheet");
    EXPECT_EQ(text(ws["freeze"]), "B3");
    EXPECT_EQ(ws["zoom"].toInt(), 85);
    EXPECT_FALSE(ws["gridLines"].toBool());
    EXPECT_EQ(text(ws["tabColor"]), "FF00B050");
    EXPECT_TRUE(ws["printGridLines"].toBool());
    EXPECT_TRUE(ws["printHeadings"].toBool());
    EXPECT_EQ(ws["firstPageNumber"].toInt(), 3);
}

TEST(RoundTrip, FirstPageAndEvenPageHeadersAndTheirFlagsAreKept)
{
    const std::string sheet
        = "<sheetData><row r=\"1\"><c r=\"A1\"><v>1</v></c></row></sheetData>"
          "<pageMargins left=\"0.7\" right=\"0.7\" top=\"0.75\" bottom=\"0.75\" header=\"0.3\" footer=\"0.3\"/>"
          "<headerFooter differentOddEven=\"1\" differentFirst=\"1\" scaleWithDoc=\"0\" alignWithMargins=\"0\">"
          "<oddHeader>&amp;C奇数</oddHeader><oddFooter>&amp;R&amp;P</oddFooter>"
          "<evenHeader>&amp;L偶数</evenHeader><evenFooter>&amp;L&amp;P</evenFooter>"
          "<firstHeader>&amp;C表紙</firstHeader><firstFooter>&amp;C&amp;N</firstFooter></headerFooter>";
    Application app;
    Workbook& book = app.Workbooks().Open(written(package(sheet)));
    const QJsonObject hf = probedSheet(probe(copiedAndSaved(app, book)), "Sheet")["headerFooter"].toObject();
    EXPECT_TRUE(hf["differentOddEven"].toBool());
    EXPECT_TRUE(hf["differentFirst"].toBool());
    EXPECT_FALSE(hf["scaleWithDoc"].toBool());
    EXPECT_FALSE(hf["alignWithMargins"].toBool());
    EXPECT_EQ(text(hf["oddHeader"]), "|奇数|");
    EXPECT_EQ(text(hf["oddFooter"]), "||&P");
    EXPECT_EQ(text(hf["evenHeader"]), "偶数||");
    EXPECT_EQ(text(hf["evenFooter"]), "&P||");
    EXPECT_EQ(text(hf["firstHeader"]), "|表紙|");
    EXPECT_EQ(text(hf["firstFooter"]), "|&N|");
}

TEST(RoundTrip, CommentsLinksRulesAndConditionalFormatsTravelWithEveryCopy)
{
    REQUIRE_CORPUS("openpyxl/op_dropped_features.xlsx");
    Application app;
    Workbook& source = app.Workbooks().Open(corpus("openpyxl/op_dropped_features.xlsx"));
    EXPECT_EQ(source.droppedOnRead(), std::vector<std::string>{});
    const std::string saved = copiedAndSaved(app, source, 2);
    const QJsonObject before = probedSheet(probe(corpus("openpyxl/op_dropped_features.xlsx")), "Extras");
    const QJsonObject probed = probe(saved);
    ASSERT_EQ(probed["sheets"].toObject().size(), 2);
    for (const QString& name : probed["sheets"].toObject().keys()) {
        const QJsonObject ws = probed["sheets"].toObject()[name].toObject();
        for (const char* kind : {"comments", "hyperlinks", "validations", "conditional", "autoFilter", "freeze"})
            EXPECT_EQ(ws[kind], before[kind]) << name.toStdString() << ": " << kind;
    }
    EXPECT_TRUE(zipEntry(saved, "xl/styles.xml").find("<dxfs count=\"1\">") != std::string::npos)
        << "the conditional format's own format";
}

TEST(RoundTrip, PicturesShapesAndSheetProtectionTravelWithEveryCopy)
{
    REQUIRE_CORPUS("libxlsxwriter/image82.xlsx");
    Application app;
    Workbook& logo = app.Workbooks().Open(corpus("libxlsxwriter/image82.xlsx"));
    const std::string saved = copiedAndSaved(app, logo, 3, "_logo");
    const QJsonObject probed = probe(saved);
    for (const QString& name : probed["sheets"].toObject().keys())
        EXPECT_EQ(probed["sheets"].toObject()[name].toObject()["images"].toInt(), 1) << name.toStdString();
    int drawings = 0, media = 0;
    for (const std::string& entry : zipEntries(saved)) {
        drawings += entry.rfind("xl/drawings/drawing", 0) == 0;
        media += entry.rfind("xl/media/", 0) == 0;
    }
    EXPECT_EQ(drawings, 3) << "a drawing of its own for every copy";
    EXPECT_EQ(media, 1) << "one picture, shared";

    const std::string shapes
        = "<xdr:wsDr xmlns:xdr=\"http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing\" xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\">"
          "<xdr:twoCellAnchor><xdr:from><xdr:col>1</xdr:col><xdr:colOff>0</xdr:colOff><xdr:row>1</xdr:row><xdr:rowOff>0</xdr:rowOff></xdr:from>"
          "<xdr:to><xdr:col>3</xdr:col><xdr:colOff>0</xdr:colOff><xdr:row>3</xdr:row><xdr:rowOff>0</xdr:rowOff></xdr:to>"
          "<xdr:sp macro=\"\" textlink=\"\"><xdr:nvSpPr><xdr:cNvPr id=\"2\" name=\"印\"/><xdr:cNvSpPr/></xdr:nvSpPr>"
          "<xdr:spPr><a:prstGeom prst=\"ellipse\"><a:avLst/></a:prstGeom></xdr:spPr></xdr:sp><xdr:clientData/></xdr:twoCellAnchor></xdr:wsDr>";
    auto parts = package("<sheetData/><sheetProtection sheet=\"1\" objects=\"1\"/><drawing r:id=\"rId7\"/>",
                         kBasicStyles, relationship("rId7", "drawing", "../drawings/drawing1.xml"));
    parts["xl/drawings/drawing1.xml"] = shapes;
    Workbook& stamped = app.Workbooks().Open(written(parts, "_shapes"));
    const std::string copies = copiedAndSaved(app, stamped, 2, "_shapes");
    for (int sheet : {1, 2}) {
        EXPECT_TRUE(SavedBook(copies).sheet(sheet).child("sheetProtection").attribute("sheet").as_bool());
        const std::string rel = zipEntry(copies, "xl/worksheets/_rels/sheet" + std::to_string(sheet) + ".xml.rels");
        const size_t at = rel.find("Target=\"/xl/drawings/drawing");
        ASSERT_NE(at, std::string::npos) << rel;
        const std::string target = rel.substr(at + 9, rel.find('"', at + 8) - at - 9);
        EXPECT_NE(zipEntry(copies, target).find("prst=\"ellipse\""), std::string::npos) << target;
    }
    const QJsonObject probed2 = probe(copies);
    for (const QString& name : probed2["sheets"].toObject().keys()) {
        EXPECT_TRUE(probed2["sheets"].toObject()[name].toObject()["protected"].toBool()) << name.toStdString();
        EXPECT_EQ(probed2["sheets"].toObject()[name].toObject()["shapes"].toInt(), 1) << name.toStdString();
    }
}

TEST(RoundTrip, WhatIsStillDroppedIsNamedOnce)
{
    auto parts = package("<sheetData/><tableParts count=\"1\"><tablePart r:id=\"rId2\"/></tableParts>", kBasicStyles,
                         relationship("rId2", "table", "../tables/table1.xml"));
    parts["xl/tables/table1.xml"] = "<table xmlns=\"" + kMain + "\" id=\"1\" name=\"T\" ref=\"A1:A2\"/>";
    Application app;
    Workbook& book = app.Workbooks().Open(written(parts));
    EXPECT_EQ(book.droppedOnRead(), std::vector<std::string>{"テーブル: Sheet"});
    EXPECT_FALSE(SavedBook(saveChecked(book)).sheet(1).child("tableParts"));
}

TEST(RoundTrip, FilesOtherProgramsWriteAreRead)
{
    Application app;
    // Excel: an empty <v/> in a shared-string cell.
    Workbook& empty = app.Workbooks().Open(written(
        package(
            "<sheetData><row r=\"1\"><c r=\"A1\" t=\"s\"><v/></c><c r=\"B1\" t=\"s\"><v>0</v></c></row></sheetData>",
            kBasicStyles, "", "", "<si><t>b</t></si>"),
        "_empty_v"));
    EXPECT_EQ(empty.Sheets(1).Range("A1").Value(), "");
    EXPECT_EQ(empty.Sheets(1).Range("B1").Value(), "b");
    // Another office suite: fonts inside markup-compatibility blocks.
    const std::string styles = "<styleSheet xmlns=\"" + kMain
        + "\" xmlns:mc=\"http://schemas.openxmlformats.org/markup-compatibility/2006\" xmlns:x14ac=\"urn:x14ac\">"
          "<fonts count=\"2\"><font><sz val=\"11\"/></font><mc:AlternateContent><mc:Choice Requires=\"x14ac\"><font><b/><sz val=\"14\"/><x14ac:x/></font></mc:Choice>"
          "<mc:Fallback><font><b/><sz val=\"14\"/></font></mc:Fallback></mc:AlternateContent></fonts>"
          "<fills count=\"1\"><fill/></fills><borders count=\"1\"><border/></borders><cellXfs count=\"2\"><xf/><xf fontId=\"1\"/></cellXfs></styleSheet>";
    Workbook& alternate = app.Workbooks().Open(
        written(package("<sheetData><row r=\"1\"><c r=\"A1\" s=\"1\"/></row></sheetData>", styles), "_alternate"));
    EXPECT_TRUE(alternate.Sheets(1).Range("A1").Font().Bold());
    EXPECT_DOUBLE_EQ(alternate.Sheets(1).Range("A1").Font().Size(), 14);
    // A sheet without a part.
    auto parts = package("<sheetData/>");
    parts["xl/workbook.xml"] = "<workbook xmlns=\"" + kMain + "\" xmlns:r=\"" + kRel
        + "\"><sheets><sheet name=\"Sheet\" sheetId=\"1\" r:id=\"rId1\"/>"
          "<sheet name=\"空\" sheetId=\"2\" r:id=\"\"/></sheets></workbook>";
    Workbook& noPart = app.Workbooks().Open(written(parts, "_no_part"));
    ASSERT_EQ(noPart.Sheets().Count(), 2);
    EXPECT_EQ(noPart.Sheets(2).Name(), "空");
    ASSERT_EQ(noPart.droppedOnRead().size(), 1u);
    EXPECT_NE(noPart.droppedOnRead()[0].find("空"), std::string::npos);
    // A workbook saved with a password: an OLE compound file, not a zip package.
    const std::string encrypted = inputPath("_encrypted");
    std::ofstream(encrypted, std::ios::binary)
        << std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) << std::string(504, '\0');
    try {
        app.Workbooks().Open(encrypted);
        ADD_FAILURE() << "an encrypted workbook opened";
    } catch (const SheetError& e) {
        EXPECT_NE(std::string(e.what()).find("パスワードで保護されたブックは開けません"), std::string::npos)
            << e.what();
    }
}

TEST(RoundTrip, CorpusFilesKeepEveryKindTheyHold)
{
    REQUIRE_CORPUS("openpyxl/op_print.xlsx");
    const std::string command = std::string(MIREVO_PYTHON) + " " + MIREVO_ROUNDTRIP_SCRIPT + " --strict --tool "
        + MIREVO_ROUNDTRIP_TOOL + " --probe " + MIREVO_PROBE_SCRIPT + " " + corpus("openpyxl/op_print.xlsx") + " "
        + corpus("openpyxl/op_layout.xlsx") + " " + corpus("libxlsxwriter/comment11.xlsx") + " "
        + corpus("libxlsxwriter/hyperlink14.xlsx");
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
}

TEST(RoundTrip, DateFormatsAreToldFromNumberFormats)
{
    const std::vector<std::pair<const char*, bool>> codes = {{"yyyy/mm/dd", true}, {"ggge\"年\"m\"月\"d\"日\"", true},
                                                             {"[h]:mm", true},     {"h:mm AM/PM", true},
                                                             {"0.00E+00", false},  {"#,##0", false},
                                                             {"[Red]0.0", false},  {"\"dd\"0", false},
                                                             {"General", false},   {"0\\d", false},
                                                             {"", false}};
    StyleTable styles;
    for (const auto& [code, date] : codes)
        EXPECT_EQ(styles.isDateFormat(styles.numberFormat(code)), date) << code;
    EXPECT_TRUE(styles.isDateFormat(14));
    EXPECT_TRUE(styles.isDateFormat(57)) << "a Japanese era date";
    EXPECT_FALSE(styles.isDateFormat(4));
}

TEST(RoundTrip, HostileCarriedPartsAreContained)
{
    Application app;
    // Nesting deeper than any kept element has: refused with a message, not a crash.
    std::string deep;
    for (int i = 0; i < 100000; ++i)
        deep += "<x>";
    for (int i = 0; i < 100000; ++i)
        deep += "</x>";
    const std::string nested = written(
        package("<sheetData/><conditionalFormatting sqref=\"A1\">" + deep + "</conditionalFormatting>"), "_deep");
    try {
        app.Workbooks().Open(nested);
        ADD_FAILURE() << "opened";
    } catch (const SheetError& e) {
        EXPECT_NE(std::string(e.what()).find("入れ子が深すぎます"), std::string::npos) << e.what();
    }
    // Drawings that claim the names of the engine's own parts, and that refer to each other.
    auto parts
        = package("<sheetData/><drawing r:id=\"rId1\"/>", kBasicStyles,
                  relationship("rId1", "drawing", "sheet1.xml") + relationship("rId2", "drawing", "../_rels/x.rels"));
    parts["xl/worksheets/_rels/sheet1.xml.rels"] = rels(relationship("rId1", "drawing", "sheet1.xml"));
    parts["xl/_rels/x.rels"] = "<x/>";
    Workbook& book = app.Workbooks().Open(written(parts, "_claims"));
    const std::string saved = saveChecked(book);
    EXPECT_NE(zipEntry(saved, "xl/worksheets/sheet1.xml").find("<drawing r:id=\"rId1\"/>"), std::string::npos);
}
