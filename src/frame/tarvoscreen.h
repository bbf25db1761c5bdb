#pragma once

#include "frame/tarvoform.h"

#include <memory>

namespace Ui {
class TTrvFTarvoScreen;
}

// The start screen and about box: the program picture with the product name, the build, the beta mark,
// the maker's panel and an OK button (hidden while it serves as start screen).
class TTrvFTarvoScreen : public TTrvTarvoForm
{
    Q_OBJECT

public:
    explicit TTrvFTarvoScreen(QWidget *parent = nullptr);
    ~TTrvFTarvoScreen() override;

    // The texts as shown, for the program and its tests.
    QString ApplicationText() const;
    QString BuildText() const;
    bool BetaMarkVisible() const;
    // The line where start-up progress can be shown.
    void SetProgressText(const QString &text);
    void SetCustomInfo(const QString &text);

protected:
    void PrepareAsStartScreen() override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    std::unique_ptr<Ui::TTrvFTarvoScreen> m_ui;
    QPoint m_dragOffset;
};
