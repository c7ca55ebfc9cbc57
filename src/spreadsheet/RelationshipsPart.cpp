// _rels/.rels and xl/_rels/workbook.xml.rels
#include "PartWriters.h"
#include "XmlWriter.h"

namespace mirevo::sheet {

namespace {

const std::string kDocRel = std::string(ns::rel) + "/";

// <Relationship Id=".." Type=".." Target=".."/>
void writeRelationship(XmlWriter& w, int id, const std::string& type, const std::string& target)
{
    w.open("Relationship");
    w.attr("Id", "rId" + std::to_string(id));
    w.attr("Type", type);
    w.attr("Target", target);
    w.endEmpty();
}

// <Relationships xmlns="..">
void openRelationships(XmlWriter& w)
{
    w.declaration();
    w.open("Relationships");
    w.attr("xmlns", ns::pkgRel);
    w.close();
}

} // namespace

void writeRootRels(std::string& out)
{
    XmlWriter w(out);
    openRelationships(w);
    writeRelationship(w, 1, kDocRel + "officeDocument", "xl/workbook.xml");
    writeRelationship(w, 2, "http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties",
                      "docProps/core.xml");
    writeRelationship(w, 3, kDocRel + "extended-properties", "docProps/app.xml");
    w.end("Relationships");
}

void writeWorkbookRels(std::string& out, int sheetCount, bool theme)
{
    XmlWriter w(out);
    openRelationships(w);
    for (int i = 1; i <= sheetCount; ++i)
        writeRelationship(w, i, kDocRel + "worksheet", "worksheets/sheet" + std::to_string(i) + ".xml");
    writeRelationship(w, sheetCount + 1, kDocRel + "styles", "styles.xml");
    writeRelationship(w, sheetCount + 2, kDocRel + "sharedStrings", "sharedStrings.xml");
    if (theme)
        writeRelationship(w, sheetCount + 3, kDocRel + "theme", "theme/theme1.xml");
    w.end("Relationships");
}

void writeRels(std::string& out, const std::vector<PackageRel>& rels)
{
    XmlWriter w(out);
    openRelationships(w);
    for (const PackageRel& r : rels) {
        w.open("Relationship");
        w.attr("Id", r.id);
        w.attr("Type", r.type);
        w.attr("Target", r.target);
        if (r.external)
            w.attr("TargetMode", "External");
        w.endEmpty();
    }
    w.end("Relationships");
}

} // namespace mirevo::sheet
