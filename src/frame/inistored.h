#pragma once

#include <QObject>
#include <QString>

class TTrvIniFile;

// A control that keeps its value in the settings file under its component name. Loading uses the
// control's current value as the default, so a missing key leaves the control unchanged.
class ITrvIniStored
{
public:
    static constexpr const char *GUID = "{538452A1-314D-11D3-B2B1-444553540000}";
    virtual ~ITrvIniStored() = default;

    virtual void LoadFromIni(TTrvIniFile &ini, const QString &section) = 0;
    virtual void SaveToIni(TTrvIniFile &ini, const QString &section) = 0;

protected:
    ITrvIniStored() = default;
    ITrvIniStored(const ITrvIniStored &) = default;
    ITrvIniStored &operator=(const ITrvIniStored &) = default;
};

#define ITrvIniStored_iid "Mirevo.ITrvIniStored"
Q_DECLARE_INTERFACE(ITrvIniStored, ITrvIniStored_iid)
