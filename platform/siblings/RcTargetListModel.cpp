#include "RcTargetListModel.h"

namespace Ocv {

RcTargetListModel::RcTargetListModel(QObject* parent) : QAbstractListModel(parent) {}

void RcTargetListModel::setTargets(std::vector<RcTarget> targets)
{
    beginResetModel();
    m_targets = std::move(targets);
    applyFilter();
    endResetModel();
}

void RcTargetListModel::setFilter(const QString& filter)
{
    const QString folded = filter.trimmed().toCaseFolded();
    if (folded == m_filter)
        return;
    beginResetModel();
    m_filter = folded;
    applyFilter();
    endResetModel();
}

void RcTargetListModel::applyFilter()
{
    m_visible.clear();
    m_visible.reserve(m_targets.size());
    for (std::size_t i = 0; i < m_targets.size(); ++i) {
        if (m_filter.isEmpty() || m_targets[i].folded.contains(m_filter))
            m_visible.push_back(static_cast<int>(i));
    }
}

const RcTarget& RcTargetListModel::targetAt(int row) const
{
    return m_targets[static_cast<std::size_t>(m_visible[static_cast<std::size_t>(row)])];
}

int RcTargetListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_visible.size());
}

QVariant RcTargetListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return QVariant();
    return targetAt(index.row()).text;
}

} // namespace Ocv
