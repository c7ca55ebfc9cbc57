// docProps/core.xml and docProps/app.xml
#include "PartWriters.h"
#include "XmlWriter.h"

namespace mirevo::sheet {

void writeCorePart(std::string& out)
{
    XmlWriter w(out);
    w.declaration();
    w.raw("<cp:coreProperties"
          " xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/core-properties\""
          " xmlns:dc=\"http://purl.org/dc/elements/1.1/\" xmlns:dcterms=\"http://purl.org/dc/terms/\""
          " xmlns:dcmitype=\"http://purl.org/dc/dcmitype/\""
          " xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">"
          "<dc:creator>Mirevo</dc:creator></cp:coreProperties>");
}

void writeAppPart(std::string& out)
{
    XmlWriter w(out);
    w.declaration();
    w.raw("<Properties xmlns=\"http://schemas.openxmlformats.org/officeDocument/2006/extended-properties\">"
          "<Application>Mirevo</Application></Properties>");
}

} // namespace mirevo::sheet
