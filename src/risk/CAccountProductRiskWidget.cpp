#include "risk/CAccountProductRiskWidget.h"

namespace Ocv {

CAccountProductRiskWidget::CAccountProductRiskWidget(QWidget* parent)
    : Kx::CBaseWidget(QStringLiteral("account_product_risk"), false, parent)
{
}

CAccountProductRiskWidget::~CAccountProductRiskWidget() = default;

void CAccountProductRiskWidget::switchSystem(int systemId, QString systemName)
{
    m_systemId = systemId;
    m_systemName = systemName;
}

void CAccountProductRiskWidget::setParam(const QString&) {}

QString CAccountProductRiskWidget::param() const
{
    return QString();
}

} // namespace Ocv
