#pragma once

#include "controls/captionbutton.h"

#include <QCheckBox>

// The check box of the control library: a read-only state that shows the state greyed while the caption
// stays readable, an own Enabled (the wanted state; the native box is enabled only when it is true and
// the box is not read-only), translatable texts and OnToggle after the user changed the state.
class TTrvCheckBox : public TTrvCaptionButton<QCheckBox>
{
    Q_OBJECT
    Q_INTERFACES(ITrvTranslatable ITrvIniStored)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)

public:
    explicit TTrvCheckBox(QWidget *parent = nullptr);
    explicit TTrvCheckBox(const QString &caption, QWidget *parent = nullptr);

    // With the grey state allowed: 0 unchecked, 1 checked, 2 grey; otherwise Checked as a Boolean.
    void LoadFromIni(TTrvIniFile &ini, const QString &section) override;
    void SaveToIni(TTrvIniFile &ini, const QString &section) override;

signals:
    void OnToggle();
};
