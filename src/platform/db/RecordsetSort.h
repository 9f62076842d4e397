#pragma once
// ADO's Sort: "A ASC, B DESC", ascending by default, field names without regard to case and optionally
// [bracketed]. The order is stable (rows equal on every key keep the order in which they were read) and
// NULL comes before every value in an ascending key and after every value in a descending one; a NULL text
// sorts as the empty text, the lowest of texts (RecordsetOrderKey.h).

#include "RecordsetSortKey.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace db {

class RecordsetData;

// An empty text gives no keys; a malformed text or an unknown field is a db::Error naming it.
std::vector<RecordsetSortKey> parseSort(std::string_view sort, const RecordsetData& data);

// The data's rows in the order of the keys.
std::vector<std::uint32_t> sortRows(const RecordsetData& data, const std::vector<RecordsetSortKey>& keys);

} // namespace db
