#include "risk/CAccountProductRiskWidget.h"

#include "base/Hairlines.h"
#include "kx/CUiResource.h"
#include "risk/CTopAccountProductRiskWidget.h"
#include "utils/CSingletonT.h"

#include <QPainter>

namespace Ocv {

namespace {
const QString kDividerColorKey = QStringLiteral("clr_welcome_splite_line");
}

CAccountProductRiskWidget::CAccountProductRiskWidget(QWidget* parent)
    : Kx::CBaseWidget(QStringLiteral("account_product_risk"), false, parent)
{
    createUi();
}

CAccountProductRiskWidget::~CAccountProductRiskWidget() = default;

void CAccountProductRiskWidget::createUi()
{
    m_pTopWidget = new CTopAccountProductRiskWidget(this);
    m_pTopWidget->move(0, 0);
}

void CAccountProductRiskWidget::switchSystem(int systemId, QString systemName)
{
    m_systemId = systemId;
    m_systemName = systemName;
    m_pTopWidget->switchSystem(systemId, systemName);
}

void CAccountProductRiskWidget::setParam(const QString&) {}

QString CAccountProductRiskWidget::param() const
{
    return QString();
}

void CAccountProductRiskWidget::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    const QColor divider = *utils::CSingletonT<Kx::CUiResource>::instance()->getColor(kDividerColorKey);
    const int stripHeight = m_pTopWidget->height();
    drawHairLine(&painter, 0, stripHeight, m_pTopWidget->width(), stripHeight, divider);
}

} // namespace Ocv
