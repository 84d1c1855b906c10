#pragma once

#include "kx/CBaseWidget.h"
#include "kx/KxGlobal.h"

#include <QColor>
#include <QFont>

class QMouseEvent;

namespace Kx {

// A painted label. flags are Qt alignment flags, plus Qt::TextSingleLine for one line that is
// elided with "…" at the right when it does not fit the width (e.g. 385 = AlignLeft |
// AlignVCenter | TextSingleLine); without TextSingleLine the text is word-wrapped.
//
// A clickable label (setClickable) shows the hand cursor; a click (press and release inside)
// emits clicked(id) and then delivers event 9 (EventTextClicked) with the id, the text and the
// label as data. Defaults: font "fnt_default_normal", colour "clr_default".
class KX_EXPORT CSimpleTextWidget : public CBaseWidget
{
    Q_OBJECT
public:
    enum
    {
        EventTextClicked = 9
    };

    CSimpleTextWidget(int id, int flags, QWidget* parent);
    ~CSimpleTextWidget() override;

    int id() const;
    int flags() const;

    // limit is the most characters kept: a longer text is cut to limit characters and "…" is
    // appended (the tooltip then shows the whole text). Callers that never want cutting pass a
    // large limit such as 100000; a limit of 0 or less keeps everything too.
    void setText(const QString& text, int limit);
    // The text as kept, after the cut to the limit but before eliding to the width.
    QString text() const;
    // What is painted now: text(), elided to the width in single-line mode.
    QString shownText() const;

    void setFontKey(const QString& key);
    void setTextColorKey(const QString& key);
    void setClickable(bool clickable);
    bool isClickable() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    void themeChanged() override;

signals:
    void clicked(int id);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool singleLine() const;
    int drawFlags() const;
    void resolveResources();
    void updateShownText();

    int m_id;
    int m_flags;
    QString m_fullText;
    QString m_text;
    QString m_shownText;
    QString m_fontKey;
    QString m_colorKey;
    QFont m_font;
    QColor m_color;
    bool m_clickable = false;
    bool m_pressed = false;
};

} // namespace Kx
