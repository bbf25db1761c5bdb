// A form with every control of the library, for looking at them: run with "normal", "focused",
// "readonly" or "disabled" (and optionally a file name to grab the window into a PNG after it is shown).
#include "controls/accelerator.h"
#include "controls/checkbox.h"
#include "controls/combobox.h"
#include "controls/edit.h"
#include "controls/fontcombobox.h"
#include "controls/listbox.h"
#include "controls/lookup.h"
#include "controls/memo.h"
#include "controls/pagecontrol.h"
#include "controls/radiobutton.h"
#include "controls/radiogroup.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyleFactory>
#include <QTimer>

namespace {

struct Demo {
    QList<TTrvEdit *> edits;
    TTrvMemo *memo = nullptr;
    TTrvListBox *list = nullptr;
    TTrvComboBox *combo = nullptr;
    TTrvFontComboBox *fonts = nullptr;
    TTrvCheckBox *check = nullptr;
    QList<TTrvRadioButton *> radios;
    TTrvRadioGroup *group = nullptr;
    TTrvPageControl *pages = nullptr;
    TTrvEdit *onPage = nullptr;
};

TTrvEdit *addEdit(QFormLayout *form, Demo &demo, const QString &caption, TEditType type)
{
    auto *edit = new TTrvEdit;
    edit->SetEditType(type);
    auto *label = new QLabel(caption);
    label->setBuddy(edit);
    auto *row = new QHBoxLayout;
    row->addWidget(edit);
    row->addStretch();
    form->addRow(label, row);
    demo.edits << edit;
    return edit;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QString state = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("normal");
    const QString grabFile = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();

    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Controls - %1").arg(state));
    Demo demo;
    auto *columns = new QHBoxLayout;

    auto *left = new QFormLayout;
    TTrvEdit *chron = addEdit(left, demo, QStringLiteral("Swim time:"), etChron);
    chron->SetAsChron(1 * 600000 + 2 * 10000 + 3 * 1000 + 40);
    TTrvEdit *pool = addEdit(left, demo, QStringLiteral("Time with pool:"), etChron);
    pool->SetOptions(DefaultEditOptions | eoHasChronPool);
    pool->SetAsChron(28 * 10000 + 1 * 1000 + 30);
    pool->SetChronPool(2);
    TTrvEdit *points = addEdit(left, demo, QStringLiteral("Points:"), etInteger);
    points->SetMaxValue(1100);
    points->SetAsInteger(812);
    TTrvEdit *gender = addEdit(left, demo, QStringLiteral("Gender code:"), etString);
    gender->setMaximumWidth(40);
    gender->Lookup()->SetShowDispLabel(true);
    gender->Lookup()->SetEntries({QStringLiteral("M=Men"), QStringLiteral("W=Women"), QStringLiteral("X=Mixed")});
    gender->SetText(QStringLiteral("W"));
    addEdit(left, demo, QStringLiteral("Start:"), etTime)->SetText(QStringLiteral("09:30"));
    addEdit(left, demo, QStringLiteral("Meet date:"), etDate)->SetAsIniText(QStringLiteral("20050203"));
    TTrvEdit *scale = addEdit(left, demo, QStringLiteral("Scale:"), etFloat);
    scale->SetPrecision(2);
    scale->SetAsFloat(1.25L);
    addEdit(left, demo, QStringLiteral("Swimmer:"), etString)->SetText(QStringLiteral("Anna Example"));

    demo.combo = new TTrvComboBox;
    demo.combo->SetStyle(TTrvComboBox::csDropDownList);
    demo.combo->AddKeyed(QStringLiteral("FINA point scoring 2004"), 1);
    demo.combo->AddKeyed(QStringLiteral("DSV performance table 2005"), 2);
    demo.combo->SelectKey(1);
    auto *comboLabel = new QLabel(QStringLiteral("Table:"));
    comboLabel->setBuddy(demo.combo);
    left->addRow(comboLabel, demo.combo);
    demo.fonts = new TTrvFontComboBox;
    demo.fonts->SetSorted(true);
    demo.fonts->SelectFirstIfNone();
    auto *fontLabel = new QLabel(QStringLiteral("Font:"));
    fontLabel->setBuddy(demo.fonts);
    left->addRow(fontLabel, demo.fonts);
    columns->addLayout(left);

    auto *right = new QVBoxLayout;
    demo.check = new TTrvCheckBox(QStringLiteral("Header and footer for each column"));
    demo.check->setChecked(true);
    right->addWidget(demo.check);
    demo.radios << new TTrvRadioButton(QStringLiteral("Enter time")) << new TTrvRadioButton(QStringLiteral("Enter points"));
    demo.radios.first()->setChecked(true);
    for (TTrvRadioButton *radio : std::as_const(demo.radios))
        right->addWidget(radio);
    demo.group = new TTrvRadioGroup(QStringLiteral("Gender"));
    demo.group->SetColumns(2);
    demo.group->SetItems({QStringLiteral("Men"), QStringLiteral("Women"), QStringLiteral("Mixed")});
    demo.group->SetItemIndex(1);
    right->addWidget(demo.group);
    demo.pages = new TTrvPageControl;
    auto *margins = new QWidget;
    auto *marginsForm = new QFormLayout(margins);
    demo.onPage = new TTrvEdit;
    demo.onPage->SetEditType(etInteger);
    demo.onPage->SetAsInteger(20);
    auto *topLabel = new QLabel(QStringLiteral("Top:"));
    topLabel->setBuddy(demo.onPage);
    marginsForm->addRow(topLabel, demo.onPage);
    demo.edits << demo.onPage;
    demo.pages->addTab(margins, QStringLiteral("Margins"));
    auto *footer = new QWidget;
    auto *footerLayout = new QVBoxLayout(footer);
    auto *caret = new QLabel;
    demo.memo = new TTrvMemo;
    demo.memo->SetCaretPosControl(caret);
    demo.memo->SetLines({QStringLiteral("Page footer, left"), QStringLiteral("second line")});
    footerLayout->addWidget(demo.memo);
    footerLayout->addWidget(caret);
    demo.pages->addTab(footer, QStringLiteral("Footer"));
    demo.pages->setCurrentIndex(state == QLatin1String("memo") ? 1 : 0);
    right->addWidget(demo.pages);
    demo.list = new TTrvListBox;
    demo.list->addItems({QStringLiteral("logo.gif"), QStringLiteral("pool.bmp"), QStringLiteral("club.gif")});
    demo.list->SetItemIndex(1);
    demo.list->setMaximumHeight(70);
    right->addWidget(demo.list);
    columns->addLayout(right);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Calculate"));
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    auto *print = buttons->addButton(QStringLiteral("Print points"), QDialogButtonBox::ActionRole);
    Q_UNUSED(print);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *outer = new QVBoxLayout(&dialog);
    outer->addLayout(columns);
    outer->addWidget(buttons);

    const bool readOnly = state == QLatin1String("readonly");
    const bool disabled = state == QLatin1String("disabled");
    for (TTrvEdit *edit : std::as_const(demo.edits)) {
        if (readOnly)
            edit->SetReadOnly(true);
        if (disabled)
            edit->QWidget::setEnabled(false);
    }
    if (readOnly) {
        demo.memo->SetReadOnly(true);
        demo.combo->SetReadOnly(true);
        demo.fonts->SetReadOnly(true);
        demo.check->SetReadOnly(true);
        for (TTrvRadioButton *radio : std::as_const(demo.radios))
            radio->SetReadOnly(true);
        demo.group->SetReadOnly(true);
    }
    if (disabled) {
        demo.memo->QWidget::setEnabled(false);
        demo.combo->QWidget::setEnabled(false);
        demo.fonts->QWidget::setEnabled(false);
        demo.list->setEnabled(false);
        demo.check->SetEnabled(false);
        for (TTrvRadioButton *radio : std::as_const(demo.radios))
            radio->SetEnabled(false);
        demo.group->SetEnabled(false);
        demo.pages->setEnabled(false);
    }
    if (state == QLatin1String("focused")) {
        // A focused colour of its own makes the focus visible beside the frame.
        TColors colors;
        colors.FocusedBG = QColor(255, 255, 225);
        for (TTrvEdit *edit : std::as_const(demo.edits))
            edit->SetColors(colors);
    }

    AssignAccelerators(&dialog);
    dialog.show();
    dialog.move(0, 0);
    dialog.activateWindow();
    if (state == QLatin1String("focused")) {
        chron->setFocus();
        chron->setCursorPosition(3);
    } else if (state == QLatin1String("memo")) {
        demo.memo->setFocus();
    }
    if (!grabFile.isEmpty()) {
        QTimer::singleShot(800, &dialog, [&dialog, grabFile] {
            dialog.grab().save(grabFile);
            QApplication::quit();
        });
    }
    return app.exec();
}
