#pragma once

#include "kx/CBaseWidget.h"
#include "siblings/RcTemplateTypes.h"
#include "siblings/SiblingsGlobal.h"

#include <boost/shared_ptr.hpp>

namespace ttservice {
class CVornRcTemplateGroup;
}

namespace Ocv {

// What one template group is applied to, and where it can still be applied; with eRelateRcApply
// the relations can be added and removed.
class SIBLINGS_EXPORT CProductRelateRCTemplateGroupWidget : public Kx::CBaseWidget
{
    Q_OBJECT
public:
    CProductRelateRCTemplateGroupWidget(eRelateProductRc mode,
                                        boost::shared_ptr<ttservice::CVornRcTemplateGroup> group, QWidget* parent);
    ~CProductRelateRCTemplateGroupWidget() override;

    void setTemplateGroupData(boost::shared_ptr<ttservice::CVornRcTemplateGroup> group);
};

} // namespace Ocv
