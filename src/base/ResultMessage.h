#pragma once

#include "WelcomeGlobal.h"

#include <QString>

class QWidget;

namespace Ocv {

// Shows an operation's result through the client centre: an error titled "错误提示" with the text
// (or "操作失败" without one), or a success titled "提示" with "操作成功".
WELCOME_EXPORT void showResultMessage(QWidget* parent, bool isError, const QString& text);

} // namespace Ocv
