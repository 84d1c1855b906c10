#include "sim/SimState.h"

#include "data/ttservice/CLoginInfo.h"

#include <algorithm>

namespace sim {

SimState::SimState(const std::map<int, ParamMap<Records>>& answers)
{
    for (const auto& code : answers) {
        ParamMap<Answer>& kept = m_answers[code.first];
        if (code.second.fallback)
            kept.fallback = Answer{cloneRecords(*code.second.fallback)};
        for (const auto& entry : code.second.entries)
            kept.entries[entry.first] = Answer{cloneRecords(entry.second)};
    }
}

SimState::Answer* SimState::find(int dataType, const std::string& param, const std::string& param2)
{
    auto code = m_answers.find(dataType);
    return code == m_answers.end() ? nullptr : code->second.find(param, param2);
}

SimState::Answer& SimState::stored(int dataType, const std::string& param, const std::string& param2)
{
    ParamMap<Answer>& code = m_answers[dataType];
    auto entry = code.entries.find({param, param2});
    if (entry != code.entries.end())
        return entry->second;
    Answer copy;
    if (const Answer* current = code.find(param, param2))
        copy = Answer{cloneRecords(current->records), current->driftedAtMs};
    return code.entries[{param, param2}] = copy;
}

bool SimState::holds(int dataType) const
{
    return m_answers.count(dataType) > 0;
}

const Records& SimState::everyParam(int dataType) const
{
    static const Records none;
    auto code = m_answers.find(dataType);
    return code == m_answers.end() || !code->second.fallback ? none : code->second.fallback->records;
}

Records& SimState::everyParamForChange(int dataType)
{
    std::optional<Answer>& fallback = m_answers[dataType].fallback;
    if (!fallback)
        fallback = Answer();
    return fallback->records;
}

void SimState::setLogins(const LoginLists& logins)
{
    m_logins = logins;
}

bool SimState::holdsLogins() const
{
    return m_logins.has_value();
}

const LoginItems& SimState::logins(int kind) const
{
    static const LoginItems none;
    if (!m_logins)
        return none;
    auto list = m_logins->find(kind);
    return list == m_logins->end() ? none : list->second;
}

int SimState::endLogin(const ttservice::CLoginInfo& login)
{
    if (!m_logins)
        return 0;
    const auto matches = [&login](const ttservice::CVornTypedUserItemPtr& item) {
        return item && item->userName == login.userName && item->loginTime == login.loginTime &&
               item->address == login.address && item->terminalTypeId == login.terminalTypeId &&
               item->mac == login.mac && item->diskSerial == login.diskSerial;
    };
    int ended = 0;
    for (auto& list : *m_logins) {
        LoginItems& items = list.second;
        const auto kept = std::remove_if(items.begin(), items.end(), matches);
        ended += static_cast<int>(items.end() - kept);
        items.erase(kept, items.end());
    }
    return ended;
}

void SimState::setAlgoRanges(const std::shared_ptr<const AlgoRanges>& ranges)
{
    m_algoRanges = ranges;
}

const std::shared_ptr<const AlgoRanges>& SimState::algoRanges() const
{
    return m_algoRanges;
}

Records cloneRecords(const Records& records)
{
    Records copies;
    copies.reserve(records.size());
    for (const ttservice::IDataPtr& record : records)
        copies.push_back(record ? record->clone() : ttservice::IDataPtr());
    return copies;
}

} // namespace sim
