#pragma once

#include "kx/CNStateGridImage.h"
#include "kx/KxGlobal.h"

namespace Kx {

// A single-state theme image.
class KX_EXPORT CImage : public CNStateGridImage
{
public:
    explicit CImage(const QString& key);
    ~CImage() override;
};

} // namespace Kx
