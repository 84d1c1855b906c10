#include "dashboard/CMiddleWidget.h"

#include "base/Hairlines.h"
#include "base/UserChecks.h"
#include "dashboard/SizeFormat.h"
#include "dashboard/StatusStrip.h"
#include "dashboard/StripPalette.h"
#include "dashboard/StripRow.h"
#include "dashboard/StripState.h"
#include "data/CVornClientCenter.h"
#include "kx/CImage.h"
#include "kx/CUiResource.h"
#include "kx/KxFormat.h"
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

const QString kTitleFontKey = QStringLiteral("ocv_fnt_middle_widget_title");
} // namespace

CMiddleWidget::CMiddleWidget(QWidget* parent)
    : Kx::CBaseWidget(QStringLiteral("wolcome_middle_widget"), false, parent),
      m_images(StatusStrip::makeImages(
          QStringLiteral("ocv_img_wolcome_second_"),
          !utils::CSingletonT<CVornClientCenter>::instance()->hasClientLoginTypeAuth(0))),
      m_wide(isWideLayout())
{
    StatusStrip::setUp(this, kHeight);
    resolveFonts();
}

CMiddleWidget::~CMiddleWidget() = default;

void CMiddleWidget::themeChanged()
{
    Kx::CBaseWidget::themeChanged();
    resolveFonts();
    update();
}

void CMiddleWidget::resolveFonts()
{
    m_titleFont = *utils::CSingletonT<Kx::CUiResource>::instance()->getFont(kTitleFontKey);
    m_fonts = StripPalette::rowFonts(font());
}

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
    drawHairRect(&painter, rect(), StripPalette::frame());
    for (int k = 1; k <= 4; ++k)
        drawHairLine(&painter, k * w, 0, k * w, kHeight, StripPalette::frame());

    paintText(QStringLiteral("风控服务"), ttservice::QSST_RISK_SERVICE, &painter, 1, m_images[0].get());
    paintText(QStringLiteral("交易服务"), ttservice::QSST_TRADE_SERVICE, &painter, 2, m_images[1].get());
    paintText(QStringLiteral("核心服务"), ttservice::QSST_CORE_SERVICE, &painter, 3, m_images[2].get());
    paintText(QStringLiteral("任务服务"), ttservice::QSST_TASK_SERVICE, &painter, 4, m_images[3].get());
    if (m_images[4])
        paintPlugins(&painter);
}

void CMiddleWidget::paintHeader(QPainter* painter, const QString& title, int left, Kx::CImage* image) const
{
    const int w = columnWidth();
    image->drawImage(painter, left + (w - kIconSize) / 2, kIconTop, kIconSize, kIconSize);

    painter->setFont(m_titleFont);
    painter->setPen(StripPalette::label());
    const int titleWidth = QFontMetrics(m_titleFont).horizontalAdvance(title);
    painter->drawText(left + (w - titleWidth) / 2, kTitleBaseline, title);
}

void CMiddleWidget::paintText(QString title, ttservice::EQdSysStatusType type, QPainter* painter, int column,
                              Kx::CImage* image)
{
    if (!image)
        return;
    const int left = (column - 1) * columnWidth();
    paintHeader(painter, title, left, image);

    const auto records = m_sysInfo.constFind(type);
    const ttservice::CVornSysStatusInfo* info =
        records != m_sysInfo.constEnd() && !records->isEmpty() ? records->first().get() : nullptr;
    const StripState state = StripState::ofService(info);
    StripRow rows[] = {{QStringLiteral("运行状态"), state.text, state.color},
                       {QStringLiteral("运行时间"), QStringLiteral("--:--:--")},
                       {QStringLiteral("CPU使用率"), QStringLiteral("-%")},
                       {QStringLiteral("内存占有"), QString()}};
    if (info) {
        rows[1].value = Kx::sToQs(info->runTime);
        rows[2].value =
            Kx::formatDoubleNumber(info->cpuUsage, 0, Kx::FormatNone, false, StripPalette::invalidText()) +
            QStringLiteral("%");
        rows[3].value = formatKiloBytes(info->memoryUsed);
    }

    const QFontMetrics labelMetrics(m_fonts.label);
    const int labelX = left + kLabelIndent;
    for (int i = 0; i < 4; ++i) {
        const int valueX = labelX + kValueGap + labelMetrics.horizontalAdvance(rows[i].label);
        paintRow(painter, rows[i], labelX, valueX, kRowBaselines[i], m_fonts);
    }
}

void CMiddleWidget::paintPlugins(QPainter* painter)
{
    const int left = 4 * columnWidth();
    paintHeader(painter, QStringLiteral("交易插件"), left, m_images[4].get());

    StripRow total{QStringLiteral("总计"), QStringLiteral("--")};
    StripRow abnormal{QStringLiteral("异常"), QStringLiteral("--")};
    const auto plugins = m_sysInfo.constFind(ttservice::QSST_TRADE_PLUGIN);
    if (plugins != m_sysInfo.constEnd()) {
        int abnormalCount = 0;
        for (const auto& plugin : *plugins) {
            if (plugin && plugin->running == 0)
                ++abnormalCount;
        }
        total.value = QString::number(plugins->size());
        abnormal.value = QString::number(abnormalCount);
    }

    const int labelX = left + kLabelIndent;
    const int valueX = labelX + kValueGap + QFontMetrics(m_fonts.label).horizontalAdvance(total.label);
    paintRow(painter, total, labelX, valueX, kRowBaselines[0], m_fonts);
    paintRow(painter, abnormal, labelX, valueX, kRowBaselines[1], m_fonts);
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
