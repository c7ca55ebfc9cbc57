// [Content_Types].xml
#include "PartWriters.h"
#include "XmlWriter.h"

namespace mirevo::sheet {

namespace {

constexpr const char* kOfficeType = "application/vnd.openxmlformats-officedocument.";

// <Default Extension=".." ContentType=".."/>
void writeDefault(XmlWriter& w, const char* ext, const std::string& type)
{
    w.open("Default");
    w.attr("Extension", ext);
    w.attr("ContentType", type);
    w.endEmpty();
}

// <Override PartName=".." ContentType=".."/>
void writeOverride(XmlWriter& w, const std::string& part, const std::string& type)
{
    w.open("Override");
    w.attr("PartName", part);
    w.attr("ContentType", type);
    w.endEmpty();
}

} // namespace

void writeContentTypes(std::string& out, int sheetCount, const std::vector<PlainPart>& plain)
{
    XmlWriter w(out);
    const std::string office = kOfficeType;
    w.declaration();
    w.open("Types");
    w.attr("xmlns", ns::types);
    w.close();
    writeDefault(w, "rels", "application/vnd.openxmlformats-package.relationships+xml");
    writeDefault(w, "xml", "application/xml");
    writeOverride(w, "/xl/workbook.xml", office + "spreadsheetml.sheet.main+xml");
    for (int i = 1; i <= sheetCount; ++i)
        writeOverride(w, "/xl/worksheets/sheet" + std::to_string(i) + ".xml", office + "spreadsheetml.worksheet+xml");
    writeOverride(w, "/xl/styles.xml", office + "spreadsheetml.styles+xml");
    writeOverride(w, "/xl/sharedStrings.xml", office + "spreadsheetml.sharedStrings+xml");
    for (const PlainPart& p : plain)
        writeOverride(w, "/" + p.name, p.contentType);
    writeOverride(w, "/docProps/core.xml", "application/vnd.openxmlformats-package.core-properties+xml");
    writeOverride(w, "/docProps/app.xml", office + "extended-properties+xml");
    w.end("Types");
}

} // namespace mirevo::sheet
