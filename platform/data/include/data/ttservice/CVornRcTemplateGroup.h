#pragma once

#include "data/IData.h"
#include "data/ttservice/CVornRcTemplate.h"

#include <string>
#include <vector>

namespace ttservice {

// Risk-control templates applied together (data code 23453, param "account", "product" or "all"):
// templateIds lists the bundled templates' ids, comma-separated ("3,7"); targetKind is an
// ERcTargetKind.
class DATA_EXPORT CVornRcTemplateGroup : public IData
{
    TTSERVICE_RECORD(CVornRcTemplateGroup)
public:
    CVornRcTemplateGroup();
    ~CVornRcTemplateGroup() override;
    // The group id in decimal.
    std::string getKey() const override;

    // The ids in templateIds, in their order; what is not a number is left out.
    std::vector<int> templateIdList() const;

    int groupId = 0;
    std::string groupName;
    std::string templateIds;
    int targetKind = RC_TARGET_ACCOUNT;
    std::string description;
};

} // namespace ttservice
