// libFuzzer target: the company file reader. Any input is loaded into a registry or refused
// with Error.
#include "common/Error.h"
#include "common/TextFile.h"
#include "registry/CompanyFile.h"
#include "registry/Registry.h"

using namespace mirevo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Registry registry;
    try {
        const QStringList lines = textfile::decode(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
        companyfile::load(registry, lines, QStringLiteral("fuzz.kss"));
    } catch (const Error&) {
    }
    return 0;
}
