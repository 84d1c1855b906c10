#pragma once

#include "siblings/CBrowseDialog.h"
#include "siblings/SiblingsGlobal.h"

#include <QString>

namespace Ocv {

// The investment products of one system (query 12224), all or only those created today.
class SIBLINGS_EXPORT CShowProductDialog : public CBrowseDialog
{
    Q_OBJECT
public:
    explicit CShowProductDialog(QWidget* parent);
    ~CShowProductDialog() override;

    // true: only the products created on the platform's day.
    void setisQueryData(bool todayOnly);
    // The name finds the system (empty: the client centre's choice); the id adds nothing to it.
    void switchSystem(int systemId, const QString& systemName);

protected:
    std::vector<Kx::IBaseHpfTableDataPtr> makeRows(const std::vector<ttservice::IDataPtr>& records) override;
};

} // namespace Ocv
