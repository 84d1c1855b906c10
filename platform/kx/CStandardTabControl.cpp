#include "kx/CStandardTabControl.h"
#include "kx/CTabButton.h"

#include <QHBoxLayout>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace Kx {

CStandardTabControl::CStandardTabControl(QWidget* parent)
    : CBaseWidget(QStringLiteral("kx_standard_tab_control"), false, parent), m_bar(new QWidget(this)),
      m_barLayout(new QHBoxLayout(m_bar)), m_stack(new QStackedWidget(this))
{
    m_barLayout->setContentsMargins(0, 0, 0, 0);
    m_barLayout->setSpacing(0);
    m_barLayout->addStretch(1);

    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    box->addWidget(m_bar);
    box->addWidget(m_stack, 1);
}

CStandardTabControl::~CStandardTabControl() = default;

int CStandardTabControl::addTabWidget(const QString& title, QWidget* page, CTabButton* customButton)
{
    if (!page)
        return -1;
    const int index = m_tabs.size();
    CTabButton* button = customButton ? customButton : new CTabButton(index, m_bar, false);
    button->setParent(m_bar);
    if (button->text().isEmpty())
        button->setText(title);
    m_barLayout->insertWidget(index, button);
    button->show();

    m_tabs.append({title, button});
    m_stack->addWidget(page);
    button->setChecked(m_stack->currentIndex() == index);
    return index;
}

int CStandardTabControl::count() const
{
    return m_tabs.size();
}

int CStandardTabControl::currentIndex() const
{
    return m_stack->currentIndex();
}

void CStandardTabControl::setCurrentIndex(int index)
{
    if (index < 0 || index >= m_tabs.size())
        return;
    const bool changed = index != m_stack->currentIndex();
    m_stack->setCurrentIndex(index);
    for (int i = 0; i < m_tabs.size(); ++i)
        m_tabs[i].button->setChecked(i == index);
    if (!changed)
        return;
    activateTree(m_stack->widget(index));
    emit currentChanged(index);
}

QString CStandardTabControl::tabTitle(int index) const
{
    return index >= 0 && index < m_tabs.size() ? m_tabs[index].title : QString();
}

QWidget* CStandardTabControl::widget(int index) const
{
    return m_stack->widget(index);
}

QWidget* CStandardTabControl::currentWidget() const
{
    return m_stack->currentWidget();
}

CTabButton* CStandardTabControl::tabButton(int index) const
{
    return index >= 0 && index < m_tabs.size() ? m_tabs[index].button : nullptr;
}

bool CStandardTabControl::handleEvent(int eventId, int a, int b, const QString& text, void* data)
{
    if (eventId == CTabButton::EventButtonClicked) {
        for (int i = 0; i < m_tabs.size(); ++i) {
            if (static_cast<void*>(m_tabs[i].button) == data) {
                setCurrentIndex(i);
                return true;
            }
        }
    }
    return CBaseWidget::handleEvent(eventId, a, b, text, data);
}

} // namespace Kx
