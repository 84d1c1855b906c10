#pragma once

#include "kx/CCommonDialog.h"
#include "kx/KxGlobal.h"

namespace Kx {

class CSimpleTextWidget;

// A common dialog with a wrapped text and standard buttons (object name "message_box", the text
// "message_box_text"). The static functions show one modally and return the button pressed;
// a box closed any other way (Escape, the title bar's "×") counts as Cancel.
class KX_EXPORT CMessageBox : public CCommonDialog
{
    Q_OBJECT
public:
    using Button = StandardButton;
    using Buttons = StandardButtons;

    CMessageBox(QWidget* parent, const QString& title, const QString& text, Buttons buttons,
                Button defaultButton);
    ~CMessageBox() override;

    QString text() const;
    // The text in the warning colour "clr_message_box_warning" instead of "clr_default".
    void setWarning(bool warning);

    static Button question(QWidget* parent, const QString& title, const QString& text,
                           Buttons buttons = Buttons(Ok | Cancel), Button defaultButton = NoButton);
    static Button information(QWidget* parent, const QString& title, const QString& text,
                              Buttons buttons = Ok, Button defaultButton = Ok);
    static Button warning(QWidget* parent, const QString& title, const QString& text, Buttons buttons = Ok,
                          Button defaultButton = Ok);

protected:
    void showEvent(QShowEvent* event) override;

private:
    static Button run(CMessageBox* box);

    CSimpleTextWidget* m_text;
};

} // namespace Kx
