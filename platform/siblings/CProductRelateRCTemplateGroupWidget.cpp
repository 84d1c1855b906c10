#include "siblings/CProductRelateRCTemplateGroupWidget.h"

#include "RcRelatePanel.h"
#include "data/ttservice/CVornRcRelation.h"
#include "data/ttservice/CVornRcTemplateGroup.h"

namespace Ocv {

CProductRelateRCTemplateGroupWidget::CProductRelateRCTemplateGroupWidget(eRelateProductRc mode,
                                                               boost::shared_ptr<ttservice::CVornRcTemplateGroup> group,
                                                               QWidget* parent)
    : Kx::CBaseWidget(QStringLiteral("rc_template_group_relate_widget"), false, parent)
{
    m_panel = new CRcRelatePanel(QStringLiteral("rc_template_group_relate"), ttservice::RC_OWNER_GROUP,
                                 mode == eRelateRcApply, this);
    setInnerStretchWidget(m_panel, 0, 0, 0, 0);
    setTemplateGroupData(group);
}

CProductRelateRCTemplateGroupWidget::~CProductRelateRCTemplateGroupWidget() = default;

void CProductRelateRCTemplateGroupWidget::setTemplateGroupData(boost::shared_ptr<ttservice::CVornRcTemplateGroup> group)
{
    CRcRelatePanel::Owner owner;
    if (group) {
        owner.id = group->groupId;
        owner.name = QString::fromStdString(group->groupName);
        owner.targetKind = group->targetKind;
        owner.systemTag = group->getSystemTag();
    }
    m_panel->setOwner(owner);
}

int CProductRelateRCTemplateGroupWidget::appliedCount() const
{
    return m_panel->appliedCount();
}

int CProductRelateRCTemplateGroupWidget::availableCount() const
{
    return m_panel->availableCount();
}

} // namespace Ocv
