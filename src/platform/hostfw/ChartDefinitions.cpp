#include "ChartDefinitions.h"

#include <QStringList>

namespace hostfw {

ChartDefinitions ChartDefinitions::read(db::Connection& connection)
{
    db::Recordset rows = connection.Open("SELECT PC02_CODICE_PC01, PC02_DIMENSIONE FROM PC02_CONFIGPDC WITH (NOLOCK)"
                                         " ORDER BY PC02_CODICE_PC01, PC02_PROG");
    std::map<int, std::vector<int>> sizes;
    for (; !rows.EOF_(); rows.MoveNext())
        sizes[int(rows.value(0).toDouble())].push_back(int(rows.value(1).toDouble()));
    return ChartDefinitions(std::move(sizes));
}

const std::vector<int>& ChartDefinitions::segmentSizes(int chart) const
{
    static const std::vector<int> none;
    const auto it = sizes_.find(chart);
    return it == sizes_.end() ? none : it->second;
}

QString ChartDefinitions::format(const QString& code, int chart) const
{
    QString rest = code;
    while (rest.endsWith(QLatin1Char(' ')))
        rest.chop(1);
    const std::vector<int>& sizes = segmentSizes(chart);
    if (sizes.empty() || rest.contains(separator))
        return rest;
    QStringList segments;
    for (std::size_t level = 0; level < sizes.size() && !rest.isEmpty(); ++level) {
        const bool last = level + 1 == sizes.size();
        const int take = last ? int(rest.size()) : sizes[level];
        segments << rest.left(take);
        rest = rest.mid(take);
    }
    return segments.join(separator);
}

} // namespace hostfw
