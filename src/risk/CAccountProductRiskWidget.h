#pragma once

#include "WelcomeGlobal.h"
#include "kx/CBaseWidget.h"

namespace Ocv {

// The risk overview of the quick-operation tab. Its tiles and risk widgets are placed here;
// for now it only keeps the system it was switched to.
class WELCOME_EXPORT CAccountProductRiskWidget : public Kx::CBaseWidget
{
    Q_OBJECT
public:
    explicit CAccountProductRiskWidget(QWidget* parent);
    ~CAccountProductRiskWidget() override;

    void switchSystem(int systemId, QString systemName);
    void setParam(const QString& param) override;
    QString param() const override;

    int systemId() const { return m_systemId; }
    QString systemName() const { return m_systemName; }

private:
    int m_systemId = 0;
    QString m_systemName;
};

} // namespace Ocv
