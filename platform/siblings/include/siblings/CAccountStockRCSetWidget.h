#pragma once

#include "data/ttservice/CAccountInfo.h"
#include "data/ttservice/EQdTraderType.h"
#include "kx/CBaseWidget.h"
#include "siblings/SiblingsGlobal.h"

#include <QString>

class QShowEvent;

#include <string>

namespace Ocv {

class CRcSettingForm;

// The risk-control limits of one stock-like account (securities, credit, SH-HK and SZ-HK
// connect, stock options), read from and saved to the platform.
class SIBLINGS_EXPORT CAccountStockRCSetWidget : public Kx::CBaseWidget
{
    Q_OBJECT
public:
    CAccountStockRCSetWidget(ttservice::EQdTraderType traderType, QWidget* parent);
    ~CAccountStockRCSetWidget() override;

    ttservice::EQdTraderType traderType() const;
    // The account whose limits the panel shows; editable false shows them read-only. readFromCache
    // true shows what the panel read last for that account without asking again.
    void setAccount(boost::shared_ptr<ttservice::CAccountInfo> account, bool editable, bool readFromCache);
    void setInstitutionInfo(int& institutionNo, std::string& institutionName);
    // The system whose platform holds the limits; empty for the client centre's selection.
    void setSysName(QString systemName);

    // Reads the account's limits.
    void onActive() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void updateTitle();

    ttservice::EQdTraderType m_traderType;
    CRcSettingForm* m_form = nullptr;
    boost::shared_ptr<ttservice::CAccountInfo> m_account;
    int m_institutionNo = 0;
    std::string m_institutionName;
};

} // namespace Ocv
