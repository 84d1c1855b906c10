#include "risk/CTopModelWidget.h"

#include "base/Hairlines.h"
#include "kx/CButtonColor.h"
#include "kx/CImage.h"
#include "kx/CSmallNormalButton.h"
#include "kx/CUiResource.h"
#include "utils/CSingletonT.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace Ocv {

namespace {
const QString kFrameColorKey = QStringLiteral("clr_welcome_splite_line");
const QColor kTitleColor(74, 74, 74);
const QString kTitleFontKey = QStringLiteral("ocv_fnt_welcome_top_widget_title");
const QString kNumberFontKey = QStringLiteral("ocv_fnt_welcome_top_widget_number");
const QString kTodayFontKey = QStringLiteral("ocv_fnt_welcome_top_widget_current_number");
const QString kHoverLabelFontKey = QStringLiteral("ocv_fnt_welcome_top_widget_tooltip_title");
// The channel tile's today line counts abnormal states: it has colours of its own.
const QString kChannelTodayColorKey = QStringLiteral("clr_top_etf_warning_color");
const QString kChannelTodayHoverColorKey = QStringLiteral("clr_welcome_top_product_hight_text");

constexpr int kIconX = 20;
constexpr int kIconY = 45;
constexpr int kTitleGap = 50; // from the icon's width
constexpr int kTitleY = 58;
constexpr int kNumberX = 20;
constexpr int kNumberGap = 73;     // from the icon's height
constexpr int kHoverLabelGap = 30; // from the number's width
constexpr int kTodayGap = 28;      // under the number
constexpr int kTodayTextGap = 30;  // from the today image's width
constexpr int kTodayTextDrop = 3;
constexpr int kButtonWidth = 133;
constexpr int kButtonHeight = 40;
constexpr int kButtonFrameRight = 158; // from the tile's right edge
constexpr int kButtonFrameWidth = 138;
constexpr int kButtonFrameHeight = 40;
constexpr int kButtonFrameRadius = 5;
constexpr int kButtonRight = 156;
constexpr int kButtonRise = 10;

Kx::CUiResource* resources()
{
    return utils::CSingletonT<Kx::CUiResource>::instance();
}

QColor themeColor(const QString& key)
{
    return *resources()->getColor(key);
}

QFont themeFont(const QString& key)
{
    return *resources()->getFont(key);
}

QRect textRect(const QString& fontKey, int x, int y, const QString& text)
{
    const QFontMetrics metrics(themeFont(fontKey));
    return QRect(x, y, metrics.horizontalAdvance(text), metrics.height());
}
} // namespace

CTopModelWidget::CTopModelWidget(ETopModelWidgetID id, QWidget* parent)
    : Kx::CBaseWidget(QStringLiteral("top_model_risk"), false, parent), m_id(id)
{
    // Hovering a shortcut highlights it without a button held.
    setMouseTracking(true);
}

CTopModelWidget::~CTopModelWidget() = default;

void CTopModelWidget::setImage(const QString& iconKey, const QString& todayKey)
{
    m_icon = std::make_unique<Kx::CImage>(iconKey);
    m_todayImage = std::make_unique<Kx::CImage>(todayKey);
    updateLayout();
}

void CTopModelWidget::setTextColor(const QString& colorKey, const QString& hoverColorKey)
{
    m_textColorKey = colorKey;
    m_hoverColorKey = hoverColorKey;
    update();
}

bool CTopModelWidget::setText(const QString& today, const QString& number, const QString& title,
                              const QString& hoverLabel)
{
    bool changed = false;
    const auto take = [](QString& stored, const QString& text) {
        if (text.isEmpty() || text == stored)
            return false;
        stored = text;
        return true;
    };
    changed |= take(m_today, today);
    changed |= take(m_number, number);
    take(m_title, title);
    take(m_hoverLabel, hoverLabel);
    updateLayout();
    update();
    return changed;
}

void CTopModelWidget::setBtn(int buttonId, const QString& text)
{
    if (!m_button)
        m_button = new Kx::CSmallNormalButton(buttonId, false, Kx::CSmallNormalButton::SmallNormal, this);
    m_button->setObjectName(QStringLiteral("top_model_button_%1").arg(buttonId));
    m_button->setFixedSize(kButtonWidth, kButtonHeight);
    m_button->setButtonColor(Kx::CButtonColor(m_textColorKey));
    m_button->setFocusLineColorKey(QString());
    m_button->setTextFontKey(kTodayFontKey);
    m_button->setText(text);
    updateLayout();
}

void CTopModelWidget::themeChanged()
{
    Kx::CBaseWidget::themeChanged();
    updateLayout();
}

void CTopModelWidget::resizeEvent(QResizeEvent* event)
{
    Kx::CBaseWidget::resizeEvent(event);
    updateLayout();
}

