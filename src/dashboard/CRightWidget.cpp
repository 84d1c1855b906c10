#include "dashboard/CRightWidget.h"

#include "base/EventIds.h"
#include "base/Hairlines.h"
#include "base/NumberedQuery.h"
#include "base/ResultMessage.h"
#include "base/WelcomeLog.h"
#include "dashboard/CExchangeTabButton.h"
#include "data/CUserManager.h"
#include "data/CVornClient.h"
#include "data/CVornClientCenter.h"
#include "data/CVornTimeServer.h"
#include "data/Clock.h"
#include "data/ttservice/CVornExchangeInfo.h"
#include "data/ttservice/CVornUserInfo.h"
#include "kx/CImage.h"
#include "kx/CImageWidget.h"
#include "kx/CSimpleTextWidget.h"
#include "kx/CUiResource.h"
#include "kx/CVScrollWidgetList.h"
#include "kx/CWidgetList.h"
#include "kx/KxFormat.h"
#include "utils/CSingletonT.h"

#include <QDate>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

#include <boost/format.hpp>

#include <algorithm>
#include <iterator>

namespace Ocv {

namespace {
constexpr int kWidth = 240;
constexpr int kHeight = 890;
constexpr int kRefreshPeriodMs = 10000;
constexpr int kClockPeriodMs = 1000;
constexpr int kExchangeInfoType = 12255;

const QColor kFrameColor(219, 219, 219);
const QColor kTextColor(102, 102, 102);
const QColor kWarningColor(255, 0, 0);
constexpr int kTextPixelSize = 13;
constexpr int kHeaderLineY = 73;
constexpr int kIconSize = 36;

// Server clock.
constexpr int kClockIconX = 10;
constexpr int kClockIconY = 10;
const QPoint kClockCaptionAt(10, 58);
const QPoint kClockTimeAt(80, 31);
const QRect kClockRect(0, 0, kWidth, kHeaderLineY);

// Tabs.
constexpr int kDomesticTabId = 0;
constexpr int kOverseasTabId = 1;
constexpr int kTabWidth = 115;
constexpr int kTabY = 74;

// Domestic rows: row k ends at r = 80 + tab height + 5 + 60 k, each offset counting back from r.
constexpr int kRowsTop = 80;
constexpr int kRowsGap = 5;
constexpr int kRowPitch = 60;
constexpr int kRowIconX = 10;
constexpr int kRowIconRise = 60;
constexpr int kNameX = 10;
constexpr int kNameRise = 12;
constexpr int kDateX = 80;
constexpr int kDateRise = 39;
constexpr int kWarningX = 80;
constexpr int kMismatchX = 55;
constexpr int kWarningRise = 20;
// The rows below the tabs scroll when the user's exchanges do not fit; the clock header stays.
constexpr int kRowsBottomMargin = 5;
constexpr int kRowScrollWidth = 6;
constexpr int kWheelStep = kRowPitch / 2;
const QString kRowScrollStyle = QStringLiteral(
    "QScrollBar:vertical{width:6px;background:transparent;margin:0;border:none;}"
    "QScrollBar::handle:vertical{background:%1;border-radius:3px;min-height:24px;}"
    "QScrollBar::handle:vertical:hover{background:%2;}"
    "QScrollBar::add-line:vertical,QScrollBar::sub-line:vertical{height:0;}"
    "QScrollBar::add-page:vertical,QScrollBar::sub-page:vertical{background:none;}");
constexpr int kLateHour = 21;      // from 21:00 night sessions already trade on the next day
constexpr int kDelayWarnSecs = 31; // updates this old count as delayed

// Overseas list.
constexpr int kOverseasX = 0;
constexpr int kOverseasY = 100;
constexpr int kOverseasWidth = 230;
constexpr int kOverseasHeight = 790;
constexpr int kOverseasContentHeight = 1000;
constexpr int kOverseasMarginLeft = 10;
constexpr int kOverseasMarginTop = 15;
constexpr int kOverseasSpacing = 5;
constexpr int kItemWidth = 220;
constexpr int kItemHeight = 50;
constexpr int kItemSpacing = 25;
constexpr int kItemTextWidth = 150;
constexpr int kItemTextSpacing = 5;
constexpr int kItemTextFlags = 385; // left, vertically centred, one elided line
constexpr int kNoTextLimit = 100000;
const QString kItemFontKey = QStringLiteral("fnt_soft_keyboard_normal");

// User types that see every exchange whatever their rights.
constexpr int kAllExchangeUserTypes[] = {600, 1500};
constexpr int kStockRights[] = {10041, 10089};
constexpr int kFuturesRight = 10037;
constexpr int kStockOptionRight = 10657;
constexpr int kNeeqRight = 10953;
constexpr int kShHkRight = 10745;
constexpr int kSzHkRight = 11501;
constexpr int kGoldRight = 12091;
constexpr int kEnergyRight = 10037;
constexpr int kSzStockOptionRight = 10657;
constexpr int kGzFuturesRight = 10037;

enum Group
{
    Stock,
    Futures,
    StockOption,
    Neeq,
    ShHk,
    SzHk,
    Gold,
    Energy,
    SzStockOption,
    GzFutures,
    Beijing, // the stock group where the client counts Beijing as a stock market, else NEEQ
    GroupCount
};

struct DomesticRow
{
    const char* code;
    const char* name;
    const char* iconKey;
    Group group;
    bool notOnAlgorithmBus;
};

// In painting order; the two Beijing rows share the NEEQ record.
const DomesticRow kDomesticRows[] = {
    {"SH", "上证所", "ocv_img_wolcome_SH", Stock, false},
    {"SZ", "深交所", "ocv_img_wolcome_SZ", Stock, false},
    {"CFFEX", "中金所", "ocv_img_wolcome_CFFEX", Futures, true},
    {"SHFE", "上期所", "ocv_img_wolcome_SF", Futures, true},
    {"CZCE", "郑商所", "ocv_img_wolcome_CZCE", Futures, true},
    {"DCE", "大商所", "ocv_img_wolcome_DCE", Futures, true},
    {"GFEX", "广期所", "ocv_img_wolcome_GFEX", GzFutures, true},
    {"HGT", "沪港通", "ocv_img_wolcome_HGT", ShHk, false},
    {"SGT", "深港通", "ocv_img_wolcome_SGT", SzHk, false},
    {"SHO", "上期权", "ocv_img_wolcome_SHO", StockOption, true},
    {"NEEQ", "北交所", "ocv_img_wolcome_BJ", Beijing, true},
    {"NEEQ", "全国股转", "ocv_img_wolcome_NEEQ", Neeq, true},
    {"SHGE", "金交所", "ocv_img_wolcome_SHGE", Gold, true},
    {"INE", "能源中心", "ocv_img_wolcome_INE", Energy, true},
    {"SZO", "深期权", "ocv_img_wolcome_SZO", SzStockOption, false},
};

CVornClientCenter* clientCenter()
{
    return utils::CSingletonT<CVornClientCenter>::instance();
}

// "20261205" as "2026-12-05"; anything that is not such a date (the "-" of a missing record
// included) reads as no text.
QString formatTradeDay(const QString& tradeDay)
{
    return QDate::fromString(tradeDay, QStringLiteral("yyyyMMdd")).toString(QStringLiteral("yyyy-MM-dd"));
}

QString formatUpdateTime(int updateSecond)
{
    if (updateSecond < 1)
        return QStringLiteral("--:--:--");
    return Kx::secondToQDateTime(updateSecond).toString(QStringLiteral("hh:mm:ss"));
}

QString describe(const ttservice::CVornExchangeInfo& info)
{
    const std::string day = info.m_nToUpdateSecond < 1 ? std::string("--")
                                                       : Kx::secondToQDateTime(info.m_nToUpdateSecond)
                                                             .toString(QStringLiteral("yyyy-MM-dd"))
                                                             .toStdString();
    return QString::fromStdString(
        (boost::format("CRightWidget update CVornExchangeInfo : m_strMarketName = %1%, m_strMarketTradeDay = "
                       "%2%, m_nToUpdateSecond = %3%(%4%), m_bInTradingTime = %5%") %
         info.m_strMarketName % info.m_strMarketTradeDay % info.m_nToUpdateSecond % day %
         info.m_bInTradingTime)
            .str());
}
} // namespace

CRightWidget::CRightWidget(QWidget* parent)
    : Kx::CBaseWidget(QStringLiteral("wolcome_right_widget"), false, parent),
      m_serverTimeIcon(std::make_unique<Kx::CImage>(QStringLiteral("ocv_img_wolcome_server_time")))
{
    m_textFont.setPixelSize(kTextPixelSize);
    m_textFont.setBold(false);
    registerWelcomeMetaTypes();
    setFixedSize(kWidth, kHeight);
    // Queued even when emitted on the GUI thread, so answers are always stored in event order.
    connect(this, &CRightWidget::sigAnswer, this, &CRightWidget::slotAnswer, Qt::QueuedConnection);

    initGroupFlags();

    m_pRefreshTimer = new QTimer(this);
    connect(m_pRefreshTimer, &QTimer::timeout, this, &CRightWidget::slotTimeOut);
    m_pRefreshTimer->start(kRefreshPeriodMs);
    refresh();
    m_pClockTimer = new QTimer(this);
    connect(m_pClockTimer, &QTimer::timeout, this, &CRightWidget::slotServerTimeTimeOut);
    m_pClockTimer->start(kClockPeriodMs);

    m_pDomesticTab = new CExchangeTabButton(kDomesticTabId, this, true);
    m_pDomesticTab->setText(QStringLiteral("境内交易所"));
    m_pDomesticTab->setFixedWidth(kTabWidth);
    m_pDomesticTab->move(0, kTabY);
    m_pOverseasTab = new CExchangeTabButton(kOverseasTabId, this, false);
    m_pOverseasTab->setText(QStringLiteral("境外交易所"));
    m_pOverseasTab->setFixedWidth(kTabWidth);
    m_pOverseasTab->move(kTabWidth, kTabY);

    m_pRowScroll = new QScrollBar(Qt::Vertical, this);
    m_pRowScroll->setObjectName(QStringLiteral("wolcome_right_row_scroll"));
    m_pRowScroll->setCursor(Qt::ArrowCursor);
    m_pRowScroll->hide();
    applyRowScrollStyle();
    connect(m_pRowScroll, &QScrollBar::valueChanged, this, [this]() { update(rowsArea()); });

    initOverseasListItem();
    createOverseasUi();
    updateTexts();
}

CRightWidget::~CRightWidget()
{
    // No answer may touch the widget once its destruction has begun.
    m_answerGuard.close();
}

void CRightWidget::initGroupFlags()
{
    if (clientCenter()->hasClientLoginTypeAuth(0))
        return; // a login-type client shows no domestic exchange

    CUserManager* users = utils::CSingletonT<CUserManager>::instance();
    const auto user = users->getUserInfoPtr();
    const bool seesAll = user && std::find(std::begin(kAllExchangeUserTypes), std::end(kAllExchangeUserTypes),
                                           user->userType) != std::end(kAllExchangeUserTypes);
    auto allowed = [&](int right) { return seesAll || users->checkUserAuth(right); };
    m_groups.stock = allowed(kStockRights[0]) || allowed(kStockRights[1]);
    m_groups.futures = allowed(kFuturesRight);
    m_groups.stockOption = allowed(kStockOptionRight);
    m_groups.neeq = allowed(kNeeqRight);
    m_groups.shHk = allowed(kShHkRight);
    m_groups.szHk = allowed(kSzHkRight);
    m_groups.gold = allowed(kGoldRight);
    m_groups.energy = allowed(kEnergyRight);
    m_groups.szStockOption = allowed(kSzStockOptionRight);
    m_groups.gzFutures = allowed(kGzFuturesRight);

    for (const DomesticRow& row : kDomesticRows) {
        const QString key = QString::fromLatin1(row.iconKey);
        m_domesticIcons[key] = std::make_unique<Kx::CImage>(key);
    }
}

void CRightWidget::initOverseasListItem()
{
    const struct
    {
        const char* code;
        const char* name;
        const char* iconKey;
    } items[] = {
        {"CBF", "芝加哥期权交易所", "ocv_img_Chicago_Board_Options_Exchange"},
        {"CBOT", "芝加哥期货交易所", "ocv_img_Chicago_Board_of_Trade"},
        {"CME", "芝加哥商品交易所", "ocv_img_Chicago_Mercantile_Exchange"},
        {"COMEX", "纽约商品交易所", "ocv_img_COMEX"},
        {"EUREX", "欧洲洲际期货交易所", "ocv_img_ICE_Futures_Europe_Financials"},
        {"ICE", "洲际交易所", "ocv_img_ICE_Endex"},
        {"LBMA", "伦敦金银市场协会", "ocv_img_london_gold_silver_exchange"},
        {"LME", "伦敦金属交易所", "ocv_img_London_Metal_Exchange"},
        {"LPPM", "伦敦铂钯市场", "ocv_img_london_platinum"},
        {"NYB", "纽约期货交易所", "ocv_img_New_York_Mercantile_Exchange"},
        {"NYMEX", "纽约商业交易所", "ocv_img_New_York_Mercantile_Exchange"},
        {"OSE", "大阪交易所", "ocv_img_osaka_Commodity_Exchange"},
        {"SGX", "新加坡交易所", "ocv_img_sgx_exchange"},
    };
    for (const auto& item : items)
        m_overseasItems[item.code] = {QString::fromUtf8(item.name), QString::fromLatin1(item.iconKey)};
}

void CRightWidget::createOverseasUi()
{
    m_pOverseasList = new Kx::CVScrollWidgetList(Kx::VScrollShowBar, this);
    m_pOverseasList->setFixedSize(kOverseasWidth, kOverseasHeight);
    m_pOverseasList->move(kOverseasX, kOverseasY);
    m_pOverseasList->hide();

    auto* list = new Kx::CWidgetList(Qt::Vertical, nullptr);
    list->setMargin(kOverseasMarginLeft, kOverseasMarginTop, 0, 0);
    list->setSpacing(kOverseasSpacing);
    list->setFixedSize(kOverseasWidth, kOverseasContentHeight);
    for (const auto& item : m_overseasItems)
        createExchangeItemList(list, item.second.iconKey, item.second.name, item.first);
    m_pOverseasList->setWidget(list);
}

void CRightWidget::createExchangeItemList(Kx::CWidgetList* list, const QString& iconKey, const QString& name,
                                          const std::string& code)
{
    auto* item = new Kx::CWidgetList(Qt::Horizontal, list);
    item->setMargin(0, 0, 0, 0);
    item->setSpacing(kItemSpacing);
    item->setFixedSize(kItemWidth, kItemHeight);

    auto* icon = new Kx::CImageWidget(0, iconKey, item);
    icon->setFixedSize(kIconSize, kIconSize);
    auto* texts = new Kx::CWidgetList(Qt::Vertical, item);
    texts->setMargin(0, 0, 0, 0);
    texts->setSpacing(kItemTextSpacing);
    texts->setFixedSize(kItemTextWidth, kItemHeight);

    auto* nameText = new Kx::CSimpleTextWidget(0, kItemTextFlags, texts);
    nameText->setFontKey(kItemFontKey);
    nameText->setText(name, kNoTextLimit);
    auto* statusText = new Kx::CSimpleTextWidget(0, kItemTextFlags, texts);
    statusText->setFontKey(kItemFontKey);
    statusText->setText(QStringLiteral("-- --:--:--"), kNoTextLimit);
    texts->addFixedWidget(nameText, Kx::AnchorStart);
    texts->addFixedWidget(statusText, Kx::AnchorStart);

    item->addFixedWidget(icon, Kx::AnchorFill);
    item->addFixedWidget(texts, Kx::AnchorFill);
    list->addFixedWidget(item, Kx::AnchorFill);
    m_overseasNames[code] = nameText;
    m_overseasStatus[code] = statusText;
}

void CRightWidget::setCurrentService(std::string systemName)
{
    m_strSystemName = std::move(systemName);
    m_answerOrder.retarget();
    updateTexts();
    refresh();
}

void CRightWidget::onActive()
{
    Kx::CBaseWidget::onActive();
    refresh();
}

void CRightWidget::slotTimeOut()
{
    refresh();
}

void CRightWidget::slotServerTimeTimeOut()
{
    updateTexts();
}

void CRightWidget::refresh()
{
    if (!isActive())
        return;

    const auto onAnswer = [this](quint64 number, const utils::TTError& error,
                                 const std::vector<ttservice::IDataPtr>& records) {
        onQueryData(number, error, records);
    };
    if (!sendNumberedQuery(m_strSystemName, kExchangeInfoType, m_answerOrder.next(), m_answerGuard, onAnswer))
        WELCOME_LOG(QStringLiteral("no server named '%1', nothing sent").arg(Kx::sToQs(m_strSystemName)));
}

void CRightWidget::onQueryData(quint64 requestNumber, const utils::TTError& error,
                               const std::vector<ttservice::IDataPtr>& records)
{
    if (!error.isSuccess()) {
        WELCOME_LOG(QStringLiteral("query failed: %1").arg(Kx::sToQs(error.errorMsg())));
        return;
    }
    ExchangeInfoList exchanges;
    for (const auto& record : records) {
        auto info = boost::dynamic_pointer_cast<ttservice::CVornExchangeInfo>(record);
        if (!info)
            continue;
        WELCOME_LOG(describe(*info));
        exchanges.append(info);
    }
    if (!exchanges.isEmpty())
        emit sigAnswer(requestNumber, exchanges);
}

void CRightWidget::slotAnswer(quint64 requestNumber, Ocv::ExchangeInfoList records)
{
    if (!m_answerOrder.take(requestNumber)) {
        WELCOME_LOG(QStringLiteral("answer %1 outdated, dropped").arg(requestNumber));
        return;
    }
    // Merged, never replaced: an exchange missing from an answer keeps showing its last record.
    for (const auto& info : records) {
        m_exchangeInfo[info->m_strMarketName] = info;
        clientCenter()->updateExchangeInfo(info->m_strMarketName, info);
    }
    // The overseas texts are child widgets: they are set here, where the records change, because
    // setting them while the board paints would only schedule another paint of the list.
    drawOverSeaText();
    updateTexts();
}

void CRightWidget::showTab(bool domestic)
{
    CExchangeTabButton* shown = domestic ? m_pDomesticTab : m_pOverseasTab;
    CExchangeTabButton* other = domestic ? m_pOverseasTab : m_pDomesticTab;
    // A click has checked its own tab before the event gets here, so the other tab tells which
    // page is shown: while it is unchecked this tab's page is already up.
    if (!other->isChecked())
        return;
    shown->setTabChecked(true);
    other->setTabChecked(false);
    m_pOverseasList->setVisible(!domestic);
    updateRowScroll();
    update();
}

QRect CRightWidget::rowsArea() const
{
    const int top = kTabY + m_pDomesticTab->height();
    return QRect(1, top, width() - 2, height() - 1 - top);
}

void CRightWidget::applyRowScrollStyle()
{
    Kx::CUiResource* resource = utils::CSingletonT<Kx::CUiResource>::instance();
    m_pRowScroll->setStyleSheet(
        kRowScrollStyle.arg(resource->getColor(QStringLiteral("clr_scrollbar_slider"))->name(),
                            resource->getColor(QStringLiteral("clr_scrollbar_slider_hover"))->name()));
}

void CRightWidget::updateRowScroll()
{
    const QRect area = rowsArea();
    const int contentBottom = m_domesticLines.empty() ? 0 : m_domesticLines.back().bottom + kRowsBottomMargin;
    const int overflow = std::max(0, contentBottom - area.bottom());
    m_pRowScroll->setRange(0, overflow);
    m_pRowScroll->setPageStep(area.height());
    m_pRowScroll->setSingleStep(kWheelStep);
    m_pRowScroll->setGeometry(width() - 1 - kRowScrollWidth, area.top(), kRowScrollWidth, area.height());
    m_pRowScroll->setVisible(overflow > 0 && m_pDomesticTab->isChecked());
}

int CRightWidget::rowOffset() const
{
    return m_pDomesticTab->isChecked() ? m_pRowScroll->value() : 0;
}

void CRightWidget::wheelEvent(QWheelEvent* event)
{
    if (!m_pRowScroll->isVisible() || !rowsArea().contains(event->position().toPoint())) {
        event->ignore();
        return;
    }
    const int steps = event->angleDelta().y() / QWheelEvent::DefaultDeltasPerStep;
    m_pRowScroll->setValue(m_pRowScroll->value() - steps * kWheelStep);
    event->accept();
}

void CRightWidget::themeChanged()
{
    applyRowScrollStyle();
}

bool CRightWidget::handleEvent(int eventId, int a, int b, const QString& text, void* data)
{
    if (eventId == EventId::Button) {
        if (a == kDomesticTabId)
            showTab(true);
        else if (a == kOverseasTabId)
            showTab(false);
        return true;
    }
    return Kx::CBaseWidget::handleEvent(eventId, a, b, text, data);
}

boost::shared_ptr<CVornTimeServer> CRightWidget::timeServer() const
{
    const auto client = clientCenter()->getClientByName(m_strSystemName);
    return client ? client->getTimeServer() : nullptr;
}

void CRightWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawHairRect(&painter, rect().adjusted(0, 0, -1, -1), kFrameColor);
    drawHairLine(&painter, 0, kHeaderLineY, width() - 1, kHeaderLineY, kFrameColor);

