#pragma once
// The rows a record-set handle shows, in its order: a slice of a row order shared with the sort cache,
// or of the identity order when the handle is neither sorted nor filtered. A group filter on a sorted set
// is a slice of the sorted order, so showing a group copies nothing.

#include <cstdint>
#include <memory>
#include <vector>

namespace db {

struct RecordsetView {
    using Order = std::vector<std::uint32_t>;

    std::shared_ptr<const Order> order;   // null: row i of the data is row i of the view
    std::size_t begin = 0;
    std::size_t end = 0;

    static RecordsetView identity(std::size_t rows) { return {nullptr, 0, rows}; }
    static RecordsetView of(std::shared_ptr<const Order> rows)
    {
        std::size_t n = rows->size();
        return {std::move(rows), 0, n};
    }

    std::size_t size() const { return end - begin; }
    std::uint32_t row(std::size_t i) const
    {
        return order ? (*order)[begin + i] : static_cast<std::uint32_t>(begin + i);
    }

    // Shows one more data row at the end of the view (a row just added).
    void append(std::uint32_t dataRow)
    {
        if (!order && begin == 0 && end == dataRow) {
            ++end;
            return;
        }
        auto rows = std::make_shared<Order>();
        rows->reserve(size() + 1);
        for (std::size_t i = 0; i < size(); ++i)
            rows->push_back(row(i));
        rows->push_back(dataRow);
        *this = of(std::move(rows));
    }
};

} // namespace db
