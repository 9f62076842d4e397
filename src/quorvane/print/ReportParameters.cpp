#include "print/ReportParameters.h"

#include "db/ConnectionString.h"
#include "report/ReportEngine.h"

#include <QStringList>

namespace quorvane::print {
namespace {

QString rowInWords(const LimitRow& row)
{
    QStringList values;
    for (const std::string& value : row.list)
        values << QString::fromStdString(value);
    if (values.isEmpty())
        for (const std::string* bound : {&row.from, &row.to})
            if (!bound->empty())
                values << QString::fromStdString(*bound);
    return QString::fromStdString(row.caption) + QStringLiteral(": ")
           + values.join(row.list.empty() ? QStringLiteral(" / ") : QStringLiteral(", "));
}

} // namespace

QString accountSelectionInWords(const SelectionParameters& selection, const std::string& accountDescription)
{
    if (selection.CBO_SELCONTOVDS != "2")
        return QString::fromStdString(selection.TXT_CONTO + " - " + accountDescription);
    QStringList rows;
    for (const LimitRow& row : selection.ADVQ_SELCONTI)
        rows << rowInWords(row);
    return rows.join(QStringLiteral("; "));
}

std::vector<ReportParameter> reportParameters(const ParameterSources& s, const report::ReportEngine& report)
{
    const bool competence = s.competencePeriod.has_value();
    const QDate from = competence ? s.competencePeriod->first : s.today;
    const QDate to = competence ? s.competencePeriod->last : s.today;
    // A printed page or a dump is read by anyone: the connection string goes with its password hidden.
    const QString connection = QString::fromStdString(db::maskPasswords(s.connectionString.toStdString()));
    return {{QStringLiteral("ESEGUITODA"), report.executedBy()},
            {QStringLiteral("DESTINATOA"), report.addressee()},
            {QStringLiteral("NOTE"), report.notes()},
            {QStringLiteral("PSCONTOVDS"), s.accountSelection},
            {QStringLiteral("PSMOVIMENTI"), s.movements},
            {QStringLiteral("PSDATAREG"), s.registrationDates},
            {QStringLiteral("PSIMPORTO"), s.amounts},
            {QStringLiteral("PSQUANTITA"), s.quantities},
            {QStringLiteral("PSCOMPETENZA"), s.competence},
            {QStringLiteral("PAGINAINIZIALE"), report.firstPage()},
            {QStringLiteral("STAMPANOTE"), report.printNotes()},
            {QStringLiteral("LIMITISTAMPA"), report.printLimits()},
            {QStringLiteral("PARTVALORE"), s.ledgerMode == 0},
            {QStringLiteral("DADATACOMP"), from},
            {QStringLiteral("ADATACOMP"), to},
            {QStringLiteral("FILTROCOMPETENZA"), competence},
            {QStringLiteral("DECIMALIQTA1"), qint32(s.quantityDecimals)},
            {QStringLiteral("DECIMALIEURO"), qint32(s.amountDecimals)},
            {QStringLiteral("STRCONNESSIONE"), connection},
            {QStringLiteral("PDCCONTI"), QVariant::fromValue(qint16(s.costCentreChart))},
            {QStringLiteral("PDCVDS"), QVariant::fromValue(qint16(s.expenseItemChart))},
            {QStringLiteral("GESTIONEVDS"), true},
            {QStringLiteral("NUMLIVELLI"), qint32(s.numLivelli)},
            {QStringLiteral("INDICATORESCALETTADATACOMP"), qint32(s.competenceDateRule)},
            {QStringLiteral("IsCoanFinanziaria"), s.financialAccounting},
            {QStringLiteral("VALUTA"), s.currency},
            {QStringLiteral("FILTROIMPORTIQTA"), s.amountOrQuantityBand}};
}

} // namespace quorvane::print
