#pragma once

#include "data/DataGlobal.h"

#include <map>
#include <set>
#include <string>

namespace bson {
class BSONObj;
}

namespace ttservice {

// One algorithm permission setting of an account: by algorithm code ("TWAP", "VWAP", "POV", ...)
// the values granted under it. A code may come with an empty set, and codes the client does not
// know may come too.
class DATA_EXPORT CAlgoSetting
{
public:
    bson::BSONObj toBson() const;

    std::map<std::string, std::set<int>> permissions;
};

} // namespace ttservice
