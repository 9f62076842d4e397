#include "Recordset.h"

#include "FieldConversion.h"
#include "RecordsetData.h"
#include "RecordsetFilterParser.h"
#include "RecordsetFilterPredicate.h"
#include "RecordsetSeek.h"
#include "RecordsetSort.h"

namespace db {

Recordset::Recordset() = default;
Recordset::~Recordset() = default;
Recordset::Recordset(Recordset&&) noexcept = default;
Recordset& Recordset::operator=(Recordset&&) noexcept = default;

Recordset::Recordset(std::shared_ptr<RecordsetData> data)
    : data_(std::move(data)), view_(RecordsetView::identity(data_->rowCount()))
{
}

// Appended fields are named by the caller and reached by name, so each needs a name of its own (a query's
// result, by contrast, may repeat a name or leave a column unnamed).
Recordset Recordset::inMemory(std::vector<FieldInfo> fields)
{
    auto data = std::make_shared<RecordsetData>(std::move(fields));
    for (int i = 0; i < data->fieldCount(); ++i) {
        const std::string& name = data->column(i).field().name;
        if (name.empty() || data->fieldIndex(name) != i)
            throw Error("An in-memory record set cannot have two fields named '" + name + "' or a field without a name");
    }
    return Recordset(std::move(data));
}

bool Recordset::isOpen() const { return data_ != nullptr; }

void Recordset::Close() { *this = Recordset(); }

Recordset Recordset::Clone() const
{
    data();
    return Recordset(data_);
}

const RecordsetData& Recordset::data() const
{
    if (!data_)
        throw Error("The record set is closed");
    return *data_;
}

RecordsetData& Recordset::data()
{
    if (!data_)
        throw Error("The record set is closed");
    return *data_;
}

// ---- fields ------------------------------------------------------------------------------------------

int Recordset::fieldCount() const { return data().fieldCount(); }

const FieldInfo& Recordset::field(int i) const
{
    if (i < 0 || i >= fieldCount())
        throw Error("The record set has no field number " + std::to_string(i));
    return data().column(i).field();
}

int Recordset::fieldIndex(std::string_view name) const { return data().fieldIndex(name); }

int Recordset::requireField(std::string_view name) const
{
    int i = fieldIndex(name);
    if (i < 0)
        throw Error("The record set has no field '" + std::string(name) + "'");
    return i;
}

// ---- cursor ------------------------------------------------------------------------------------------

long Recordset::RecordCount() const
{
    data();
    return static_cast<long>(view_.size());
}

bool Recordset::BOF() const
{
    if (pending_ && !pending_->dataRow)
        return false;
    return RecordCount() == 0 || position_ < 0;
}

bool Recordset::EOF_() const
{
    if (pending_ && !pending_->dataRow)
        return false;
    return RecordCount() == 0 || position_ >= RecordCount();
}

// Moving away from a pending row stores it first, as ADO does.
void Recordset::moveTo(long position)
{
    data();
    Update();
    position_ = position;
    notifyMove();
}

void Recordset::notifyMove() const
{
    if (moveComplete_)
        moveComplete_();
}

// On an empty set MoveFirst and MoveLast leave the cursor at BOF and EOF instead of failing, so that a
// walk "MoveFirst; while not EOF" needs no guard.
void Recordset::MoveFirst() { moveTo(0); }

void Recordset::MoveLast() { moveTo(RecordCount() == 0 ? 0 : RecordCount() - 1); }

void Recordset::MoveNext()
{
    if (EOF_())
        throw Error("MoveNext: the record set is already past its last record (EOF)");
    moveTo(position_ + 1);
}

void Recordset::MovePrevious()
{
    if (BOF())
        throw Error("MovePrevious: the record set is already before its first record (BOF)");
    moveTo(position_ - 1);
}

long Recordset::AbsolutePosition() const
{
    if (RecordCount() == 0)
        return PositionUnknown;
    if (position_ < 0)
        return PositionBOF;
    return position_ >= RecordCount() ? PositionEOF : position_ + 1;
}

void Recordset::setAbsolutePosition(long oneBased)
{
    if (oneBased < 1 || oneBased > RecordCount())
        throw Error("Record position " + std::to_string(oneBased) + " is outside 1.." + std::to_string(RecordCount()));
    moveTo(oneBased - 1);
}

std::uint32_t Recordset::currentDataRow() const
{
    if (BOF() || EOF_())
        throw Error("There is no current record: the record set is at BOF or EOF");
    return view_.row(static_cast<std::size_t>(position_));
}

// ---- values ------------------------------------------------------------------------------------------

Value Recordset::value(int column) const
{
    field(column);
    if (pending_)
        return pending_->values[static_cast<std::size_t>(column)];
    return data().column(column).value(currentDataRow());
}

Value Recordset::value(std::string_view name) const { return value(requireField(name)); }

Value Recordset::valueAt(long viewRow, int column) const
{
    return data().column(column).value(dataRowAt(viewRow, column));
}

std::optional<std::string_view> Recordset::textAt(long viewRow, int column) const
{
    const std::size_t row = dataRowAt(viewRow, column);
    const RecordsetColumn& stored = data().column(column);
    if (stored.field().type != DataType::Text || stored.isNull(row))
        return std::nullopt;
    return stored.dictionary().text(stored.code(row));
}

std::size_t Recordset::dataRowAt(long viewRow, int column) const
{
    field(column);
    if (viewRow < 0 || viewRow >= RecordCount())
        throw Error("Row " + std::to_string(viewRow) + " is outside the record set's " + std::to_string(RecordCount())
                    + " rows");
    return view_.row(static_cast<std::size_t>(viewRow));
}

// ---- filter and sort ---------------------------------------------------------------------------------

// The sorted rows come from the shared cache; a filter on the leading sort keys is a slice of them, any
// other filter a scan that keeps the sorted order.
RecordsetView Recordset::computeView(const std::vector<RecordsetSortKey>& keys, const RecordsetFilterExpr* filter) const
{
    RecordsetView base = keys.empty() ? RecordsetView::identity(data().rowCount())
                                      : RecordsetView::of(data().sortedOrder(keys));
    if (!filter)
        return base;
    if (base.order)
        if (auto range = seekRange(data(), *base.order, keys, *filter))
            return {base.order, range->first, range->second};
    RecordsetFilterPredicate accepts(*filter, data());
    auto rows = std::make_shared<RecordsetView::Order>();
    for (std::size_t i = 0; i < base.size(); ++i)
        if (accepts(base.row(i)))
            rows->push_back(base.row(i));
    rows->shrink_to_fit();
    return RecordsetView::of(std::move(rows));
}

void Recordset::showView(RecordsetView view)
{
    view_ = std::move(view);
    position_ = 0;
    notifyMove();
}

void Recordset::Filter(std::string_view adoFilter)
{
    Update();
    bool clears = adoFilter.find_first_not_of(" \t\r\n") == std::string_view::npos;
    auto expr = clears ? nullptr : std::make_shared<const RecordsetFilterExpr>(parseFilter(adoFilter, data()));
    RecordsetView view = computeView(sortKeys_, expr.get());
    filter_ = clears ? std::string() : std::string(adoFilter);
    filterExpr_ = std::move(expr);
    showView(std::move(view));
}

const std::string& Recordset::filter() const { return filter_; }

void Recordset::Sort(std::string_view adoSort)
{
    Update();
    std::vector<RecordsetSortKey> keys = parseSort(adoSort, data());
    RecordsetView view = computeView(keys, filterExpr_.get());
    sort_ = keys.empty() ? std::string() : std::string(adoSort);
    sortKeys_ = std::move(keys);
    showView(std::move(view));
}

const std::string& Recordset::sort() const { return sort_; }

// ---- in-memory changes -------------------------------------------------------------------------------

void Recordset::AddNew()
{
    Update();
    pending_ = PendingRow{std::vector<Value>(static_cast<std::size_t>(fieldCount())), std::nullopt};
    notifyMove();
}

void Recordset::setValue(int column, Value v)
{
    const FieldInfo& info = field(column);
    if (v.isNull() && !info.nullable)
        throw Error("Field '" + info.name + "' does not accept NULL");
    Value converted = convertToField(info, v);
    if (!pending_) {
        std::uint32_t row = currentDataRow();
        PendingRow edit{{}, row};
        for (int c = 0; c < fieldCount(); ++c)
            edit.values.push_back(data().column(c).value(row));
        pending_ = std::move(edit);
    }
    pending_->values[static_cast<std::size_t>(column)] = std::move(converted);
}

void Recordset::setValue(std::string_view name, Value v) { setValue(requireField(name), std::move(v)); }

// A new row joins the end of this handle's view and becomes current; Filter or Sort place it later.
void Recordset::Update()
{
    if (!pending_)
        return;
    if (pending_->dataRow) {
        data().setRow(*pending_->dataRow, pending_->values);
    } else {
        view_.append(data().appendRow(pending_->values));
        position_ = static_cast<long>(view_.size()) - 1;
    }
    pending_.reset();
}

void Recordset::setMoveCompleteHandler(std::function<void()> handler) { moveComplete_ = std::move(handler); }

std::size_t Recordset::dataBytes() const { return data().bytesUsed(); }

} // namespace db
