#pragma once

#include "kx/KxGlobal.h"

namespace Kx {

// Widgets that cache resources (colours, fonts, images) refresh them in these hooks.
// CUiResource::loadTheme calls themeChanged on every live widget implementing it.
class KX_EXPORT CUiResourceChangeHandler
{
public:
    virtual ~CUiResourceChangeHandler();

    virtual void themeChanged();
    virtual void scaleChanged();
};

} // namespace Kx
