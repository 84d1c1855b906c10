#include "siblings/CAccountStockRCSetWidget.h"

#include "AccountRcPanel.h"
#include "RcSettingForm.h"

#include <QShowEvent>

namespace Ocv {

namespace {
const QString kName = QStringLiteral("account_stock_rc");

// Stock-like accounts trade in shares and money per order; positions are the custodian's.
std::vector<RcLimitField> stockFields()
{
    return {{"maxOrderVolume", "单笔最大委托数量", RcLimitField::Integer, 0, 10000000, "股"},
            {"maxOrderAmount", "单笔最大委托金额", RcLimitField::Decimal, 0, 10000000000.0, "元"},
            {"maxDailyLoss", "单日最大亏损", RcLimitField::Decimal, 0, 100000000000.0, "元"},
            {"tradingAllowed", "允许交易", RcLimitField::Switch, 0, 1, ""}};
}
} // namespace

CAccountStockRCSetWidget::CAccountStockRCSetWidget(ttservice::EQdTraderType traderType, QWidget* parent)
    : Kx::CBaseWidget(kName, false, parent), m_traderType(traderType)
{
    m_form = AccountRcPanel::makeForm(kName, stockFields(), this);
    updateTitle();
}

CAccountStockRCSetWidget::~CAccountStockRCSetWidget() = default;

ttservice::EQdTraderType CAccountStockRCSetWidget::traderType() const
{
    return m_traderType;
}

void CAccountStockRCSetWidget::setAccount(boost::shared_ptr<ttservice::CAccountInfo> account, bool editable,
                                          bool readFromCache)
{
    m_account = account;
    AccountRcPanel::setTarget(m_form, account, m_traderType, editable);
    updateTitle();
    if (readFromCache && m_form->showCached())
        return;
    if (isActive())
        m_form->scheduleRead();
}

void CAccountStockRCSetWidget::setInstitutionInfo(int& institutionNo, std::string& institutionName)
{
    m_institutionNo = institutionNo;
    m_institutionName = institutionName;
    updateTitle();
}

void CAccountStockRCSetWidget::setSysName(QString systemName)
{
    m_form->setSystemName(systemName);
    if (isActive())
        m_form->scheduleRead();
}

void CAccountStockRCSetWidget::onActive()
{
    m_form->scheduleRead();
}

void CAccountStockRCSetWidget::showEvent(QShowEvent* event)
{
    Kx::CBaseWidget::showEvent(event);
    if (isActive())
        m_form->scheduleRead();
}

void CAccountStockRCSetWidget::updateTitle()
{
    m_form->setTitle(AccountRcPanel::title(m_account, m_institutionNo, m_institutionName, m_traderType));
}

} // namespace Ocv
