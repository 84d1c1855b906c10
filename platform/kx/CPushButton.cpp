#include "kx/CPushButton.h"
#include "kx/CUiResource.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QtMath>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

namespace Kx {

namespace {
const CButtonColor kDefaultBackground(QStringLiteral("clr_btn_normal"), QStringLiteral("clr_btn_hover"),
                                      QStringLiteral("clr_btn_press"), QStringLiteral("clr_btn_disable"));
const CButtonColor kDefaultText(QStringLiteral("clr_btn_text"), QStringLiteral("clr_btn_text"),
                                QStringLiteral("clr_btn_text"), QStringLiteral("clr_btn_text_disable"));
const QString kDefaultFont = QStringLiteral("fnt_default_normal");
const QString kDefaultFocusLine = QStringLiteral("clr_focus_line");
constexpr int kPadding = 16;
constexpr int kMinHeight = 28;
constexpr int kTextMargin = 10; // height above the font's
constexpr int kFocusInset = 2;

QColor resolveColor(const QString& key)
{
    if (key.isEmpty())
        return QColor();
    return *utils::CSingletonT<CUiResource>::instance()->getColor(key);
}

bool isActivationKey(int key)
{
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}
} // namespace

CPushButton::CPushButton(int id, QWidget* parent)
    : CBaseWidget(QStringLiteral("kx_push_button"), false, parent), m_id(id),
      m_backgroundKeys(kDefaultBackground), m_textKeys(kDefaultText), m_fontKey(kDefaultFont),
      m_focusLineKey(kDefaultFocusLine), m_padding(kPadding), m_minHeight(kMinHeight),
      m_textMargin(kTextMargin)
{
    setFocusPolicy(Qt::StrongFocus);
    resolveColors();
}

CPushButton::~CPushButton() = default;

int CPushButton::id() const
{
    return m_id;
}

void CPushButton::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    updateShownText();
    updateGeometry();
    update();
}

QString CPushButton::text() const
{
    return m_text;
}

void CPushButton::setButtonColor(const CButtonColor& color)
{
    m_backgroundKeys = color;
    resolveColors();
    update();
}

CButtonColor CPushButton::buttonColor() const
{
    return m_backgroundKeys;
}

void CPushButton::setTextColorKey(const QString& key)
{
    setTextColorKey(key, key, key, key);
}

void CPushButton::setTextColorKey(const QString& normal, const QString& hover, const QString& pressed,
                                  const QString& disabled)
{
    m_textKeys = CButtonColor(normal, hover, pressed, disabled);
    resolveColors();
    update();
}

CButtonColor CPushButton::textColorKeys() const
{
    return m_textKeys;
}

void CPushButton::setTextFontKey(const QString& key)
{
    m_fontKey = key;
    resolveColors();
    updateShownText();
    updateGeometry();
    update();
}

void CPushButton::setFocusLineColorKey(const QString& key)
{
    m_focusLineKey = key;
    resolveColors();
    update();
}

void CPushButton::click()
{
    if (isEnabled())
        onClicked();
}

CButtonColor::State CPushButton::state() const
{
    if (!isEnabled())
        return CButtonColor::Disabled;
    if ((m_mouseDown && m_mouseInside) || m_keyDown)
        return CButtonColor::Pressed;
    return m_hovered ? CButtonColor::Hover : CButtonColor::Normal;
}

QSize CPushButton::sizeHint() const
{
    // Rounded up, so that the text fits the hinted width without being elided.
    const QFontMetrics metrics(m_font);
    return QSize(qCeil(QFontMetricsF(m_font).horizontalAdvance(m_text)) + horizontalBox(),
                 std::max(m_minHeight, metrics.height() + m_textMargin));
}

QSize CPushButton::minimumSizeHint() const
{
    const QFontMetrics metrics(m_font);
    return QSize(horizontalBox(), std::max(m_minHeight, metrics.height() + m_textMargin));
}

void CPushButton::themeChanged()
{
    resolveColors();
    updateShownText();
    updateGeometry();
    update();
}

void CPushButton::onClicked()
{
    QPointer<CPushButton> self(this);
    emit clicked(m_id);
    // A slot may have closed and deleted the button's window.
    if (self)
        deliverEvent(EventButtonClicked, m_id, 0, m_text, this);
}

void CPushButton::setMetrics(int padding, int minHeight, int textMargin)
{
    m_padding = padding;
    m_minHeight = minHeight;
    m_textMargin = textMargin;
    updateShownText();
    updateGeometry();
    update();
}

QColor CPushButton::backgroundFor(CButtonColor::State state) const
{
    return m_background[state];
}

QColor CPushButton::textColorFor(CButtonColor::State state) const
{
    return m_textColor[state];
}

void CPushButton::paintLabel(QPainter& painter, const QColor& color) const
{
    painter.setFont(m_font);
    painter.setPen(color);
    painter.drawText(labelRect(), Qt::AlignCenter | Qt::TextSingleLine, m_shownText);
}

