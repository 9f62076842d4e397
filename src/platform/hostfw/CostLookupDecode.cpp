#include "hostfw/CostLookupDecode.h"

#include "hostfw/SqlLiteral.h"

#include <stdexcept>

namespace hostfw {

CostLookupDecode::CostLookupDecode(QObject* parent) : QObject(parent) {}

CostLookupDecode::CostLookupDecode(db::Connection& connection, int company, int chart, AccountKind kind)
    : connection_(&connection), company_(company), chart_(chart), kind_(kind)
{
}

db::Connection& CostLookupDecode::chartConnection() const
{
    if (!connection_)
        throw std::logic_error("the cost-accounting connector of the programs reads no chart");
    return *connection_;
}

controls::CodeRequest CostLookupDecode::request() const
{
    return {kind_ == AccountKind::CostCentre ? QStringLiteral("C.d.C.") : QStringLiteral("V.d.S."), 0, {}, {}};
}

std::string CostLookupDecode::chartCondition(const controls::CodeRequest& request) const
{
    std::string where = " WHERE PC03_DITTA_CG18 = " + std::to_string(company_)
        + " AND PC03_CODICE_PC01 = " + std::to_string(chart_);
    if (request.level > 0)
        where += " AND PC03_LIVELLO = " + std::to_string(request.level);
    return where;
}

std::optional<QString> CostLookupDecode::describe(const controls::CodeRequest& request, const QString& code) const
{
    db::Recordset rows = chartConnection().Open("SELECT PC03_DESCR FROM PC03_ANAGPDC WITH (NOLOCK)" + chartCondition(request)
                                          + " AND PC03_CONTO = " + sqlQuoted(code));
    if (rows.RecordCount() == 0)
        return std::nullopt;
    return QString::fromStdString(rows.valueAt(0, 0).toText());
}

std::vector<controls::CodeEntry> CostLookupDecode::entries(const controls::CodeRequest& request, const QString& filter,
                                                           int limit) const
{
    std::string where = chartCondition(request);
    if (!filter.isEmpty())
        where += " AND (PC03_CONTO LIKE " + sqlQuoted(filter + "%") + " OR PC03_DESCR LIKE "
            + sqlQuoted("%" + filter + "%") + ")";
    db::Recordset rows = chartConnection().Open("SELECT TOP " + std::to_string(limit)
                                          + " PC03_CONTO, PC03_DESCR FROM PC03_ANAGPDC WITH (NOLOCK)" + where
                                          + " ORDER BY PC03_CONTO");
    std::vector<controls::CodeEntry> entries;
    for (long r = 0; r < rows.RecordCount(); ++r)
        entries.push_back({QString::fromStdString(rows.valueAt(r, 0).toText()),
                           QString::fromStdString(rows.valueAt(r, 1).toText())});
    return entries;
}

std::optional<QString> CostLookupDecode::Lookup(const controls::LookupChooser& chooser, const QString& filter,
                                                QWidget* parent) const
{
    return chooser(controls::LookupTarget{this, request()}, filter, parent);
}

} // namespace hostfw
