#include "dashboard/StatusStrip.h"

#include "base/EventIds.h"

#include "data/CVornClientCenter.h"
#include "kx/CBaseWidget.h"
#include "kx/CImage.h"
#include "base/UserChecks.h"
#include "utils/CSingletonT.h"

namespace Ocv {
namespace StatusStrip {

namespace {
constexpr int kWidth = 1520;
constexpr int kWideWidth = 1755;
} // namespace

Images makeImages(const QString& prefix, bool withFifth)
{
    Images images;
    for (int i = 0; i < (withFifth ? 5 : 4); ++i)
        images[i] = std::make_unique<Kx::CImage>(prefix + QString::number(i + 1));
    return images;
}

void setUp(QWidget* strip, int height)
{
    strip->setFixedSize(isWideLayout() ? kWideWidth : kWidth, height);
    strip->setAttribute(Qt::WA_MouseTracking);
}

void updateCursor(QWidget* strip)
{
    if (isStatusViewAllowed() && strip->cursor().shape() != Qt::PointingHandCursor)
        strip->setCursor(Qt::PointingHandCursor);
}

void openStatusView(Kx::CBaseWidget* strip, const QString& text)
{
    if (isStatusViewAllowed() && !utils::CSingletonT<CVornClientCenter>::instance()->isAlgorithmBusClient())
        strip->deliverEvent(EventId::OpenView, -1, ViewId::SystemStatus, text, nullptr);
}

} // namespace StatusStrip
} // namespace Ocv
