#include "dashboard/StripState.h"

#include "dashboard/StripPalette.h"
#include "data/ttservice/CVornSysStatusInfo.h"

#include <QPainter>

namespace Ocv {

StripState StripState::of(bool normal)
{
    if (normal)
        return {QStringLiteral("正常"), StripPalette::normal()};
    return {QStringLiteral("异常"), StripPalette::abnormal()};
}

StripState StripState::ofService(const ttservice::CVornSysStatusInfo* info)
{
    if (!info)
        return {QStringLiteral("--"), StripPalette::abnormal()};
    return of(info->running != 0 && info->faultFlag == 0);
}

StripState StripState::ofHostResource(const ttservice::CVornSysStatusInfo* record)
{
    if (!record)
        return {QStringLiteral("-"), StripPalette::label()};
    return of(record->running != 0);
}

void StripState::paint(QPainter* painter, int x, int baseline) const
{
    painter->setPen(color);
    painter->drawText(x, baseline, text);
}

} // namespace Ocv
