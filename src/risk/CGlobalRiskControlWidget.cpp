#include "risk/CGlobalRiskControlWidget.h"

#include "base/EventIds.h"
#include "base/Hairlines.h"
#include "base/WelcomeLog.h"
#include "base/WelcomeMetaTypes.h"
#include "data/CQueryReq.h"
#include "data/CVornClientCenter.h"
#include "data/CVornDataManager.h"
#include "data/TTError.h"
#include "data/ttservice/CGlobalFutureRCConfig.h"
#include "data/ttservice/CGlobalStockRCConfig.h"
#include "data/ttservice/COperateDataReq.h"
#include "kx/CImageWidget.h"
#include "kx/CUiResource.h"
#include "siblings/CReversePageWidget.h"
#include "utils/CSingletonT.h"

#include <QMutexLocker>
#include <QPainter>
#include <QTimer>

#include <boost/make_shared.hpp>

namespace Ocv {

namespace {
constexpr int kWidth = 610;
constexpr int kHeight = 435;
constexpr int kRefreshPeriodMs = 60000;
constexpr int kColumns = 4;
constexpr int kRowHeight = 50;
constexpr int kFirstRowTop = 51; // under the top line and the header
constexpr int kFuturesConfigType = 23434;
constexpr int kStockConfigType = 23435;
constexpr int kFutures = 2;
constexpr int kFuturesOptions = 1024; // administered with futures: no row, its button hidden
constexpr int kSaveOperation = 0;
constexpr int kDialogWidth = 500;
constexpr int kDialogHeight = 380;

const QString kLineColorKey = QStringLiteral("clr_welcome_risk_splite_line");
const QString kTextColorKey = QStringLiteral("clr_welcome_text_normal");
const QString kEnabledColorKey = QStringLiteral("clr_welcome_risk_enable");
const QString kDisabledColorKey = QStringLiteral("clr_welcome_risk_disable");
const QString kSettingImageKey = QStringLiteral("img_btn_risk_control_setting");
const char* const kHeaders[kColumns] = {"交易类型", "反向交易检查", "对敲交易检查", "设置"};

struct TradeType
{
    int type;
    const char* name;
};

const TradeType kTradeTypes[CGlobalRiskControlWidget::kTradeTypeCount] = {
    {2, "期货"}, {1, "证券"}, {256, "全国股转"}, {128, "沪港通"}, {16384, "深港通"}, {32, "股票期权"}, {1024, "期货期权"},
};

bool isFuturesType(int tradeType)
{
    return tradeType == kFutures || tradeType == kFuturesOptions;
}

struct CheckFlags
{
    bool reverseOff = false;
    bool matchedOff = false;
};

// The two flags of a record of the trade type's config class; false for any other record.
bool flagsOf(int tradeType, const ttservice::IDataPtr& record, CheckFlags* flags)
{
    if (isFuturesType(tradeType)) {
        const auto config = boost::dynamic_pointer_cast<ttservice::CGlobalFutureRCConfig>(record);
        if (!config)
            return false;
        *flags = {config->reverseCheckOff, config->matchedCheckOff};
        return true;
    }
    const auto config = boost::dynamic_pointer_cast<ttservice::CGlobalStockRCConfig>(record);
    if (!config)
        return false;
    *flags = {config->reverseCheckOff, config->matchedCheckOff};
    return true;
}

ttservice::IDataPtr configRecord(int tradeType, bool checksOff)
{
    if (isFuturesType(tradeType)) {
        auto config = boost::make_shared<ttservice::CGlobalFutureRCConfig>();
        config->reverseCheckOff = config->matchedCheckOff = checksOff;
        return config;
    }
    auto config = boost::make_shared<ttservice::CGlobalStockRCConfig>();
    config->reverseCheckOff = config->matchedCheckOff = checksOff;
    return config;
}

Kx::CUiResource* resources()
{
    return utils::CSingletonT<Kx::CUiResource>::instance();
}
} // namespace

const std::array<int, CGlobalRiskControlWidget::kTradeTypeCount>& CGlobalRiskControlWidget::tradeTypes()
{
    static const std::array<int, kTradeTypeCount> types = [] {
        std::array<int, kTradeTypeCount> t{};
        for (int i = 0; i < kTradeTypeCount; ++i)
            t[i] = kTradeTypes[i].type;
        return t;
    }();
    return types;
}

QString CGlobalRiskControlWidget::tradeTypeName(int tradeType)
{
    for (const TradeType& t : kTradeTypes) {
        if (t.type == tradeType)
            return QString::fromUtf8(t.name);
    }
    return QString();
}

int CGlobalRiskControlWidget::dataTypeOf(int tradeType)
{
    return isFuturesType(tradeType) ? kFuturesConfigType : kStockConfigType;
}

CGlobalRiskControlWidget::CGlobalRiskControlWidget(QWidget* parent)
    : Kx::CBaseWidget(QStringLiteral("global_risk_control"), false, parent)
{
    registerWelcomeMetaTypes();
    setFixedSize(kWidth, kHeight);
    for (int i = 0; i < kTradeTypeCount; ++i) {
        auto* button = new Kx::CImageWidget(kTradeTypes[i].type, kSettingImageKey, this);
        button->setObjectName(QStringLiteral("global_risk_setting_%1").arg(kTradeTypes[i].type));
        button->setClickable(true);
        button->resize(button->sizeHint());
        m_buttons[i] = button;
        m_rows[i] = rowOf(kTradeTypes[i].type);
    }
    // Automatic: direct when the data service answers on the GUI thread, queued otherwise.
    connect(this, &CGlobalRiskControlWidget::sigAnswer, this, &CGlobalRiskControlWidget::slotAnswer);
    connect(this, &CGlobalRiskControlWidget::sigQueryResult, this, &CGlobalRiskControlWidget::slotQueryResult);
    connect(this, &CGlobalRiskControlWidget::sigOperateSucceeded, this, &CGlobalRiskControlWidget::queryAll);
    m_pTimer = new QTimer(this);
    connect(m_pTimer, &QTimer::timeout, this, &CGlobalRiskControlWidget::slotTimeOut);
    m_pTimer->start(kRefreshPeriodMs);
}

CGlobalRiskControlWidget::~CGlobalRiskControlWidget()
{
    // Queries and operations still out must find the widget gone, not half torn down.
    m_answerGuard.close();
}

Kx::CImageWidget* CGlobalRiskControlWidget::settingButton(int tradeType) const
{
    for (int i = 0; i < kTradeTypeCount; ++i) {
        if (kTradeTypes[i].type == tradeType)
            return m_buttons[i];
    }
    return nullptr;
}

void CGlobalRiskControlWidget::switchSystem(int, const QString& systemName)
{
    m_systemName = systemName;
    for (auto& order : m_answerOrders)
        order.second.retarget();
    queryAll();
}

void CGlobalRiskControlWidget::slotTimeOut()
{
    if (!m_systemName.isEmpty() && isActive())
        queryAll();
}

void CGlobalRiskControlWidget::queryAll()
{
    for (const TradeType& t : kTradeTypes)
        queryGlobalConfig(t.type);
}

void CGlobalRiskControlWidget::queryGlobalConfig(int tradeType)
{
    auto req = boost::make_shared<CQueryReq>();
    req->dataType = dataTypeOf(tradeType);
    req->param = std::to_string(tradeType);
    req->flag = false;
    const quint64 number = m_answerOrders[tradeType].next();
    req->callback = m_answerGuard.wrap(CQueryReq::Callback(
        [this, tradeType, number](const boost::shared_ptr<CQueryReq>&, bool ok, const QString& message,
                                  const std::vector<ttservice::IDataPtr>& records, int) {
            if (ok)
                emit sigAnswer(tradeType, number, records);
            else
                WELCOME_LOG(QStringLiteral("trade type %1 not read: %2").arg(tradeType).arg(message));
        }));
    utils::CSingletonT<CVornDataManager>::instance()->queryData(req, false);
}

void CGlobalRiskControlWidget::slotAnswer(int tradeType, quint64 number, std::vector<ttservice::IDataPtr> records)
{
    if (m_answerOrders[tradeType].take(number))
        slotQueryResult(tradeType, std::move(records));
}

void CGlobalRiskControlWidget::slotQueryResult(int tradeType, std::vector<ttservice::IDataPtr> records)
{
    QMutexLocker lock(&m_mutex);
    m_configs[tradeType] = std::move(records);
    for (int i = 0; i < kTradeTypeCount; ++i) {
        if (kTradeTypes[i].type == tradeType)
            m_rows[i] = rowOf(tradeType);
    }
    // Still under the mutex: the receiver reads the global state on this thread.
    deliverEvent(EventId::DataChanged, 0, 0, QString(), nullptr);
    update();
}

CGlobalRiskControlWidget::Row CGlobalRiskControlWidget::rowOf(int tradeType) const
{
    Row row{{QStringLiteral("-"), kTextColorKey}, {QStringLiteral("-"), kTextColorKey}};
    const auto entry = m_configs.find(tradeType);
    if (entry == m_configs.end())
        return row;
    const auto cell = [](bool off) {
        return off ? Cell{QStringLiteral("禁用"), kDisabledColorKey} : Cell{QStringLiteral("启用"), kEnabledColorKey};
    };
    for (const ttservice::IDataPtr& record : entry->second) {
        CheckFlags flags;
        if (!flagsOf(tradeType, record, &flags))
            continue;
        row.reverse = cell(flags.reverseOff);
        row.matched = cell(flags.matchedOff);
    }
    return row;
}

int CGlobalRiskControlWidget::globalState()
{
    QMutexLocker lock(&m_mutex);
    int records = 0;
    int enabledChecks = 0;
    for (const TradeType& t : kTradeTypes) {
        for (const ttservice::IDataPtr& record : m_configs[t.type]) {
            CheckFlags flags;
            if (!flagsOf(t.type, record, &flags))
                continue;
            ++records;
            enabledChecks += (flags.reverseOff ? 0 : 1) + (flags.matchedOff ? 0 : 1);
        }
    }
    if (records == 0)
        return 0;
    if (enabledChecks == 0)
        return 2;
    if (enabledChecks == 2 * records)
        return 1;
    return 0;
}

void CGlobalRiskControlWidget::enableAll(int target)
{
    const bool checksOff = target == 0;
    for (const TradeType& t : kTradeTypes) {
        auto req = boost::make_shared<ttservice::COperateDataReq>();
        req->operation = kSaveOperation;
        req->dataType = dataTypeOf(t.type);
        req->key = "rat|" + std::to_string(t.type);
        req->data = configRecord(t.type, checksOff);
        utils::CSingletonT<CVornClientCenter>::instance()->operateData_async(
            req,
            m_answerGuard.wrap(OperateCallback([this](const utils::TTError& error, const bson::BSONObj&) {
                if (error.isSuccess())
                    emit sigOperateSucceeded();
                else
                    WELCOME_LOG(QStringLiteral("not saved: %1").arg(QString::fromStdString(error.errorMsg())));
            })),
            0);
    }
}

bool CGlobalRiskControlWidget::handleEvent(int eventId, int a, int b, const QString& text, void* data)
{
    if (eventId == EventId::ImageClicked && settingButton(a)) {
        openSettingDialog(a);
        return true;
    }
    if (eventId == EventId::GlobalRiskSaved) {
        queryGlobalConfig(a);
        return true;
    }
    return Kx::CBaseWidget::handleEvent(eventId, a, b, text, data);
}

// Every click opens a dialog of its own; each stays (hidden once closed) until the widget goes.
void CGlobalRiskControlWidget::openSettingDialog(int tradeType)
{
    auto* dialog = new CGlobalRiskSettingDialog(tradeType, this);
    dialog->page()->setBasicInfo(m_systemName);
    dialog->show();
}

void CGlobalRiskControlWidget::paintEvent(QPaintEvent* event)
{
    Kx::CBaseWidget::paintEvent(event);
    QPainter painter(this);
    const int w = width();
    const int c = w / kColumns;
    const QColor line = *resources()->getColor(kLineColorKey);
    const QColor text = *resources()->getColor(kTextColorKey);
    const int centred = Qt::AlignHCenter | Qt::AlignVCenter;

    drawHairLine(&painter, 0, 0, w, 0, line);
    painter.setPen(text);
    for (int i = 0; i < kColumns; ++i)
        painter.drawText(QRect(c * i, 1, c, kRowHeight), centred, QString::fromUtf8(kHeaders[i]));

    QMutexLocker lock(&m_mutex);
    int y = kFirstRowTop;
    for (int i = 0; i < kTradeTypeCount; ++i) {
        Kx::CImageWidget* button = m_buttons[i];
        if (kTradeTypes[i].type == kFuturesOptions) {
            button->hide();
            continue;
        }
        drawHairLine(&painter, 0, y, w, y, line);
        const int top = y + 1;
        painter.setPen(text);
        painter.drawText(QRect(0, top, c, kRowHeight), centred, QString::fromUtf8(kTradeTypes[i].name));
        const Row& row = m_rows[i];
        painter.setPen(*resources()->getColor(row.reverse.colorKey));
        painter.drawText(QRect(c, top, c, kRowHeight), centred, row.reverse.text);
        painter.setPen(*resources()->getColor(row.matched.colorKey));
        painter.drawText(QRect(2 * c, top, c, kRowHeight), centred, row.matched.text);
        button->move(3 * c + (c - button->width()) / 2, y + (kRowHeight - button->height()) / 2);
        y += kRowHeight + 1;
    }
    drawHairLine(&painter, 0, y, w, y, line);
}

CGlobalRiskSettingDialog::CGlobalRiskSettingDialog(int tradeType, QWidget* parent)
    : Kx::CCommonDialog(parent), m_tradeType(tradeType)
{
    setObjectName(QStringLiteral("global_risk_setting_dialog"));
    setTitle(CGlobalRiskControlWidget::tradeTypeName(tradeType) + QStringLiteral("账号全局风控"));
    setFixedSize(kDialogWidth, kDialogHeight);
    m_pPage = new CReversePageWidget(true, tradeType, this);
    m_pPage->setActive(true, false);
    connect(m_pPage, &CReversePageWidget::sigOnDataFinished, this, &CGlobalRiskSettingDialog::slotOnDataFinished);
    setInnerWidget(m_pPage);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

CGlobalRiskSettingDialog::~CGlobalRiskSettingDialog() = default;

void CGlobalRiskSettingDialog::slotOnDataFinished(bool, QString)
{
    deliverEvent(EventId::GlobalRiskSaved, m_tradeType, 0, QString(), nullptr);
}

} // namespace Ocv
