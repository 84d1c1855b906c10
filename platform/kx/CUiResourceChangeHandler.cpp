#include "kx/CUiResourceChangeHandler.h"

namespace Kx {

CUiResourceChangeHandler::~CUiResourceChangeHandler() = default;

void CUiResourceChangeHandler::themeChanged() {}

void CUiResourceChangeHandler::scaleChanged() {}

} // namespace Kx
