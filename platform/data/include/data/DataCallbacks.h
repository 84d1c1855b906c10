#pragma once

#include "data/BSON.h"
#include "data/IData.h"
#include "data/TTError.h"

#include <boost/function.hpp>

#include <vector>

namespace Ocv {

// Query result: error, records, the int given with the query, and the accompanying document.
typedef boost::function<void(const utils::TTError&, const std::vector<ttservice::IDataPtr>&, int,
                             const bson::BSONObj&)>
    QueryCallback;
typedef boost::function<void(const utils::TTError&, const bson::BSONObj&)> OperateCallback;

} // namespace Ocv
