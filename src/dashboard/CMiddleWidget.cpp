#include "dashboard/CMiddleWidget.h"

#include "dashboard/SizeFormat.h"
#include "dashboard/StatusStrip.h"
#include "dashboard/StripPalette.h"
#include "data/CVornClientCenter.h"
#include "kx/CImage.h"
#include "kx/CUiResource.h"
#include "kx/KxFormat.h"
#include "base/UserChecks.h"
#include "utils/CSingletonT.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace Ocv {

namespace {
constexpr int kHeight = 380;
constexpr int kColumnWidth = 304;
constexpr int kWideColumnWidth = 351;

constexpr int kIconSize = 100;
constexpr int kIconTop = 80;
constexpr int kTitleBaseline = 50;
constexpr int kLabelIndent = 60;
constexpr int kValueGap = 15; // values start this far right of their label
constexpr int kRowBaselines[] = {210, 254, 298, 342};
} // namespace

CMiddleWidget::CMiddleWidget(QWidget* parent)
    : Kx::CBaseWidget(QStringLiteral("wolcome_middle_widget"), false, parent),
      m_images(StatusStrip::makeImages(
          QStringLiteral("ocv_img_wolcome_second_"),
          !utils::CSingletonT<CVornClientCenter>::instance()->hasClientLoginTypeAuth(0))),
      m_wide(isWideLayout())
{
    StatusStrip::setUp(this, kHeight);
}

CMiddleWidget::~CMiddleWidget() = default;

void CMiddleWidget::setSysInfo(SysStatusMap& sysInfo)
{
    m_sysInfo = sysInfo;
    update();
}

int CMiddleWidget::columnWidth() const
{
    return m_wide ? kWideColumnWidth : kColumnWidth;
}

void CMiddleWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int w = columnWidth();
    painter.setPen(StripPalette::frame());
    painter.drawRect(0, 0, width(), height());
    for (int k = 1; k <= 4; ++k)
        painter.drawLine(k * w, 0, k * w, kHeight);

    paintText(QStringLiteral("风控服务"), ttservice::EQdSysStatusType(3), &painter, 1, m_images[0].get());
    paintText(QStringLiteral("交易服务"), ttservice::EQdSysStatusType(2), &painter, 2, m_images[1].get());
    paintText(QStringLiteral("核心服务"), ttservice::EQdSysStatusType(1), &painter, 3, m_images[2].get());
    paintText(QStringLiteral("任务服务"), ttservice::EQdSysStatusType(4), &painter, 4, m_images[3].get());
    if (m_images[4])
        paintPlugins(&painter);
}

void CMiddleWidget::paintHeader(QPainter* painter, const QString& title, int left, Kx::CImage* image) const
{
    const int w = columnWidth();
    image->drawImage(painter, left + (w - kIconSize) / 2, kIconTop, kIconSize, kIconSize);

    const QFont titleFont = *utils::CSingletonT<Kx::CUiResource>::instance()->getFont(
        QStringLiteral("ocv_fnt_middle_widget_title"));
    painter->setFont(titleFont);
    painter->setPen(StripPalette::label());
    const int titleWidth = QFontMetrics(titleFont).horizontalAdvance(title);
    painter->drawText(left + (w - titleWidth) / 2, kTitleBaseline, title);
}

void CMiddleWidget::paintText(QString title, ttservice::EQdSysStatusType type, QPainter* painter, int column,
                              Kx::CImage* image)
{
    if (!image)
        return;
    const int left = (column - 1) * columnWidth();
    paintHeader(painter, title, left, image);

    const QFont labelFont = StripPalette::labelFont(font());
    const QFont valueFont = StripPalette::valueFont(font());
    const QFontMetrics labelMetrics(labelFont);
    const QString labels[] = {QStringLiteral("运行状态"), QStringLiteral("运行时间"),
                              QStringLiteral("CPU使用率"), QStringLiteral("内存占有")};

    painter->setFont(labelFont);
    painter->setPen(StripPalette::label());
    for (int i = 0; i < 4; ++i)
        painter->drawText(left + kLabelIndent, kRowBaselines[i], labels[i]);

    QString state = QStringLiteral("--");
    QColor stateColor = StripPalette::abnormal();
    QString runTime = QStringLiteral("--:--:--");
    QString cpu = QStringLiteral("-%");
    QString memory;
    const auto records = m_sysInfo.constFind(type);
    if (records != m_sysInfo.constEnd() && !records->isEmpty() && records->first()) {
        const ttservice::CVornSysStatusInfo& info = *records->first();
        const bool healthy = info.running != 0 && info.faultFlag == 0;
        state = healthy ? QStringLiteral("正常") : QStringLiteral("异常");
        stateColor = healthy ? StripPalette::normal() : StripPalette::abnormal();
        runTime = Kx::sToQs(info.runTime);
        cpu = Kx::formatDoubleNumber(info.cpuUsage, 0, Kx::FormatNone, false, StripPalette::invalidText()) +
              QStringLiteral("%");
        memory = formatKiloBytes(info.memoryUsed);
    }

    const QString values[] = {state, runTime, cpu, memory};
    painter->setFont(valueFont);
    for (int i = 0; i < 4; ++i) {
        painter->setPen(i == 0 ? stateColor : StripPalette::value());
        painter->drawText(left + kLabelIndent + kValueGap + labelMetrics.horizontalAdvance(labels[i]),
                          kRowBaselines[i], values[i]);
    }
}

void CMiddleWidget::paintPlugins(QPainter* painter)
{
    const int left = 4 * columnWidth();
    paintHeader(painter, QStringLiteral("交易插件"), left, m_images[4].get());

    const QFont labelFont = StripPalette::labelFont(font());
    const QString totalLabel = QStringLiteral("总计");
    painter->setFont(labelFont);
    painter->setPen(StripPalette::label());
    painter->drawText(left + kLabelIndent, kRowBaselines[0], totalLabel);
    painter->drawText(left + kLabelIndent, kRowBaselines[1], QStringLiteral("异常"));

    QString total = QStringLiteral("--");
    QString abnormal = QStringLiteral("--");
    const auto plugins = m_sysInfo.constFind(ttservice::EQdSysStatusType(5));
    if (plugins != m_sysInfo.constEnd()) {
        int abnormalCount = 0;
        for (const auto& plugin : *plugins) {
            if (plugin && plugin->running == 0)
                ++abnormalCount;
        }
        total = QString::number(plugins->size());
        abnormal = QString::number(abnormalCount);
    }

    const int valueX =
        left + kLabelIndent + kValueGap + QFontMetrics(labelFont).horizontalAdvance(totalLabel);
    painter->setFont(StripPalette::valueFont(font()));
    painter->setPen(StripPalette::value());
    painter->drawText(valueX, kRowBaselines[0], total);
    painter->drawText(valueX, kRowBaselines[1], abnormal);
}

void CMiddleWidget::mouseMoveEvent(QMouseEvent* event)
{
    StatusStrip::updateCursor(this);
    event->accept();
}

void CMiddleWidget::mousePressEvent(QMouseEvent* event)
{
    StatusStrip::openStatusView(this, QString());
    event->accept();
}

} // namespace Ocv
