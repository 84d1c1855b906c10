#include "common/NeeqString.h"

namespace Ocv {

QString getNeeqString()
{
    return QStringLiteral("股转");
}

} // namespace Ocv
