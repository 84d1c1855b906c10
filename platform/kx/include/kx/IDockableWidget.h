#pragma once

#include "kx/CBaseWidget.h"
#include "kx/KxGlobal.h"

#include <QSize>
#include <QString>

namespace Kx {

// Base of the panels the docking host creates, docks and activates.
//
// The defaults only store what they are given; panels override what they need. The host calls
// setWidgetActive(true) when the panel comes to the front, which activates the panel's tree, and
// setWidgetActive(false) when it goes to the back. While the dock is inactive or its window is
// minimized, no widget inside it is active; restoring the window activates the tree again.
class KX_EXPORT IDockableWidget : public CBaseWidget
{
    Q_OBJECT
public:
    // paintBackground as in CBaseWidget; id becomes the object name; copiable is the initial
    // value of setCopiable.
    IDockableWidget(bool paintBackground, const QString& id, QWidget* parent, bool copiable);
    ~IDockableWidget() override;

    virtual void setWindowFocusWidget(QWidget* w);
    virtual void acquire();
    virtual void release();
    // A panel that can be duplicated returns a new copy; the default cannot.
    virtual IDockableWidget* getCopy();
    virtual void setTableShowSort(bool show);
    virtual void setWidgetActive(bool active);
    virtual bool isSimpleHeaderTitle();
    virtual void handleReserveBtnActive();
    // Returns true when the panel used the shortcut.
    virtual bool handleShortcut(int key);
    virtual bool getActivable();
    virtual void setActivable(bool activable);
    virtual int getPairID();
    virtual void setPairID(int id);
    // Returns true when the panel used the event.
    virtual bool handlePairEvent(int eventId, int a, int b, const QString& text);
    virtual void setCopiable(bool copiable);
    virtual void setMinSize(QSize size);
    virtual QSize getMinSize();
    virtual QString widgetID();
    virtual int getTradeType();
    virtual bool isClosed();
    virtual bool getOptActivable();
    virtual void setOptActivable(bool activable);
    virtual void setActiveWidgetId(int id);
    virtual bool isShowTitleMenu();
    virtual void setBtnToolVisible(bool visible);
    virtual bool hasControlShowToolBtn();

    bool eventFilter(QObject* watched, QEvent* event) override;

    QWidget* windowFocusWidget() const { return m_focusWidget; }
    bool isCopiable() const { return m_copiable; }
    bool isWidgetActive() const { return m_widgetActive; }
    bool tableShowSort() const { return m_tableShowSort; }
    int activeWidgetId() const { return m_activeWidgetId; }
    bool btnToolVisible() const { return m_btnToolVisible; }

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void watchWindow();
    void windowStateChanged(QWidget* top, QEvent* event);

    QString m_id;
    QWidget* m_watchedWindow = nullptr;
    QWidget* m_focusWidget = nullptr;
    bool m_copiable;
    bool m_tableShowSort = true;
    bool m_widgetActive = false;
    bool m_activable = true;
    bool m_optActivable = true;
    bool m_btnToolVisible = true;
    int m_pairId = -1;
    int m_activeWidgetId = -1;
    QSize m_minSize;
};

} // namespace Kx
