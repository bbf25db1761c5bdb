#include "base/bsstring.h"

#include "base/converterror.h"
#include "base/format.h"
#include "base/stringlist.h"
#include "base/textcodec.h"
#include "base/tokenizer.h"

#include <QLocale>

namespace {

const QString kAccented = QStringLiteral("ÁÀÂÃÄÆÇÉÈÊËÍÌÎÏÑÓÒÔÕÖÚÙÛÜáàâãäçéèêëíìîïñóòôõöúùûü");
const QString kPlain = QStringLiteral("AAAAAACEEEEIIIINOOOOOUUUUaaaaaceeeeiiiinooooouuuu");

// The Windows-1252 bytes of the eight characters and their ISO 8859-15 bytes.
const unsigned char kCp1252[8] = {0x80, 0x8A, 0x9A, 0x8E, 0x9E, 0x8C, 0x9C, 0x9F};
const unsigned char kIso15[8] = {0xA4, 0xA6, 0xA8, 0xB4, 0xB8, 0xBC, 0xBD, 0xBE};

double localeNumber(const QString &text, bool *ok)
{
    return QLocale().toDouble(text.trimmed(), ok);
}

} // namespace

QString BSRemoveAccents(const QString &text)
{
    QString result = text;
    for (QChar &c : result) {
        const qsizetype i = kAccented.indexOf(c);
        if (i >= 0)
            c = kPlain[i];
    }
    return result;
}

bool BSMatchesPattern(const QString &pattern, const QString &word)
{
    if (pattern == QLatin1String("*"))
        return true;
    if (pattern.isEmpty())
        return false;
    const bool leading = pattern.startsWith(QLatin1Char('*'));
    const bool trailing = pattern.size() > 1 && pattern.endsWith(QLatin1Char('*'));
    QString rest = pattern;
    rest.remove(QLatin1Char('*'));
    if (rest.isEmpty())
        return false;
    const qsizetype p = word.indexOf(rest);
    if (p < 0)
        return false;
    if (!leading && p != 0)
        return false;
    if (!trailing && p + rest.size() != word.size())
        return false;
    return true;
}

BSRef<IBSString> TBSString::self()
{
    return std::dynamic_pointer_cast<IBSString>(shared_from_this());
}

BSRef<IBSString> TBSString::AppendString(const BSRef<IBSString> &other, const QString &separator)
{
    return Append(other ? other->Text() : QString(), separator);
}

BSRef<IBSString> TBSString::Append(const QString &text, const QString &separator)
{
    if (!text.isEmpty()) {
        if (!m_text.isEmpty())
            m_text += separator;
        m_text += text;
    }
    return self();
}

BSRef<IBSString> TBSString::AppendFormat(const QString &format, const QVariantList &arguments,
                                         const QString &separator)
{
    return Append(BSFormat(format, arguments), separator);
}

BSRef<IBSString> TBSString::Prepend(const QString &text, const QString &separator)
{
    if (!text.isEmpty())
        m_text = m_text.isEmpty() ? text : text + separator + m_text;
    return self();
}

BSRef<IBSString> TBSString::PrependString(const BSRef<IBSString> &other, const QString &separator)
{
    return Prepend(other ? other->Text() : QString(), separator);
}

