#include "PrintDump.h"

#include "LedgerJson.h"

#include "db/ConnectionString.h"

#include <QDate>

namespace {

using quorvane::print::FormulaText;

void writeFormulas(std::ostream& out, const std::vector<FormulaText>& formulas)
{
    out << "{";
    for (std::size_t i = 0; i < formulas.size(); ++i) {
        out << (i ? ",\n    " : "\n    ");
        writeJsonString(out, formulas[i].name);
        out << ": ";
        writeJsonString(out, formulas[i].text);
    }
    out << (formulas.empty() ? "}" : "\n  }");
}

void writeValue(std::ostream& out, const QString& name, const QVariant& value)
{
    switch (value.metaType().id()) {
    case QMetaType::Bool: out << (value.toBool() ? "true" : "false"); return;
    case QMetaType::Short:
    case QMetaType::Int: out << value.toInt(); return;
    case QMetaType::QDate: writeJsonString(out, value.toDate().toString(Qt::ISODate).toStdString()); return;
    default: break;
    }
    const std::string text = value.toString().toStdString();
    writeJsonString(out, name == QLatin1String("STRCONNESSIONE") ? db::maskPasswords(text) : text);
}

void writeParameters(std::ostream& out, const std::vector<quorvane::print::ReportParameter>& parameters)
{
    out << "{";
    for (std::size_t i = 0; i < parameters.size(); ++i) {
        out << (i ? ",\n    " : "\n    ");
        writeJsonString(out, parameters[i].name.toStdString());
        out << ": ";
        writeValue(out, parameters[i].name, parameters[i].value);
    }
    out << "\n  }";
}

void writeSorts(std::ostream& out, const quorvane::print::ReportFormulaPlan& plan)
{
    out << "[";
    for (std::size_t i = 0; i < plan.sortFields.size(); ++i)
        out << (i ? ", " : "") << "{\"index\": " << plan.sortFields[i].index
            << ", \"direction\": " << plan.sortFields[i].direction << "}";
    out << "]";
}

void writeAreas(std::ostream& out, const quorvane::print::ReportFormulaPlan& plan)
{
    out << "{";
    for (std::size_t i = 0; i < plan.areas.size(); ++i) {
        out << (i ? ", " : "");
        writeJsonString(out, plan.areas[i].name);
        out << ": {\"sortDirection\": " << plan.areas[i].sortDirection
            << ", \"hideForDrillDown\": " << (plan.areas[i].hideForDrillDown ? "true" : "false") << "}";
    }
    out << "}";
}

} // namespace

void printLedgerDump(std::ostream& out, const LedgerPrintTexts& texts)
{
    out << "{\n  \"reportFile\": ";
    writeJsonString(out, texts.reportFile.toStdString());
    out << ",\n  \"sql\": ";
    writeJsonString(out, texts.statement);
    out << ",\n  \"formulas\": ";
    writeFormulas(out, texts.formulas.formulas);
    out << ",\n  \"subreportFormulas\": ";
    writeFormulas(out, texts.formulas.counterpartFormulas);
    out << ",\n  \"sortFields\": ";
    writeSorts(out, texts.formulas);
    out << ",\n  \"areas\": ";
    writeAreas(out, texts.formulas);
    out << ",\n  \"parameters\": ";
    writeParameters(out, texts.parameters);
    out << "\n}\n";
}
