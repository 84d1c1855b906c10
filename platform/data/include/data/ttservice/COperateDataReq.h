#pragma once

#include "data/DataGlobal.h"
#include "data/IData.h"

#include <string>

namespace ttservice {

enum EQdDataOperation
{
    QDO_QUERY = 0,
    QDO_ADD = 1,
    QDO_MODIFY = 2,
    QDO_DELETE = 3
};

// A change sent to the data service: what kind of data, what to do, the record, and the key
// the change is addressed to where the kind of data needs one (e.g. "rat|2").
class DATA_EXPORT COperateDataReq
{
public:
    int dataType = 0;
    int operation = QDO_QUERY;
    IDataPtr data;
    std::string key;
};

typedef boost::shared_ptr<COperateDataReq> COperateDataReqPtr;

} // namespace ttservice
