#include "kx/CTabButton.h"
#include "kx/CUiResource.h"

#include <QPainter>

namespace Kx {

namespace {
const CButtonColor kTabBackground(QStringLiteral("clr_nav_exchang_btn_normal"),
                                  QStringLiteral("clr_nav_exchang_btn_hover"),
                                  QStringLiteral("clr_nav_exchang_btn_press"),
                                  QStringLiteral("clr_nav_exchang_btn_disable"));
const QString kTabText = QStringLiteral("clr_default");
const QString kTabTextDisabled = QStringLiteral("clr_nav_exchang_btn_text_disable");
const QString kCheckedBackground = QStringLiteral("clr_widget_background");
const QString kCheckedColor = QStringLiteral("clr_radio_tab_btn_checked");
constexpr int kTabPadding = 16;
constexpr int kTabHeight = 30;
constexpr int kTabTextMargin = 12;
constexpr int kUnderlineHeight = 2;
} // namespace

CTabButton::CTabButton(int id, QWidget* parent, bool checked)
    : CPushButton(id, parent), m_checked(checked), m_checkedKey(kCheckedColor)
{
    setObjectName(QStringLiteral("kx_tab_button"));
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    setMetrics(kTabPadding, kTabHeight, kTabTextMargin);
    setButtonColor(kTabBackground);
    setTextColorKey(kTabText, kTabText, kTabText, kTabTextDisabled);
    resolveCheckedColors();
}

CTabButton::~CTabButton() = default;

bool CTabButton::isChecked() const
{
    return m_checked;
}

void CTabButton::setChecked(bool checked)
{
    if (checked == m_checked)
        return;
    m_checked = checked;
    update();
    emit toggled(checked);
}

void CTabButton::setCheckedColorKey(const QString& key)
{
    m_checkedKey = key;
    resolveCheckedColors();
    update();
}

void CTabButton::themeChanged()
{
    resolveCheckedColors();
    CPushButton::themeChanged();
}

void CTabButton::onClicked()
{
    setChecked(true);
    CPushButton::onClicked();
}

void CTabButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const CButtonColor::State look = state();
    const bool checked = m_checked && look != CButtonColor::Disabled;
    painter.fillRect(rect(), checked ? m_checkedBackground : backgroundFor(look));
    paintStyleSheet(painter);
    if (checked)
        painter.fillRect(QRect(0, height() - kUnderlineHeight, width(), kUnderlineHeight), m_checkedColor);
    paintLabel(painter, checked ? m_checkedColor : textColorFor(look));
    paintFocusLine(painter);
}

void CTabButton::resolveCheckedColors()
{
    CUiResource* res = utils::CSingletonT<CUiResource>::instance();
    m_checkedColor = *res->getColor(m_checkedKey);
    m_checkedBackground = *res->getColor(kCheckedBackground);
}

} // namespace Kx
