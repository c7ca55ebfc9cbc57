// libFuzzer target: the registry file reader ("kaisya_set.kss"). Any input is read or
// refused with Error.
#include "common/Error.h"
#include "registry/Registry.h"

#include <unistd.h>

#include <fstream>
#include <string>

using namespace mirevo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = "/tmp/mirevo-fuzz-" + std::to_string(getpid()) + "-registry.kss";
    {
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(data), std::streamsize(size));
    }
    Registry registry;
    try {
        registry.load(QString::fromStdString(path));
    } catch (const Error&) {
    }
    return 0;
}
