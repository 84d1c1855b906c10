#pragma once

namespace Ocv {

// Ids of the framework events the module sends or handles (deliverEvent / handleEvent).
namespace EventId {
constexpr int Button = 5;             // a push button was clicked; a = button id
constexpr int TextClicked = 9;        // a clickable text was clicked; a = text id
constexpr int TemplateChosen = 45;       // a risk template (group) was chosen; data = its shared pointer
constexpr int ComboChanged = 70;      // a combo box's selection changed
constexpr int ImageClicked = 82;      // a clickable image was clicked; a = image id
constexpr int LineEditReturn = 101;   // Enter in a line edit
constexpr int LineEditReturn2 = 102;  // Enter in a line edit (second kind)
constexpr int TreeNodeClicked = 175;  // a tree node was clicked; a = tree id, b = node id
constexpr int TableRowButton = 228;   // a row button of a table; text = row key, b = button id
constexpr int OpenView = 3000;        // ask the host for another view; a = -1, b = the view
constexpr int OpenUserList = 3063;    // open the user-list dialog; b = list kind 1..5
constexpr int OpenSmartAlgo = 3064;   // open the smart-algorithm dialog; b = kind 6
constexpr int GlobalRiskSaved = 3121; // a global risk setting was saved; a = trade type
constexpr int DataChanged = 3122;     // data below the receiver changed; refresh
} // namespace EventId

// Views the host opens on EventId::OpenView.
namespace ViewId {
constexpr int Product = 204;
constexpr int Risk = 502;
constexpr int SystemStatus = 901;
constexpr int UserLog = 909;
} // namespace ViewId

} // namespace Ocv
