#pragma once

#include "kx/CPushButton.h"
#include "kx/KxGlobal.h"

namespace Kx {

// A compact push button (less padding, at least 22 px high, font "fnt_soft_keyboard_normal") for toolbars
// and rows of small actions.
//
// fitToText: when true the button's size policy is fixed, so a layout gives it exactly the width
// of its text plus padding and follows later text changes; when false the layout may stretch it.
// type: the look, SmallNormal (1) with the default button colours, or SmallNavigation (2) with
// the light navigation colours "clr_nav_exchang_btn_*" and the text colour "clr_default". Any
// other value gives the normal look.
class KX_EXPORT CSmallNormalButton : public CPushButton
{
    Q_OBJECT
public:
    enum Type
    {
        SmallNormal = 1,
        SmallNavigation = 2
    };

    CSmallNormalButton(int id, bool fitToText, int type, QWidget* parent);
    ~CSmallNormalButton() override;

    int type() const;
    bool fitsToText() const;

private:
    int m_type;
    bool m_fitToText;
};

} // namespace Kx
