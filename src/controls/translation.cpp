#include "controls/translation.h"

#include "controls/accelerator.h"
#include "controls/formsection.h"
#include "controls/memo.h"
#include "controls/translatable.h"
#include "i18n/language.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextEdit>

namespace {

// Qt's own classes (QWidget, QDialog, QMainWindow, ...) end the chain of a form's classes.
bool isToolkitClass(const QMetaObject *meta)
{
    const char *name = meta->className();
    return name[0] == 'Q' && name[1] >= 'A' && name[1] <= 'Z';
}

QObject *findComponent(QWidget *form, const QString &name)
{
    const QList<QObject *> children = form->findChildren<QObject *>();
    for (QObject *child : children) {
        if (child->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return child;
    }
    return nullptr;
}

QTabWidget *tabWidgetOfPage(QWidget *widget)
{
    auto *stack = qobject_cast<QStackedWidget *>(widget->parentWidget());
    auto *tabs = stack ? qobject_cast<QTabWidget *>(stack->parentWidget()) : nullptr;
    return tabs && tabs->indexOf(widget) >= 0 ? tabs : nullptr;
}

QString line(const QStringList &lines, int first, int count, int i)
{
    return i < count ? TranslationLine(lines, first + i) : QString();
}

// The hint of line 1 unless it is ".", then lines 2 to the end as the items; the selected index stays.
template<class SetItems>
void applyList(QWidget *widget, const QStringList &lines, int first, int count, int selected, SetItems setItems)
{
    const QString hint = line(lines, first, count, 0);
    if (hint != QLatin1String("."))
        widget->setToolTip(hint);
    QStringList items;
    for (int i = 1; i < count; ++i)
        items << line(lines, first, count, i);
    setItems(items, selected);
}

} // namespace

QStringList FormSectionNames(const QWidget *form)
{
    QStringList names;
    for (const QMetaObject *meta = form->metaObject(); meta && !isToolkitClass(meta); meta = meta->superClass())
        names.prepend(QString::fromLatin1(meta->className()));
    return names;
}

void ApplyTexts(QObject *component, const QStringList &lines, int first, int count)
{
    if (count <= 0)
        return;
    if (auto *translatable = dynamic_cast<ITrvTranslatable *>(component)) {
        translatable->SetTexts(lines, first, count);
        return;
    }
    const QString first0 = line(lines, first, count, 0);
    const bool hasHint = count > 1;
    const QString hint = line(lines, first, count, 1);

    if (auto *action = qobject_cast<QAction *>(component)) {
        action->setText(first0);
        if (hasHint) {
            action->setToolTip(hint);
            action->setStatusTip(hint);
        }
        return;
    }
    auto *widget = qobject_cast<QWidget *>(component);
    if (!widget)
        return;
    if (QTabWidget *tabs = tabWidgetOfPage(widget)) {
        tabs->setTabText(tabs->indexOf(widget), first0);
        return;
    }
    for (const QMetaObject *meta = widget->metaObject(); meta; meta = meta->superClass()) {
        if (meta == &QLabel::staticMetaObject) {
            auto *label = static_cast<QLabel *>(widget);
            label->setText(first0);
            if (hasHint)
                label->setToolTip(hint);
            return;
        }
        if (meta == &QPushButton::staticMetaObject) {
            auto *button = static_cast<QPushButton *>(widget);
            button->setText(first0);
            if (hasHint)
                button->setToolTip(hint);
            return;
        }
        if (meta == &QComboBox::staticMetaObject) {
            auto *combo = static_cast<QComboBox *>(widget);
            applyList(combo, lines, first, count, combo->currentIndex(), [combo](const QStringList &items, int selected) {
                combo->clear();
                combo->addItems(items);
                combo->setCurrentIndex(selected < combo->count() ? selected : -1);
            });
            return;
        }
        if (meta == &QListWidget::staticMetaObject) {
            auto *list = static_cast<QListWidget *>(widget);
            applyList(list, lines, first, count, list->currentRow(), [list](const QStringList &items, int selected) {
                list->clear();
                list->addItems(items);
                list->setCurrentRow(selected < list->count() ? selected : -1);
            });
            return;
        }
        if (meta == &QGroupBox::staticMetaObject) {
            auto *group = static_cast<QGroupBox *>(widget);
            group->setTitle(first0);
            if (hasHint)
                group->setToolTip(hint);
            return;
        }
        if (meta == &QMenu::staticMetaObject) {
            auto *menu = static_cast<QMenu *>(widget);
            menu->setTitle(first0);
            if (hasHint)
                menu->setToolTip(hint);
            return;
        }
        if (meta == &QPlainTextEdit::staticMetaObject || meta == &QTextEdit::staticMetaObject) {
            if (first0 != QLatin1String("."))
                widget->setToolTip(first0);
            QStringList text;
            for (int i = 1; i < count; ++i)
                text << line(lines, first, count, i);
            if (auto *memo = qobject_cast<TTrvMemo *>(widget)) {
                memo->SetLines(text);
            } else if (auto *plain = qobject_cast<QPlainTextEdit *>(widget)) {
                plain->setPlainText(text.join(u'\n'));
            } else {
                static_cast<QTextEdit *>(widget)->setPlainText(text.join(u'\n'));
            }
            return;
        }
        if (meta == &QWidget::staticMetaObject) {
            widget->setToolTip(first0);
            return;
        }
    }
}

void TranslateFormFrom(QWidget *form, const QStringList &lines, const TFormSectionFinder &findSection)
{
    if (!form || !findSection)
        return;
    for (const QString &name : FormSectionNames(form)) {
        int start = 0;
        int count = 0;
        if (!findSection(name, start, count) || start <= 0 || count <= 0)
            continue;
        const TFormSection section = ParseFormSection(lines, start, count);
        if (!section.valid)
            continue;
        if (!section.caption.isEmpty())
            form->setWindowTitle(section.caption);
        for (const TFormSectionEntry &entry : section.entries) {
            if (QObject *component = findComponent(form, entry.name))
                ApplyTexts(component, lines, entry.first, entry.count);
        }
    }
}

void TranslateForm(QWidget *form)
{
    const TLanguage &language = Language();
    TranslateFormFrom(form, language.Lines(), [&language](const QString &section, int &start, int &count) {
        return language.FindSection(section, &start, &count);
    });
}

namespace {

bool isProgramForm(const QWidget *widget)
{
    for (const QMetaObject *meta = widget->metaObject(); meta; meta = meta->superClass()) {
        if (qstrcmp(meta->className(), "TTrvForm") == 0)
            return true;
    }
    return false;
}

} // namespace

void TranslateAllForms()
{
    // The forms are gathered first: translating may replace controls (radio group items), which must not
    // be visited afterwards.
    QList<QPointer<QWidget>> forms;
    const QList<QWidget *> widgets = QApplication::allWidgets();
    for (QWidget *widget : widgets) {
        if (isProgramForm(widget))
            forms << widget;
    }
    for (const QPointer<QWidget> &form : std::as_const(forms)) {
        if (!form)
            continue;
        TranslateForm(form);
        if (form->property("AutoAccelerators").toBool())
            AssignAccelerators(form);
    }
}

void InstallFormTranslator()
{
    TLanguage::SetFormTranslator([](TLanguage &) { TranslateAllForms(); });
}
