#include "print/ReportFormulas.h"

#include "engine/ReportPeriodFormulas.h"
#include "print/FieldReferences.h"
#include "print/LevelFormulas.h"

#include <QString>

namespace quorvane::print {
namespace {

constexpr int highestLevel = 10;
constexpr int longCaptionStyle = 1;

bool isUpper(const std::string& direction, const char* word)
{
    return QString::fromStdString(direction).toUpper() == QLatin1String(word);
}

std::string numbered(const char* name, int number)
{
    return name + std::to_string(number);
}

// One sort formula and direction per ordering row; the window's fixed ordering, when it is set, sorts first
// in place of the grid's first row.
void orderingFormulas(const FormulaRequest& request, ReportFormulaPlan& plan)
{
    int k = 0;
    for (const OrderingColumn& row : request.rows) {
        if (row.group)
            continue;
        ++k;
        plan.formulas.push_back({numbered("ORDINAMENTO", k), "(" + orderingReference(row.column) + ")"});
        plan.sortFields.push_back({k, isUpper(row.direction, "DESC") ? 1 : 0});
    }
    if (!request.fixedOrderingField)
        return;
    const FormulaText fixed{"ORDINAMENTO1", "(" + fixedOrderingReference(*request.fixedOrderingField) + ")"};
    if (k > 0)
        plan.formulas[plan.formulas.size() - static_cast<std::size_t>(k)] = fixed;
    else
        plan.formulas.push_back(fixed);
}

void levelFormulas(const OrderingColumn& row, int level, bool outermost, ReportFormulaPlan& plan)
{
    const std::string reference = groupReference(row.column);
    const bool date = row.dateRow;
    plan.formulas.push_back({numbered("RAGGRUPPAMENTO", level),
                             date ? RaggruppamentoPerData(reference, row.period) : "(" + reference + ")"});
    plan.areas.push_back({numbered("GH", level), isUpper(row.direction, "ASC") ? 0 : 1, outermost});
    const std::optional<std::string> groupText =
        date ? CaptionPerData(reference, row.period, longCaptionStyle) : groupTextFormula(row.column, reference);
    if (groupText)
        plan.formulas.push_back({numbered("STRRAGGRUPPAMENTO", level), *groupText});
    plan.formulas.push_back({numbered("OMETTI", level), "False"});
    if (date)
        plan.formulas.push_back({numbered("ISDATA", level), "True"});
    if (row.pageBreak)
        plan.formulas.push_back(
            {numbered("SALTOPAGINA", level), date ? periodPageBreak(level) : nullAwarePageBreak(reference)});
    plan.formulas.push_back({numbered("CAPTION", level), captionFormula(row.caption, row.column, level)});
    if (const std::optional<std::string> description = descriptionFormula(row.caption))
        plan.formulas.push_back({numbered("DECODIFICA", level), *description});
}

// The grid's rows from the last to the first: each grouping row takes the next level down from 10. More
// than ten grouping rows leave the first ones without a level of the report.
void groupingFormulas(const FormulaRequest& request, ReportFormulaPlan& plan)
{
    const OrderingColumn* outermost = nullptr;
    for (const OrderingColumn& row : request.rows)
        if (row.group && !outermost)
            outermost = &row;
    int level = highestLevel;
    for (auto row = request.rows.rbegin(); row != request.rows.rend() && level >= 1; ++row)
        if (row->group)
            levelFormulas(*row, level--, &*row == outermost, plan);
}

// The rate in plain decimals (the formula language reads no exponent), without trailing zeros.
QString plainRate(double rate)
{
    QString text = QString::number(rate, 'f', 10);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

// The rate as the formula language reads it, and the caption as an Italian reader does; a quote in the
// currency's code is doubled inside the caption's text literal.
void conversionFormulas(const Countervalue::Conversion& conversion, ReportFormulaPlan& plan)
{
    const QString rate = plainRate(conversion.rate);
    const QString italianRate = QString(rate).replace(QLatin1Char('.'), QLatin1Char(','));
    const QString caption =
        QStringLiteral("Controvalore in %1 al cambio %2").arg(QString::fromStdString(conversion.currency), italianRate);
    plan.formulas.push_back({"NUMCAMBIO", (conversion.quotation.uncertain ? "1 / " : "") + rate.toStdString()});
    plan.formulas.push_back({"NUMDECIMALICAMBIO", std::to_string(conversion.quotation.decimals)});
    plan.formulas.push_back(
        {"STRCONTROVALORE", "\"" + QString(caption).replace(QLatin1Char('"'), QStringLiteral("\"\"")).toStdString() + "\""});
}

} // namespace

ReportFormulaPlan buildFormulaPlan(const FormulaRequest& request, AccountFormulas& accounts)
{
    ReportFormulaPlan plan;
    plan.formulas.push_back({"STRCONTOFORMATTATO", accounts.GetFormulaContoFormattato()});
    plan.formulas.push_back({"STRVDSFORMATTATA", accounts.GetFormulaVDSFormattata()});
    orderingFormulas(request, plan);
    groupingFormulas(request, plan);
    if (request.conversion)
        conversionFormulas(*request.conversion, plan);
    if (request.withCounterparts)
        plan.counterpartFormulas.push_back({"STRCONTOFORMATTATO", accounts.GetFormulaSubContoFormattato()});
    return plan;
}

} // namespace quorvane::print
