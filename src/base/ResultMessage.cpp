#include "base/ResultMessage.h"

#include "data/CVornClientCenter.h"
#include "utils/CSingletonT.h"

namespace Ocv {

void showResultMessage(QWidget* parent, bool isError, const QString& text)
{
    CVornClientCenter* center = utils::CSingletonT<CVornClientCenter>::instance();
    if (isError) {
        center->showServerMsgCallBack(1, false, parent, QStringLiteral("错误提示"),
                                      text.isEmpty() ? QStringLiteral("操作失败") : text, true, false);
    } else {
        center->showServerMsgCallBack(0, true, parent, QStringLiteral("提示"), QStringLiteral("操作成功"),
                                      true, false);
    }
}

} // namespace Ocv
