#pragma once

#include "kx/CGridImage.h"
#include "kx/KxGlobal.h"

namespace Kx {

// An image holding several states side by side (normal, hover, pressed...): one state is
// the natural width divided by the number of states.
class KX_EXPORT CNStateGridImage : public CGridImage
{
public:
    explicit CNStateGridImage(const QString& key, int states = 1);
    ~CNStateGridImage() override;

    int width() const;
    int height() const;
    int states() const;

private:
    int m_states;
};

} // namespace Kx
