#include "controls/accelerator.h"

#include "controls/acceleratorcore.h"
#include "controls/captionoverlay.h"
#include "controls/checkbox.h"
#include "controls/radiobutton.h"
#include "controls/radiogroup.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>

namespace {

QTabWidget *tabWidgetOfSheet(const QWidget *widget)
{
    auto *stack = qobject_cast<QStackedWidget *>(widget->parentWidget());
    if (!stack)
        return nullptr;
    auto *tabs = qobject_cast<QTabWidget *>(stack->parentWidget());
    return tabs && tabs->indexOf(const_cast<QWidget *>(widget)) >= 0 ? tabs : nullptr;
}

bool isNotebook(const QObject *object)
{
    const auto *stack = qobject_cast<const QStackedWidget *>(object);
    return stack && !qobject_cast<const QTabWidget *>(stack->parentWidget());
}

bool isNotebookPage(const QWidget *widget)
{
    return isNotebook(widget->parentWidget());
}

// The first tab sheet or notebook page above the widget, or the form.
QWidget *scopeOf(const QWidget *widget, QWidget *form)
{
    for (QWidget *p = widget->parentWidget(); p; p = p->parentWidget()) {
        if (p == form || tabWidgetOfSheet(p) || isNotebookPage(p))
            return p;
    }
    return form;
}

QMenuBar *mainMenuOf(QWidget *form)
{
    if (auto *window = qobject_cast<QMainWindow *>(form))
        return window->menuWidget() ? qobject_cast<QMenuBar *>(window->menuWidget()) : nullptr;
    return form->findChild<QMenuBar *>(QString(), Qt::FindDirectChildrenOnly);
}

void addControl(TTrvAcceleratorGroup *group, QWidget *widget)
{
    if (auto *check = qobject_cast<TTrvCheckBox *>(widget)) {
        group->addItem(check, -1, akCheckBox, check->Caption(), [check](const QString &t) { check->SetCaption(t); });
    } else if (auto *radio = qobject_cast<TTrvRadioButton *>(widget)) {
        group->addItem(radio, -1, akRadioButton, radio->Caption(), [radio](const QString &t) { radio->SetCaption(t); });
    } else if (auto *radioGroup = qobject_cast<TTrvRadioGroup *>(widget)) {
        for (int i = 0; i < radioGroup->Items().size(); ++i) {
            group->addItem(radioGroup, i, akRadioGroupItem, radioGroup->Items().at(i),
                           [radioGroup, i](const QString &t) { radioGroup->SetItemText(i, t); });
        }
    } else if (auto *label = qobject_cast<QLabel *>(widget)) {
        if (label->buddy() && !label->property(CaptionOverlayProperty).toBool())
            group->addItem(label, -1, akLabel, label->text(), [label](const QString &t) { label->setText(t); });
    } else if (auto *button = qobject_cast<QPushButton *>(widget)) {
        if (!button->isDefault() && !IsCancelButton(button))
            group->addItem(button, -1, akButton, button->text(), [button](const QString &t) { button->setText(t); });
    }
}

} // namespace

bool IsCancelButton(const QPushButton *button)
{
    if (button->property("Cancel").toBool())
        return true;
    for (QWidget *p = button->parentWidget(); p; p = p->parentWidget()) {
        if (auto *box = qobject_cast<QDialogButtonBox *>(p))
            return box->buttonRole(const_cast<QPushButton *>(button)) == QDialogButtonBox::RejectRole;
    }
    return false;
}

void AssignAccelerators(QWidget *form, const QString &reserved)
{
    if (!form)
        return;
    TTrvAccelerator accelerator(form, reserved);
    if (QMenuBar *menu = mainMenuOf(form)) {
        for (const QAction *action : menu->actions()) {
            const QChar c = ExistingAccelerator(action->text());
            if (!c.isNull())
                accelerator.addReserved(c);
        }
    }

    // Children come parent first, so the group of a tab sheet exists before the controls on it.
    const QList<QWidget *> widgets = form->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        TTrvAcceleratorGroup *group = accelerator.root().find(scopeOf(widget, form));
        if (!group)
            continue;
        if (QTabWidget *tabs = tabWidgetOfSheet(widget)) {
            group->addItem(widget, -1, akTabSheet, tabs->tabText(tabs->indexOf(widget)), [tabs, widget](const QString &t) {
                tabs->setTabText(tabs->indexOf(widget), t);
            });
            group->addChild(widget);
        } else if (isNotebook(widget)) {
            auto *stack = static_cast<QStackedWidget *>(widget);
            for (int i = 0; i < stack->count(); ++i)
                group->addChild(stack->widget(i));
        } else {
            addControl(group, widget);
        }
    }
    accelerator.Assign();
}
