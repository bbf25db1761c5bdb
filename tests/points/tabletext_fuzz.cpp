// Fuzz target: any bytes as a table text. The reader and every question a table answers must hold up.
#include "domain/calculatorevents.h"
#include "points/pointtableclass.h"
#include "points/tabletext.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = DecodeTableText(bytes);
    const auto cls = std::make_shared<TBSSwTextPointTableClass>(1, text, QStringLiteral("fuzz"));
    const BSRef<IBSSwPoints> table = cls->Create();
    (void)table->Name();
    (void)table->Version();
    for (TBSSwCourse course = 0; course < BSSwCourseCount; ++course) {
        table->SetCourse(course);
        (void)table->ShortName();
        for (int row = 0; row < CalcEventCount; row += 5) {
            const auto style = EventStyle(row);
            for (TBSSwGender gender = 0; gender <= bssgMixed; ++gender) {
                const int32_t points = table->PointsForTime(*style, gender, 12, 60000);
                (void)table->TimeForPoints(*style, gender, 99, points > 0 ? points : 500);
            }
            (void)table->PointsForTimeAnyGroup(*style, 30000);
            (void)table->ConvertTime(*style, bssgWomen, 60000, bsscLC, course);
        }
    }
    return 0;
}
