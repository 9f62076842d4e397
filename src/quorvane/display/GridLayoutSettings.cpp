#include "display/GridLayoutSettings.h"

#include <cmath>

namespace quorvane::display {

int scaledTwips(int designTwips, const GridLayoutSettings& settings)
{
    return static_cast<int>(std::lround(designTwips * settings.horizontalScale));
}

} // namespace quorvane::display
