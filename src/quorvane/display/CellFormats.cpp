#include "display/CellFormats.h"

#include "hostfw/CostUtilities.h"

#include <cmath>

namespace quorvane::display {

namespace {

QVariant asVariant(const db::Value& value)
{
    return value.isNull() ? QVariant() : QVariant(QString::fromStdString(value.toText()));
}

// A coded value of the row, when the utilities do not call it empty.
std::optional<int> codeOf(const controls::DataGridRow& row, const char* field)
{
    const db::Value value = row.value(field);
    if (hostfw::CostUtilities::isEmpty(asVariant(value)))
        return std::nullopt;
    return static_cast<int>(std::lround(value.toDouble()));
}

bool textIsEmpty(const QString& text)
{
    return hostfw::CostUtilities::isEmpty(QVariant(text));
}

} // namespace

void CellFormats::format(const QString& key, QString& text, const controls::DataGridRow& row) const
{
    const bool movements = grid == MovementGrid::Movements;
    if (key == QLatin1String("CI13_CONTO_PC03")) {
        if (!textIsEmpty(text))
            text = texts.formatAccount(text, costCentreChart);
    } else if (key == QLatin1String("CI13_VDS_PC03")) {
        if (!textIsEmpty(text))
            text = texts.formatAccount(text, expenseItemChart);
    } else if (key == QLatin1String("CG42_CONTOPAR_CG24")) {
        if (!textIsEmpty(text))
            text = texts.formatLedgerAccount(text);
    } else if (key == QLatin1String("CI12_TIPODOC") && movements) {
        if (!textIsEmpty(text))
            text = texts.documentType(text.toInt());
    } else if (key == QLatin1String("CI12_INDTIPOMOV") && movements) {
        if (!textIsEmpty(text))
            text = texts.movementType(text.toInt());
    } else if (key == QLatin1String("DES_CI12_INDPROVENIENZA")) {
        if (const auto origin = codeOf(row, "CI12_INDPROVENIENZA"))
            text = texts.origin(*origin);
    } else if (key == QLatin1String("DES_PC04_INDCOSTORIC")) {
        // The detail rows carry the nature's own indicator; the movement set names it after the expense item.
        if (const auto kind = codeOf(row, movements ? "PC04_INDCOSTORIC_VDS" : "PC04_INDCOSTORIC"))
            text = texts.costRevenueKind(*kind);
    }
}

} // namespace quorvane::display
