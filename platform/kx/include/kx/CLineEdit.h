#pragma once

#include "kx/CEventWidgetT.h"
#include "kx/CUiResourceChangeHandler.h"
#include "kx/KxGlobal.h"

#include <QLineEdit>

namespace Kx {

// A line edit that reports Enter and Return upwards: event 101 (EventReturnPressed) with the id,
// the text and the line edit as data.
class KX_EXPORT CLineEdit : public CEventWidgetT<QLineEdit>, public CUiResourceChangeHandler
{
    Q_OBJECT
public:
    enum
    {
        EventReturnPressed = 101
    };

    CLineEdit(int id, QWidget* parent);
    ~CLineEdit() override;

    int id() const;
    // The grey text shown while the edit is empty, in the theme colour colorKey.
    void setEmptyHint(const QString& text,
                      const QString& colorKey = QStringLiteral("clr_lineedit_empty_hint"));
    void themeChanged() override;

private:
    void applyHintColor();

    int m_id;
    QString m_hintColorKey;
};

} // namespace Kx
