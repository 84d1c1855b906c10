#include "data/ttservice/CVornSubManagerInfo.h"

#include <boost/make_shared.hpp>

namespace ttservice {

#define F(member) TTSERVICE_FIELD(CVornSubManagerInfo, member)
TTSERVICE_RECORD_IMPL(CVornSubManagerInfo, F(futuresAccounts), F(stockAccounts), F(creditAccounts),
                      F(stockOptionAccounts), F(futuresOptionAccounts), F(neeqAccounts), F(shHkAccounts),
                      F(independentAdvisers), F(investmentAdvisers), F(investmentManagers), F(queryOfficers),
                      F(riskOfficers), F(positionClosers), F(orderTakers), F(traders), F(productCount),
                      F(signalOrderCount), F(apiCount), F(proxyCount), F(independentTraders), F(szHkAccounts),
                      F(interbankAccounts), F(bankAccounts), F(otcAccounts), F(financeAccounts))
#undef F

CVornSubManagerInfo::CVornSubManagerInfo() = default;

CVornSubManagerInfo::~CVornSubManagerInfo() = default;

} // namespace ttservice
