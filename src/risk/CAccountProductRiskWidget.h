#pragma once

#include "WelcomeGlobal.h"
#include "kx/CBaseWidget.h"

namespace Ocv {

class CAccountRiskControlWidget;
class CAllRiskControlWidget;
class CFeaturedRiskControlWidget;
class CProductRiskControlWidget;
class CRiskControlApprovalWidget;
class CTopAccountProductRiskWidget;

// The risk overview of the quick-operation tab: the strip of tiles with the featured card beside
// it on top, the risk-control widgets in a row of columns under it, with dividing lines. It
// passes system switches down. The all-risk block is kept hidden; shown, it takes the first
// column and moves the others right.
class WELCOME_EXPORT CAccountProductRiskWidget : public Kx::CBaseWidget
{
    Q_OBJECT
public:
    explicit CAccountProductRiskWidget(QWidget* parent);
    ~CAccountProductRiskWidget() override;

    void switchSystem(int systemId, QString systemName);
    void setParam(const QString& param) override;
    QString param() const override;

    int systemId() const { return m_systemId; }
    QString systemName() const { return m_systemName; }
    CTopAccountProductRiskWidget* topWidget() const { return m_pTopWidget; }
    CRiskControlApprovalWidget* approvalWidget() const { return m_pApprovalWidget; }
    CAllRiskControlWidget* allRiskWidget() const { return m_pAllRiskWidget; }
    CFeaturedRiskControlWidget* featuredWidget() const { return m_pFeaturedWidget; }
    CAccountRiskControlWidget* accountWidget() const { return m_pAccountWidget; }
    CProductRiskControlWidget* productWidget() const { return m_pProductWidget; }

protected:
    void createUi();
    void paintEvent(QPaintEvent* event) override;

private:
    void layoutChildren();

    int m_systemId = 0;
    QString m_systemName;
    CTopAccountProductRiskWidget* m_pTopWidget = nullptr;
    CAllRiskControlWidget* m_pAllRiskWidget = nullptr;
    CAccountRiskControlWidget* m_pAccountWidget = nullptr;
    CProductRiskControlWidget* m_pProductWidget = nullptr;
    CRiskControlApprovalWidget* m_pApprovalWidget = nullptr;
    CFeaturedRiskControlWidget* m_pFeaturedWidget = nullptr;
};

} // namespace Ocv
