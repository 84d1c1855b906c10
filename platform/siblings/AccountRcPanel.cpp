#include "AccountRcPanel.h"

#include "RcSettingForm.h"
#include "RcTexts.h"
#include "data/ttservice/CVornAccountRcSetting.h"
#include "kx/CBaseWidget.h"

#include <boost/make_shared.hpp>

namespace Ocv {
namespace AccountRcPanel {

namespace {
constexpr int kDataCode = 23450;
}

CRcSettingForm* makeForm(const QString& name, const std::vector<RcLimitField>& fields, Kx::CBaseWidget* panel)
{
    CRcSettingForm::Setup setup;
    setup.name = name;
    setup.dataType = kDataCode;
    setup.makeDefault = [] { return boost::make_shared<ttservice::CVornAccountRcSetting>(); };
    setup.fields = fields;
    auto* form = new CRcSettingForm(std::move(setup), panel);
    panel->setInnerStretchWidget(form, 0, 0, 0, 0);
    return form;
}

QString title(const ttservice::CAccountInfoPtr& account, int institutionNo, const std::string& institutionName,
              int traderType)
{
    if (!account)
        return QStringLiteral("未选择账号");
    const QString institution = institutionName.empty()
                                    ? QStringLiteral("-")
                                    : QStringLiteral("%1 (%2)").arg(QString::fromStdString(institutionName))
                                          .arg(institutionNo);
    return QStringLiteral("资金账号: %1 | 机构: %2 | 交易类型: %3")
        .arg(QString::fromStdString(account->accountId), institution, RcTexts::traderTypeName(traderType));
}

void setTarget(CRcSettingForm* form, const ttservice::CAccountInfoPtr& account, int traderType, bool editable)
{
    if (!account || account->accountId.empty()) {
        form->setTarget(std::string(), {}, false);
        return;
    }
    const std::string accountId = account->accountId;
    form->setTarget(
        accountId,
        [accountId, traderType](ttservice::IData& record) {
            auto& setting = static_cast<ttservice::CVornAccountRcSetting&>(record);
            setting.accountId = accountId;
            setting.traderType = traderType;
        },
        editable);
}

} // namespace AccountRcPanel
} // namespace Ocv
