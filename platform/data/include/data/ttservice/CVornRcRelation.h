#pragma once

#include "data/IData.h"
#include "data/ttservice/CVornRcTemplate.h"

#include <string>

namespace ttservice {

// Who a relation ties to its target.
enum ERcOwnerKind
{
    RC_OWNER_TEMPLATE = 1,
    RC_OWNER_GROUP = 2
};

// One template or template group applied to one account or product: data code 23454 lists the
// relations of a template (param the template id), 23455 those of a group (param the group id);
// operate add applies, delete removes. ownerKind is an ERcOwnerKind, targetKind an ERcTargetKind;
// an account target is named by accountId, a product target by productId and the system tag of
// the product's server (productSystemTag).
class DATA_EXPORT CVornRcRelation : public IData
{
    TTSERVICE_RECORD(CVornRcRelation)
public:
    CVornRcRelation();
    ~CVornRcRelation() override;
    // "T3|A|<account id>" or "G2|P|<system tag>:<product id>".
    std::string getKey() const override;
    // The target alone: "A|<account id>" or "P|<system tag>:<product id>".
    std::string targetKey() const;

    int ownerKind = RC_OWNER_TEMPLATE;
    int ownerId = 0;
    int targetKind = RC_TARGET_ACCOUNT;
    std::string accountId;
    int productId = 0;
    int productSystemTag = 0;
};

} // namespace ttservice
