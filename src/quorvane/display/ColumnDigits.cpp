#include "display/ColumnDigits.h"

namespace quorvane::display {

double digitsWide(int widthTwips)
{
    return static_cast<double>(widthTwips) / designDigitTwips;
}

} // namespace quorvane::display
