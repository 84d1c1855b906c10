#include "siblings/CProductRiskControlPageWidget.h"

#include "RcSettingForm.h"
#include "data/CVornClientCenter.h"
#include "data/ttservice/CVornProductRcSetting.h"
#include "utils/CSingletonT.h"

#include <QShowEvent>

#include <boost/make_shared.hpp>

namespace Ocv {

namespace {
const QString kName = QStringLiteral("product_rc_page");
constexpr int kDataCode = 23451;

std::vector<RcLimitField> productFields()
{
    return {{"maxNetAssetLossRatio", "净值最大亏损比例", RcLimitField::Decimal, 0, 100, "%"},
            {"maxSingleStockRatio", "单一股票最大持仓比例", RcLimitField::Decimal, 0, 100, "%"},
            {"maxDailyLoss", "单日最大亏损", RcLimitField::Decimal, 0, 100000000000.0, "元"},
            {"maxOrderAmount", "单笔最大委托金额", RcLimitField::Decimal, 0, 10000000000.0, "元"},
            {"enabled", "启用产品风控", RcLimitField::Switch, 0, 1, ""}};
}
} // namespace

CProductRiskControlPageWidget::CProductRiskControlPageWidget(QWidget* parent) : Kx::CBaseWidget(kName, false, parent)
{
    CRcSettingForm::Setup setup;
    setup.name = kName;
    setup.dataType = kDataCode;
    setup.makeDefault = [] { return boost::make_shared<ttservice::CVornProductRcSetting>(); };
    setup.fields = productFields();
    m_form = new CRcSettingForm(std::move(setup), this);
    setInnerStretchWidget(m_form, 0, 0, 0, 0);
    m_form->setTitle(QStringLiteral("未选择产品"));
}

CProductRiskControlPageWidget::~CProductRiskControlPageWidget() = default;

void CProductRiskControlPageWidget::setProductID(QString systemTag, int productId)
{
    bool ok = false;
    const int tag = systemTag.trimmed().toInt(&ok);
    // A text that is no tag names no server: the form says so instead of using the selection.
    m_form->setSystemTag(ok && tag != 0 ? tag : -1, systemTag);
    if (productId <= 0) {
        m_form->setTarget(std::string(), {}, false);
        m_form->setTitle(QStringLiteral("未选择产品"));
        return;
    }
    m_form->setTarget(
        std::to_string(productId),
        [productId](ttservice::IData& record) {
            static_cast<ttservice::CVornProductRcSetting&>(record).productId = productId;
        },
        true);
    const std::string server = utils::CSingletonT<CVornClientCenter>::instance()->getServerNameBySystemTag(tag);
    m_form->setTitle(QStringLiteral("产品编号: %1 | 交易系统: %2")
                         .arg(productId)
                         .arg(server.empty() ? systemTag : QString::fromStdString(server)));
    if (isActive())
        m_form->scheduleRead();
}

void CProductRiskControlPageWidget::onActive()
{
    m_form->scheduleRead();
}

void CProductRiskControlPageWidget::showEvent(QShowEvent* event)
{
    Kx::CBaseWidget::showEvent(event);
    if (isActive())
        m_form->scheduleRead();
}

} // namespace Ocv
