#pragma once

#include "kx/CBaseWidget.h"

#include <QString>

#include <tuple>
#include <vector>

namespace kit {

using Event = std::tuple<int, int, int, QString, void*>;
using Events = std::vector<Event>;

// Stands where the dock host stands: consumes and records every event delivered to it.
class EventSink : public Kx::CBaseWidget
{
public:
    explicit EventSink(QWidget* parent = nullptr) : Kx::CBaseWidget(QStringLiteral("sink"), false, parent) {}
    bool handleEvent(int eventId, int a, int b, const QString& text, void* data) override
    {
        received.emplace_back(eventId, a, b, text, data);
        return true;
    }
    Events received;
};

} // namespace kit
