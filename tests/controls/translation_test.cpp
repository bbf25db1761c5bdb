#include "controls/checkbox.h"
#include "controls/memo.h"
#include "controls/pagecontrol.h"
#include "controls/radiogroup.h"
#include "controls/translation.h"
#include "frame/programpaths.h"
#include "frame/trvinifile.h"
#include "i18n/language.h"
#include "qstringprint.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

// A small form family as the designer would make it: German texts, a base form and a derived one.
class TTestBaseForm : public QWidget
{
    Q_OBJECT

public:
    TTestBaseForm()
    {
        setWindowTitle(QStringLiteral("Formular"));
        close = new QPushButton(QStringLiteral("Schliessen"), this);
        close->setObjectName(QStringLiteral("btnClose"));
    }
    QPushButton *close;
};

class TTestForm : public TTestBaseForm
{
    Q_OBJECT

public:
    TTestForm()
    {
        age = make<QLabel>(QStringLiteral("lblAge"));
        age->setText(QStringLiteral("Alter:"));
        name = make<QLabel>(QStringLiteral("lblName"));
        name->setText(QStringLiteral("Name:"));
        name->setToolTip(QStringLiteral("Vorname und Name"));
        pdf = make<QPushButton>(QStringLiteral("BPdf"));
        pool = make<QComboBox>(QStringLiteral("cbxPool"));
        pool->addItems({QStringLiteral("25m Becken"), QStringLiteral("50m Becken")});
        pool->setCurrentIndex(1);
        pool->setToolTip(QStringLiteral("Becken"));
        gender = make<TTrvRadioGroup>(QStringLiteral("rgrGender"));
        gender->SetItems({QStringLiteral("Männer"), QStringLiteral("Frauen")});
        gender->SetItemIndex(1);
        pages = make<TTrvPageControl>(QStringLiteral("pgcPages"));
        margins = new QWidget;
        margins->setObjectName(QStringLiteral("shtMargins"));
        pages->addTab(margins, QStringLiteral("Ränder"));
        print = new QAction(QStringLiteral("Drucken"), this);
        print->setObjectName(QStringLiteral("actPrint"));
        notes = make<TTrvMemo>(QStringLiteral("memNotes"));
        notes->setToolTip(QStringLiteral("Notizen"));
        notes->SetText(QStringLiteral("alt"));
        free = make<QLineEdit>(QStringLiteral("edtFree"));
        standard = make<QCheckBox>(QStringLiteral("chkStd"));
        standard->setText(QStringLiteral("Standard"));
    }

    template<class W>
    W *make(const QString &objectName)
    {
        auto *w = new W(this);
        w->setObjectName(objectName);
        return w;
    }

    QLabel *age;
    QLabel *name;
    QPushButton *pdf;
    QComboBox *pool;
    TTrvRadioGroup *gender;
    TTrvPageControl *pages;
    QWidget *margins;
    QAction *print;
    TTrvMemo *notes;
    QLineEdit *free;
    QCheckBox *standard;
};

class TUntranslatedForm : public TTestBaseForm
{
    Q_OBJECT
};

// Stands for the program's form base here: open forms are recognised by this class in their chain.
class TTrvForm : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool AutoAccelerators MEMBER autoAccelerators)

public:
    bool autoAccelerators = true;
};

class TTrvFCatalogueTest : public TTrvForm
{
    Q_OBJECT

public:
    TTrvFCatalogueTest()
    {
        setWindowTitle(QStringLiteral("Rechner"));
        portrait = new TTrvCheckBox(QStringLiteral("Hochformat"), this);
        portrait->setObjectName(QStringLiteral("chkPortrait"));
        print = new QPushButton(QStringLiteral("Drucken"), this);
        print->setObjectName(QStringLiteral("btnPrint"));
    }
    TTrvCheckBox *portrait;
    QPushButton *print;
};

