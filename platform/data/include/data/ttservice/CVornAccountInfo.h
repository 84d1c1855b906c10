#pragma once

#include "data/IData.h"
#include "data/ttservice/CAccountInfo.h"

#include <boost/shared_ptr.hpp>

#include <string>

namespace ttservice {

// A trading account on the platform, as the account lists (12203) give it. The inner account
// holds its id, its type and its exclusion mark, and may be missing in a faulty answer; the key
// is the inner account's id (empty without one). The account belongs to the institution
// institutionNo / institutionName; modifiable: the logged-in user may change its limits.
// managerId -1: no sub-manager looks after it. createdDay is "yyyyMMdd". clone() copies the
// inner account.
class DATA_EXPORT CVornAccountInfo : public IData
{
    TTSERVICE_RECORD(CVornAccountInfo)
public:
    CVornAccountInfo();
    ~CVornAccountInfo() override;
    std::string getKey() const override;

    void toBsonWithBson(bson::BSONObjBuilder& builder) const override;
    bool sameFields(const IData& other) const override;

    boost::shared_ptr<CAccountInfo> account;
    std::string accountName;
    std::string brokerName;
    int managerId = -1;
    int tradingEnabled = 0;
    int algoPermission = 0;
    std::string createdDay;
    int institutionNo = 0;
    std::string institutionName;
    bool modifiable = true;
};

typedef boost::shared_ptr<CVornAccountInfo> CVornAccountInfoPtr;

} // namespace ttservice
