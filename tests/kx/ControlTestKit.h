#pragma once

#include "PaintRecorder.h"

#include "kx/CBaseWidget.h"
#include "kx/CUiResource.h"

#include <QColor>
#include <QString>

#include <tuple>
#include <vector>

namespace kxtest {

using Event = std::tuple<int, int, int, QString, void*>;
using Events = std::vector<Event>;

// Consumes and records every event delivered to it.
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

// The module's theme, so that the controls' default keys resolve to their real, distinct values.
inline void loadShippedTheme()
{
    static const bool loaded =
        utils::CSingletonT<Kx::CUiResource>::instance()->loadTheme(QStringLiteral(KX_SHIPPED_THEME));
    Q_UNUSED(loaded);
}

inline QColor themeColor(const char* key)
{
    loadShippedTheme();
    return *utils::CSingletonT<Kx::CUiResource>::instance()->getColor(QLatin1String(key));
}

inline QFont themeFont(const char* key)
{
    loadShippedTheme();
    return *utils::CSingletonT<Kx::CUiResource>::instance()->getFont(QLatin1String(key));
}

// The fill of the first rectangle that covers the whole widget.
inline QColor backgroundOf(QWidget* widget)
{
    for (const kit::PaintOp& op : kit::PaintRecorder::record(widget)) {
        if (op.kind == kit::PaintOp::Rect && op.fill.isValid() && op.rect == QRectF(widget->rect()))
            return op.fill;
    }
    return QColor();
}

} // namespace kxtest
