#pragma once

#include "siblings/CAccountOpeningDialog.h"
#include "siblings/SiblingsGlobal.h"

#include <string>

namespace Ocv {

// Creates an account on one trading system; unlike opening one, the broker is optional.
class SIBLINGS_EXPORT CCreateAccountDialog : public CAccountOpeningDialog
{
    Q_OBJECT
public:
    explicit CCreateAccountDialog(QWidget* parent);
    ~CCreateAccountDialog() override;

    // The system the account goes to; empty for the one the client centre has selected.
    void switchSystem(const std::string& systemName);
};

} // namespace Ocv
