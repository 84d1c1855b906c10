#include "siblings/CProductManagePanel.h"

#include "data/TTError.h"

namespace Ocv {

CProductManagePanel::CProductManagePanel(QWidget* parent)
    : Kx::CBaseWidget(QStringLiteral("product_manage_panel"), false, parent)
{
}

CProductManagePanel::~CProductManagePanel() = default;

void CProductManagePanel::switchSystem(int, const QString& systemName)
{
    m_systemName = systemName;
}

int CProductManagePanel::isAllRiskControlEnable() const
{
    return 0;
}

void CProductManagePanel::EnableAllRiskControl(int) {}

void CProductManagePanel::query() {}

void CProductManagePanel::onQueried(quint64, const utils::TTError&, const std::vector<ttservice::IDataPtr>&) {}

void CProductManagePanel::onChanged(quint64, const utils::TTError&) {}

void CProductManagePanel::fillTable() {}

void CProductManagePanel::setMessage(const QString&) {}

} // namespace Ocv
