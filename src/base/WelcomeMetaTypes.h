#pragma once

#include "WelcomeGlobal.h"
#include "dashboard/ExchangeInfoList.h"
#include "dashboard/SysStatusMap.h"

#include <QMetaType>

#include <boost/shared_ptr.hpp>

namespace ttservice {
class CVornSubManagerInfo;
class CVornBaseInfoStatistics;
} // namespace ttservice

Q_DECLARE_METATYPE(Ocv::SysStatusMap)
Q_DECLARE_METATYPE(boost::shared_ptr<ttservice::CVornSubManagerInfo>)
Q_DECLARE_METATYPE(boost::shared_ptr<ttservice::CVornBaseInfoStatistics>)
Q_DECLARE_METATYPE(Ocv::ExchangeInfoList)

namespace Ocv {

// Registers the values the module's widgets hand from data-service threads to the GUI thread,
// together with the data library's result types. Safe to call any number of times.
WELCOME_EXPORT void registerWelcomeMetaTypes();

} // namespace Ocv
