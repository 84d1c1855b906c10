#pragma once

#include "WelcomeGlobal.h"
#include "kx/IBaseHpfTableData.h"

#include <QString>

#include <boost/shared_ptr.hpp>

#include <string>

namespace ttservice {
class CVornTypedUserItem;
}

namespace Ocv {

// One login of a user on the platform, as a row of the user list. The key joins system, user
// name, address, MAC, disk serial number, login time and client version with "__". Those seven
// texts are read back out of the key instead of being held a second time; role, terminal type
// and organisation, which the rows of an answer share, are held apart. The row keeps the login
// it was made from (the platform's record, shared and never changed), which a logout names.
class WELCOME_EXPORT CUserListData : public Kx::IBaseHpfTableData
{
public:
    CUserListData(const QString& system, const std::string& userName, const std::string& userRole,
                  const std::string& terminalType, const std::string& organization,
                  const std::string& address, const std::string& mac, const std::string& diskSerial,
                  const std::string& loginTime, const std::string& clientVersion, int fileModeCount,
                  int apiModeCount);
    // The same with the texts already converted; rows of one answer share the texts that repeat
    // (role, terminal type, organisation, client version) instead of each holding a copy.
    CUserListData(const QString& system, const QString& userName, const QString& userRole,
                  const QString& terminalType, const QString& organization, const QString& address,
                  const QString& mac, const QString& diskSerial, const QString& loginTime,
                  const QString& clientVersion, int fileModeCount, int apiModeCount);
    ~CUserListData() override;

    QString getColumnText(int column) const override;
    QString getColumnText(int column, int purpose) const override;
    int getColumnInt(int column) const override;
    double getColumnDouble(int column) const override;
    qint64 getColumnInt64(int column) const override;
    QColor getTextColor(int column) const override;
    std::string getKey() const override;
    QString qsKey() const override;

    QString userName() const { return keyPart(UserNamePart); }
    QString address() const { return keyPart(AddressPart); }
    QString mac() const { return keyPart(MacPart); }
    QString diskSerial() const { return keyPart(DiskSerialPart); }
    QString loginTime() const { return keyPart(LoginTimePart); }
    // The login the row was made from; null until set.
    const boost::shared_ptr<const ttservice::CVornTypedUserItem>& sourceEntry() const { return m_source; }
    void setSourceEntry(boost::shared_ptr<const ttservice::CVornTypedUserItem> entry)
    {
        m_source = std::move(entry);
    }

private:
    enum KeyPart
    {
        SystemPart,
        UserNamePart,
        AddressPart,
        MacPart,
        DiskSerialPart,
        LoginTimePart,
        ClientVersionPart,
        KeyPartCount
    };

    QString keyPart(int part) const;

    QString m_key;
    quint32 m_partStart[KeyPartCount - 1]; // where the parts after the first begin in m_key
    QString m_userRole;
    QString m_terminalType;
    QString m_organization;
    boost::shared_ptr<const ttservice::CVornTypedUserItem> m_source;
    int m_fileModeCount;
    int m_apiModeCount;
};

} // namespace Ocv
