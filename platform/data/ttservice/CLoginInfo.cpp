#include "data/ttservice/CLoginInfo.h"

#include <boost/make_shared.hpp>

namespace ttservice {

#define F(member) TTSERVICE_FIELD(CLoginInfo, member)
TTSERVICE_RECORD_IMPL(CLoginInfo, F(userName), F(address), F(terminalTypeId), F(mac), F(diskSerial),
                      F(loginTime))
#undef F

CLoginInfo::CLoginInfo() = default;

CLoginInfo::~CLoginInfo() = default;

std::string CLoginInfo::getKey() const
{
    return userName + "__" + address + "__" + std::to_string(terminalTypeId) + "__" + mac + "__" +
           diskSerial + "__" + loginTime;
}

} // namespace ttservice
