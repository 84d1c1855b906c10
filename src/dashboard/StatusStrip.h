#pragma once

#include <QString>

#include <array>
#include <memory>

class QWidget;

namespace Kx {
class CBaseWidget;
class CImage;
} // namespace Kx

namespace Ocv {

// What the service strip and the host-resource strip share.
namespace StatusStrip {

using Images = std::array<std::unique_ptr<Kx::CImage>, 5>;

// Images "<prefix>1" to "<prefix>4", and "<prefix>5" when withFifth.
Images makeImages(const QString& prefix, bool withFifth);

// Sizes the strip for the normal or the wide layout and turns on mouse tracking.
void setUp(QWidget* strip, int height);

// Pointer handling: a hand cursor for users who may open the system-status view, and a click
// that asks the host to open it (text tells the host which strip asked).
void updateCursor(QWidget* strip);
void openStatusView(Kx::CBaseWidget* strip, const QString& text);

} // namespace StatusStrip
} // namespace Ocv
