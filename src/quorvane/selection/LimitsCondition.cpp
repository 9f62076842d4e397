#include "selection/LimitsCondition.h"

#include "controls/QueryCondition.h"
#include "db/QuotedLiterals.h"
#include "selection/OfferedRows.h"

#include <QStringList>

namespace quorvane {

namespace {

// The alternatives of one column, in their order, OR-ed in pairs of halves: "((a OR b) OR c)" for three, as
// each row adds its own, but a tree only as deep as the logarithm of the rows, so that a grid of any length
// gives a statement the engine accepts.
QString alternatives(const QStringList& parts, qsizetype from, qsizetype count)
{
    if (count == 1)
        return parts[from];
    const qsizetype left = count - count / 2;
    return QLatin1Char('(') + alternatives(parts, from, left) + QStringLiteral(" OR ")
           + alternatives(parts, from + left, count - left) + QLatin1Char(')');
}

// Each column's part, in the order the columns first appear; a column met again adds an alternative.
class QueryParts {
public:
    void add(const QString& column, const QString& part)
    {
        auto it = std::find(columns_.begin(), columns_.end(), column);
        if (it == columns_.end()) {
            columns_ << column;
            parts_.push_back({part});
        } else {
            parts_[it - columns_.begin()] << part;
        }
    }
    QString joined() const
    {
        QStringList joined;
        for (const QStringList& column : parts_)
            joined << alternatives(column, 0, column.size());
        return joined.join(QStringLiteral(" AND "));
    }

private:
    QStringList columns_;
    QList<QStringList> parts_;
};

// Customers and suppliers share the account-holder column; the kind tells them apart.
QString limitsPart(const controls::QueryConditionRow& row)
{
    if (row.caption == QLatin1String("Codice cliente"))
        return QStringLiteral("((CI12_TIPOCF_CG44 = 0) AND (") + row.condition + QStringLiteral("))");
    if (row.caption == QLatin1String("Codice fornitore"))
        return QStringLiteral("((CI12_TIPOCF_CG44 = 1) AND (") + row.condition + QStringLiteral("))");
    return QLatin1Char('(') + row.condition + QLatin1Char(')');
}

QString accountFilterPart(const controls::QueryConditionRow& row)
{
    return QLatin1Char('(') + row.condition + QLatin1Char(')');
}

template <typename Part>
QString combined(const std::vector<controls::QueryConditionRow>& rows, Part part)
{
    QueryParts parts;
    for (const controls::QueryConditionRow& row : rows)
        if (!row.condition.isEmpty())
            parts.add(row.column, part(row));
    return parts.joined();
}

} // namespace

// Each row's values go to the offered row it names, as the window fills its grid from the record.
std::vector<controls::QueryConditionRow> conditionRows(const std::vector<LimitRow>& rows,
                                                       const controls::QueryOffer& offer, const char* gridName)
{
    std::vector<controls::FilledRow> filled;
    for (const LimitRow& row : rows) {
        controls::FilledRow& values = filled.emplace_back();
        values.offerRow = int(&offeredQueryRow(offer, row, gridName) - offer.data());
        values.values = {QString::fromStdString(row.from), QString::fromStdString(row.to), {}};
        for (const std::string& item : row.list)
            values.values.list << QString::fromStdString(item);
    }
    try {
        return controls::conditionRows(offer, std::move(filled));
    } catch (const controls::QueryValueError& e) {
        throw GridRowError(std::string(gridName) + ": " + e.what());
    }
}

std::string ProcessaLimitiAdvancedQuery(const std::vector<controls::QueryConditionRow>& rows)
{
    // The site lives on the line as well as on the header; the working query reads it from the line. A value
    // typed into another row that spells the column stays as typed.
    return db::replaceOutsideLiterals(combined(rows, limitsPart).toStdString(), "CI12_SEDE_CG31", "CI13_SEDE_CG31");
}

std::string ProcessaLimitiSelezionaAvanzata(const std::vector<controls::QueryConditionRow>& rows)
{
    return combined(rows, accountFilterPart).toStdString();
}

} // namespace quorvane