BSRef<IBSString> TBSString::MakeIdentifier()
{
    const QString plain = BSRemoveAccents(m_text);
    QString identifier;
    for (QChar c : plain) {
        const char16_t u = c.unicode();
        if ((u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || u == '_')
            identifier += c;
    }
    if (!identifier.isEmpty() && identifier[0].isDigit())
        identifier.prepend(QLatin1Char('X'));
    m_text = identifier;
    return self();
}

BSRef<IBSString> TBSString::RemoveAccents()
{
    m_text = BSRemoveAccents(m_text);
    return self();
}

BSRef<IBSString> TBSString::ToAscii()
{
    m_text.replace(QStringLiteral("Ä"), QStringLiteral("Ae"))
        .replace(QStringLiteral("Ö"), QStringLiteral("Oe"))
        .replace(QStringLiteral("Ü"), QStringLiteral("Ue"))
        .replace(QStringLiteral("ß"), QStringLiteral("ss"))
        .replace(QStringLiteral("ä"), QStringLiteral("ae"))
        .replace(QStringLiteral("ö"), QStringLiteral("oe"))
        .replace(QStringLiteral("ü"), QStringLiteral("ue"));
    return RemoveAccents();
}

BSRef<IBSString> TBSString::UpperCase()
{
    m_text = QLocale().toUpper(m_text);
    return self();
}

BSRef<IBSString> TBSString::TitleCase()
{
    m_text = QLocale().toLower(m_text);
    bool startOfWord = true;
    for (qsizetype i = 0; i < m_text.size(); ++i) {
        const QChar c = m_text[i];
        if (startOfWord)
            m_text[i] = c.toUpper();
        startOfWord = c == QLatin1Char(' ') || c == QLatin1Char(',') || c == QLatin1Char('-')
            || c == QLatin1Char('.') || c == QLatin1Char('/');
    }
    return self();
}

BSRef<IBSString> TBSString::SwapCodePage()
{
    for (QChar &c : m_text) {
        unsigned char byte;
        if (!BSWindows1252Byte(c, byte))
            continue;
        for (int i = 0; i < 8; ++i) {
            if (byte == kCp1252[i]) {
                c = BSWindows1252Char(kIso15[i]);
                break;
            }
            if (byte == kIso15[i]) {
                c = BSWindows1252Char(kCp1252[i]);
                break;
            }
        }
    }
    return self();
}

BSRef<IBSString> TBSString::Copy(int from, int count)
{
    const qsizetype start = std::max(from, 1) - 1;
    if (count <= 0 || start >= m_text.size())
        m_text.clear();
    else
        m_text = m_text.mid(start, count);
    return self();
}

BSRef<IBSString> TBSString::Pad(int length, QChar fill, int alignment)
{
    if (length <= 0) {
        m_text.clear();
        return self();
    }
    if (m_text.size() >= length) {
        m_text.truncate(length);
        return self();
    }
    const int missing = length - int(m_text.size());
    switch (alignment) {
    case 1:
        m_text.prepend(QString(missing, fill));
        break;
    case 2:
        m_text = QString(missing / 2, fill) + m_text + QString(missing - missing / 2, fill);
        break;
    default:
        m_text.append(QString(missing, fill));
        break;
    }
    return self();
}

BSRef<IBSString> TBSString::ReplaceAll(const QString &oldText, const QString &newText)
{
    if (!oldText.isEmpty())
        m_text.replace(oldText, newText, Qt::CaseSensitive);
    return self();
}

bool TBSString::MatchesWords(const QString &search, const QString &separators) const
{
    if (search.isEmpty())
        return false;
    const QLocale locale;
    const QStringList words = NewTokenizer(locale.toUpper(BSRemoveAccents(m_text)), separators, true)->Tokens()->Items();
    const QStringList patterns = NewTokenizer(locale.toUpper(BSRemoveAccents(search)), separators, true)->Tokens()->Items();
    for (const QString &pattern : patterns) {
        bool found = false;
        for (const QString &word : words)
            if (BSMatchesPattern(pattern, word)) {
                found = true;
                break;
            }
        if (!found)
            return false;
    }
    return true;
}

bool TBSString::IsEMail() const
{
    const qsizetype at = m_text.indexOf(QLatin1Char('@'));
    if (at < 1 || at == m_text.size() - 1)
        return false;
    const QString local = m_text.left(at);
    const QString domain = m_text.mid(at + 1);
    for (QChar c : local)
        if (c.unicode() < 32 || c.unicode() > 126)
            return false;
    if (local.startsWith(QLatin1Char('.')) || local.endsWith(QLatin1Char('.')))
        return false;
    for (QChar c : domain) {
        const char16_t u = c.unicode();
        const bool allowed = (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || u == '-'
            || u == '.';
        if (!allowed)
            return false;
    }
    return domain.contains(QLatin1Char('.')) && !domain.startsWith(QLatin1Char('.'))
        && !domain.endsWith(QLatin1Char('.'));
}

int32_t TBSString::AsInteger(int32_t defaultValue) const
{
    return BSStrToIntDef(m_text, defaultValue);
}

double TBSString::AsFloat(double defaultValue) const
{
    bool ok = false;
    const double value = localeNumber(m_text, &ok);
    return ok ? value : defaultValue;
}

double TBSString::AsDegrees() const
{
    if (m_text.isEmpty())
        return 0;
    QString text = m_text;
    double sign = 0;
    const QChar first = text[0];
    if (first == QLatin1Char('N') || first == QLatin1Char('E')) {
        sign = 1;
        text.remove(0, 1);
    } else if (first == QLatin1Char('S') || first == QLatin1Char('W')) {
        sign = -1;
        text.remove(0, 1);
    }
    auto number = [](const QString &part) {
        bool ok = false;
        const double value = localeNumber(part, &ok);
        return ok ? value : 0.0;
    };
    const qsizetype degreeMark = text.indexOf(QChar(0x00B0));
    double value = number(degreeMark < 0 ? text : text.left(degreeMark));
    if (degreeMark >= 0) {
        const QString rest = text.mid(degreeMark + 1);
        const qsizetype minuteMark = rest.indexOf(QLatin1Char('\''));
        const QString minutes = minuteMark < 0 ? rest : rest.left(minuteMark);
        QString seconds = minuteMark < 0 ? QString() : rest.mid(minuteMark + 1);
        seconds.remove(QLatin1Char('"'));
        seconds.remove(QLatin1String("''"));
        value += number(minutes) / 60.0 + number(seconds) / 3600.0;
    }
    return sign != 0 ? value * sign : value;
}

BSRef<IBSString> NewString(const QString &text)
{
    return BSNew<TBSString>(text);
}
