#pragma once

#include "controls/translatable.h"
#include "frame/inistored.h"

#include <QRadioButton>

class QLabel;
class TTrvReadOnlyCaption;

// The radio button of the control library, with the read-only state, own Enabled and translatable texts
// of the check box.
class TTrvRadioButton : public QRadioButton, public ITrvTranslatable, public ITrvIniStored
{
    Q_OBJECT
    Q_INTERFACES(ITrvTranslatable ITrvIniStored)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)

public:
    explicit TTrvRadioButton(QWidget *parent = nullptr);
    explicit TTrvRadioButton(const QString &caption, QWidget *parent = nullptr);
    ~TTrvRadioButton() override;

    bool Enabled() const;
    void SetEnabled(bool enabled);
    void setEnabled(bool enabled) { SetEnabled(enabled); }
    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);
    QString Caption() const;
    void SetCaption(const QString &caption);
    QLabel *Overlay() const;

    // Checked as a Boolean under the object name.
    void LoadFromIni(TTrvIniFile &ini, const QString &section) override;
    void SaveToIni(TTrvIniFile &ini, const QString &section) override;

    QStringList GetTexts() const override;
    void SetTexts(const QStringList &lines, int first, int count) override;

private:
    TTrvReadOnlyCaption *m_state;
};
