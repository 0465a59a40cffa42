// libFuzzer target: the selection file loader (see FuzzTargets.h).
#include "FuzzTargets.h"
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString fault = vxfuzz::FuzzSelection(data, size);
    if (!fault.isEmpty()) {
        std::fprintf(stderr, "%s\n", fault.toUtf8().constData());
        std::abort();
    }
    return 0;
}
