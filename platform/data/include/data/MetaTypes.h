#pragma once

#include "data/DataGlobal.h"
#include "data/IData.h"
#include "data/TTError.h"

#include <QMetaType>

#include <vector>

Q_DECLARE_METATYPE(utils::TTError)
Q_DECLARE_METATYPE(std::vector<ttservice::IDataPtr>)

namespace Ocv {

// Registers the result types for queued signals under "utils::TTError" and
// "std::vector<ttservice::IDataPtr>". Safe to call any number of times.
DATA_EXPORT void registerDataMetaTypes();

} // namespace Ocv
