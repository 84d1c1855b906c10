#pragma once

#include <QString>

namespace Ocv {

// The system tag a risk-control panel addresses for a system name: 0 for an empty name (the
// client centre's selection). False, with "交易系统未连接: <name>" in *fault, when no server has
// that name.
bool rcSystemTag(const QString& systemName, int& systemTag, QString* fault);

} // namespace Ocv
