#include "data/MetaTypes.h"

#include <mutex>

namespace Ocv {

void registerDataMetaTypes()
{
    static std::once_flag once;
    std::call_once(once, [] {
        qRegisterMetaType<utils::TTError>("utils::TTError");
        qRegisterMetaType<std::vector<ttservice::IDataPtr>>("std::vector<ttservice::IDataPtr>");
        qRegisterMetaType<std::vector<ttservice::IDataPtr>>(
            "std::vector<boost::shared_ptr<ttservice::IData>>");
    });
}

} // namespace Ocv
