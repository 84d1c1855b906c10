#include "data/CUserConfig.h"

UTILS_DEFINE_SINGLETON(DATA_EXPORT, Ocv::CUserConfig)

namespace Ocv {

CUserConfig::CUserConfig() = default;

CUserConfig::~CUserConfig() = default;

void CUserConfig::checkIsChangeName(QString& name) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = m_names.constFind(name);
    if (it != m_names.constEnd())
        name = it.value();
}

void CUserConfig::setDisplayNames(const QMap<QString, QString>& names)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_names = names;
}

} // namespace Ocv
