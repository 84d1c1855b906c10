#include "MessageLine.h"

#include "kx/CSimpleTextWidget.h"

namespace Ocv {

Kx::CSimpleTextWidget* makeMessageLine(const QString& ownerName, int height, QWidget* parent)
{
    auto* line = new Kx::CSimpleTextWidget(0, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, parent);
    line->setObjectName(ownerName + QStringLiteral("_error"));
    line->setTextColorKey(QStringLiteral("clr_message_box_warning"));
    line->setFixedHeight(height);
    line->hide();
    return line;
}

} // namespace Ocv
