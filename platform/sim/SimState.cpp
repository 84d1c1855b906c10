#include "sim/SimState.h"

#include "data/ttservice/CLoginInfo.h"
#include "data/ttservice/CVornAccountInfo.h"
#include "data/ttservice/CVornTypedUserItem.h"
#include "sim/DataCodes.h"

#include <algorithm>
#include <functional>

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

bool SimState::hasEntry(int dataType, const std::string& param, const std::string& param2)
{
    auto code = m_answers.find(dataType);
    return code != m_answers.end() && code->second.findEntry(param, param2);
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
    if (dataType == kAccountCode) {
        m_accountsByType.clear();
        m_accountsIndexed = false;
    }
    std::optional<Answer>& fallback = m_answers[dataType].fallback;
    if (!fallback)
        fallback = Answer();
    return fallback->records;
}

void SimState::appendEveryParam(int dataType, const ttservice::IDataPtr& record)
{
    std::optional<Answer>& fallback = m_answers[dataType].fallback;
    if (!fallback)
        fallback = Answer();
    fallback->records.push_back(record);
    if (dataType == kAccountCode && m_accountsIndexed)
        indexAccount(record);
}

void SimState::indexAccount(const ttservice::IDataPtr& record)
{
    const auto account = boost::dynamic_pointer_cast<const ttservice::CVornAccountInfo>(record);
    if (account && account->account)
        m_accountsByType[account->account->accountType].push_back(record);
}

const Records& SimState::accountsOfType(int accountType)
{
    if (!m_accountsIndexed) {
        for (const ttservice::IDataPtr& record : everyParam(kAccountCode))
            indexAccount(record);
        m_accountsIndexed = true;
    }
    static const Records none;
    auto type = m_accountsByType.find(accountType);
    return type == m_accountsByType.end() ? none : type->second;
}

void SimState::setLogins(const LoginLists& logins)
{
    m_logins = logins;
    m_holes.clear();
    m_loginIndex.clear();
}

bool SimState::holdsLogins() const
{
    return m_logins.has_value();
}

namespace {

quint64 loginHash(const std::string& userName, const std::string& loginTime)
{
    const std::hash<std::string> hash;
    return quint64(hash(userName)) * 0x9E3779B97F4A7C15ull ^ quint64(hash(loginTime));
}

} // namespace

const LoginItems& SimState::logins(int kind) const
{
    static const LoginItems none;
    if (!m_logins)
        return none;
    auto list = m_logins->find(kind);
    if (list == m_logins->end())
        return none;
    auto holes = m_holes.find(kind);
    if (holes != m_holes.end()) {
        LoginItems& items = list->second;
        items.erase(std::remove(items.begin(), items.end(), nullptr), items.end());
        m_holes.erase(holes);
        // Positions moved: the index is made again when next needed.
        m_loginIndex.clear();
    }
    return list->second;
}

void SimState::indexLogins()
{
    m_loginIndex.clear();
    for (const auto& list : *m_logins) {
        for (size_t i = 0; i < list.second.size(); ++i) {
            if (const auto& item = list.second[i])
                m_loginIndex.push_back({loginHash(item->userName, item->loginTime), list.first, quint32(i)});
        }
    }
    std::sort(m_loginIndex.begin(), m_loginIndex.end());
}

int SimState::endLogin(const ttservice::CLoginInfo& login)
{
    if (!m_logins)
        return 0;
    if (m_loginIndex.empty())
        indexLogins();
    const LoginPlace probe{loginHash(login.userName, login.loginTime), 0, 0};
    const auto range = std::equal_range(m_loginIndex.begin(), m_loginIndex.end(), probe);
    int ended = 0;
    for (auto place = range.first; place != range.second; ++place) {
        ttservice::CVornTypedUserItemPtr& item = (*m_logins)[place->kind][place->position];
        if (item && item->userName == login.userName && item->loginTime == login.loginTime &&
            item->address == login.address && item->terminalTypeId == login.terminalTypeId &&
            item->mac == login.mac && item->diskSerial == login.diskSerial) {
            item.reset();
            ++m_holes[place->kind];
            ++ended;
        }
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
