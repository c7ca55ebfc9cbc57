// libFuzzer target: the project file reader (".anz"). Any input is read or refused with Error.
#include "common/Error.h"
#include "common/TextFile.h"
#include "project/Project.h"
#include "project/ProjectFile.h"

using namespace mirevo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Project project;
    try {
        const QStringList lines = textfile::decode(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
        projectfile::read(lines, QStringLiteral("fuzz.anz"), project);
        projectfile::write(project);
    } catch (const Error&) {
    }
    return 0;
}
