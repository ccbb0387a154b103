// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/outer_height.h"

#include <algorithm>
#include <cmath>

#include "window/layout_data.h"
#include "window/twips.h"

namespace orbalune {

int ClientHeightFor(int outerTwips, int decorationPx, qreal logicalDpi, qreal devicePixelRatio)
{
    const double pxPerTwip = logicalDpi * devicePixelRatio / kTwipsPerInch;
    // The bottom of the time boxes, whole pixels so that no digit loses a row.
    const double timesBottom = std::ceil((layout::kTimeTop + layout::kTimeHeight) * pxPerTwip);
    const double shortfall = std::max(0.0, decorationPx + timesBottom - layout::kShortOuterHeight * pxPerTwip);
    const double clientPx = std::round(outerTwips * pxPerTwip + shortfall) - decorationPx;
    const auto logical = static_cast<int>(std::lround(clientPx / devicePixelRatio));
    return std::max(logical, static_cast<int>(std::ceil(timesBottom / devicePixelRatio)));
}

}  // namespace orbalune
