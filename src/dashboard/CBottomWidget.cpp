#include "dashboard/CBottomWidget.h"

#include "base/Hairlines.h"
#include "base/UserChecks.h"
#include "dashboard/SizeFormat.h"
#include "dashboard/StatusStrip.h"
#include "dashboard/StripPalette.h"
#include "dashboard/StripRow.h"
#include "dashboard/StripState.h"
#include "data/CVornClientCenter.h"
#include "kx/CImage.h"
#include "kx/KxFormat.h"
#include "utils/CSingletonT.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <climits>
#include <cmath>

namespace Ocv {

namespace {
constexpr int kHeight = 350;

constexpr int kIconSize = 70;
constexpr int kIconTop = 20;
constexpr int kRowBaselines[] = {120, 160, 200, 240, 280};

// File systems and counted items share the list geometry: a header on 120, rows spread over 162 pixels.
constexpr int kListHeaderBaseline = 120;
constexpr int kListSpan = 162;

constexpr int kFsImage = 2;
constexpr int kFsIconX = 675;
constexpr int kFsHeaderX = 580;
constexpr int kFsNameX = 530;
constexpr int kFsNameWidth = 170;
constexpr int kFsNameHeight = 18;
constexpr int kFsNameAscent = 16;
constexpr int kFsSizeX = 730;
constexpr int kFsAvailableX = 830;
constexpr int kFsUsedX = 930;
constexpr int kFsStateX = 1000;

constexpr int kItemImage = 4;
constexpr int kItemIconX = 1300;
constexpr int kItemNameX = 1280;
constexpr int kItemCountX = 1360;
constexpr int kItemRowStateX = 1450;
constexpr int kItemStateX = 1350;

const QString kStateLabel = QStringLiteral("运行状态");
const QString kNoValue = QStringLiteral("-");

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

void fillCpu(const ttservice::CVornSysStatusInfo& r, QString* values)
{
    values[0] = percent(r.idle);
    values[1] = percent(r.userRatio);
    values[2] = percent(r.kernelRatio);
    values[3] = percent(r.waitRatio);
}

void fillMemory(const ttservice::CVornSysStatusInfo& r, QString* values)
{
    values[0] = formatKiloBytes(r.memTotal);
    values[1] = formatKiloBytes(r.idle);
    values[2] = formatKiloBytes(r.used);
    values[3] = formatKiloBytes(r.cache);
}

void fillNetwork(const ttservice::CVornSysStatusInfo& r, QString* values)
{
    values[0] = Kx::sToQs(r.deviceName);
    values[1] = QStringLiteral("KBs");
    values[2] = traffic(r.uploadRate);
    values[3] = traffic(r.downloadRate);
}
} // namespace

// A column of one record: its state row, then four value rows.
struct HostColumn
{
    ttservice::EQdSysStatusType type;
    int imageIndex;
    int iconX;
    int labelX;
    // Values start at valueBaseX plus the width of one of the column's labels.
    int valueBaseX;
    int stateOffsetLabel;
    int valueOffsetLabel;
    QString labels[5];
    void (*fill)(const ttservice::CVornSysStatusInfo& record, QString* values);
};

namespace {
const HostColumn kHostColumns[] = {
    {ttservice::QSST_HOST_CPU,
     0,
     105,
     80,
     95,
     0,
     0,
     {kStateLabel, QStringLiteral("空闲占比"), QStringLiteral("用户占比"), QStringLiteral("内核占比"),
      QStringLiteral("等待占比")},
     fillCpu},
    {ttservice::QSST_HOST_MEMORY,
     1,
     345,
     320,
     335,
     0,
     1,
     {kStateLabel, QStringLiteral("总计"), QStringLiteral("空闲"), QStringLiteral("用户"),
      QStringLiteral("缓存")},
     fillMemory},
    {ttservice::QSST_NETWORK_CARD,
     3,
     1065,
     1040,
     1055,
     0,
     0,
     {kStateLabel, QStringLiteral("网卡名称"), QStringLiteral("流量单位"), QStringLiteral("上传流量"),
      QStringLiteral("下载流量")},
     fillNetwork},
};
} // namespace

CBottomWidget::CBottomWidget(QWidget* parent)
    : Kx::CBaseWidget(QStringLiteral("wolcome_bottom_widget"), false, parent),
      m_images(
          StatusStrip::makeImages(QStringLiteral("ocv_img_wolcome_bottom_"),
                                  !utils::CSingletonT<CVornClientCenter>::instance()->isAlgorithmBusClient()))
{
    StatusStrip::setUp(this, kHeight);
    resolveFonts();
}

CBottomWidget::~CBottomWidget() = default;

void CBottomWidget::themeChanged()
{
    Kx::CBaseWidget::themeChanged();
    resolveFonts();
    update();
}

void CBottomWidget::resolveFonts()
{
    m_fonts = StripPalette::rowFonts(QFont());
}

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
    drawHairRect(&painter, rect(), StripPalette::frame());

