#include "RecordsetSort.h"

#include "Error.h"
#include "RecordsetData.h"
#include "RecordsetOrderKey.h"
#include "RecordsetTokenizer.h"

#include <algorithm>
#include <numeric>

namespace db {

namespace {

[[noreturn]] void refuse(std::string_view sort, const std::string& problem, const RecordsetToken& at)
{
    std::string found = at.kind == RecordsetToken::Kind::End ? "the end" : "'" + at.text + "'";
    throw Error("Invalid sort \"" + std::string(sort) + "\": " + problem + ", found " + found + " at position "
                + std::to_string(at.position));
}

// One key's values fetched once into flat arrays, so that comparing two rows touches no column code.
struct KeyValues {
    std::vector<std::uint64_t> keys;
    std::vector<char> nulls;   // empty when the column has no NULL
    bool descending = false;

    // Negative when row a sorts before row b on this key.
    int compare(std::uint32_t a, std::uint32_t b) const
    {
        int c = 0;
        if (!nulls.empty() && nulls[a] != nulls[b])
            c = nulls[a] != 0 ? -1 : 1;
        else if (nulls.empty() || nulls[a] == 0)
            c = keys[a] < keys[b] ? -1 : (keys[a] > keys[b] ? 1 : 0);
        return descending ? -c : c;
    }
};

KeyValues fetch(const RecordsetData& data, const RecordsetSortKey& key)
{
    const RecordsetColumn& column = data.column(key.column);
    RecordsetKeyReader reader(column);
    KeyValues values;
    values.descending = key.descending;
    values.keys.resize(data.rowCount());
    for (std::size_t row = 0; row < data.rowCount(); ++row)
        if (!reader.isNull(row))
            values.keys[row] = reader.key(row);
    if (column.hasNulls() && column.field().type != DataType::Text) {
        values.nulls.resize(data.rowCount());
        for (std::size_t row = 0; row < data.rowCount(); ++row)
            values.nulls[row] = column.isNull(row) ? 1 : 0;
    }
    return values;
}

} // namespace

std::vector<RecordsetSortKey> parseSort(std::string_view sort, const RecordsetData& data)
{
    std::vector<RecordsetToken> tokens = tokenize(sort, "sort");
    std::vector<RecordsetSortKey> keys;
    for (std::size_t i = 0; tokens[i].kind != RecordsetToken::Kind::End;) {
        if (!keys.empty() && tokens[i++].kind != RecordsetToken::Kind::Comma)
            refuse(sort, "expected ','", tokens[i - 1]);
        const RecordsetToken& name = tokens[i];
        if (name.kind != RecordsetToken::Kind::Word)
            refuse(sort, "expected a field name", name);
        RecordsetSortKey key{data.fieldIndex(name.text), false};
        if (key.column < 0)
            refuse(sort, "unknown field", name);
        if (tokens[++i].isKeyword("DESC") || tokens[i].isKeyword("ASC"))
            key.descending = tokens[i++].isKeyword("DESC");
        keys.push_back(key);
    }
    return keys;
}

std::vector<std::uint32_t> sortRows(const RecordsetData& data, const std::vector<RecordsetSortKey>& keys)
{
    std::vector<KeyValues> values;
    for (const auto& key : keys)
        values.push_back(fetch(data, key));
    std::vector<std::uint32_t> order(data.rowCount());
    std::iota(order.begin(), order.end(), 0U);
    std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        for (const auto& key : values)
            if (int c = key.compare(a, b); c != 0)
                return c < 0;
        return false;
    });
    return order;
}

} // namespace db
