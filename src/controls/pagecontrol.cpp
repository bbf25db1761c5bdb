#include "controls/pagecontrol.h"

TTrvPageControl::TTrvPageControl(QWidget *parent)
    : QTabWidget(parent)
{
}

void TTrvPageControl::SetHasBorder(bool hasBorder)
{
    if (hasBorder == m_hasBorder)
        return;
    m_hasBorder = hasBorder;
    // Document mode draws the pages without a frame, over the whole area below the tabs.
    setDocumentMode(!hasBorder);
    update();
}

QStringList TTrvPageControl::GetTexts() const
{
    QStringList lines;
    for (int i = 0; i < count(); ++i)
        lines << tabText(i);
    return lines;
}

void TTrvPageControl::SetTexts(const QStringList &lines, int first, int count)
{
    const int pages = qMin(count, this->count());
    for (int i = 0; i < pages; ++i)
        setTabText(i, TranslationLine(lines, first + i));
}
