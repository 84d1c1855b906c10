#pragma once

#include "data/IData.h"

#include <string>

namespace ttservice {

// One login of a user as the platform lists it: who (userType with the server's own text for
// it), from where (terminalTypeId: EServiceClientID; address, mac, diskSerial), since when
// (loginTime "yyyy-MM-dd hh:mm:ss") and with what (clientVersion; fileModeCount and apiModeCount
// count the session's file-mode and API-mode connections). organizationId -1 or 2147483647:
// the user belongs to no organisation, and the name is empty.
// A list may hold a million of these, so the texts are kept short enough for the small-string
// buffer where the platform allows it.
class DATA_EXPORT CVornTypedUserItem : public IData
{
    TTSERVICE_RECORD(CVornTypedUserItem)
public:
    CVornTypedUserItem();
    ~CVornTypedUserItem() override;
    // userName__address__mac__diskSerial__loginTime__clientVersion__terminalTypeId: what tells
    // two rows of a login list apart, the row adding its system.
    std::string getKey() const override;

    // The numbers first, where they fill the base's tail and leave no padding between the texts.
    int userType = 0;
    int terminalTypeId = 0;
    int organizationId = -1;
    int fileModeCount = 0;
    int apiModeCount = 0;
    std::string userName;
    std::string userTypeText;
    std::string organizationName;
    std::string address;
    std::string mac;
    std::string diskSerial;
    std::string loginTime;
    std::string clientVersion;
};

typedef boost::shared_ptr<CVornTypedUserItem> CVornTypedUserItemPtr;

} // namespace ttservice
