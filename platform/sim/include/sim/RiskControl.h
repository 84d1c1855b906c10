#pragma once

#include "sim/OperateHandler.h"
#include "sim/Scenario.h"
#include "sim/SimGlobal.h"

#include <string>

namespace ttservice {
class CVornAccountRcSetting;
class CVornProductRcSetting;
class CVornQueryDataReq;
} // namespace ttservice

namespace sim {

class SimState;

// Files a server's risk-control records by class: templates (CVornRcTemplate) in the list of
// 23452, groups (CVornRcTemplateGroup) in that of 23453, relations (CVornRcRelation) in that of
// 23454 (of a template) or 23455 (of a group), account settings (CVornAccountRcSetting) under 23450
// with the account id as param, product settings (CVornProductRcSetting) under 23451 with the
// product id as param. Throws std::invalid_argument for a null record or another class.
SIM_EXPORT void addRiskControl(ServerSetup& server, const Records& records);

// Whether the code's answer is picked from its list at query time (23452 to 23455).
SIM_EXPORT bool isRiskControlListCode(int dataType);
// The answer of such a code: the templates or groups of the param's kind ("account", "product",
// "all"; any other param: none), or the relations of the template or group whose id is the param.
SIM_EXPORT Records riskControlAnswer(const SimState& state, const ttservice::CVornQueryDataReq& req);

// Why the platform refuses to keep a setting (a limit out of its range, the order volume above
// the position volume, an unknown trader type, no id); empty when it keeps it.
SIM_EXPORT std::string accountRcSettingFault(const ttservice::CVornAccountRcSetting& setting);
SIM_EXPORT std::string productRcSettingFault(const ttservice::CVornProductRcSetting& setting);

// Operate 23450 / 23451: a modify with a setting of the code's class that the platform accepts
// replaces the answer of its id with a copy stamped now; anything else is refused.
SIM_EXPORT OperateHandler rcSettingSave(int dataType);
// Operate 23454 / 23455: add applies the template or group to the relation's target, delete
// removes it. Refused when the owner does not exist on the server, is for the other kind of
// target, the target is unnamed, or (add) the relation exists / (delete) does not.
SIM_EXPORT OperateHandler rcRelationChange(int dataType);

} // namespace sim
