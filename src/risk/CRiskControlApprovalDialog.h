#pragma once

#include "WelcomeGlobal.h"
#include "kx/CCommonDialog.h"

namespace Ocv {

class CRiskApprovalPanel;

// Hosts the risk-approval panel, with a close button under it.
class WELCOME_EXPORT CRiskControlApprovalDialog : public Kx::CCommonDialog
{
    Q_OBJECT
public:
    explicit CRiskControlApprovalDialog(QWidget* parent);
    ~CRiskControlApprovalDialog() override;

    CRiskApprovalPanel* panel() const { return m_pPanel; }
    bool handleEvent(int eventId, int a, int b, const QString& text, void* data) override;

private:
    CRiskApprovalPanel* m_pPanel = nullptr;
};

} // namespace Ocv
