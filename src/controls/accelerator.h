#pragma once

#include <QString>

class QPushButton;
class QWidget;

// Gives every captioned control of the form an "&" accelerator: the library's check boxes, radio buttons
// and radio group items, tab sheets, labels with a buddy and push buttons other than the default and the
// cancel button. Letters do not repeat within a scope (the form, a tab sheet, a page of a stacked
// widget) and its enclosing scopes; the reserved characters and the letters of the form's menu bar are
// never given. Captions that have an accelerator keep it.
void AssignAccelerators(QWidget *form, const QString &reserved = QString());

// Whether a push button is the form's cancel button: its dynamic property "Cancel" is true, or it has the
// reject role in a dialog button box.
bool IsCancelButton(const QPushButton *button);
