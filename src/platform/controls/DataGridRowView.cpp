// The user's view over the rows of the data grid's set: sorted by a column, narrowed by a quick filter, with
// the running balance in the grid's order and the sums of the rows shown. The view is laid again whenever
// the set is read again, so it stays over whatever the window's own filter and sort show.

#include "controls/DataGridModel.h"

#include "controls/DataGridCellText.h"
#include "controls/NumberText.h"

#include <QHash>

#include <algorithm>
#include <numeric>

namespace controls {
namespace {

// What a row sorts by in a column: numbers and dates by their value, everything else by its shown text,
// through the text's rank among the column's distinct texts. An empty cell sorts before any value.
struct SortKey {
    bool empty = true;
    double number = 0;
    int textRank = 0;   // 0 for a number or a date
};

int compareKeys(const SortKey& a, const SortKey& b)
{
    if (a.empty || b.empty)
        return int(b.empty) - int(a.empty);
    if (a.number != b.number)
        return a.number < b.number ? -1 : 1;
    return a.textRank - b.textRank;
}

// A ledger's column repeats few texts over many lines: each distinct text is folded and ordered once, and
// the lines then sort by whole numbers. Texts that fold alike share a rank, from 1 up.
class TextRanks {
public:
    int slotOf(const QString& text)
    {
        auto at = distinct_.constFind(text);
        if (at == distinct_.cend())
            at = distinct_.insert(text, int(distinct_.size()));
        return at.value();
    }
    std::vector<int> ranks() const
    {
        std::vector<std::pair<QString, int>> folded;
        folded.reserve(distinct_.size());
        for (auto it = distinct_.cbegin(); it != distinct_.cend(); ++it)
            folded.emplace_back(it.key().toCaseFolded(), it.value());
        std::sort(folded.begin(), folded.end(), [](const auto& a, const auto& b) { return a.first.compare(b.first) < 0; });
        std::vector<int> rankOfSlot(folded.size());
        int rank = 0;
        for (std::size_t i = 0; i < folded.size(); ++i) {
            if (i == 0 || folded[i].first != folded[i - 1].first)
                ++rank;
            rankOfSlot[static_cast<std::size_t>(folded[i].second)] = rank;
        }
        return rankOfSlot;
    }

private:
    QHash<QString, int> distinct_;   // each text's slot, in the order first met
};

db::Decimal amountOf(const db::Value& value)
{
    if (value.isDecimal())
        return value.asDecimal();
    return value.isNumber() ? db::Decimal::fromDouble(value.toDouble(), 2) : db::Decimal{};
}

} // namespace

void DataGridModel::sortByColumn(int column, Qt::SortOrder order)
{
    beginResetModel();
    sortColumn_ = column;
    sortOrder_ = order;
    layRowView();
    endResetModel();
    emit rowsShown();
}

void DataGridModel::setQuickFilter(const QString& text)
{
    beginResetModel();
    quickFilter_ = text;
    layRowView();
    endResetModel();
    emit rowsShown();
}

void DataGridModel::setRunningBalance(const QString& caption, const QString& debitKey, const QString& creditKey)
{
    beginResetModel();
    balance_.caption = caption;
    balance_.debitKey = debitKey;
    balance_.creditKey = creditKey;
    resolveFields();
    endResetModel();
}

long DataGridModel::setRow(int gridRow) const
{
    return shown_.empty() ? gridRow : shown_.at(static_cast<std::size_t>(gridRow));
}

int DataGridModel::gridRow(long setRow) const
{
    if (setRow < 0 || setRow >= rowCount_)
        return -1;
    return gridRowOf_.empty() ? static_cast<int>(setRow) : gridRowOf_[static_cast<std::size_t>(setRow)];
}

// Without a sort or a filter the grid shows the set's view as it is, and keeps no list of rows: a million rows
// bound cost nothing more than before.
void DataGridModel::layRowView()
{
    shown_.clear();
    gridRowOf_.clear();
    if (sortColumn_ >= 0 || !quickFilter_.isEmpty()) {
        shown_ = filteredRows();
        sortRows(shown_);
        gridRowOf_.assign(static_cast<std::size_t>(rowCount_), -1);
        for (std::size_t i = 0; i < shown_.size(); ++i)
            gridRowOf_[static_cast<std::size_t>(shown_[i])] = static_cast<int>(i);
    }
    sumShownRows();
}

void DataGridModel::setFilteredColumns(std::vector<int> columns)
{
    if (columns != filteredColumns_)
        shownTexts_.clear();
    filteredColumns_ = std::move(columns);
}

// The window's formatting may read its own widgets: the columns it formats are written on this thread, the
// others on the machine's cores meanwhile.
void DataGridModel::indexShownTexts()
{
    std::vector<int> columns = filteredColumns_;
    if (columns.empty())
        for (int column = 0; column < static_cast<int>(columns_.size()); ++column)
            columns.push_back(column);
    std::erase_if(columns, [&](int column) { return column >= static_cast<int>(columns_.size()); });
    const auto columnAt = [&](int at) { return columns[static_cast<std::size_t>(at)]; };
    shownTexts_.build(
        rowCount_, static_cast<int>(columns.size()),
        [&](int at, ShownTextIndex::Column& out) { writeShownColumn(columnAt(at), out); },
        [&](int at) { return formats(columnAt(at)); });
}

// A stored text the formatter leaves alone is the cell's text: it is read as it is stored. Whether the
// column holds such texts is asked once, not for each row.
void DataGridModel::writeShownColumn(int column, ShownTextIndex::Column& out) const
{
    const int field = fields_[static_cast<std::size_t>(column)];
    const bool storedText = field >= 0 && !formats(column) && rows_->field(field).type == db::DataType::Text;
    for (long row = 0; row < rowCount_; ++row) {
        if (const auto text = storedText ? rows_->textAt(row, field) : std::nullopt)
            out.appendUtf8Cell(*text);
        else
            out.appendCell(viewCellText(row, column));
    }
}

std::vector<long> DataGridModel::filteredRows()
{
    if (quickFilter_.isEmpty()) {
        std::vector<long> rows(static_cast<std::size_t>(rowCount_));
        std::iota(rows.begin(), rows.end(), 0L);
        return rows;
    }
    if (!shownTexts_.covers(rowCount_))
        indexShownTexts();
    return shownTexts_.rowsHolding(quickFilter_.toCaseFolded());
}

// A stable sort, so rows of equal values keep the set's order, as the window sorted them.
void DataGridModel::sortRows(std::vector<long>& rows) const
{
    if (sortColumn_ < 0 || sortColumn_ >= static_cast<int>(columns_.size()) || !rows_)
        return;
    const DataGridColumn& column = columns_[static_cast<std::size_t>(sortColumn_)];
    const int field = fields_[static_cast<std::size_t>(sortColumn_)];
    std::vector<SortKey> keys(static_cast<std::size_t>(rowCount_));
    TextRanks texts;
    std::vector<long> textRows;
    for (long row : rows) {
        SortKey& key = keys[static_cast<std::size_t>(row)];
        const db::Value value = field < 0 ? db::Value() : rows_->valueAt(row, field);
        if (value.isDateTime()) {
            key = {false, double(value.asDateTime().msecs), 0};
        } else if (value.isNumber() && column.kind == ColumnKind::Number) {
            key = {false, value.toDouble(), 0};
        } else {
            const QString text = viewCellText(row, sortColumn_);
            key.empty = text.isEmpty();
            key.textRank = texts.slotOf(text);
            textRows.push_back(row);
        }
    }
    const std::vector<int> rankOfSlot = texts.ranks();
    for (long row : textRows) {
        SortKey& key = keys[static_cast<std::size_t>(row)];
        key.textRank = rankOfSlot[static_cast<std::size_t>(key.textRank)];
    }
    const bool ascending = sortOrder_ == Qt::AscendingOrder;
    std::stable_sort(rows.begin(), rows.end(), [&](long a, long b) {
        const int order = compareKeys(keys[static_cast<std::size_t>(a)], keys[static_cast<std::size_t>(b)]);
        return ascending ? order < 0 : order > 0;
    });
}

void DataGridModel::sumShownRows()
{
    shownTotals_ = {};
    shownTotals_.rows = shown_.empty() && sortColumn_ < 0 && quickFilter_.isEmpty() ? rowCount_
                                                                                     : static_cast<long>(shown_.size());
    runningBalances_.clear();
    if (balance_.debitField < 0 || balance_.creditField < 0)
        return;
    runningBalances_.reserve(static_cast<std::size_t>(shownTotals_.rows));
    for (long row = 0; row < shownTotals_.rows; ++row) {
        const long viewRow = setRow(static_cast<int>(row));
        shownTotals_.debit = shownTotals_.debit + amountOf(rows_->valueAt(viewRow, balance_.debitField));
        shownTotals_.credit = shownTotals_.credit + amountOf(rows_->valueAt(viewRow, balance_.creditField));
        runningBalances_.push_back(shownTotals_.credit - shownTotals_.debit);
    }
    shownTotals_.balance = shownTotals_.credit - shownTotals_.debit;
}

QString DataGridModel::runningBalanceText(int gridRow) const
{
    if (gridRow < 0 || static_cast<std::size_t>(gridRow) >= runningBalances_.size())
        return {};
    return amountText(runningBalances_[static_cast<std::size_t>(gridRow)]);
}

QString DataGridModel::amountText(const db::Decimal& amount) const
{
    const int debit = columnOf(balance_.debitKey);
    if (debit < 0)
        return QString::fromStdString(amount.toString());
    return controls::cellText(db::Value(amount), columns_[static_cast<std::size_t>(debit)], numberLocale_);
}

} // namespace controls
