#pragma once

#include <QVector>

#include <boost/shared_ptr.hpp>

namespace ttservice {
class CVornExchangeInfo;
}

namespace Ocv {

// The exchange records of one answer, in the order the service returned them.
using ExchangeInfoList = QVector<boost::shared_ptr<ttservice::CVornExchangeInfo>>;

} // namespace Ocv
