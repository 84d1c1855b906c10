#include "kx/CLoadingMaskWidget.h"
#include "kx/CUiResource.h"

#include <QEvent>
#include <QPainter>

namespace Kx {

namespace {
const QString kCoverColor = QStringLiteral("clr_loading_mask");
const QString kTextColor = QStringLiteral("clr_loading_mask_text");
const QString kFont = QStringLiteral("fnt_default_normal");
} // namespace

CLoadingMaskWidget::CLoadingMaskWidget(const QString& text, QWidget* parent)
    : CBaseWidget(QStringLiteral("loading_mask"), false, parent), m_text(text)
{
    setAttribute(Qt::WA_NoMousePropagation);
    hide();
    resolveResources();
}

CLoadingMaskWidget::~CLoadingMaskWidget() = default;

void CLoadingMaskWidget::attach(QWidget* widget)
{
    if (m_target)
        m_target->removeEventFilter(this);
    m_target = widget;
    if (!widget)
        return;
    const bool shown = !isHidden();
    if (parentWidget() != widget)
        setParent(widget);
    widget->installEventFilter(this);
    setGeometry(widget->rect());
    raise();
    setVisible(shown);
}

QWidget* CLoadingMaskWidget::attachedWidget() const
{
    return m_target;
}

void CLoadingMaskWidget::setText(const QString& text)
{
    m_text = text;
    update();
}

QString CLoadingMaskWidget::text() const
{
    return m_text;
}

void CLoadingMaskWidget::themeChanged()
{
    resolveResources();
    update();
}

bool CLoadingMaskWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_target && event->type() == QEvent::Resize)
        setGeometry(m_target->rect());
    return CBaseWidget::eventFilter(watched, event);
}

void CLoadingMaskWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_cover);
    painter.setFont(m_font);
    painter.setPen(m_textColor);
    painter.drawText(rect(), Qt::AlignCenter, m_text);
}

void CLoadingMaskWidget::resolveResources()
{
    auto* resource = utils::CSingletonT<CUiResource>::instance();
    m_cover = *resource->getColor(kCoverColor);
    m_textColor = *resource->getColor(kTextColor);
    m_font = *resource->getFont(kFont);
}

} // namespace Kx
