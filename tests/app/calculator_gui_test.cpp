// The calculator panel in the real main window (offscreen): start state, calculations by keyboard and
// button, the cases the coaches rely on, focus, keys, accessors and the drawing of the history.
#include "windowfixture.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <tuple>

namespace {

class CalculatorPanel : public WindowFixture
{
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        openWindow();
    }

    // Chooses table, event, pool, gender and age as a user would leave them.
    void choose(int32_t table, int eventRow, int poolRow, int genderItem, const char *age)
    {
        calc().PointTables()->SelectKey(table);
        ASSERT_EQ(calc().PointTables()->SelectedKey(), table);
        calc().SwimStyles()->SetSelectedIndex(eventRow);
        calc().Pools()->SetSelectedIndex(poolRow);
        calc().Gender()->Button(genderItem)->click();
        calc().AgeEdit()->SetText(QString::fromLatin1(age));
    }

    // Types the text into the time field (time mode) or the points field (points mode) over its whole
    // text, as after a calculation, and presses Enter there.
    void typeAndEnter(bool pointsMode, const char *typed)
    {
        (pointsMode ? calc().PointsMode() : calc().TimeMode())->click();
        TTrvEdit *field = pointsMode ? calc().PointsEdit() : calc().TimeEdit();
        field->setFocus();
        field->selectAll();
        if (*typed)
            QTest::keyClicks(field, QString::fromLatin1(typed));
        else
            QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClick(field, Qt::Key_Return);
    }

    QString topLine() const
    {
        TTrvListBox *history = m_window->Calculator()->History();
        return history->count() > 0 ? history->item(0)->text() : QString();
    }
};

TEST_F(CalculatorPanel, StartsWithTheFirstTableAndTimeMode)
{
    EXPECT_EQ(calc().PointTables()->currentText(), QStringLiteral("DSV Master Performance Table 1998"));
    EXPECT_EQ(calc().PointTables()->SelectedIndex(), 0);
    EXPECT_EQ(calc().TableID(), 1005);
    EXPECT_EQ(calc().SwimStyles()->ItemCount(), 34);
    EXPECT_EQ(calc().SwimStyles()->currentText(), QStringLiteral("50m Freestyle"));
    EXPECT_EQ(calc().SwimStyles()->ItemText(19), QStringLiteral("4 x 100m Freestyle Relay"));
    EXPECT_EQ(calc().Pools()->Items(), QStringList({QStringLiteral("25m Pool"), QStringLiteral("50m Pool"),
                                                     QStringLiteral("25y Pool"), QStringLiteral("33m Pool"),
                                                     QStringLiteral("16m Pool")}));
    EXPECT_EQ(calc().Pools()->SelectedIndex(), 0);
    EXPECT_EQ(calc().Gender()->ItemIndex(), 0);
    EXPECT_EQ(calc().GenderCode(), bssgMen);
    EXPECT_EQ(calc().AgeEdit()->Text(), QStringLiteral("99"));
    EXPECT_EQ(calc().Age(), 99);
    EXPECT_EQ(calc().CourseCode(), bsscSC);
    EXPECT_TRUE(calc().TimeMode()->isChecked());
    EXPECT_FALSE(calc().PointsMode()->isChecked());
    EXPECT_TRUE(calc().TimeEdit()->isEnabled());
    EXPECT_FALSE(calc().PointsEdit()->isEnabled());
    EXPECT_EQ(calc().TimeEdit()->QLineEdit::text(), QStringLiteral("__:__.__"));
    EXPECT_EQ(calc().History()->count(), 0);
    EXPECT_EQ(QApplication::focusWidget(), calc().TimeEdit());
    EXPECT_EQ(calc().CurrentTable(), nullptr);
}

