#include "RcRelatePanel.h"

#include "MessageLine.h"
#include "RcTargetListModel.h"
#include "RcTexts.h"
#include "data/CQueryReq.h"
#include "data/CVornDataManager.h"
#include "data/ttservice/COperateDataReq.h"
#include "data/ttservice/CAccountInfo.h"
#include "data/ttservice/CVornAccountInfo.h"
#include "data/ttservice/CVornProductInfo.h"
#include "data/ttservice/CVornRcRelation.h"
#include "kx/CPushButton.h"
#include "kx/CSimpleTextWidget.h"
#include "utils/CSingletonT.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QVBoxLayout>

#include <boost/make_shared.hpp>

#include <unordered_map>
#include <unordered_set>

namespace Ocv {

namespace {
constexpr int kAccountCode = 12203;
constexpr int kProductCode = 12224;
constexpr int kTemplateRelationCode = 23454;
constexpr int kGroupRelationCode = 23455;
constexpr int kApplyButtonId = 1;
constexpr int kRemoveButtonId = 2;
constexpr int kMessageLimit = 1000;
constexpr int kMessageHeight = 30;

RcTarget makeTarget(std::string key, QString text)
{
    RcTarget target;
    target.key = std::move(key);
    target.folded = text.toCaseFolded();
    target.text = std::move(text);
    return target;
}

RcTarget accountTarget(const std::string& accountId, const QString& name)
{
    RcTarget target = makeTarget("A|" + accountId, name.isEmpty() ? QString::fromStdString(accountId)
                                                                  : QString::fromStdString(accountId) + "  " + name);
    target.accountId = accountId;
    return target;
}

RcTarget productTarget(int productId, int systemTag, const QString& name)
{
    RcTarget target = makeTarget("P|" + std::to_string(systemTag) + ":" + std::to_string(productId),
                                 name.isEmpty() ? QString::number(productId) : QString::number(productId) + "  " + name);
    target.productId = productId;
    target.productSystemTag = systemTag;
    return target;
}

QListView* makeList(const QString& name, RcTargetListModel* model, QWidget* parent)
{
    auto* view = new QListView(parent);
    view->setObjectName(name);
    view->setUniformItemSizes(true); // no measuring of 100,000 rows
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setModel(model);
    return view;
}
} // namespace

CRcRelatePanel::CRcRelatePanel(const QString& name, int ownerKind, bool canChange, QWidget* parent)
    : Kx::CBaseWidget(name, false, parent), m_name(name), m_ownerKind(ownerKind), m_canChange(canChange)
{
    auto* column = new QVBoxLayout(this);
    m_title = new QLabel(this);
    m_title->setObjectName(name + QStringLiteral("_title"));
    column->addWidget(m_title);

    m_applied = new RcTargetListModel(this);
    m_available = new RcTargetListModel(this);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("已应用"), this), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("可应用"), this), 0, 2);
    m_appliedFilter = new QLineEdit(this);
    m_appliedFilter->setObjectName(name + QStringLiteral("_applied_filter"));
    m_appliedFilter->setPlaceholderText(QStringLiteral("筛选"));
    m_availableFilter = new QLineEdit(this);
    m_availableFilter->setObjectName(name + QStringLiteral("_available_filter"));
    m_availableFilter->setPlaceholderText(QStringLiteral("筛选"));
    grid->addWidget(m_appliedFilter, 1, 0);
    grid->addWidget(m_availableFilter, 1, 2);
    m_appliedView = makeList(name + QStringLiteral("_applied"), m_applied, this);
    m_availableView = makeList(name + QStringLiteral("_available"), m_available, this);
    grid->addWidget(m_appliedView, 2, 0);
    grid->addWidget(m_availableView, 2, 2);

    auto* buttons = new QVBoxLayout;
    m_apply = new Kx::CPushButton(kApplyButtonId, this);
    m_apply->setObjectName(name + QStringLiteral("_apply"));
    m_apply->setText(QStringLiteral("应用"));
    m_remove = new Kx::CPushButton(kRemoveButtonId, this);
    m_remove->setObjectName(name + QStringLiteral("_remove"));
    m_remove->setText(QStringLiteral("移除"));
    buttons->addStretch(1);
    buttons->addWidget(m_apply);
    buttons->addWidget(m_remove);
    buttons->addStretch(1);
    grid->addLayout(buttons, 2, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);
    column->addLayout(grid, 1);
    m_apply->setVisible(m_canChange);
    m_remove->setVisible(m_canChange);

    m_message = makeMessageLine(name, kMessageHeight, this);
    column->addWidget(m_message);

    connect(m_appliedFilter, &QLineEdit::textChanged, m_applied, &RcTargetListModel::setFilter);
    connect(m_availableFilter, &QLineEdit::textChanged, m_available, &RcTargetListModel::setFilter);
    setOwner(Owner());
}

CRcRelatePanel::~CRcRelatePanel() = default;

