#pragma once

#include "data/ttservice/CVornSysStatusInfo.h"

#include <QMap>
#include <QVector>

#include <boost/shared_ptr.hpp>

namespace Ocv {

// Latest system-status records keyed by status type, in the order the service returned them.
using SysStatusMap = QMap<int, QVector<boost::shared_ptr<ttservice::CVornSysStatusInfo>>>;

} // namespace Ocv
