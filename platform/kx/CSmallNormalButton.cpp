#include "kx/CSmallNormalButton.h"

namespace Kx {

namespace {
constexpr int kSmallPadding = 8;
constexpr int kSmallHeight = 22;
constexpr int kSmallTextMargin = 6;
// Six CJK characters fit a framed 85-pixel button.
const QString kSmallFont = QStringLiteral("fnt_small_button");
const CButtonColor kNavigationBackground(QStringLiteral("clr_nav_exchang_btn_normal"),
                                         QStringLiteral("clr_nav_exchang_btn_hover"),
                                         QStringLiteral("clr_nav_exchang_btn_press"),
                                         QStringLiteral("clr_nav_exchang_btn_disable"));
const QString kNavigationText = QStringLiteral("clr_default");
const QString kNavigationTextDisabled = QStringLiteral("clr_nav_exchang_btn_text_disable");
} // namespace

CSmallNormalButton::CSmallNormalButton(int id, bool fitToText, int type, QWidget* parent)
    : CPushButton(id, parent), m_type(type == SmallNavigation ? SmallNavigation : SmallNormal),
      m_fitToText(fitToText)
{
    setObjectName(QStringLiteral("kx_small_button"));
    setMetrics(kSmallPadding, kSmallHeight, kSmallTextMargin);
    setTextFontKey(kSmallFont);
    if (m_type == SmallNavigation) {
        setButtonColor(kNavigationBackground);
        setTextColorKey(kNavigationText, kNavigationText, kNavigationText, kNavigationTextDisabled);
    }
    if (fitToText)
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    else
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

CSmallNormalButton::~CSmallNormalButton() = default;

int CSmallNormalButton::type() const
{
    return m_type;
}

bool CSmallNormalButton::fitsToText() const
{
    return m_fitToText;
}

} // namespace Kx
