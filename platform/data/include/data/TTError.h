#pragma once

#include "data/DataGlobal.h"

#include <string>

namespace utils {

// Outcome of a data-service call: code 0 is success, anything else carries the service's text.
class DATA_EXPORT TTError
{
public:
    TTError();
    TTError(int code, const std::string& msg);

    bool isSuccess() const;
    std::string errorMsg() const;
    int errorCode() const;

private:
    int m_code;
    std::string m_msg;
};

} // namespace utils
