#include "print/ReportDocumentWriter.h"

#include <QString>

#include <stdexcept>

namespace quorvane::print {
namespace {

void setTexts(std::vector<report::FormulaFieldDefinition>& fields, const std::vector<FormulaText>& formulas)
{
    for (report::FormulaFieldDefinition& field : fields) {
        const std::string name = field.FormulaFieldName().toUpper().toStdString();
        for (const FormulaText& formula : formulas)
            if (formula.name == name)
                field.setText(QString::fromStdString(formula.text));
    }
}

} // namespace

void writeFormulas(report::ReportDocument& document, const ReportFormulaPlan& plan,
                   const std::shared_ptr<db::Connection>& connection)
{
    setTexts(document.FormulaFields(), plan.formulas);
    for (const SortFieldDirection& sort : plan.sortFields)
        if (report::RecordSortFieldDefinition* field = document.RecordSortFields().Item(sort.index))
            field->setSortDirection(sort.direction);
    for (const AreaSetting& setting : plan.areas)
        if (report::AreaDefinition* area = document.Areas(QString::fromStdString(setting.name))) {
            area->setSortDirection(setting.sortDirection);
            if (setting.hideForDrillDown)
                area->setHideForDrillDown(true);
        }
    if (plan.counterpartFormulas.empty())
        return;
    if (report::SubreportDocument* counterparts = document.OpenSubReport(QString::fromLatin1(counterpartSubreport))) {
        setTexts(counterparts->FormulaFields(), plan.counterpartFormulas);
        counterparts->setConnection(connection);
    }
}

void writeParameters(report::ReportDocument& document, const std::vector<ReportParameter>& parameters)
{
    for (report::ParameterFieldDefinition& field : document.ParameterFields())
        for (const ReportParameter& parameter : parameters)
            if (field.ParameterFieldName() == parameter.name && !field.AddCurrentValue(parameter.value))
                throw std::invalid_argument("the report refuses the value of its parameter "
                                            + parameter.name.toStdString());
}

} // namespace quorvane::print
