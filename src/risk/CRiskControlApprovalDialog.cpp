#include "risk/CRiskControlApprovalDialog.h"

#include "kx/CSmallNormalButton.h"
#include "kx/CWidgetList.h"
#include "siblings/CRiskApprovalPanel.h"

namespace Ocv {

namespace {
constexpr int kMinWidth = 870;
constexpr int kMinHeight = 530;
constexpr int kAnchorFill = 3;
constexpr int kBottomGap = 10;
} // namespace

CRiskControlApprovalDialog::CRiskControlApprovalDialog(QWidget* parent) : Kx::CCommonDialog(parent)
{
    setObjectName(QStringLiteral("risk_control_approval_dialog"));
    setMinimumSize(kMinWidth, kMinHeight);

    auto* list = new Kx::CWidgetList(Qt::Vertical, nullptr);
    list->setMargin(0, 0, 0, 0);
    list->setSpacing(0);
    m_pPanel = new CRiskApprovalPanel(true, this);
    list->addStretchWidget(m_pPanel, 1, kAnchorFill, false);

    auto* row = new Kx::CWidgetList(Qt::Horizontal, list);
    row->setMargin(0, 5, 5, 0);
    row->setSpacing(0);
    row->addStretchSpace(1);
    auto* close = new Kx::CSmallNormalButton(Kx::CCommonDialog::CloseButtonId, true,
                                             Kx::CSmallNormalButton::SmallNormal, row);
    close->setObjectName(QStringLiteral("risk_control_approval_close"));
    close->setText(QStringLiteral("关闭"));
    close->setFixedSize(70, 28);
    row->addFixedWidget(close, kAnchorFill, true);
    list->addFixedWidget(row, kAnchorFill, true);
    list->addFixedSpace(kBottomGap);
    setInnerWidget(list);
}

CRiskControlApprovalDialog::~CRiskControlApprovalDialog() = default;

bool CRiskControlApprovalDialog::handleEvent(int eventId, int a, int b, const QString& text, void* data)
{
    return Kx::CCommonDialog::handleEvent(eventId, a, b, text, data);
}

} // namespace Ocv