    paintServerClock(&painter);
    // The overseas page is the list below the tabs, its texts kept current by slotAnswer.
    if (m_pDomesticTab->isChecked()) {
        painter.setClipRect(rowsArea());
        painter.translate(0, -rowOffset());
        drawDomesticText(&painter);
    }
}

void CRightWidget::paintServerClock(QPainter* painter) const
{
    m_serverTimeIcon->drawImage(painter, kClockIconX, kClockIconY, kIconSize, kIconSize);
    if (m_clockText.isEmpty())
        return;
    painter->setFont(m_textFont);
    painter->setPen(kTextColor);
    painter->drawText(kClockCaptionAt, QStringLiteral("服务器"));
    painter->drawText(kClockTimeAt, m_clockText);
}

void CRightWidget::drawDomesticText(QPainter* painter) const
{
    painter->setFont(m_textFont);
    for (const DomesticLine& line : m_domesticLines)
        paintText(line, painter);
}

void CRightWidget::paintText(const DomesticLine& line, QPainter* painter) const
{
    line.icon->drawImage(painter, kRowIconX, line.bottom - kRowIconRise, kIconSize, kIconSize);
    painter->setPen(kTextColor);
    if (!line.warning.isEmpty()) {
        // The warning's red stays on for the row's name and date.
        painter->setPen(kWarningColor);
        painter->drawText(line.warningX, line.bottom - kWarningRise, line.warning);
    }
    painter->drawText(kNameX, line.bottom - kNameRise, line.name);
    painter->drawText(kDateX, line.bottom - kDateRise, line.dateText);
}