TEST_F(CalculatorPanel, EnglishTextsFromTheCatalogue)
{
    EXPECT_EQ(calc().windowTitle(), QStringLiteral("Calculate points"));
    EXPECT_EQ(calc().CalculateButton()->text(), QStringLiteral("Calculate"));
    EXPECT_EQ(plain(calc().AgeLabel()->text()), QStringLiteral("Age:"));
    EXPECT_EQ(plain(calc().TimeMode()->text()), QStringLiteral("Enter time:"));
    EXPECT_EQ(plain(calc().PointsMode()->text()), QStringLiteral("Enter points:"));
    EXPECT_EQ(calc().Gender()->title(), QStringLiteral("Gender"));
    ASSERT_EQ(calc().Gender()->Items().size(), 2);
    EXPECT_EQ(plain(calc().Gender()->Items().at(0)), QStringLiteral("Men"));
    EXPECT_EQ(plain(calc().Gender()->Items().at(1)), QStringLiteral("Women"));
    // The captions got accelerator letters, each a different one, and the label leads to the age field.
    QStringList letters;
    for (const QString &caption : {calc().AgeLabel()->text(), calc().TimeMode()->text(), calc().PointsMode()->text(),
                                   calc().Gender()->Button(0)->text(), calc().Gender()->Button(1)->text()}) {
        const qsizetype amp = caption.indexOf(QLatin1Char('&'));
        ASSERT_GE(amp, 0) << caption.toStdString();
        letters << caption.mid(amp + 1, 1).toUpper();
    }
    letters.removeDuplicates();
    EXPECT_EQ(letters.size(), 5) << letters.join(QLatin1Char(',')).toStdString();
    EXPECT_EQ(calc().AgeLabel()->buddy(), calc().AgeEdit());
}

TEST_F(CalculatorPanel, TypedTimeAndEnterPutsALineOnTop)
{
    typeAndEnter(false, "005000");
    EXPECT_EQ(topLine(), QStringLiteral("DSV Masters 98;50m Freestyle;Men;99;50.00;0 Pt."));

    // Typed as a coach writes it.
    choose(3000, 1, 1, 0, "99");
    typeAndEnter(false, "50.00");
    ASSERT_EQ(calc().History()->count(), 2);
    EXPECT_EQ(topLine(), QStringLiteral("FINA 2004;100m Freestyle;Men;99;50.00;901 Pt."));
    EXPECT_EQ(calc().History()->item(1)->text(), QStringLiteral("DSV Masters 98;50m Freestyle;Men;99;50.00;0 Pt."));
    EXPECT_EQ(calc().History()->item(0)->toolTip(), QStringLiteral("FINA 2004, 100m Freestyle, Men, 50.00, 901 Pt."));
    // The typed time is written back in its normal form, the points go into the points field.
    EXPECT_EQ(calc().TimeEdit()->AsChron(), 500000);
    EXPECT_EQ(calc().PointsEdit()->Text(), QStringLiteral("901"));
    ASSERT_NE(calc().CurrentTable(), nullptr);
    EXPECT_EQ(calc().CurrentTable()->ShortName(), QStringLiteral("FINA 2004"));
}

struct PanelCase {
    const char *what;
    int32_t table;
    int eventRow;
    int poolRow;
    int gender; // radio item: 0 men, 1 women
    const char *age;
    bool pointsMode;
    const char *typed;
    const char *line;       // expected top line
    const char *pointsText; // the points field afterwards
    TBSSwCourse course;     // of the table used
};

