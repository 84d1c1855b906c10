#pragma once

#include "kx/CBaseWidget.h"
#include "kx/CButtonColor.h"
#include "kx/KxGlobal.h"

#include <QColor>
#include <QFont>

class QKeyEvent;
class QMouseEvent;
class QPainter;

namespace Kx {

// A push button painted from theme keys. A click (press and release inside with the left button,
// or Space/Enter/Return while it has the focus) emits clicked(id) and then delivers event 5
// (EventButtonClicked) with the id as the first int, the text and the button as data. A disabled
// button shows its disabled look and does not click.
//
// Defaults: background "clr_btn_normal", "clr_btn_hover", "clr_btn_press", "clr_btn_disable";
// text "clr_btn_text" ("clr_btn_text_disable" when disabled); font "fnt_default_normal"; focus
// line "clr_focus_line". A style sheet set on the button is drawn over the background, so its
// border shows.
class KX_EXPORT CPushButton : public CBaseWidget
{
    Q_OBJECT
public:
    enum
    {
        EventButtonClicked = 5
    };

    CPushButton(int id, QWidget* parent);
    ~CPushButton() override;

    int id() const;
    void setText(const QString& text);
    QString text() const;

    void setButtonColor(const CButtonColor& color);
    CButtonColor buttonColor() const;
    void setTextColorKey(const QString& key);
    void setTextColorKey(const QString& normal, const QString& hover, const QString& pressed,
                         const QString& disabled);
    CButtonColor textColorKeys() const;
    void setTextFontKey(const QString& key);
    // The dashed rectangle drawn while the button has the keyboard focus.
    void setFocusLineColorKey(const QString& key);

    // Clicks as the user would; does nothing while the button is disabled.
    void click();
    // The look the button is painted with now.
    CButtonColor::State state() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    void themeChanged() override;

signals:
    void clicked(int id);

protected:
    // Emits and delivers the click; subclasses that change state on a click do that first.
    virtual void onClicked();

    // For compact subclasses: the space left and right of the text, the least height, and the
    // height the size hint adds to the font's.
    void setMetrics(int padding, int minHeight, int textMargin);
    QColor backgroundFor(CButtonColor::State state) const;
    QColor textColorFor(CButtonColor::State state) const;
    void paintLabel(QPainter& painter, const QColor& color) const;
    void paintFocusLine(QPainter& painter) const;
    // Where the label goes: inside the padding, or inside a style sheet's border and padding.
    QRect labelRect() const;
    int horizontalBox() const;
    void paintStyleSheet(QPainter& painter);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void resolveColors();
    void updateShownText();
    void setLook(bool hovered, bool mouseDown, bool mouseInside, bool keyDown);

    int m_id;
    QString m_text;
    QString m_shownText;
    CButtonColor m_backgroundKeys;
    CButtonColor m_textKeys;
    QString m_fontKey;
    QString m_focusLineKey;
    QColor m_background[4];
    QColor m_textColor[4];
    QColor m_focusLine;
    QFont m_font;
    int m_padding;
    int m_minHeight;
    int m_textMargin;
    bool m_hovered = false;
    bool m_mouseDown = false;
    bool m_mouseInside = false;
    bool m_keyDown = false;
};

} // namespace Kx
