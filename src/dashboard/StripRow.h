#pragma once

#include "dashboard/StripPalette.h"

#include <QColor>
#include <QString>

class QPainter;

namespace Ocv {

// One label/value row of a status strip: a grey label and its value in the value's colour.
struct StripRow
{
    QString label;
    QString value;
    QColor valueColor = StripPalette::value();
};

// Both texts on one baseline, the label in the label font and the value in the value font.
void paintRow(QPainter* painter, const StripRow& row, int labelX, int valueX, int baseline,
              const StripPalette::Fonts& fonts);

} // namespace Ocv
