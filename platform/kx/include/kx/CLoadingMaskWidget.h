#pragma once

#include "kx/CBaseWidget.h"
#include "kx/KxGlobal.h"

#include <QColor>
#include <QFont>
#include <QPointer>

namespace Kx {

// A translucent cover with a text ("加载中…") over a widget that is busy. While shown it takes the
// mouse and the wheel, so the widget below cannot be clicked. Hidden until show() is called.
// Colours "clr_loading_mask" (translucent) and "clr_loading_mask_text"; font "fnt_default_normal".
// The object name is "loading_mask".
class KX_EXPORT CLoadingMaskWidget : public CBaseWidget
{
    Q_OBJECT
public:
    CLoadingMaskWidget(const QString& text, QWidget* parent);
    ~CLoadingMaskWidget() override;

    // Becomes a child of widget, covering all of it and following its resizes; null detaches.
    void attach(QWidget* widget);
    QWidget* attachedWidget() const;
    void setText(const QString& text);
    QString text() const;
    void themeChanged() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void resolveResources();

    QString m_text;
    QPointer<QWidget> m_target;
    QColor m_cover;
    QColor m_textColor;
    QFont m_font;
};

} // namespace Kx
