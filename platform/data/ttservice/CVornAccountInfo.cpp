#include "data/ttservice/CVornAccountInfo.h"

#include "data/BSON.h"

#include <boost/make_shared.hpp>

namespace ttservice {

#define F(member) TTSERVICE_FIELD(CVornAccountInfo, member)
TTSERVICE_RECORD_IMPL_OWN_CLONE(CVornAccountInfo, F(accountName), F(brokerName), F(managerId),
                                F(tradingEnabled), F(algoPermission), F(createdDay), F(institutionNo),
                                F(institutionName), F(modifiable))
#undef F

CVornAccountInfo::CVornAccountInfo() = default;

CVornAccountInfo::~CVornAccountInfo() = default;

IDataPtr CVornAccountInfo::clone() const
{
    auto copy = boost::make_shared<CVornAccountInfo>(*this);
    if (account)
        copy->account = boost::make_shared<CAccountInfo>(*account);
    return copy;
}

std::string CVornAccountInfo::getKey() const
{
    return account ? account->accountId : std::string();
}

void CVornAccountInfo::toBsonWithBson(bson::BSONObjBuilder& builder) const
{
    IData::toBsonWithBson(builder);
    if (account) {
        bson::BSONObjBuilder fields;
        account->toBsonWithBson(fields);
        builder.append("account", fields.obj());
    }
}

bool CVornAccountInfo::sameFields(const IData& other) const
{
    if (!IData::sameFields(other))
        return false;
    const auto& theirs = static_cast<const CVornAccountInfo&>(other).account;
    return !account == !theirs && (!account || account->sameFields(*theirs));
}

} // namespace ttservice
