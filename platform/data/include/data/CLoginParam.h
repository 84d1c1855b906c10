#pragma once

#include "data/DataGlobal.h"

#include <string>

namespace Ocv {

// How the current user logged in. macs lists the machine's addresses separated by spaces.
class DATA_EXPORT CLoginParam
{
public:
    std::string userName;
    std::string macs;
    std::string serverName;
};

} // namespace Ocv