void CRightWidget::updateClockText()
{
    const auto server = timeServer();
    const QDateTime time = server ? server->getServerDateTime() : QDateTime();
    m_clockText = time.isValid() ? time.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")) : QString();
}

void CRightWidget::updateDomesticLines()
{
    std::vector<DomesticLine> lines;
    const bool algorithmBus = clientCenter()->isAlgorithmBusClient();
    // Indexed by Group.
    const bool shown[GroupCount] = {m_groups.stock,
                                    m_groups.futures,
                                    m_groups.stockOption,
                                    m_groups.neeq,
                                    m_groups.shHk,
                                    m_groups.szHk,
                                    m_groups.gold,
                                    m_groups.energy,
                                    m_groups.szStockOption,
                                    m_groups.gzFutures,
                                    isBjBelongStock() ? m_groups.stock : m_groups.neeq};
    const auto server = timeServer();
    const QDateTime localNow = utils::currentDateTime();
    const qint64 now = server ? server->getServerTime() : localNow.toSecsSinceEpoch();
    // Late in the evening the night sessions run on the next trade day, so a trade day ahead of
    // the market data is expected then; outside trading hours nothing is checked.
    const bool beforeNightSession = localNow.time().hour() < kLateHour;
    int row = 0;
    for (const DomesticRow& domestic : kDomesticRows) {
        if (!shown[domestic.group] || (domestic.notOnAlgorithmBus && algorithmBus))
            continue;
        ++row;
        const auto icon = m_domesticIcons.find(QString::fromLatin1(domestic.iconKey));
        if (icon == m_domesticIcons.end())
            continue;
        DomesticLine line;
        line.icon = icon->second.get();
        line.bottom = kRowsTop + m_pDomesticTab->height() + kRowsGap + kRowPitch * row;
        line.name = QString::fromUtf8(domestic.name);
        line.warningX = kWarningX;

        QString tradeDay = QStringLiteral("-");
        QString updateDay = QStringLiteral("-");
        QString updateTime = QStringLiteral("-");
        bool inTrading = true;
        qint64 delay = 0;
        if (const auto info = m_exchangeInfo.value(domestic.code)) {
            tradeDay = Kx::sToQs(info->m_strMarketTradeDay);
            updateDay = Kx::secondToQDateTime(info->m_nToUpdateSecond).toString(QStringLiteral("yyyyMMdd"));
            updateTime = formatUpdateTime(info->m_nToUpdateSecond);
            delay = now - info->m_nToUpdateSecond;
            inTrading = info->m_bInTradingTime;
        }
        bool early = true;
        if (inTrading) {
            early = beforeNightSession;
            if (tradeDay < updateDay && early) {
                line.warning = QStringLiteral("交易日和行情不匹配,建议重启");
                line.warningX = kMismatchX;
            } else if (updateDay < tradeDay && early) {
                line.warning = QStringLiteral("行情日期未更新");
            } else if (delay >= kDelayWarnSecs) {
                line.warning = QStringLiteral(" (延迟") + Kx::formatIntNumber(delay, 0, Kx::FormatNone) +
                               QStringLiteral("秒)");
            }
        }
        const QString time =
            tradeDay != updateDay && early ? QStringLiteral(" --:--:--") : QStringLiteral(" ") + updateTime;
        line.dateText = formatTradeDay(tradeDay) + time;
        lines.push_back(std::move(line));
    }
    m_domesticLines = std::move(lines);
}

