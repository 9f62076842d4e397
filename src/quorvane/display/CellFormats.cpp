#include "display/CellFormats.h"

#include "hostfw/CostUtilities.h"

#include <cmath>

namespace quorvane::display {

namespace {

QVariant asVariant(const db::Value& value)
{
    return value.isNull() ? QVariant() : QVariant(QString::fromStdString(value.toText()));
}

// A coded value of the row, when the utilities do not call it empty.
std::optional<int> codeOf(const controls::DataGridRow& row, const char* field)
{
    const db::Value value = row.value(field);
    if (hostfw::CostUtilities::isEmpty(asVariant(value)))
        return std::nullopt;
    return static_cast<int>(std::lround(value.toDouble()));
}

bool textIsEmpty(const QString& text)
{
    return hostfw::CostUtilities::isEmpty(QVariant(text));
}

// Each rule: the column it formats, whether the detail grid has it too, and how.
struct Rule {
    const char* key;
    bool inDetail;
    void (*apply)(const CellFormats& formats, QString& text, const controls::DataGridRow& row);
};

const Rule rules[] = {
    {"CI13_CONTO_PC03", true,
     [](const CellFormats& f, QString& text, const controls::DataGridRow&) {
         if (!textIsEmpty(text))
             text = f.texts.formatAccount(text, f.costCentreChart);
     }},
    {"CI13_VDS_PC03", true,
     [](const CellFormats& f, QString& text, const controls::DataGridRow&) {
         if (!textIsEmpty(text))
             text = f.texts.formatAccount(text, f.expenseItemChart);
     }},
    {"CG42_CONTOPAR_CG24", true,
     [](const CellFormats& f, QString& text, const controls::DataGridRow&) {
         if (!textIsEmpty(text))
             text = f.texts.formatLedgerAccount(text);
     }},
    {"CI12_TIPODOC", false,
     [](const CellFormats& f, QString& text, const controls::DataGridRow&) {
         if (!textIsEmpty(text))
             text = f.texts.documentType(text.toInt());
     }},
    {"CI12_INDTIPOMOV", false,
     [](const CellFormats& f, QString& text, const controls::DataGridRow&) {
         if (!textIsEmpty(text))
             text = f.texts.movementType(text.toInt());
     }},
    {"DES_CI12_INDPROVENIENZA", true,
     [](const CellFormats& f, QString& text, const controls::DataGridRow& row) {
         if (const auto origin = codeOf(row, "CI12_INDPROVENIENZA"))
             text = f.texts.origin(*origin);
     }},
    // The detail rows carry the nature's own indicator; the movement set names it after the expense item.
    {"DES_PC04_INDCOSTORIC", true,
     [](const CellFormats& f, QString& text, const controls::DataGridRow& row) {
         if (const auto kind = codeOf(row, f.grid == MovementGrid::Movements ? "PC04_INDCOSTORIC_VDS" : "PC04_INDCOSTORIC"))
             text = f.texts.costRevenueKind(*kind);
     }},
};

} // namespace

void CellFormats::format(const QString& key, QString& text, const controls::DataGridRow& row) const
{
    for (const Rule& rule : rules)
        if (key == QLatin1String(rule.key)) {
            if (rule.inDetail || grid == MovementGrid::Movements)
                rule.apply(*this, text, row);
            return;
        }
}

QStringList CellFormats::keys() const
{
    QStringList keys;
    for (const Rule& rule : rules)
        if (rule.inDetail || grid == MovementGrid::Movements)
            keys.push_back(QLatin1String(rule.key));
    return keys;
}

} // namespace quorvane::display
