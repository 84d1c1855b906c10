#include "data/CVornDataManager.h"

#include "data/COperateReq.h"
#include "data/CQueryReq.h"
#include "data/CVornClientCenter.h"
#include "data/MetaTypes.h"
#include "data/ttservice/CVornQueryDataReq.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <boost/make_shared.hpp>

#include <functional>

UTILS_DEFINE_SINGLETON(DATA_EXPORT, Ocv::CVornDataManager)

namespace Ocv {

namespace {

// Runs the delivery on the GUI thread, unless the parent widget the request named is gone.
void deliverOnGui(bool hadParent, const QPointer<QWidget>& parent, std::function<void()> delivery)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return;
    QMetaObject::invokeMethod(
        app,
        [hadParent, parent, delivery] {
            if (hadParent && parent.isNull())
                return;
            delivery();
        },
        Qt::QueuedConnection);
}

} // namespace

CVornDataManager::CVornDataManager()
{
    registerDataMetaTypes();
}

CVornDataManager::~CVornDataManager() = default;

void CVornDataManager::queryData(const boost::shared_ptr<CQueryReq>& req, bool /*flag*/)
{
    if (!req)
        return;
    auto query = boost::make_shared<ttservice::CVornQueryDataReq>();
    query->dataType = req->dataType;
    query->param = req->param;
    query->systemTag = req->systemTag;
    const bool hadParent = !req->parent.isNull();
    const QPointer<QWidget> parent = req->parent;
    utils::CSingletonT<CVornClientCenter>::instance()->queryData_async(
        query,
        [req, hadParent, parent](const utils::TTError& error, const std::vector<ttservice::IDataPtr>& records,
                                 int tag, const bson::BSONObj&) {
            deliverOnGui(hadParent, parent, [req, error, records, tag] {
                if (req->callback)
                    req->callback(req, error.isSuccess(), QString::fromStdString(error.errorMsg()), records,
                                  tag);
            });
        },
        0);
}

void CVornDataManager::operateData(const boost::shared_ptr<COperateReq>& req)
{
    if (!req)
        return;
    auto operation = boost::make_shared<ttservice::COperateDataReq>();
    operation->dataType = req->dataType;
    operation->operation = req->operation;
    operation->data = req->data;
    operation->key = req->key;
    const bool hadParent = !req->parent.isNull();
    const QPointer<QWidget> parent = req->parent;
    utils::CSingletonT<CVornClientCenter>::instance()->operateData_async(
        operation,
        [req, hadParent, parent](const utils::TTError& error, const bson::BSONObj&) {
            deliverOnGui(hadParent, parent, [req, error] {
                if (req->callback)
                    req->callback(req, error.isSuccess(), QString::fromStdString(error.errorMsg()));
            });
        },
        0);
}

} // namespace Ocv
