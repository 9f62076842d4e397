#pragma once
// Small record sets shared by the record-set tests: a handful of movement-like rows whose NULLs, empty
// texts, case variants, quotes, accents and times are the cases the filters and sorts must tell apart.

#include "db/Recordset.h"
#include "db/RecordsetBuilder.h"

#include <QList>

#include <optional>
#include <string>

namespace samples {

enum Column { Id, Name, Amount, Rate, Day, Flag, Note };

inline std::vector<db::FieldInfo> sampleFields()
{
    return {{"ID", db::DataType::Integer},           {"NAME", db::DataType::Text, 20},
            {"AMOUNT", db::DataType::Decimal, 0, 12, 2}, {"RATE", db::DataType::Float},
            {"DAY", db::DataType::DateTime},         {"FLAG", db::DataType::Bit},
            {"NOTE", db::DataType::Text}};
}

struct SampleRow {
    int id;
    std::optional<std::string> name;
    std::optional<std::int64_t> amountCents;
    std::optional<double> rate;
    std::optional<std::string> day;
    std::optional<bool> flag;
    std::optional<std::string> note;
};

inline const std::vector<SampleRow>& sampleRows()
{
    static const std::vector<SampleRow> rows = {
        {1, "Rossi", 1050, 1.5, "2024-01-31", true, "a"},
        {2, "rossi", -300, 0.0, "2024-02-01", false, ""},
        {3, "Bianchi", 0, std::nullopt, std::nullopt, true, std::nullopt},
        {4, "O'Brien", 10000, 2.25, "2024-01-31 10:30:00", false, "Nota"},
        {5, std::nullopt, std::nullopt, -1.0, "2023-12-31", std::nullopt, ""},
        {6, "Verdi", 1050, 1.5, "2024-03-15", true, "Città"},
    };
    return rows;
}

inline db::Recordset sample()
{
    db::RecordsetBuilder b(sampleFields());
    for (const auto& r : sampleRows()) {
        b.appendInt(Id, r.id);
        r.name ? b.appendText(Name, *r.name) : b.appendNull(Name);
        r.amountCents ? b.appendDecimal(Amount, *r.amountCents) : b.appendNull(Amount);
        r.rate ? b.appendDouble(Rate, *r.rate) : b.appendNull(Rate);
        r.day ? b.appendDateTime(Day, *db::DateTime::parse(*r.day)) : b.appendNull(Day);
        r.flag ? b.appendBool(Flag, *r.flag) : b.appendNull(Flag);
        r.note ? b.appendText(Note, *r.note) : b.appendNull(Note);
        b.endRow();
    }
    return b.finish();
}

// The values of one integer column over the current view, in view order.
inline QList<int> column(const db::Recordset& rs, int c)
{
    QList<int> out;
    for (long i = 0; i < rs.RecordCount(); ++i) {
        db::Value v = rs.valueAt(i, c);
        out.append(v.isNull() ? -1 : static_cast<int>(v.asInt()));
    }
    return out;
}

inline QList<int> ids(const db::Recordset& rs) { return column(rs, Id); }

} // namespace samples
