#pragma once

#include "data/DataGlobal.h"
#include "utils/CSingletonT.h"

#include <QMap>
#include <QString>

#include <mutex>

namespace Ocv {

// The user's display preferences.
class DATA_EXPORT CUserConfig
{
public:
    CUserConfig();
    ~CUserConfig();

    // Replaces a name by its configured display name; names without one stay as they are.
    void checkIsChangeName(QString& name) const;
    void setDisplayNames(const QMap<QString, QString>& names);

private:
    mutable std::mutex m_mutex;
    QMap<QString, QString> m_names;
};

} // namespace Ocv

UTILS_DECLARE_SINGLETON(DATA_EXPORT, Ocv::CUserConfig)
