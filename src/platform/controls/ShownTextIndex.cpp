#include "controls/ShownTextIndex.h"

#include "db/RecordsetTextFold.h"

#include <QStringMatcher>

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>

namespace controls {
namespace {

bool isAscii(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

char16_t folded(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
}

// Takes the columns one at a time from a shared counter until none is left; the first exception stops
// every taker.
class ColumnQueue {
public:
    explicit ColumnQueue(std::vector<int> columns) : columns_(std::move(columns)) {}

    void work(const std::function<void(int)>& write)
    {
        for (std::size_t at = next_++; at < columns_.size() && !failed_; at = next_++) {
            try {
                write(columns_[at]);
            } catch (...) {
                const std::lock_guard lock(mutex_);
                if (!failed_.exchange(true))
                    error_ = std::current_exception();
            }
        }
    }
    void rethrow() const
    {
        if (error_)
            std::rethrow_exception(error_);
    }

private:
    std::vector<int> columns_;
    std::atomic<std::size_t> next_{0};
    std::atomic<bool> failed_{false};
    std::mutex mutex_;
    std::exception_ptr error_;
};

} // namespace

// A cell ends with a line break, which nobody types into the filter: a text never runs from one cell, or
// one row, into the next. Plain ASCII, most of a ledger's cells, folds without the Unicode tables.
void ShownTextIndex::Column::appendCell(QStringView text)
{
    if (!isAscii(text)) {
        const QString caseFolded = text.toString().toCaseFolded();
        std::copy(caseFolded.utf16(), caseFolded.utf16() + caseFolded.size(), startCell(std::size_t(caseFolded.size())));
        return;
    }
    std::transform(text.begin(), text.end(), startCell(std::size_t(text.size())), [](QChar c) { return folded(c.unicode()); });
}

void ShownTextIndex::Column::appendUtf8Cell(std::string_view text)
{
    if (!db::isAscii(text))
        return appendCell(QString::fromUtf8(text.data(), qsizetype(text.size())));
    std::transform(text.begin(), text.end(), startCell(text.size()), [](char c) { return folded(char16_t(c)); });
}

// Room for the cell's text and its line break, the buffer grown ahead of the cells: once the first rows
// are in, to all the rows at the length of those, so that it is seldom copied as it grows.
char16_t* ShownTextIndex::Column::startCell(std::size_t length)
{
    constexpr std::size_t sampleRows = 256;
    const std::size_t start = used_;
    used_ += length + 1;
    if (used_ > texts_.size()) {
        const std::size_t expected = starts_.size() < sampleRows ? 0 : start / starts_.size() * rows_ * 11 / 10;
        texts_.resize(std::max({used_, texts_.size() * 2, expected}));
    }
    starts_.push_back(start);
    texts_[used_ - 1] = u'\n';
    return texts_.data() + start;
}

void ShownTextIndex::Column::finish()
{
    texts_.resize(used_);
    texts_.shrink_to_fit();
}

void ShownTextIndex::Column::markRowsHolding(const QString& wanted, std::vector<char>& held) const
{
    const QStringMatcher matcher(wanted, Qt::CaseSensitive);
    const QStringView texts(texts_.data(), qsizetype(texts_.size()));
    qsizetype at = matcher.indexIn(texts, 0);
    while (at >= 0) {
        const auto next = std::upper_bound(starts_.begin(), starts_.end(), std::size_t(at));
        held[static_cast<std::size_t>(next - starts_.begin()) - 1] = 1;
        if (next == starts_.end())
            break;
        at = matcher.indexIn(texts, qsizetype(*next));
    }
}

void ShownTextIndex::clear()
{
    columns_.clear();
    rows_ = 0;
    built_ = false;
}

void ShownTextIndex::build(long rows, int columns, const ColumnWriter& write, const std::function<bool(int)>& onCallingThread)
{
    clear();
    columns_.resize(static_cast<std::size_t>(columns));
    std::vector<int> here, anywhere;
    for (int column = 0; column < columns; ++column)
        (onCallingThread(column) ? here : anywhere).push_back(column);
    ColumnQueue callingThread(std::move(here)), cores(std::move(anywhere));
    const auto writeColumn = [&](int column) {
        Column& out = columns_[static_cast<std::size_t>(column)];
        out.rows_ = static_cast<std::size_t>(rows);
        out.starts_.reserve(out.rows_);
        write(column, out);
        out.finish();
    };
    std::vector<std::jthread> helpers;
    const unsigned others = std::max(1U, std::thread::hardware_concurrency()) - 1;
    for (unsigned i = 0; i < others; ++i)
        helpers.emplace_back([&] { cores.work(writeColumn); });
    callingThread.work(writeColumn);
    cores.work(writeColumn);
    helpers.clear();
    callingThread.rethrow();
    cores.rethrow();
    rows_ = rows;
    built_ = true;
}

std::vector<long> ShownTextIndex::rowsHolding(const QString& wanted) const
{
    std::vector<char> held(static_cast<std::size_t>(rows_), 0);
    for (const Column& column : columns_)
        column.markRowsHolding(wanted, held);
    std::vector<long> rows;
    for (std::size_t row = 0; row < held.size(); ++row)
        if (held[row])
            rows.push_back(long(row));
    return rows;
}

} // namespace controls
