#pragma once

#include "OperationRound.h"

#include "data/IData.h"
#include "kx/CBaseWidget.h"

#include <QString>

#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListView;

namespace Kx {
class CPushButton;
class CSimpleTextWidget;
} // namespace Kx

namespace Ocv {

class RcTargetListModel;
struct RcTarget;

// What the template and group relation widgets share: for one owner (a template or a group) the
// targets it is applied to ("<name>_applied", read from 23454 / 23455 with the owner's id) and
// those it can still be applied to ("<name>_available": the server's accounts from 12203 or
// products from 12224, param "all", less the applied ones), each behind a filter field
// ("<name>_applied_filter", "<name>_available_filter"). With changes allowed, "应用" ("<name>_apply")
// adds a relation for each chosen available target and "移除" ("<name>_remove") deletes each
// chosen applied one; once every answer is in the relations are read again. Requests go to the
// owner's server through the data manager with the panel as parent; the targets are read again
// only when the owner's server or kind of target changes.
class CRcRelatePanel : public Kx::CBaseWidget
{
    Q_OBJECT
public:
    struct Owner
    {
        int id = 0; // 0: no owner
        QString name;
        int targetKind = 0;
        int systemTag = 0;
    };

    CRcRelatePanel(const QString& name, int ownerKind, bool canChange, QWidget* parent);
    ~CRcRelatePanel() override;

    // Shows that owner's relations and reads them; an owner with id 0 empties the panel.
    void setOwner(const Owner& owner);

    int appliedCount() const;
    int availableCount() const;
    QString message() const;

    bool handleEvent(int eventId, int a, int b, const QString& text, void* data) override;

private:
    void readRelations();
    void readTargets();
    void onRelations(quint64 number, bool ok, const QString& text, const std::vector<ttservice::IDataPtr>& records);
    void onTargets(quint64 number, bool ok, const QString& text, const std::vector<ttservice::IDataPtr>& records);
    void rebuild();
    void change(bool apply);
    void onChanged(quint64 round, bool ok, const QString& text);
    std::vector<RcTarget> chosen(QListView* view, const RcTargetListModel* model) const;
    void setMessage(const QString& text);
    void updateEnabled();

    QString m_name;
    int m_ownerKind;
    bool m_canChange;
    Owner m_owner;
    QLabel* m_title = nullptr;
    QLineEdit* m_appliedFilter = nullptr;
    QLineEdit* m_availableFilter = nullptr;
    QListView* m_appliedView = nullptr;
    QListView* m_availableView = nullptr;
    RcTargetListModel* m_applied = nullptr;
    RcTargetListModel* m_available = nullptr;
    Kx::CPushButton* m_apply = nullptr;
    Kx::CPushButton* m_remove = nullptr;
    Kx::CSimpleTextWidget* m_message = nullptr;

    // The owner's relations (target keys) and the server's targets, once read.
    std::vector<std::string> m_relationKeys;
    bool m_relationsIn = false;
    std::vector<RcTarget> m_targets;
    bool m_targetsIn = false;
    int m_targetsTag = -1;
    int m_targetsKind = 0;
    // Numbers the reads and the rounds of changes; the answer of an older one is dropped.
    quint64 m_relationRead = 0;
    quint64 m_targetRead = 0;
    COperationRound m_changes;
};

} // namespace Ocv