void CTopModelWidget::updateLayout()
{
    const int iconWidth = m_icon ? m_icon->width() : 0;
    const int iconHeight = m_icon ? m_icon->height() : 0;
    m_titleRect = textRect(kTitleFontKey, iconWidth + kTitleGap, kTitleY, m_title);

    const int numberTop = iconHeight + kNumberGap;
    m_numberRect = textRect(kNumberFontKey, kNumberX, numberTop, m_number);
    const int numberHeight = m_numberRect.height();
    const int labelHeight = QFontMetrics(themeFont(kHoverLabelFontKey)).height();
    m_hoverLabelRect = textRect(kHoverLabelFontKey, m_numberRect.width() + kHoverLabelGap,
                                numberTop + numberHeight / 2 - labelHeight / 2, m_hoverLabel);

    const int todayTop = numberTop + numberHeight + kTodayGap;
    const int todayImageWidth = m_todayImage ? m_todayImage->width() : 0;
    m_todayImageRect = QRect(kNumberX, todayTop, todayImageWidth, m_todayImage ? m_todayImage->height() : 0);
    m_todayRect =
        textRect(kTodayFontKey, todayImageWidth + kTodayTextGap, todayTop + kTodayTextDrop, m_today);

    m_buttonFrame =
        QRect(width() - kButtonFrameRight, todayTop - kButtonRise, kButtonFrameWidth, kButtonFrameHeight);
    if (m_button)
        m_button->move(width() - kButtonRight, todayTop - kButtonRise);
    update();
}

void CTopModelWidget::paintEvent(QPaintEvent* event)
{
    Kx::CBaseWidget::paintEvent(event);
    QPainter painter(this);
    drawHairRect(&painter, rect(), themeColor(kFrameColorKey));
    if (m_icon)
        m_icon->drawImage(&painter, kIconX, kIconY, m_icon->width(), m_icon->height());

    painter.setPen(kTitleColor);
    painter.setFont(themeFont(kTitleFontKey));
    painter.drawText(QRectF(m_titleRect), m_title, QTextOption());

    paintNumber(&painter);
    paintToday(&painter);
    if (m_button)
        paintButtonFrame(&painter);
}

void CTopModelWidget::paintNumber(QPainter* painter) const
{
    const QColor hover = themeColor(m_hoverColorKey);
    painter->setPen(m_numberHovered ? hover : themeColor(m_textColorKey));
    painter->setFont(themeFont(kNumberFontKey));
    if (m_numberHovered)
        painter->drawRect(m_numberRect.x() - 2, m_numberRect.y() - 2, m_numberRect.width() + 3,
                          m_numberRect.height() + 2);
    painter->drawText(m_numberRect, Qt::AlignBottom, m_number);
    if (!m_numberHovered)
        return;
    painter->setPen(hover);
    painter->setFont(themeFont(kHoverLabelFontKey));
    painter->drawText(m_hoverLabelRect, Qt::AlignBottom, m_hoverLabel);
}

void CTopModelWidget::paintToday(QPainter* painter) const
{
    if (m_todayImage)
        m_todayImage->drawImage(painter, m_todayImageRect);
    const bool channel = m_id == TOP_MODEL_CHANNEL;
    if (m_todayHovered)
        painter->setPen(themeColor(channel ? kChannelTodayHoverColorKey : m_hoverColorKey));
    else
        painter->setPen(themeColor(channel ? kChannelTodayColorKey : m_textColorKey));
    painter->setFont(themeFont(kTodayFontKey));
    if (m_todayHovered)
        painter->drawRect(m_todayRect.x() - 2, m_todayRect.y() - 2, m_todayRect.width() + 2,
                          m_todayRect.height() + 2);
    painter->drawText(m_todayRect, Qt::AlignBottom, m_today);
}

void CTopModelWidget::paintButtonFrame(QPainter* painter) const
{
    painter->save();
    painter->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                            QPainter::SmoothPixmapTransform);
    const QColor fill = themeColor(m_textColorKey);
    painter->setPen(fill);
    painter->setBrush(fill);
    painter->drawRoundedRect(m_buttonFrame, kButtonFrameRadius, kButtonFrameRadius);
    painter->restore();
}

void CTopModelWidget::mousePressEvent(QMouseEvent* event)
{
    Kx::CBaseWidget::mousePressEvent(event);
    if (m_numberRect.contains(event->pos()))
        emit sigShowDialog(m_id, false);
    else if (m_todayRect.contains(event->pos()))
        emit sigShowDialog(m_id, true);
}

void CTopModelWidget::mouseMoveEvent(QMouseEvent* event)
{
    Kx::CBaseWidget::mouseMoveEvent(event);
    setHover(m_numberRect.contains(event->pos()), m_todayRect.contains(event->pos()));
}

void CTopModelWidget::leaveEvent(QEvent* event)
{
    Kx::CBaseWidget::leaveEvent(event);
    setHover(false, false);
}

void CTopModelWidget::setHover(bool number, bool today)
{
    if (number == m_numberHovered && today == m_todayHovered)
        return;
    m_numberHovered = number;
    m_todayHovered = today;
    setCursor(number || today ? Qt::PointingHandCursor : Qt::ArrowCursor);
    update();
}

} // namespace Ocv
