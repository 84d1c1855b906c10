#pragma once

#include "data/DataGlobal.h"
#include "data/IData.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <boost/function.hpp>
#include <boost/shared_ptr.hpp>

#include <string>
#include <vector>

namespace Ocv {

// A query through the data manager; its callback runs on the GUI thread.
class DATA_EXPORT CQueryReq
{
public:
    typedef boost::function<void(const boost::shared_ptr<CQueryReq>&, bool ok, const QString& msg,
                                 const std::vector<ttservice::IDataPtr>&, int)>
        Callback;

    std::string moduleKey;
    int dataType = 0;
    std::string param;
    // Nonzero: the server with this system tag answers, not the client centre's selection.
    int systemTag = 0;
    Callback callback;
    QPointer<QWidget> parent;
    bool flag = false;
};

} // namespace Ocv
