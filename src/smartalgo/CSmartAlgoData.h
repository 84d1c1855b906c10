#pragma once

#include "WelcomeGlobal.h"
#include "kx/IBaseHpfTableData.h"

#include <QMap>
#include <QString>

#include <string>

namespace Ocv {

// One fund account of the smart-algorithm list: its identity and, for each of fourteen
// algorithms, whether it may use it.
class WELCOME_EXPORT CSmartAlgoData : public Kx::IBaseHpfTableData
{
public:
    CSmartAlgoData(const QString& key, const QString& accountId, int accountType, const QString& company);
    ~CSmartAlgoData() override;

    QString getColumnText(int column) const override;
    QString getColumnText(int column, int purpose) const override;
    int getColumnInt(int column) const override;
    double getColumnDouble(int column) const override;
    qint64 getColumnInt64(int column) const override;
    QColor getTextColor(int column) const override;
    std::string getKey() const override;

    // Column 3..16 -> 1 permitted, 0 not.
    void setPermission(int column, int value);

private:
    QString m_key;
    QString m_accountId;
    int m_accountType;
    QString m_company;
    QString m_accountTypeText;
    QMap<int, int> m_permissions;
};

} // namespace Ocv
