#include "risk/CAccountProductRiskWidget.h"

#include "base/Hairlines.h"
#include "data/CVornClientCenter.h"
#include "kx/CUiResource.h"
#include "risk/CAccountRiskControlWidget.h"
#include "risk/CAllRiskControlWidget.h"
#include "risk/CFeaturedRiskControlWidget.h"
#include "risk/CProductRiskControlWidget.h"
#include "risk/CRiskControlApprovalWidget.h"
#include "risk/CTopAccountProductRiskWidget.h"
#include "utils/CSingletonT.h"

#include <QPainter>

namespace Ocv {

namespace {
const QString kDividerColorKey = QStringLiteral("clr_welcome_splite_line");
const QColor kFeaturedFrameColor(14, 122, 239);
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
    m_pAllRiskWidget = new CAllRiskControlWidget(this);
    m_pAccountWidget = new CAccountRiskControlWidget(this);
    m_pProductWidget = new CProductRiskControlWidget(this);
    m_pApprovalWidget = new CRiskControlApprovalWidget(this);
    m_pFeaturedWidget = new CFeaturedRiskControlWidget(this);

    const bool loginTypeClient = utils::CSingletonT<CVornClientCenter>::instance()->hasClientLoginTypeAuth(0);
    m_pApprovalWidget->setVisible(!loginTypeClient);
    m_pFeaturedWidget->setVisible(!loginTypeClient);
    m_pAllRiskWidget->setVisible(false);
    m_pAccountWidget->setVisible(!loginTypeClient);
    m_pProductWidget->setVisible(!loginTypeClient);
    layoutChildren();
}

void CAccountProductRiskWidget::switchSystem(int systemId, QString systemName)
{
    m_systemId = systemId;
    m_systemName = systemName;
    m_pTopWidget->switchSystem(systemId, systemName);
    m_pAllRiskWidget->switchSystem(systemId, systemName);
    m_pAccountWidget->switchSystem(systemId, systemName);
    m_pProductWidget->switchSystem(systemId, systemName);
    m_pApprovalWidget->switchSystem(systemId, systemName);
}

void CAccountProductRiskWidget::setParam(const QString&) {}

QString CAccountProductRiskWidget::param() const
{
    return QString();
}

// Only the all-risk block's visibility moves the columns; hidden children are placed all the same.
void CAccountProductRiskWidget::layoutChildren()
{
    m_pTopWidget->move(0, 0);
    m_pFeaturedWidget->move(m_pTopWidget->width(), 0);
    const int y = m_pTopWidget->height() + 1;
    int x = 0;
    if (m_pAllRiskWidget->isVisibleTo(this)) {
        m_pAllRiskWidget->move(0, y);
        x = m_pAllRiskWidget->width();
    }
    m_pAccountWidget->move(x, y);
    x += m_pAccountWidget->width();
    m_pProductWidget->move(x, y);
    x += m_pProductWidget->width();
    m_pApprovalWidget->move(x, y);
}

// Lays the children out again on every paint (the all-risk block may have been shown since).
void CAccountProductRiskWidget::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    layoutChildren();
    QPainter painter(this);
    const QColor divider = *utils::CSingletonT<Kx::CUiResource>::instance()->getColor(kDividerColorKey);
    const int stripWidth = m_pTopWidget->width();
    const int stripHeight = m_pTopWidget->height();
    const int featuredRight = stripWidth + m_pFeaturedWidget->width();
    drawHairLine(&painter, stripWidth, 0, stripWidth, stripHeight, kFeaturedFrameColor);
    drawHairLine(&painter, stripWidth, stripHeight, featuredRight, stripHeight, kFeaturedFrameColor);
    drawHairLine(&painter, featuredRight, 0, featuredRight, stripHeight, kFeaturedFrameColor);
    drawHairLine(&painter, 0, stripHeight, stripWidth, stripHeight, divider);
    for (const QWidget* column :
         {static_cast<QWidget*>(m_pAccountWidget), static_cast<QWidget*>(m_pProductWidget),
          static_cast<QWidget*>(m_pApprovalWidget)})
        drawHairLine(&painter, column->x(), column->y(), column->x(), height(), divider);
}

} // namespace Ocv
