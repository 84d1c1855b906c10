#pragma once

#include <QSize>
#include <QString>

#include <array>

namespace Kx {
class CBaseWidget;
class CSimpleTextWidget;
} // namespace Kx

namespace Ocv {

// One entry of a risk column's launcher: an icon and a clickable label, both carrying the id.
struct RiskLauncherEntry
{
    int id;
    QString imageKey;
    QString label;
    QSize labelSize;
    QString objectName; // of the label; the icon gets the same name with "_icon"
};

// Fills a risk column with its launcher: the title, then three entry rows of icons and labels,
// as the account and the product columns lay them out. The column acts on the labels' clicks
// (event 9 with the entry id). titleShown is the flag the title is added to the list with.
void buildRiskLauncher(Kx::CBaseWidget* column, const QString& title, bool titleShown,
                       const std::array<RiskLauncherEntry, 3>& entries);

} // namespace Ocv
