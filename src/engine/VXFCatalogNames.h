#pragma once
#include <QString>

namespace vx {

// What the geometry needs from the catalog: the display name of a fittings component.
class TCatalogNames {
public:
    virtual ~TCatalogNames() = default;
    virtual QString ComponentName(const QString& frnCompId) const = 0;
};

} // namespace vx
