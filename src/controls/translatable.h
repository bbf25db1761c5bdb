#pragma once

#include <QObject>
#include <QStringList>

// A control that takes its translated texts itself. The form translation hands it the catalogue's lines,
// the index of the entry's first line and the number of lines; GetTexts returns the control's texts in
// the same layout, one per line. Controls implement it beside their widget class; the translation finds
// it with dynamic_cast.
class ITrvTranslatable
{
public:
    static constexpr const char *GUID = "{C2E747C0-594C-11D3-B2B1-DC4D1C990D38}";

    virtual ~ITrvTranslatable() = default;
    virtual QStringList GetTexts() const = 0;
    virtual void SetTexts(const QStringList &lines, int first, int count) = 0;

protected:
    ITrvTranslatable() = default;
    ITrvTranslatable(const ITrvTranslatable &) = default;
    ITrvTranslatable &operator=(const ITrvTranslatable &) = default;
};

#define ITrvTranslatable_iid "Mirevo.ITrvTranslatable"
Q_DECLARE_INTERFACE(ITrvTranslatable, ITrvTranslatable_iid)

// Line i of the list, empty when it does not exist.
inline QString TranslationLine(const QStringList &lines, int i)
{
    return i >= 0 && i < lines.size() ? lines.at(i) : QString();
}
