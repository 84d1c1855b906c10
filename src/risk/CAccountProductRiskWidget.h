#pragma once

#include "WelcomeGlobal.h"
#include "kx/CBaseWidget.h"

namespace Ocv {

class CRiskControlApprovalWidget;
class CTopAccountProductRiskWidget;

// The risk overview of the quick-operation tab: the strip of tiles on top, the risk-control
// widgets on a grid under it, with dividing lines. It passes system switches down.
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

protected:
    void createUi();
    void paintEvent(QPaintEvent* event) override;

private:
    int approvalX() const;

    int m_systemId = 0;
    QString m_systemName;
    CTopAccountProductRiskWidget* m_pTopWidget = nullptr;
    CRiskControlApprovalWidget* m_pApprovalWidget = nullptr;
};

} // namespace Ocv
