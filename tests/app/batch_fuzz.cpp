// Fuzz target: any bytes as batch CSV input. Every row either gets a result or a warning; nothing fails.
#include "app/clibatch.h"
#include "app/clivalues.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const bool loaded = [] {
        LoadCliVocabulary();
        return true;
    }();
    (void)loaded;
    // Half the inputs get a valid header, so the rows themselves are exercised.
    QByteArray input = size % 2 ? QByteArray("table,event,pool,gender,age,time\n") : QByteArray();
    input += QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
    QByteArray output;
    QByteArray errors;
    QBuffer in(&input);
    QBuffer out(&output);
    QBuffer err(&errors);
    in.open(QIODevice::ReadOnly);
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    const int status = RunBatch(in, QStringLiteral("fuzz"), out, err);
    if (status < 0 || status > 2 || (status == 2 && !output.isEmpty()))
        std::abort();
    return 0;
}
