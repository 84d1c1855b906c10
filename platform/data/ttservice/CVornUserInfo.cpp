#include "data/ttservice/CVornUserInfo.h"

#include <boost/make_shared.hpp>

namespace ttservice {

#define F(member) TTSERVICE_FIELD(CVornUserInfo, member)
TTSERVICE_RECORD_IMPL(CVornUserInfo, F(name), F(userType), F(roleType), F(subManagerId), F(macs),
                      F(managerId), F(online), F(clientKind), F(createdDay))
#undef F

CVornUserInfo::CVornUserInfo() = default;

CVornUserInfo::~CVornUserInfo() = default;

std::string CVornUserInfo::getKey() const
{
    return name;
}

} // namespace ttservice