void CRightWidget::updateTexts()
{
    const QString clock = m_clockText;
    std::vector<DomesticLine> before = std::move(m_domesticLines);
    updateClockText();
    updateDomesticLines();
    // Only what changed is repainted: once a second that is the clock and any delay counters.
    if (m_clockText != clock)
        update(kClockRect);
    const std::size_t rows = std::max(before.size(), m_domesticLines.size());
    for (std::size_t i = 0; i < rows; ++i) {
        const DomesticLine* now = i < m_domesticLines.size() ? &m_domesticLines[i] : nullptr;
        const DomesticLine* was = i < before.size() ? &before[i] : nullptr;
        if (now && was && *now == *was)
            continue;
        const int bottom = (now ? now->bottom : was->bottom) - rowOffset();
        update(QRect(0, bottom - kRowIconRise, width(), kRowPitch) & rowsArea());
    }
    if (m_domesticLines.size() != before.size())
        updateRowScroll();
}

void CRightWidget::drawOverSeaText()
{
    for (const auto& status : m_overseasStatus) {
        const auto info = m_exchangeInfo.value(status.first);
        if (!info)
            continue;
        status.second->setText(formatTradeDay(Kx::sToQs(info->m_strMarketTradeDay)) + QStringLiteral(" ") +
                                   formatUpdateTime(info->m_nToUpdateSecond),
                               kNoTextLimit);
    }
}

void CRightWidget::slotShowError(bool isError, QString text)
{
    showResultMessage(this, isError, text);
}

} // namespace Ocv
