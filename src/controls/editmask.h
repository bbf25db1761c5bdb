#pragma once

#include <QFlags>
#include <QString>

// The overtype input mask of the typed edit field, free of any widget so it can be tested on its own.
//
// A mask is a string as long as the shown text. Each position is an editable class or a literal:
//   '#' a digit (and N or T at the 4th and 5th position, which is where a chrono field shows "NT"),
//   '$' a letter A-Z or a-z,
//   '@' any character but the blank,
//   anything else: a literal the position always shows.
// An editable position without an acceptable character shows '_'. Positions in this API are zero-based
// character indexes; the caret is the index of the character it stands in front of.

// Kind of value of an edit field; the order is the stored ordinal.
enum TEditType { etString = 0, etChron = 1, etTime = 2, etDate = 3, etInteger = 4, etFloat = 5 };

// Behaviour switches of an edit field; the bit of each is 1 << its ordinal.
enum TEditOption {
    eoAllowZMinuten = 0x01, // chrono fields accept a tens-of-minutes digit
    eoSaveMaskChars = 0x02, // Text keeps mask literals and is stored as given
    eoZeroAsBlanks = 0x04,  // writing the number 0 leaves the field empty
    eoHasUpDown = 0x08,     // kept only for time, date and integer fields
    eoTrimStrings = 0x10,   // string fields return their text trimmed
    eoHasChronPool = 0x20,  // chrono fields carry a course letter after the time
};
Q_DECLARE_FLAGS(TEditOptions, TEditOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TEditOptions)

inline constexpr TEditOptions DefaultEditOptions = TEditOptions(eoAllowZMinuten | eoSaveMaskChars | eoZeroAsBlanks);

// The character an empty editable position shows.
inline constexpr char16_t MaskBlank = u'_';

// True for '#', '$' and '@'.
bool IsEditableMaskChar(QChar maskChar);

// Whether typing c may put it at a position with mask character k: digits and '.' at '#' and '@', letters
// at '$' and '@', anything else at '@' only; a blank everywhere, and c wherever k equals c.
bool MaskAccepts(QChar c, QChar k);

// The date text format for a locale short date format and date separator: letters doubled, the year
// written with four digits, every other character turned into the separator ("d/M/yy", '/' gives
// "dd/mm/yyyy"). Letters follow the convention d day, m month, y year, h hour, n minute, s second.
QString DateTextFormat(const QString &shortDateFormat, QChar dateSeparator);

// DateTextFormat of a Qt short date format ("M/d/yy", "dd.MM.yy"): Qt's letters are mapped first ('M'
// month, month names as the month number, day names dropped) and the separator is the first character
// after a date letter that is neither a letter nor a blank ('/' when there is none).
QString QtDateTextFormat(const QString &qtShortFormat, QChar *separator = nullptr);

// DateTextFormat of the default locale (QLocale()), read once at first use, so later changes of the
// locale do not reach open fields.
QString LocaleDateTextFormat();
// The date separator that goes with LocaleDateTextFormat.
QChar LocaleDateSeparator();

// The mask a field of that type and options shows; editMask is used for etString only.
QString BuildEditMask(TEditType type, TEditOptions options, const QString &editMask, const QString &dateTextFormat);

// The text normalised against the mask: exactly as long as the mask, literals in place, editable positions
// holding an acceptable character or '_'. An empty mask returns the text unchanged.
QString ApplyMask(const QString &text, const QString &mask);

// The text poured into the editable positions of the mask in order (literals take the mask character,
// editable positions past the value take '_'). Used when a field does not keep mask characters.
QString PourIntoMask(const QString &value, const QString &mask);

// The text of the Text property for a shown text: '_' read as blanks, then by type.
QString ReadMaskedText(const QString &shown, const QString &mask, TEditType type, TEditOptions options);

// Result of one key on a masked field.
struct TMaskEditResult {
    QString text;  // the new shown text
    int caret = 0; // new caret index (the selection is gone)
    bool beep = false;
};

// Typing the character c (overtype). caret is the caret index, or the start of the selection when
// selLength > 0. Never inserts: either writes c at one position or refuses with a beep.
TMaskEditResult MaskTypeChar(const QString &text, const QString &mask, int caret, int selLength, QChar c);

// Typing in a chrono field: MaskTypeChar with two corrections, so that a time typed as it is written
// reads as that time. A "." or ":" typed right behind the same separator (the caret has already jumped
// over it) changes nothing instead of landing in the digit behind it ("3:20.00"); and a "." typed while
// only minute digits are filled in moves those digits into the seconds ("50.00" is 50 seconds, not 50
// minutes).
TMaskEditResult ChronTypeChar(const QString &text, const QString &mask, int caret, int selLength, QChar c);

// Delete (backspace false) or Backspace (true) at the caret, or over the selection when selLength > 0.
// The result text has the mask applied.
TMaskEditResult MaskErase(const QString &text, const QString &mask, int caret, int selLength, bool backspace);
