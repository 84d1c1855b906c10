#pragma once

#include "kx/CMessageBox.h"
#include "kx/CPushButton.h"
#include "kx/IBaseHpfTableModel.h"

#include <QApplication>
#include <QStringList>
#include <QTimer>
#include <QWidget>

namespace listtest {

// Answers the next modal question with OK or Cancel once it shows; returns its text through
// *asked when given.
inline void answerNextQuestion(bool ok, QString* asked = nullptr)
{
    QTimer::singleShot(0, [ok, asked] {
        auto* box = qobject_cast<Kx::CMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        if (asked)
            *asked = box->windowTitle() + QLatin1Char('|') + box->text();
        box->button(ok ? Kx::CCommonDialog::Ok : Kx::CCommonDialog::Cancel)->click();
    });
}

// The texts of one column of the visible rows, in order.
inline QStringList column(const Kx::IBaseHpfTableModel& model, int column)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts << model.dataAt(row)->getColumnText(column);
    return texts;
}

} // namespace listtest
