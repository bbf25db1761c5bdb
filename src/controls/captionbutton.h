#pragma once

#include "controls/captionoverlay.h"
#include "controls/translatable.h"
#include "frame/inistored.h"

#include <QStringList>

class QLabel;

// What the check box and the radio button share: a read-only state that keeps the caption readable, an
// own Enabled (the wanted state; the native button is enabled only when it is true and the button is not
// read-only), and translatable texts (caption, then hint). Button is QCheckBox or QRadioButton.
template<class Button>
class TTrvCaptionButton : public Button, public ITrvTranslatable, public ITrvIniStored
{
public:
    explicit TTrvCaptionButton(const QString &caption, QWidget *parent)
        : Button(caption, parent)
        , m_state(new TTrvReadOnlyCaption(this))
    {
    }

    bool Enabled() const { return m_state->enabled(); }
    void SetEnabled(bool enabled) { m_state->setEnabled(enabled); }
    void setEnabled(bool enabled) { SetEnabled(enabled); }
    bool ReadOnly() const { return m_state->readOnly(); }
    void SetReadOnly(bool readOnly) { m_state->setReadOnly(readOnly); }
    QString Caption() const { return m_state->caption(); }
    void SetCaption(const QString &caption) { m_state->setCaption(caption); }
    // The label over the caption while read-only; null otherwise.
    QLabel *Overlay() const { return m_state->overlay(); }

    QStringList GetTexts() const override
    {
        QStringList lines{Caption()};
        if (!this->toolTip().isEmpty())
            lines << this->toolTip();
        return lines;
    }

    void SetTexts(const QStringList &lines, int first, int count) override
    {
        if (count <= 0)
            return;
        SetCaption(TranslationLine(lines, first));
        if (count > 1)
            this->setToolTip(TranslationLine(lines, first + 1));
    }

private:
    TTrvReadOnlyCaption *m_state; // child of the button
};
