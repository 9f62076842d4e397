#include "print/ReportParameters.h"

#include "db/ConnectionString.h"
#include "report/ReportEngine.h"

namespace quorvane::print {

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
            {QStringLiteral("PSCONTOVDS"), s.account + QStringLiteral(" - ") + s.accountDescription},
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
            {QStringLiteral("FILTROIMPORTIQTA"), s.amountOrQuantityBand}};
}

} // namespace quorvane::print
