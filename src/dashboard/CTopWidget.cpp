#include "dashboard/CTopWidget.h"

#include "base/EventIds.h"
#include "base/Hairlines.h"
#include "base/NumberedQuery.h"
#include "base/ResultMessage.h"
#include "base/StatisticsFigure.h"
#include "base/WelcomeLog.h"
#include "base/WelcomeMetaTypes.h"
#include "data/CUserManager.h"
#include "data/CVornClient.h"
#include "data/CVornClientCenter.h"
#include "data/ttservice/CVornBaseInfoStatistics.h"
#include "kx/CImage.h"
#include "kx/CSmallNormalButton.h"
#include "kx/CUiResource.h"
#include "siblings/CAccountOpeningDialog.h"
#include "siblings/CCreateAccountDialog.h"
#include "siblings/CCreateUserDialog.h"
#include "siblings/CProductBatchCreateDialog.h"
#include "utils/CSingletonT.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTextOption>
#include <QTimer>

#include <algorithm>

namespace Ocv {

namespace {
using Stats = ttservice::CVornBaseInfoStatistics;

constexpr int kWidth = 1520;
constexpr int kHeight = 160;
constexpr int kSlotCount = 11;
constexpr int kRefreshPeriodMs = 60000;
constexpr int kStatisticsType = 12254;

const QColor kFrameColor(219, 219, 219);
const QColor kTextColor(50, 123, 166);

constexpr int kIconTop = 20;
constexpr int kIconSize = 60;
constexpr int kIconOffset = 30; // the icon's left edge is this far left of the tile's centre
constexpr int kTextTop = 100;
constexpr int kUnitMaxWidth = 60;
constexpr int kUnitWrapLines = 4;
constexpr int kFigurePadding = 5;
constexpr int kButtonTop = 130;

const char* const kNumberFontKey = "ocv_fnt_top_widget_number";
const char* const kLabelFontKey = "ocv_fnt_top_widget_label";

// A tile's figure: one field or a pair joined by a slash. Null fields: the slot has no figure.
struct Tile
{
    const char* unit;
    int Stats::*first;
    int Stats::*second;
};

const Tile kTiles[kSlotCount] = {
    {"", nullptr, nullptr},
    {"个产品", &Stats::productsA, &Stats::productsB},
    {"个账号", &Stats::accountsA, &Stats::accountsB},
    {"位用户", &Stats::usersA, &Stats::usersB},
    {"家证券公司", &Stats::securitiesCompanies, nullptr},
    {"家期货公司", &Stats::futuresCompanies, nullptr},
    {"个信号单和便捷交易", &Stats::signalOrdersA, &Stats::signalOrdersB},
    {"个VIP客户端", &Stats::vipClientsA, &Stats::vipClientsB},
    {"个透明代理", &Stats::proxiesA, &Stats::proxiesB},
    {"个移动终端", &Stats::mobileTerminalsA, &Stats::mobileTerminalsB},
    {"个智能算法权限", &Stats::algoPermissionsA, &Stats::accountsB},
};

// What a press on a tile's figure or icon does, in the order the slots are tested.
struct TileAction
{
    int slot;
    int right;
    int eventId;
    int a;
    int b;
};

const TileAction kTileActions[] = {
    {1, 10045, EventId::OpenView, -1, ViewId::Product},
    {3, 12179, EventId::OpenUserList, 0, 1},
    {6, 12201, EventId::OpenUserList, 0, 4},
    {7, 12203, EventId::OpenUserList, 0, 2},
    {8, 12205, EventId::OpenUserList, 0, 3},
    {9, 12207, EventId::OpenUserList, 0, 5},
    {10, 12208, EventId::OpenSmartAlgo, 0, 6},
};

// The one-click buttons under slots 0 to 3, and how far each sits from its figure's left edge.
struct OneClickButton
{
    int id;
    const char* text;
    int offset;
};

const OneClickButton kButtons[] = {
    {23, "一键开户", -10}, {20, "一键创建产品", 10}, {21, "一键创建账号", 10}, {22, "一键创建用户", 3}};
constexpr int kButtonWidth = 85;
constexpr int kButtonHeight = 24;
const char* const kButtonStyle = "border:2px groove gray;border-radius:5px;padding:2px 4px;";

CVornClientCenter* clientCenter()
{
    return utils::CSingletonT<CVornClientCenter>::instance();
}

QString field(const Stats* stats, int Stats::*member)
{
    return stats ? statisticsFigure(stats->*member) : QStringLiteral("-");
}

QFont themeFont(const char* key)
{
    return *utils::CSingletonT<Kx::CUiResource>::instance()->getFont(QString::fromLatin1(key));
}
} // namespace

CTopWidget::CTopWidget(QWidget* parent)
    : Kx::CBaseWidget(QStringLiteral("wolcome_top_widget"), false, parent), m_icons(kSlotCount, nullptr),
      m_figures(kSlotCount), m_units(kSlotCount), m_iconRects(kSlotCount), m_figureRects(kSlotCount),
      m_unitRects(kSlotCount), m_numberFont(themeFont(kNumberFontKey)), m_labelFont(themeFont(kLabelFontKey))
{
    registerWelcomeMetaTypes();
    setFixedSize(kWidth, kHeight);

    QVector<int> tileSlots;
    if (clientCenter()->isAlgorithmBusClient())
        tileSlots = {2, 4};
    else if (clientCenter()->hasClientLoginTypeAuth(0))
        tileSlots = {1, 2, 3};
    else
        tileSlots = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    for (int slot : tileSlots) {
        const QString key = slot == 0 ? QStringLiteral("ocv_img_wolcome_top")
                                      : QStringLiteral("ocv_img_wolcome_top_%1").arg(slot);
        m_icons[slot] = new Kx::CImage(key);
        m_tiles.insert(slot, 1);
    }
    m_tileCount = tileSlots.size();

    for (const OneClickButton& oneClick : kButtons) {
        auto* button = new Kx::CSmallNormalButton(oneClick.id, false, 1, this);
        button->setObjectName(QStringLiteral("wolcome_top_button_%1").arg(oneClick.id));
        button->setText(QString::fromUtf8(oneClick.text));
        button->setFixedSize(kButtonWidth, kButtonHeight);
        button->setStyleSheet(QString::fromLatin1(kButtonStyle));
        button->hide();
        m_buttons.append(button);
    }

    connect(this, &CTopWidget::sigUpdate, this, &CTopWidget::slotUpdate);
    connect(this, &CTopWidget::sigAnswer, this, &CTopWidget::slotAnswer, Qt::QueuedConnection);
    setMouseTracking(true);
    m_pTimer = new QTimer(this);
    connect(m_pTimer, &QTimer::timeout, this, &CTopWidget::slotTimeOut);
    m_pTimer->start(kRefreshPeriodMs);
}

CTopWidget::~CTopWidget()
{
    // No answer may touch the strip once its destruction has begun.
    m_answerGuard.close();
    qDeleteAll(m_icons);
}

void CTopWidget::setCurrentService(const std::string& serviceName)
{
    m_serviceName = serviceName;
    m_answerOrder.retarget();
    refresh();
}

void CTopWidget::refresh()
{
    sendNumberedQuery(
        m_serviceName, kStatisticsType, m_answerOrder.next(), m_answerGuard,
        [this](quint64 number, const utils::TTError& error, const std::vector<ttservice::IDataPtr>& records) {
            onQueryData(number, error, records);
        });
}

void CTopWidget::onQueryData(quint64 requestNumber, const utils::TTError& error,
                             const std::vector<ttservice::IDataPtr>& records)
{
    if (!error.isSuccess() || records.empty())
        return;
    emit sigAnswer(requestNumber, boost::dynamic_pointer_cast<Stats>(records.front()));
}

void CTopWidget::slotAnswer(quint64 requestNumber,
                            boost::shared_ptr<ttservice::CVornBaseInfoStatistics> statistics)
{
    if (!m_answerOrder.take(requestNumber))
        return;
    m_pStatistics = statistics;
    emit sigUpdate();
}

void CTopWidget::slotUpdate()
{
    updateTextRects();
    update();
}

void CTopWidget::slotTimeOut()
{
    if (isActive())
        refresh();
    else
        m_bRefreshPending = true;
}

void CTopWidget::onActive()
{
    Kx::CBaseWidget::onActive();
    if (m_bRefreshPending) {
        m_bRefreshPending = false;
        m_pTimer->start(kRefreshPeriodMs);
        refresh();
    }
}

void CTopWidget::themeChanged()
{
    m_numberFont = themeFont(kNumberFontKey);
    m_labelFont = themeFont(kLabelFontKey);
    updateTextRects();
    update();
}

void CTopWidget::slotShowError(bool isError, QString text)
{
    showResultMessage(this, isError, text);
}

void CTopWidget::fillTexts(int slot)
{
    const Tile& tile = kTiles[slot];
    m_units[slot] = QString::fromUtf8(tile.unit);
    const Stats* stats = m_pStatistics.get();
    if (!tile.first)
        m_figures[slot] = QString();
    else if (!tile.second)
        m_figures[slot] = QStringLiteral("%1").arg(field(stats, tile.first));
    else
        m_figures[slot] = QStringLiteral("%1/%2").arg(field(stats, tile.first), field(stats, tile.second));
}

void CTopWidget::updateTextRects()
{
    if (m_tileCount == 0)
        return;
    const int w = kWidth / m_tileCount;
    int x = w / 2 - kIconOffset;
    int left = 0;
    for (auto it = m_tiles.constBegin(); it != m_tiles.constEnd(); ++it) {
        const int slot = it.key();
        fillTexts(slot);
        calcTextRect(left, x, kIconTop, m_icons[slot], m_figures[slot], m_units[slot], m_iconRects[slot],
                     m_figureRects[slot], m_unitRects[slot]);
        x += w;
        left += w;
    }
    // The buttons follow their figures, so they are placed with them.
    for (int slot = 0; slot < m_buttons.size(); ++slot) {
        if (!m_tiles.contains(slot))
            continue;
        m_buttons[slot]->move(m_figureRects[slot].left() + kButtons[slot].offset, kButtonTop);
        m_buttons[slot]->show();
    }
}

void CTopWidget::calcTextRect(int, int x, int y, Kx::CImage* icon, const QString& figure, const QString& unit,
                              QRect& iconRect, QRect& figureRect, QRect& unitRect)
{
    if (icon)
        iconRect = QRect(x, y, kIconSize, kIconSize);
    const QFontMetrics numberMetrics(m_numberFont);
    const int fw = numberMetrics.horizontalAdvance(figure) + kFigurePadding;
    const int uw = QFontMetrics(m_labelFont).horizontalAdvance(unit);
    const int h = numberMetrics.height();
    figureRect = QRect(x - fw / 2, kTextTop, fw, h);
    unitRect = QRect(x - fw / 2 + fw, kTextTop, std::min(uw, kUnitMaxWidth),
                     fw + uw > kUnitMaxWidth ? kUnitWrapLines * h : h);
}

void CTopWidget::resizeEvent(QResizeEvent* event)
{
    Kx::CBaseWidget::resizeEvent(event);
    updateTextRects();
}

void CTopWidget::paintEvent(QPaintEvent* event)
{
    Kx::CBaseWidget::paintEvent(event);
    QPainter painter(this);
    drawHairRect(&painter, rect(), kFrameColor);
    if (m_tileCount == 0)
        return;
    const int w = kWidth / m_tileCount;
    int i = 1;
    for (auto it = m_tiles.constBegin(); it != m_tiles.constEnd(); ++it, ++i) {
        const int slot = it.key();
        drawHairLine(&painter, i * w, 0, i * w, kHeight, kFrameColor);
        if (m_icons[slot])
            m_icons[slot]->drawImage(&painter, m_iconRects[slot]);
        painter.setPen(kTextColor);
        painter.setFont(m_numberFont);
        painter.drawText(QRectF(m_figureRects[slot]), m_figures[slot], QTextOption());
        painter.setFont(m_labelFont);
        painter.drawText(QRectF(m_unitRects[slot]), m_units[slot], QTextOption());
    }
}

int CTopWidget::armedSlotAt(const QPoint& pos) const
{
    for (const TileAction& action : kTileActions) {
        if (!m_tiles.contains(action.slot))
            continue;
        const bool hit = m_figureRects[action.slot].contains(pos) || m_iconRects[action.slot].contains(pos);
        if (hit)
            return utils::CSingletonT<CUserManager>::instance()->checkUserAuth(action.right) ? action.slot
                                                                                             : -1;
    }
    return -1;
}

void CTopWidget::mousePressEvent(QMouseEvent* event)
{
    Kx::CBaseWidget::mousePressEvent(event);
    if (clientCenter()->isAlgorithmBusClient())
        return;
    const int slot = armedSlotAt(event->pos());
    for (const TileAction& action : kTileActions) {
        if (action.slot == slot)
            deliverEvent(action.eventId, action.a, action.b, QString(), nullptr);
    }
}

void CTopWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (clientCenter()->isAlgorithmBusClient())
        return;
    const Qt::CursorShape shape = armedSlotAt(event->pos()) >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor;
    if (cursor().shape() != shape)
        setCursor(shape);
}

