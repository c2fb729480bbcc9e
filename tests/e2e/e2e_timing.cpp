#include "e2e_timing.h"

#include <QtGlobal>

namespace e2e {

std::chrono::milliseconds personPace()
{
    bool ok = false;
    const int fromBuild = qEnvironmentVariableIntValue("DMS2DD_E2E_PACE_MS", &ok);
    return ok && fromBuild >= 0 ? std::chrono::milliseconds(fromBuild) : 100ms;
}

} // namespace e2e
