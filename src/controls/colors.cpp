#include "controls/colors.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

TColors::TColors()
{
    const QPalette pal = QApplication::palette();
    NormalText = pal.color(QPalette::Active, QPalette::Text);
    NormalBG = pal.color(QPalette::Active, QPalette::Base);
    ReadOnlyText = pal.color(QPalette::Active, QPalette::ButtonText);
    ReadOnlyBG = pal.color(QPalette::Active, QPalette::Button);
    DisabledText = pal.color(QPalette::Disabled, QPalette::Text);
    DisabledBG = pal.color(QPalette::Active, QPalette::Light);
    FocusedText = NormalText;
    FocusedBG = NormalBG;
}

QColor TColors::textFor(bool enabled, bool readOnly, bool focused) const
{
    if (!enabled)
        return DisabledText;
    if (readOnly)
        return ReadOnlyText;
    return focused ? FocusedText : NormalText;
}

QColor TColors::backgroundFor(bool enabled, bool readOnly, bool focused) const
{
    if (!enabled)
        return DisabledBG;
    if (readOnly)
        return ReadOnlyBG;
    return focused ? FocusedBG : NormalBG;
}

void TColors::applyTo(QWidget *widget, bool enabled, bool readOnly, bool focused) const
{
    QPalette pal = widget->palette();
    const QColor text = textFor(enabled, readOnly, focused);
    const QColor background = backgroundFor(enabled, readOnly, focused);
    if (pal.color(QPalette::Text) == text && pal.color(QPalette::Base) == background
        && pal.color(QPalette::Disabled, QPalette::Text) == text && pal.color(QPalette::Disabled, QPalette::Base) == background)
        return;
    pal.setColor(QPalette::Text, text);
    pal.setColor(QPalette::Base, background);
    widget->setPalette(pal);
}
