#pragma once

#include <QString>

class QWidget;

namespace Kx {
class CSimpleTextWidget;
}

namespace Ocv {

// The line where a sibling dialog or panel shows what went wrong ("<name>_error"), in the warning
// colour, hidden until there is something to say.
Kx::CSimpleTextWidget* makeMessageLine(const QString& ownerName, int height, QWidget* parent);

} // namespace Ocv
