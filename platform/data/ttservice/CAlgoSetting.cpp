#include "data/ttservice/CAlgoSetting.h"

#include "data/BSON.h"

#include <vector>

namespace ttservice {

bson::BSONObj CAlgoSetting::toBson() const
{
    bson::BSONObjBuilder codes;
    for (const auto& item : permissions)
        codes.appendArray(item.first, std::vector<int>(item.second.begin(), item.second.end()));
    return bson::BSONObjBuilder().append("permissions", codes.obj()).obj();
}

} // namespace ttservice
