#include "siblings/CAccountFutureRCSetWidget.h"

#include "AccountRcPanel.h"
#include "RcSettingForm.h"

#include <QShowEvent>

namespace Ocv {

namespace {
const QString kName = QStringLiteral("account_future_rc");

// Futures-like accounts trade in lots and hold positions; their cancellations are limited too.
std::vector<RcLimitField> futureFields()
{
    return {{"maxOrderVolume", "单笔最大委托数量", RcLimitField::Integer, 0, 10000000, "手"},
            {"maxPositionVolume", "最大持仓数量", RcLimitField::Integer, 0, 100000000, "手"},
            {"maxDailyLoss", "单日最大亏损", RcLimitField::Decimal, 0, 100000000000.0, "元"},
            {"maxCancelRatio", "最大撤单比例", RcLimitField::Integer, 0, 100, "%"},
            {"tradingAllowed", "允许交易", RcLimitField::Switch, 0, 1, ""}};
}
} // namespace

CAccountFutureRCSetWidget::CAccountFutureRCSetWidget(ttservice::EQdTraderType traderType, QWidget* parent)
    : Kx::CBaseWidget(kName, false, parent), m_traderType(traderType)
{
    m_form = AccountRcPanel::makeForm(kName, futureFields(), this);
    updateTitle();
}

CAccountFutureRCSetWidget::~CAccountFutureRCSetWidget() = default;

ttservice::EQdTraderType CAccountFutureRCSetWidget::traderType() const
{
    return m_traderType;
}

void CAccountFutureRCSetWidget::setAccount(boost::shared_ptr<ttservice::CAccountInfo> account, bool editable)
{
    m_account = account;
    AccountRcPanel::setTarget(m_form, account, m_traderType, editable);
    updateTitle();
    if (isActive())
        m_form->scheduleRead();
}

void CAccountFutureRCSetWidget::setInstitutionInfo(int& institutionNo, std::string& institutionName)
{
    m_institutionNo = institutionNo;
    m_institutionName = institutionName;
    updateTitle();
}

void CAccountFutureRCSetWidget::setSysName(QString systemName)
{
    m_form->setSystemName(systemName);
    if (isActive())
        m_form->scheduleRead();
}

void CAccountFutureRCSetWidget::onActive()
{
    m_form->scheduleRead();
}

void CAccountFutureRCSetWidget::showEvent(QShowEvent* event)
{
    Kx::CBaseWidget::showEvent(event);
    if (isActive())
        m_form->scheduleRead();
}

void CAccountFutureRCSetWidget::updateTitle()
{
    m_form->setTitle(AccountRcPanel::title(m_account, m_institutionNo, m_institutionName, m_traderType));
}

} // namespace Ocv
