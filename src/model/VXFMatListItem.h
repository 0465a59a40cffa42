#pragma once
#include "foundation/VXMoney.h"
#include <QString>

namespace vx {

// One line of a sash's priced material list.
struct TvxfMatListItem {
    QString Article;
    float Quantity = 0;     // length in mm × count / 1000 for items with a length, else the count
    TMoney Price;
    float ExtraRate = 0;    // carried through files and copies
    TMoney Discount;        // carried through files and copies
    TMoney NetPrice;
    TMoney Sum;
};

} // namespace vx
