#pragma once
#include <memory>

namespace vx {

class TvxfOrder;
struct TOrderJsonInput;

// A new order from the build input, as the order window makes one: the new order's defaults,
// then the header fields the input gives, the order published as the pricing context, then each
// position as the position dialog's OK builds it and, when it has fittings, as the fittings
// dialog's apply sets them. A failing position raises "%s\r\n[Позиция: %s]" and no order is
// given back. Needs the settings and the data module with the catalog open.
std::unique_ptr<TvxfOrder> BuildOrder(const TOrderJsonInput& input);

} // namespace vx
