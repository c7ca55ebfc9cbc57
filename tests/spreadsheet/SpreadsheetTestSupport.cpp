#include "SpreadsheetTestSupport.h"

#include "XlsxChecker.h"
#include "ZipParts.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace mirevo::sheet::test {

namespace {

std::vector<std::string>& writtenFiles()
{
    static std::vector<std::string> files;
    return files;
}

// Loads every file this program wrote with openpyxl, in one interpreter run.
class OpenpyxlEnvironment : public ::testing::Environment {
public:
    void TearDown() override
    {
        // Under CTest one test runs per process; a separate CTest test then loads the whole
        // output folder in one interpreter run instead.
        if (writtenFiles().empty() || std::getenv("MIREVO_OPENPYXL_DEFERRED"))
            return;
        std::string command = std::string(MIREVO_PYTHON) + " " + MIREVO_OPENPYXL_SCRIPT;
        for (const std::string& f : writtenFiles())
            command += " '" + f + "'";
        ASSERT_EQ(std::system(command.c_str()), 0) << "openpyxl refused a written file: " << command;
    }
};

[[maybe_unused]] auto* const environment = ::testing::AddGlobalTestEnvironment(new OpenpyxlEnvironment);

} // namespace

namespace {

std::string pathIn(const std::string& folder, const std::string& suffix)
{
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "_" + info->name() + suffix + ".xlsx";
    for (char& c : name)
        if (c == '/')
            c = '_';
    std::filesystem::create_directories(folder);
    const std::string path = folder + "/" + name;
    std::filesystem::remove_all(path);
    return path;
}

} // namespace

std::string outputPath(const std::string& suffix)
{
    return pathIn(MIREVO_TEST_OUTPUT, suffix);
}

std::string inputPath(const std::string& suffix)
{
    return pathIn(MIREVO_TEST_INPUT, suffix);
}

std::string saveChecked(Workbook& book, const std::string& suffix)
{
    const std::string path = outputPath(suffix);
    book.SaveAs(path);
    const auto problems = checkXlsx(path);
    EXPECT_TRUE(problems.empty()) << path << ":\n" << ::testing::PrintToString(problems);
    writtenFiles().push_back(path);
    return path;
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

SavedBook::SavedBook(const std::string& path) : path_(path)
{
    const std::string wb = zipEntry(path, "xl/workbook.xml");
    workbook_.load_buffer(wb.data(), wb.size());
    const std::string styles = zipEntry(path, "xl/styles.xml");
    styles_.load_buffer(styles.data(), styles.size());
    pugi::xml_document sst;
    const std::string sstText = zipEntry(path, "xl/sharedStrings.xml");
    sst.load_buffer(sstText.data(), sstText.size(), pugi::parse_default | pugi::parse_ws_pcdata_single);
    for (pugi::xml_node si : sst.child("sst").children("si"))
        strings_.push_back(si.child("t").text().get());
}

pugi::xml_node SavedBook::sheet(int index)
{
    auto& doc = sheets_[index];
    if (!doc) {
        doc = std::make_unique<pugi::xml_document>();
        const std::string xml = zipEntry(path_, "xl/worksheets/sheet" + std::to_string(index) + ".xml");
        doc->load_buffer(xml.data(), xml.size());
    }
    return doc->child("worksheet");
}

pugi::xml_node SavedBook::row(int sheetIndex, int r)
{
    return sheet(sheetIndex).child("sheetData").find_child_by_attribute("row", "r", std::to_string(r).c_str());
}

pugi::xml_node SavedBook::cell(int sheetIndex, const std::string& ref)
{
    size_t digits = ref.find_first_of("0123456789");
    return row(sheetIndex, std::stoi(ref.substr(digits))).find_child_by_attribute("c", "r", ref.c_str());
}

std::string SavedBook::value(int sheetIndex, const std::string& ref)
{
    const pugi::xml_node c = cell(sheetIndex, ref);
    if (!c.child("v"))
        return {};
    EXPECT_STREQ(c.attribute("t").value(), "s") << ref;
    return strings_.at(size_t(c.child("v").text().as_int()));
}

SavedFormat SavedBook::format(int sheetIndex, const std::string& ref)
{
    const int s = cell(sheetIndex, ref).attribute("s").as_int(0);
    const pugi::xml_node ss = styles_.child("styleSheet");
    auto nth = [](pugi::xml_node list, int i) {
        pugi::xml_node n = list.first_child();
        while (i-- > 0 && n)
            n = n.next_sibling();
        return n;
    };
    SavedFormat f;
    f.xf = nth(ss.child("cellXfs"), s);
    f.font = nth(ss.child("fonts"), f.xf.attribute("fontId").as_int());
    f.border = nth(ss.child("borders"), f.xf.attribute("borderId").as_int());
    f.alignment = f.xf.child("alignment");
    return f;
}

pugi::xml_node SavedBook::fill(int sheetIndex, const std::string& ref)
{
    int i = format(sheetIndex, ref).xf.attribute("fillId").as_int();
    pugi::xml_node n = styles().child("fills").first_child();
    while (i-- > 0 && n)
        n = n.next_sibling();
    return n;
}

std::vector<std::string> SavedBook::merges(int sheetIndex)
{
    std::vector<std::string> out;
    for (pugi::xml_node m : sheet(sheetIndex).child("mergeCells").children("mergeCell"))
        out.emplace_back(m.attribute("ref").value());
    return out;
}

std::vector<int> SavedBook::breaks(int sheetIndex)
{
    std::vector<int> out;
    for (pugi::xml_node b : sheet(sheetIndex).child("rowBreaks").children("brk"))
        out.push_back(b.attribute("id").as_int());
    return out;
}

} // namespace mirevo::sheet::test
