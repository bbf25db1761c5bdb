#pragma once

#include "controls/translatable.h"

#include <QTabWidget>

// The page control of the control library: pages can be shown without the border around them, and a
// page's accelerator ("&" in its caption) switches to it. Its texts are the page captions.
class TTrvPageControl : public QTabWidget, public ITrvTranslatable
{
    Q_OBJECT
    Q_INTERFACES(ITrvTranslatable)
    Q_PROPERTY(bool HasBorder READ HasBorder WRITE SetHasBorder)

public:
    explicit TTrvPageControl(QWidget *parent = nullptr);

    bool HasBorder() const { return m_hasBorder; }
    void SetHasBorder(bool hasBorder);

    QStringList GetTexts() const override;
    void SetTexts(const QStringList &lines, int first, int count) override;

private:
    bool m_hasBorder = true;
};
