#include "siblings/CProductRelateRCTemplateWidget.h"

#include "RcRelatePanel.h"
#include "data/ttservice/CVornRcRelation.h"
#include "data/ttservice/CVornRcTemplate.h"

namespace Ocv {

CProductRelateRCTemplateWidget::CProductRelateRCTemplateWidget(eRelateProductRc mode,
                                                               boost::shared_ptr<ttservice::CVornRcTemplate> rcTemplate,
                                                               QWidget* parent)
    : Kx::CBaseWidget(QStringLiteral("rc_template_relate_widget"), false, parent)
{
    m_panel = new CRcRelatePanel(QStringLiteral("rc_template_relate"), ttservice::RC_OWNER_TEMPLATE,
                                 mode == eRelateRcApply, this);
    setInnerStretchWidget(m_panel, 0, 0, 0, 0);
    setTemplateData(rcTemplate);
}

CProductRelateRCTemplateWidget::~CProductRelateRCTemplateWidget() = default;

void CProductRelateRCTemplateWidget::setTemplateData(boost::shared_ptr<ttservice::CVornRcTemplate> rcTemplate)
{
    CRcRelatePanel::Owner owner;
    if (rcTemplate) {
        owner.id = rcTemplate->templateId;
        owner.name = QString::fromStdString(rcTemplate->templateName);
        owner.targetKind = rcTemplate->targetKind;
        owner.systemTag = rcTemplate->getSystemTag();
    }
    m_panel->setOwner(owner);
}

int CProductRelateRCTemplateWidget::appliedCount() const
{
    return m_panel->appliedCount();
}

int CProductRelateRCTemplateWidget::availableCount() const
{
    return m_panel->availableCount();
}

} // namespace Ocv
