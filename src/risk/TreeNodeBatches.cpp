#include "risk/TreeNodeBatches.h"

#include "kx/CTreeWidget.h"

#include <QTimer>

#include <algorithm>

namespace Ocv {

CTreeNodeBatches::CTreeNodeBatches(Kx::CTreeWidget* tree, Added added, QObject* parent)
    : QObject(parent), m_tree(tree), m_added(std::move(added)), m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    m_timer->setInterval(0);
    connect(m_timer, &QTimer::timeout, this, &CTreeNodeBatches::runBatch);
}

CTreeNodeBatches::~CTreeNodeBatches() = default;

void CTreeNodeBatches::append(int tag, int parentId, const QStringList& texts,
                              const std::vector<ttservice::IDataPtr>& records)
{
    if (texts.isEmpty())
        return;
    m_pending.push_back(Pending{tag, parentId, texts, records, 0});
    if (!m_timer->isActive())
        m_timer->start();
}

void CTreeNodeBatches::drop(int tag)
{
    m_pending.erase(std::remove_if(m_pending.begin(), m_pending.end(),
                                   [tag](const Pending& pending) { return pending.tag == tag; }),
                    m_pending.end());
}

void CTreeNodeBatches::clear()
{
    m_pending.clear();
}

void CTreeNodeBatches::runBatch()
{
    if (m_pending.empty())
        return;
    Pending& pending = m_pending.front();
    const int count = std::min(kBatchSize, pending.texts.size() - pending.done);
    const QVector<int> ids = m_tree->addNodes(pending.parentId, pending.texts.mid(pending.done, count));
    const auto first = pending.records.begin() + pending.done;
    const std::vector<ttservice::IDataPtr> records(first, first + ids.size());
    pending.done += count;
    const int tag = pending.tag;
    if (pending.done >= pending.texts.size())
        m_pending.pop_front();
    if (!m_pending.empty())
        m_timer->start();
    // Last: the caller may queue or drop batches from here.
    if (!ids.isEmpty())
        m_added(tag, ids, records);
    if (m_pending.empty())
        emit sigIdle();
}

} // namespace Ocv
