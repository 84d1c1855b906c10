#include "kx/CSimpleTextWidget.h"
#include "kx/CUiResource.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QtMath>

#include <algorithm>
#include <climits>

namespace Kx {

namespace {
const QString kDefaultFont = QStringLiteral("fnt_default_normal");
const QString kDefaultColor = QStringLiteral("clr_default");
const QChar kEllipsis(0x2026);
// The width a wrapping label asks for before a layout gives it one.
constexpr int kWrapHintWidth = 320;
} // namespace

CSimpleTextWidget::CSimpleTextWidget(int id, int flags, QWidget* parent)
    : CBaseWidget(QStringLiteral("kx_simple_text"), false, parent), m_id(id), m_flags(flags),
      m_fontKey(kDefaultFont), m_colorKey(kDefaultColor)
{
    if (!singleLine()) {
        QSizePolicy policy = sizePolicy();
        policy.setHeightForWidth(true);
        setSizePolicy(policy);
    }
    resolveResources();
}

CSimpleTextWidget::~CSimpleTextWidget() = default;

int CSimpleTextWidget::id() const
{
    return m_id;
}

int CSimpleTextWidget::flags() const
{
    return m_flags;
}

void CSimpleTextWidget::setText(const QString& text, int limit)
{
    m_fullText = text;
    if (limit > 0 && text.size() > limit) {
        // Never split a surrogate pair.
        const int keep = text.at(limit - 1).isHighSurrogate() ? limit - 1 : limit;
        m_text = text.left(keep) + kEllipsis;
    } else {
        m_text = text;
    }
    updateShownText();
    updateGeometry();
    update();
}

QString CSimpleTextWidget::text() const
{
    return m_text;
}

QString CSimpleTextWidget::shownText() const
{
    return m_shownText;
}

void CSimpleTextWidget::setFontKey(const QString& key)
{
    m_fontKey = key;
    resolveResources();
    updateShownText();
    updateGeometry();
    update();
}

void CSimpleTextWidget::setTextColorKey(const QString& key)
{
    m_colorKey = key;
    resolveResources();
    update();
}

void CSimpleTextWidget::setClickable(bool clickable)
{
    m_clickable = clickable;
    m_pressed = false;
    if (clickable)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

bool CSimpleTextWidget::isClickable() const
{
    return m_clickable;
}

QSize CSimpleTextWidget::sizeHint() const
{
    const QFontMetrics metrics(m_font);
    if (singleLine())
        return QSize(qCeil(QFontMetricsF(m_font).horizontalAdvance(m_text)), metrics.height());
    const QRect bounds = metrics.boundingRect(QRect(0, 0, kWrapHintWidth, INT_MAX), drawFlags(), m_text);
    return QSize(std::min(kWrapHintWidth, bounds.width()), std::max(metrics.height(), bounds.height()));
}

QSize CSimpleTextWidget::minimumSizeHint() const
{
    return QSize(0, QFontMetrics(m_font).height());
}

bool CSimpleTextWidget::hasHeightForWidth() const
{
    return !singleLine();
}

int CSimpleTextWidget::heightForWidth(int width) const
{
    const QFontMetrics metrics(m_font);
    if (singleLine())
        return metrics.height();
    const QRect bounds = metrics.boundingRect(QRect(0, 0, width, INT_MAX), drawFlags(), m_text);
    return std::max(metrics.height(), bounds.height());
}

void CSimpleTextWidget::themeChanged()
{
    resolveResources();
    updateShownText();
    updateGeometry();
    update();
}

void CSimpleTextWidget::paintEvent(QPaintEvent* event)
{
    CBaseWidget::paintEvent(event);
    QPainter painter(this);
    painter.setFont(m_font);
    painter.setPen(m_color);
    painter.drawText(rect(), drawFlags(), m_shownText);
}

void CSimpleTextWidget::resizeEvent(QResizeEvent* event)
{
    updateShownText();
    CBaseWidget::resizeEvent(event);
}

void CSimpleTextWidget::mousePressEvent(QMouseEvent* event)
{
    if (!m_clickable || event->button() != Qt::LeftButton) {
        CBaseWidget::mousePressEvent(event);
        return;
    }
    m_pressed = true;
}

void CSimpleTextWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_pressed || event->button() != Qt::LeftButton) {
        CBaseWidget::mouseReleaseEvent(event);
        return;
    }
    m_pressed = false;
    if (!rect().contains(event->pos()))
        return;
    QPointer<CSimpleTextWidget> self(this);
    emit clicked(m_id);
    if (self)
        deliverEvent(EventTextClicked, m_id, 0, m_text, this);
}

bool CSimpleTextWidget::singleLine() const
{
    return m_flags & Qt::TextSingleLine;
}

int CSimpleTextWidget::drawFlags() const
{
    return singleLine() ? m_flags : (m_flags | Qt::TextWordWrap);
}

void CSimpleTextWidget::resolveResources()
{
    CUiResource* res = utils::CSingletonT<CUiResource>::instance();
    m_font = *res->getFont(m_fontKey);
    m_color = *res->getColor(m_colorKey);
}

void CSimpleTextWidget::updateShownText()
{
    if (singleLine()) {
        QString line = m_text;
        line.replace(QLatin1Char('\n'), QLatin1Char(' '));
        m_shownText = QFontMetricsF(m_font).elidedText(line, Qt::ElideRight, width());
    } else {
        m_shownText = m_text;
    }
    setToolTip(m_shownText != m_fullText ? m_fullText : QString());
}

} // namespace Kx
