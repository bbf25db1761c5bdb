#include "controls/acceleratorcore.h"

#include "qstringprint.h"

#include <gtest/gtest.h>

#include <map>

namespace {

TEST(AcceleratorText, ExistingAcceleratorAndCandidates)
{
    EXPECT_EQ(ExistingAccelerator(QStringLiteral("&Men")), QChar(u'M'));
    EXPECT_EQ(ExistingAccelerator(QStringLiteral("Po&rtrait")), QChar(u'R'));
    EXPECT_EQ(ExistingAccelerator(QStringLiteral("Fish && Chips")), QChar());
    EXPECT_EQ(ExistingAccelerator(QStringLiteral("A & B")), QChar());
    EXPECT_EQ(ExistingAccelerator(QStringLiteral("Gr&öße")), QChar(u'Ö'));
    EXPECT_EQ(ExistingAccelerator(QStringLiteral("Gro&ß")), QChar());
    EXPECT_EQ(ExistingAccelerator(QStringLiteral("&über")), QChar(u'Ü'));
    EXPECT_EQ(ExistingAccelerator(QStringLiteral("Page &2")), QChar(u'2'));

    EXPECT_EQ(AcceleratorCandidates(QStringLiteral("Portrait")), QStringLiteral("PORTAI"));
    EXPECT_EQ(AcceleratorCandidates(QStringLiteral("Größe 25m")), QStringLiteral("GRÖE25M"));
    EXPECT_EQ(AcceleratorCandidates(QStringLiteral("-- ?")), QString());

    EXPECT_EQ(InsertAccelerator(QStringLiteral("Portrait"), u'O'), QStringLiteral("P&ortrait"));
    EXPECT_EQ(InsertAccelerator(QStringLiteral("Portrait"), u'T'), QStringLiteral("Por&trait"));
    EXPECT_EQ(InsertAccelerator(QStringLiteral("übel"), u'Ü'), QStringLiteral("&übel"));
    // "ß" stays one character when the text is compared in upper case.
    EXPECT_EQ(InsertAccelerator(QStringLiteral("Größe"), u'E'), QStringLiteral("Größ&e"));
}

// Builds groups from plain texts and records what every item wrote back.
struct Recorder {
    std::map<QString, QString> written;
    TTrvAcceleratorItem::Writer writer(const QString &id)
    {
        return [this, id](const QString &text) { written[id] = text; };
    }
};

TEST(AcceleratorAssign, ButtonsBeforeCheckBoxes)
{
    Recorder rec;
    TTrvAccelerator accel(nullptr, QString());
    // Creation order puts the check box first; buttons still choose first.
    accel.root().addItem(nullptr, -1, akCheckBox, QStringLiteral("Portrait"), rec.writer(QStringLiteral("chk")));
    accel.root().addItem(nullptr, -1, akButton, QStringLiteral("Print"), rec.writer(QStringLiteral("btn")));
    accel.Assign();
    EXPECT_EQ(rec.written[QStringLiteral("btn")], QStringLiteral("&Print"));
    EXPECT_EQ(rec.written[QStringLiteral("chk")], QStringLiteral("P&ortrait"));
}

TEST(AcceleratorAssign, FewerCandidatesFirstWithinAKind)
{
    Recorder rec;
    TTrvAccelerator accel(nullptr, QString());
    accel.root().addItem(nullptr, -1, akLabel, QStringLiteral("Abcdef"), rec.writer(QStringLiteral("long")));
    accel.root().addItem(nullptr, -1, akLabel, QStringLiteral("Ab"), rec.writer(QStringLiteral("short")));
    accel.Assign();
    EXPECT_EQ(rec.written[QStringLiteral("short")], QStringLiteral("&Ab"));
    EXPECT_EQ(rec.written[QStringLiteral("long")], QStringLiteral("A&bcdef"));
}

TEST(AcceleratorAssign, ExistingAndReservedLettersAreNotReused)
{
    Recorder rec;
    TTrvAccelerator accel(nullptr, QStringLiteral("f"));
    QObject page;
    accel.root().addItem(nullptr, -1, akRadioGroupItem, QStringLiteral("&Men"), rec.writer(QStringLiteral("men")));
    TTrvAcceleratorGroup *sheet = accel.root().addChild(&page);
    sheet->addItem(nullptr, -1, akButton, QStringLiteral("Mixed"), rec.writer(QStringLiteral("mixed")));
    sheet->addItem(nullptr, -1, akButton, QStringLiteral("File"), rec.writer(QStringLiteral("file")));
    accel.root().addItem(nullptr, -1, akCheckBox, QStringLiteral("?!"), rec.writer(QStringLiteral("none")));
    accel.Assign();
    EXPECT_EQ(rec.written.count(QStringLiteral("men")), 0u); // kept, not rewritten
    // "File" has fewer candidates and chooses first: F is reserved, so I; "Mixed" then finds M and I used.
    EXPECT_EQ(rec.written[QStringLiteral("file")], QStringLiteral("F&ile"));
    EXPECT_EQ(rec.written[QStringLiteral("mixed")], QStringLiteral("Mi&xed"));
    EXPECT_EQ(rec.written.count(QStringLiteral("none")), 0u);
}

TEST(AcceleratorAssign, SiblingGroupsMayShareALetter)
{
    Recorder rec;
    TTrvAccelerator accel(nullptr, QString());
    QObject page1;
    QObject page2;
    accel.root().addItem(&page1, -1, akTabSheet, QStringLiteral("Left page"), rec.writer(QStringLiteral("tab1")));
    accel.root().addItem(&page2, -1, akTabSheet, QStringLiteral("Right page"), rec.writer(QStringLiteral("tab2")));
    TTrvAcceleratorGroup *g1 = accel.root().addChild(&page1);
    TTrvAcceleratorGroup *g2 = accel.root().addChild(&page2);
    g1->addItem(nullptr, -1, akCheckBox, QStringLiteral("Left"), rec.writer(QStringLiteral("left1")));
    g2->addItem(nullptr, -1, akCheckBox, QStringLiteral("Left"), rec.writer(QStringLiteral("left2")));
    EXPECT_EQ(accel.root().find(&page2), g2);
    QObject elsewhere;
    EXPECT_EQ(accel.root().find(&elsewhere), nullptr);
    accel.Assign();
    EXPECT_EQ(rec.written[QStringLiteral("tab1")], QStringLiteral("&Left page"));
    EXPECT_EQ(rec.written[QStringLiteral("tab2")], QStringLiteral("&Right page"));
    // "L" is taken by the tab in the form scope, which both sheets sit in.
    EXPECT_EQ(rec.written[QStringLiteral("left1")], QStringLiteral("L&eft"));
    EXPECT_EQ(rec.written[QStringLiteral("left2")], QStringLiteral("L&eft"));
}

} // namespace
