#pragma once

#include "data/IData.h"

#include <string>

namespace ttservice {

// The logged-in user. subManagerId -1 or 2147483647 means the user is no sub-manager;
// macs holds the machine addresses separated by spaces.
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
};

} // namespace ttservice
