#pragma once

#include "data/IData.h"

#include <string>

namespace ttservice {

// A platform user, and the logged-in one. subManagerId -1 or 2147483647 means the user is no
// sub-manager; managerId is the sub-manager who looks after the user (-1 none); macs holds the
// machine addresses separated by spaces. clientKind: 0 desktop, 1 signal order, 2 VIP, 3 proxy,
// 4 mobile, 5 API. createdDay is "yyyyMMdd".
class DATA_EXPORT CVornUserInfo : public IData
{
    TTSERVICE_RECORD(CVornUserInfo)
public:
    CVornUserInfo();
    ~CVornUserInfo() override;
    std::string getKey() const override;

    std::string name;
    int userType = 0;
    int roleType = 0;
    int subManagerId = -1;
    std::string macs;
    int managerId = -1;
    int online = 0;
    int clientKind = 0;
    std::string createdDay;
};

} // namespace ttservice
