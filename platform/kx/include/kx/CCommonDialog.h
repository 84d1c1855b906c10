#pragma once

#include "kx/CEventWidgetT.h"
#include "kx/CUiResourceChangeHandler.h"
#include "kx/KxGlobal.h"

#include <QColor>
#include <QDialog>
#include <QFont>
#include <QPoint>

class QHBoxLayout;
class QMouseEvent;
class QVBoxLayout;

namespace Kx {

class CPushButton;

// A frameless dialog with a title bar painted by the framework (drag it to move the dialog, "×"
// rejects), one inner widget and an optional row of standard buttons ("确定" named
// "common_dialog_ok", "取消" named "common_dialog_cancel").
//
// OK asks onAccept and accepts only when it returns true, so a subclass can validate, say why
// and stay open. Cancel, Escape and closing reject. Enter and Return click the default button;
// with none (NoButton, or a button the dialog does not have) they click nothing, not even the
// standard button that has the focus, so that a reflex Enter confirms nothing.
//
// The dialog is an event deliverer: events of the widgets inside reach its handleEvent first.
// It consumes the clicks of its own buttons, and of any push button inside it whose id is
// CloseButtonId, which rejects like Cancel; everything else, unless a subclass's handleEvent
// returns true for it, goes on to the dialog's parent and its ancestors as usual.
//
// Colours: title bar "clr_dialog_title", title text "clr_dialog_title_text", body
// "clr_dialog_background", frame "clr_dialog_border"; title font "fnt_default_normal_heavy".
// The object name is "common_dialog" until a subclass sets its own.
class KX_EXPORT CCommonDialog : public CEventWidgetT<QDialog>, public CUiResourceChangeHandler
{
    Q_OBJECT
public:
    enum
    {
        CloseButtonId = 101
    };
    enum StandardButton
    {
        NoButton = 0x0,
        Ok = 0x1,
        Cancel = 0x2
    };
    Q_DECLARE_FLAGS(StandardButtons, StandardButton)

    explicit CCommonDialog(QWidget* parent);
    ~CCommonDialog() override;

    // Also the window title.
    void setTitle(const QString& title);
    QString title() const;

    // The dialog takes the widget over (deleting the one it replaces) and sizes itself to it.
    void setInnerWidget(QWidget* widget);
    QWidget* innerWidget() const;

    void setStandardButtons(StandardButtons buttons);
    StandardButtons standardButtons() const;
    CPushButton* button(StandardButton which) const;
    // The button Enter and Return click; Ok unless set otherwise, NoButton for none.
    void setDefaultButton(StandardButton which);
    StandardButton defaultButton() const;
    // The standard button that closed the dialog the last time, NoButton when something else did.
    StandardButton clickedButton() const;

    bool handleEvent(int eventId, int a, int b, const QString& text, void* data) override;
    void themeChanged() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

protected:
    // Called on OK; return false to keep the dialog open.
    virtual bool onAccept();
    // The height of the painted title bar.
    static int titleBarHeight();

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QRect titleRect() const;
    QRect closeRect() const;
    void resolveResources();
    void updateShownTitle();
    CPushButton* makeButton(StandardButton which);

    QString m_title;
    QString m_shownTitle;
    QWidget* m_inner = nullptr;
    QVBoxLayout* m_layout;
    QHBoxLayout* m_buttonRow;
    CPushButton* m_ok = nullptr;
    CPushButton* m_cancel = nullptr;
    StandardButton m_default = Ok;
    StandardButton m_clicked = NoButton;
    QColor m_titleBackground;
    QColor m_titleText;
    QColor m_background;
    QColor m_border;
    QFont m_titleFont;
    bool m_dragging = false;
    bool m_closePressed = false;
    QPoint m_dragOffset;
};

} // namespace Kx

Q_DECLARE_OPERATORS_FOR_FLAGS(Kx::CCommonDialog::StandardButtons)
