#include "kx/CNStateGridImage.h"
#include "kx/CUiResource.h"

#include <algorithm>

namespace Kx {

CNStateGridImage::CNStateGridImage(const QString& key, int states)
    : CGridImage(key), m_states(std::max(1, states))
{
}

CNStateGridImage::~CNStateGridImage() = default;

int CNStateGridImage::width() const
{
    return utils::CSingletonT<CUiResource>::instance()->imageSize(key()).width() / m_states;
}

int CNStateGridImage::height() const
{
    return utils::CSingletonT<CUiResource>::instance()->imageSize(key()).height();
}

int CNStateGridImage::states() const
{
    return m_states;
}

} // namespace Kx
