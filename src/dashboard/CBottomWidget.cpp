#include "dashboard/CBottomWidget.h"

#include "dashboard/SizeFormat.h"
#include "dashboard/StatusStrip.h"
#include "dashboard/StripPalette.h"
#include "data/CVornClientCenter.h"
#include "kx/CImage.h"
#include "kx/KxFormat.h"
#include "base/UserChecks.h"
#include "utils/CSingletonT.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <climits>
#include <cmath>
#include <functional>

namespace Ocv {

namespace {
constexpr int kHeight = 350;

constexpr int kIconSize = 70;
constexpr int kIconTop = 20;
constexpr int kRowBaselines[] = {120, 160, 200, 240, 280};

// File systems and counted items share the list geometry: a header on 120, rows spread over 162 pixels.
constexpr int kListHeaderBaseline = 120;
constexpr int kListSpan = 162;

constexpr int kFsIconX = 675;
constexpr int kFsNameX = 530;
constexpr int kFsNameWidth = 170;
constexpr int kFsNameHeight = 18;
constexpr int kFsNameAscent = 16;
constexpr int kFsSizeX = 730;
constexpr int kFsAvailableX = 830;
constexpr int kFsUsedX = 930;
constexpr int kFsStateX = 1000;

constexpr int kItemIconX = 1300;
constexpr int kItemNameX = 1280;
constexpr int kItemCountX = 1360;
constexpr int kItemRowStateX = 1450;
constexpr int kItemStateX = 1350;

const QString kStateLabel = QStringLiteral("运行状态");

QString percent(double value)
{
    return Kx::formatDoubleNumber(value, 1, Kx::FormatNone, false, StripPalette::invalidText()) +
           QStringLiteral("%");
}

QString traffic(double value)
{
    return Kx::formatDoubleNumber(value, 2, Kx::FormatNone, false, StripPalette::invalidText());
}

// A double truncated toward zero, saturated so that odd figures cannot overflow.
qint64 truncated(double value)
{
    if (std::isnan(value))
        return 0;
    const double t = std::trunc(value);
    if (t >= double(LLONG_MAX / 2))
        return LLONG_MAX / 2;
    if (t <= double(LLONG_MIN / 2))
        return LLONG_MIN / 2;
    return qint64(t);
}

// The count drifted from its reference by at least the tolerance.
bool isCountAbnormal(const ttservice::CVornSysStatusInfo& item)
{
    if (std::isnan(item.cpuUsage) || std::isnan(item.memoryUsed))
        return true;
    const qint64 drift = truncated(item.cpuUsage) - qint64(item.itemCount);
    return (drift < 0 ? -drift : drift) >= truncated(item.memoryUsed);
}

int rowBaseline(int row, int rowCount)
{
    const int pitch = kListSpan / rowCount;
    return kListHeaderBaseline + pitch * (row + 1);
}
} // namespace

struct CBottomWidget::Column
{
    int type;
    int imageIndex;
    int iconX;
    int labelX;
    QString labels[5];
    int stateX;
    int valueX;
    std::function<void(const ttservice::CVornSysStatusInfo&, QString*)> values;
};

CBottomWidget::CBottomWidget(QWidget* parent)
    : Kx::CBaseWidget(QStringLiteral("wolcome_bottom_widget"), false, parent),
      m_images(
          StatusStrip::makeImages(QStringLiteral("ocv_img_wolcome_bottom_"),
                                  !utils::CSingletonT<CVornClientCenter>::instance()->isAlgorithmBusClient()))
{
    StatusStrip::setUp(this, kHeight);
}

CBottomWidget::~CBottomWidget() = default;

void CBottomWidget::setSysInfo(SysStatusMap& sysInfo)
{
    m_sysInfo = sysInfo;
    update();
}

const ttservice::CVornSysStatusInfo* CBottomWidget::firstRecord(int type) const
{
    const auto records = m_sysInfo.constFind(type);
    if (records == m_sysInfo.constEnd() || records->isEmpty())
        return nullptr;
    return records->first().get();
}

void CBottomWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(StripPalette::frame());
    painter.drawRect(0, 0, width(), height());

    const QFontMetrics labelMetrics(StripPalette::labelFont(QFont()));
    const int stateWidth = labelMetrics.horizontalAdvance(kStateLabel);
    const int totalWidth = labelMetrics.horizontalAdvance(QStringLiteral("总计"));

    const Column cpu{7,
                     0,
                     105,
                     80,
                     {kStateLabel, QStringLiteral("空闲占比"), QStringLiteral("用户占比"),
                      QStringLiteral("内核占比"), QStringLiteral("等待占比")},
                     95 + stateWidth,
                     95 + stateWidth,
                     [](const ttservice::CVornSysStatusInfo& r, QString* v) {
                         v[1] = percent(r.idle);
                         v[2] = percent(r.userRatio);
                         v[3] = percent(r.kernelRatio);
                         v[4] = percent(r.waitRatio);
                     }};
    const Column memory{8,
                        1,
                        345,
                        320,
                        {kStateLabel, QStringLiteral("总计"), QStringLiteral("空闲"), QStringLiteral("用户"),
                         QStringLiteral("缓存")},
                        335 + stateWidth,
                        335 + totalWidth,
                        [](const ttservice::CVornSysStatusInfo& r, QString* v) {
                            v[1] = formatKiloBytes(r.memTotal);
                            v[2] = formatKiloBytes(r.idle);
                            v[3] = formatKiloBytes(r.used);
                            v[4] = formatKiloBytes(r.cache);
                        }};
    const Column network{10,
                         3,
                         1065,
                         1040,
                         {kStateLabel, QStringLiteral("网卡名称"), QStringLiteral("流量单位"),
                          QStringLiteral("上传流量"), QStringLiteral("下载流量")},
                         1055 + stateWidth,
                         1055 + stateWidth,
                         [](const ttservice::CVornSysStatusInfo& r, QString* v) {
                             v[1] = Kx::sToQs(r.deviceName);
                             v[2] = QStringLiteral("KBs");
                             v[3] = traffic(r.uploadRate);
                             v[4] = traffic(r.downloadRate);
                         }};
    paintColumn(&painter, cpu);
    paintColumn(&painter, memory);
    paintColumn(&painter, network);
    paintFileSystems(&painter);
    if (m_images[4])
        paintCountedItems(&painter);
}

