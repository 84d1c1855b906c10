#pragma once

#include "WelcomeGlobal.h"
#include "base/CAnswerGuard.h"
#include "base/CAnswerOrder.h"
#include "base/WelcomeMetaTypes.h"
#include "data/DataCallbacks.h"
#include "kx/CBaseWidget.h"

#include <QFont>
#include <QMap>
#include <QRect>
#include <QString>
#include <QVector>

#include <boost/shared_ptr.hpp>

#include <string>

class QTimer;

namespace Kx {
class CImage;
class CSmallNormalButton;
} // namespace Kx
namespace ttservice {
class CVornBaseInfoStatistics;
}

namespace Ocv {

class CAccountOpeningDialog;
class CProductBatchCreateDialog;
class CCreateAccountDialog;
class CCreateUserDialog;

// The band of platform figures across the top of the dashboard: up to eleven tiles of an icon,
// a figure and its unit, with the one-click creation buttons under the first tiles. Figures open
// the product view, the user lists and the smart-algorithm list.
class WELCOME_EXPORT CTopWidget : public Kx::CBaseWidget
{
    Q_OBJECT
public:
    explicit CTopWidget(QWidget* parent);
    ~CTopWidget() override;

    void setCurrentService(const std::string& serviceName);
    void onActive() override;
    bool handleEvent(int eventId, int a, int b, const QString& text, void* data) override;
    void themeChanged() override;

signals:
    void sigUpdate();
    void sigShowError(bool isError, QString text);
    // Carries an answer to the GUI thread (queued) with the number of its request.
    void sigAnswer(quint64 requestNumber, boost::shared_ptr<ttservice::CVornBaseInfoStatistics> statistics);

public slots:
    void slotUpdate();
    void slotTimeOut();
    void slotShowError(bool isError, QString text);

private slots:
    void slotAnswer(quint64 requestNumber, boost::shared_ptr<ttservice::CVornBaseInfoStatistics> statistics);

protected:
    void refresh();
    void onQueryData(quint64 requestNumber, const utils::TTError& error,
                     const std::vector<ttservice::IDataPtr>& records);
    void updateTextRects();
    void calcTextRect(int left, int x, int y, Kx::CImage* icon, const QString& figure, const QString& unit,
                      QRect& iconRect, QRect& figureRect, QRect& unitRect);

    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void fillTexts(int slot);
    // The tile slot whose figure or icon lies under pos and whose right the user holds; -1 for none.
    int armedSlotAt(const QPoint& pos) const;
    void openDialog(int buttonId);

    boost::shared_ptr<ttservice::CVornBaseInfoStatistics> m_pStatistics;
    QTimer* m_pTimer = nullptr;
    QVector<Kx::CImage*> m_icons;
    QVector<QString> m_figures;
    QVector<QString> m_units;
    QVector<QRect> m_iconRects;
    QVector<QRect> m_figureRects;
    QVector<QRect> m_unitRects;
    QVector<Kx::CSmallNormalButton*> m_buttons;
    QMap<int, int> m_tiles;
    int m_tileCount = 0;
    std::string m_serviceName;
    bool m_bRefreshPending = false;
    CAccountOpeningDialog* m_pAccountOpeningDialog = nullptr;
    CProductBatchCreateDialog* m_pProductBatchDialog = nullptr;
    CCreateAccountDialog* m_pCreateAccountDialog = nullptr;
    CCreateUserDialog* m_pCreateUserDialog = nullptr;

    QFont m_numberFont;
    QFont m_labelFont;

    CAnswerOrder m_answerOrder; // GUI thread only
    CAnswerGuard m_answerGuard;
};

} // namespace Ocv
