#include "kx/CLineEdit.h"
#include "kx/CUiResource.h"

namespace Kx {

CLineEdit::CLineEdit(int id, QWidget* parent) : CEventWidgetT<QLineEdit>(parent), m_id(id)
{
    connect(this, &QLineEdit::returnPressed, this, &CLineEdit::onReturnPressed);
}

CLineEdit::~CLineEdit() = default;

int CLineEdit::id() const
{
    return m_id;
}

void CLineEdit::setReturnEvent(int eventId)
{
    if (eventId == EventReturnPressed || eventId == EventReturnPressed2)
        m_returnEvent = eventId;
}

int CLineEdit::returnEvent() const
{
    return m_returnEvent;
}

void CLineEdit::onReturnPressed()
{
    if (m_returnEvent == EventReturnPressed2 && !hasFocus())
        return;
    deliverEvent(m_returnEvent, m_id, 0, text(), this);
}

void CLineEdit::setEmptyHint(const QString& text, const QString& colorKey)
{
    setPlaceholderText(text);
    m_hintColorKey = colorKey;
    applyHintColor();
}

void CLineEdit::setFontKey(const QString& key)
{
    m_fontKey = key;
    applyFont();
}

void CLineEdit::themeChanged()
{
    applyHintColor();
    applyFont();
}

void CLineEdit::applyFont()
{
    if (!m_fontKey.isEmpty())
        setFont(*utils::CSingletonT<CUiResource>::instance()->getFont(m_fontKey));
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
