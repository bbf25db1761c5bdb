#pragma once

#include "controls/captionbutton.h"

#include <QRadioButton>

// The radio button of the control library, with the read-only state, own Enabled and translatable texts
// of the check box.
class TTrvRadioButton : public TTrvCaptionButton<QRadioButton>
{
    Q_OBJECT
    Q_INTERFACES(ITrvTranslatable ITrvIniStored)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)

public:
    explicit TTrvRadioButton(QWidget *parent = nullptr);
    explicit TTrvRadioButton(const QString &caption, QWidget *parent = nullptr);

    // Checked as a Boolean under the object name.
    void LoadFromIni(TTrvIniFile &ini, const QString &section) override;
    void SaveToIni(TTrvIniFile &ini, const QString &section) override;
};