int CRcRelatePanel::appliedCount() const
{
    return m_applied->targetCount();
}

int CRcRelatePanel::availableCount() const
{
    return m_available->targetCount();
}

QString CRcRelatePanel::message() const
{
    return m_message->isVisibleTo(const_cast<CRcRelatePanel*>(this)) ? m_message->text() : QString();
}

void CRcRelatePanel::setOwner(const Owner& owner)
{
    m_owner = owner;
    ++m_relationRead;
    m_changes.abandon(); // changes for the previous owner no longer count
    m_relationsIn = false;
    m_relationKeys.clear();
    setMessage(QString());
    const QString noun = m_ownerKind == ttservice::RC_OWNER_GROUP ? QStringLiteral("模板组") : QStringLiteral("模板");
    if (owner.id == 0) {
        m_title->setText(QStringLiteral("未选择") + noun);
        m_applied->setTargets({});
        m_available->setTargets({});
        updateEnabled();
        return;
    }
    m_title->setText(QStringLiteral("%1: %2 | 适用对象: %3")
                         .arg(noun, owner.name, RcTexts::targetKindName(owner.targetKind)));
    rebuild();
    readRelations();
    if (m_targetsTag != owner.systemTag || m_targetsKind != owner.targetKind)
        readTargets();
    updateEnabled();
}

void CRcRelatePanel::readRelations()
{
    const quint64 number = ++m_relationRead;
    auto req = boost::make_shared<CQueryReq>();
    req->moduleKey = m_name.toStdString();
    req->dataType = m_ownerKind == ttservice::RC_OWNER_GROUP ? kGroupRelationCode : kTemplateRelationCode;
    req->param = std::to_string(m_owner.id);
    req->systemTag = m_owner.systemTag;
    req->parent = this;
    req->callback = [this, number](const boost::shared_ptr<CQueryReq>&, bool ok, const QString& text,
                                   const std::vector<ttservice::IDataPtr>& records,
                                   int) { onRelations(number, ok, text, records); };
    utils::CSingletonT<CVornDataManager>::instance()->queryData(req, false);
}

void CRcRelatePanel::readTargets()
{
    const quint64 number = ++m_targetRead;
    m_targetsIn = false;
    m_targets.clear();
    m_targetsTag = m_owner.systemTag;
    m_targetsKind = m_owner.targetKind;
    auto req = boost::make_shared<CQueryReq>();
    req->moduleKey = m_name.toStdString();
    req->dataType = m_owner.targetKind == ttservice::RC_TARGET_PRODUCT ? kProductCode : kAccountCode;
    req->param = "all";
    req->systemTag = m_owner.systemTag;
    req->parent = this;
    req->callback = [this, number](const boost::shared_ptr<CQueryReq>&, bool ok, const QString& text,
                                   const std::vector<ttservice::IDataPtr>& records,
                                   int) { onTargets(number, ok, text, records); };
    utils::CSingletonT<CVornDataManager>::instance()->queryData(req, false);
}

void CRcRelatePanel::onRelations(quint64 number, bool ok, const QString& text,
                                 const std::vector<ttservice::IDataPtr>& records)
{
    if (number != m_relationRead)
        return;
    m_relationKeys.clear();
    if (!ok) {
        setMessage(QStringLiteral("请求失败, ") + (text.isEmpty() ? QStringLiteral("未知错误") : text));
        m_relationsIn = false;
        rebuild();
        return;
    }
    for (const ttservice::IDataPtr& record : records) {
        auto relation = boost::dynamic_pointer_cast<const ttservice::CVornRcRelation>(record);
        if (relation && relation->ownerKind == m_ownerKind && relation->ownerId == m_owner.id &&
            relation->targetKind == m_owner.targetKind)
            m_relationKeys.push_back(relation->targetKey());
    }
    m_relationsIn = true;
    rebuild();
}

void CRcRelatePanel::onTargets(quint64 number, bool ok, const QString& text,
                               const std::vector<ttservice::IDataPtr>& records)
{
    if (number != m_targetRead)
        return;
    m_targets.clear();
    if (!ok) {
        setMessage(QStringLiteral("请求失败, ") + (text.isEmpty() ? QStringLiteral("未知错误") : text));
        m_targetsTag = -1; // read them again with the next owner
        rebuild();
        return;
    }
    m_targets.reserve(records.size());
    const bool products = m_targetsKind == ttservice::RC_TARGET_PRODUCT;
    for (const ttservice::IDataPtr& record : records) {
        if (!record)
            continue;
        if (products) {
            const auto product = boost::dynamic_pointer_cast<ttservice::CVornProductInfo>(record);
            if (product && product->productId > 0)
                m_targets.push_back(productTarget(product->productId, product->getSystemTag(),
                                                  QString::fromStdString(product->productName)));
            continue;
        }
        // Excluded accounts are kept by the platform but not offered.
        const auto account = boost::dynamic_pointer_cast<ttservice::CVornAccountInfo>(record);
        if (account && account->account && !account->account->accountId.empty() && !account->account->excluded)
            m_targets.push_back(accountTarget(account->account->accountId, QString::fromStdString(account->accountName)));
    }
    m_targetsIn = true;
    rebuild();
}

