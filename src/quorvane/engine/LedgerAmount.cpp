#include "engine/LedgerAmount.h"

namespace quorvane {

db::Decimal ledgerAmount(const db::Value& value)
{
    if (value.isDecimal())
        return value.asDecimal();
    return value.isNull() ? db::Decimal{} : db::Decimal::fromDouble(value.toDouble(), ledgerDecimals);
}

db::Decimal withoutTrailingZeros(const db::Decimal& amount, int decimals)
{
    db::Decimal trimmed = amount;
    while (trimmed.scale > decimals && trimmed.mantissa % 10 == 0)
        trimmed = {trimmed.mantissa / 10, trimmed.scale - 1};
    return trimmed.scale < decimals ? trimmed.rescaled(decimals) : trimmed;
}

} // namespace quorvane
