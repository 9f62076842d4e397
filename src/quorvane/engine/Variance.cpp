#include "engine/Variance.h"

#include <cmath>

namespace quorvane {

Variance varianceOf(const db::Decimal& balance, const db::Decimal& comparison)
{
    Variance variance{balance - comparison, std::nullopt};
    const double base = std::abs(comparison.toDouble());
    if (base != 0)
        variance.percent = db::Decimal::fromDouble(variance.amount.toDouble() / base * 100, 2);
    return variance;
}

} // namespace quorvane
