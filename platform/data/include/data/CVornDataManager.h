#pragma once

#include "data/DataGlobal.h"
#include "utils/CSingletonT.h"

#include <boost/shared_ptr.hpp>

namespace Ocv {

class CQueryReq;
class COperateReq;

// Requests on behalf of widgets: sent through the client centre, answered on the GUI thread,
// and dropped when the request's parent widget is gone by then.
class DATA_EXPORT CVornDataManager
{
public:
    CVornDataManager();
    ~CVornDataManager();

    void queryData(const boost::shared_ptr<CQueryReq>& req, bool flag);
    void operateData(const boost::shared_ptr<COperateReq>& req);
};

} // namespace Ocv

UTILS_DECLARE_SINGLETON(DATA_EXPORT, Ocv::CVornDataManager)
