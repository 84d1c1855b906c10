#include "kx/CCommonDialog.h"
#include "kx/CPushButton.h"
#include "kx/CUiResource.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>

namespace Kx {

namespace {
const QString kTitleColor = QStringLiteral("clr_dialog_title");
const QString kTitleTextColor = QStringLiteral("clr_dialog_title_text");
const QString kBackgroundColor = QStringLiteral("clr_dialog_background");
const QString kBorderColor = QStringLiteral("clr_dialog_border");
const QString kTitleFont = QStringLiteral("fnt_default_normal_heavy");
const QString kCloseGlyph = QStringLiteral("×");
constexpr int kTitleHeight = 32;
constexpr int kTitlePadding = 12;
constexpr int kCloseWidth = 32;
constexpr int kMargin = 16;
constexpr int kSpacing = 12;
constexpr int kButtonMinWidth = 80;
constexpr int kMinWidth = 240;

bool isPlainEnter(const QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    return enter && !(event->modifiers() & ~Qt::KeypadModifier);
}
} // namespace

CCommonDialog::CCommonDialog(QWidget* parent)
    : CEventWidgetT<QDialog>(parent, Qt::Dialog | Qt::FramelessWindowHint), m_layout(new QVBoxLayout(this)),
      m_buttonRow(new QHBoxLayout)
{
    setObjectName(QStringLiteral("common_dialog"));
    setMinimumWidth(kMinWidth);
    m_layout->setContentsMargins(kMargin, kTitleHeight + kMargin, kMargin, kMargin);
    m_layout->setSpacing(kSpacing);
    m_buttonRow->setSpacing(kSpacing);
    m_buttonRow->addStretch(1);
    m_layout->addLayout(m_buttonRow);
    resolveResources();
}

CCommonDialog::~CCommonDialog() = default;

void CCommonDialog::setTitle(const QString& title)
{
    m_title = title;
    setWindowTitle(title);
    updateShownTitle();
    update();
}

QString CCommonDialog::title() const
{
    return m_title;
}

void CCommonDialog::setInnerWidget(QWidget* widget)
{
    if (widget == m_inner)
        return;
    delete m_inner;
    m_inner = widget;
    if (widget) {
        widget->setParent(this);
        m_layout->insertWidget(0, widget, 1);
        widget->show();
    }
    adjustSize();
}

QWidget* CCommonDialog::innerWidget() const
{
    return m_inner;
}

void CCommonDialog::setStandardButtons(StandardButtons buttons)
{
    if (buttons.testFlag(Ok) != (m_ok != nullptr)) {
        delete m_ok;
        m_ok = buttons.testFlag(Ok) ? makeButton(Ok) : nullptr;
    }
    if (buttons.testFlag(Cancel) != (m_cancel != nullptr)) {
        delete m_cancel;
        m_cancel = buttons.testFlag(Cancel) ? makeButton(Cancel) : nullptr;
    }
    // OK stays left of Cancel whichever was made first.
    if (m_ok)
        m_buttonRow->removeWidget(m_ok);
    if (m_cancel)
        m_buttonRow->removeWidget(m_cancel);
    if (m_ok)
        m_buttonRow->addWidget(m_ok);
    if (m_cancel)
        m_buttonRow->addWidget(m_cancel);
    adjustSize();
}

CCommonDialog::StandardButtons CCommonDialog::standardButtons() const
{
    StandardButtons buttons;
    buttons.setFlag(Ok, m_ok != nullptr);
    buttons.setFlag(Cancel, m_cancel != nullptr);
    return buttons;
}

CPushButton* CCommonDialog::button(StandardButton which) const
{
    switch (which) {
    case Ok:
        return m_ok;
    case Cancel:
        return m_cancel;
    case NoButton:
        break;
    }
    return nullptr;
}

void CCommonDialog::setDefaultButton(StandardButton which)
{
    m_default = which;
}

CCommonDialog::StandardButton CCommonDialog::defaultButton() const
{
    return m_default;
}

CCommonDialog::StandardButton CCommonDialog::clickedButton() const
{
    return m_clicked;
}

bool CCommonDialog::handleEvent(int eventId, int a, int b, const QString& text, void* data)
{
    if (eventId == CPushButton::EventButtonClicked && data) {
        if (data == static_cast<void*>(m_ok)) {
            if (onAccept()) {
                m_clicked = Ok;
                accept();
            }
            return true;
        }
        if (data == static_cast<void*>(m_cancel) || a == CloseButtonId) {
            m_clicked = Cancel;
            reject();
            return true;
        }
    }
    return CEventWidgetT<QDialog>::handleEvent(eventId, a, b, text, data);
}

void CCommonDialog::themeChanged()
{
    resolveResources();
    updateShownTitle();
    update();
}

bool CCommonDialog::onAccept()
{
    return true;
}

int CCommonDialog::titleBarHeight()
{
    return kTitleHeight;
}

void CCommonDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    painter.fillRect(QRect(0, 0, width(), kTitleHeight), m_titleBackground);
    painter.setFont(m_titleFont);
    painter.setPen(m_titleText);
    painter.drawText(titleRect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, m_shownTitle);
    painter.drawText(closeRect(), Qt::AlignCenter, kCloseGlyph);
    painter.setPen(m_border);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void CCommonDialog::resizeEvent(QResizeEvent* event)
{
    updateShownTitle();
    CEventWidgetT<QDialog>::resizeEvent(event);
}

void CCommonDialog::showEvent(QShowEvent* event)
{
    m_clicked = NoButton;
    CEventWidgetT<QDialog>::showEvent(event);
}

void CCommonDialog::keyPressEvent(QKeyEvent* event)
{
    if (isPlainEnter(event)) {
        // Without a default button Enter stays here: QDialog would click a focused push button.
        if (CPushButton* target = button(m_default))
            target->click();
        return;
    }
    CEventWidgetT<QDialog>::keyPressEvent(event);
}

bool CCommonDialog::eventFilter(QObject* watched, QEvent* event)
{
    // A focused button clicks on Enter by itself; without a default the dialog swallows the key first.
    const bool standard = watched && (watched == m_ok || watched == m_cancel);
    if (standard && event->type() == QEvent::KeyPress && isPlainEnter(static_cast<QKeyEvent*>(event)) &&
        !button(m_default))
        return true;
    return CEventWidgetT<QDialog>::eventFilter(watched, event);
}

void CCommonDialog::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && closeRect().contains(event->pos())) {
        m_closePressed = true;
    } else if (event->button() == Qt::LeftButton && event->pos().y() < kTitleHeight) {
        m_dragging = true;
        m_dragOffset = event->globalPos() - frameGeometry().topLeft();
    } else {
        CEventWidgetT<QDialog>::mousePressEvent(event);
    }
}

