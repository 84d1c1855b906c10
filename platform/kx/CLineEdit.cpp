#include "kx/CLineEdit.h"
#include "kx/CUiResource.h"

namespace Kx {

CLineEdit::CLineEdit(int id, QWidget* parent) : CEventWidgetT<QLineEdit>(parent), m_id(id)
{
    connect(this, &QLineEdit::returnPressed, this,
            [this]() { deliverEvent(EventReturnPressed, m_id, 0, text(), this); });
}

CLineEdit::~CLineEdit() = default;

int CLineEdit::id() const
{
    return m_id;
}

void CLineEdit::setEmptyHint(const QString& text, const QString& colorKey)
{
    setPlaceholderText(text);
    m_hintColorKey = colorKey;
    applyHintColor();
}

void CLineEdit::themeChanged()
{
    applyHintColor();
}

void CLineEdit::applyHintColor()
{
    if (m_hintColorKey.isEmpty())
        return;
    QPalette p = palette();
    p.setColor(QPalette::PlaceholderText,
               *utils::CSingletonT<CUiResource>::instance()->getColor(m_hintColorKey));
    setPalette(p);
}

} // namespace Kx
