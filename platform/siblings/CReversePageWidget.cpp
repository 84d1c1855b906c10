#include "siblings/CReversePageWidget.h"

#include "data/TTError.h"

namespace Ocv {

CReversePageWidget::CReversePageWidget(bool editable, int tradeType, QWidget* parent)
    : Kx::CBaseWidget(QStringLiteral("reverse_page"), false, parent), m_editable(editable), m_tradeType(tradeType)
{
}

CReversePageWidget::~CReversePageWidget() = default;

void CReversePageWidget::setBasicInfo(const QString& systemName)
{
    m_systemName = systemName;
}

int CReversePageWidget::dataCodeFor(int tradeType)
{
    return tradeType == 2 || tradeType == 1024 ? 23434 : 23435;
}

void CReversePageWidget::onActive() {}

void CReversePageWidget::query() {}

void CReversePageWidget::onQueried(quint64, const utils::TTError&, const std::vector<ttservice::IDataPtr>&) {}

void CReversePageWidget::save() {}

void CReversePageWidget::onSaved(quint64, const utils::TTError&) {}

void CReversePageWidget::setMessage(const QString&) {}

void CReversePageWidget::setBusy(bool) {}

} // namespace Ocv
