#pragma once

class QString;

namespace Kx {

// Writes a warning through the log4cxx logger "kx".
void logWarning(const QString& text);

} // namespace Kx
