#include "hostfw/CurrencyDecode.h"

#include "hostfw/SqlLiteral.h"

namespace hostfw {

std::optional<QString> CurrencyDecode::describe(const controls::CodeRequest&, const QString& code) const
{
    db::Recordset rows = connection_.Open("SELECT CG08_DESCR FROM CG08_VALUTE WITH (NOLOCK) WHERE CG08_CODICE = "
                                          + sqlQuoted(code.trimmed()));
    if (rows.RecordCount() == 0)
        return std::nullopt;
    return QString::fromStdString(rows.valueAt(0, 0).toText());
}

std::vector<controls::CodeEntry> CurrencyDecode::entries(const controls::CodeRequest&, const QString& filter,
                                                         int limit) const
{
    std::string where;
    if (!filter.isEmpty())
        where = " WHERE CG08_CODICE LIKE " + sqlQuoted(filter + "%") + " OR CG08_DESCR LIKE "
            + sqlQuoted("%" + filter + "%");
    db::Recordset rows = connection_.Open("SELECT TOP " + std::to_string(limit)
                                          + " CG08_CODICE, CG08_DESCR FROM CG08_VALUTE WITH (NOLOCK)" + where
                                          + " ORDER BY CG08_CODICE");
    std::vector<controls::CodeEntry> entries;
    for (long r = 0; r < rows.RecordCount(); ++r)
        entries.push_back({QString::fromStdString(rows.valueAt(r, 0).toText()),
                           QString::fromStdString(rows.valueAt(r, 1).toText())});
    return entries;
}

} // namespace hostfw
