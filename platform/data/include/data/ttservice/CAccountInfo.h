#pragma once

#include "data/IData.h"

#include <boost/shared_ptr.hpp>

#include <string>

namespace ttservice {

// The trading account inside an account record (CVornAccountInfo::account): its id, its type
// (1 futures, 2 securities, 3 credit, 4 NEEQ, 5 futures option, 6 stock option, 7 SH-HK connect,
// 8 interbank, 9 bank, 10 OTC, 11 SZ-HK connect, 12 wealth management) and the exclusion mark:
// an excluded account is kept by the platform but left out of the client's account lists.
class DATA_EXPORT CAccountInfo : public IData
{
    TTSERVICE_RECORD(CAccountInfo)
public:
    CAccountInfo();
    ~CAccountInfo() override;
    std::string getKey() const override;

    std::string accountId;
    int accountType = 0;
    bool excluded = false;
};

typedef boost::shared_ptr<CAccountInfo> CAccountInfoPtr;

} // namespace ttservice