    for (const HostColumn& column : kHostColumns)
        paintColumn(&painter, column);
    paintFileSystems(&painter);
    if (m_images[kItemImage])
        paintCountedItems(&painter);
}

void CBottomWidget::paintColumn(QPainter* painter, const HostColumn& column) const
{
    m_images[column.imageIndex]->drawImage(painter, column.iconX, kIconTop, kIconSize, kIconSize);

    const ttservice::CVornSysStatusInfo* record = firstRecord(column.type);
    const StripState state = StripState::ofHostResource(record);
    QString values[4] = {kNoValue, kNoValue, kNoValue, kNoValue};
    if (record)
        column.fill(*record, values);

    const QFontMetrics labelMetrics(m_fonts.label);
    const int stateX =
        column.valueBaseX + labelMetrics.horizontalAdvance(column.labels[column.stateOffsetLabel]);
    const int valueX =
        column.valueBaseX + labelMetrics.horizontalAdvance(column.labels[column.valueOffsetLabel]);
    paintRow(painter, {column.labels[0], state.text, state.color}, column.labelX, stateX, kRowBaselines[0],
             m_fonts);
    for (int i = 0; i < 4; ++i)
        paintRow(painter, {column.labels[i + 1], values[i]}, column.labelX, valueX, kRowBaselines[i + 1],
                 m_fonts);
}

void CBottomWidget::paintFileSystems(QPainter* painter) const
{
    m_images[kFsImage]->drawImage(painter, kFsIconX, kIconTop, kIconSize, kIconSize);
    const auto fileSystems = m_sysInfo.constFind(ttservice::QSST_FILE_SYSTEM);
    if (fileSystems == m_sysInfo.constEnd() || fileSystems->isEmpty())
        return;

    painter->setPen(StripPalette::label());
    painter->setFont(m_fonts.value);
    painter->drawText(kFsHeaderX, kListHeaderBaseline, QStringLiteral("文件系统"));
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
        if (fs->running == 0)
            StripState::of(false).paint(painter, kFsStateX, y);
    }
}

void CBottomWidget::paintCountedItems(QPainter* painter) const
{
    m_images[kItemImage]->drawImage(painter, kItemIconX, kIconTop, kIconSize, kIconSize);
    const auto items = m_sysInfo.constFind(ttservice::QSST_COUNTED_ITEM);
    if (items == m_sysInfo.constEnd() || items->isEmpty())
        return;

    painter->setFont(m_fonts.label);
    painter->setPen(StripPalette::label());
    painter->drawText(kItemNameX, kListHeaderBaseline, kStateLabel);

    bool anyAbnormal = false;
    const int count = items->size();
    for (int i = 0; i < count; ++i) {
        const auto& item = items->at(i);
        if (!item)
            continue;
        const int y = rowBaseline(i, count);
        paintRow(painter,
                 {Kx::sToQs(item->itemName),
                  Kx::formatIntNumber(item->itemCount, 0, Kx::FormatNone) + QStringLiteral("条")},
                 kItemNameX, kItemCountX, y, m_fonts);
        if (isCountAbnormal(*item)) {
            anyAbnormal = true;
            StripState::of(false).paint(painter, kItemRowStateX, y);
        }
    }

    painter->setFont(m_fonts.value);
    StripState::of(!anyAbnormal).paint(painter, kItemStateX, kListHeaderBaseline);
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
