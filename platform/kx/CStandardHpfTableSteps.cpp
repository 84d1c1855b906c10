#include "kx/CStandardHpfTable.h"
#include "CStandardHpfTablePrivate.h"
#include "HpfDisposal.h"
#include "kx/CLoadingMaskWidget.h"

#include <QApplication>
#include <QClipboard>
#include <QMutexLocker>
#include <QThreadPool>

#include <algorithm>

// The step queue: every sort, filter and load of the model, in the order asked for, each done
// at once or (large models) on a worker behind the mask; and copying the selection.

namespace Kx {

namespace {

// Reads nothing but the rows, so it can run on a worker.
QString copyText(const std::vector<IBaseHpfTableDataPtr>& rows, const std::vector<int>& columns)
{
    QString text;
    for (size_t r = 0; r < rows.size(); ++r) {
        if (r > 0)
            text += QLatin1Char('\n');
        for (size_t i = 0; i < columns.size(); ++i) {
            if (i > 0)
                text += QLatin1Char('\t');
            text += rows[r]->getColumnText(columns[i], IBaseHpfTableData::TextCopied);
        }
    }
    return text;
}

} // namespace

void CStandardHpfTable::sortByColumn(int column, Qt::SortOrder order)
{
    queueStep([this, column, order]() -> IBaseHpfTableModel::TaskPtr {
        if (m_model->totalCount() >= m_threshold)
            return m_model->prepareSort(column, order);
        m_model->sortByColumnID(column, order);
        return nullptr;
    });
}

void CStandardHpfTable::filterColumn(int column, const IBaseHpfTableModel::Filter& filter)
{
    queueStep([this, column, filter]() -> IBaseHpfTableModel::TaskPtr {
        if (m_model->totalCount() >= m_threshold)
            return m_model->prepareFilter(column, filter);
        m_model->filterColumn(column, filter);
        return nullptr;
    });
}

// Copying the order into the visible rows takes a few milliseconds at a million rows.
void CStandardHpfTable::clearFilter()
{
    queueStep([this]() -> IBaseHpfTableModel::TaskPtr {
        m_model->clearFilter();
        return nullptr;
    });
}

void CStandardHpfTable::setAllData(std::vector<IBaseHpfTableDataPtr> rows)
{
    auto shared = std::make_shared<std::vector<IBaseHpfTableDataPtr>>(std::move(rows));
    queueStep([this, shared]() -> IBaseHpfTableModel::TaskPtr {
        if (std::max(int(shared->size()), m_model->totalCount()) >= m_threshold)
            return m_model->prepareLoad(std::move(*shared));
        m_model->setAllData(std::move(*shared));
        return nullptr;
    });
}

void CStandardHpfTable::setBackgroundThreshold(int rows)
{
    m_threshold = rows;
}

int CStandardHpfTable::backgroundThreshold() const
{
    return m_threshold;
}

bool CStandardHpfTable::isBusy() const
{
    return m_busy;
}

void CStandardHpfTable::queueStep(Step step)
{
    if (!m_model)
        return;
    m_steps.push_back(std::move(step));
    runSteps();
}

void CStandardHpfTable::runSteps()
{
    if (m_busy)
        return;
    bool changed = false;
    while (!m_steps.empty() && m_model) {
        const Step step = std::move(m_steps.front());
        m_steps.pop_front();
        IBaseHpfTableModel::TaskPtr task = step();
        if (!task) {
            changed = true;
            continue;
        }
        m_busy = true;
        m_mask->show();
        m_mask->raise();
        std::shared_ptr<Guard> guard = m_guard;
        CStandardHpfTable* self = this;
        QThreadPool::globalInstance()->start([task, guard, self]() {
            task->run();
            QMutexLocker lock(&guard->mutex);
            if (guard->open) {
                QMetaObject::invokeMethod(
                    self, [self, task]() mutable { self->finishStep(std::move(task)); }, Qt::QueuedConnection);
            }
        });
        if (changed)
            refresh();
        return;
    }
    m_steps.clear();
    m_mask->hide();
    if (m_adjustWhenDone) {
        m_adjustWhenDone = false;
        adjustColumnWidthNow();
    } else if (changed) {
        refresh();
    }
}

void CStandardHpfTable::finishStep(IBaseHpfTableModel::TaskPtr task)
{
    m_busy = false;
    if (m_model)
        m_model->applyTask(*task);
    // After a load the task holds the rows it replaced: free them away from the GUI thread.
    disposeAway(std::move(task), kDisposeAwayFrom);
    refresh();
    runSteps();
}

std::vector<IBaseHpfTableDataPtr> CStandardHpfTable::selectedRows() const
{
    std::vector<IBaseHpfTableDataPtr> rows;
    if (!m_model || m_selectedCount == 0)
        return rows;
    rows.reserve(size_t(m_selectedCount));
    const int count = m_model->rowCount();
    for (int row = 0; row < count; ++row) {
        if (isSelectedId(m_model->rowIdAt(row)))
            rows.push_back(m_model->dataAt(row));
    }
    return rows;
}

QString CStandardHpfTable::selectionText() const
{
    return copyText(selectedRows(), m_display);
}

void CStandardHpfTable::copySelection()
{
    auto rows = std::make_shared<std::vector<IBaseHpfTableDataPtr>>(selectedRows());
    if (rows->empty())
        return;
    const quint64 number = ++m_copyNumber;
    if (int(rows->size()) < kCopyAwayFrom) {
        QApplication::clipboard()->setText(copyText(*rows, m_display));
        return;
    }
    std::shared_ptr<Guard> guard = m_guard;
    CStandardHpfTable* self = this;
    const std::vector<int> columns = m_display;
    QThreadPool::globalInstance()->start([rows, columns, guard, self, number]() {
        const QString text = copyText(*rows, columns);
        QMutexLocker lock(&guard->mutex);
        if (guard->open) {
            QMetaObject::invokeMethod(
                self,
                [self, number, text]() {
                    if (number == self->m_copyNumber)
                        QApplication::clipboard()->setText(text);
                },
                Qt::QueuedConnection);
        }
    });
}

} // namespace Kx
