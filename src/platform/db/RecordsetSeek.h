#pragma once
// The group filter's fast path. A filter that is an AND of equalities (values or NULL) on exactly the
// leading keys of the sort order selects one contiguous run of the sorted rows, found by two binary
// searches: showing a group of the tree costs the logarithm of the set's size, not a scan of it. A NULL of
// a text column is its empty text there too (RecordsetOrderKey.h).

#include "RecordsetFilterExpr.h"
#include "RecordsetSortKey.h"
#include "RecordsetView.h"

#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

namespace db {

class RecordsetData;

using RecordsetRun = std::optional<std::pair<std::size_t, std::size_t>>;

// The run [first, second) of `sorted` (the rows in the order of `keys`) that the filter selects, or none
// when the filter does not have that shape and the caller must scan.
RecordsetRun seekRange(const RecordsetData& data, const RecordsetView::Order& sorted,
                       const std::vector<RecordsetSortKey>& keys, const RecordsetFilterExpr& filter);

} // namespace db
