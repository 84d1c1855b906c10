#include "data/ttservice/CVornRiskApproval.h"

#include <boost/make_shared.hpp>

namespace ttservice {

#define F(member) TTSERVICE_FIELD(CVornRiskApproval, member)
TTSERVICE_RECORD_IMPL(CVornRiskApproval, F(approvalId), F(accountId), F(itemName), F(requestedBy),
                      F(requestTime), F(status), F(reviewer), F(comment))
#undef F

CVornRiskApproval::CVornRiskApproval() = default;

CVornRiskApproval::~CVornRiskApproval() = default;

std::string CVornRiskApproval::getKey() const
{
    return approvalId;
}

} // namespace ttservice
