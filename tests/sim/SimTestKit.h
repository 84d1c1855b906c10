#pragma once

#include "data/ttservice/COperateDataReq.h"
#include "data/ttservice/CVornQueryDataReq.h"
#include "sim/Scenario.h"
#include "sim/SimBackend.h"

#include <gtest/gtest.h>

namespace simtest {

// What the backend answers one query; its error goes to *error when given.
inline sim::Records ask(sim::SimBackend& backend, int dataType, const std::string& param = "",
                        const std::string& param2 = "", utils::TTError* error = nullptr)
{
    ttservice::CVornQueryDataReq req;
    req.dataType = dataType;
    req.param = param;
    req.param2 = param2;
    sim::Records records;
    utils::TTError ignored;
    bson::BSONObj meta;
    backend.answer(req, error ? *error : ignored, records, meta);
    return records;
}

inline utils::TTError operate(sim::SimBackend& backend, int dataType, int operation,
                              const ttservice::IDataPtr& record, const std::string& key = "")
{
    ttservice::COperateDataReq req;
    req.dataType = dataType;
    req.operation = operation;
    req.data = record;
    req.key = key;
    utils::TTError error;
    bson::BSONObj meta;
    backend.operate(req, error, meta);
    return error;
}

// The first server of a scenario written for the test.
inline sim::ServerSetup serverOf(const char* json)
{
    QString error;
    const sim::Scenario scenario = sim::Scenario::fromJson(QByteArray(json), &error);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    return scenario.servers.empty() ? sim::ServerSetup() : scenario.servers[0];
}

} // namespace simtest
