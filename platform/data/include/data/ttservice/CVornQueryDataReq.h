#pragma once

#include "data/DataGlobal.h"
#include "data/ttservice/COperateDataReq.h"

#include <boost/shared_ptr.hpp>

#include <string>

namespace ttservice {

// A query: the data-type code selects the records, param narrows them (an id, "all", a kind),
// param2 narrows them further where a query has a second text, a nonzero systemTag picks the
// server.
class DATA_EXPORT CVornQueryDataReq
{
public:
    int dataType = 0;
    std::string param;
    std::string param2;
    int systemTag = 0;
};

typedef boost::shared_ptr<CVornQueryDataReq> CVornQueryDataReqPtr;

} // namespace ttservice
