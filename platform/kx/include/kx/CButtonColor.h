#pragma once

#include "kx/KxGlobal.h"

#include <QString>

namespace Kx {

// The colour keys of a button's four looks, resolved through CUiResource by whoever paints.
class KX_EXPORT CButtonColor
{
public:
    enum State
    {
        Normal,
        Hover,
        Pressed,
        Disabled
    };

    CButtonColor() = default;
    // One key for every state.
    explicit CButtonColor(const QString& key);
    CButtonColor(const QString& normal, const QString& hover, const QString& pressed,
                 const QString& disabled);

    QString key(State state) const;
    void setKey(State state, const QString& key);

    bool operator==(const CButtonColor& other) const;
    bool operator!=(const CButtonColor& other) const { return !(*this == other); }

private:
    QString m_keys[4];
};

} // namespace Kx
