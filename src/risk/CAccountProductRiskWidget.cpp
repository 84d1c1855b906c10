#include "risk/CAccountProductRiskWidget.h"

#include "base/Hairlines.h"
#include "data/CVornClientCenter.h"
#include "kx/CUiResource.h"
#include "risk/CRiskControlApprovalWidget.h"
#include "risk/CTopAccountProductRiskWidget.h"
#include "utils/CSingletonT.h"

#include <QPainter>

namespace Ocv {

namespace {
const QString kDividerColorKey = QStringLiteral("clr_welcome_splite_line");
// The account and product risk columns left of the approval column are each this wide.
constexpr int kRiskColumnWidth = 380;
constexpr int kRiskColumnsBeforeApproval = 2;
} // namespace

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
    m_pApprovalWidget = new CRiskControlApprovalWidget(this);
    m_pApprovalWidget->move(approvalX(), m_pTopWidget->height() + 1);
    m_pApprovalWidget->setVisible(
        !utils::CSingletonT<CVornClientCenter>::instance()->hasClientLoginTypeAuth(0));
}

int CAccountProductRiskWidget::approvalX() const
{
    return kRiskColumnWidth * kRiskColumnsBeforeApproval;
}

void CAccountProductRiskWidget::switchSystem(int systemId, QString systemName)
{
    m_systemId = systemId;
    m_systemName = systemName;
    m_pTopWidget->switchSystem(systemId, systemName);
    m_pApprovalWidget->switchSystem(systemId, systemName);
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
    const int columnsTop = stripHeight + 1;
    for (int k = 0; k <= kRiskColumnsBeforeApproval; ++k)
        drawHairLine(&painter, kRiskColumnWidth * k, columnsTop, kRiskColumnWidth * k, height(), divider);
}

} // namespace Ocv
