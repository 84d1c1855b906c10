#pragma once

#include "siblings/CBrowseDialog.h"
#include "siblings/SiblingsGlobal.h"

#include <QString>

namespace Ocv {

// The trading accounts of one system (query 12203), all or only those created today.
class SIBLINGS_EXPORT CShowAccountDialog : public CBrowseDialog
{
    Q_OBJECT
public:
    explicit CShowAccountDialog(QWidget* parent);
    ~CShowAccountDialog() override;

    // true: only the accounts created on the platform's day.
    void setisQueryData(bool todayOnly);
    // Empty for the system the client centre has selected.
    void switchSystem(const QString& systemName);

protected:
    std::vector<Kx::IBaseHpfTableDataPtr> makeRows(const std::vector<ttservice::IDataPtr>& records) override;
};

} // namespace Ocv
