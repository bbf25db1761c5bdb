// Feeds arbitrary bytes to every read operation of the stream reader: packed integers, byte lines,
// UTF-16 lines, raw numbers and the map readers must end cleanly on truncated and random input.
#include "base/assertion.h"
#include "base/integermaps.h"
#include "base/lookupitems.h"
#include "base/streams.h"
#include "base/stringlist.h"
#include "base/stringmap.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const int64_t total = int64_t(size);

    // Packed integers until the end: a missing continuation byte is the one allowed failure.
    {
        auto reader = NewMemoryReader(bytes);
        int guard = 0;
        try {
            while (reader->HasMore() && guard++ < 100000) {
                const int64_t before = reader->Position();
                const int64_t value = reader->ReadPackedInteger();
                if (reader->Position() <= before || reader->Position() - before > 5)
                    __builtin_trap();
                if (value > (int64_t(1) << 34) || value < -(int64_t(1) << 34))
                    __builtin_trap();
            }
        } catch (const EBSAssertion &) {
            if (reader->HasMore())
                __builtin_trap(); // only the end of the stream may stop a value
        }
    }

    // Byte lines: every call makes progress, and the count agrees with LineCount.
    {
        auto reader = NewMemoryReader(bytes);
        int lines = 0;
        while (reader->HasMore()) {
            const int64_t before = reader->Position();
            reader->ReadLine();
            if (reader->Position() <= before)
                __builtin_trap();
            ++lines;
        }
        if (lines != reader->LineCount() || reader->Position() != total)
            __builtin_trap();
    }

    // UTF-16 lines.
    {
        auto reader = NewMemoryReader(bytes);
        while (reader->HasMore()) {
            const int64_t before = reader->Position();
            reader->ReadWideLine();
            if (reader->Position() <= before)
                __builtin_trap();
        }
        if (!reader->ReadWideChar().isEmpty())
            __builtin_trap();
    }

    // Mixed reads from an offset chosen by the first byte.
    {
        auto reader = NewMemoryReader(bytes);
        if (size > 0)
            reader->SetPosition(data[0] % (size + 1));
        reader->ReadInteger(data[0] % 8);
        reader->ReadIntegerBE(size > 1 ? data[1] % 8 : 0);
        reader->ReadDouble();
        reader->ReadDoubleBE();
        if (reader->Position() > total)
            __builtin_trap();
        const int64_t at = reader->Position();
        reader->ReadStringMap();
        reader->SetPosition(at);
        reader->ReadIntegerMap();
        reader->SetPosition(at);
        reader->ReadLookupItems();
        reader->SetPosition(at);
        reader->ReadLines();
        try {
            reader->SetPosition(at);
            reader->ReadBuffer(size > 2 ? data[2] : 0);
        } catch (const EBSStreamError &) {
        }
    }
    return 0;
}
