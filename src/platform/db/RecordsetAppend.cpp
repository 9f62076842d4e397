// Appending a record set read in parts: the rows of each part, column by column, after those already held.

#include "Recordset.h"
#include "RecordsetData.h"

#include <vector>

namespace db {

// A part's stored integers are this column's as they are (a NULL holds 0 in both), so they are copied whole;
// only the numbering is raised, and a text's codes are the part's own dictionary's, each interned here once.
void RecordsetColumn::appendColumn(const RecordsetColumn& part, std::int64_t offset)
{
    if (field_.type == DataType::Text) {
        std::vector<std::uint32_t> codes;
        codes.reserve(part.dictionary_.size());
        for (std::uint32_t code = 0; code < part.dictionary_.size(); ++code)
            codes.push_back(dictionary_.intern(part.dictionary_.text(code)));
        for (std::size_t row = 0; row < part.size(); ++row)
            values_.push_back(part.isNull(row) ? 0 : codes[part.code(row)]);
    } else if (offset != 0) {
        for (std::size_t row = 0; row < part.size(); ++row)
            values_.push_back(part.isNull(row) ? 0 : part.values_.wide(row) + offset);
    } else {
        values_.append(part.values_);
    }
    timeOfDay_.append(part.timeOfDay_);
    nulls_.append(part.nulls_);
}

void RecordsetData::appendPart(const RecordsetData& part, int numbering, std::int64_t offset)
{
    if (part.fieldCount() != fieldCount())
        throw Error("A part of a record set has " + std::to_string(part.fieldCount()) + " fields, not "
                    + std::to_string(fieldCount()));
    for (int c = 0; c < fieldCount(); ++c) {
        const FieldInfo& mine = column(c).field();
        const FieldInfo& theirs = part.column(c).field();
        if (mine.name != theirs.name || mine.type != theirs.type || mine.scale != theirs.scale)
            throw Error("A part of a record set has field '" + theirs.name + "' where the set has '" + mine.name + "'");
    }
    for (int c = 0; c < fieldCount(); ++c)
        column(c).appendColumn(part.column(c), c == numbering ? offset : 0);
    rowCount_ += part.rowCount();
    rowsChanged();
    finishLoading();
}

void Recordset::appendPart(const Recordset& part, int numbering, std::int64_t offset)
{
    if (!filter_.empty() || !sort_.empty())
        throw Error("Rows are appended only to a record set without filter and sort");
    data().appendPart(part.data(), numbering, offset);
    view_ = RecordsetView::identity(data().rowCount());
    position_ = 0;
}

} // namespace db
