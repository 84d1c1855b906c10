#pragma once

#include "data/IData.h"
#include "kx/CCommonDialog.h"
#include "kx/IBaseHpfTableData.h"
#include "siblings/SiblingsGlobal.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

class QHideEvent;
class QShowEvent;

namespace Kx {
class CLoadingMaskWidget;
class CSimpleTextWidget;
class CStandardHpfTable;
} // namespace Kx

namespace Ocv {

class CBrowseModel;
class CSafeLineEdit;

// Base of the list dialogs: a search field ("<dialog>_search"), a message line for a failed query
// ("<dialog>_error") and a sortable table of what one query returns, keyed by the first column.
//
// Showing the dialog queries; a newer query supersedes the answer of an older one. A failed query
// says why in the message line and leaves the table empty. Answers come through the data manager
// with the dialog as parent, so one that arrives after the dialog is gone reaches nobody. Hiding
// the dialog drops the answer still out unless setAnswersOutliveHiding(true).
//
// Enter in the search field keeps the rows whose search columns contain its text (any case);
// an empty text shows every row again. The search stays across reloads.
class SIBLINGS_EXPORT CBrowseDialog : public Kx::CCommonDialog
{
    Q_OBJECT
public:
    ~CBrowseDialog() override;

    bool handleEvent(int eventId, int a, int b, const QString& text, void* data) override;

protected:
    struct Layout
    {
        QString objectName;
        int tableId;
        QStringList headers;
        // The columns the search field looks in.
        QList<int> searchColumns;
        QString searchLabel;
        QString searchHint;
        // The titles of the whole list and of the narrowed one (setNarrowed).
        QString title;
        QString narrowedTitle;
    };

    CBrowseDialog(QWidget* parent, const Layout& layout, int dataType);

    // The list's narrower form (what the subclass leaves out of makeRows); requeries when shown.
    void setNarrowed(bool narrowed);
    bool isNarrowed() const;
    // The server that answers, by name; empty for the client centre's choice. Requeries when shown.
    void setSystemName(const QString& systemName);
    void setAnswersOutliveHiding(bool outlive);

    // Sends the query now, shown or not.
    void query();

    // The rows for an answer's records; records of another class are left out.
    virtual std::vector<Kx::IBaseHpfTableDataPtr>
    makeRows(const std::vector<ttservice::IDataPtr>& records) = 0;
    // The table holds an answer's rows, or was emptied because the query failed.
    virtual void loaded(bool ok);

    // A row of one text per column; alertColumn (if any) is painted in the warning colour.
    Kx::IBaseHpfTableDataPtr makeRow(const QStringList& texts, int alertColumn = -1) const;

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void refresh();
    void onAnswer(quint64 number, bool ok, const QString& text,
                  const std::vector<ttservice::IDataPtr>& records);
    void fail(const QString& text);
    void setWaiting(bool waiting);
    void setMessage(const QString& text);

    const Layout m_layout;
    const int m_dataType;
    CSafeLineEdit* m_search = nullptr;
    Kx::CSimpleTextWidget* m_message = nullptr;
    Kx::CStandardHpfTable* m_table = nullptr;
    CBrowseModel* m_model = nullptr;
    Kx::CLoadingMaskWidget* m_mask = nullptr;
    QString m_systemName;
    bool m_narrowed = false;
    bool m_outliveHiding = false;
    // Numbers the queries; an answer whose number is no longer current is dropped.
    quint64 m_query = 0;
    bool m_waiting = false;
};

} // namespace Ocv
