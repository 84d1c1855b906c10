#include "data/ttservice/CVornAccountInfo.h"

#include <boost/make_shared.hpp>

namespace ttservice {

#define F(member) TTSERVICE_FIELD(CVornAccountInfo, member)
TTSERVICE_RECORD_IMPL(CVornAccountInfo, F(accountId), F(accountName), F(accountType), F(brokerName),
                      F(managerId), F(tradingEnabled), F(algoPermission), F(createdDay))
#undef F

CVornAccountInfo::CVornAccountInfo() = default;

CVornAccountInfo::~CVornAccountInfo() = default;

std::string CVornAccountInfo::getKey() const
{
    return accountId;
}

} // namespace ttservice