TEST_F(CalculatorPanel, CasesThatMatter)
{
    const PanelCase cases[] = {
        {"FINA 100 free, 25m pool: short course", 3000, 1, 0, 0, "99", false, "005000",
         "FINA 2004;100m Freestyle;Men;99;50.00;820 Pt.", "820", bsscSC},
        {"FINA 100 free, 50m pool: long course", 3000, 1, 1, 0, "99", false, "005000",
         "FINA 2004;100m Freestyle;Men;99;50.00;901 Pt.", "901", bsscLC},
        {"SNC names its pool", 1004, 0, 0, 1, "99", false, "003000", "SNC SC 2003/2004;50m Freestyle;Women;99;30.00;0 Pt.",
         "", bsscSC},
        {"relay looked up as 400 free", 3000, 19, 1, 0, "99", false, "3:20.00",
         "FINA 2004;4 x 100m Freestyle Relay;Men;99;3:20.00;1411 Pt.", "1411", bsscLC},
        {"empty time", 3000, 1, 1, 0, "99", false, "", "FINA 2004;100m Freestyle;Men;99;;0 Pt.", "", bsscLC},
        {"no time", 3000, 1, 1, 0, "99", false, "nt", "FINA 2004;100m Freestyle;Men;99;;0 Pt.", "", bsscLC},
        {"1000 points", 3000, 1, 1, 0, "99", true, "1000", "FINA 2004;100m Freestyle;Men;99;48.30;1000 Pt.", "1000",
         bsscLC},
        {"2000 points read as 1100", 3000, 1, 1, 0, "99", true, "2000", "FINA 2004;100m Freestyle;Men;99;46.79;1100 Pt.",
         "1100", bsscLC},
        {"time mode is not capped", 3000, 1, 1, 0, "99", false, "004500", "FINA 2004;100m Freestyle;Men;99;45.00;1237 Pt.",
         "1237", bsscLC},
        {"negative points count as 0", 3000, 1, 1, 0, "99", true, "-5", "FINA 2004;100m Freestyle;Men;99;;0 Pt.", "",
         bsscLC},
        {"Rudolph, women 12, 50m pool", 1105, 0, 1, 1, "12", false, "003000",
         "Rudolph Table 2005;50m Freestyle;Women;12;30.00;146 Pt.", "146", bsscLC},
        {"Rudolph, 25m pool", 1105, 0, 0, 1, "12", false, "003000",
         "Rudolph Table 2005;50m Freestyle;Women;12;30.00;146 Pt.", "146", bsscSC},
        {"Rudolph (course XX) in the 33m pool", 1105, 0, 3, 1, "12", false, "003000",
         "Rudolph Table 2005;50m Freestyle;Women;12;30.00;146 Pt.", "146", bsscSC33},
        {"Rudolph (course XX) in the 16m pool", 1105, 0, 4, 1, "12", false, "003000",
         "Rudolph Table 2005;50m Freestyle;Women;12;30.00;146 Pt.", "146", bsscSC16},
        {"DSV Masters 2004 at 18: no section", 1008, 0, 1, 0, "18", false, "003000",
         "DSV Masters 04;50m Freestyle;Men;18;30.00;0 Pt.", "", bsscLC},
        {"DSV Masters 2004 at 18, points mode", 1008, 0, 1, 0, "18", true, "500", "DSV Masters 04;50m Freestyle;Men;18;;500 Pt.",
         "500", bsscLC},
        {"FINA has no 33m pool", 3000, 1, 3, 0, "99", false, "005000", "FINA 2004;100m Freestyle;Men;99;50.00;0 Pt.", "",
         bsscSC33},
        {"FINA has no 16m pool", 3000, 1, 4, 0, "99", true, "1000", "FINA 2004;100m Freestyle;Men;99;;1000 Pt.", "1000",
         bsscSC16},
        {"SNC has no 16m pool", 1004, 0, 4, 0, "99", false, "002500", "SNC SC16 2003/2004;50m Freestyle;Men;99;25.00;0 Pt.",
         "", bsscSC16},
    };
    int lines = 0;
    for (const PanelCase &c : cases) {
        SCOPED_TRACE(c.what);
        choose(c.table, c.eventRow, c.poolRow, c.gender, c.age);
        typeAndEnter(c.pointsMode, c.typed);
        ++lines;
        EXPECT_EQ(calc().History()->count(), lines);
        EXPECT_EQ(topLine(), QString::fromUtf8(c.line));
        EXPECT_EQ(calc().PointsEdit()->Text(), QString::fromUtf8(c.pointsText));
        ASSERT_NE(calc().CurrentTable(), nullptr);
        EXPECT_EQ(calc().CurrentTable()->GetCourse(), c.course);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr); // never a message
    }
}

TEST_F(CalculatorPanel, FieldsShowTheResult)
{
    choose(3000, 1, 1, 0, "99");
    typeAndEnter(true, "1000");
    EXPECT_EQ(calc().TimeEdit()->QLineEdit::text(), QStringLiteral("__:48.30"));
    typeAndEnter(false, "nt");
    EXPECT_EQ(calc().TimeEdit()->AsChron(), ChronNoTime);
    EXPECT_TRUE(calc().TimeEdit()->Text().contains(QLatin1String("NT")));
    EXPECT_EQ(calc().PointsEdit()->Text(), QString()); // 0 is shown blank
    // A typed age outside 1..99 is read as its bound.
    calc().AgeEdit()->SetText(QStringLiteral("0"));
    EXPECT_EQ(calc().Age(), 1);
    calc().AgeEdit()->SetText(QStringLiteral("150"));
    EXPECT_EQ(calc().Age(), 99);
}

TEST_F(CalculatorPanel, FocusAndWholeTextSelectedAfterEachCalculation)
{
    choose(3000, 1, 1, 0, "99");
    typeAndEnter(false, "005000");
    EXPECT_EQ(QApplication::focusWidget(), calc().TimeEdit());
    EXPECT_TRUE(calc().TimeEdit()->hasSelectedText());
    EXPECT_EQ(calc().TimeEdit()->selectedText(), calc().TimeEdit()->QLineEdit::text());

    // The next value goes in at once: typing replaces the selected time.
    QTest::keyClicks(calc().TimeEdit(), QStringLiteral("004800"));
    QTest::keyClick(calc().TimeEdit(), Qt::Key_Enter);
    EXPECT_EQ(topLine(), QStringLiteral("FINA 2004;100m Freestyle;Men;99;48.00;1019 Pt."));

    // A click on Calculate in points mode ends in the points field.
    calc().PointsMode()->click();
    calc().PointsEdit()->SetText(QStringLiteral("700"));
    QTest::mouseClick(calc().CalculateButton(), Qt::LeftButton);
    EXPECT_TRUE(topLine().endsWith(QLatin1String(";700 Pt.")));
    EXPECT_EQ(QApplication::focusWidget(), calc().PointsEdit());
    EXPECT_EQ(calc().PointsEdit()->selectedText(), QStringLiteral("700"));
}

