#pragma once

#include "data/IData.h"

#include <string>

namespace ttservice {

// Names one login to end (operate 626 with delete): the fields that tell a user's sessions apart.
class DATA_EXPORT CLoginInfo : public IData
{
    TTSERVICE_RECORD(CLoginInfo)
public:
    CLoginInfo();
    ~CLoginInfo() override;
    std::string getKey() const override;

    std::string userName;
    std::string address;
    int terminalTypeId = 0;
    std::string mac;
    std::string diskSerial;
    std::string loginTime;
};

} // namespace ttservice
