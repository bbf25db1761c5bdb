#include "base/tokenizer.h"

#include "base/stringlist.h"

TBSTokenizer::TBSTokenizer(const QString &text, const QString &separators, bool skipEmpty)
    : m_tokens(NewStringList())
{
    if (text.isEmpty())
        return;
    qsizetype start = 0;
    auto add = [&](qsizetype end) {
        const QString token = text.mid(start, end - start);
        if (!skipEmpty || !token.isEmpty())
            m_tokens->Add(token);
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (separators.contains(text[i])) {
            add(i);
            start = i + 1;
        }
    }
    add(text.size());
}

QString TBSTokenizer::Token(int i) const
{
    return i >= 0 && i < m_tokens->Count() ? m_tokens->Item(i) : QString();
}

int TBSTokenizer::Count() const
{
    return m_tokens->Count();
}

BSRef<IBSTokenizer> TBSTokenizer::TrimTokens()
{
    for (int i = 0; i < m_tokens->Count(); ++i)
        m_tokens->SetItem(i, m_tokens->Item(i).trimmed());
    return std::dynamic_pointer_cast<IBSTokenizer>(shared_from_this());
}

BSRef<IBSTokenizer> TBSTokenizer::Unquote()
{
    for (int i = 0; i < m_tokens->Count(); ++i) {
        const QString token = m_tokens->Item(i);
        if (token.startsWith(QLatin1Char('"')) || token.startsWith(QLatin1Char('\'')))
            m_tokens->SetItem(i, token.mid(1, std::max<qsizetype>(token.size() - 2, 0)));
    }
    return std::dynamic_pointer_cast<IBSTokenizer>(shared_from_this());
}

BSRef<IBSTokenizer> NewTokenizer(const QString &text, const QString &separators, bool skipEmpty)
{
    return BSNew<TBSTokenizer>(text, separators, skipEmpty);
}

BSRef<IBSTokenizer> NewListTokenizer(const QString &text)
{
    return NewTokenizer(text, QStringLiteral(";"), false);
}
