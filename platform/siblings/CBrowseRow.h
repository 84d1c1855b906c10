#pragma once

#include "kx/IBaseHpfTableData.h"

#include <QString>
#include <QStringList>

#include <string>

namespace Ocv {

// One row of a list dialog: a text per column, keyed by the first. The first column's filter text
// is the search text, which holds the texts of every search column, so that the search field,
// filtering that column, finds a row by any of them.
class CBrowseRow : public Kx::IBaseHpfTableData
{
public:
    CBrowseRow(const QStringList& texts, const QString& searchText, int alertColumn);
    ~CBrowseRow() override;

    QString getColumnText(int column) const override;
    QString getColumnText(int column, int purpose) const override;
    int getColumnInt(int column) const override;
    double getColumnDouble(int column) const override;
    qint64 getColumnInt64(int column) const override;
    QColor getTextColor(int column) const override;
    std::string getKey() const override;
    QString qsKey() const override;
    QString getFilterQString(int column) const override;

private:
    QStringList m_texts;
    QString m_searchText;
    int m_alertColumn;
};

} // namespace Ocv
