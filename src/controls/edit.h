#pragma once

#include "controls/colors.h"
#include "controls/editmask.h"
#include "controls/editvalue.h"
#include "domain/swimtime.h"
#include "frame/inistored.h"

#include <QLineEdit>

#include <cstdint>

class QTimer;
class TTrvAbstractLookup;

// The single-line edit field of every form: swim times (chrono), clock times, dates, integers, floats
// and plain strings. Chrono, time and date fields (and string fields with an EditMask) are filled in
// overtype fashion through their mask; numbers are clamped silently to their bounds. The field has its
// own colours per state, a delayed change notification, an exit check with a veto and an optional lookup
// list with popup button and caption label.
//
// Text and SetText are the field's value text (underscores read as blanks, by type); QLineEdit::text()
// stays the shown text. setText is hidden by SetText so that form designs go through the mask as well.
// The value is kept in the settings file through ITrvIniStored.
class TTrvEdit : public QLineEdit, public ITrvIniStored
{
    Q_OBJECT
    Q_INTERFACES(ITrvIniStored)
    Q_PROPERTY(int EditType READ editTypeOrdinal WRITE setEditTypeOrdinal)
    Q_PROPERTY(int Options READ optionBits WRITE setOptionBits)
    Q_PROPERTY(QString EditMask READ EditMask WRITE SetEditMask)
    Q_PROPERTY(int MinValue READ MinValue WRITE SetMinValue)
    Q_PROPERTY(int MaxValue READ MaxValue WRITE SetMaxValue)
    Q_PROPERTY(int Precision READ Precision WRITE SetPrecision)
    Q_PROPERTY(int DelayInterval READ DelayInterval WRITE SetDelayInterval)

public:
    enum TAlignment { taLeftJustify, taRightJustify, taCenter };
    enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

    explicit TTrvEdit(QWidget *parent = nullptr);
    ~TTrvEdit() override;

    TEditType EditType() const { return m_editType; }
    void SetEditType(TEditType type);
    TEditOptions Options() const { return m_options; }
    void SetOptions(TEditOptions options);
    QString EditMask() const { return m_editMask; }
    void SetEditMask(const QString &mask);
    // The mask in use (built from the type, or EditMask for string fields).
    QString Mask() const { return m_mask; }
    int32_t MinValue() const { return m_minValue; }
    void SetMinValue(int32_t value);
    int32_t MaxValue() const { return m_maxValue; }
    void SetMaxValue(int32_t value);
    int32_t Precision() const { return m_precision; }
    void SetPrecision(int32_t precision);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    TEditCharCase CharCase() const { return m_charCase; }
    void SetCharCase(TEditCharCase charCase);
    const TColors &Colors() const { return m_colors; }
    void SetColors(const TColors &colors);
    int DelayInterval() const;
    void SetDelayInterval(int milliseconds);
    QTimer *DelayTimer() const { return m_delayTimer; }
    // The lookup object, made through CreateLookup on first use.
    TTrvAbstractLookup *Lookup();

    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool readOnly) { QLineEdit::setReadOnly(readOnly); }
    void setReadOnly(bool readOnly) { SetReadOnly(readOnly); }
    // Whether Tab reaches the field; while read-only the value kept for later.
    bool TabStop() const;
    void SetTabStop(bool tabStop);
    // Set while the field has the input focus.
    bool Focused() const { return m_focused; }

    QString Text() const;
    void SetText(const QString &value);
    void setText(const QString &value) { SetText(value); }

    int32_t AsInteger();
    void SetAsInteger(int32_t value);
    long double AsFloat();
    void SetAsFloat(long double value);
    TDateTime AsDateTime() const;
    void SetAsDateTime(TDateTime value);
    TChron AsChron() const;
    void SetAsChron(TChron value);
    // Course letter of a chrono field with eoHasChronPool: 0 none, 1 "S", 2 "L", 3 "Y".
    int ChronPool() const;
    void SetChronPool(int pool);
    // The value in the form the settings file keeps.
    QString AsIniText();
    void SetAsIniText(const QString &text);

    // Clamps an integer or float field to MinValue and MaxValue (0 means no bound), silently.
    void CheckRange();
    // Normalises the shown text against the mask; keeps the selection.
    void ApplyMask();
    // Opens the lookup list (F2 or the popup button).
    void ShowLookup();

    // The value as AsIniText under the field's object name; loading keeps the value when the key is missing.
    void LoadFromIni(TTrvIniFile &ini, const QString &section) override;
    void SaveToIni(TTrvIniFile &ini, const QString &section) override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void OnChange();
    void OnDelayChange();
    // Exit check: a handler may set *canExit to false to keep the focus in the field.
    void OnValidate(TTrvEdit *edit, bool refFound, bool *canExit);
    void OnEnter();
    void OnExit();

protected:
    // Factory of the lookup object; the default makes a TLookup bound to this field.
    virtual TTrvAbstractLookup *CreateLookup();
    // The delay timer's handler.
    virtual void DelayElapsed();
    // The exit check; returns whether the focus may leave.
    virtual bool Validate();
    // Called before a paste or cut, before Delete and before a lookup result is written.
    virtual void BeforeTextEdit() {}

    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    friend class TTrvAbstractLookup;

    int editTypeOrdinal() const { return int(m_editType); }
    void setEditTypeOrdinal(int type);
    int optionBits() const { return int(m_options.toInt()); }
    void setOptionBits(int bits) { SetOptions(TEditOptions::fromInt(bits)); }

    void rebuildMask();
    void applyTypeWidth();
    int typeWidth() const;
    // Shows the text, then the mask, the old selection and CheckKey: the common path of every write.
    void writeShown(const QString &shown);
    void setShownText(const QString &shown);
    QString withCharCase(const QString &text) const;
    void typeCharacter(QChar c);
    void eraseAtCaret(bool backspace);
    void pasteFromClipboard();
    void cutToClipboard();
    void updateColors();
    void textWasChanged();
    void lookupStateChanged();

    TEditType m_editType = etString;
    TEditOptions m_options = DefaultEditOptions;
    QString m_editMask;
    QString m_mask;
    int32_t m_minValue = 0;
    int32_t m_maxValue = 0;
    int32_t m_precision = 0;
    TAlignment m_alignment = taLeftJustify;
    TEditCharCase m_charCase = ecNormal;
    TColors m_colors;
    QTimer *m_delayTimer = nullptr;
    TTrvAbstractLookup *m_lookup = nullptr;
    bool m_focused = false;
    bool m_savedTabStop = true;
};