TEST_F(CalculatorPanel, EnterInOtherControlsPressesTheDefaultButton)
{
    EXPECT_TRUE(calc().CalculateButton()->isDefault());
    calc().Pools()->setFocus();
    QTest::keyClick(calc().Pools(), Qt::Key_Return);
    ASSERT_EQ(calc().History()->count(), 1);
    calc().AgeEdit()->setFocus();
    QTest::keyClick(calc().AgeEdit(), Qt::Key_Return);
    EXPECT_EQ(calc().History()->count(), 2);
    EXPECT_EQ(QApplication::focusWidget(), calc().TimeEdit());
}

TEST_F(CalculatorPanel, NoEventSelectedComputesNothing)
{
    calc().PointsMode()->click();
    calc().SwimStyles()->SetSelectedIndex(-1);
    calc().PointsEdit()->SetText(QStringLiteral("500"));
    calc().AgeEdit()->setFocus();
    calc().CalculateClick();
    EXPECT_EQ(calc().History()->count(), 0);
    EXPECT_EQ(calc().PointsEdit()->Text(), QStringLiteral("500"));
    EXPECT_EQ(QApplication::focusWidget(), calc().PointsEdit());
}

TEST_F(CalculatorPanel, ModeSwitchEnablesOneField)
{
    QTest::mouseClick(calc().PointsMode(), Qt::LeftButton);
    EXPECT_TRUE(calc().PointsMode()->isChecked());
    EXPECT_FALSE(calc().TimeEdit()->isEnabled());
    EXPECT_TRUE(calc().PointsEdit()->isEnabled());
    QTest::mouseClick(calc().TimeMode(), Qt::LeftButton);
    EXPECT_TRUE(calc().TimeMode()->isChecked());
    EXPECT_TRUE(calc().TimeEdit()->isEnabled());
    EXPECT_FALSE(calc().PointsEdit()->isEnabled());
}

TEST_F(CalculatorPanel, EscapeClosesOnlyTheHiddenForm)
{
    for (QWidget *w : std::initializer_list<QWidget *>{calc().TimeEdit(), calc().Pools(), calc().AgeEdit()}) {
        w->setFocus();
        QTest::keyClick(w, Qt::Key_Escape);
        EXPECT_TRUE(m_window->isVisible()) << w->objectName().toStdString();
        EXPECT_FALSE(calc().isVisible());
        EXPECT_TRUE(calc().Panel()->isVisible());
    }
    EXPECT_EQ(calc().History()->count(), 0);
}

TEST_F(CalculatorPanel, AccessorsForThePrintout)
{
    choose(3000, 4, 1, 1, "12");
    EXPECT_EQ(calc().TableID(), 3000);
    EXPECT_EQ(calc().CourseCode(), bsscLC);
    EXPECT_EQ(calc().GenderCode(), bssgWomen);
    EXPECT_EQ(calc().Age(), 12);
    calc().Pools()->SetSelectedIndex(2);
    EXPECT_EQ(calc().CourseCode(), bsscSCY);
    calc().Pools()->SetSelectedIndex(4);
    EXPECT_EQ(calc().CourseCode(), bsscSC16);
    calc().Gender()->Button(0)->click();
    EXPECT_EQ(calc().GenderCode(), bssgMen);
}

QStringList tabStops(int presses)
{
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < presses; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    return visited;
}

