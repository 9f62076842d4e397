#pragma once
// The rows of a record set, shared by the handle that opened it and by its clones: the columns, the
// field look-up by name, and a small cache of sort orders so that a clone given the same Sort as its
// original reuses the order instead of sorting a million rows again.

#include "RecordsetColumn.h"
#include "RecordsetSortKey.h"
#include "RecordsetView.h"
#include "Value.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace db {

class RecordsetData {
public:
    explicit RecordsetData(std::vector<FieldInfo> fields);

    int fieldCount() const { return static_cast<int>(columns_.size()); }
    const RecordsetColumn& column(int i) const { return columns_[static_cast<std::size_t>(i)]; }
    RecordsetColumn& column(int i) { return columns_[static_cast<std::size_t>(i)]; }
    int fieldIndex(std::string_view name) const;          // case-insensitive; -1 if absent
    std::size_t rowCount() const { return rowCount_; }

    void endRow() { ++rowCount_; }
    std::uint32_t appendRow(const std::vector<Value>& values);
    void setRow(std::uint32_t row, const std::vector<Value>& values);
    void finishLoading();
    // The rows of `part` after these (see Recordset::appendPart); the fields must be the same.
    void appendPart(const RecordsetData& part, int numbering, std::int64_t offset);

    // The rows in the order of the keys, computed once per distinct order while the rows do not change.
    std::shared_ptr<const RecordsetView::Order> sortedOrder(const std::vector<RecordsetSortKey>& keys) const;

    std::size_t bytesUsed() const;

private:
    struct CachedOrder {
        std::vector<RecordsetSortKey> keys;
        std::shared_ptr<const RecordsetView::Order> order;
    };

    std::vector<Value> converted(const std::vector<Value>& values) const;
    void rowsChanged() { orders_.clear(); }

    std::vector<RecordsetColumn> columns_;
    std::unordered_map<std::string, int> indexByFoldedName_;
    std::size_t rowCount_ = 0;
    mutable std::vector<CachedOrder> orders_;
};

} // namespace db
