#include "siblings/CProductRiskControlTemplateWidget.h"

#include "RcListParam.h"
#include "RcPickList.h"
#include "RcTexts.h"
#include "data/ttservice/CVornRcTemplate.h"

#include <QShowEvent>

namespace Ocv {

namespace {
constexpr int kTemplateCode = 23452;
constexpr int kPickedEvent = 45;
} // namespace

CProductRiskControlTemplateWidget::CProductRiskControlTemplateWidget(bool forAccounts, bool forProducts,
                                                                     QWidget* parent)
    : Kx::CBaseWidget(QStringLiteral("rc_template_widget"), false, parent),
      m_param(rcListParam(forAccounts, forProducts))
{
    CRcPickList::Setup setup;
    setup.name = QStringLiteral("rc_template_list");
    setup.dataType = kTemplateCode;
    setup.className = ttservice::CVornRcTemplate::staticClassName();
    setup.headers = QStringList{QStringLiteral("模板名称"), QStringLiteral("适用对象"), QStringLiteral("说明")};
    setup.rowTexts = [](const ttservice::IData& record) {
        const auto& rc = static_cast<const ttservice::CVornRcTemplate&>(record);
        return QStringList{QString::fromStdString(rc.templateName), RcTexts::targetKindName(rc.targetKind),
                           QString::fromStdString(rc.description)};
    };
    m_list = new CRcPickList(std::move(setup), this);
    m_list->onPicked = [this](const ttservice::IDataPtr& record) {
        auto picked = boost::dynamic_pointer_cast<ttservice::CVornRcTemplate>(record);
        deliverEvent(kPickedEvent, 0, 0, QString(), &picked);
    };
    setInnerStretchWidget(m_list, 0, 0, 0, 0);
}

CProductRiskControlTemplateWidget::~CProductRiskControlTemplateWidget() = default;

void CProductRiskControlTemplateWidget::switchSystem(int, QString systemName)
{
    m_systemName = systemName;
    m_pending = true;
    if (isActive())
        readIfPending();
}

int CProductRiskControlTemplateWidget::templateCount() const
{
    return m_list->rowCount();
}

void CProductRiskControlTemplateWidget::onActive()
{
    readIfPending();
}

void CProductRiskControlTemplateWidget::showEvent(QShowEvent* event)
{
    Kx::CBaseWidget::showEvent(event);
    if (isActive())
        readIfPending();
}

void CProductRiskControlTemplateWidget::readIfPending()
{
    if (!m_pending)
        return;
    m_pending = false;
    m_list->read(m_systemName, m_param);
}

} // namespace Ocv
