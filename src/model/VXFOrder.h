#pragma once
#include <QString>

namespace vx {

// A customer order. For now only the header fields the fittings engine reads: the profile
// colours that colour-dependent elements take.
class TvxfOrder {
public:
    TvxfOrder();
    ~TvxfOrder();
    TvxfOrder(const TvxfOrder&) = delete;
    TvxfOrder& operator=(const TvxfOrder&) = delete;

    QString InnerProfColor;
    QString OuterProfColor;
};

} // namespace vx
