#pragma once

#include "data/IData.h"
#include "data/ttservice/EQDRCApprovalStatus.h"
#include "kx/CBaseWidget.h"
#include "siblings/SiblingsGlobal.h"

#include <QString>

#include <map>
#include <string>
#include <vector>

namespace Kx {
class CPushButton;
class CSimpleTextWidget;
class CStandardHpfTable;
} // namespace Kx

namespace ttservice {
class CVornRiskApproval;
}

namespace Ocv {

class CBrowseModel;

// The requests to change risk-control settings on one trading system, in a table, with "通过" and
// "驳回" deciding the selected pending ones as the logged-in user. The panel queries as soon as it
// is made and again after switchSystem and after every decision that the platform took; a newer
// query supersedes the answer of an older one. Answers come through the data manager with the
// panel as parent, so one that arrives after the panel is gone reaches nobody.
//
// Each answer, failed or not, delivers event 3122 upwards so that the owner rereads the counts.
// A failed query empties the table; a failed query or decision says why in the message line
// ("risk_approval_panel_error").
class SIBLINGS_EXPORT CRiskApprovalPanel : public Kx::CBaseWidget
{
    Q_OBJECT
public:
    // embedded: the panel sits in a dialog that paints the background.
    CRiskApprovalPanel(bool embedded, QWidget* parent);
    ~CRiskApprovalPanel() override;

    // Shows only the requests in that state; QDRC_APPROVAL_NONE shows every request.
    void filterDataByStatus(ttservice::EQDRCApprovalStatus status);
    // The loaded requests in that state, every loaded request for QDRC_APPROVAL_NONE; 0 until an
    // answer came.
    int getRiskStatusNum(ttservice::EQDRCApprovalStatus status) const;
    // Queries the system of that name; an empty name stands for the client centre's choice.
    void switchSystem(int systemId, const QString& systemName);

    bool handleEvent(int eventId, int a, int b, const QString& text, void* data) override;

private:
    void query();
    void onAnswer(quint64 number, bool ok, const QString& text,
                  const std::vector<ttservice::IDataPtr>& records);
    void decide(ttservice::EQDRCApprovalStatus status);
    void onDecided(quint64 round, bool ok, const QString& text);
    void setDeciding(bool deciding);
    void setMessage(const QString& text);

    Kx::CPushButton* m_pass = nullptr;
    Kx::CPushButton* m_reject = nullptr;
    Kx::CSimpleTextWidget* m_message = nullptr;
    Kx::CStandardHpfTable* m_table = nullptr;
    CBrowseModel* m_model = nullptr;
    QString m_systemName;
    // The system the loaded requests came from; decisions go there.
    int m_loadedTag = 0;
    std::map<std::string, boost::shared_ptr<const ttservice::CVornRiskApproval>> m_loaded;
    std::map<int, int> m_counts;
    // Numbers the queries and the rounds of decisions; an answer of an older one is dropped.
    quint64 m_query = 0;
    quint64 m_round = 0;
    int m_outstanding = 0;
    bool m_anyDecided = false;
    QString m_refusal;
};

} // namespace Ocv
