#pragma once

#include "WelcomeGlobal.h"
#include "kx/CBaseWidget.h"

#include <QRect>
#include <QString>

#include <array>
#include <memory>

class QPainter;
class QTimer;

namespace Kx {
class CImage;
class CSimpleTextWidget;
} // namespace Kx

namespace Ocv {

class CRiskControlApprovalDialog;

// The risk-approval column of the risk overview: three cards counting the approval requests that
// are pending, passed and rejected. A count opens the approval dialog filtered to its state; the
// counts come from the dialog's panel, so they read "**" until it has been opened once.
class WELCOME_EXPORT CRiskControlApprovalWidget : public Kx::CBaseWidget
{
    Q_OBJECT
public:
    explicit CRiskControlApprovalWidget(QWidget* parent);
    ~CRiskControlApprovalWidget() override;

    void switchSystem(int systemId, QString systemName);
    bool handleEvent(int eventId, int a, int b, const QString& text, void* data) override;
    void themeChanged() override;

    CRiskControlApprovalDialog* dialog() const { return m_pDialog; }
    Kx::CSimpleTextWidget* countLabel(int card) const { return m_counts[card]; }
    // Card i's click area.
    QRect cardRect(int card) const { return m_cards[card]; }

public slots:
    void slotTimeOut();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void setCount(int card, const QString& text);
    static constexpr int kCards = 3;

    void openDialog(int card);
    void updateLayout();
    void paintCard(QPainter* painter, int card) const;

    CRiskControlApprovalDialog* m_pDialog = nullptr;
    std::array<Kx::CSimpleTextWidget*, kCards> m_counts{};
    std::array<std::unique_ptr<Kx::CImage>, kCards> m_images;
    QTimer* m_pTimer = nullptr;
    QRect m_titleRect;
    int m_labelHeight = 0;
    std::array<int, kCards> m_cardTops{};
    std::array<QRect, kCards> m_cards;
};

} // namespace Ocv
