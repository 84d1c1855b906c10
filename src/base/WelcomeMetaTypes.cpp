#include "base/WelcomeMetaTypes.h"

#include "data/MetaTypes.h"
#include "data/ttservice/CVornBaseInfoStatistics.h"
#include "data/ttservice/CVornSubManagerInfo.h"

#include <mutex>

namespace Ocv {

void registerWelcomeMetaTypes()
{
    static std::once_flag once;
    std::call_once(once, [] {
        registerDataMetaTypes();
        qRegisterMetaType<SysStatusMap>("Ocv::SysStatusMap");
        qRegisterMetaType<boost::shared_ptr<ttservice::CVornSubManagerInfo>>(
            "boost::shared_ptr<ttservice::CVornSubManagerInfo>");
        qRegisterMetaType<ExchangeInfoList>("Ocv::ExchangeInfoList");
        qRegisterMetaType<boost::shared_ptr<ttservice::CVornBaseInfoStatistics>>(
            "boost::shared_ptr<ttservice::CVornBaseInfoStatistics>");
    });
}

} // namespace Ocv
