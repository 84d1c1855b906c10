#pragma once

#include "data/CVornClientCenter.h"

#include <QJsonObject>
#include <QList>

// The lines of the request log: what the simulated servers received, in sending order.
namespace RequestLog {

// {"server", "kind": "query", "code", "param", "param2"}
QJsonObject queryLine(const Ocv::CVornClientCenter::SentRequest& request);
// {"server", "kind": "operate", "code", "operation", "key", "class", "record": {field: value}}; key,
// class and record are null for a null record.
QJsonObject operationLine(const Ocv::CVornClientCenter::SentOperation& operation);
// Every query and operation the client centre noted since the platform was installed.
QList<QJsonObject> lines(const Ocv::CVornClientCenter& center);

} // namespace RequestLog
