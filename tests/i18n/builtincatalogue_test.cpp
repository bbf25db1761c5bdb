#include "i18n/builtincatalogue.h"

#include "i18nfixture.h"

#include <QRegularExpression>

class BuiltInCatalogue : public I18nFixture
{
protected:
    void SetUp() override
    {
        I18nFixture::SetUp();
        m_catalogue.LoadFromStrings(BuiltInCatalogueLines());
    }
    QString g(int n, int item = 0) const { return m_catalogue.GetText(QStringLiteral("G"), n, item); }
    QString s(int n, int item = 0) const { return m_catalogue.GetText(QStringLiteral("S"), n, item); }
    // The raw line of text n of a numbered section.
    QString rawLine(const QString &section, int n) const
    {
        const QString entry = m_catalogue.Sections().filter(QRegularExpression(QLatin1Char('^') + section + QLatin1Char('='))).value(0);
        const int start = entry.mid(entry.indexOf(QLatin1Char('=')) + 1).toInt();
        return m_catalogue.Lines().value(start + n - 1);
    }
    // The lines of a per-form section.
    QStringList formSection(const QString &name) const
    {
        int start = 0;
        int count = 0;
        if (!m_catalogue.FindSection(name, &start, &count))
            return {};
        return m_catalogue.Lines().mid(start, count);
    }

    TLanguage m_catalogue;
};

TEST_F(BuiltInCatalogue, LayoutAndNumbering)
{
    const QStringList &lines = m_catalogue.Lines();
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines.at(0), QStringLiteral("; ENGLISH (USA / Canada)"));
    EXPECT_EQ(lines.at(1), QString());
    EXPECT_EQ(lines.at(2), QStringLiteral("[G]"));
    // Every text n of G and S is written "n=" (or "$n=") in order, without gaps.
    for (int n = 1; n <= 159; ++n) {
        const QString prefix = (n >= 157 ? QStringLiteral("$") : QString()) + QString::number(n) + QLatin1Char('=');
        EXPECT_TRUE(rawLine(QStringLiteral("G"), n).startsWith(prefix)) << n;
    }
    EXPECT_EQ(rawLine(QStringLiteral("G"), 160), QString());
    EXPECT_EQ(rawLine(QStringLiteral("G"), 161), QStringLiteral("[S]"));
    for (int n = 1; n <= 72; ++n) {
        const QString prefix = (n >= 71 ? QStringLiteral("$") : QString()) + QString::number(n) + QLatin1Char('=');
        EXPECT_TRUE(rawLine(QStringLiteral("S"), n).startsWith(prefix)) << n;
    }
    EXPECT_EQ(rawLine(QStringLiteral("S"), 73), QString());
    EXPECT_EQ(m_catalogue.Sections(),
              (QStringList{"G=3", "S=164", "TTrvFPCalculator=238;16", "TtrvNoteEditDlg=255;9",
                           "TtrvPreviewDlg=265;23", "TTrvPrintDlg=289;26", "TtrvPrintSetupDlg=316;101",
                           "TTrvStatusDlg=418;3"}));
}

TEST_F(BuiltInCatalogue, TextsTheProgramLooksUp)
{
    struct Case {
        int number;
        const char *text;
    };
    const Case general[] = {
        {10, "%s\r\nFile exists !  Replace ?"},
        {11, "<New Entry>"},
        {41, "Incorrect creation of files !"},
        {52, "Portrait"},
        {53, "Landscape"},
        {54, ",  undefined"},
        {55, "Page "},
        {56, "Test &page"},
        {57, "Print only one page"},
        {58, "HTML File"},
        {59, "Output as HTML file"},
        {60, ", part %d of %d"},
        {61, "Page %d of %d"},
        {62, "No footer"},
        {63, "Footer: %d line(s)"},
        {68, "Are you sure you want to cancel ?"},
        {69, "left;right;centered"},
        {70, "January;February;March;April;May;June;July;August;September;October;November;December"},
        {71, "Jan;Feb;Mar;Apr;May;Jun;Jul;Aug;Sep;Oct;Nov;Dec"},
        {72, "Sunday;Monday;Tuesday;Wednesday;Thursday;Friday;Saturday"},
        {73, "Sun;Mon;Tue;Wed;Thu;Fri;Sat"},
        {90, "File not found ?\r\nCreate it now ?"},
        {91, "Choose directory:"},
        {95, "All (*.*)|*.*|HTML files (*.htm)|*.htm"},
        {96, "Output as HTML file:  %s"},
        {97, "Calculate"},
        {107, "Path not valid !"},
        {108, "HTML template file (*.htt)|*.htt|All files (*.*)|*.*"},
        {109, "Graphic files (*.gif;*.bmp)|*.gif;*.bmp|All files (*.*)|*.*"},
        {132, "several"},
        {133, "Directory is not empty!\r\nFiles will be automatically be overwritten.\r\nContinue ?"},
        {149, "Swiss German;German;French;English;Italian;Dutch;Spanish;Russian;Danish;Polish;Portuguese;"
              "Finnish;Icelandic;Swedish;Norwegian;Austrian German;Canadian French;Hungarian;Czech;"
              "Slovenian;Croatian;Turkish;Mexican Spanish;British English"},
        {158, "Output as PDF file"},
        {159, "All files (*.*)|*.*|PDF - files (*.pdf)|*.pdf"},
    };
    for (const Case &c : general)
        EXPECT_EQ(g(c.number), QString::fromUtf8(c.text)) << "G " << c.number;
    EXPECT_EQ(rawLine(QStringLiteral("G"), 55), QStringLiteral("55=Page_"));
    for (int i = 0; i < 24; ++i)
        EXPECT_EQ(g(149, i + 1), LanguageNameOf(i)) << i;

    const Case swimming[] = {
        {1, "Indiv.;4 x;5 x;8 x;10 x;2 x;3 x;6 x"},
        {2, "Freestyle;Butterfly;Backstroke;Breaststroke;Individual Medley;Kick;Other"},
        {3, "Men;Women;Mixed"},
        {21, "25m Pool"},
        {22, "50m Pool"},
        {23, "25y Pool"},
        {28, "Freestyle Relay;Butterfly Relay;Backstroke Relay;Breaststroke Relay;Medley Relay;Kick;Other"},
        {58, "33m Pool"},
        {70, "16m Pool"},
    };
    for (const Case &c : swimming)
        EXPECT_EQ(s(c.number), QString::fromUtf8(c.text)) << "S " << c.number;
}

