#pragma once

#include "data/IData.h"
#include "kx/CBaseWidget.h"
#include "siblings/SiblingsGlobal.h"

#include <QString>

#include <memory>
#include <vector>

class QTableWidget;

namespace Kx {
class CPushButton;
class CSimpleTextWidget;
} // namespace Kx

namespace Ocv {

class COperationRound;

// The investment products of one trading system (query 12224) with their risk-control switch, in
// a table ("product_manage_table"); "全部启用" / "全部禁用" ("product_manage_enable_all",
// "product_manage_disable_all") switch every product's risk control on or off. The panel reads
// its products when made and on switchSystem. Requests go through the data manager with the panel
// as parent, so answers that arrive after it is gone reach nobody. A failed read or a refused
// change shows in "product_manage_panel_error".
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
    // 1 switches every product's risk control on, 0 off: reads the products afresh, sends one
    // modify of 12224 for each product whose switch differs, and reads again once every answer
    // is in (also when some were refused).
    void EnableAllRiskControl(int enable);

    // The products loaded by the last successful read.
    int productCount() const { return static_cast<int>(m_products.size()); }

    bool handleEvent(int eventId, int a, int b, const QString& text, void* data) override;

signals:
    // A read finished (ok or not); isAllRiskControlEnable tells the new state.
    void sigProductsLoaded(bool ok);
    // A round of EnableAllRiskControl finished: how many changes the platform refused, or -1 when
    // the products could not be read.
    void sigEnableFinished(int failed);

private:
    void query();
    void onQueried(quint64 number, int systemTag, bool ok, const QString& text,
                   const std::vector<ttservice::IDataPtr>& records);
    void sendChanges(int enable);
    void onChanged(quint64 round, bool ok, const QString& text);
    void fillTable();
    void setMessage(const QString& text);
    void setButtonsEnabled(bool enabled);

    QString m_systemName;
    QTableWidget* m_table = nullptr;
    Kx::CPushButton* m_enableAll = nullptr;
    Kx::CPushButton* m_disableAll = nullptr;
    Kx::CSimpleTextWidget* m_message = nullptr;
    std::vector<ttservice::IDataPtr> m_products;
    int m_loadedTag = 0;
    // The switch EnableAllRiskControl asked for, applied when the fresh read is in; -1: none.
    int m_pendingEnable = -1;
    // Numbers the reads and the rounds of changes; the answer of an older one is dropped.
    quint64 m_query = 0;
    // The modifies of the last enable-all; held by pointer to keep the helper out of this header.
    std::unique_ptr<COperationRound> m_changes;
};

} // namespace Ocv
