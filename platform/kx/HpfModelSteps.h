#pragma once

#include "kx/IBaseHpfTableModel.h"

namespace Kx {

// The model's steps as the table runs them off the GUI thread; private to the framework (the
// table, and the tests and benchmarks of the framework).
class HpfModelSteps
{
public:
    using Task = IBaseHpfTableModel::Task;
    using TaskPtr = IBaseHpfTableModel::TaskPtr;

    static TaskPtr prepareSort(const IBaseHpfTableModel& model, int column, Qt::SortOrder order)
    {
        return model.prepareSort(column, order);
    }
    static TaskPtr prepareFilter(const IBaseHpfTableModel& model, int column,
                                 const IBaseHpfTableModel::Filter& filter)
    {
        return model.prepareFilter(column, filter);
    }
    static TaskPtr prepareLoad(IBaseHpfTableModel& model, std::vector<IBaseHpfTableDataPtr> rows)
    {
        return model.prepareLoad(std::move(rows));
    }
    static bool apply(IBaseHpfTableModel& model, Task& task) { return model.applyTask(task); }
};

} // namespace Kx