bool CTopWidget::handleEvent(int eventId, int a, int b, const QString& text, void* data)
{
    if (eventId == EventId::Button) {
        // The dialog runs its own event loop, in which the strip may be destroyed.
        QPointer<CTopWidget> self(this);
        openDialog(a);
        if (!self)
            return true;
    }
    return Kx::CBaseWidget::handleEvent(eventId, a, b, text, data);
}

// Creation dialogs are created on first use, kept, and run modally.
void CTopWidget::openDialog(int buttonId)
{
    const std::string systemName = clientCenter()->getSystemName();
    switch (buttonId) {
    case 23:
        if (!m_pAccountOpeningDialog)
            m_pAccountOpeningDialog = new CAccountOpeningDialog(this);
        m_pAccountOpeningDialog->exec();
        break;
    case 20:
        if (!m_pProductBatchDialog)
            m_pProductBatchDialog = new CProductBatchCreateDialog(this);
        m_pProductBatchDialog->exec();
        break;
    case 21:
        if (!m_pCreateAccountDialog)
            m_pCreateAccountDialog = new CCreateAccountDialog(this);
        m_pCreateAccountDialog->switchSystem(systemName);
        m_pCreateAccountDialog->exec();
        break;
    case 22:
        if (!m_pCreateUserDialog)
            m_pCreateUserDialog = new CCreateUserDialog(this);
        m_pCreateUserDialog->switchSystem(systemName);
        m_pCreateUserDialog->exec();
        break;
    default:
        break;
    }
}

} // namespace Ocv
