#include "report/RecordOrder.h"

#include "db/Recordset.h"

namespace report {

namespace {

using formula::ValueType;

db::DataType columnType(ValueType type)
{
    switch (type) {
    case ValueType::Number: return db::DataType::Float;
    case ValueType::Boolean: return db::DataType::Bit;
    case ValueType::Date: return db::DataType::DateTime;
    default: return db::DataType::Text;
    }
}

// Numbers sort by their double: the order of two amounts or codes never depends on a sixteenth digit.
db::Value keyValue(const formula::Value& v)
{
    switch (v.type()) {
    case ValueType::Number: return db::Value(v.number().toDouble());
    case ValueType::Text: return db::Value(v.text());
    case ValueType::Boolean: return db::Value(v.boolean());
    case ValueType::Date: return db::Value(db::DateTime{v.date().days * 86'400'000});
    case ValueType::Unknown: break;
    }
    return db::Value::null();
}

} // namespace

std::vector<std::uint32_t> sortRecords(formula::Evaluator& natural, long count, const formula::FormulaSet& formulas,
                                       const std::vector<OrderKey>& keys)
{
    std::vector<OrderKey> used;
    std::vector<db::FieldInfo> fields{{"ROWNUMBER", db::DataType::Integer}};
    std::string sort;
    for (const OrderKey& key : keys) {
        const formula::CompiledFormula& f = formulas.formula(key.formula);
        if (!f.readsRecords || f.type == ValueType::Unknown)
            continue;
        const std::string name = "K" + std::to_string(used.size());
        fields.push_back({name, columnType(f.type)});
        sort += (sort.empty() ? "" : ", ") + name + (key.descending ? " DESC" : " ASC");
        used.push_back(key);
    }
    if (used.empty())
        return {};
    db::Recordset table = db::Recordset::inMemory(fields);
    for (long record = 0; record < count; ++record) {
        natural.setRecord(record);
        table.AddNew();
        table.setValue(0, db::Value(std::int64_t(record)));
        for (std::size_t k = 0; k < used.size(); ++k)
            table.setValue(static_cast<int>(k) + 1, keyValue(natural.value(used[k].formula)));
    }
    table.Update();
    table.Sort(sort);
    std::vector<std::uint32_t> order;
    order.reserve(static_cast<std::size_t>(count));
    for (long i = 0; i < count; ++i)
        order.push_back(static_cast<std::uint32_t>(table.valueAt(i, 0).asInt()));
    return order;
}

} // namespace report
