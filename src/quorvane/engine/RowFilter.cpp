#include "engine/RowFilter.h"

#include "engine/SqlLiterals.h"

#include <QString>

#include <stdexcept>

namespace quorvane {

namespace {

// A field's number, null-safe: an empty field is 0.
db::Decimal fieldNumber(const std::string& text, const char* field)
{
    const QString trimmed = QString::fromStdString(text).trimmed();
    if (trimmed.isEmpty())
        return {};
    if (auto number = db::Decimal::parse(trimmed.toStdString()))
        return *number;
    throw std::invalid_argument(std::string(field) + " \"" + text + "\" is not a plain number");
}

// round(n × p, decimals), half away from zero, computed exactly.
db::Decimal roundedProduct(const db::Decimal& n, const db::Decimal& p, int decimals)
{
    const __int128 product = static_cast<__int128>(n.mantissa) * p.mantissa;
    const int scale = n.scale + p.scale;
    if (scale <= decimals)
        return db::Decimal{static_cast<std::int64_t>(product), scale}.rescaled(decimals);
    __int128 divisor = 1;
    for (int i = decimals; i < scale; ++i)
        divisor *= 10;
    __int128 quotient = product / divisor;
    const __int128 remainder = product % divisor;
    if (2 * (remainder < 0 ? -remainder : remainder) >= divisor)
        quotient += product < 0 ? -1 : 1;
    return {static_cast<std::int64_t>(quotient), decimals};
}

// The panel's number field and its percentage field, by name and value.
struct NumberFields {
    const char* number;
    const std::string& numberText;
    const char* percent;
    const std::string& percentText;
};

// One comparison of expression x with the field's number: "=", ">=", "<=", or a band of a percentage
// around it (p the percentage as a fraction to 3 decimals, t the band's half width to `decimals`).
std::string comparison(const std::string& op, const std::string& x, const NumberFields& fields, int decimals)
{
    const db::Decimal n = fieldNumber(fields.numberText, fields.number);
    if (op == "1")
        return "   " + x + " = " + sqlNumber(n);
    if (op == "2")
        return "   " + x + " >= " + sqlNumber(n);
    if (op == "3")
        return "   " + x + " <= " + sqlNumber(n);
    if (op != "4")
        return {};
    const db::Decimal percent = fieldNumber(fields.percentText, fields.percent);
    const db::Decimal p = db::Decimal{percent.mantissa, percent.scale + 2}.rescaled(3);
    db::Decimal t = roundedProduct(n, p, decimals);
    if (t.mantissa < 0)
        t = -t;
    return "   " + x + " BETWEEN " + sqlNumber(n - t) + " AND " + sqlNumber(n + t);
}

} // namespace

std::string rowFilter(const SelectionParameters& selection, const AmountExpressions& expressions,
                      const EngineSettings& settings)
{
    const std::string amount =
        comparison(selection.CBO_SELPERIMP, expressions.amount,
                   {"TXT_IMPORTO", selection.TXT_IMPORTO, "TXT_PERC", selection.TXT_PERC}, settings.amountDecimals);
    // The quantity operator counts only while quantity management is on.
    const std::string quantity = selection.CHK_QUANTITA == "1"
        ? comparison(selection.CBO_SELPERQTA, expressions.quantity,
                     {"TXT_QUANTITA", selection.TXT_QUANTITA, "TXT_PERCQTA", selection.TXT_PERCQTA},
                     settings.quantityDecimals)
        : std::string();
    if (!amount.empty() && !quantity.empty())
        return amount + " AND " + quantity;
    return amount.empty() ? quantity : amount;
}

} // namespace quorvane
