#include "data/IServerBackend.h"

namespace Ocv {

IServerBackend::~IServerBackend() = default;

} // namespace Ocv
