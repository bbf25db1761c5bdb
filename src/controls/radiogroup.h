#pragma once

#include "controls/translatable.h"
#include "frame/inistored.h"

#include <QGroupBox>
#include <QList>
#include <QPointer>

class QButtonGroup;
class QGridLayout;
#include <QLabel>
class QRadioButton;

// A group box of radio buttons made from a list of item texts, arranged in columns (filled column by
// column). Read-only shows the selection greyed while the item captions stay readable (one label over
// each caption) and refuses every change of the selection by the user.
class TTrvRadioGroup : public QGroupBox, public ITrvTranslatable, public ITrvIniStored
{
    Q_OBJECT
    Q_INTERFACES(ITrvTranslatable ITrvIniStored)
    Q_PROPERTY(QStringList Items READ Items WRITE SetItems)
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex)
    Q_PROPERTY(int Columns READ Columns WRITE SetColumns)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)

public:
    explicit TTrvRadioGroup(QWidget *parent = nullptr);
    explicit TTrvRadioGroup(const QString &caption, QWidget *parent = nullptr);
    ~TTrvRadioGroup() override;

    QString Caption() const { return title(); }
    void SetCaption(const QString &caption) { setTitle(caption); }
    QStringList Items() const { return m_items; }
    void SetItems(const QStringList &items);
    // Changes one item's text.
    void SetItemText(int index, const QString &text);
    int ItemIndex() const { return m_itemIndex; }
    // Selects an item; an index out of range selects none.
    void SetItemIndex(int index);
    int Columns() const { return m_columns; }
    void SetColumns(int columns);

    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    void setEnabled(bool enabled) { SetEnabled(enabled); }
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly);

    QRadioButton *Button(int index) const;
    // The labels over the item captions while read-only (empty otherwise).
    QList<QLabel *> Overlays() const;

    // ItemIndex under the object name.
    void LoadFromIni(TTrvIniFile &ini, const QString &section) override;
    void SaveToIni(TTrvIniFile &ini, const QString &section) override;

    QStringList GetTexts() const override;
    void SetTexts(const QStringList &lines, int first, int count) override;

signals:
    // The user chose another item.
    void OnClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void rebuildButtons();
    void arrange();
    void updateOverlays();
    void buttonClicked(int index);

    QStringList m_items;
    QList<QRadioButton *> m_buttons;
    QList<QPointer<QLabel>> m_overlays;
    QButtonGroup *m_group;
    QGridLayout *m_layout;
    int m_itemIndex = -1;
    int m_columns = 1;
    bool m_enabled = true;
    bool m_readOnly = false;
};
