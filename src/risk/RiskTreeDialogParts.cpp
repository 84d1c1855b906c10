#include "risk/RiskTreeDialogParts.h"

#include "kx/CCommonDialog.h"
#include "kx/CLineEdit.h"
#include "kx/CSimpleTextWidget.h"
#include "kx/CSmallNormalButton.h"
#include "kx/CTreeWidget.h"
#include "kx/CWidgetList.h"

#include <QHeaderView>

namespace Ocv {

namespace {
constexpr int kBarLeft = 20;
constexpr int kBarTop = 7;
constexpr int kBarHeight = 40;
constexpr int kControlHeight = 26;
constexpr int kSearchWidth = 200;
constexpr int kRefreshWidth = 70;
constexpr int kSpaceAfterLabel = 5;
constexpr int kSpaceBeforeRefresh = 10;
constexpr int kTreeWidth = 300;
constexpr int kLabelPadding = 2;
const int kTextFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
} // namespace

RiskTreeDialogParts buildRiskTreeDialog(Kx::CCommonDialog* dialog, const QString& namePrefix,
                                        const QString& searchHint)
{
    RiskTreeDialogParts parts;
    auto* outer = new Kx::CWidgetList(Qt::Vertical, dialog);
    outer->setMargin(0, 0, 0, 0);
    outer->setSpacing(0);

    auto* bar = new Kx::CWidgetList(Qt::Horizontal, outer);
    bar->setMargin(kBarLeft, kBarTop, 0, 0);
    bar->setSpacing(0);
    bar->setFixedHeight(kBarHeight);
    auto* label = new Kx::CSimpleTextWidget(0, kTextFlags, bar);
    const QString labelText = QStringLiteral("查询:");
    label->setText(labelText, 100000);
    label->setFixedSize(label->fontMetrics().horizontalAdvance(labelText) + kLabelPadding, kControlHeight);
    bar->addFixedWidget(label, Kx::AnchorStart);
    bar->addFixedSpace(kSpaceAfterLabel);
    parts.search = new Kx::CLineEdit(0, bar);
    parts.search->setObjectName(namePrefix + QStringLiteral("_search"));
    parts.search->setFixedSize(kSearchWidth, kControlHeight);
    parts.search->setEmptyHint(searchHint, QStringLiteral("clr_lineedit_empty_hint"));
    parts.search->setReturnEvent(Kx::CLineEdit::EventReturnPressed2);
    // Small enough that the hint reads whole in the 200-pixel field.
    parts.search->setFontKey(QStringLiteral("ocv_fnt_risk_setting_search"));
    bar->addFixedWidget(parts.search, Kx::AnchorStart);
    bar->addFixedSpace(kSpaceBeforeRefresh);
    parts.refresh = new Kx::CSmallNormalButton(0, false, 0, bar);
    parts.refresh->setObjectName(namePrefix + QStringLiteral("_refresh"));
    parts.refresh->setText(QStringLiteral("刷新"));
    parts.refresh->setFixedSize(kRefreshWidth, kControlHeight);
    bar->addFixedWidget(parts.refresh, Kx::AnchorStart);
    bar->addStretchSpace(1);
    outer->addFixedWidget(bar, Kx::AnchorFill);

    parts.body = new Kx::CWidgetList(Qt::Horizontal, outer);
    parts.body->setMargin(0, 0, 0, 0);
    parts.body->setSpacing(0);
    parts.tree = new Kx::CTreeWidget(0, parts.body);
    parts.tree->setObjectName(namePrefix + QStringLiteral("_tree"));
    parts.tree->setContextMenuPolicy(Qt::CustomContextMenu);
    parts.tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    parts.tree->header()->setStretchLastSection(false);
    parts.tree->setFixedWidth(kTreeWidth);
    parts.body->addFixedWidget(parts.tree, Kx::AnchorFill);
    outer->addStretchWidget(parts.body, 1, Kx::AnchorFill);

    dialog->setInnerWidget(outer);
    return parts;
}

} // namespace Ocv