void CRcRelatePanel::rebuild()
{
    if (!m_relationsIn || !m_targetsIn) {
        m_applied->setTargets({});
        m_available->setTargets({});
        updateEnabled();
        return;
    }
    std::unordered_map<std::string, std::size_t> known;
    known.reserve(m_targets.size());
    for (std::size_t i = 0; i < m_targets.size(); ++i)
        known.emplace(m_targets[i].key, i);
    std::vector<RcTarget> applied;
    std::unordered_set<std::string> appliedKeys;
    for (const std::string& key : m_relationKeys) {
        if (!appliedKeys.insert(key).second)
            continue;
        const auto found = known.find(key);
        if (found != known.end()) {
            applied.push_back(m_targets[found->second]);
        } else if (key.compare(0, 2, "A|") == 0) {
            // Applied to an account the server no longer lists: shown, so that it can be removed.
            applied.push_back(accountTarget(key.substr(2), QString()));
        } else {
            const QString product = QString::fromStdString(key.substr(2));
            applied.push_back(productTarget(product.section(':', 1).toInt(), product.section(':', 0, 0).toInt(),
                                            QString()));
        }
    }
    std::vector<RcTarget> available;
    available.reserve(m_targets.size() - std::min(m_targets.size(), applied.size()));
    for (const RcTarget& target : m_targets) {
        if (!appliedKeys.count(target.key))
            available.push_back(target);
    }
    m_applied->setTargets(std::move(applied));
    m_available->setTargets(std::move(available));
    updateEnabled();
}

bool CRcRelatePanel::handleEvent(int eventId, int a, int b, const QString& text, void* data)
{
    if (eventId == Kx::CPushButton::EventButtonClicked &&
        (data == static_cast<void*>(m_apply) || data == static_cast<void*>(m_remove))) {
        change(data == static_cast<void*>(m_apply));
        return true;
    }
    return Kx::CBaseWidget::handleEvent(eventId, a, b, text, data);
}

std::vector<RcTarget> CRcRelatePanel::chosen(QListView* view, const RcTargetListModel* model) const
{
    std::vector<RcTarget> targets;
    for (const QModelIndex& index : view->selectionModel()->selectedIndexes())
        targets.push_back(model->targetAt(index.row()));
    return targets;
}

void CRcRelatePanel::change(bool apply)
{
    if (!m_canChange || m_owner.id == 0 || m_changes.busy())
        return;
    const std::vector<RcTarget> targets =
        apply ? chosen(m_availableView, m_available) : chosen(m_appliedView, m_applied);
    if (targets.empty()) {
        setMessage(QStringLiteral("请先在%1中选择%2")
                       .arg(apply ? QStringLiteral("可应用") : QStringLiteral("已应用"),
                            RcTexts::targetKindName(m_owner.targetKind)));
        return;
    }
    const quint64 round = m_changes.start(static_cast<int>(targets.size()));
    setMessage(QString());
    updateEnabled();
    for (const RcTarget& target : targets) {
        auto relation = boost::make_shared<ttservice::CVornRcRelation>();
        relation->ownerKind = m_ownerKind;
        relation->ownerId = m_owner.id;
        relation->targetKind = m_owner.targetKind;
        relation->accountId = target.accountId;
        relation->productId = target.productId;
        relation->productSystemTag = target.productSystemTag;
        relation->setSystemTag(m_owner.systemTag);
        sendOperation(this, m_name,
                      m_ownerKind == ttservice::RC_OWNER_GROUP ? kGroupRelationCode : kTemplateRelationCode,
                      apply ? ttservice::QDO_ADD : ttservice::QDO_DELETE, relation,
                      [this, round](bool ok, const QString& text) { onChanged(round, ok, text); });
    }
}

void CRcRelatePanel::onChanged(quint64 round, bool ok, const QString& text)
{
    if (!m_changes.answer(round, ok, text))
        return;
    updateEnabled();
    if (m_changes.failed() > 0)
        setMessage(QStringLiteral("%1 项操作失败: %2").arg(m_changes.failed()).arg(m_changes.refusal()));
    readRelations();
}

void CRcRelatePanel::setMessage(const QString& text)
{
    m_message->setText(text, kMessageLimit);
    m_message->setToolTip(text);
    m_message->setVisible(!text.isEmpty());
}

void CRcRelatePanel::updateEnabled()
{
    const bool ready = m_canChange && m_owner.id != 0 && m_relationsIn && m_targetsIn && !m_changes.busy();
    m_apply->setEnabled(ready);
    m_remove->setEnabled(ready);
}

} // namespace Ocv
