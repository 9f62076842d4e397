#pragma once
// What the quick filter searches: the shown texts of every row, case-folded, kept column by column, each
// column's texts one after the other in one buffer with each row's start beside it. A column's buffer is
// searched in one pass: the rows holding the text are found from where the text occurs, not by asking each
// row. Columns are independent of each other, so they are written on the machine's cores at once.

#include <QString>

#include <functional>
#include <string_view>
#include <vector>

namespace controls {

class ShownTextIndex {
public:
    // One column's texts, row after row from the first. Columns written on different threads at once lie on
    // cache lines of their own, so that one thread's writes do not keep evicting another's.
    class alignas(64) Column {
    public:
        void appendCell(QStringView text);
        // A stored text as it is, read without making a string of it first.
        void appendUtf8Cell(std::string_view text);

    private:
        friend class ShownTextIndex;
        char16_t* startCell(std::size_t length);
        void finish();
        void markRowsHolding(const QString& wanted, std::vector<char>& held) const;

        std::vector<char16_t> texts_;      // grown ahead: the cells fill `used_` of it
        std::size_t used_ = 0;
        std::vector<std::size_t> starts_;
        std::size_t rows_ = 0;             // expected
    };

    // Writes one column's cells, row after row.
    using ColumnWriter = std::function<void(int column, Column& out)>;

    void clear();
    // Holds the texts of exactly this many rows.
    bool covers(long rows) const { return built_ && rows_ == rows; }

    // Fills the index with the texts of `rows` rows in `columns` columns. The columns `onCallingThread`
    // picks are written on the calling thread; the others on the machine's cores at the same time, so their
    // writer must only read. An exception from any writer comes out here, once, after all have stopped.
    void build(long rows, int columns, const ColumnWriter& write, const std::function<bool(int)>& onCallingThread);

    // The rows whose texts hold the case-folded `wanted` in one of the columns, in order.
    std::vector<long> rowsHolding(const QString& wanted) const;

private:
    std::vector<Column> columns_;
    long rows_ = 0;
    bool built_ = false;
};

} // namespace controls
