#include "risk/RiskLauncher.h"

#include "kx/CBaseWidget.h"
#include "kx/CImageWidget.h"
#include "kx/CSimpleTextWidget.h"
#include "kx/CWidgetList.h"

namespace Ocv {

namespace {
constexpr int kLeftMargin = 50;
constexpr int kSpaceAboveTitle = 40;
constexpr int kSpaceBetween = 60;
constexpr int kRowHeight = 80;
constexpr int kSpaceAfterIcon = 15;
constexpr int kLabelColumnWidth = 190;
constexpr int kSpaceAboveLabel = 15;
constexpr int kNoTextLimit = 100000;
const int kTextFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;

Kx::CWidgetList* entryRow(const RiskLauncherEntry& entry, bool spaceAfterIcon, QWidget* parent)
{
    auto* row = new Kx::CWidgetList(Qt::Horizontal, parent);
    row->setMargin(0, 0, 0, 0);
    row->setSpacing(0);
    row->setFixedHeight(kRowHeight);
    auto* icon = new Kx::CImageWidget(entry.id, entry.imageKey, row);
    icon->setObjectName(entry.objectName + QStringLiteral("_icon"));
    icon->setClickable(true);
    icon->setFixedSize(icon->sizeHint());
    row->addFixedWidget(icon, Kx::AnchorFill);
    if (spaceAfterIcon)
        row->addFixedSpace(kSpaceAfterIcon);
    auto* labelColumn = new Kx::CWidgetList(Qt::Vertical, row);
    labelColumn->setMargin(0, 0, 0, 0);
    labelColumn->setSpacing(0);
    labelColumn->setFixedWidth(kLabelColumnWidth);
    labelColumn->addFixedSpace(kSpaceAboveLabel);
    auto* label = new Kx::CSimpleTextWidget(entry.id, kTextFlags, labelColumn);
    label->setObjectName(entry.objectName);
    label->setFontKey(QStringLiteral("ocv_fnt_welcome_risk_btn_title"));
    label->setTextColorKey(QStringLiteral("clr_welcome_risk_text_normal"));
    label->setText(entry.label, kNoTextLimit);
    label->setClickable(true);
    label->setFixedSize(entry.labelSize);
    labelColumn->addFixedWidget(label, Kx::AnchorFill);
    row->addFixedWidget(labelColumn, Kx::AnchorFill);
    return row;
}
} // namespace

void buildRiskLauncher(Kx::CBaseWidget* column, const QString& title, bool titleShown,
                       const std::array<RiskLauncherEntry, 3>& entries)
{
    auto* list = new Kx::CWidgetList(Qt::Vertical, column);
    list->setMargin(kLeftMargin, 0, 0, 0);
    list->setSpacing(0);
    column->setInnerStretchWidget(list, 0, 0, 0, 0);

    list->addFixedSpace(kSpaceAboveTitle);
    auto* titleText = new Kx::CSimpleTextWidget(0, kTextFlags, list);
    titleText->setObjectName(column->objectName() + QStringLiteral("_title"));
    titleText->setFontKey(QStringLiteral("ocv_fnt_welcome_widget_title"));
    titleText->setTextColorKey(QStringLiteral("clr_welcome_text_title"));
    titleText->setText(title, kNoTextLimit);
    list->addFixedWidget(titleText, Kx::AnchorStart, titleShown);
    list->addFixedSpace(kSpaceBetween);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i > 0)
            list->addFixedSpace(kSpaceBetween);
        list->addFixedWidget(entryRow(entries[i], i > 0, list), Kx::AnchorFill);
    }
}

} // namespace Ocv
