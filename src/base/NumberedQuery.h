#pragma once

#include "WelcomeGlobal.h"
#include "data/IData.h"

#include <QtGlobal>

#include <functional>
#include <string>
#include <vector>

namespace utils {
class TTError;
}

namespace Ocv {

class CAnswerGuard;

// What a periodic widget hands its answers to: the number its request was sent under, the result
// and the records. It runs on a data-service thread, under the widget's answer guard.
using NumberedAnswer =
    std::function<void(quint64 number, const utils::TTError& error, const std::vector<ttservice::IDataPtr>&)>;

// Queries dataType on the server registered under serverName, the answer reaching onAnswer only
// while the guard is open. False when no server has that name: nothing is sent then.
WELCOME_EXPORT bool sendNumberedQuery(const std::string& serverName, int dataType, quint64 number,
                                      const CAnswerGuard& guard, NumberedAnswer onAnswer);

} // namespace Ocv
