#pragma once

#include "CDockHost.h"

#include "data/CVornClientCenter.h"

#include <QJsonObject>

// The lines of the events log a scripted run writes: what reached the host, in arrival order.
namespace EventLog {

// {"id", "a", "b", "text"}: an event no panel consumed.
QJsonObject eventLine(const CDockHost::Event& event);
// {"message": {"type", "ok", "title", "text", "b1", "b2"}}: a message shown through the client centre.
QJsonObject messageLine(const Ocv::CVornClientCenter::ServerMessage& message);

} // namespace EventLog
