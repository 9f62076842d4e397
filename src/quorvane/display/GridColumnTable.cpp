#include "display/GridColumnTable.h"

#include "hostfw/Phrases.h"

namespace quorvane::display {

namespace {

bool shown(ShownWhen when, const GridLayoutSettings& s)
{
    switch (when) {
    case ShownWhen::Always: return true;
    case ShownWhen::Intercompany: return s.intercompany;
    case ShownWhen::Sites: return s.siteSetting == 1;
    case ShownWhen::LineSites: return s.siteSetting == 1 && s.lineSiteSetting == 1;
    case ShownWhen::ProjectStructure: return s.projectStructure != 2;
    case ShownWhen::Qev: return s.qevIntegration;
    }
    return false;
}

QString captionOf(const GridColumnRow& row, const GridLayoutSettings& s)
{
    const QString key = QString::fromLatin1(row.key);
    if (key == QLatin1String("DARE"))
        return s.debitCaption;
    if (key == QLatin1String("AVERE"))
        return s.creditCaption;
    return hostfw::userText(row.caption);
}

std::optional<bool> optionOf(ColumnOption option)
{
    if (option == ColumnOption::Omitted)
        return std::nullopt;
    return option == ColumnOption::On;
}

} // namespace

std::vector<controls::DataGridColumn> columnsOf(const std::vector<GridColumnRow>& table,
                                                const GridLayoutSettings& settings)
{
    std::vector<controls::DataGridColumn> columns;
    for (const GridColumnRow& row : table) {
        if (!shown(row.when, settings))
            continue;
        controls::DataGridColumn column;
        column.key = QString::fromLatin1(row.key);
        column.caption = captionOf(row, settings);
        column.kind = row.kind;
        column.widthTwips = row.widthTwips;
        column.option = optionOf(row.option);
        column.numberFormat = row.formatted ? settings.amountFormat : QString();
        columns.push_back(std::move(column));
    }
    return columns;
}

} // namespace quorvane::display
