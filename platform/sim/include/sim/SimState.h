#pragma once

#include "sim/ParamMap.h"
#include "sim/Scenario.h"
#include "sim/SimGlobal.h"

#include <QtGlobal>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ttservice {
class CLoginInfo;
}

namespace sim {

// A server's answers as queries get them now, by (code, param, param2): the scenario's answers,
// drifted in a live scenario and changed by operations. The backend only touches it under its mutex.
class SIM_EXPORT SimState
{
public:
    struct Answer
    {
        Records records;
        qint64 driftedAtMs = 0; // when the figures last drifted, on the backend's clock
    };

    // Keeps copies of the records; the scenario's own are never changed.
    explicit SimState(const std::map<int, ParamMap<Records>>& answers);

    // What a query with these texts is answered from; null when the code has nothing for them.
    Answer* find(int dataType, const std::string& param, const std::string& param2);
    // Whether the code has an answer of its own for these texts (not the one for every param).
    bool hasEntry(int dataType, const std::string& param, const std::string& param2);
    // The answer kept for exactly these texts. On first use it starts as a copy of what such a
    // query got so far, so that a change reaches these texts and no others.
    Answer& stored(int dataType, const std::string& param, const std::string& param2);

    // Whether the scenario or an operation gave the code any answer, even an empty one.
    bool holds(int dataType) const;
    // The records a code gives every param no entry of its own matches (the population's
    // accounts, products and users live there); empty when there are none.
    const Records& everyParam(int dataType) const;
    // The same records, to change; the code gets an empty list for every param when it had none.
    // A change through it drops the index of the accounts by type (made again when next needed).
    Records& everyParamForChange(int dataType);
    // Appends to them, keeping the index of the accounts by type in step.
    void appendEveryParam(int dataType, const ttservice::IDataPtr& record);
    // The account records (12203, every param) with an inner account of this type, in list
    // order. Indexed on first use, so that a query by type costs the accounts of that type.
    const Records& accountsOfType(int accountType);

    // The logins the server lists, own lists of the shared items; a state without lists holds none.
    void setLogins(const LoginLists& logins);
    bool holdsLogins() const;
    // Empty for a kind without logins.
    const LoginItems& logins(int kind) const;
    // Takes every login that matches (user, address, terminal, MAC, disk, login time) off every
    // kind's list; how many went. O(1) after the first (which indexes the lists): ended logins
    // leave a hole that the next read of the list closes, so a run of a hundred thousand logouts
    // of a million logins does not move the lists a hundred thousand times.
    int endLogin(const ttservice::CLoginInfo& login);

    void setAlgoRanges(const std::shared_ptr<const AlgoRanges>& ranges);
    // Null when the server lists none.
    const std::shared_ptr<const AlgoRanges>& algoRanges() const;

private:
    void indexAccount(const ttservice::IDataPtr& record);

    std::map<int, ParamMap<Answer>> m_answers;
    std::map<int, Records> m_accountsByType;
    bool m_accountsIndexed = false;
    struct LoginPlace
    {
        quint64 hash; // of user name and login time
        int kind;
        quint32 position;
        bool operator<(const LoginPlace& other) const { return hash < other.hash; }
    };
    void indexLogins();

    // Mutable: a read closes the holes ended logins left.
    mutable std::optional<LoginLists> m_logins;
    mutable std::map<int, int> m_holes;
    mutable std::vector<LoginPlace> m_loginIndex; // sorted by hash; empty until needed, dropped by a read
    std::shared_ptr<const AlgoRanges> m_algoRanges;
};

// Fresh copies of the records; null records stay null.
SIM_EXPORT Records cloneRecords(const Records& records);

} // namespace sim
