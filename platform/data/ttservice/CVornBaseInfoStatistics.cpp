#include "data/ttservice/CVornBaseInfoStatistics.h"

#include <boost/make_shared.hpp>

namespace ttservice {

#define F(member) TTSERVICE_FIELD(CVornBaseInfoStatistics, member)
TTSERVICE_RECORD_IMPL(CVornBaseInfoStatistics, F(productsA), F(productsB), F(accountsA), F(accountsB),
                      F(usersA), F(usersB), F(securitiesCompanies), F(futuresCompanies), F(signalOrdersA),
                      F(signalOrdersB), F(vipClientsA), F(vipClientsB), F(proxiesA), F(proxiesB),
                      F(mobileTerminalsA), F(mobileTerminalsB), F(algoPermissionsA), F(productsToday),
                      F(usersToday), F(accountsToday))
#undef F

CVornBaseInfoStatistics::CVornBaseInfoStatistics() = default;

CVornBaseInfoStatistics::~CVornBaseInfoStatistics() = default;

} // namespace ttservice
