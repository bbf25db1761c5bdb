#include "base/wildcard.h"

bool BSWildcardMatch(const QString &pattern, const QString &text, Qt::CaseSensitivity cs)
{
    // Greedy matching with one back-tracking point: the last "*" seen.
    qsizetype p = 0, t = 0, starP = -1, starT = 0;
    const qsizetype pn = pattern.size(), tn = text.size();
    auto same = [cs](QChar a, QChar b) {
        return cs == Qt::CaseSensitive ? a == b : a.toCaseFolded() == b.toCaseFolded();
    };
    while (t < tn) {
        if (p < pn && pattern[p] == QLatin1Char('*')) {
            starP = p++;
            starT = t;
        } else if (p < pn && (pattern[p] == QLatin1Char('?') || same(pattern[p], text[t]))) {
            ++p;
            ++t;
        } else if (starP >= 0) {
            p = starP + 1;
            t = ++starT;
        } else {
            return false;
        }
    }
    while (p < pn && pattern[p] == QLatin1Char('*'))
        ++p;
    return p == pn;
}

bool BSFileNameMatch(const QString &pattern, const QString &name)
{
    if (pattern.isEmpty())
        return false;
    if (pattern == QLatin1String("*.*"))
        return true;
    if (BSWildcardMatch(pattern, name, Qt::CaseInsensitive))
        return true;
    if (pattern.size() > 2 && pattern.endsWith(QLatin1String(".*")) && !name.contains(QLatin1Char('.')))
        return BSWildcardMatch(pattern.chopped(2), name, Qt::CaseInsensitive);
    if (pattern.endsWith(QLatin1Char('.')) && !pattern.endsWith(QLatin1String("..")))
        return !name.contains(QLatin1Char('.')) && BSWildcardMatch(pattern.chopped(1), name, Qt::CaseInsensitive);
    return false;
}
