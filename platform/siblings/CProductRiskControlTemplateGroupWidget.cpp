#include "siblings/CProductRiskControlTemplateGroupWidget.h"

#include "RcListParam.h"
#include "RcPickList.h"
#include "RcTexts.h"
#include "data/ttservice/CVornRcTemplateGroup.h"

namespace Ocv {

namespace {
constexpr int kGroupCode = 23453;
constexpr int kPickedEvent = 45;
} // namespace

CProductRiskControlTemplateGroupWidget::CProductRiskControlTemplateGroupWidget(bool forAccounts, bool forProducts,
                                                                               QWidget* parent)
    : Kx::CBaseWidget(QStringLiteral("rc_template_group_widget"), false, parent),
      m_param(rcListParam(forAccounts, forProducts))
{
    CRcPickList::Setup setup;
    setup.name = QStringLiteral("rc_template_group_list");
    setup.dataType = kGroupCode;
    setup.className = ttservice::CVornRcTemplateGroup::staticClassName();
    setup.headers = QStringList{QStringLiteral("模板组名称"), QStringLiteral("适用对象"), QStringLiteral("包含模板"),
                                QStringLiteral("说明")};
    setup.rowTexts = [](const ttservice::IData& record) {
        const auto& group = static_cast<const ttservice::CVornRcTemplateGroup&>(record);
        QStringList ids;
        for (int id : group.templateIdList())
            ids << QString::number(id);
        return QStringList{QString::fromStdString(group.groupName), RcTexts::targetKindName(group.targetKind),
                           ids.join(QStringLiteral(", ")), QString::fromStdString(group.description)};
    };
    m_list = new CRcPickList(std::move(setup), this);
    m_list->onPicked = [this](const ttservice::IDataPtr& record) {
        auto picked = boost::dynamic_pointer_cast<ttservice::CVornRcTemplateGroup>(record);
        deliverEvent(kPickedEvent, 0, 0, QString(), &picked);
    };
    setInnerStretchWidget(m_list, 0, 0, 0, 0);
}

CProductRiskControlTemplateGroupWidget::~CProductRiskControlTemplateGroupWidget() = default;

void CProductRiskControlTemplateGroupWidget::request()
{
    m_list->read(QString(), m_param);
}

int CProductRiskControlTemplateGroupWidget::groupCount() const
{
    return m_list->rowCount();
}

} // namespace Ocv
