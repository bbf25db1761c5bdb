#pragma once

#include <QStringList>

#include <functional>

class QObject;
class QWidget;

// Form translation from the per-form sections of the numbered catalogue. A form is translated for each
// class of its meta-object chain from the one right below Qt's own classes down to the form's own class,
// each later section overriding the earlier ones; a section sets the window title and, entry by entry,
// the texts of the components the form owns, found by object name without regard to case.

// Where a section of the catalogue starts (index of its first line) and how many lines it has; false
// when the catalogue has no such section.
using TFormSectionFinder = std::function<bool(const QString &section, int &start, int &count)>;

// Translates the form from the given catalogue lines.
void TranslateFormFrom(QWidget *form, const QStringList &lines, const TFormSectionFinder &findSection);

// Applies one entry (lines[first], count lines) to a component: through ITrvTranslatable when the
// component has it, otherwise by the first of these classes in its class chain: label, push button,
// combo box, list widget, group box, menu, tab page, plain or rich text edit, action, any other widget.
// Components of other classes are left alone.
void ApplyTexts(QObject *component, const QStringList &lines, int first, int count);

// Translates the form from the process-wide catalogue (Language()).
void TranslateForm(QWidget *form);

// Translates every open form of the program (a widget whose class chain contains TTrvForm, top-level or
// embedded) and, where its property "AutoAccelerators" is true, assigns its accelerators again.
void TranslateAllForms();

// Makes the catalogue call TranslateAllForms after every text change that asks for it (loading the
// built-in catalogue, a language file with form translation). The program calls it once at start.
void InstallFormTranslator();

// The class names whose sections apply to the form, the most general first.
QStringList FormSectionNames(const QWidget *form);
