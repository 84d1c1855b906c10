#pragma once

#include "data/IData.h"

#include <string>

namespace ttservice {

// A request to change one risk-control setting (itemName) of an account, and its review.
// requestTime is "yyyy-MM-dd HH:mm:ss"; status is an EQDRCApprovalStatus; reviewer and comment
// stay empty until someone reviews it.
class DATA_EXPORT CVornRiskApproval : public IData
{
    TTSERVICE_RECORD(CVornRiskApproval)
public:
    CVornRiskApproval();
    ~CVornRiskApproval() override;
    std::string getKey() const override;

    std::string approvalId;
    std::string accountId;
    std::string itemName;
    std::string requestedBy;
    std::string requestTime;
    int status = 0;
    std::string reviewer;
    std::string comment;
};

} // namespace ttservice
