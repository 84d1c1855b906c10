#pragma once

#include "WelcomeGlobal.h"
#include "kx/CTabButton.h"

namespace Ocv {

// A tab of the exchange board: the framework's tab with the board's colours, the checked one in
// the heavy font.
class WELCOME_EXPORT CExchangeTabButton : public Kx::CTabButton
{
public:
    CExchangeTabButton(int id, QWidget* parent, bool checked);
    ~CExchangeTabButton() override;

    void setTabChecked(bool checked);

private:
    void applyLook();
};

} // namespace Ocv
