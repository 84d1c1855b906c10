#include "data/TTError.h"

namespace utils {

TTError::TTError() : m_code(0) {}

TTError::TTError(int code, const std::string& msg) : m_code(code), m_msg(msg) {}

bool TTError::isSuccess() const
{
    return m_code == 0;
}

std::string TTError::errorMsg() const
{
    return m_msg;
}

int TTError::errorCode() const
{
    return m_code;
}

} // namespace utils
