#include "base/CAnswerOrder.h"

namespace Ocv {

quint64 CAnswerOrder::next()
{
    return ++m_sent;
}

void CAnswerOrder::retarget()
{
    m_firstValid = m_sent + 1;
}

bool CAnswerOrder::take(quint64 number)
{
    if (number < m_firstValid || number <= m_taken)
        return false;
    m_taken = number;
    return true;
}

} // namespace Ocv
