#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

// The accelerator assigner: gives every captioned control an "&" accelerator so that no letter repeats
// within what is visible together. Free of widgets: the form walk that fills the groups lives beside the
// controls (AssignAccelerators); this part holds the groups and the assignment.

// Kinds of items, in the order in which they choose their letters.
enum TTrvAcceleratorKind {
    akTabSheet = 1,
    akButton = 2,
    akLabel = 3,
    akCheckBox = 4,
    akRadioButton = 5,
    akRadioGroupItem = 6,
};

// Whether an upper-case character may serve as accelerator: a digit, A-Z, Ä, Ö or Ü.
bool IsAcceleratorChar(QChar upper);
// The accelerator a caption already has: the upper-cased character after the first "&" that is followed
// by an accelerator character; a null QChar when there is none.
QChar ExistingAccelerator(const QString &text);
// The distinct accelerator characters of the upper-cased text, in order of first appearance.
QString AcceleratorCandidates(const QString &text);
// The text with "&" put in front of the first occurrence of the character (compared in upper case).
QString InsertAccelerator(const QString &text, QChar accelerator);

class TTrvAcceleratorItem
{
public:
    using Writer = std::function<void(const QString &)>;

    TTrvAcceleratorItem(QObject *control, int itemIndex, int kind, const QString &text, Writer writer);

    QObject *control() const { return m_control; }
    int itemIndex() const { return m_itemIndex; }
    int kind() const { return m_kind; }
    QString text() const { return m_text; }
    QString candidates() const { return m_candidates; }
    // The assigned (or kept) accelerator; a null QChar for none.
    QChar accelerator() const { return m_accelerator; }
    int sortKey() const { return m_kind * 100 + int(m_candidates.size()); }

    // Takes the character: marks it in the text and writes the text back to the control.
    void assign(QChar accelerator);

private:
    QObject *m_control;
    int m_itemIndex;
    int m_kind;
    QString m_text;
    QString m_candidates;
    QChar m_accelerator;
    Writer m_writer;
};

class TTrvAcceleratorGroup
{
public:
    TTrvAcceleratorGroup(QObject *container, TTrvAcceleratorGroup *parent);

    QObject *container() const { return m_container; }
    TTrvAcceleratorGroup *parent() const { return m_parent; }
    const std::vector<std::unique_ptr<TTrvAcceleratorItem>> &items() const { return m_items; }
    const std::vector<std::unique_ptr<TTrvAcceleratorGroup>> &children() const { return m_children; }

    TTrvAcceleratorItem *addItem(QObject *control, int itemIndex, int kind, const QString &text,
                                 TTrvAcceleratorItem::Writer writer);
    TTrvAcceleratorGroup *addChild(QObject *container);
    // The group of that container: this one or one below it; null when there is none.
    TTrvAcceleratorGroup *find(const QObject *container);

    // Assigns this group's items, then the child groups'. reserved holds upper-case characters.
    void assign(const QString &reserved);

private:
    // Reserved characters plus the accelerators of this group and all groups above it.
    QString usedCharacters(const QString &reserved) const;

    QObject *m_container;
    TTrvAcceleratorGroup *m_parent;
    std::vector<std::unique_ptr<TTrvAcceleratorItem>> m_items;
    std::vector<std::unique_ptr<TTrvAcceleratorGroup>> m_children;
};

// One assignment for one form: the root group and the reserved characters.
class TTrvAccelerator
{
public:
    TTrvAccelerator(QObject *form, const QString &reserved);

    TTrvAcceleratorGroup &root() { return m_root; }
    QString reserved() const { return m_reserved; }
    void addReserved(QChar c);

    void Assign();

private:
    TTrvAcceleratorGroup m_root;
    QString m_reserved;
};