namespace {

const char *const catalogue[] = {
    "; ENGLISH (USA / Canada)",
    "",
    "[G]",
    "1=General",
    "[TTestBaseForm]",
    "Base form",
    ".@lblAge",
    "Age (base)",
    ".@btnClose",
    "Close",
    "",
    "[ttestform]",
    "$Preview",
    "lines before the first entry are ignored",
    ".@lblAge",
    "Age:",
    ".@LBLNAME",
    "Name:",
    "",
    ".@BPdf$",
    "PDF",
    "Output as file in PDF format",
    ".@cbxPool",
    ".",
    "25m Pool",
    "50m Pool",
    ".@rgrGender",
    "Gender",
    ".",
    "Men",
    "Women",
    "",
    "",
    ".@Missing",
    "nothing",
    ".@shtMargins",
    "Margins",
    ".@actPrint",
    "Print",
    "Begin printing",
    ".@memNotes",
    ".",
    "line 1",
    "line 2",
    ".@edtFree",
    "Free text",
    ".@chkStd",
    "Standard hint",
    "[TOther]",
    ".",
};

QStringList catalogueLines()
{
    QStringList lines;
    for (const char *line : catalogue)
        lines << QString::fromUtf8(line);
    return lines;
}

// Finds sections the way the catalogue's index does: start is the index of the first line after the
// header, count the lines up to the next header.
TFormSectionFinder finderFor(const QStringList &lines)
{
    return [lines](const QString &section, int &start, int &count) {
        for (int i = 0; i < lines.size(); ++i) {
            if (!lines.at(i).startsWith(u'[') || lines.at(i).mid(1, lines.at(i).size() - 2).compare(section, Qt::CaseInsensitive) != 0)
                continue;
            start = i + 1;
            int end = start;
            while (end < lines.size() && !lines.at(end).startsWith(u'['))
                ++end;
            count = end - start;
            return true;
        }
        return false;
    };
}

TEST(Translation, SectionsOfTheClassChain)
{
    EXPECT_EQ(FormSectionNames(new TTestForm), QStringList({QStringLiteral("TTestBaseForm"), QStringLiteral("TTestForm")}));
}

TEST(Translation, AncestorAndOwnSections)
{
    const QStringList lines = catalogueLines();
    TTestForm form;
    TranslateFormFrom(&form, lines, finderFor(lines));

    EXPECT_EQ(form.windowTitle(), QStringLiteral("Preview"));
    EXPECT_EQ(form.close->text(), QStringLiteral("Close"));   // from the base form's section
    EXPECT_EQ(form.age->text(), QStringLiteral("Age:"));      // the own section overrides
    EXPECT_EQ(form.name->text(), QStringLiteral("Name:"));
    EXPECT_EQ(form.name->toolTip(), QString());                // an empty hint line clears the hint
    EXPECT_EQ(form.pdf->text(), QStringLiteral("PDF"));
    EXPECT_EQ(form.pdf->toolTip(), QStringLiteral("Output as file in PDF format"));
    EXPECT_EQ(form.pool->toolTip(), QStringLiteral("Becken"));
    ASSERT_EQ(form.pool->count(), 2);
    EXPECT_EQ(form.pool->itemText(0), QStringLiteral("25m Pool"));
    EXPECT_EQ(form.pool->currentIndex(), 1);
    EXPECT_EQ(form.gender->title(), QStringLiteral("Gender"));
    EXPECT_EQ(form.gender->Items(), QStringList({QStringLiteral("Men"), QStringLiteral("Women")}));
    EXPECT_EQ(form.gender->ItemIndex(), 1);
    EXPECT_EQ(form.pages->tabText(0), QStringLiteral("Margins"));
    EXPECT_EQ(form.print->text(), QStringLiteral("Print"));
    EXPECT_EQ(form.print->toolTip(), QStringLiteral("Begin printing"));
    EXPECT_EQ(form.notes->toolTip(), QStringLiteral("Notizen"));
    EXPECT_EQ(form.notes->Lines(), QStringList({QStringLiteral("line 1"), QStringLiteral("line 2")}));
    EXPECT_EQ(form.free->toolTip(), QStringLiteral("Free text"));
    // A standard check box gets only its hint.
    EXPECT_EQ(form.standard->text(), QStringLiteral("Standard"));
    EXPECT_EQ(form.standard->toolTip(), QStringLiteral("Standard hint"));
}

TEST(Translation, FormWithoutOwnSectionTakesTheAncestors)
{
    const QStringList lines = catalogueLines();
    TUntranslatedForm form;
    TranslateFormFrom(&form, lines, finderFor(lines));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Base form"));
    EXPECT_EQ(form.close->text(), QStringLiteral("Close"));

    QWidget plain;
    plain.setWindowTitle(QStringLiteral("Bleibt"));
    TranslateFormFrom(&plain, lines, finderFor(lines));
    EXPECT_EQ(plain.windowTitle(), QStringLiteral("Bleibt"));
}

TEST(Translation, ApplyTextsToSingleComponents)
{
    const QStringList lines = {QStringLiteral("Age:"), QString(), QStringLiteral("."), QStringLiteral("A"), QStringLiteral("B")};
    QLabel label;
    label.setToolTip(QStringLiteral("keep"));
    ApplyTexts(&label, lines, 0, 1);
    EXPECT_EQ(label.text(), QStringLiteral("Age:"));
    EXPECT_EQ(label.toolTip(), QStringLiteral("keep"));
    ApplyTexts(&label, lines, 0, 2);
    EXPECT_EQ(label.toolTip(), QString());

    QComboBox combo;
    combo.addItems({QStringLiteral("x"), QStringLiteral("y")});
    combo.setCurrentIndex(1);
    combo.setToolTip(QStringLiteral("hint"));
    ApplyTexts(&combo, lines, 2, 3);
    EXPECT_EQ(combo.toolTip(), QStringLiteral("hint"));
    EXPECT_EQ(combo.count(), 2);
    EXPECT_EQ(combo.itemText(1), QStringLiteral("B"));
    EXPECT_EQ(combo.currentIndex(), 1);

    QObject plainObject;
    ApplyTexts(&plainObject, lines, 0, 1); // no class of the table: left alone
}

// The catalogue translates every open form when its text is loaded, then the form's accelerators follow.
class CatalogueTranslation : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ProgramPaths().setProgramFile(dir.path() + QStringLiteral("/mirevo"));
        ProgramPaths().setConfigFolder(dir.path() + QStringLiteral("/config"));
        CloseSettingsFile();
        FreeLanguage();
        InstallFormTranslator();
    }
    void TearDown() override
    {
        TLanguage::SetFormTranslator({});
        FreeLanguage();
        CloseSettingsFile();
        ProgramPaths().reset();
    }
    QTemporaryDir dir;
};

