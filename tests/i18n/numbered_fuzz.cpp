#include "fuzzbodies.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzNumberedCatalogue(data, size);
    return 0;
}
