#include "MovementGridTools.h"

#include "controls/DataGrid.h"
#include "controls/LabelField.h"

#include <QLineEdit>

namespace quorvane::host {
namespace {

constexpr const char* debitKey = "DARE";
constexpr const char* creditKey = "AVERE";

QString shownTotalsText(const controls::DataGridModel& model, const GridSides& sides)
{
    const controls::DataGridModel::ShownTotals& totals = model.shownTotals();
    return QStringLiteral("%1: %2    %3: %4    %5: %6    %7: %8")
        .arg(sides.lines, QString::number(totals.rows), sides.debit, model.amountText(totals.debit), sides.credit,
             model.amountText(totals.credit), sides.balance, model.amountText(totals.balance));
}

} // namespace

void addRunningBalance(controls::DataGrid& grid, const GridSides& sides)
{
    grid.gridModel()->setRunningBalance(sides.runningBalance, QString::fromLatin1(debitKey),
                                        QString::fromLatin1(creditKey));
}

void connectGridTools(controls::DataGrid& grid, QLineEdit& filter, controls::LabelField& totals,
                      const GridSides& sides)
{
    controls::DataGridModel& model = *grid.gridModel();
    grid.setColumnWidth(model.runningBalanceColumn(), grid.columnWidth(model.columnOf(QString::fromLatin1(debitKey))));
    QObject::connect(&filter, &QLineEdit::textChanged, &grid, [&grid](const QString& text) { grid.setQuickFilter(text); });
    QObject::connect(grid.gridModel(), &controls::DataGridModel::rowsShown, &totals,
                     [&grid, &totals, sides] { totals.setText(shownTotalsText(*grid.gridModel(), sides)); });
}

} // namespace quorvane::host
