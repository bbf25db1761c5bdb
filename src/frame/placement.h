#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

// Window placement rules of the form base, free of widgets so they can be tested without a display.
// Rectangles are in screen pixels; "screen" is the whole screen, "work area" the part not covered by
// panels or task bars.

// The placement value stored in section "Windows": left, top, width, height and window state, the first
// four the window's normal (restored) bounds.
struct TWindowPlacement
{
    enum State { Normal = 0, Minimised = 1, Maximised = 2 };

    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int state = Normal;

    bool operator==(const TWindowPlacement &) const = default;

    // Five integers separated by ","; any other text (empty, fewer or more numbers, letters) gives
    // nothing, so the window opens centred as if nothing had been saved.
    static std::optional<TWindowPlacement> Parse(const QString &text);
    QString ToText() const;
};

// Where a form opens when a saved placement is applied.
struct TRestoredPlacement
{
    QRect bounds;
    int state = TWindowPlacement::Normal;
    bool centred = false; // the saved position was unusable and the form is centred instead
};

// The saved placement corrected for the screen: the position is kept so that at least 10 pixels of the
// form remain on the screen, a sizeable form takes the saved size (at most the screen size less 10), a
// form of fixed size keeps designedSize, and a form whose position would still hide it (its top within
// the lowest 30 pixels of the screen) is centred. An unknown state counts as normal.
TRestoredPlacement CorrectPlacement(const TWindowPlacement &saved, const QSize &designedSize, bool sizeable,
                                    const QRect &screen);

// Top-left corner that centres a form of the given size on the screen (halves rounded toward zero).
QPoint CentredPosition(const QSize &formSize, const QRect &screen);

struct TKeepInScreenOptions
{
    bool alwaysInScreen = false;
    bool snapAtScreenBorder = true;
    bool maximised = false;
};

// Distance within which a form edge snaps to the work area's edge.
constexpr int SnapDistance = 20;

// The form's new top-left corner after it was moved or resized to bounds: with alwaysInScreen it is
// pushed back inside the work area; with snapAtScreenBorder (not for a maximised form) an edge closer
// than SnapDistance to an edge of the work area moves onto it.
QPoint KeepInScreen(const QRect &bounds, const QRect &workArea, const TKeepInScreenOptions &options);
