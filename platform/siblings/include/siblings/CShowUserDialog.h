#pragma once

#include "siblings/CBrowseDialog.h"
#include "siblings/SiblingsGlobal.h"

#include <QString>

namespace Ocv {

// The platform users of one system (query 12209), all or only those created today.
class SIBLINGS_EXPORT CShowUserDialog : public CBrowseDialog
{
    Q_OBJECT
public:
    explicit CShowUserDialog(QWidget* parent);
    ~CShowUserDialog() override;

    // true: only the users created on the platform's day.
    void setisQueryData(bool todayOnly);
    // Empty for the system the client centre has selected.
    void switchSystem(const QString& systemName);

protected:
    std::vector<Kx::IBaseHpfTableDataPtr> makeRows(const std::vector<ttservice::IDataPtr>& records) override;
};

} // namespace Ocv
