#include "data/ttservice/CVornTypedUserInfo.h"

#include "data/BSON.h"

#include <boost/make_shared.hpp>

namespace ttservice {

#define F(member) TTSERVICE_FIELD(CVornTypedUserInfo, member)
TTSERVICE_RECORD_IMPL(CVornTypedUserInfo, F(userKind))
#undef F

CVornTypedUserInfo::CVornTypedUserInfo() = default;

CVornTypedUserInfo::~CVornTypedUserInfo() = default;

void CVornTypedUserInfo::toBsonWithBson(bson::BSONObjBuilder& builder) const
{
    IData::toBsonWithBson(builder);
    std::vector<bson::BSONObj> items;
    items.reserve(users.size());
    for (const CVornTypedUserItemPtr& user : users) {
        bson::BSONObjBuilder item;
        if (user)
            user->toBsonWithBson(item);
        items.push_back(item.obj());
    }
    builder.appendArray("users", items);
}

bool CVornTypedUserInfo::sameFields(const IData& other) const
{
    if (!IData::sameFields(other))
        return false;
    const auto& theirs = static_cast<const CVornTypedUserInfo&>(other).users;
    if (theirs.size() != users.size())
        return false;
    for (std::size_t i = 0; i < users.size(); ++i) {
        if (users[i] == theirs[i])
            continue;
        if (!users[i] || !theirs[i] || !users[i]->sameFields(*theirs[i]))
            return false;
    }
    return true;
}

} // namespace ttservice
