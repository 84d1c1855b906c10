#pragma once

#include "data/DataGlobal.h"
#include "data/IData.h"
#include "data/ttservice/COperateDataReq.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <boost/function.hpp>
#include <boost/shared_ptr.hpp>

#include <string>

namespace Ocv {

// A change through the data manager; its callback runs on the GUI thread.
class DATA_EXPORT COperateReq
{
public:
    typedef boost::function<void(const boost::shared_ptr<COperateReq>&, bool ok, const QString& msg)>
        Callback;

    std::string moduleKey;
    int dataType = 0;
    int operation = ttservice::QDO_QUERY;
    ttservice::IDataPtr data;
    // The key the change is addressed to where the data type needs one (e.g. "rat|2").
    std::string key;
    Callback callback;
    QPointer<QWidget> parent;
    bool flag = false;
};

} // namespace Ocv
