#include "sim/ListAnswers.h"

#include "data/ttservice/CVornTypedUserInfo.h"
#include "sim/SimState.h"

#include <boost/make_shared.hpp>

namespace sim {

Records typedUserAnswer(const SimState& state, const std::string& param, int systemTag)
{
    if (param.size() != 1 || param[0] < '1' || param[0] > '0' + kLoginKinds)
        return Records();
    const int kind = param[0] - '0';
    auto info = boost::make_shared<ttservice::CVornTypedUserInfo>();
    info->userKind = kind;
    info->setSystemTag(systemTag);
    info->users = state.logins(kind);
    return {info};
}

Records algoRangeAnswer(const SimState& state, const std::string& param, const std::string& param2)
{
    const std::shared_ptr<const AlgoRanges>& ranges = state.algoRanges();
    if (!ranges || param != "all" || param2 != "13")
        return Records();
    Records records;
    records.reserve(ranges->size());
    for (const ttservice::CAccountAlgoRangePtr& range : *ranges)
        records.push_back(range ? boost::make_shared<ttservice::CAccountAlgoRange>(*range)
                                : ttservice::IDataPtr());
    return records;
}

} // namespace sim
