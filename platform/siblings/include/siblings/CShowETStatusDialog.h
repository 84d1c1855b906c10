#pragma once

#include "siblings/CBrowseDialog.h"
#include "siblings/SiblingsGlobal.h"

namespace Ocv {

// The exchange channels the platform monitors (query 12296, on the client centre's selected
// system) and which of them are abnormal. Once asked, it asks again when the selection changes.
//
// requset() may be called while the dialog is hidden, to learn the counts: every query, failed or
// not, ends in sigUpdateTableFinish once the table holds its answer (a failure leaves both counts
// 0). Hiding the dialog does not drop the answer still out; destroying it does.
class SIBLINGS_EXPORT CShowETStatusDialog : public CBrowseDialog
{
    Q_OBJECT
public:
    explicit CShowETStatusDialog(QWidget* parent);
    ~CShowETStatusDialog() override;

    void requset();
    // The channels of the last answer, and how many of them are abnormal; the table's narrowing
    // changes neither.
    int getDataCount() const;
    int getStatusCount() const;
    // true: the table shows only the abnormal channels.
    void setisQueryData(bool abnormalOnly);

signals:
    void sigUpdateTableFinish();

protected:
    std::vector<Kx::IBaseHpfTableDataPtr> makeRows(const std::vector<ttservice::IDataPtr>& records) override;
    void loaded(bool ok) override;

private:
    int m_dataCount = 0;
    int m_statusCount = 0;
    bool m_asked = false; // requset() called or shown: follow the selected system
    int m_systemListener = 0;
};

} // namespace Ocv
