#pragma once

#include "data/CVornClientCenter.h"

#include <functional>

class QObject;

// Server messages may arrive on any thread, also while the host window is being torn down. The
// handler made here only posts them to the GUI thread; there, show runs if receiver still lives,
// and the message is dropped otherwise.
namespace ServerMessageSink {

using Message = Ocv::CVornClientCenter::ServerMessage;

// Call on the GUI thread; the result is meant for CVornClientCenter::setServerMessageHandler.
std::function<void(const Message&)> handlerFor(QObject* receiver, std::function<void(const Message&)> show);

} // namespace ServerMessageSink