TEST_F(BuiltInCatalogue, LoadingSetsTheEnglishMonthNames)
{
    SetLocaleNames(TLocaleNames{});
    m_catalogue.LoadFromStrings(BuiltInCatalogueLines());
    EXPECT_EQ(LocaleNames().LongMonthNames[11], QStringLiteral("December"));
    EXPECT_EQ(LocaleNames().ShortDayNames[3], QStringLiteral("Wed"));
}

TEST_F(BuiltInCatalogue, FormSectionsLineForLine)
{
    EXPECT_EQ(formSection(QStringLiteral("TTrvFPCalculator")),
              (QStringList{"Calculate points", ".@BCalculate", "Calculate", ".@Label1", "Age:", ".@RBPoints",
                           "Enter points:", ".@RBTime", "Enter time:", ".@RgrGeschlecht", "Gender", ".", "Men",
                           "Women", "", ""}));
    EXPECT_EQ(formSection(QStringLiteral("TtrvNoteEditDlg")),
              (QStringList{".", ".@btnClose", "Close", ".@Label1", "Font:", ".@rbFix", "Fix", ".@rbVar", "Variable"}));
    EXPECT_EQ(formSection(QStringLiteral("TtrvPreviewDlg")),
              (QStringList{"Preview -",  ".@btnCancel",  "Cancel",          ".@btnFirst",    "First page",
                           ".@btnFullPage", "Zoom full page", ".@btnLast",   "Last page",     ".@btnNext",
                           "Next page",  ".@btnPrev",    "Previous page",   ".@btnPrint",    "Launch printing",
                           ".@btnZoom100", "Zoom 100%",  ".@btnZoomIn",     "Zoom In",       ".@btnZoomOut",
                           "Zoom Out",   ".@btnZoomPage", "Zoom page width"}));
    EXPECT_EQ(formSection(QStringLiteral("TTrvPrintDlg")),
              (QStringList{".", ".@BPdf$", "PDF", "Output as file in PDF format", ".@btnCancel", "Cancel",
                           ".@btnHtml", "HTML", "Output as HTML file in <TABLE> format", ".@btnOptions", "Options",
                           "Modify alignment, fonts, margins, columns, footer", ".@btnPreview", "Preview",
                           "Launch on-screen preview", ".@btnPrint", "Print", "Begin printing", ".@btnSetup",
                           "Properties", ".@CBPrinters", "Choose another printer", ".@Label2", "Copies:",
                           ".@LPrintername", "Printer name:"}));
    EXPECT_EQ(formSection(QStringLiteral("TTrvStatusDlg")), (QStringList{".", ".@btnAbort", "Cancel"}));

    // The setup dialog: spot checks of every kind of entry.
    const QStringList setup = formSection(QStringLiteral("TtrvPrintSetupDlg"));
    ASSERT_FALSE(setup.isEmpty());
    EXPECT_EQ(setup.first(), QStringLiteral("Print Settings"));
    const auto entry = [&](const char *name) {
        const qsizetype at = setup.indexOf(QStringLiteral(".@") + QString::fromLatin1(name));
        QStringList texts;
        for (qsizetype i = at + 1; at >= 0 && i < setup.size() && !setup.at(i).startsWith(QStringLiteral(".@")); ++i)
            texts << setup.at(i);
        return texts;
    };
    EXPECT_EQ(entry("BEditHtt"), QStringList{"Edit .htt template file."});
    EXPECT_EQ(entry("BtnDefaults"), (QStringList{"Default", "Put default values for margins, columns and fonts"}));
    EXPECT_EQ(entry("BtnSetup"), (QStringList{"Properties", "Change settings of printer"}));
    EXPECT_EQ(entry("cbxPrinters"), QStringList{"Choose another printer"});
    EXPECT_EQ(entry("edtScale"), QStringList{"100% equals 100 pixels/inch"});
    EXPECT_EQ(entry("GrSpalten"), (QStringList{"Columns:", "Choose number of columns per page"}));
    EXPECT_EQ(entry("Label11"), QStringList{"(Width -1: HTML tables will be created with column widths in % - values.)"});
    EXPECT_EQ(entry("lblHtmlWidth"), QStringList{"Default width of HTML tables:"});
    EXPECT_EQ(entry("mnuStandard2"), QStringList{"2 Columns, Landscape"});
    EXPECT_EQ(entry("rgrAlignment"), (QStringList{"Orientation", ".", "left", "right", "centered"}));
    EXPECT_EQ(entry("rgrOrientation"), (QStringList{"Orientation", "Choose orientation of paper", "Portrait", "Landscape"}));
    EXPECT_EQ(entry("shtMargin"), QStringList{"Margins/fonts"});
    // 44 entries.
    EXPECT_EQ(setup.filter(QRegularExpression(QStringLiteral("^\\.@"))).size(), 44);
}
