#include "CBrowseRow.h"

#include "kx/CUiResource.h"
#include "utils/CSingletonT.h"

#include <cfloat>
#include <climits>

namespace Ocv {

CBrowseRow::CBrowseRow(const QStringList& texts, const QString& searchText, int alertColumn)
    : m_texts(texts), m_searchText(searchText), m_alertColumn(alertColumn)
{
}

CBrowseRow::~CBrowseRow() = default;

QString CBrowseRow::getColumnText(int column) const
{
    return m_texts.value(column);
}

QString CBrowseRow::getColumnText(int column, int) const
{
    return m_texts.value(column);
}

int CBrowseRow::getColumnInt(int) const
{
    return INT_MAX;
}

double CBrowseRow::getColumnDouble(int) const
{
    return DBL_MAX;
}

qint64 CBrowseRow::getColumnInt64(int) const
{
    return LLONG_MAX;
}

QColor CBrowseRow::getTextColor(int column) const
{
    return *utils::CSingletonT<Kx::CUiResource>::instance()->getColor(
        column == m_alertColumn ? QStringLiteral("clr_message_box_warning") : QStringLiteral("clr_default"));
}

std::string CBrowseRow::getKey() const
{
    return m_texts.value(0).toStdString();
}

QString CBrowseRow::qsKey() const
{
    return m_texts.value(0);
}

QString CBrowseRow::getFilterQString(int column) const
{
    return column == 0 ? m_searchText : m_texts.value(column);
}

} // namespace Ocv
