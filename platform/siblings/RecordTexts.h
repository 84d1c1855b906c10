#pragma once

#include <QString>

#include <string>
#include <utility>
#include <vector>

namespace Ocv {

// What the sibling dialogs call the codes of the records they create and list, so that a creation
// dialog offers a type under the same name a list shows it by.
namespace RecordTexts {

// The code sent and the text shown.
using Items = std::vector<std::pair<int, QString>>;

Items accountTypes();
Items userTypes();
Items clientKinds();
// The text of the code, "未知(n)" for one not among the items.
QString textOf(const Items& items, int code);

// A record's "yyyyMMdd" day as "yyyy-MM-dd"; other texts as they are.
QString dayText(const std::string& day);
// The platform's day in the records' form, by the client's clock.
std::string today();

} // namespace RecordTexts
} // namespace Ocv
