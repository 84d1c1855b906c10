#pragma once

#include "kx/CLineEdit.h"
#include "kx/CTreeWidget.h"
#include "risk/CRiskTreeDialog.h"

#include <QApplication>
#include <QStringList>
#include <QTest>

// What the account and the product setting dialogs' tests share.
namespace risktest {

// Types the text into the dialog's search field, which has the focus, and presses Enter.
inline void typeSearch(Ocv::CRiskTreeDialog* dialog, const QString& text)
{
    QApplication::setActiveWindow(dialog);
    dialog->searchEdit()->setFocus();
    dialog->searchEdit()->setText(text);
    QTest::keyClick(dialog->searchEdit(), Qt::Key_Return);
}

inline QStringList texts(const Kx::CTreeWidget* tree, const QVector<int>& ids)
{
    QStringList found;
    for (int id : ids)
        found << tree->nodeText(id);
    return found;
}

// The first root or child of a root with that text; -1 without one.
inline int nodeOf(const Kx::CTreeWidget* tree, const QString& text)
{
    for (int root : tree->childIds(0)) {
        if (tree->nodeText(root) == text)
            return root;
        for (int child : tree->childIds(root)) {
            if (tree->nodeText(child) == text)
                return child;
        }
    }
    return -1;
}

} // namespace risktest
