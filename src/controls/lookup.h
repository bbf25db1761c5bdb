#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>

#include <QLabel>
class QPoint;
#include <QToolButton>
class QWidget;
class TTrvEdit;

// The popup list in which a lookup offers its entries (single or multiple choice). The lookup list window
// provides it through SetLookupPopupFactory; without a factory a lookup shows no popup.
class ITrvLookupPopup
{
public:
    virtual ~ITrvLookupPopup() = default;
    // Entries are lines "key=text".
    virtual void Fill(const QStringList &entries, const QString &title) = 0;
    // The starting selection: a key, or keys separated by ",", ";" or blanks.
    virtual void Select(const QString &text) = 0;
    // The chosen key, or the checked keys joined by ",".
    virtual QString Result() const = 0;
    // Shows the popup with its top-left corner at the screen point; onClose runs when it closes.
    virtual void ShowAt(const QPoint &screenPoint, std::function<void()> onClose) = 0;

protected:
    ITrvLookupPopup() = default;
};

using TLookupPopupFactory = std::function<std::unique_ptr<ITrvLookupPopup>(bool multiSel, QWidget *owner)>;
void SetLookupPopupFactory(TLookupPopupFactory factory);

// The lookup object of an edit field: a list of entries "key=text", a popup button beside the field
// (present while there are entries) and a caption label that shows the text of the field's key (present
// while ShowDispLabel is set). Both sit on the field's parent and follow its place and state.
class TTrvAbstractLookup : public QObject
{
    Q_OBJECT

public:
    explicit TTrvAbstractLookup(TTrvEdit *edit);
    ~TTrvAbstractLookup() override;

    TTrvEdit *Edit() const { return m_edit; }

    bool ShowDispLabel() const { return m_showDispLabel; }
    void SetShowDispLabel(bool show);
    QStringList Entries() const { return m_entries; }
    void SetEntries(const QStringList &entries);
    // The text of the entry with that key; found tells whether there is one.
    QString EntryText(const QString &key, bool *found = nullptr) const;

    QToolButton *PopupButton() const { return m_button; }
    QLabel *DispLabel() const { return m_label; }

    // Shows the text of the field's key in the label; returns whether the field's text is a key.
    bool CheckKey();
    // Opens the popup list (F2 or the popup button).
    virtual void ShowLookup() = 0;

    // Creates or frees the button and the label, then places them and sets their state.
    void Refresh();
    // Frees the button and the label (before the field moves to another parent).
    void ReleaseControls();
    void UpdatePlacement();
    void UpdateState();

signals:
    void BeforeLookup(TTrvEdit *edit, bool keyFound, bool *showSelection);
    void AfterLookup(TTrvEdit *edit, bool keySelect);

protected:
    // Writes the popup's result into the field, selects it, focuses the field and raises AfterLookup.
    void acceptResult(const QString &result);

private:
    TTrvEdit *m_edit;
    bool m_showDispLabel = false;
    QStringList m_entries;
    QPointer<QToolButton> m_button;
    QPointer<QLabel> m_label;
};

class TLookup : public TTrvAbstractLookup
{
    Q_OBJECT

public:
    explicit TLookup(TTrvEdit *edit);
    ~TLookup() override;

    bool MultiSel() const { return m_multiSel; }
    void SetMultiSel(bool multiSel) { m_multiSel = multiSel; }

    void ShowLookup() override;

private:
    bool m_multiSel = false;
    std::unique_ptr<ITrvLookupPopup> m_popup;
};
