#include "RcSystem.h"

#include "data/CVornClient.h"
#include "data/CVornClientCenter.h"
#include "utils/CSingletonT.h"

namespace Ocv {

bool rcSystemTag(const QString& systemName, int& systemTag, QString* fault)
{
    systemTag = 0;
    if (systemName.isEmpty())
        return true;
    const auto client =
        utils::CSingletonT<CVornClientCenter>::instance()->getClientByName(systemName.toStdString());
    if (!client) {
        if (fault)
            *fault = QStringLiteral("交易系统未连接: %1").arg(systemName);
        return false;
    }
    systemTag = client->systemTag();
    return true;
}

} // namespace Ocv
