#include "base/CAnswerGuard.h"

namespace Ocv {

CAnswerGuard::CAnswerGuard() : m_state(std::make_shared<State>()) {}

CAnswerGuard::~CAnswerGuard()
{
    close();
}

void CAnswerGuard::close()
{
    std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->open = false;
}

bool CAnswerGuard::isOpen() const
{
    std::lock_guard<std::mutex> lock(m_state->mutex);
    return m_state->open;
}

} // namespace Ocv
