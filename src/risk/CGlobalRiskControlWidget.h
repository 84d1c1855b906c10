#pragma once

#include "WelcomeGlobal.h"
#include "base/CAnswerGuard.h"
#include "base/CAnswerOrder.h"
#include "data/IData.h"
#include "kx/CBaseWidget.h"
#include "kx/CCommonDialog.h"

#include <QRecursiveMutex>
#include <QString>

#include <array>
#include <map>
#include <vector>

class QTimer;

namespace Kx {
class CImageWidget;
}

namespace Ocv {

class CReversePageWidget;

// The platform-wide reverse-trade and matched-trade checks per trade type: a painted table of
// six rows (futures options are administered with futures and get no row), a setting button per
// row that opens a CGlobalRiskSettingDialog, the combined state of every check and the switch
// that turns them all on or off.
//
// Its queries have no parent widget, so the data manager delivers them even after the widget is
// gone: every callback runs under the widget's answer guard. The configs sit under a recursive
// mutex because an answer delivers event 3122 while holding it, and the receiver (the all-risk
// block) computes globalState() on the same thread.
class WELCOME_EXPORT CGlobalRiskControlWidget : public Kx::CBaseWidget
{
    Q_OBJECT
public:
    static constexpr int kTradeTypeCount = 7;
    // The trade types in table order.
    static const std::array<int, kTradeTypeCount>& tradeTypes();
    // The name a trade type is shown under; empty for a type not in the table.
    static QString tradeTypeName(int tradeType);
    // 23434 for futures and futures options, 23435 for every other type.
    static int dataTypeOf(int tradeType);

    explicit CGlobalRiskControlWidget(QWidget* parent);
    ~CGlobalRiskControlWidget() override;

    // Stores the name and queries every trade type, shown or not.
    void switchSystem(int systemId, const QString& systemName);
    void queryGlobalConfig(int tradeType);
    void queryAll();
    // 1 every check of every record on, 2 every one off, 0 mixed or nothing known.
    int globalState();
    // target 1 turns every check of every trade type on, 0 off; a success asks again.
    void enableAll(int target);

    bool handleEvent(int eventId, int a, int b, const QString& text, void* data) override;

    QString systemName() const { return m_systemName; }
    Kx::CImageWidget* settingButton(int tradeType) const;
    QTimer* timer() const { return m_pTimer; }

signals:
    // From whichever thread the data service answers on, with the number of its request.
    void sigAnswer(int tradeType, quint64 number, std::vector<ttservice::IDataPtr> records);
    // An answer to be shown; handled on the GUI thread.
    void sigQueryResult(int tradeType, std::vector<ttservice::IDataPtr> records);
    void sigOperateSucceeded();

public slots:
    void slotTimeOut();

protected:
    void paintEvent(QPaintEvent* event) override;

private slots:
    void slotAnswer(int tradeType, quint64 number, std::vector<ttservice::IDataPtr> records);
    void slotQueryResult(int tradeType, std::vector<ttservice::IDataPtr> records);

private:
    struct Cell
    {
        QString text;
        QString colorKey;
    };
    struct Row
    {
        Cell reverse;
        Cell matched;
    };

    void openSettingDialog(int tradeType);
    // The status cells of a trade type from its entry; under the mutex.
    Row rowOf(int tradeType) const;

    QTimer* m_pTimer = nullptr;
    QString m_systemName;
    std::array<Kx::CImageWidget*, kTradeTypeCount> m_buttons{};
    QRecursiveMutex m_mutex;
    std::map<int, std::vector<ttservice::IDataPtr>> m_configs;
    // What the table shows, rebuilt from m_configs whenever an entry is replaced.
    std::array<Row, kTradeTypeCount> m_rows;
    // Per trade type: a late answer never overwrites a newer one, nor one of the system switched to.
    std::map<int, CAnswerOrder> m_answerOrders; // GUI thread only
    CAnswerGuard m_answerGuard;
};

// The setting dialog of one trade type: the reverse-trade page of the sibling library, titled
// with the type's name. Closing hides it; it lives as long as the global widget.
class WELCOME_EXPORT CGlobalRiskSettingDialog : public Kx::CCommonDialog
{
    Q_OBJECT
public:
    CGlobalRiskSettingDialog(int tradeType, QWidget* parent);
    ~CGlobalRiskSettingDialog() override;

    int tradeType() const { return m_tradeType; }
    CReversePageWidget* page() const { return m_pPage; }

public slots:
    // The page saved (or was refused): the global widget asks for the type again.
    void slotOnDataFinished(bool ok, QString message);

private:
    int m_tradeType;
    CReversePageWidget* m_pPage = nullptr;
};

} // namespace Ocv
