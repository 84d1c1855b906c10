#pragma once

#include "data/DataGlobal.h"

#include <string>

namespace ttservice {

// Display names of the platform's enumerations.
class DATA_EXPORT TypeManager
{
public:
    // traderType is the mask of the trading types the platform runs (810495 on a full platform).
    // "ttservice::EAccountType": 1 futures … 12 wealth management, as CVornAccountInfo counts
    //   them; a type exists when its bit (1 << type) is set in the mask, every type when the mask
    //   is 0 or less. A type left out or unknown gives "未知类型(n)".
    // "ttservice::EServiceClientID": the terminal a login came from; unknown gives "未知终端(n)".
    // "ttservice::EQdUserType": unknown gives empty text, unlike the two above: lists that show a
    //   user type fall back to the type text their own record carries.
    // An unknown enumeration gives empty text.
    static std::string getEnumItemName(const std::string& enumName, int value, int traderType);
};

} // namespace ttservice
