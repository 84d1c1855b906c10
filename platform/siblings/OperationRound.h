#pragma once

#include "data/IData.h"

#include <QString>
#include <QtGlobal>

#include <functional>

class QWidget;

namespace Ocv {

// A batch of operations sent together: counts the answers of the current batch, the refusals and
// the text of the first one. Answers of an earlier batch, or of one abandoned, are ignored.
class COperationRound
{
public:
    // A new batch of count operations; its number goes with each of them.
    quint64 start(int count);
    // The answers still out no longer count.
    void abandon();
    // One answer of batch `round`; true when it was the last one outstanding of the current batch.
    bool answer(quint64 round, bool ok, const QString& text);

    bool busy() const { return m_outstanding > 0; }
    int failed() const { return m_failed; }
    // The first refusal's text ("操作失败" when the platform gave none); empty without refusals.
    const QString& refusal() const { return m_refusal; }
    void clearRefusal() { m_refusal.clear(); }

private:
    quint64 m_round = 0;
    int m_outstanding = 0;
    int m_failed = 0;
    QString m_refusal;
};

// Sends one operation through the data manager with parent as its owner; done(ok, text) runs on
// the GUI thread, and not at all once parent is gone.
void sendOperation(QWidget* parent, const QString& moduleKey, int dataType, int operation,
                   const ttservice::IDataPtr& record, std::function<void(bool, const QString&)> done);

} // namespace Ocv
