#pragma once

#include "kx/CBaseWidget.h"
#include "kx/KxGlobal.h"

#include <QList>

class QHBoxLayout;
class QStackedWidget;

namespace Kx {

class CTabButton;

// A row of tab buttons over a stack of pages. The first tab added becomes current. When the
// current tab changes the new page is shown first, then activated (activateTree), then
// currentChanged is emitted.
class KX_EXPORT CStandardTabControl : public CBaseWidget
{
    Q_OBJECT
public:
    explicit CStandardTabControl(QWidget* parent);
    ~CStandardTabControl() override;

    // Adds a page under the title. A custom button replaces the default one (the control takes
    // it over and gives it the title when it has no text). Returns the tab's index.
    int addTabWidget(const QString& title, QWidget* page, CTabButton* customButton = nullptr);
    int count() const;
    int currentIndex() const;
    void setCurrentIndex(int index);
    QString tabTitle(int index) const;
    QWidget* widget(int index) const;
    QWidget* currentWidget() const;
    CTabButton* tabButton(int index) const;

    bool handleEvent(int eventId, int a, int b, const QString& text, void* data) override;

signals:
    void currentChanged(int index);

private:
    struct Tab
    {
        QString title;
        CTabButton* button;
    };

    QWidget* m_bar;
    QHBoxLayout* m_barLayout;
    QStackedWidget* m_stack;
    QList<Tab> m_tabs;
};

} // namespace Kx
