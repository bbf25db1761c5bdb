#pragma once

#include "controls/translatable.h"
#include "frame/inistored.h"

#include <QCheckBox>

class QLabel;
class TTrvReadOnlyCaption;

// The check box of the control library: a read-only state that shows the state greyed while the caption
// stays readable, an own Enabled (the wanted state; the native box is enabled only when it is true and
// the box is not read-only), translatable texts and OnToggle after the user changed the state.
class TTrvCheckBox : public QCheckBox, public ITrvTranslatable, public ITrvIniStored
{
    Q_OBJECT
    Q_INTERFACES(ITrvTranslatable ITrvIniStored)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)

public:
    explicit TTrvCheckBox(QWidget *parent = nullptr);
    explicit TTrvCheckBox(const QString &caption, QWidget *parent = nullptr);
    ~TTrvCheckBox() override;

    bool Enabled() const;
    void SetEnabled(bool enabled);
    void setEnabled(bool enabled) { SetEnabled(enabled); }
    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);
    QString Caption() const;
    void SetCaption(const QString &caption);
    // The label over the caption while read-only; null otherwise.
    QLabel *Overlay() const;

    // With the grey state allowed: 0 unchecked, 1 checked, 2 grey; otherwise Checked as a Boolean.
    void LoadFromIni(TTrvIniFile &ini, const QString &section) override;
    void SaveToIni(TTrvIniFile &ini, const QString &section) override;

    QStringList GetTexts() const override;
    void SetTexts(const QStringList &lines, int first, int count) override;

signals:
    void OnToggle();

private:
    TTrvReadOnlyCaption *m_state;
};
