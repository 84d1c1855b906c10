#pragma once

#include "WelcomeGlobal.h"
#include "data/IData.h"
#include "kx/CCommonDialog.h"

#include <QString>
#include <QVector>

#include <vector>

namespace Kx {
class CLineEdit;
class CLoadingMaskWidget;
class CSmallNormalButton;
class CTreeWidget;
class CWidgetList;
} // namespace Kx

namespace Ocv {

class CTreeNodeBatches;

// What the account and the product setting dialogs share: the bar with "查询:", the search field
// (id 0, Enter delivers 102) and "刷新" (id 0) over a 300-pixel tree, the area right of the tree
// for the dialog's panels, the batched node creation behind a loading mask, and the events:
// Enter in the focused search field searches, a click on a node selects it, any button but the
// dialog's close button reloads.
class WELCOME_EXPORT CRiskTreeDialog : public Kx::CCommonDialog
{
    Q_OBJECT
public:
    // namePrefix names the parts for scripts: namePrefix + "_dialog", "_search", "_refresh", "_tree",
    // "_loading".
    CRiskTreeDialog(const QString& namePrefix, const QString& title, const QString& searchHint,
                    QWidget* parent);
    ~CRiskTreeDialog() override;

    bool handleEvent(int eventId, int a, int b, const QString& text, void* data) override;

    Kx::CTreeWidget* tree() const { return m_pTree; }
    Kx::CLineEdit* searchEdit() const { return m_pSearch; }
    // True while the current load still waits for answers or adds nodes.
    virtual bool isLoading() const = 0;

signals:
    void sigLoaded();

protected:
    virtual void reload() = 0;
    virtual void search(const QString& text) = 0;
    virtual void selectNode(int nodeId) = 0;
    // The nodes of one batch were added: ids[i] shows records[i].
    virtual void nodesAdded(int tag, const QVector<int>& ids,
                            const std::vector<ttservice::IDataPtr>& records) = 0;
    // Every queued batch has been added.
    virtual void batchesDone();

    Kx::CWidgetList* body() const { return m_pBody; }
    CTreeNodeBatches* batches() const { return m_pBatches; }
    // Shows or hides the mask as isLoading says; at the end of a load, sigLoaded.
    void updateLoading();
    // A search's outcome: the matches selected (the first scrolled to), the others deselected.
    void showSearchResult(const QVector<int>& matches, const QVector<int>& others);

private:
    Kx::CTreeWidget* m_pTree = nullptr;
    Kx::CLineEdit* m_pSearch = nullptr;
    Kx::CSmallNormalButton* m_pRefresh = nullptr;
    Kx::CWidgetList* m_pBody = nullptr;
    Kx::CLoadingMaskWidget* m_pMask = nullptr;
    CTreeNodeBatches* m_pBatches = nullptr;
};

} // namespace Ocv
