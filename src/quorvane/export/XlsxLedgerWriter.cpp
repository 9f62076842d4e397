#include "export/XlsxLedgerWriter.h"

#include "engine/LedgerAmount.h"
#include "engine/Variance.h"
#include "hostfw/Phrases.h"

namespace quorvane::exporting {
namespace {

constexpr double datesFromEpoch = 25569;        // the spreadsheet's day number of 1 January 1970
// Rows go to the writing thread in batches; a few batches waiting keep both threads busy in little memory.
constexpr std::size_t batchRows = 1024;
constexpr std::size_t batchesWaiting = 4;
// The comparison's balance of a group it never had.
const db::Decimal noComparison;

SheetCell textCell(std::size_t column, CellText held, CellStyle style = CellStyle::Plain)
{
    SheetCell cell;
    cell.column = column;
    cell.style = style;
    cell.text = true;
    cell.words = std::move(held.text);
    cell.shortened = held.shortened;
    return cell;
}

SheetCell numberCell(std::size_t column, double number, CellStyle style, int decimals = 0)
{
    SheetCell cell;
    cell.column = column;
    cell.style = style;
    cell.number = number;
    cell.decimals = decimals;
    return cell;
}

} // namespace

XlsxLedgerWriter::XlsxLedgerWriter(const ExportTarget& target, const ExportHeading& heading,
                                   const ExportColumns& columns, const LineCells& cells,
                                   const Countervalue& countervalue, long lines, long rowsPerSheet,
                                   const ExportComparison* comparison)
    : columns_(columns), cells_(cells), countervalue_(countervalue), conversion_(countervalue.conversion()),
      comparison_(comparison), sheets_(target, heading, columns, lines, rowsPerSheet), lastTexts_(columns.size())
{
    writer_ = std::thread([this] { writeBatches(); });
}

XlsxLedgerWriter::~XlsxLedgerWriter()
{
    {
        const std::lock_guard lock(mutex_);
        waiting_.clear();
    }
    stopWriting();
}

void XlsxLedgerWriter::groupOpened(const GroupNode& group, int depth)
{
    SheetRow row{depth - 1, {}};
    row.cells.push_back(textCell(0, sheetText(group.text), CellStyle::Bold));
    hand(std::move(row));
}

void XlsxLedgerWriter::line(const db::Recordset& rows, long viewRow, int depth)
{
    SheetRow row{depth, {}};
    row.cells.reserve(columns_.size());
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        const ExportColumn& column = columns_[c];
        if (column.kind == CellKind::Text) {
            if (const CellText& held = heldText(c, cells_.text(c, rows, viewRow)); !held.text.empty() || held.shortened)
                row.cells.push_back(textCell(c, held));
            continue;
        }
        const db::Value value = cells_.value(c, rows, viewRow);
        if (column.kind == CellKind::Date && value.isDateTime())
            row.cells.push_back(
                numberCell(c, double(value.asDateTime().daysSinceEpoch()) + datesFromEpoch, CellStyle::Date));
        else if (column.kind == CellKind::Measure && value.isNumber())
            row.cells.push_back(
                numberCell(c, ledgerAmount(value).toDouble(), CellStyle::Measure, column.decimals));
        else if (column.kind == CellKind::Number && value.isNumber())
            row.cells.push_back(numberCell(c, value.toDouble(), CellStyle::Plain));
    }
    hand(std::move(row));
}

// A column's text as the cell holds it, prepared here rather than on the writing thread, which the
// spreadsheet library keeps busy; again only when the text changes from the line before.
const CellText& XlsxLedgerWriter::heldText(std::size_t column, const std::string& text)
{
    LastText& last = lastTexts_[column];
    if (!last.filled || last.text != text) {
        last.held = sheetText(text);
        last.text = text;
        last.filled = true;
    }
    return last.held;
}

void XlsxLedgerWriter::groupClosed(const GroupNode& group, int depth, const SelectionTotals& totals)
{
    const db::Decimal* compared = nullptr;
    if (comparison_) {
        const auto found = comparison_->groups.find(&group);
        compared = found != comparison_->groups.end() ? &found->second : &noComparison;
    }
    hand(totalsRow(depth - 1, hostfw::userText("Totale").toStdString() + " " + group.text, totals, compared));
}

