#pragma once

#include "data/IData.h"
#include "kx/CBaseWidget.h"
#include "siblings/SiblingsGlobal.h"

#include <QString>

#include <vector>

class QTableWidget;

namespace Kx {
class CPushButton;
class CSimpleTextWidget;
} // namespace Kx

namespace utils {
class TTError;
}

namespace Ocv {

// The investment products of one trading system (query 12224) with their risk-control switch, in
// a table; the two buttons switch every product's risk control on or off (one modify of 12224 per
// product that differs) and read the list again once every answer is in. Requests go through the
// data manager with the panel as parent, so answers that arrive after it is gone reach nobody.
// A failed read or refused change shows in "product_manage_panel_error".
class SIBLINGS_EXPORT CProductManagePanel : public Kx::CBaseWidget
{
    Q_OBJECT
public:
    explicit CProductManagePanel(QWidget* parent);
    ~CProductManagePanel() override;

    // Reads that system's products (by name; empty for the client centre's selection).
    void switchSystem(int systemId, const QString& systemName);
    // 1: every loaded product's risk control is on, 2: every one is off, 0: mixed or none loaded.
    int isAllRiskControlEnable() const;
    // 1 switches every product's risk control on, 0 off.
    void EnableAllRiskControl(int enable);

    // The products loaded by the last successful read.
    int productCount() const { return static_cast<int>(m_products.size()); }

signals:
    // A read finished (ok or not); the counts behind isAllRiskControlEnable are current.
    void sigProductsLoaded(bool ok);
    // A round of EnableAllRiskControl finished: how many changes the platform refused.
    void sigEnableFinished(int failed);

private:
    void query();
    void onQueried(quint64 number, const utils::TTError& error,
                   const std::vector<ttservice::IDataPtr>& records);
    void onChanged(quint64 round, const utils::TTError& error);
    void fillTable();
    void setMessage(const QString& text);

    QString m_systemName;
    QTableWidget* m_table = nullptr;
    Kx::CPushButton* m_enableAll = nullptr;
    Kx::CPushButton* m_disableAll = nullptr;
    Kx::CSimpleTextWidget* m_message = nullptr;
    std::vector<ttservice::IDataPtr> m_products;
    quint64 m_query = 0;
    quint64 m_round = 0;
    int m_outstanding = 0;
    int m_failed = 0;
    QString m_refusal;
};

} // namespace Ocv
