#pragma once

#include "kx/KxGlobal.h"

#include <QColor>
#include <QString>

#include <memory>
#include <string>

namespace Kx {

// One row of a CStandardHpfTable.
//
// A row is immutable once it is in a model: to change it, add a new row with the same key (the
// model replaces the old one). Sorting and filtering of large tables read rows on a worker
// thread while the GUI thread reads them too, so every getter must be safe to call from any
// thread (plain reads of members are), and a row may be destroyed on a worker thread.
//
// The numeric getters answer "no value" with the type's maximum (INT_MAX, DBL_MAX, LLONG_MAX);
// such rows sort as the largest value. Which getter the model sorts a column by follows the
// model's columnValueType.
class KX_EXPORT IBaseHpfTableData
{
public:
    // The purpose of a text, for the long form of getColumnText.
    enum TextPurpose
    {
        TextShown = 0,  // painted in the cell
        TextCopied = 1, // copied to the clipboard (Ctrl+C): full precision, nothing shortened
    };

    virtual ~IBaseHpfTableData();

    virtual QString getColumnText(int column) const = 0;
    virtual QString getColumnText(int column, int purpose) const = 0;
    virtual int getColumnInt(int column) const = 0;
    virtual double getColumnDouble(int column) const = 0;
    virtual qint64 getColumnInt64(int column) const = 0;
    virtual QColor getTextColor(int column) const = 0;
    // Unique within a model.
    virtual std::string getKey() const = 0;

    // The key as the table's selection and delegates use it. Default: getKey() read as UTF-8.
    virtual QString qsKey() const;
    // What a column filter searches. Default: getColumnText(column).
    virtual QString getFilterQString(int column) const;
};

typedef std::shared_ptr<IBaseHpfTableData> IBaseHpfTableDataPtr;

} // namespace Kx
