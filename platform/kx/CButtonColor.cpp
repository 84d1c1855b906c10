#include "kx/CButtonColor.h"

namespace Kx {

CButtonColor::CButtonColor(const QString& key) : m_keys{key, key, key, key} {}

CButtonColor::CButtonColor(const QString& normal, const QString& hover, const QString& pressed,
                           const QString& disabled)
    : m_keys{normal, hover, pressed, disabled}
{
}

QString CButtonColor::key(State state) const
{
    return m_keys[state];
}

void CButtonColor::setKey(State state, const QString& key)
{
    m_keys[state] = key;
}

bool CButtonColor::operator==(const CButtonColor& other) const
{
    for (int i = 0; i < 4; ++i) {
        if (m_keys[i] != other.m_keys[i])
            return false;
    }
    return true;
}

} // namespace Kx
