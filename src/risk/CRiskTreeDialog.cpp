#include "risk/CRiskTreeDialog.h"

#include "base/EventIds.h"
#include "kx/CLineEdit.h"
#include "kx/CLoadingMaskWidget.h"
#include "kx/CSimpleTextWidget.h"
#include "kx/CSmallNormalButton.h"
#include "kx/CTreeWidget.h"
#include "kx/CWidgetList.h"
#include "risk/TreeNodeBatches.h"

#include <QHeaderView>

namespace Ocv {

namespace {
constexpr int kMinimumWidth = 1350;
constexpr int kMinimumHeight = 670;
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

CRiskTreeDialog::CRiskTreeDialog(const QString& namePrefix, const QString& title, const QString& searchHint,
                                 QWidget* parent)
    : Kx::CCommonDialog(parent)
{
    setObjectName(namePrefix + QStringLiteral("_dialog"));
    setTitle(title);
    setMinimumSize(kMinimumWidth, kMinimumHeight);

    auto* outer = new Kx::CWidgetList(Qt::Vertical, this);
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
    m_pSearch = new Kx::CLineEdit(0, bar);
    m_pSearch->setObjectName(namePrefix + QStringLiteral("_search"));
    m_pSearch->setFixedSize(kSearchWidth, kControlHeight);
    m_pSearch->setEmptyHint(searchHint, QStringLiteral("clr_lineedit_empty_hint"));
    m_pSearch->setReturnEvent(Kx::CLineEdit::EventReturnPressed2);
    // Small enough that the hint reads whole in the 200-pixel field.
    m_pSearch->setFontKey(QStringLiteral("ocv_fnt_risk_setting_search"));
    bar->addFixedWidget(m_pSearch, Kx::AnchorStart);
    bar->addFixedSpace(kSpaceBeforeRefresh);
    m_pRefresh = new Kx::CSmallNormalButton(0, false, 0, bar);
    m_pRefresh->setObjectName(namePrefix + QStringLiteral("_refresh"));
    m_pRefresh->setText(QStringLiteral("刷新"));
    m_pRefresh->setFixedSize(kRefreshWidth, kControlHeight);
    bar->addFixedWidget(m_pRefresh, Kx::AnchorStart);
    bar->addStretchSpace(1);
    outer->addFixedWidget(bar, Kx::AnchorFill);

    m_pBody = new Kx::CWidgetList(Qt::Horizontal, outer);
    m_pBody->setMargin(0, 0, 0, 0);
    m_pBody->setSpacing(0);
    m_pTree = new Kx::CTreeWidget(0, m_pBody);
    m_pTree->setObjectName(namePrefix + QStringLiteral("_tree"));
    m_pTree->setContextMenuPolicy(Qt::CustomContextMenu);
    m_pTree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_pTree->header()->setStretchLastSection(false);
    m_pTree->setFixedWidth(kTreeWidth);
    m_pBody->addFixedWidget(m_pTree, Kx::AnchorFill);
    outer->addStretchWidget(m_pBody, 1, Kx::AnchorFill);
    setInnerWidget(outer);

    m_pMask = new Kx::CLoadingMaskWidget(QStringLiteral("加载中…"), this);
    m_pMask->setObjectName(namePrefix + QStringLiteral("_loading"));
    m_pMask->attach(m_pTree);
    m_pBatches = new CTreeNodeBatches(
        m_pTree,
        [this](int tag, const QVector<int>& ids, const std::vector<ttservice::IDataPtr>& records) {
            nodesAdded(tag, ids, records);
        },
        this);
    connect(m_pBatches, &CTreeNodeBatches::sigIdle, this, &CRiskTreeDialog::batchesDone);
}

CRiskTreeDialog::~CRiskTreeDialog() = default;

void CRiskTreeDialog::batchesDone()
{
    updateLoading();
}

void CRiskTreeDialog::updateLoading()
{
    const bool loading = isLoading();
    if (m_pMask->isVisibleTo(m_pTree) != loading)
        m_pMask->setVisible(loading);
    if (!loading)
        emit sigLoaded();
}

void CRiskTreeDialog::showSearchResult(const QVector<int>& matches, const QVector<int>& others)
{
    m_pTree->setNodesSelected(others, false);
    m_pTree->setNodesSelected(matches, true);
    if (!matches.isEmpty())
        m_pTree->scrollToNode(matches.front());
}

bool CRiskTreeDialog::handleEvent(int eventId, int a, int b, const QString& text, void* data)
{
    switch (eventId) {
    case EventId::LineEditReturn2:
        // Only a search typed into the field counts.
        if (m_pSearch->hasFocus())
            search(m_pSearch->text());
        return true;
    case EventId::TreeNodeClicked:
        selectNode(b);
        return true;
    case EventId::Button:
        if (a == Kx::CCommonDialog::CloseButtonId)
            return Kx::CCommonDialog::handleEvent(eventId, a, b, text, data);
        reload();
        return true;
    default:
        return Kx::CCommonDialog::handleEvent(eventId, a, b, text, data);
    }
}

} // namespace Ocv
