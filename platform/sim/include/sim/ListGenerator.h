#pragma once

#include "sim/Scenario.h"
#include "sim/SimGlobal.h"

#include <QDateTime>

namespace sim {

// Appends made-up logins and algorithm ranges to the server's lists, the same ones for the same
// options and now. Logins spread over the five kinds, with administrators among the traders,
// users of no organisation (-1, 2147483647), empty MACs, unknown terminals and user types now and
// then; the latest login is at most now. Ranges take the accounts of the population given before
// that have algorithm permission first, then made-up ones; a few have no settings, codes outside
// the client's list or empty sets.
SIM_EXPORT void addGeneratedLists(ServerSetup& server, const GenerateOptions& options, const QDateTime& now);

// Puts the logged-in user's own desktop login (first of its MACs, 25 minutes before now) first
// among the server's kind-1 logins, unless a login of that name from one of its MACs (from an
// empty MAC when it has none) is listed there already.
SIM_EXPORT void addUserLogin(ServerSetup& server, const UserSetup& user, const QDateTime& now);

} // namespace sim
