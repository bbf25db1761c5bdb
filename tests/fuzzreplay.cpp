// Drives a libFuzzer entry point without libFuzzer: a fixed number of pseudo-random inputs of varied
// length and shape, so the target runs in every test build. The first argument is the number of runs.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

int main(int argc, char **argv)
{
    const long runs = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 10000;
    std::mt19937 rng(1);
    const char alphabet[] = "[]=;:.,-_ \r\n\t0123456789abcdefghXYZhNT\x00\xff\xc3\xa4\"\\$%";
    std::vector<uint8_t> input;
    for (long i = 0; i < runs; ++i) {
        const size_t size = rng() % (i % 50 == 0 ? 65536 : 512);
        input.resize(size);
        const bool textLike = rng() % 4 != 0;
        for (auto &byte : input)
            byte = textLike ? uint8_t(alphabet[rng() % (sizeof alphabet - 1)]) : uint8_t(rng());
        LLVMFuzzerTestOneInput(input.data(), input.size());
    }
    return 0;
}
