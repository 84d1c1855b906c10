#pragma once

#include "data/BSON.h"
#include "data/DataGlobal.h"
#include "data/IData.h"
#include "data/TTError.h"

#include <QtGlobal>

#include <vector>

namespace ttservice {
class CVornQueryDataReq;
class COperateDataReq;
} // namespace ttservice

namespace Ocv {

// What answers a client's requests. Called on the client's worker thread.
class DATA_EXPORT IServerBackend
{
public:
    virtual ~IServerBackend();

    virtual void answer(const ttservice::CVornQueryDataReq& req, utils::TTError& error,
                        std::vector<ttservice::IDataPtr>& records, bson::BSONObj& meta) = 0;
    virtual void operate(const ttservice::COperateDataReq& req, utils::TTError& error,
                         bson::BSONObj& meta) = 0;
    virtual int latencyMs() const = 0;
    virtual bool hasTimeService() const = 0;
    // Epoch seconds; only asked when hasTimeService() is true. Must be thread-safe.
    virtual qint64 serverTime() const = 0;
};

} // namespace Ocv