void CCommonDialog::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging)
        move(event->globalPos() - m_dragOffset);
    else
        CEventWidgetT<QDialog>::mouseMoveEvent(event);
}

void CCommonDialog::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        CEventWidgetT<QDialog>::mouseReleaseEvent(event);
        return;
    }
    m_dragging = false;
    const bool close = m_closePressed && closeRect().contains(event->pos());
    m_closePressed = false;
    if (close)
        reject();
}

QRect CCommonDialog::titleRect() const
{
    return QRect(kTitlePadding, 0, std::max(0, width() - kTitlePadding - kCloseWidth), kTitleHeight);
}

QRect CCommonDialog::closeRect() const
{
    return QRect(width() - kCloseWidth, 0, kCloseWidth, kTitleHeight);
}

void CCommonDialog::resolveResources()
{
    CUiResource* res = utils::CSingletonT<CUiResource>::instance();
    m_titleBackground = *res->getColor(kTitleColor);
    m_titleText = *res->getColor(kTitleTextColor);
    m_background = *res->getColor(kBackgroundColor);
    m_border = *res->getColor(kBorderColor);
    m_titleFont = *res->getFont(kTitleFont);
}

void CCommonDialog::updateShownTitle()
{
    m_shownTitle = QFontMetrics(m_titleFont).elidedText(m_title, Qt::ElideRight, titleRect().width());
}

CPushButton* CCommonDialog::makeButton(StandardButton which)
{
    auto* button = new CPushButton(which, this);
    if (which == Ok) {
        button->setObjectName(QStringLiteral("common_dialog_ok"));
        button->setText(QStringLiteral("确定"));
    } else {
        button->setObjectName(QStringLiteral("common_dialog_cancel"));
        button->setText(QStringLiteral("取消"));
    }
    button->setMinimumWidth(kButtonMinWidth);
    button->installEventFilter(this);
    return button;
}

} // namespace Kx
