#include "data/ttservice/CVornRcRelation.h"

#include <boost/make_shared.hpp>

namespace ttservice {

#define F(member) TTSERVICE_FIELD(CVornRcRelation, member)
TTSERVICE_RECORD_IMPL(CVornRcRelation, F(ownerKind), F(ownerId), F(targetKind), F(accountId), F(productId),
                      F(productSystemTag))
#undef F

CVornRcRelation::CVornRcRelation() = default;

CVornRcRelation::~CVornRcRelation() = default;

std::string CVornRcRelation::getKey() const
{
    return (ownerKind == RC_OWNER_GROUP ? "G" : "T") + std::to_string(ownerId) + "|" + targetKey();
}

std::string CVornRcRelation::targetKey() const
{
    if (targetKind == RC_TARGET_PRODUCT)
        return "P|" + std::to_string(productSystemTag) + ":" + std::to_string(productId);
    return "A|" + accountId;
}

} // namespace ttservice
