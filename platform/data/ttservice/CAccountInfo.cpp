#include "data/ttservice/CAccountInfo.h"

#include <boost/make_shared.hpp>

namespace ttservice {

#define F(member) TTSERVICE_FIELD(CAccountInfo, member)
TTSERVICE_RECORD_IMPL(CAccountInfo, F(accountId), F(accountType), F(excluded))
#undef F

CAccountInfo::CAccountInfo() = default;

CAccountInfo::~CAccountInfo() = default;

std::string CAccountInfo::getKey() const
{
    return accountId;
}

} // namespace ttservice
