#pragma once

#include "controls/combobox.h"

#include <QFlags>

// A combo box of the fonts of a device, filtered by pitch and by outline (TrueType) fonts. Each entry is
// stored as a marker ("T" for an outline font, "x" for any other) and the face name; the box shows the
// name, with a double "T" sign in front of outline fonts. On this platform printers and screen share the
// font database, so Device only names the device and rebuilds the list.
class TTrvFontComboBox : public TTrvComboBox
{
    Q_OBJECT

public:
    enum TFontComboOption { tfcVarPitch = 0x1, tfcFixedPitch = 0x2, tfcOnlyTrueType = 0x4 };
    Q_DECLARE_FLAGS(TFontComboOptions, TFontComboOption)

    explicit TTrvFontComboBox(QWidget *parent = nullptr);

    QString Device() const { return m_device; }
    void SetDevice(const QString &device);
    TFontComboOptions Options() const { return m_options; }
    void SetOptions(TFontComboOptions options);
    bool Sorted() const { return m_sorted; }
    void SetSorted(bool sorted);

    // Selects the last entry whose name equals the name exactly, or nothing.
    void SelectFont(const QString &name);
    // The selected entry's name (without marker).
    QString Text() const;
    // The stored form of entry i: marker and face name.
    QString StoredEntry(int index) const;

    // Rebuilds the list from the font database, keeping the selected name.
    void RebuildFontList();

private:
    QString m_device;
    TFontComboOptions m_options = TFontComboOptions(tfcVarPitch | tfcOnlyTrueType);
    bool m_sorted = false;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TTrvFontComboBox::TFontComboOptions)
