#include "OperationRound.h"

#include "data/COperateReq.h"
#include "data/CVornDataManager.h"
#include "utils/CSingletonT.h"

#include <boost/make_shared.hpp>

namespace Ocv {

quint64 COperationRound::start(int count)
{
    m_outstanding = count;
    m_failed = 0;
    m_refusal.clear();
    return ++m_round;
}

void COperationRound::abandon()
{
    ++m_round;
    m_outstanding = 0;
}

bool COperationRound::answer(quint64 round, bool ok, const QString& text)
{
    if (round != m_round || m_outstanding == 0)
        return false;
    if (!ok) {
        ++m_failed;
        if (m_refusal.isEmpty())
            m_refusal = text.isEmpty() ? QStringLiteral("操作失败") : text;
    }
    return --m_outstanding == 0;
}

void sendOperation(QWidget* parent, const QString& moduleKey, int dataType, int operation,
                   const ttservice::IDataPtr& record, std::function<void(bool, const QString&)> done)
{
    auto req = boost::make_shared<COperateReq>();
    req->moduleKey = moduleKey.toStdString();
    req->dataType = dataType;
    req->operation = operation;
    req->data = record;
    req->parent = parent;
    req->callback = [done = std::move(done)](const boost::shared_ptr<COperateReq>&, bool ok,
                                             const QString& text) { done(ok, text); };
    utils::CSingletonT<CVornDataManager>::instance()->operateData(req);
}

} // namespace Ocv
