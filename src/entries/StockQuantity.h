#pragma once

#include "common/TextNumber.h"

namespace zedur {

// Whether taking `quantity` leaves less than nothing of what `remaining` says is left. The
// stock is compared as the user sees it, at four decimals: a receipt of 1 with 0.9 taken
// leaves 0.09999999999999998, which is the 0.1000 shown and may be taken in full.
inline bool exceeds(double quantity, double remaining)
{
    return quantity > roundDecimals(remaining, 4);
}

} // namespace zedur
