#include "risk/RiskTemplateDialogParts.h"

#include "kx/CCommonDialog.h"
#include "kx/CWidgetList.h"

namespace Ocv {

namespace {
constexpr int kMinimumWidth = 850;
constexpr int kMinimumHeight = 600;
constexpr int kListMinimumWidth = 380;
// Opened wider than the minimum, so that the panel's two lists show whole account names.
constexpr int kInitialWidth = 1100;
constexpr int kInitialHeight = 640;
} // namespace

void layoutTemplateDialog(Kx::CCommonDialog* dialog, const QString& title, QWidget* list, QWidget* panel)
{
    dialog->setTitle(title);
    dialog->setMinimumSize(kMinimumWidth, kMinimumHeight);
    dialog->resize(kInitialWidth, kInitialHeight);
    auto* row = new Kx::CWidgetList(Qt::Horizontal, dialog);
    row->setMargin(0, 0, 0, 0);
    row->setSpacing(0);
    list->setParent(row);
    list->setMinimumWidth(kListMinimumWidth);
    row->addFixedWidget(list, Kx::AnchorFill);
    panel->setParent(row);
    row->addStretchWidget(panel, 1, Kx::AnchorFill);
    dialog->setInnerWidget(row);
}

} // namespace Ocv
