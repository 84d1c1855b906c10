#pragma once

#include "WelcomeGlobal.h"
#include "kx/CBaseWidget.h"

#include <QRect>
#include <QString>

#include <memory>

namespace Kx {
class CImage;
class CSmallNormalButton;
} // namespace Kx

namespace Ocv {

enum ETopModelWidgetID
{
    TOP_MODEL_PRODUCT = 1000,
    TOP_MODEL_ACCOUNT = 1001,
    TOP_MODEL_USER = 1002,
    TOP_MODEL_CHANNEL = 1003
};

// One tile of the risk overview's strip: an icon and a title, a large number and a line of
// today's additions under it, and an optional button. The number and the today line are
// shortcuts: a press on either asks for its browsing dialog.
class WELCOME_EXPORT CTopModelWidget : public Kx::CBaseWidget
{
    Q_OBJECT
public:
    CTopModelWidget(ETopModelWidgetID id, QWidget* parent);
    ~CTopModelWidget() override;

    ETopModelWidgetID id() const { return m_id; }
    // The icon's and the today line's image keys.
    void setImage(const QString& iconKey, const QString& todayKey);
    // The colour keys of the texts and of a hovered shortcut.
    void setTextColor(const QString& colorKey, const QString& hoverColorKey);
    // An empty argument keeps its text. True when the today line or the number changed.
    bool setText(const QString& today, const QString& number, const QString& title,
                 const QString& hoverLabel);
    // The button takes the tile's text colour as it is now: call setTextColor first.
    void setBtn(int buttonId, const QString& text);

    QString todayText() const { return m_today; }
    QString numberText() const { return m_number; }
    QString titleText() const { return m_title; }
    QString hoverLabel() const { return m_hoverLabel; }
    Kx::CSmallNormalButton* button() const { return m_button; }
    // Where the number and the today line are painted: the shortcuts' areas.
    QRect numberRect() const { return m_numberRect; }
    QRect todayRect() const { return m_todayRect; }

    void themeChanged() override;

signals:
    void sigShowDialog(int id, bool today);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void updateLayout();
    void setHover(bool number, bool today);
    void paintNumber(QPainter* painter) const;
    void paintToday(QPainter* painter) const;
    void paintButtonFrame(QPainter* painter) const;

    const ETopModelWidgetID m_id;
    std::unique_ptr<Kx::CImage> m_icon;
    std::unique_ptr<Kx::CImage> m_todayImage;
    QString m_today;
    QString m_number;
    QString m_title;
    QString m_hoverLabel;
    Kx::CSmallNormalButton* m_button = nullptr;
    QString m_textColorKey;
    QString m_hoverColorKey;
    bool m_numberHovered = false;
    bool m_todayHovered = false;

    // Laid out from the images, the fonts and the texts; painted as stored.
    QRect m_titleRect;
    QRect m_numberRect;
    QRect m_hoverLabelRect;
    QRect m_todayImageRect;
    QRect m_todayRect;
    QRect m_buttonFrame;
};

} // namespace Ocv
