#pragma once
// The movement set and the small in-memory tables of the window: a disconnected, client-side record set
// with a cursor, ADO's Filter and Sort syntaxes, clones sharing the data, and in-memory row appends.
//
// A Recordset is a handle. The rows live in a column store shared by the handle and its clones; each
// handle has its own cursor, filter, sort and MoveComplete handler. Handles move but do not copy: a second
// view of the same rows is asked for explicitly with Clone().

#include "Error.h"
#include "Field.h"
#include "RecordsetSortKey.h"
#include "RecordsetView.h"
#include "Value.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace db {

class RecordsetData;
class RecordsetBuilder;
struct RecordsetFilterExpr;

class Recordset {
public:
    // AbsolutePosition's answers when there is no current row, with ADO's values.
    static constexpr long PositionUnknown = -1;
    static constexpr long PositionBOF = -2;
    static constexpr long PositionEOF = -3;

    Recordset();                                          // closed, no fields
    ~Recordset();
    Recordset(Recordset&&) noexcept;
    Recordset& operator=(Recordset&&) noexcept;
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    // An empty set over the given fields, open and editable in memory (no database behind it).
    static Recordset inMemory(std::vector<FieldInfo> fields);

    bool isOpen() const;
    void Close();

    // A new handle on the same rows, unfiltered and unsorted, on its first row, with no MoveComplete
    // handler. Callers that want the original's group give it Sort first and Filter second: the sort
    // order is shared through a cache, and a filter on its leading keys is then found by binary search.
    Recordset Clone() const;

    int fieldCount() const;
    const FieldInfo& field(int i) const;
    int fieldIndex(std::string_view name) const;          // case-insensitive; -1 if absent

    long RecordCount() const;                             // rows of the filtered view
    bool BOF() const;
    bool EOF_() const;                                    // EOF itself is a macro of <cstdio>
    void MoveFirst();
    void MoveNext();
    void MovePrevious();
    void MoveLast();
    long AbsolutePosition() const;                        // 1-based, or one of the Position… values
    void setAbsolutePosition(long oneBased);

    Value value(int column) const;                        // at the cursor
    Value value(std::string_view name) const;
    Value valueAt(long viewRow, int column) const;        // 0-based row of the current view; no cursor move
    // The stored text there, without a copy; none for a NULL or a field that is not text.
    std::optional<std::string_view> textAt(long viewRow, int column) const;

    void Filter(std::string_view adoFilter);              // "" clears
    const std::string& filter() const;
    void Sort(std::string_view adoSort);                  // "" clears; "A ASC, B DESC"
    const std::string& sort() const;

    // Row changes held in memory: AddNew starts a new row (all NULL) that becomes current; setValue on no
    // pending row starts an edit of the current one; Update stores the pending row.
    void AddNew();
    void setValue(int column, Value v);
    void setValue(std::string_view name, Value v);
    void Update();

    void setMoveCompleteHandler(std::function<void()> handler);  // after the current row changes

    std::size_t dataBytes() const;                        // memory held by the shared rows

    // Appends the rows of `part`, a set over the same fields, after this set's own: a movement set read in
    // parts on several connections. The integer field `numbering` of the appended rows is raised by
    // `offset`, so that the numbers a part gave its own rows continue this set's. This handle must have no
    // filter and no sort; it ends on its first row.
    void appendPart(const Recordset& part, int numbering, std::int64_t offset);

private:
    friend class RecordsetBuilder;
    explicit Recordset(std::shared_ptr<RecordsetData> data);

    struct PendingRow {
        std::vector<Value> values;
        std::optional<std::uint32_t> dataRow;             // the row being edited; none for a new row
    };

    const RecordsetData& data() const;
    RecordsetData& data();
    int requireField(std::string_view name) const;
    std::uint32_t currentDataRow() const;
    std::size_t dataRowAt(long viewRow, int column) const;   // checks both
    RecordsetView computeView(const std::vector<RecordsetSortKey>& keys, const RecordsetFilterExpr* filter) const;
    void showView(RecordsetView view);
    void notifyMove() const;
    void moveTo(long position);

    std::shared_ptr<RecordsetData> data_;
    std::string filter_;
    std::string sort_;
    std::vector<RecordsetSortKey> sortKeys_;
    std::shared_ptr<const RecordsetFilterExpr> filterExpr_;
    RecordsetView view_;
    long position_ = 0;                                   // 0-based; -1 before the first row, size() after the last
    std::optional<PendingRow> pending_;
    std::function<void()> moveComplete_;
};

} // namespace db
