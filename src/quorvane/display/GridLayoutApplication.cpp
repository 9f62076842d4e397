#include "display/GridLayoutApplication.h"

#include "display/CurrencySuffix.h"

namespace quorvane::display {

void layOutGrid(controls::DataGrid& grid, const GridLayout& layout)
{
    grid.resetLayout();
    grid.setKeyField(layout.keyField);
    if (layout.rowHeightPoints)
        grid.setDefaultRowHeight(*layout.rowHeightPoints);
    for (const controls::DataGridColumn& column : layout.columns)
        grid.addColumn(column);
    grid.closeColumnList();
    for (const auto& [key, alignment] : layout.alignments)
        grid.setColumnAlignment(key, alignment);
    for (const auto& [key, decimals] : layout.decimals)
        grid.setColumnDecimals(key, decimals);
    for (const auto& [key, twips] : layout.widths)
        grid.setColumnWidthTwips(key, twips);
    grid.applyLayout();
    addCurrencySuffix(grid, layout.currencyColumns, layout.currencyText);
}

void addCurrencySuffix(controls::DataGrid& grid, const std::vector<QString>& columns, const QString& currencyText)
{
    for (const QString& key : columns)
        grid.setColumnCaption(key, captionWithCurrency(grid.columnCaption(key), currencyText));
}

} // namespace quorvane::display
