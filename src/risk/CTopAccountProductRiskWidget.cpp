#include "risk/CTopAccountProductRiskWidget.h"

#include "base/EventIds.h"
#include "base/NumberedQuery.h"
#include "base/StatisticsFigure.h"
#include "base/WelcomeLog.h"
#include "data/CUserManager.h"
#include "data/CVornClientCenter.h"
#include "data/TTError.h"
#include "data/ttservice/CVornBaseInfoStatistics.h"
#include "risk/CTopModelWidget.h"
#include "siblings/CCreateAccountDialog.h"
#include "siblings/CCreateUserDialog.h"
#include "siblings/CProductBatchCreateDialog.h"
#include "siblings/CShowAccountDialog.h"
#include "siblings/CShowETStatusDialog.h"
#include "siblings/CShowProductDialog.h"
#include "siblings/CShowUserDialog.h"
#include "utils/CSingletonT.h"

#include <QPointer>
#include <QTimer>

namespace Ocv {

namespace {
constexpr int kWidth = 1371;
constexpr int kHeight = 273;
constexpr int kRefreshPeriodMs = 60000;
constexpr int kStatisticsType = 12254;
constexpr int kTileCount = 4;
constexpr int kCreatorUserType = 11; // may create users even on a login-type client

enum ButtonId
{
    CreateAccountButton = 1000,
    CreateUserButton = 1001,
    CreateProductButton = 1002,
    ChannelStateButton = 1003
};

struct TileLook
{
    ETopModelWidgetID id;
    const char* colorKey;
    const char* hoverColorKey;
    const char* title;
    const char* today;
    const char* hoverLabel;
    const char* iconKey;
    const char* todayKey;
    ButtonId buttonId;
    const char* buttonText;
};

// In the strip's order, left to right.
const TileLook kTiles[kTileCount] = {
    {TOP_MODEL_ACCOUNT, "clr_top_account_color", "clr_welcome_top_account_hight_text", "账号",
     "今日新增:0个账号", "账号设置", "top_account_new", "top_accoount_up", CreateAccountButton,
     "一键创建账号"},
    {TOP_MODEL_USER, "clr_top_user_color", "clr_welcome_top_user_hight_text", "用户", "今日新增:0位用户",
     "用户设置", "top_user_new", "top_user_up", CreateUserButton, "一键创建用户"},
    {TOP_MODEL_PRODUCT, "clr_top_product_color", "clr_welcome_top_product_hight_text", "产品",
     "今日新增:0个产品", "产品设置", "top_product_new", "top_product_up", CreateProductButton,
     "一键创建产品"},
    {TOP_MODEL_CHANNEL, "clr_top_etf_color", "clr_welcome_top_etf_hight_text", "通道监控", "0个异常状态",
     "查看监控", "top_etf_new", "top_etf_warning", ChannelStateButton, "查看最终状态"},
};

CVornClientCenter* clientCenter()
{
    return utils::CSingletonT<CVornClientCenter>::instance();
}

CUserManager* users()
{
    return utils::CSingletonT<CUserManager>::instance();
}
} // namespace

CTopAccountProductRiskWidget::CTopAccountProductRiskWidget(QWidget* parent)
    : Kx::CBaseWidget(QStringLiteral("top_account_product_risk"), false, parent)
{
    registerWelcomeMetaTypes();
    setFixedSize(kWidth, kHeight);
    createUi();
    layoutTiles();

    connect(this, &CTopAccountProductRiskWidget::sigUpdate, this, &CTopAccountProductRiskWidget::slotUpdate);
    // Queued even when emitted on the GUI thread, so answers are always stored in event order.
    connect(this, &CTopAccountProductRiskWidget::sigAnswer, this, &CTopAccountProductRiskWidget::slotAnswer,
            Qt::QueuedConnection);
    for (CTopModelWidget* tile : {m_pAccountTile, m_pUserTile, m_pProductTile, m_pChannelTile})
        connect(tile, &CTopModelWidget::sigShowDialog, this, &CTopAccountProductRiskWidget::slotShowDialog);

    m_pTimer = new QTimer(this);
    connect(m_pTimer, &QTimer::timeout, this, &CTopAccountProductRiskWidget::slotTimeout);
    m_pTimer->start(kRefreshPeriodMs);

    m_pStatusDialog = new CShowETStatusDialog(this);
    connect(m_pStatusDialog, &CShowETStatusDialog::sigUpdateTableFinish, this,
            &CTopAccountProductRiskWidget::slotUpdateTableFinish);
    m_pStatusDialog->requset();
    m_pStatusDialog->hide();
}

CTopAccountProductRiskWidget::~CTopAccountProductRiskWidget()
{
    // No answer may touch the strip once its destruction has begun.
    m_answerGuard.close();
    m_pTimer->stop();
}

void CTopAccountProductRiskWidget::createUi()
{
    const bool loginTypeClient = clientCenter()->hasClientLoginTypeAuth(0);
    for (const TileLook& look : kTiles) {
        auto* tile = new CTopModelWidget(look.id, this);
        tile->setTextColor(QString::fromLatin1(look.colorKey), QString::fromLatin1(look.hoverColorKey));
        tile->setText(QString::fromUtf8(look.today), QStringLiteral("0"), QString::fromUtf8(look.title),
                      QString::fromUtf8(look.hoverLabel));
        tile->setImage(QString::fromLatin1(look.iconKey), QString::fromLatin1(look.todayKey));
        bool withButton = !loginTypeClient;
        if (look.id == TOP_MODEL_USER)
            withButton = withButton || users()->isAdmin() || users()->getUserType() == kCreatorUserType;
        else if (look.id == TOP_MODEL_CHANNEL)
            withButton = true;
        if (withButton)
            tile->setBtn(look.buttonId, QString::fromUtf8(look.buttonText));
        switch (look.id) {
        case TOP_MODEL_ACCOUNT:
            m_pAccountTile = tile;
            break;
        case TOP_MODEL_USER:
            m_pUserTile = tile;
            break;
        case TOP_MODEL_PRODUCT:
            m_pProductTile = tile;
            break;
        case TOP_MODEL_CHANNEL:
            m_pChannelTile = tile;
            tile->setVisible(!loginTypeClient);
            break;
        }
    }
}

CTopModelWidget* CTopAccountProductRiskWidget::tile(int id) const
{
    for (CTopModelWidget* tile : {m_pAccountTile, m_pUserTile, m_pProductTile, m_pChannelTile}) {
        if (tile && tile->id() == id)
            return tile;
    }
    return nullptr;
}

void CTopAccountProductRiskWidget::resizeEvent(QResizeEvent* event)
{
    Kx::CBaseWidget::resizeEvent(event);
    layoutTiles();
}

void CTopAccountProductRiskWidget::layoutTiles()
{
    const int w = width() / kTileCount;
    int x = 0;
    // A hidden channel tile leaves its quarter empty.
    for (CTopModelWidget* tile : {m_pAccountTile, m_pUserTile, m_pProductTile, m_pChannelTile}) {
        tile->setGeometry(x, 0, w, height());
        x += w;
    }
}

void CTopAccountProductRiskWidget::switchSystem(int systemId, QString systemName)
{
    m_systemId = systemId;
    m_systemName = systemName;
    m_answerOrder.retarget();
    if (m_pShowProductDialog && m_pShowProductDialog->isVisible())
        m_pShowProductDialog->switchSystem(m_systemId, m_systemName);
    if (m_pShowAccountDialog && m_pShowAccountDialog->isVisible())
        m_pShowAccountDialog->switchSystem(m_systemName);
    if (m_pShowUserDialog && m_pShowUserDialog->isVisible())
        m_pShowUserDialog->switchSystem(m_systemName);
    refresh();
}

void CTopAccountProductRiskWidget::onActive()
{
    refresh();
}

void CTopAccountProductRiskWidget::slotTimeout()
{
    if (isActive())
        refresh();
}

void CTopAccountProductRiskWidget::refresh()
{
    const auto onAnswer = [this](quint64 number, const utils::TTError& error,
                                 const std::vector<ttservice::IDataPtr>& records) {
        onQueryData(number, error, records);
    };
    if (!sendNumberedQuery(m_systemName.toStdString(), kStatisticsType, m_answerOrder.next(), m_answerGuard,
                           onAnswer))
        WELCOME_LOG(QStringLiteral("no server named '%1', nothing sent").arg(m_systemName));
}

void CTopAccountProductRiskWidget::onQueryData(quint64 requestNumber, const utils::TTError& error,
                                               const std::vector<ttservice::IDataPtr>& records)
{
    if (!error.isSuccess() || records.empty())
        return;
    emit sigAnswer(requestNumber,
                   boost::dynamic_pointer_cast<ttservice::CVornBaseInfoStatistics>(records.front()));
}

void CTopAccountProductRiskWidget::slotAnswer(
    quint64 requestNumber, boost::shared_ptr<ttservice::CVornBaseInfoStatistics> statistics)
{
    if (!m_answerOrder.take(requestNumber))
        return;
    m_statistics = std::move(statistics);
    emit sigUpdate();
}

void CTopAccountProductRiskWidget::slotUpdate()
{
    if (!m_statistics)
        return;
    const ttservice::CVornBaseInfoStatistics& s = *m_statistics;
    m_pAccountTile->setText(QStringLiteral("今日新增:%1个账号").arg(statisticsFigure(s.accountsToday)),
                            statisticsFigure(s.accountsA), QString(), QStringLiteral("账号设置"));
    m_pUserTile->setText(QStringLiteral("今日新增:%1位用户").arg(statisticsFigure(s.usersToday)),
                         statisticsFigure(s.usersB), QString(), QStringLiteral("用户设置"));
    m_pProductTile->setText(QStringLiteral("今日新增:%1产品").arg(statisticsFigure(s.productsToday)),
                            statisticsFigure(s.productsA), QString(), QStringLiteral("产品设置"));
}

void CTopAccountProductRiskWidget::slotUpdateTableFinish()
{
    m_pChannelTile->setText(QStringLiteral("%1个异常状态").arg(m_pStatusDialog->getStatusCount()),
                            QString::number(m_pStatusDialog->getDataCount()), QString(),
                            QStringLiteral("查看监控"));
}

void CTopAccountProductRiskWidget::slotShowDialog(int id, bool today)
{
    switch (id) {
    case TOP_MODEL_PRODUCT:
        if (!m_pShowProductDialog)
            m_pShowProductDialog = new CShowProductDialog(this);
        m_pShowProductDialog->show();
        m_pShowProductDialog->setisQueryData(today);
        m_pShowProductDialog->switchSystem(m_systemId, m_systemName);
        break;
    case TOP_MODEL_ACCOUNT:
        if (!m_pShowAccountDialog)
            m_pShowAccountDialog = new CShowAccountDialog(this);
        m_pShowAccountDialog->show();
        m_pShowAccountDialog->setisQueryData(today);
        m_pShowAccountDialog->switchSystem(m_systemName);
        break;
    case TOP_MODEL_USER:
        if (!m_pShowUserDialog)
            m_pShowUserDialog = new CShowUserDialog(this);
        m_pShowUserDialog->show();
        m_pShowUserDialog->setisQueryData(today);
        m_pShowUserDialog->switchSystem(m_systemName);
        break;
    case TOP_MODEL_CHANNEL:
        m_pStatusDialog->setisQueryData(today);
        m_pStatusDialog->show();
        break;
    default:
        break;
    }
}

bool CTopAccountProductRiskWidget::handleEvent(int eventId, int a, int b, const QString& text, void* data)
{
    if (eventId != EventId::Button)
        return Kx::CBaseWidget::handleEvent(eventId, a, b, text, data);
    openCreationDialog(a);
    return true;
}

// Creation dialogs are created on first use, kept, and run modally; the strip may be destroyed
// while one runs, so nothing of it is touched after exec().
void CTopAccountProductRiskWidget::openCreationDialog(int buttonId)
{
    const std::string systemName = m_systemName.toStdString();
    switch (buttonId) {
    case CreateAccountButton:
        if (!m_pCreateAccountDialog)
            m_pCreateAccountDialog = new CCreateAccountDialog(this);
        m_pCreateAccountDialog->switchSystem(systemName);
        m_pCreateAccountDialog->exec();
        break;
    case CreateUserButton:
        if (!m_pCreateUserDialog)
            m_pCreateUserDialog = new CCreateUserDialog(this);
        m_pCreateUserDialog->switchSystem(systemName);
        m_pCreateUserDialog->exec();
        break;
    case CreateProductButton:
        if (!m_pProductBatchDialog)
            m_pProductBatchDialog = new CProductBatchCreateDialog(this);
        m_pProductBatchDialog->exec();
        break;
    case ChannelStateButton:
        m_pStatusDialog->setisQueryData(false);
        m_pStatusDialog->exec();
        break;
    default:
        break;
    }
}

} // namespace Ocv
