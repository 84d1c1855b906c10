#pragma once

#include <QString>

class QWidget;

namespace Kx {
class CCommonDialog;
}

namespace Ocv {

// Lays out a template dialog: its title and minimum size, the list of templates (or groups) on
// the left, at least 380 wide, and the panel of what the chosen one applies to filling the rest.
void layoutTemplateDialog(Kx::CCommonDialog* dialog, const QString& title, QWidget* list, QWidget* panel);

} // namespace Ocv

#include <boost/shared_ptr.hpp>

namespace Ocv {

// Hands the template (or group) a dialog's list reported as chosen to the dialog's panel, which
// then repaints. data points to the chosen one's shared pointer; null data changes nothing.
template <class Panel, class Record>
void showChosenTemplate(Panel* panel, void (Panel::*show)(boost::shared_ptr<Record>), void* data)
{
    if (!panel || !data)
        return;
    (panel->*show)(*static_cast<boost::shared_ptr<Record>*>(data));
    panel->update();
}

} // namespace Ocv
