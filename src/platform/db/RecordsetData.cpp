#include "RecordsetData.h"

#include "Error.h"
#include "FieldConversion.h"
#include "RecordsetSort.h"
#include "RecordsetTextFold.h"

#include <algorithm>

namespace db {

namespace {

// A few orders are enough: the window sorts the movement set one way per processing run; clones and the
// key table add one or two more.
constexpr std::size_t kCachedOrders = 4;

} // namespace

RecordsetData::RecordsetData(std::vector<FieldInfo> fields)
{
    columns_.reserve(fields.size());
    // A query may return unnamed columns (SELECT 1) or two columns of one name (a.X, b.X), as the server
    // does; such fields are reached by position, and a name finds its first field.
    for (auto& field : fields) {
        if (!field.name.empty())
            indexByFoldedName_.emplace(foldCase(field.name), static_cast<int>(columns_.size()));
        columns_.emplace_back(std::move(field));
    }
}

int RecordsetData::fieldIndex(std::string_view name) const
{
    auto it = indexByFoldedName_.find(foldCase(name));
    return it == indexByFoldedName_.end() ? -1 : it->second;
}

// Every value is converted before any column changes, so a refused value leaves the row untouched.
std::vector<Value> RecordsetData::converted(const std::vector<Value>& values) const
{
    std::vector<Value> out;
    out.reserve(columns_.size());
    for (std::size_t i = 0; i < columns_.size(); ++i)
        out.push_back(convertToField(columns_[i].field(), values[i]));
    return out;
}

std::uint32_t RecordsetData::appendRow(const std::vector<Value>& values)
{
    std::vector<Value> row = converted(values);
    for (std::size_t i = 0; i < columns_.size(); ++i)
        columns_[i].append(row[i]);
    rowsChanged();
    return static_cast<std::uint32_t>(rowCount_++);
}

void RecordsetData::setRow(std::uint32_t row, const std::vector<Value>& values)
{
    std::vector<Value> converted = this->converted(values);
    for (std::size_t i = 0; i < columns_.size(); ++i)
        columns_[i].set(row, converted[i]);
    rowsChanged();
}

void RecordsetData::finishLoading()
{
    for (auto& column : columns_)
        column.finishLoading();
}

std::shared_ptr<const RecordsetView::Order> RecordsetData::sortedOrder(const std::vector<RecordsetSortKey>& keys) const
{
    auto hit = std::find_if(orders_.begin(), orders_.end(), [&](const CachedOrder& c) { return c.keys == keys; });
    if (hit != orders_.end())
        return hit->order;
    auto order = std::make_shared<const RecordsetView::Order>(sortRows(*this, keys));
    if (orders_.size() == kCachedOrders)
        orders_.erase(orders_.begin());
    orders_.push_back({keys, order});
    return order;
}

std::size_t RecordsetData::bytesUsed() const
{
    std::size_t bytes = sizeof(*this);
    for (const auto& column : columns_)
        bytes += column.bytesUsed();
    for (const auto& cached : orders_)
        bytes += cached.order->capacity() * sizeof(std::uint32_t);
    return bytes;
}

} // namespace db
