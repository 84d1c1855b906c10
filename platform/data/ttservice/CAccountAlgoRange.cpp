#include "data/ttservice/CAccountAlgoRange.h"

#include "data/BSON.h"

#include <boost/make_shared.hpp>

namespace ttservice {

TTSERVICE_RECORD_IMPL_OWN_CLONE(CAccountAlgoRange, )

CAccountAlgoRange::CAccountAlgoRange() = default;

CAccountAlgoRange::~CAccountAlgoRange() = default;

IDataPtr CAccountAlgoRange::clone() const
{
    auto copy = boost::make_shared<CAccountAlgoRange>(*this);
    if (account)
        copy->account = boost::static_pointer_cast<CVornAccountInfo>(account->clone());
    for (auto& setting : copy->settings) {
        if (setting)
            setting = boost::make_shared<CAlgoSetting>(*setting);
    }
    return copy;
}

std::string CAccountAlgoRange::getKey() const
{
    return account ? account->getKey() : std::string();
}

void CAccountAlgoRange::toBsonWithBson(bson::BSONObjBuilder& builder) const
{
    if (account) {
        bson::BSONObjBuilder fields;
        account->toBsonWithBson(fields);
        builder.append("account", fields.obj());
    }
    std::vector<bson::BSONObj> documents;
    for (const auto& setting : settings)
        documents.push_back(setting ? setting->toBson() : bson::BSONObj());
    builder.appendArray("settings", documents);
}

bool CAccountAlgoRange::sameFields(const IData& other) const
{
    if (!IData::sameFields(other))
        return false;
    const auto& range = static_cast<const CAccountAlgoRange&>(other);
    if (!account != !range.account || (account && !account->sameFields(*range.account)) ||
        settings.size() != range.settings.size())
        return false;
    for (std::size_t i = 0; i < settings.size(); ++i) {
        const auto& mine = settings[i];
        const auto& theirs = range.settings[i];
        if (!mine != !theirs || (mine && mine->permissions != theirs->permissions))
            return false;
    }
    return true;
}

} // namespace ttservice
