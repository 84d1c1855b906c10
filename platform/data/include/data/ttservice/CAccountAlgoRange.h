#pragma once

#include "data/IData.h"
#include "data/ttservice/CAlgoSetting.h"
#include "data/ttservice/CVornAccountInfo.h"

#include <vector>

namespace ttservice {

// The algorithm permissions of one fund account (query 12374 with "all" and "13"): the account
// (brokerName is its securities company) and its settings, possibly none. Either may be null in
// a faulty answer. clone() copies the account and the settings.
class DATA_EXPORT CAccountAlgoRange : public IData
{
    TTSERVICE_RECORD(CAccountAlgoRange)
public:
    CAccountAlgoRange();
    ~CAccountAlgoRange() override;
    // The account's id; empty without an account.
    std::string getKey() const override;

    void toBsonWithBson(bson::BSONObjBuilder& builder) const override;
    bool sameFields(const IData& other) const override;

    boost::shared_ptr<CVornAccountInfo> account;
    std::vector<boost::shared_ptr<CAlgoSetting>> settings;
};

typedef boost::shared_ptr<CAccountAlgoRange> CAccountAlgoRangePtr;

} // namespace ttservice
