#include "export/ExportComparison.h"

#include "engine/AnalysisTexts.h"

namespace quorvane::exporting {

ExportComparison exportComparison(const GroupTree& tree, const std::vector<NodeFigures>& figures,
                                  const db::Decimal& selection, const std::function<QString(int)>& text)
{
    ExportComparison comparison;
    comparison.selection = selection;
    comparison.comparisonCaption = text(textComparisonColumn);
    comparison.varianceCaption = text(textVarianceColumn);
    comparison.variancePercentCaption = text(textVariancePercentColumn);
    for (std::size_t i = 0; i < figures.size() && i < tree.size(); ++i)
        if (figures[i].comparison)
            comparison.groups.emplace(&tree.node(i), *figures[i].comparison);
    return comparison;
}

ExportColumns withComparisonColumns(ExportColumns columns, const ExportComparison& comparison)
{
    const std::optional<std::size_t> balance = columns.find("SALDO");
    ExportColumn amount;
    amount.kind = CellKind::Measure;
    amount.decimals = balance ? columns[*balance].decimals : 2;
    amount.digits = balance ? columns[*balance].digits : 15;
    amount.grid.kind = controls::ColumnKind::Number;
    for (const auto& [key, caption] : {std::pair{comparisonKey, &comparison.comparisonCaption},
                                       std::pair{varianceKey, &comparison.varianceCaption},
                                       std::pair{variancePercentKey, &comparison.variancePercentCaption}}) {
        ExportColumn column = amount;
        column.grid.key = QString::fromLatin1(key);
        column.grid.caption = *caption;
        if (key == variancePercentKey)
            column.decimals = 2;
        columns.add(std::move(column));
    }
    return columns;
}

} // namespace quorvane::exporting
