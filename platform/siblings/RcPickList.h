#pragma once

#include "data/IData.h"
#include "kx/CBaseWidget.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

class QTableWidget;

namespace Kx {
class CSimpleTextWidget;
}

namespace Ocv {

// The list the template and group widgets share: the records of one data code and param on one
// system, one row each, in a table ("<name>_table") with a message line ("<name>_error"). Choosing
// a row (or losing the choice, e.g. when the list is read again) calls onPicked with the row's
// record (null when none). Requests go through the data manager with the list as parent.
class CRcPickList : public Kx::CBaseWidget
{
    Q_OBJECT
public:
    struct Setup
    {
        QString name;
        int dataType = 0;
        std::string className; // records of other classes are left out
        QStringList headers;
        std::function<QStringList(const ttservice::IData&)> rowTexts;
    };

    CRcPickList(Setup setup, QWidget* parent);
    ~CRcPickList() override;

    // Reads the param's records of that system (by name; empty for the client centre's selection).
    void read(const QString& systemName, const std::string& param);
    int rowCount() const { return static_cast<int>(m_records.size()); }

    std::function<void(const ttservice::IDataPtr&)> onPicked;

private:
    void onRead(quint64 number, bool ok, const QString& text, const std::vector<ttservice::IDataPtr>& records);
    void fill();
    void setMessage(const QString& text);

    Setup m_setup;
    QTableWidget* m_table = nullptr;
    Kx::CSimpleTextWidget* m_message = nullptr;
    std::vector<ttservice::IDataPtr> m_records;
    quint64 m_readNumber = 0;
};

} // namespace Ocv
