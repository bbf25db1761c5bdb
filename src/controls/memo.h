#pragma once

#include "controls/colors.h"
#include "frame/inistored.h"

#include <QPlainTextEdit>
#include <QPointer>

#include <QLabel>

// The multi-line edit of the control library: the edit field's colours per state, an optional label that
// shows the caret position as "line/column - count", removal of trailing blank lines (NoBlankLines) and
// Escape passed on to the dialog. The text is kept in the settings file through ITrvIniStored. Text and Lines honour NoBlankLines; setPlainText is hidden by SetText.
class TTrvMemo : public QPlainTextEdit, public ITrvIniStored
{
    Q_OBJECT
    Q_INTERFACES(ITrvIniStored)
    Q_PROPERTY(bool NoBlankLines READ NoBlankLines WRITE SetNoBlankLines)

public:
    explicit TTrvMemo(QWidget *parent = nullptr);
    ~TTrvMemo() override;

    const TColors &Colors() const { return m_colors; }
    void SetColors(const TColors &colors);
    QLabel *CaretPosControl() const { return m_caretLabel; }
    void SetCaretPosControl(QLabel *label);
    bool NoBlankLines() const { return m_noBlankLines; }
    void SetNoBlankLines(bool noBlankLines);

    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool readOnly);
    void setReadOnly(bool readOnly) { SetReadOnly(readOnly); }

    // The lines; the last line counts only when it is not empty, as a text ending in a line break has
    // no further line. Without trailing empty lines when NoBlankLines is set.
    QStringList Lines() const;
    void SetLines(const QStringList &lines);
    QString Text() const;
    void SetText(const QString &text);
    void setPlainText(const QString &text) { SetText(text); }

    // The text as a multi-line value under the memo's object name. Only the program's settings file
    // classes (TTrvIniFile, TTrvMemIniFile) are accepted; others stop with "Invalid INI file class!".
    void LoadFromIni(TTrvIniFile &ini, const QString &section) override;
    void SaveToIni(TTrvIniFile &ini, const QString &section) override;

    // The caret label's text for the current caret: "12/3 - 44".
    QString CaretPosText() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QStringList allLines() const;
    void updateCaretLabel();
    void updateColors();

    TColors m_colors;
    QPointer<QLabel> m_caretLabel;
    bool m_noBlankLines = false;
    bool m_focused = false;
};

// The lines of a text split at line breaks (CR LF, LF or CR); a final line break adds no empty line.
QStringList MemoLines(const QString &text);
// The list without its trailing empty lines.
QStringList WithoutTrailingBlankLines(QStringList lines);