void CBottomWidget::paintColumn(QPainter* painter, const Column& column) const
{
    m_images[column.imageIndex]->drawImage(painter, column.iconX, kIconTop, kIconSize, kIconSize);

    painter->setFont(StripPalette::labelFont(QFont()));
    painter->setPen(StripPalette::label());
    for (int i = 0; i < 5; ++i)
        painter->drawText(column.labelX, kRowBaselines[i], column.labels[i]);

    QString values[5] = {QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("-"),
                         QStringLiteral("-")};
    QColor stateColor = StripPalette::label();
    if (const ttservice::CVornSysStatusInfo* record = firstRecord(column.type)) {
        const bool running = record->running != 0;
        values[0] = running ? QStringLiteral("正常") : QStringLiteral("异常");
        stateColor = running ? StripPalette::normal() : StripPalette::abnormal();
        column.values(*record, values);
    }

    painter->setFont(StripPalette::valueFont(QFont()));
    for (int i = 0; i < 5; ++i) {
        painter->setPen(i == 0 ? stateColor : StripPalette::value());
        painter->drawText(i == 0 ? column.stateX : column.valueX, kRowBaselines[i], values[i]);
    }
}

void CBottomWidget::paintFileSystems(QPainter* painter) const
{
    m_images[2]->drawImage(painter, kFsIconX, kIconTop, kIconSize, kIconSize);
    const auto fileSystems = m_sysInfo.constFind(ttservice::EQdSysStatusType(9));
    if (fileSystems == m_sysInfo.constEnd() || fileSystems->isEmpty())
        return;

    painter->setPen(StripPalette::label());
    painter->setFont(StripPalette::valueFont(QFont()));
    painter->drawText(580, kListHeaderBaseline, QStringLiteral("文件系统"));
    painter->drawText(kFsSizeX, kListHeaderBaseline, QStringLiteral("大小"));
    painter->drawText(kFsAvailableX, kListHeaderBaseline, QStringLiteral("可用"));
    painter->drawText(kFsUsedX, kListHeaderBaseline, QStringLiteral("已用"));

    const int count = fileSystems->size();
    for (int i = 0; i < count; ++i) {
        const auto& fs = fileSystems->at(i);
        if (!fs)
            continue;
        const int y = rowBaseline(i, count);
        painter->setPen(StripPalette::label());
        painter->drawText(QRect(kFsNameX, y - kFsNameAscent, kFsNameWidth, kFsNameHeight), Qt::AlignRight,
                          Kx::sToQs(fs->deviceName));
        painter->drawText(kFsSizeX, y, formatKiloBytes(fs->fsSize));
        painter->drawText(kFsAvailableX, y, formatKiloBytes(fs->fsAvailable));
        painter->drawText(kFsUsedX, y, formatKiloBytes(fs->used));
        if (fs->running == 0) {
            painter->setPen(StripPalette::abnormal());
            painter->drawText(kFsStateX, y, QStringLiteral("异常"));
        }
    }
}

void CBottomWidget::paintCountedItems(QPainter* painter) const
{
    m_images[4]->drawImage(painter, kItemIconX, kIconTop, kIconSize, kIconSize);
    const auto items = m_sysInfo.constFind(ttservice::EQdSysStatusType(31));
    if (items == m_sysInfo.constEnd() || items->isEmpty())
        return;

    const QFont labelFont = StripPalette::labelFont(QFont());
    const QFont valueFont = StripPalette::valueFont(QFont());
    painter->setFont(labelFont);
    painter->setPen(StripPalette::label());
    painter->drawText(kItemNameX, kListHeaderBaseline, kStateLabel);

    bool anyAbnormal = false;
    const int count = items->size();
    for (int i = 0; i < count; ++i) {
        const auto& item = items->at(i);
        if (!item)
            continue;
        const int y = rowBaseline(i, count);
        painter->setFont(labelFont);
        painter->setPen(StripPalette::label());
        painter->drawText(kItemNameX, y, Kx::sToQs(item->itemName));
        painter->setFont(valueFont);
        painter->setPen(StripPalette::value());
        painter->drawText(kItemCountX, y,
                          Kx::formatIntNumber(item->itemCount, 0, Kx::FormatNone) + QStringLiteral("条"));
        if (isCountAbnormal(*item)) {
            anyAbnormal = true;
            painter->setPen(StripPalette::abnormal());
            painter->drawText(kItemRowStateX, y, QStringLiteral("异常"));
        }
    }

    painter->setFont(valueFont);
    painter->setPen(anyAbnormal ? StripPalette::abnormal() : StripPalette::normal());
    painter->drawText(kItemStateX, kListHeaderBaseline,
                      anyAbnormal ? QStringLiteral("异常") : QStringLiteral("正常"));
}

void CBottomWidget::mouseMoveEvent(QMouseEvent* event)
{
    StatusStrip::updateCursor(this);
    event->accept();
}

void CBottomWidget::mousePressEvent(QMouseEvent* event)
{
    StatusStrip::openStatusView(this, QStringLiteral("system_statue"));
    event->accept();
}

} // namespace Ocv
