#pragma once
// Shared helpers of the spreadsheet tests: checked saving and reading saved parts back.
#include "spreadsheet/Spreadsheet.h"

#include <QString>
#include <pugixml.hpp>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace mirevo::sheet::test {

// Path of a fresh file named after the running test: outputPath for files the engine
// writes (all loaded with openpyxl), inputPath for hand-made packages fed to the reader.
std::string outputPath(const std::string& suffix = "");
std::string inputPath(const std::string& suffix = "");
// Saves the workbook, expects the structural checker to find nothing, and queues the file
// for the openpyxl load at the end of the test program. Returns the path.
std::string saveChecked(Workbook& book, const std::string& suffix = "");
std::string readFile(const std::string& path);

// Resolved format of one cell, read from styles.xml of a saved file.
struct SavedFormat {
    pugi::xml_node xf;
    pugi::xml_node font;
    pugi::xml_node border;
    pugi::xml_node alignment;
    std::string edge(const char* tag) const { return border.child(tag).attribute("style").value(); }
};

// A saved package parsed with pugixml, independent of the engine's reader.
class SavedBook {
public:
    explicit SavedBook(const std::string& path);
    pugi::xml_node sheet(int index); // 1-based
    pugi::xml_node workbook() { return workbook_.child("workbook"); }
    pugi::xml_node cell(int sheet, const std::string& ref);
    pugi::xml_node row(int sheet, int r);
    std::string value(int sheet, const std::string& ref);
    SavedFormat format(int sheet, const std::string& ref);
    pugi::xml_node fill(int sheet, const std::string& ref);
    pugi::xml_node styles() { return styles_.child("styleSheet"); }
    std::vector<std::string> merges(int sheet);
    std::vector<int> breaks(int sheet);
    const std::vector<std::string>& strings() const { return strings_; }

private:
    std::string path_;
    pugi::xml_document workbook_;
    pugi::xml_document styles_;
    std::map<int, std::unique_ptr<pugi::xml_document>> sheets_;
    std::vector<std::string> strings_;
};

} // namespace mirevo::sheet::test
