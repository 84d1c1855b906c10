#include "dashboard/StripRow.h"

#include <QPainter>

namespace Ocv {

void paintRow(QPainter* painter, const StripRow& row, int labelX, int valueX, int baseline,
              const StripPalette::Fonts& fonts)
{
    painter->setFont(fonts.label);
    painter->setPen(StripPalette::label());
    painter->drawText(labelX, baseline, row.label);
    painter->setFont(fonts.value);
    painter->setPen(row.valueColor);
    painter->drawText(valueX, baseline, row.value);
}

} // namespace Ocv
