#pragma once

namespace Ocv {

// How a template panel shows what a template (or group) is related to.
enum eRelateProductRc
{
    eRelateRcView = 0,  // read-only
    eRelateRcApply = 1  // with apply and remove
};

} // namespace Ocv
