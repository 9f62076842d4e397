#include "hostfw/MovementTypeCatalogue.h"

namespace hostfw {

namespace {

std::optional<QDate> dateOf(const db::Value& value)
{
    if (value.isNull())
        return std::nullopt;
    const db::DateTime date = value.asDateTime();
    return QDate(date.year(), date.month(), date.day());
}

QString textOf(const db::Value& value)
{
    return QString::fromStdString(value.toText());
}

} // namespace

std::vector<controls::MovementType> MovementTypeCatalogue::movementTypes() const
{
    db::Recordset rows = connection_.Open(
        "SELECT CGT0_CODICE, CGT0_DESCR, CGT0_DESCRMEDIA, CGT0_DESCRBREVE, CGT0_INDTIPO, CGT0_DATAINIZIOVALIDITA,"
        " CGT0_DATAFINEVALIDITA FROM CGT0_TIPOMOV WITH (NOLOCK) ORDER BY CGT0_CODICE");
    std::vector<controls::MovementType> types;
    for (long r = 0; r < rows.RecordCount(); ++r)
        types.push_back({int(rows.valueAt(r, 0).toDouble()), textOf(rows.valueAt(r, 1)), textOf(rows.valueAt(r, 2)),
                         textOf(rows.valueAt(r, 3)), int(rows.valueAt(r, 4).toDouble()), dateOf(rows.valueAt(r, 5)),
                         dateOf(rows.valueAt(r, 6))});
    return types;
}

} // namespace hostfw
