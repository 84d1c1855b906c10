#pragma once

#include "data/IData.h"
#include "kx/CBaseWidget.h"
#include "siblings/SiblingsGlobal.h"

#include <QString>

#include <vector>

class QCheckBox;
class QShowEvent;
class QSpinBox;

namespace Kx {
class CPushButton;
class CSimpleTextWidget;
} // namespace Kx

namespace Ocv {

// The global reverse-order and matched-order checks of one trade type on one trading system: two
// check boxes ("on" means the check runs), their look-back windows and a save button. Futures trade
// types (2, 1024) live under data code 23434, every other one under 23435; the record's key is
// "rat|" and the trade type.
//
// The page reads its record when it becomes active (onActive, or shown while active) and saves
// with an operate request (operation 0, key "rat|T"); after a save it reads again. Records of the
// other class in the answer are ignored; with none of its class the page shows the defaults (both
// checks on). Requests go through the data manager with the page as parent, so an answer
// that arrives after the page is gone reaches nobody. A refusal of the read or the save shows in
// the message line ("reverse_page_error"); the end of a save, done or refused, emits
// sigOnDataFinished.
class SIBLINGS_EXPORT CReversePageWidget : public Kx::CBaseWidget
{
    Q_OBJECT
public:
    // editable false: the page only shows the record (the check boxes and save are disabled).
    CReversePageWidget(bool editable, int tradeType, QWidget* parent);
    ~CReversePageWidget() override;

    // The system whose config the page edits, by name; empty for the client centre's selection.
    // Reads again when the page is active.
    void setBasicInfo(const QString& systemName);

    int tradeType() const { return m_tradeType; }
    // The data code of a trade type: 23434 for futures (2, 1024), 23435 otherwise.
    static int dataCodeFor(int tradeType);

    void onActive() override;
    bool handleEvent(int eventId, int a, int b, const QString& text, void* data) override;

signals:
    void sigOnDataFinished(bool ok, QString message);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The system tag of the page's system; false (and the message shown) when it is not connected.
    bool resolveSystem(int& systemTag);
    void query();
    void onQueried(quint64 number, bool ok, const QString& text,
                   const std::vector<ttservice::IDataPtr>& records);
    void save();
    void onSaved(quint64 number, bool ok, const QString& text);
    void showRecord(const ttservice::IDataPtr& record);
    void setMessage(const QString& text);
    void updateEnabled();

    bool m_editable;
    int m_tradeType;
    QString m_systemName;
    QCheckBox* m_reverse = nullptr;
    QCheckBox* m_matched = nullptr;
    QSpinBox* m_reverseWindow = nullptr;
    QSpinBox* m_matchedWindow = nullptr;
    Kx::CPushButton* m_save = nullptr;
    Kx::CSimpleTextWidget* m_message = nullptr;
    // A save needs a successful read first, so that it never writes over values it did not show.
    bool m_read = false;
    bool m_saving = false;
    // Numbers the reads and saves; the answer of an older one is dropped.
    quint64 m_query = 0;
    quint64 m_saveNumber = 0;
};

} // namespace Ocv
