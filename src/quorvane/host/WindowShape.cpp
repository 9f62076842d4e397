#include "WindowShape.h"

#include "UserSettings.h"

#include "controls/DataGrid.h"

#include <QSettings>

namespace quorvane::host {
namespace {

const QString sizeKey = QStringLiteral("finestra/dimensione");
const QString splitKey = QStringLiteral("finestra/divisione");
const QString gridsGroup = QStringLiteral("finestra/colonne");

} // namespace

WindowShape readWindowShape()
{
    QSettings settings(QSettings::UserScope, settingsOrganisation, settingsApplication);
    WindowShape shape;
    shape.size = settings.value(sizeKey).toSize();
    shape.detailSplitPercentage = settings.value(splitKey, 0).toInt();
    settings.beginGroup(gridsGroup);
    for (const QString& grid : settings.childGroups()) {
        settings.beginGroup(grid);
        for (const QString& key : settings.childKeys())
            shape.grids[grid][key] = settings.value(key).toInt();
        settings.endGroup();
    }
    settings.endGroup();
    return shape;
}

void keepWindowShape(const WindowShape& shape)
{
    QSettings settings(QSettings::UserScope, settingsOrganisation, settingsApplication);
    if (shape.size.isValid())
        settings.setValue(sizeKey, shape.size);
    if (shape.detailSplitPercentage > 0)
        settings.setValue(splitKey, shape.detailSplitPercentage);
    for (const auto& [grid, widths] : shape.grids) {
        settings.remove(gridsGroup + QLatin1Char('/') + grid);
        settings.beginGroup(gridsGroup + QLatin1Char('/') + grid);
        for (const auto& [key, width] : widths)
            settings.setValue(key, width);
        settings.endGroup();
    }
}

ColumnWidths columnWidths(const controls::DataGrid& grid)
{
    ColumnWidths widths;
    const std::vector<controls::DataGridColumn>& columns = grid.columns();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int column = static_cast<int>(i);
        if (!grid.isColumnHidden(column) && grid.columnWidth(column) > 0)
            widths[columns[i].key] = grid.columnWidth(column);
    }
    return widths;
}

void applyColumnWidths(controls::DataGrid& grid, const ColumnWidths& widths)
{
    const std::vector<controls::DataGridColumn>& columns = grid.columns();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const auto width = widths.find(columns[i].key);
        if (width != widths.end() && width->second > 0)
            grid.setColumnWidth(static_cast<int>(i), width->second);
    }
}

} // namespace quorvane::host
