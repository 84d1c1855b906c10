#include "data/ttservice/CVornTypedUserItem.h"

#include <boost/make_shared.hpp>

namespace ttservice {

#define F(member) TTSERVICE_FIELD(CVornTypedUserItem, member)
TTSERVICE_RECORD_IMPL(CVornTypedUserItem, F(userName), F(userType), F(userTypeText), F(terminalTypeId),
                      F(organizationName), F(organizationId), F(address), F(mac), F(diskSerial), F(loginTime),
                      F(clientVersion), F(fileModeCount), F(apiModeCount))
#undef F

CVornTypedUserItem::CVornTypedUserItem() = default;

CVornTypedUserItem::~CVornTypedUserItem() = default;

std::string CVornTypedUserItem::getKey() const
{
    return userName + "__" + address + "__" + mac + "__" + diskSerial + "__" + loginTime + "__" +
           clientVersion + "__" + std::to_string(terminalTypeId);
}

} // namespace ttservice