TEST_F(CatalogueTranslation, LoadingTheCatalogueTranslatesOpenForms)
{
    TTrvFCatalogueTest form;
    TTrvFCatalogueTest manual;
    manual.autoAccelerators = false;
    const QStringList lines = {
        QStringLiteral("; ENGLISH"), QStringLiteral("[G]"), QStringLiteral("1=x"),
        QStringLiteral("[TTrvForm]"), QStringLiteral("."), QStringLiteral(".@btnPrint"), QStringLiteral("Print"),
        QStringLiteral("[TTrvFCatalogueTest]"), QStringLiteral("Calculate points"), QStringLiteral(".@chkPortrait"),
        QStringLiteral("Portrait"),
    };
    Language().LoadFromStrings(lines);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Calculate points"));
    EXPECT_EQ(form.print->text(), QStringLiteral("&Print"));
    EXPECT_EQ(form.portrait->Caption(), QStringLiteral("P&ortrait"));
    EXPECT_EQ(manual.print->text(), QStringLiteral("Print"));
    EXPECT_EQ(manual.portrait->Caption(), QStringLiteral("Portrait"));

    // TranslateForm on its own reads the same catalogue.
    TTrvFCatalogueTest later;
    TranslateForm(&later);
    EXPECT_EQ(later.windowTitle(), QStringLiteral("Calculate points"));
    EXPECT_EQ(later.print->text(), QStringLiteral("Print"));
}

} // namespace

#include "translation_test.moc"
