#pragma once

#include "data/IData.h"
#include "data/ttservice/CVornTypedUserItem.h"

#include <vector>

namespace ttservice {

// The logins of one kind of user on a server (query 12311, param the kind): 1 online (desktop
// clients), 2 API, 3 transparent proxy, 4 signal order, 5 mobile. The server is the system tag.
// A copy (and clone()) has its own list of the same items: a list can hold a million logins,
// so items are shared and never changed once listed.
class DATA_EXPORT CVornTypedUserInfo : public IData
{
    TTSERVICE_RECORD(CVornTypedUserInfo)
public:
    CVornTypedUserInfo();
    ~CVornTypedUserInfo() override;

    void toBsonWithBson(bson::BSONObjBuilder& builder) const override;
    bool sameFields(const IData& other) const override;

    int userKind = 0;
    std::vector<CVornTypedUserItemPtr> users;
};

typedef boost::shared_ptr<CVornTypedUserInfo> CVornTypedUserInfoPtr;

} // namespace ttservice
