#pragma once

#include "WelcomeGlobal.h"
#include "kx/CBaseWidget.h"

#include <array>
#include <memory>

namespace Kx {
class CImage;
class CPushButton;
} // namespace Kx

namespace Ocv {

// The featured risk-control card: two coloured entries whose buttons take the click and start
// nothing yet.
class WELCOME_EXPORT CFeaturedRiskControlWidget : public Kx::CBaseWidget
{
    Q_OBJECT
public:
    explicit CFeaturedRiskControlWidget(QWidget* parent);
    ~CFeaturedRiskControlWidget() override;

    bool handleEvent(int eventId, int a, int b, const QString& text, void* data) override;

    Kx::CPushButton* button(int id) const { return m_buttons[id]; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<Kx::CPushButton*, 2> m_buttons{};
    // Securities reduction, exchange compliance, and the two cards' setting marks.
    std::array<std::unique_ptr<Kx::CImage>, 4> m_images;
};

} // namespace Ocv
