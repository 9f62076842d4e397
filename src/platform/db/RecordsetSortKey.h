#pragma once
// One key of a record set's sort order: a column and its direction.

namespace db {

struct RecordsetSortKey {
    int column = 0;
    bool descending = false;
    bool operator==(const RecordsetSortKey&) const = default;
};

} // namespace db
