#pragma once

#include "WelcomeGlobal.h"
#include "data/DataCallbacks.h"

#include <QString>

#include <boost/shared_ptr.hpp>

namespace Kx {
class CStandardHpfTable;
class CWidgetList;
class IBaseHpfTableModel;
} // namespace Kx
namespace ttservice {
class CVornQueryDataReq;
}

namespace Ocv {

class CSafeLineEdit;

// What the two list dialogs build and do alike.
namespace ListDialogParts {

// A 30-pixel row of a label and a 190 x 26 search field with its empty hint, added to list.
Kx::CWidgetList* addSearchRow(Kx::CWidgetList* list, const QString& label, const QString& hint,
                              const QString& editName, CSafeLineEdit** edit);

// The table of a list: the given id, every column filterable, loading, sorting and filtering off
// the GUI thread from tens of thousands of rows, stretched into list. Only the search field's
// column is indexed with every load; another column's index is built when it is first filtered.
WELCOME_EXPORT Kx::CStandardHpfTable* addTable(Kx::CWidgetList* list, int tableId,
                                               Kx::IBaseHpfTableModel* model, int searchColumn);

// Sends the query to the named server, or through the client centre without a name. False when a
// name is given and no server has it: nothing is sent then.
bool sendQuery(const QString& systemName, const boost::shared_ptr<ttservice::CVornQueryDataReq>& request,
               const QueryCallback& callback);

} // namespace ListDialogParts
} // namespace Ocv
