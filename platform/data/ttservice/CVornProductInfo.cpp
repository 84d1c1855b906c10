#include "data/ttservice/CVornProductInfo.h"

#include <boost/make_shared.hpp>

namespace ttservice {

#define F(member) TTSERVICE_FIELD(CVornProductInfo, member)
TTSERVICE_RECORD_IMPL(CVornProductInfo, F(productId), F(productName), F(managerId), F(active), F(createdDay),
                      F(riskControlEnabled))
#undef F

CVornProductInfo::CVornProductInfo() = default;

CVornProductInfo::~CVornProductInfo() = default;

std::string CVornProductInfo::getKey() const
{
    return std::to_string(productId);
}

} // namespace ttservice
