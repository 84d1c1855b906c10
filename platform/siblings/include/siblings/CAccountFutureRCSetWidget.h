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

// The risk-control limits of one futures-like account (futures, futures options), read from and
// saved to the platform of the system named by setSysName.
class SIBLINGS_EXPORT CAccountFutureRCSetWidget : public Kx::CBaseWidget
{
    Q_OBJECT
public:
    CAccountFutureRCSetWidget(ttservice::EQdTraderType traderType, QWidget* parent);
    ~CAccountFutureRCSetWidget() override;

    ttservice::EQdTraderType traderType() const;
    void setAccount(boost::shared_ptr<ttservice::CAccountInfo> account, bool editable);
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
