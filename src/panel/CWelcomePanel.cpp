#include "panel/CWelcomePanel.h"

#include "dashboard/CWelcomeWidget.h"
#include "data/CUserManager.h"
#include "data/CVornClientCenter.h"
#include "kx/CScrollArea.h"
#include "kx/CStandardTabControl.h"
#include "base/UserChecks.h"
#include "risk/CAccountProductRiskWidget.h"
#include "utils/CSingletonT.h"

namespace Ocv {

namespace {
constexpr int kContentWidth = 1760;
constexpr int kContentHeight = 890;
const int kQuickOperationUserTypes[] = {10, 11, 80, kListEnd};
} // namespace

CWelcomePanel::CWelcomePanel(QWidget* parent)
    : IvornDockableWidget(false, QStringLiteral("wlc"), parent, false)
{
    m_pRiskWidget = nullptr;
    cerateUi();
}

CWelcomePanel::~CWelcomePanel() = default;

void CWelcomePanel::setParam(const QString& param)
{
    m_pWelcomeWidget->setParam(param);
}

QString CWelcomePanel::param() const
{
    return m_pWelcomeWidget->param();
}

void CWelcomePanel::switchSystem(int systemId, QString systemName)
{
    IvornDockableWidget::switchSystem(systemId, systemName);
    m_pWelcomeWidget->setSystem(systemId, systemName);
    if (m_pRiskWidget)
        m_pRiskWidget->switchSystem(systemId, systemName);
}

void CWelcomePanel::cerateUi()
{
    const int userType = utils::CSingletonT<CUserManager>::instance()->getUserType();
    const bool quickOperationUser = isValueInList(userType, kQuickOperationUserTypes);

    auto* tabControl = new Kx::CStandardTabControl(this);
    if (!utils::CSingletonT<CVornClientCenter>::instance()->isAlgorithmBusClient() && quickOperationUser) {
        auto* riskArea = new Kx::CScrollArea(this);
        m_pRiskWidget = new CAccountProductRiskWidget(riskArea);
        m_pRiskWidget->setFixedSize(kContentWidth, kContentHeight);
        riskArea->setWidget(m_pRiskWidget);
        tabControl->addTabWidget(QStringLiteral("快捷操作"), riskArea, nullptr);
    }

    auto* statusArea = new Kx::CScrollArea(this);
    m_pWelcomeWidget = new CWelcomeWidget(statusArea);
    m_pWelcomeWidget->setFixedSize(kContentWidth, kContentHeight);
    m_pWelcomeWidget->autoScalingImage(width(), height());
    statusArea->setWidget(m_pWelcomeWidget);
    tabControl->addTabWidget(QStringLiteral("系统状态"), statusArea, nullptr);

    setInnerStretchWidget(tabControl, 0, 0, 0, 0);
}

} // namespace Ocv
