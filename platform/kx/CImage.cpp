#include "kx/CImage.h"

namespace Kx {

CImage::CImage(const QString& key) : CNStateGridImage(key, 1) {}

CImage::~CImage() = default;

} // namespace Kx
