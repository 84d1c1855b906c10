#include "sim/OperateHandler.h"

#include "data/ttservice/COperateDataReq.h"
#include "sim/SimState.h"

#include <algorithm>
#include <string>

namespace sim {

const std::map<int, OperateHandler>& builtInOperateHandlers()
{
    static const std::map<int, OperateHandler> handlers;
    return handlers;
}

OperateHandler recordStore(const StoreTarget& store)
{
    return [store](SimState& state, const ttservice::COperateDataReq& req, utils::TTError& error) {
        const int operation = req.operation;
        if (operation != ttservice::QDO_ADD && operation != ttservice::QDO_MODIFY &&
            operation != ttservice::QDO_DELETE) {
            error =
                utils::TTError(1, "operation " + std::to_string(operation) + " is not add, modify or delete");
            return;
        }
        if (!req.data) {
            error = utils::TTError(1, "operation without a record");
            return;
        }
        const std::string key = req.data->getKey();
        const auto sameKey = [&key](const ttservice::IDataPtr& record) {
            return record && record->getKey() == key;
        };
        // Looked up before stored(), which would give these texts their own copy even on a refusal.
        const SimState::Answer* current = state.find(store.queryCode, store.param, store.param2);
        const bool exists = current && std::any_of(current->records.begin(), current->records.end(), sameKey);
        if (operation == ttservice::QDO_ADD && exists) {
            error = utils::TTError(1, "a record with key " + key + " exists");
            return;
        }
        if (operation != ttservice::QDO_ADD && !exists) {
            error = utils::TTError(1, "no record with key " + key);
            return;
        }
        Records& records = state.stored(store.queryCode, store.param, store.param2).records;
        const auto found = std::find_if(records.begin(), records.end(), sameKey);
        if (operation == ttservice::QDO_ADD)
            records.push_back(req.data->clone());
        else if (operation == ttservice::QDO_MODIFY)
            *found = req.data->clone();
        else
            records.erase(found);
    };
}

} // namespace sim
