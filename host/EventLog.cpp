#include "EventLog.h"

namespace EventLog {

QJsonObject eventLine(const CDockHost::Event& event)
{
    return QJsonObject{{QStringLiteral("id"), event.id},
                       {QStringLiteral("a"), event.a},
                       {QStringLiteral("b"), event.b},
                       {QStringLiteral("text"), event.text}};
}

QJsonObject messageLine(const Ocv::CVornClientCenter::ServerMessage& message)
{
    const QJsonObject fields{{QStringLiteral("type"), message.type},   {QStringLiteral("ok"), message.ok},
                             {QStringLiteral("title"), message.title}, {QStringLiteral("text"), message.text},
                             {QStringLiteral("b1"), message.b1},       {QStringLiteral("b2"), message.b2}};
    return QJsonObject{{QStringLiteral("message"), fields}};
}

} // namespace EventLog
