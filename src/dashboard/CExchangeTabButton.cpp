#include "dashboard/CExchangeTabButton.h"

#include "kx/CButtonColor.h"

namespace Ocv {

namespace {
const QString kNormalKey = QStringLiteral("clr_nav_exchang_btn_normal");
const QString kHoverKey = QStringLiteral("clr_nav_exchang_btn_hover");
const QString kPressKey = QStringLiteral("clr_nav_exchang_btn_press");
const QString kDisableKey = QStringLiteral("clr_nav_exchang_btn_disable");
const QString kTextKey = QStringLiteral("clr_radio_tab_btn_checked");
const QString kFontKey = QStringLiteral("fnt_default_normal");
const QString kCheckedFontKey = QStringLiteral("fnt_default_normal_heavy");
} // namespace

CExchangeTabButton::CExchangeTabButton(int id, QWidget* parent, bool checked)
    : Kx::CTabButton(id, parent, checked)
{
    applyLook();
}

CExchangeTabButton::~CExchangeTabButton() = default;

void CExchangeTabButton::setTabChecked(bool checked)
{
    setChecked(checked);
    applyLook();
}

void CExchangeTabButton::applyLook()
{
    // The checked tab keeps its pressed colour under the pointer, so it never looks clickable.
    if (isChecked())
        setButtonColor(Kx::CButtonColor(kPressKey, kPressKey, kPressKey, kDisableKey));
    else
        setButtonColor(Kx::CButtonColor(kNormalKey, kHoverKey, kPressKey, kDisableKey));
    setTextColorKey(kTextKey);
    setTextFontKey(isChecked() ? kCheckedFontKey : kFontKey);
}

} // namespace Ocv
