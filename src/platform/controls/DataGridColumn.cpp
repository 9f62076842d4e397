#include "controls/DataGridColumn.h"

#include <cmath>

namespace controls {

int twipsToPixels(int twips, int dotsPerInch)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) * dotsPerInch / 1440.0));
}

} // namespace controls
