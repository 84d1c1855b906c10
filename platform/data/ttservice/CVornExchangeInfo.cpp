#include "data/ttservice/CVornExchangeInfo.h"

#include <boost/make_shared.hpp>

namespace ttservice {

#define F(member) TTSERVICE_FIELD(CVornExchangeInfo, member)
TTSERVICE_RECORD_IMPL(CVornExchangeInfo, F(m_strMarketName), F(m_strMarketTradeDay), F(m_nToUpdateSecond),
                      F(m_bInTradingTime))
#undef F

CVornExchangeInfo::CVornExchangeInfo() = default;

CVornExchangeInfo::~CVornExchangeInfo() = default;

std::string CVornExchangeInfo::getKey() const
{
    return m_strMarketName;
}

} // namespace ttservice
