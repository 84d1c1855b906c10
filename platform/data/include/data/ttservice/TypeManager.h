#pragma once

#include "data/DataGlobal.h"

#include <string>

namespace ttservice {

// Display names of the platform's enumerations.
class DATA_EXPORT TypeManager
{
public:
    // Empty text for an unknown enumeration or value. traderType selects the wording where
    // it differs between trading types; the stand-in tables use one wording for all.
    static std::string getEnumItemName(const std::string& enumName, int value, int traderType);
};

} // namespace ttservice
