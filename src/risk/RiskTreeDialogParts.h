#pragma once

#include <QString>

namespace Kx {
class CCommonDialog;
class CLineEdit;
class CSmallNormalButton;
class CTreeWidget;
class CWidgetList;
} // namespace Kx

namespace Ocv {

// The parts of a risk setting dialog: a search bar over a tree and the area right of it.
struct RiskTreeDialogParts
{
    Kx::CLineEdit* search = nullptr;
    Kx::CSmallNormalButton* refresh = nullptr;
    Kx::CTreeWidget* tree = nullptr;
    Kx::CWidgetList* body = nullptr; // the tree, then whatever the dialog adds right of it
};

// Lays out a risk setting dialog: the bar with "查询:", the search field (id 0, the hint) and
// "刷新" (id 0), and below it the 300-pixel tree. namePrefix names the parts for scripts
// (namePrefix + "_search", "_refresh", "_tree").
RiskTreeDialogParts buildRiskTreeDialog(Kx::CCommonDialog* dialog, const QString& namePrefix,
                                        const QString& searchHint);

} // namespace Ocv
