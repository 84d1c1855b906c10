#pragma once

#include "kx/CBaseWidget.h"
#include "siblings/RcTemplateTypes.h"
#include "siblings/SiblingsGlobal.h"

#include <boost/shared_ptr.hpp>

namespace ttservice {
class CVornRcTemplateGroup;
}

namespace Ocv {

class CRcRelatePanel;

// What one template group is applied to, and where it can still be applied; with eRelateRcApply
// the relations can be added and removed. As the template widget, with the group's relations
// (23455, param the group id) and the object names "rc_template_group_relate...".
class SIBLINGS_EXPORT CProductRelateRCTemplateGroupWidget : public Kx::CBaseWidget
{
    Q_OBJECT
public:
    CProductRelateRCTemplateGroupWidget(eRelateProductRc mode,
                                        boost::shared_ptr<ttservice::CVornRcTemplateGroup> group, QWidget* parent);
    ~CProductRelateRCTemplateGroupWidget() override;

    void setTemplateGroupData(boost::shared_ptr<ttservice::CVornRcTemplateGroup> group);

    // How many targets are listed as applied, and as still available.
    int appliedCount() const;
    int availableCount() const;

private:
    CRcRelatePanel* m_panel = nullptr;
};

} // namespace Ocv
