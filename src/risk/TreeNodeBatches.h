#pragma once

#include "data/IData.h"

#include <QObject>
#include <QStringList>
#include <QVector>

#include <deque>
#include <functional>
#include <vector>

class QTimer;

namespace Kx {
class CTreeWidget;
}

namespace Ocv {

// Adds nodes to a tree a batch at a time, one batch per turn of the GUI thread's event loop, so
// that a load of a hundred thousand nodes never holds the GUI thread for long. Each list of texts
// is queued with the records its nodes show and a tag (the caller's: an account type, a load);
// after every batch the caller learns the new node ids with their records, to map one to the
// other. GUI thread only.
class CTreeNodeBatches : public QObject
{
    Q_OBJECT
public:
    static constexpr int kBatchSize = 2000;

    // tag, the ids of the nodes just added, and the records they show (same order and size).
    using Added = std::function<void(int tag, const QVector<int>& ids,
                                     const std::vector<ttservice::IDataPtr>& records)>;

    CTreeNodeBatches(Kx::CTreeWidget* tree, Added added, QObject* parent);
    ~CTreeNodeBatches() override;

    // Queues texts as children of parentId; records[i] is what texts[i] shows.
    void append(int tag, int parentId, const QStringList& texts,
                const std::vector<ttservice::IDataPtr>& records);
    // Forgets what is still queued under tag, or everything.
    void drop(int tag);
    void clear();
    bool isIdle() const { return m_pending.empty(); }

signals:
    // Everything queued has been added.
    void sigIdle();

private:
    struct Pending
    {
        int tag;
        int parentId;
        QStringList texts;
        std::vector<ttservice::IDataPtr> records;
        int done;
    };

    void runBatch();

    Kx::CTreeWidget* m_tree;
    Added m_added;
    std::deque<Pending> m_pending;
    QTimer* m_timer;
};

} // namespace Ocv
