#include "controls/formsection.h"

#include <gtest/gtest.h>

namespace {

TEST(FormSection, CaptionAndEntries)
{
    const QStringList lines = {
        QStringLiteral("[TFoo]"),        // 0
        QStringLiteral("$Preview"),      // 1: caption
        QStringLiteral("ignored"),       // 2
        QStringLiteral(".@BPdf$"),       // 3
        QStringLiteral("PDF"),           // 4
        QStringLiteral("Output as PDF"), // 5
        QStringLiteral(".@Empty"),       // 6: no lines, left out
        QStringLiteral(".@Rgr"),         // 7
        QStringLiteral("Gender"),        // 8
        QStringLiteral(""),              // 9
        QStringLiteral("[TBar]"),        // 10
    };
    const TFormSection s = ParseFormSection(lines, 1, 9);
    ASSERT_TRUE(s.valid);
    EXPECT_EQ(s.caption, QStringLiteral("Preview"));
    ASSERT_EQ(s.entries.size(), 2u);
    EXPECT_EQ(s.entries[0].name, QStringLiteral("BPdf"));
    EXPECT_EQ(s.entries[0].first, 4);
    EXPECT_EQ(s.entries[0].count, 2);
    EXPECT_EQ(s.entries[1].name, QStringLiteral("Rgr"));
    EXPECT_EQ(s.entries[1].count, 2);
    EXPECT_EQ(EntryLines(lines, 8, 2), QStringList({QStringLiteral("Gender"), QString()}));
}

TEST(FormSection, DotCaptionAndLimits)
{
    const QStringList lines = {QStringLiteral("."), QStringLiteral(".@") + QString(120, u'x'), QStringLiteral("a")};
    const TFormSection s = ParseFormSection(lines, 0, 3);
    EXPECT_TRUE(s.caption.isEmpty());
    ASSERT_EQ(s.entries.size(), 1u);
    EXPECT_EQ(s.entries[0].name.size(), 99);
    // A count past the end of the text is cut; an empty range is invalid.
    EXPECT_TRUE(ParseFormSection(lines, 0, 50).valid);
    EXPECT_FALSE(ParseFormSection(lines, 0, 0).valid);
    EXPECT_FALSE(ParseFormSection(lines, 7, 2).valid);
    EXPECT_EQ(EntryLines(lines, 2, 5), QStringList({QStringLiteral("a")}));
}

} // namespace
