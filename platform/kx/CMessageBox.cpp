#include "kx/CMessageBox.h"
#include "kx/CPushButton.h"
#include "kx/CSimpleTextWidget.h"

#include <QPointer>

#include <algorithm>
#include <climits>

namespace Kx {

namespace {
const QString kTextColor = QStringLiteral("clr_default");
const QString kWarningColor = QStringLiteral("clr_message_box_warning");
constexpr int kMinTextWidth = 200;
} // namespace

CMessageBox::CMessageBox(QWidget* parent, const QString& title, const QString& text, Buttons buttons,
                         Button defaultButton)
    : CCommonDialog(parent), m_text(new CSimpleTextWidget(0, Qt::AlignLeft | Qt::AlignVCenter, nullptr))
{
    setObjectName(QStringLiteral("message_box"));
    m_text->setObjectName(QStringLiteral("message_box_text"));
    m_text->setText(text, INT_MAX);
    const int width = std::max(kMinTextWidth, m_text->sizeHint().width());
    m_text->setFixedSize(width, m_text->heightForWidth(width));
    setTitle(title);
    setStandardButtons(buttons);
    setDefaultButton(defaultButton);
    setInnerWidget(m_text);
}

CMessageBox::~CMessageBox() = default;

QString CMessageBox::text() const
{
    return m_text->text();
}

void CMessageBox::setWarning(bool warning)
{
    m_text->setTextColorKey(warning ? kWarningColor : kTextColor);
}

CMessageBox::Button CMessageBox::question(QWidget* parent, const QString& title, const QString& text,
                                          Buttons buttons, Button defaultButton)
{
    return run(new CMessageBox(parent, title, text, buttons, defaultButton));
}

CMessageBox::Button CMessageBox::information(QWidget* parent, const QString& title, const QString& text,
                                             Buttons buttons, Button defaultButton)
{
    return run(new CMessageBox(parent, title, text, buttons, defaultButton));
}

CMessageBox::Button CMessageBox::warning(QWidget* parent, const QString& title, const QString& text,
                                         Buttons buttons, Button defaultButton)
{
    auto* box = new CMessageBox(parent, title, text, buttons, defaultButton);
    box->setWarning(true);
    return run(box);
}

void CMessageBox::showEvent(QShowEvent* event)
{
    CCommonDialog::showEvent(event);
    if (CPushButton* target = button(defaultButton()))
        target->setFocus(Qt::OtherFocusReason);
}

CMessageBox::Button CMessageBox::run(CMessageBox* box)
{
    // The parent may go away while the box runs its own event loop, taking the box with it.
    QPointer<CMessageBox> guard(box);
    box->exec();
    if (!guard)
        return Cancel;
    const Button pressed = box->clickedButton() == Ok ? Ok : Cancel;
    delete box;
    return pressed;
}

} // namespace Kx
