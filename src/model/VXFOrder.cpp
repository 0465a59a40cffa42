#include "model/VXFOrder.h"

namespace vx {

TvxfOrder::TvxfOrder() = default;

TvxfOrder::~TvxfOrder() = default;

} // namespace vx
