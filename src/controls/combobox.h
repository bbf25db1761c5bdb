#pragma once

#include "base/lookupitems.h"
#include "controls/colors.h"
#include "controls/translatable.h"
#include "frame/inistored.h"

#include <QComboBox>
#include <QIcon>

#include <cstdint>
#include <vector>

// The combo box of the control library: an integer key (0 or more) per entry, the edit field's colours
// per state, a read-only state that keeps the list but offers nothing to choose, and its texts open to
// the form translation. Every operation works in the read-only state too, on the kept list.
class TTrvComboBox : public QComboBox, public ITrvTranslatable, public ITrvIniStored
{
    Q_OBJECT
    Q_INTERFACES(ITrvTranslatable ITrvIniStored)

public:
    // csDropDown: editable; csDropDownList: choice from the list only; csOwnerDrawFixed: a list drawn by
    // the box itself (not editable).
    enum TComboStyle { csDropDown, csDropDownList, csOwnerDrawFixed };
    // Item data roles: the entry's key, and a stored form of the entry kept by subclasses.
    static constexpr int ItemKeyRole = Qt::UserRole;
    static constexpr int ItemStoredRole = Qt::UserRole + 1;

    explicit TTrvComboBox(QWidget *parent = nullptr);
    ~TTrvComboBox() override;

    const TColors &Colors() const { return m_colors; }
    void SetColors(const TColors &colors);

    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly);
    TComboStyle Style() const;
    void SetStyle(TComboStyle style);
    bool TabStop() const;
    void SetTabStop(bool tabStop);
    bool Focused() const { return m_focused; }

    // The entries (the kept ones while read-only).
    QStringList Items() const;
    void SetItems(const QStringList &items);
    int ItemCount() const;
    QString ItemText(int index) const;
    int32_t ItemKey(int index) const;
    void ClearItems();

    int SelectedIndex() const;
    void SetSelectedIndex(int index);
    // The key of the selected entry; 0 when nothing is selected.
    int32_t SelectedKey() const;
    // Selects the last entry with that key, or nothing; keeps the selection when it has the key already.
    void SelectKey(int32_t key);
    // Selects the last entry with exactly that text, or nothing.
    void SelectText(const QString &text);
    // Appends an entry; a negative key stops with an assertion.
    void AddKeyed(const QString &text, int32_t key);
    // Replaces the entries by the keyed items, keeping the selection by key.
    void FillKeyed(const IBSLookupItems &items);
    // Selects entry 0 when there are entries and none is selected; returns whether there are entries.
    bool SelectFirstIfNone();

    // The selected index (-1 for none) under the object name.
    void LoadFromIni(TTrvIniFile &ini, const QString &section) override;
    void SaveToIni(TTrvIniFile &ini, const QString &section) override;

    QStringList GetTexts() const override;
    void SetTexts(const QStringList &lines, int first, int count) override;

    void showPopup() override;
    // While read-only the box keeps the size it had with its list.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    struct Entry {
        QString text;
        int32_t key;
        QVariant stored; // ItemStoredRole
        QIcon icon;
    };
    void updateColors();
    void applyStyle(TComboStyle style);

    TColors m_colors;
    bool m_readOnly = false;
    bool m_focused = false;
    TComboStyle m_style = csDropDown;
    // Kept while read-only.
    bool m_savedTabStop = true;
    TComboStyle m_savedStyle = csDropDown;
    int m_savedIndex = -1;
    std::vector<Entry> m_savedItems;
    QSize m_savedSizeHint;
    QSize m_savedMinimumSizeHint;
};
