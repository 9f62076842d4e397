#include "export/ExportColumns.h"

#include "display/ColumnDigits.h"
#include "display/CurrencySuffix.h"

#include <algorithm>

namespace quorvane::exporting {
namespace {

// The decimals a money or quantity column shows: its own, or those of its number format.
int decimalsOf(const controls::DataGridColumn& column)
{
    if (column.decimals)
        return *column.decimals;
    const qsizetype point = column.numberFormat.indexOf(QLatin1Char('.'));
    return point < 0 ? 0 : static_cast<int>(column.numberFormat.size() - point - 1);
}

ExportColumn typed(const controls::DataGridColumn& column)
{
    ExportColumn typedColumn{column};
    typedColumn.digits = display::digitsWide(column.widthTwips);
    if (column.kind == controls::ColumnKind::Date) {
        typedColumn.kind = CellKind::Date;
    } else if (column.kind == controls::ColumnKind::Number) {
        const bool measure = !column.numberFormat.isEmpty() || column.decimals;
        typedColumn.kind = measure ? CellKind::Measure : CellKind::Number;
        typedColumn.decimals = measure ? decimalsOf(column) : 0;
    }
    return typedColumn;
}

template <class Change>
void changeColumn(std::vector<controls::DataGridColumn>& columns, const QString& key, Change change)
{
    const auto found = std::find_if(columns.begin(), columns.end(), [&](const auto& c) { return c.key == key; });
    if (found != columns.end())
        change(*found);
}

} // namespace

ExportColumns::ExportColumns(const std::vector<controls::DataGridColumn>& shown)
{
    columns_.reserve(shown.size());
    for (const controls::DataGridColumn& column : shown)
        columns_.push_back(typed(column));
}

std::optional<std::size_t> ExportColumns::find(std::string_view key) const
{
    const QString wanted = QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size()));
    for (std::size_t i = 0; i < columns_.size(); ++i)
        if (columns_[i].grid.key == wanted)
            return i;
    return std::nullopt;
}

void ExportColumns::widen(std::string_view key, double digits)
{
    if (const auto column = find(key))
        columns_[*column].digits = std::max(columns_[*column].digits, digits);
}

std::vector<controls::DataGridColumn> shownColumns(const display::GridLayout& layout, bool quantities)
{
    std::vector<controls::DataGridColumn> columns = layout.columns;
    for (const auto& [key, decimals] : layout.decimals)
        changeColumn(columns, key, [&](auto& c) { c.decimals = decimals; });
    for (const auto& [key, twips] : layout.widths)
        changeColumn(columns, key, [&](auto& c) { c.widthTwips = twips; });
    for (const QString& key : layout.currencyColumns)
        changeColumn(columns, key,
                     [&](auto& c) { c.caption = display::captionWithCurrency(c.caption, layout.currencyText); });
    std::erase_if(columns, [&](const controls::DataGridColumn& c) {
        return !c.visible() || (!quantities && c.key == QLatin1String("QUANTITA"));
    });
    return columns;
}

} // namespace quorvane::exporting
