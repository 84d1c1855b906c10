#include "risk/RiskTemplateDialogs.h"

#include "base/EventIds.h"
#include "kx/CWidgetList.h"
#include "siblings/CProductRelateRCTemplateGroupWidget.h"
#include "siblings/CProductRelateRCTemplateWidget.h"
#include "siblings/CProductRiskControlTemplateGroupWidget.h"
#include "siblings/CProductRiskControlTemplateWidget.h"

namespace Ocv {

namespace {
constexpr int kMinimumWidth = 850;
constexpr int kMinimumHeight = 600;
constexpr int kListMinimumWidth = 380;
// Opened wider than the minimum, so that the panel's two lists show whole account names.
constexpr int kInitialWidth = 1100;
constexpr int kInitialHeight = 640;

void layoutTemplateDialog(Kx::CCommonDialog* dialog, const QString& title, QWidget* list, QWidget* panel)
{
    dialog->setTitle(title);
    dialog->setMinimumSize(kMinimumWidth, kMinimumHeight);
    dialog->resize(kInitialWidth, kInitialHeight);
    auto* row = new Kx::CWidgetList(Qt::Horizontal, dialog);
    row->setMargin(0, 0, 0, 0);
    row->setSpacing(0);
    list->setParent(row);
    list->setMinimumWidth(kListMinimumWidth);
    row->addFixedWidget(list, Kx::AnchorFill);
    panel->setParent(row);
    row->addStretchWidget(panel, 1, Kx::AnchorFill);
    dialog->setInnerWidget(row);
}

// Event 45 carries a pointer to the chosen one's shared pointer; the panel shows it and repaints.
template <class Panel, class Record>
void showChosen(Panel* panel, void (Panel::*show)(boost::shared_ptr<Record>), void* data)
{
    if (!panel || !data)
        return;
    (panel->*show)(*static_cast<boost::shared_ptr<Record>*>(data));
    panel->update();
}
} // namespace

CRiskTemplateDialog::CRiskTemplateDialog(bool forAccounts, const QString& objectName, const QString& title,
                                         QWidget* parent)
    : Kx::CCommonDialog(parent)
{
    setObjectName(objectName);
    m_pTemplateList = new CProductRiskControlTemplateWidget(forAccounts, !forAccounts, this);
    m_pRelatePanel = new CProductRelateRCTemplateWidget(
        eRelateRcApply, boost::shared_ptr<ttservice::CVornRcTemplate>(), this);
    layoutTemplateDialog(this, title, m_pTemplateList, m_pRelatePanel);
}

CRiskTemplateDialog::~CRiskTemplateDialog() = default;

bool CRiskTemplateDialog::handleEvent(int eventId, int a, int b, const QString& text, void* data)
{
    if (eventId != EventId::TemplateChosen)
        return Kx::CCommonDialog::handleEvent(eventId, a, b, text, data);
    showChosen(m_pRelatePanel, &CProductRelateRCTemplateWidget::setTemplateData, data);
    return true;
}

CRiskTemplateGroupDialog::CRiskTemplateGroupDialog(bool forAccounts, const QString& objectName,
                                                   const QString& title, QWidget* parent)
    : Kx::CCommonDialog(parent)
{
    setObjectName(objectName);
    m_pGroupList = new CProductRiskControlTemplateGroupWidget(forAccounts, !forAccounts, this);
    m_pRelatePanel = new CProductRelateRCTemplateGroupWidget(
        eRelateRcApply, boost::shared_ptr<ttservice::CVornRcTemplateGroup>(), this);
    layoutTemplateDialog(this, title, m_pGroupList, m_pRelatePanel);
    m_pGroupList->request();
}

CRiskTemplateGroupDialog::~CRiskTemplateGroupDialog() = default;

bool CRiskTemplateGroupDialog::handleEvent(int eventId, int a, int b, const QString& text, void* data)
{
    if (eventId != EventId::TemplateChosen)
        return Kx::CCommonDialog::handleEvent(eventId, a, b, text, data);
    showChosen(m_pRelatePanel, &CProductRelateRCTemplateGroupWidget::setTemplateGroupData, data);
    return true;
}

} // namespace Ocv
