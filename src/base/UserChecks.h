#pragma once

#include "WelcomeGlobal.h"

#include <climits>

namespace Ocv {

// Lists of ints for isValueInList end with this value.
constexpr int kListEnd = INT_MAX;

// True when value equals one of the entries of list, which ends with kListEnd.
WELCOME_EXPORT bool isValueInList(int value, const int* list);

// The logged-in user may look at the system-status view: a user type outside the
// restricted ones and right 10081.
WELCOME_EXPORT bool isStatusViewAllowed();

// Role type of the logged-in user's own record; -1 without a record.
WELCOME_EXPORT int loggedInRoleType();

// Role type 4 has no exchange board, so the status strips take its width.
WELCOME_EXPORT bool isWideLayout();

} // namespace Ocv
