#include "userlist/CUserListData.h"

#include "data/ttservice/CVornTypedUserItem.h"
#include "kx/CUiResource.h"
#include "utils/CSingletonT.h"

#include <cfloat>
#include <climits>

namespace Ocv {

namespace {
const QLatin1String kSeparator("__");
} // namespace

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
    : m_userRole(userRole), m_terminalType(terminalType), m_organization(organization),
      m_fileModeCount(fileModeCount), m_apiModeCount(apiModeCount)
{
    const QString* const parts[KeyPartCount] = {&system,     &userName,  &address,      &mac,
                                                &diskSerial, &loginTime, &clientVersion};
    int size = kSeparator.size() * (KeyPartCount - 1);
    for (const QString* part : parts)
        size += part->size();
    m_key.reserve(size);
    m_key += system;
    for (int i = 1; i < KeyPartCount; ++i) {
        m_key += kSeparator;
        m_partStart[i - 1] = quint32(m_key.size());
        m_key += *parts[i];
    }
}

CUserListData::~CUserListData() = default;

QString CUserListData::keyPart(int part) const
{
    const int start = part == 0 ? 0 : int(m_partStart[part - 1]);
    const int end = part + 1 < KeyPartCount ? int(m_partStart[part]) - kSeparator.size() : m_key.size();
    return QString(m_key.constData() + start, end - start);
}

QString CUserListData::getColumnText(int column) const
{
    return getColumnText(column, 0);
}

QString CUserListData::getColumnText(int column, int) const
{
    switch (column) {
    case 1:
        return keyPart(SystemPart);
    case 2:
        return keyPart(UserNamePart);
    case 3:
        return m_userRole;
    case 4:
        return m_terminalType;
    case 5:
        return m_organization;
    case 6:
        return keyPart(AddressPart);
    case 7:
        return keyPart(MacPart);
    case 8:
        return keyPart(DiskSerialPart);
    case 9:
        return keyPart(LoginTimePart);
    case 10:
        return keyPart(ClientVersionPart);
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
