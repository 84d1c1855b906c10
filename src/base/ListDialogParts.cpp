#include "base/ListDialogParts.h"

#include "common/CSafeLineEdit.h"
#include "data/CVornClient.h"
#include "data/CVornClientCenter.h"
#include "kx/CSimpleTextWidget.h"
#include "kx/CStandardHpfTable.h"
#include "kx/CWidgetList.h"
#include "kx/IBaseHpfTableModel.h"
#include "utils/CSingletonT.h"

namespace Ocv {
namespace ListDialogParts {

namespace {
constexpr int kRowHeight = 30;
constexpr int kRowIndent = 6;
constexpr int kEditWidth = 190;
constexpr int kEditHeight = 26;
constexpr int kLabelPadding = 4;
constexpr int kAnchorCentre = 1;
constexpr int kAnchorFill = 3;
constexpr int kMenuFlags = 255;
constexpr int kClearedTableFlag = 8;
// Lists of tens of thousands already take longer than a frame to sort or load in place.
constexpr int kBackgroundRows = 10000;
} // namespace

Kx::CWidgetList* addSearchRow(Kx::CWidgetList* list, const QString& label, const QString& hint,
                              const QString& editName, CSafeLineEdit** edit)
{
    auto* row = new Kx::CWidgetList(Qt::Horizontal, list);
    row->setFixedHeight(kRowHeight);
    row->setSpacing(0);
    row->setMargin(kRowIndent, 0, 0, 0);
    auto* text = new Kx::CSimpleTextWidget(0, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, row);
    text->setText(label, 100000);
    text->setFixedWidth(text->fontMetrics().horizontalAdvance(label) + kLabelPadding);
    row->addFixedWidget(text, kAnchorCentre);
    *edit = new CSafeLineEdit(0, row);
    (*edit)->setObjectName(editName);
    (*edit)->setFixedSize(kEditWidth, kEditHeight);
    (*edit)->setEmptyHint(hint, QStringLiteral("clr_lineedit_empty_hint"));
    row->addFixedWidget(*edit, kAnchorCentre);
    list->addFixedWidget(row, kAnchorFill);
    return row;
}

Kx::CStandardHpfTable* addTable(Kx::CWidgetList* list, int tableId, Kx::IBaseHpfTableModel* model,
                                int searchColumn)
{
    auto* table = new Kx::CStandardHpfTable(tableId, list, kMenuFlags);
    table->setTableFlags(table->tableFlags() & ~kClearedTableFlag);
    table->setBackgroundThreshold(kBackgroundRows);
    table->setDataModel(model);
    QList<int> filterable;
    for (int column = 0; column < model->columnCount(); ++column)
        filterable << column;
    table->setFilterableColumns(filterable);
    // An index per column would double a million-row list's load time and memory.
    model->setIndexedColumns({searchColumn});
    list->addStretchWidget(table, 1, kAnchorFill);
    return table;
}

bool sendQuery(const QString& systemName, const boost::shared_ptr<ttservice::CVornQueryDataReq>& request,
               const QueryCallback& callback)
{
    CVornClientCenter* center = utils::CSingletonT<CVornClientCenter>::instance();
    if (systemName.isEmpty()) {
        center->queryData_async(request, callback, 0);
        return true;
    }
    const auto client = center->getClientByName(systemName.toStdString());
    if (!client)
        return false;
    client->queryData_async(request, callback, 0);
    return true;
}

} // namespace ListDialogParts
} // namespace Ocv
