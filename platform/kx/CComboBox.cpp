#include "kx/CComboBox.h"

#include <QAbstractItemModel>

namespace Kx {

CComboBox::CComboBox(int id, QWidget* parent) : CEventWidgetT<QComboBox>(parent), m_id(id)
{
    // QComboBox reacts to the model's "done" signals through connections made in its own
    // constructor, so ours run after it has emitted any index change caused by the model.
    QAbstractItemModel* m = model();
    auto begin = [this]() { ++m_modelChanges; };
    auto end = [this]() {
        if (m_modelChanges > 0)
            --m_modelChanges;
    };
    connect(m, &QAbstractItemModel::rowsAboutToBeInserted, this, begin);
    connect(m, &QAbstractItemModel::rowsInserted, this, end);
    connect(m, &QAbstractItemModel::rowsAboutToBeRemoved, this, begin);
    connect(m, &QAbstractItemModel::rowsRemoved, this, end);
    connect(m, &QAbstractItemModel::modelAboutToBeReset, this, begin);
    connect(m, &QAbstractItemModel::modelReset, this, end);
    connect(this, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &CComboBox::onIndexChanged);
}

CComboBox::~CComboBox() = default;

int CComboBox::id() const
{
    return m_id;
}

void CComboBox::onIndexChanged(int index)
{
    if (m_modelChanges > 0)
        return;
    deliverEvent(EventIndexChanged, m_id, index, currentText(), this);
}

} // namespace Kx