void XlsxLedgerWriter::ledgerClosed(const SelectionTotals& totals)
{
    hand(totalsRow(0, hostfw::userText("Totale selezione").toStdString(), totals,
                   comparison_ ? &comparison_->selection : nullptr));
}

// The label, then debit, credit, balance and quantity under their columns, where the grid shows them. The
// amounts are the window's totals: converted and rounded as its totals fields show them. Then, with a
// comparison, the comparison's balance, the variance and its percent.
SheetRow XlsxLedgerWriter::totalsRow(int level, const std::string& label, const SelectionTotals& totals,
                                     const db::Decimal* compared) const
{
    SheetRow row{level, {}};
    const std::string currency = conversion_ ? " (" + conversion_->currency + ")" : "";
    row.cells.push_back(textCell(0, sheetText(label + currency), CellStyle::Bold));
    const std::pair<const char*, const db::Decimal*> sums[] = {
        {"DARE", &totals.debit}, {"AVERE", &totals.credit}, {"SALDO", &totals.balance}, {"QUANTITA", &totals.quantity}};
    for (const auto& [key, sum] : sums) {
        const auto column = columns_.find(key);
        if (!column)
            continue;
        const int decimals = columns_[*column].decimals;
        const bool amount = std::string_view(key) != "QUANTITA";
        row.cells.push_back(numberCell(*column, amount ? shownAmount(*sum, decimals) : sum->toDouble(),
                                       CellStyle::BoldMeasure, decimals));
    }
    if (compared)
        addComparison(row, totals.balance, *compared);
    return row;
}

void XlsxLedgerWriter::addComparison(SheetRow& row, const db::Decimal& balance, const db::Decimal& compared) const
{
    const Variance variance = varianceOf(balance, compared);
    const std::pair<const char*, const db::Decimal*> amounts[] = {{comparisonKey, &compared},
                                                                  {varianceKey, &variance.amount}};
    for (const auto& [key, amount] : amounts) {
        const std::size_t column = *columns_.find(key);
        row.cells.push_back(numberCell(column, shownAmount(*amount, columns_[column].decimals), CellStyle::BoldMeasure,
                                       columns_[column].decimals));
    }
    if (variance.percent)
        row.cells.push_back(
            numberCell(*columns_.find(variancePercentKey), variance.percent->toDouble(), CellStyle::BoldMeasure, 2));
}

double XlsxLedgerWriter::shownAmount(const db::Decimal& total, int decimals) const
{
    if (!conversion_)
        return total.toDouble();
    return db::Decimal::fromDouble(countervalue_.GetControvalore(total.toDouble()), decimals).toDouble();
}

void XlsxLedgerWriter::hand(SheetRow row)
{
    batch_.push_back(std::move(row));
    if (batch_.size() >= batchRows)
        handBatch();
}

// Waits while enough batches are waiting; a failure of the writing thread comes back here.
void XlsxLedgerWriter::handBatch()
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return waiting_.size() < batchesWaiting || failure_; });
    if (failure_)
        std::rethrow_exception(failure_);
    waiting_.push_back(std::exchange(batch_, {}));
    batch_.reserve(batchRows);
    changed_.notify_all();
}

void XlsxLedgerWriter::stopWriting()
{
    {
        const std::lock_guard lock(mutex_);
        ended_ = true;
    }
    changed_.notify_all();
    if (writer_.joinable())
        writer_.join();
}

void XlsxLedgerWriter::close()
{
    handBatch();
    stopWriting();
    if (failure_)
        std::rethrow_exception(failure_);
    sheets_.close();
}

// The writing thread: the batches in the order they came, until the export ends or a write fails.
void XlsxLedgerWriter::writeBatches()
{
    for (;;) {
        std::vector<SheetRow> rows;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [this] { return !waiting_.empty() || ended_; });
            if (waiting_.empty())
                return;
            rows = std::move(waiting_.front());
            waiting_.pop_front();
        }
        changed_.notify_all();
        try {
            for (const SheetRow& row : rows)
                sheets_.write(row);
        } catch (...) {
            const std::lock_guard lock(mutex_);
            failure_ = std::current_exception();
            changed_.notify_all();
            return;
        }
    }
}

} // namespace quorvane::exporting
