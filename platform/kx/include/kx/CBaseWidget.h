#pragma once

#include "kx/CEventWidgetT.h"
#include "kx/CUiResourceChangeHandler.h"
#include "kx/KxGlobal.h"

#include <QString>
#include <QWidget>

class QPaintEvent;

namespace Kx {

// Base of the framework's widgets.
//
// The constructor's flag asks the widget to paint the theme background: when true the widget
// fills itself with the colour "clr_widget_background" before its children are drawn
// (subclasses that override paintEvent call the base to keep that).
class KX_EXPORT CBaseWidget : public CEventWidgetT<QWidget>, public CUiResourceChangeHandler
{
    Q_OBJECT
public:
    CBaseWidget(const QString& objectName, bool paintBackground, QWidget* parent);
    ~CBaseWidget() override;

    bool handleEvent(int eventId, int a, int b, const QString& text, void* data) override;

    // Called when the page holding the widget became the shown page (see activateTree).
    virtual void onActive();
    virtual void setParam(const QString& param);
    virtual QString param() const;

    // True only while the widget is actually shown: on the current page of its tab control, inside
    // a shown window that is not minimized, and inside no dock that was deactivated, and while
    // its own activation switch is on.
    bool isActive() const;
    // The widget's own activation switch (on from construction), for an owner that shows or hides
    // the widget's content by other means than visibility. Turning it on with notify calls
    // onActive (when the widget is then active).
    void setActive(bool active, bool notify);
    bool paintsBackground() const { return m_paintBackground; }

    // Fills the widget with one child, kept at the given distances from the edges.
    void setInnerStretchWidget(QWidget* w, int left, int top, int right, int bottom);
    QWidget* innerStretchWidget() const { return m_innerWidget; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_paintBackground;
    bool m_active = true;
    QString m_param;
    QWidget* m_innerWidget = nullptr;
};

// Calls onActive on root (when it is a CBaseWidget) and on every CBaseWidget below it that is
// active. The tab control calls it for the page that became current, the dock base for the
// panel that was activated.
KX_EXPORT void activateTree(QWidget* root);

} // namespace Kx
