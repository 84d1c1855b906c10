#pragma once

#include "kx/CPushButton.h"
#include "kx/KxGlobal.h"

namespace Kx {

// A tab. A click checks it (a checked tab stays checked) and then, as every push button, delivers
// event 5 (EventButtonClicked) with the id, the text and the button as data; the tab control
// unchecks the others.
//
// Defaults: background "clr_nav_exchang_btn_*" while unchecked, "clr_widget_background" while
// checked; text "clr_default"; text and underline of the checked tab "clr_radio_tab_btn_checked".
class KX_EXPORT CTabButton : public CPushButton
{
    Q_OBJECT
public:
    CTabButton(int id, QWidget* parent, bool checked);
    ~CTabButton() override;

    bool isChecked() const;
    void setChecked(bool checked);
    // The text and underline colour of the checked tab.
    void setCheckedColorKey(const QString& key);

    void themeChanged() override;

signals:
    void toggled(bool checked);

protected:
    void onClicked() override;
    void paintEvent(QPaintEvent* event) override;

private:
    void resolveCheckedColors();

    bool m_checked = false;
    QString m_checkedKey;
    QColor m_checkedColor;
    QColor m_checkedBackground;
};

} // namespace Kx
