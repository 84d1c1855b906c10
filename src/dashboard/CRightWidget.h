#pragma once

#include "WelcomeGlobal.h"
#include "base/CAnswerGuard.h"
#include "base/CAnswerOrder.h"
#include "base/WelcomeMetaTypes.h"
#include "dashboard/ExchangeInfoList.h"
#include "data/DataCallbacks.h"
#include "kx/CBaseWidget.h"

#include <QFont>
#include <QMap>
#include <QString>

#include <boost/shared_ptr.hpp>

#include <map>
#include <memory>
#include <string>
#include <vector>

class QPainter;
class QScrollBar;
class QTimer;
class QWheelEvent;

namespace Kx {
class CImage;
class CSimpleTextWidget;
class CVScrollWidgetList;
class CWidgetList;
} // namespace Kx
namespace ttservice {
class CVornExchangeInfo;
}

namespace Ocv {

class CExchangeTabButton;
class CVornTimeServer;

// The exchange board of the dashboard's right column: the server clock, and on two tabs the
// domestic exchanges the user may see (trade day, last market-data update and what is wrong with
// them) and the overseas ones.
class WELCOME_EXPORT CRightWidget : public Kx::CBaseWidget
{
    Q_OBJECT
public:
    explicit CRightWidget(QWidget* parent);
    ~CRightWidget() override;

    // The system whose server is asked and whose clock is shown.
    void setCurrentService(std::string systemName);
    void onActive() override;
    bool handleEvent(int eventId, int a, int b, const QString& text, void* data) override;

signals:
    void sigShowError(bool isError, QString text);
    // Carries an answer's exchange records to the GUI thread (queued).
    void sigAnswer(quint64 requestNumber, Ocv::ExchangeInfoList records);

public slots:
    void slotTimeOut();
    void slotShowError(bool isError, QString text);
    void slotServerTimeTimeOut();

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void themeChanged() override;

    void refresh();
    // Runs on the data-service thread: logs and collects the records, hands them on with their number.
    void onQueryData(quint64 requestNumber, const utils::TTError& error,
                     const std::vector<ttservice::IDataPtr>& records);
    void drawDomesticText(QPainter* painter) const;
    void drawOverSeaText();

private slots:
    void slotAnswer(quint64 requestNumber, Ocv::ExchangeInfoList records);

private:
    // Which groups of domestic exchanges the user may see.
    struct GroupFlags
    {
        bool stock = false;
        bool futures = false;
        bool stockOption = false;
        bool neeq = false;
        bool shHk = false;
        bool szHk = false;
        bool gold = false;
        bool energy = false;
        bool szStockOption = false;
        bool gzFutures = false;
    };
    // A domestic row as painted, prepared when records arrive and on every clock tick.
    struct DomesticLine
    {
        Kx::CImage* icon = nullptr;
        int bottom = 0; // the row's lower edge; the texts and the icon count back from it
        QString name;
        QString dateText;
        QString warning;
        int warningX = 0;

        bool operator==(const DomesticLine& other) const
        {
            return icon == other.icon && bottom == other.bottom && name == other.name &&
                   dateText == other.dateText && warning == other.warning && warningX == other.warningX;
        }
    };
    struct OverseasItem
    {
        QString name;
        QString iconKey;
    };

    void initGroupFlags();
    void initOverseasListItem();
    void createOverseasUi();
    void createExchangeItemList(Kx::CWidgetList* list, const QString& iconKey, const QString& name,
                                const std::string& code);
    void showTab(bool domestic);
    // Below the tabs, inside the frame: where the domestic rows scroll.
    QRect rowsArea() const;
    int rowOffset() const;
    void updateRowScroll();
    void applyRowScrollStyle();
    void paintServerClock(QPainter* painter) const;
    void paintText(const DomesticLine& line, QPainter* painter) const;
    void updateClockText();
    void updateDomesticLines();
    // Prepares the clock and the rows from the records and the clocks, repainting what changed.
    void updateTexts();
    boost::shared_ptr<CVornTimeServer> timeServer() const;

    std::string m_strSystemName;
    // GUI thread only: written by slotAnswer, read by paintEvent.
    QMap<std::string, boost::shared_ptr<ttservice::CVornExchangeInfo>> m_exchangeInfo;
    GroupFlags m_groups;
    QFont m_textFont;
    QString m_clockText; // empty without a server clock
    std::vector<DomesticLine> m_domesticLines;
    std::unique_ptr<Kx::CImage> m_serverTimeIcon;
    std::map<QString, std::unique_ptr<Kx::CImage>> m_domesticIcons; // by image key
    QTimer* m_pRefreshTimer = nullptr;
    QTimer* m_pClockTimer = nullptr;
    CExchangeTabButton* m_pDomesticTab = nullptr;
    CExchangeTabButton* m_pOverseasTab = nullptr;
    Kx::CVScrollWidgetList* m_pOverseasList = nullptr;
    QScrollBar* m_pRowScroll = nullptr; // shown while the domestic rows overflow
    std::map<std::string, OverseasItem> m_overseasItems;
    std::map<std::string, Kx::CSimpleTextWidget*> m_overseasNames;
    std::map<std::string, Kx::CSimpleTextWidget*> m_overseasStatus;

    CAnswerOrder m_answerOrder; // GUI thread only
    CAnswerGuard m_answerGuard;
};

} // namespace Ocv
