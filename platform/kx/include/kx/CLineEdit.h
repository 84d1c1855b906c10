#pragma once

#include "kx/CEventWidgetT.h"
#include "kx/CUiResourceChangeHandler.h"
#include "kx/KxGlobal.h"

#include <QLineEdit>

namespace Kx {

// A line edit that reports Enter and Return upwards with the id, the text and the line edit as
// data: event 101 (EventReturnPressed) at every press, or, once chosen with setReturnEvent, event
// 102 (EventReturnPressed2) and only while the edit has the keyboard focus, so that a search field
// acts on what its user typed there and not on a returnPressed raised by code or sent elsewhere.
// Receivers of 102 may check hasFocus() as well.
class KX_EXPORT CLineEdit : public CEventWidgetT<QLineEdit>, public CUiResourceChangeHandler
{
    Q_OBJECT
public:
    enum
    {
        EventReturnPressed = 101,
        EventReturnPressed2 = 102
    };

    CLineEdit(int id, QWidget* parent);
    ~CLineEdit() override;

    int id() const;
    // EventReturnPressed (the default) or EventReturnPressed2; other ids are ignored.
    void setReturnEvent(int eventId);
    int returnEvent() const;
    // The grey text shown while the edit is empty, in the theme colour colorKey.
    void setEmptyHint(const QString& text,
                      const QString& colorKey = QStringLiteral("clr_lineedit_empty_hint"));
    // The edit's font (its text and the hint) by theme key; without one it keeps the widget font.
    void setFontKey(const QString& key);
    void themeChanged() override;

private:
    void applyHintColor();
    void applyFont();
    void onReturnPressed();

    int m_id;
    int m_returnEvent = EventReturnPressed;
    QString m_hintColorKey;
    QString m_fontKey;
};

} // namespace Kx
