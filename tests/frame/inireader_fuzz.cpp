#include "inifuzzbody.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzIniReader(data, size);
    return 0;
}
