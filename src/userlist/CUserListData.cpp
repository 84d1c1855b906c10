#include "userlist/CUserListData.h"

#include "kx/CUiResource.h"
#include "utils/CSingletonT.h"

#include <QStringList>

#include <cfloat>
#include <climits>

namespace Ocv {

CUserListData::CUserListData(const QString& system, const std::string& userName, const std::string& userRole,
                             const std::string& terminalType, const std::string& organization,
                             const std::string& address, const std::string& mac,
                             const std::string& diskSerial, const std::string& loginTime,
                             const std::string& clientVersion, int fileModeCount, int apiModeCount)
    : CUserListData(system, QString::fromStdString(userName), QString::fromStdString(userRole),
                    QString::fromStdString(terminalType), QString::fromStdString(organization),
                    QString::fromStdString(address), QString::fromStdString(mac),
                    QString::fromStdString(diskSerial), QString::fromStdString(loginTime),
                    QString::fromStdString(clientVersion), fileModeCount, apiModeCount)
{
}

CUserListData::CUserListData(const QString& system, const QString& userName, const QString& userRole,
                             const QString& terminalType, const QString& organization, const QString& address,
                             const QString& mac, const QString& diskSerial, const QString& loginTime,
                             const QString& clientVersion, int fileModeCount, int apiModeCount)
    : m_system(system), m_userName(userName), m_userRole(userRole), m_terminalType(terminalType),
      m_organization(organization), m_address(address), m_mac(mac), m_diskSerial(diskSerial),
      m_loginTime(loginTime), m_clientVersion(clientVersion), m_fileModeCount(fileModeCount),
      m_apiModeCount(apiModeCount)
{
    m_key =
        QStringList{m_system, m_userName, m_address, m_mac, m_diskSerial, m_loginTime, m_clientVersion}.join(
            QStringLiteral("__"));
}

CUserListData::~CUserListData() = default;

QString CUserListData::getColumnText(int column) const
{
    return getColumnText(column, 0);
}

QString CUserListData::getColumnText(int column, int) const
{
    switch (column) {
    case 1:
        return m_system;
    case 2:
        return m_userName;
    case 3:
        return m_userRole;
    case 4:
        return m_terminalType;
    case 5:
        return m_organization;
    case 6:
        return m_address;
    case 7:
        return m_mac;
    case 8:
        return m_diskSerial;
    case 9:
        return m_loginTime;
    case 10:
        return m_clientVersion;
    case 11:
        return QString::number(m_fileModeCount);
    case 12:
        return QString::number(m_apiModeCount);
    default:
        return QStringLiteral("-");
    }
}

// The two counts answer as numbers so that their columns sort numerically; the table sorts an
// integer column through this getter.
int CUserListData::getColumnInt(int column) const
{
    if (column == 11)
        return m_fileModeCount;
    if (column == 12)
        return m_apiModeCount;
    return INT_MAX;
}

double CUserListData::getColumnDouble(int) const
{
    return DBL_MAX;
}

qint64 CUserListData::getColumnInt64(int) const
{
    return LLONG_MAX;
}

QColor CUserListData::getTextColor(int) const
{
    return *utils::CSingletonT<Kx::CUiResource>::instance()->getColor(QStringLiteral("clr_default"));
}

std::string CUserListData::getKey() const
{
    return m_key.toStdString();
}

QString CUserListData::qsKey() const
{
    return m_key;
}

} // namespace Ocv
