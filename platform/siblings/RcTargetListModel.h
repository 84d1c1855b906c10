#pragma once

#include <QAbstractListModel>
#include <QString>

#include <string>
#include <vector>

namespace Ocv {

// An account or a product a template can be applied to.
struct RcTarget
{
    std::string key;       // as CVornRcRelation::targetKey(): "A|<id>" or "P|<system tag>:<id>"
    std::string accountId; // accounts
    int productId = 0;     // products
    int productSystemTag = 0;
    QString text;   // what the list shows
    QString folded; // text case-folded, for the filter
};

// A long list of targets behind a filter, for a QListView with uniform item sizes: no object per
// row, the filter one pass over the folded texts. Rows are the targets that pass, in list order.
class RcTargetListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit RcTargetListModel(QObject* parent);

    void setTargets(std::vector<RcTarget> targets);
    // Keeps the targets whose text contains the filter, case ignored; empty keeps all.
    void setFilter(const QString& filter);
    const RcTarget& targetAt(int row) const;
    int targetCount() const { return static_cast<int>(m_targets.size()); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    void applyFilter();

    std::vector<RcTarget> m_targets;
    std::vector<int> m_visible;
    QString m_filter;
};

} // namespace Ocv
