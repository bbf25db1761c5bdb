// Plays arbitrary keys on the mask engine and arbitrary texts on the value parsers: nothing may crash,
// and the engine's results must stay within the mask.
#include "controls/editmask.h"
#include "controls/editvalue.h"

#include <QString>

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 3)
        return 0;
    static const QString masks[] = {QStringLiteral("@#:##.#@"), QStringLiteral(" #:##.#@ $"), QStringLiteral("##:##"),
                                    QStringLiteral("##/##/####"), QStringLiteral("$$-###@")};
    const QString &mask = masks[data[0] % 5];
    const QString input = QString::fromLatin1(reinterpret_cast<const char *>(data + 3), qsizetype(size - 3));

    QString text = ApplyMask(input.left(20), mask);
    check(text.size() == mask.size());
    int caret = data[1] % (mask.size() + 1);
    for (qsizetype i = 0; i < input.size(); ++i) {
        const QChar c = input.at(i);
        const int selection = (data[2] + i) % 3 == 0 ? int(i % 4) : 0;
        const int selLength = qMin(selection, int(text.size()) - caret);
        TMaskEditResult r;
        if (c == u'<' || c == u'>')
            r = MaskErase(text, mask, caret, qMax(0, selLength), c == u'<');
        else
            r = MaskTypeChar(text, mask, caret, qMax(0, selLength), c);
        check(r.caret >= 0 && r.caret <= r.text.size());
        check(r.text.size() <= mask.size() + 1);
        text = ApplyMask(r.text, mask);
        check(text.size() == mask.size());
        caret = qMin(r.caret, int(text.size()));
    }
    (void)ReadMaskedText(text, mask, etChron, DefaultEditOptions);
    (void)PourIntoMask(input, mask);

    int32_t number = 0;
    (void)ParseDecimalInt(input, number);
    long double value = 0;
    if (ParseFloat(input, u'.', value))
        (void)FormatFloatDecimals(value, data[1] % 20, data[2] % 2 == 0);
    TDateTime when = 0;
    if (ParseDateText(input, QStringLiteral("dd.mm.yyyy"), u'.', when))
        check(!FormatDateTimePattern(when, QStringLiteral("yyyymmdd")).isEmpty());
    (void)ParseClockTime(input, when);
    (void)QtDateTextFormat(input);
    return 0;
}
