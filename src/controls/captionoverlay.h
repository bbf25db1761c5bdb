#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QAbstractButton;
#include <QLabel>
class QWidget;

// Marks overlay labels (a dynamic property that is true on them).
inline constexpr const char *CaptionOverlayProperty = "mirevoCaptionOverlay";

// Whether the widget is meant to be visible: not hidden on purpose (a child of a form that is not shown
// yet counts as visible, as it will be once the form is).
bool IsMeantVisible(const QWidget *widget);

// Where a button's caption is drawn, in the coordinates of the button's parent.
QRect ButtonCaptionRect(const QAbstractButton *button);

// A label over a button's caption, so that the caption stays readable in normal colour while the button
// itself is disabled to show a read-only state. The label is made with the button's font and caption on
// the given parent (the button's parent by default) and placed over the caption.
// The button's own caption is drawn invisibly meanwhile (its disabled text colours are made transparent),
// so only the label's text shows, on the background the button stands on.
QLabel *CreateCaptionOverlay(QAbstractButton *button, QWidget *parent);
void PlaceCaptionOverlay(QLabel *overlay, const QAbstractButton *button);
// Frees the overlay and gives the button its own caption colours back.
void RemoveCaptionOverlay(QLabel *overlay, QAbstractButton *button);

// The read-only state of a check box or radio button: the wanted enabled state, the read-only flag and
// the overlay label that exists while the button is read-only, visible and enabled. The native button
// is enabled exactly when it is wanted enabled and not read-only.
class TTrvReadOnlyCaption : public QObject
{
    Q_OBJECT

public:
    explicit TTrvReadOnlyCaption(QAbstractButton *button);
    ~TTrvReadOnlyCaption() override;

    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    bool readOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly);
    QLabel *overlay() const { return m_overlay; }

    // The caption: the overlay's while it exists; writing sets both.
    QString caption() const;
    void setCaption(const QString &caption);

    void update();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAbstractButton *m_button;
    QPointer<QLabel> m_overlay;
    bool m_enabled = true;
    bool m_readOnly = false;
    bool m_updating = false;
};
