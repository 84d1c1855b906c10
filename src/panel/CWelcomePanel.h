#pragma once

#include "WelcomeGlobal.h"
#include "common/IvornDockableWidget.h"

namespace Ocv {

class CWelcomeWidget;
class CAccountProductRiskWidget;

// The home panel docked under the id "wlc": a tab control with the quick-operation tab
// (for qualifying users) and the system-status tab.
class WELCOME_EXPORT CWelcomePanel : public IvornDockableWidget
{
    Q_OBJECT
public:
    explicit CWelcomePanel(QWidget* parent = nullptr);
    ~CWelcomePanel() override;

    void setParam(const QString& param) override;
    QString param() const override;
    void switchSystem(int systemId, QString systemName) override;

protected:
    void cerateUi();

private:
    CWelcomeWidget* m_pWelcomeWidget = nullptr;
    CAccountProductRiskWidget* m_pRiskWidget = nullptr;
};

} // namespace Ocv
