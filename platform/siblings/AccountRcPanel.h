#pragma once

#include "data/ttservice/CAccountInfo.h"

#include <QString>

#include <string>
#include <vector>

namespace Kx {
class CBaseWidget;
}

namespace Ocv {

class CRcSettingForm;
struct RcLimitField;

// What the stock-like and futures-like account panels share: the form over CVornAccountRcSetting
// (23450, param the account id) filling the panel, its title line and its target.
namespace AccountRcPanel {

CRcSettingForm* makeForm(const QString& name, const std::vector<RcLimitField>& fields, Kx::CBaseWidget* panel);
// "资金账号: <id> | 机构: <name> (<number>) | 交易类型: <name>" ("机构: -" before the institution is
// known); "未选择账号" without an account.
QString title(const ttservice::CAccountInfoPtr& account, int institutionNo, const std::string& institutionName,
              int traderType);
// Edits that account's setting with this trader type (no account: nothing to edit).
void setTarget(CRcSettingForm* form, const ttservice::CAccountInfoPtr& account, int traderType, bool editable);

} // namespace AccountRcPanel
} // namespace Ocv