TEST_F(CalculatorPanel, TabOrder)
{
    // Radio buttons are entered at the chosen one, a disabled field is skipped and the history list is no
    // tab stop.
    calc().PointTables()->setFocus();
    QStringList visited = tabStops(8);
    QStringList expected{QStringLiteral("CBPointTables"), QStringLiteral("CBSwimStyle"), QStringLiteral("CBPool"),
                         QStringLiteral("RgrGeschlechtItem0"), QStringLiteral("EAge"), QStringLiteral("RBTime"),
                         QStringLiteral("ETime"), QStringLiteral("BCalculate"), QStringLiteral("CBPointTables")};
    EXPECT_EQ(visited, expected) << visited.join(QLatin1Char(',')).toStdString();

    // A click moves the focus onto the button, which then is the one Tab reaches.
    QTest::mouseClick(calc().PointsMode(), Qt::LeftButton);
    QTest::mouseClick(calc().Gender()->Button(1), Qt::LeftButton);
    calc().PointTables()->setFocus();
    visited = tabStops(8);
    expected = QStringList{QStringLiteral("CBPointTables"), QStringLiteral("CBSwimStyle"), QStringLiteral("CBPool"),
                           QStringLiteral("RgrGeschlechtItem1"), QStringLiteral("EAge"), QStringLiteral("RBPoints"),
                           QStringLiteral("EPoints"), QStringLiteral("BCalculate"), QStringLiteral("CBPointTables")};
    EXPECT_EQ(visited, expected) << visited.join(QLatin1Char(',')).toStdString();
    EXPECT_FALSE(calc().History()->focusPolicy() & Qt::TabFocus);

    // Backwards from the time field after a calculation.
    QTest::mouseClick(calc().TimeMode(), Qt::LeftButton);
    calc().CalculateClick();
    QStringList back{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        back << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(back, QStringList({QStringLiteral("ETime"), QStringLiteral("RBTime"), QStringLiteral("EAge"),
                                 QStringLiteral("RgrGeschlechtItem1")}))
        << back.join(QLatin1Char(',')).toStdString();
}

TEST_F(CalculatorPanel, DesignPositions)
{
    const QList<QPair<QWidget *, QRect>> positions{
        {calc().PointTables(), QRect(5, 5, 390, 21)}, {calc().SwimStyles(), QRect(5, 30, 170, 21)},
        {calc().Pools(), QRect(5, 55, 170, 21)},      {calc().Gender(), QRect(5, 80, 170, 35)},
        {calc().AgeLabel(), QRect(195, 96, 60, 13)},  {calc().AgeEdit(), QRect(260, 92, 30, 21)},
        {calc().CalculateButton(), QRect(315, 90, 80, 25)}, {calc().History(), QRect(0, 125, 400, 175)},
    };
    for (const auto &[widget, rect] : positions) {
        EXPECT_EQ(widget->parentWidget(), calc().Panel()) << widget->objectName().toStdString();
        EXPECT_EQ(widget->geometry(), rect) << widget->objectName().toStdString();
    }
    EXPECT_EQ(calc().Panel()->size(), QSize(400, 300));
    // The time and points fields end at x 395, 50 pixels wide or as wide as the font needs for a time;
    // the mode buttons end before them.
    for (const auto &[field, button, top] : {std::tuple{calc().TimeEdit(), static_cast<QWidget *>(calc().TimeMode()), 30},
                                             std::tuple{calc().PointsEdit(), static_cast<QWidget *>(calc().PointsMode()), 55}}) {
        EXPECT_EQ(field->geometry().right(), 394) << field->objectName().toStdString();
        EXPECT_EQ(field->geometry().top(), top);
        EXPECT_EQ(field->height(), 21);
        EXPECT_GE(field->width(), 50);
        EXPECT_EQ(field->width(), calc().TimeEdit()->width());
        const QString shown = QStringLiteral("00:00.00");
        EXPECT_GT(field->width(), field->fontMetrics().horizontalAdvance(shown));
        EXPECT_EQ(button->geometry().left(), 230);
        EXPECT_EQ(button->geometry().top(), top + 2);
        EXPECT_LE(button->geometry().right(), field->geometry().left() - 5);
        EXPECT_LE(button->width(), 110);
    }
    EXPECT_EQ(calc().SwimStyles()->maxVisibleItems(), 30);
    EXPECT_EQ(calc().PointTables()->maxVisibleItems(), 25);
    EXPECT_EQ(calc().Pools()->maxVisibleItems(), 15);
    EXPECT_EQ(calc().Gender()->Columns(), 2);
    EXPECT_EQ(calc().PointsEdit()->MaxValue(), 1100);
    EXPECT_EQ(calc().AgeEdit()->MinValue(), 1);
    EXPECT_EQ(calc().AgeEdit()->MaxValue(), 99);
    EXPECT_EQ(calc().PointsEdit()->Alignment(), TTrvEdit::taRightJustify);
    EXPECT_EQ(calc().TimeEdit()->EditType(), etChron);
    EXPECT_FALSE(calc().PointTables()->isEditable());
}

} // namespace
