// libFuzzer target: comma text. Oracle: items written and read again are the same items.
#include "common/CommaText.h"
#include "common/Error.h"
#include "common/TextFile.h"

#include <cstdio>
#include <cstdlib>

using namespace mirevo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QStringList lines;
    try {
        lines = textfile::decode(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    } catch (const Error&) {
        return 0; // bytes of no encoding the files are read in
    }
    for (const QString& line : lines) {
        const QStringList items = readCommaText(line);
        if (items == QStringList{QString()})
            continue; // one empty item and no items are the same line
        const QStringList again = readCommaText(writeCommaText(items));
        if (again != items) {
            std::fprintf(stderr, "round trip changed the items of: %s\n", qUtf8Printable(line));
            std::abort();
        }
    }
    return 0;
}
