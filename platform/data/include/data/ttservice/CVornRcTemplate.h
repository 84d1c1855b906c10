#pragma once

#include "data/IData.h"

#include <string>

namespace ttservice {

// What a risk-control template (or group) is applied to.
enum ERcTargetKind
{
    RC_TARGET_ACCOUNT = 1,
    RC_TARGET_PRODUCT = 2
};

// A named set of risk-control limits that can be applied to many accounts or many products at
// once (data code 23452, param "account", "product" or "all"). targetKind is an ERcTargetKind;
// the limits mean what they mean in the account and product settings (0: no limit).
class DATA_EXPORT CVornRcTemplate : public IData
{
    TTSERVICE_RECORD(CVornRcTemplate)
public:
    CVornRcTemplate();
    ~CVornRcTemplate() override;
    // The template id in decimal.
    std::string getKey() const override;

    int templateId = 0;
    std::string templateName;
    int targetKind = RC_TARGET_ACCOUNT;
    int maxOrderVolume = 0;
    double maxDailyLoss = 0;
    double maxOrderAmount = 0;
    int maxCancelRatio = 0;
    std::string description;
};

} // namespace ttservice
