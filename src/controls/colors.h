#pragma once

#include <QColor>

class QWidget;

// The eight colours of the library's edit fields, memos and combo boxes: text and background for the
// normal, read-only, disabled and focused state. The defaults are the system colours of the running
// palette: window text on window for normal and focused, button text on button face for read-only, grey
// text on button highlight for disabled.
class TColors
{
public:
    TColors();

    QColor NormalText;
    QColor NormalBG;
    QColor ReadOnlyText;
    QColor ReadOnlyBG;
    QColor DisabledText;
    QColor DisabledBG;
    QColor FocusedText;
    QColor FocusedBG;

    bool operator==(const TColors &other) const = default;

    // Text and background of the first matching state: disabled, read-only, focused, normal.
    QColor textFor(bool enabled, bool readOnly, bool focused) const;
    QColor backgroundFor(bool enabled, bool readOnly, bool focused) const;

    // Puts the colours of that state into the widget's palette (text and base roles, all colour groups).
    void applyTo(QWidget *widget, bool enabled, bool readOnly, bool focused) const;
};
