#pragma once
// The printed ledger's parameters as the window gives them (the parameter half of
// gclsReport_BeforePrintReport): the report object's own texts and options, the selection in words as the
// summary panel shows it, the competence period, decimals, charts and company settings. Each value has
// the type its parameter takes.

#include "engine/CompetencePeriod.h"
#include "selection/SelectionParameters.h"

#include <QDate>
#include <QString>
#include <QVariant>

#include <optional>
#include <string>
#include <vector>

namespace report {
class ReportEngine;
}

namespace quorvane::print {

struct ReportParameter {
    QString name;
    QVariant value;    // QString, bool, QDate, qint16 or qint32
};

struct ParameterSources {
    QString accountSelection;          // see accountSelectionInWords
    QString movements, registrationDates, amounts, quantities, competence;   // the summary's captions
    int ledgerMode = 0;                // 0: the ledger of values
    std::optional<CompetencePeriod> competencePeriod;   // when CHK_PERIODOCOMP is "1"
    QDate today;
    int quantityDecimals = 2;
    int amountDecimals = 2;
    QString connectionString;
    int costCentreChart = 0;
    int expenseItemChart = 0;
    int numLivelli = 0;                // the company's cost-accounting parameter
    int competenceDateRule = 0;        // 1: a line without competence dates falls on its registration date
    bool financialAccounting = false;
    QString currency;                  // the ledger's own currency, in which its lines and totals print
    // The processing kept only lines within an amount or quantity band, which the report's statement
    // cannot carry: the print says so in its heading.
    bool amountOrQuantityBand = false;
};

// PSCONTOVDS: the account code " - " its description as the summary finds it (for a level code as well),
// or, for a selection by the account filter grid, its rows ("C.d.C. - Mastro: 01 / 02; Natura: 3, 4").
QString accountSelectionInWords(const SelectionParameters& selection, const std::string& accountDescription);

// The parameters in the order the window fills them; the report object gives its own texts and options.
std::vector<ReportParameter> reportParameters(const ParameterSources& sources, const report::ReportEngine& report);

} // namespace quorvane::print