void CPushButton::paintFocusLine(QPainter& painter) const
{
    if (!hasFocus() || !m_focusLine.isValid())
        return;
    painter.save();
    painter.setPen(QPen(m_focusLine, 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(kFocusInset, kFocusInset, -kFocusInset - 1, -kFocusInset - 1));
    painter.restore();
}

QRect CPushButton::labelRect() const
{
    if (styleSheet().isEmpty())
        return rect().adjusted(m_padding, 0, -m_padding, 0);
    // A style sheet's border and padding stand in for the button's own padding. The label keeps
    // the whole height, centred in it as without a style sheet.
    QStyleOption option;
    option.initFrom(this);
    const QRect contents = style()->subElementRect(QStyle::SE_FrameContents, &option, this);
    return QRect(contents.left(), 0, contents.width(), height());
}

int CPushButton::horizontalBox() const
{
    return width() - labelRect().width();
}

void CPushButton::paintStyleSheet(QPainter& painter)
{
    // Draws nothing unless a style sheet gives the button a border or background.
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}

void CPushButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const CButtonColor::State look = state();
    if (m_background[look].isValid())
        painter.fillRect(rect(), m_background[look]);
    paintStyleSheet(painter);
    paintLabel(painter, m_textColor[look]);
    paintFocusLine(painter);
}

void CPushButton::resizeEvent(QResizeEvent* event)
{
    updateShownText();
    CBaseWidget::resizeEvent(event);
}

void CPushButton::enterEvent(QEvent* event)
{
    setLook(true, m_mouseDown, m_mouseInside, m_keyDown);
    CBaseWidget::enterEvent(event);
}

void CPushButton::leaveEvent(QEvent* event)
{
    setLook(false, m_mouseDown, m_mouseInside, m_keyDown);
    CBaseWidget::leaveEvent(event);
}

void CPushButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    setLook(m_hovered, true, true, m_keyDown);
}

void CPushButton::mouseMoveEvent(QMouseEvent* event)
{
    if (m_mouseDown)
        setLook(m_hovered, true, rect().contains(event->pos()), m_keyDown);
}

void CPushButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_mouseDown) {
        event->ignore();
        return;
    }
    const bool inside = rect().contains(event->pos());
    setLook(m_hovered, false, false, m_keyDown);
    if (inside)
        click();
}

void CPushButton::keyPressEvent(QKeyEvent* event)
{
    if (!isActivationKey(event->key()) || event->modifiers() & ~Qt::KeypadModifier) {
        CBaseWidget::keyPressEvent(event);
        return;
    }
    if (event->isAutoRepeat())
        return;
    // Space clicks on release, as toolkits do; Enter and Return click at once.
    if (event->key() == Qt::Key_Space)
        setLook(m_hovered, m_mouseDown, m_mouseInside, true);
    else
        click();
}

void CPushButton::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Space || !m_keyDown) {
        CBaseWidget::keyReleaseEvent(event);
        return;
    }
    if (event->isAutoRepeat())
        return;
    setLook(m_hovered, m_mouseDown, m_mouseInside, false);
    click();
}

void CPushButton::focusOutEvent(QFocusEvent* event)
{
    setLook(m_hovered, m_mouseDown, m_mouseInside, false);
    CBaseWidget::focusOutEvent(event);
}

void CPushButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        // A press that was under way when the button was disabled must not click later.
        setLook(m_hovered, false, false, false);
        update();
    } else if (event->type() == QEvent::StyleChange) {
        updateShownText();
        updateGeometry();
    }
    CBaseWidget::changeEvent(event);
}

void CPushButton::resolveColors()
{
    for (int s = CButtonColor::Normal; s <= CButtonColor::Disabled; ++s) {
        const auto look = static_cast<CButtonColor::State>(s);
        m_background[s] = resolveColor(m_backgroundKeys.key(look));
        m_textColor[s] = resolveColor(m_textKeys.key(look));
    }
    m_focusLine = resolveColor(m_focusLineKey);
    m_font = *utils::CSingletonT<CUiResource>::instance()->getFont(m_fontKey);
}

void CPushButton::updateShownText()
{
    const QFontMetricsF metrics(m_font);
    m_shownText = metrics.elidedText(m_text, Qt::ElideRight, std::max(0, labelRect().width()));
}

void CPushButton::setLook(bool hovered, bool mouseDown, bool mouseInside, bool keyDown)
{
    if (hovered == m_hovered && mouseDown == m_mouseDown && mouseInside == m_mouseInside &&
        keyDown == m_keyDown)
        return;
    m_hovered = hovered;
    m_mouseDown = mouseDown;
    m_mouseInside = mouseInside;
    m_keyDown = keyDown;
    update();
}

} // namespace Kx
