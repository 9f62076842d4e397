#pragma once
// Seven ledger records for formula tests, chosen at the edges the window's formulas care about: the last
// Sunday of a year and the first Monday of the next, the 15th and 16th of a month, a leap day, a missing
// date, missing amounts and a counter-account that appears, changes and disappears.

#include "report/Records.h"
#include "report/StatementFields.h"
#include "report/formula/Evaluator.h"
#include "report/formula/FormulaSet.h"

#include "db/RecordsetBuilder.h"

#include <memory>
#include <optional>

namespace formulatest {

inline const char* const statement =
    "SELECT CI12_MOVTESTATA.CI12_DATAREG, CI13_MOVCORPO.CI13_CONTO_PC03, CI13_MOVCORPO.CI13_IMPORTO,"
    " CI13_MOVCORPO.CI13_DESCRAGG, CG42_MOVCONT.CG42_CONTOPAR_CG24"
    " FROM CI12_MOVTESTATA INNER JOIN CI13_MOVCORPO ON 1 = 1 LEFT OUTER JOIN CG42_MOVCONT ON 1 = 1";

inline std::shared_ptr<report::Records> ledgerRecords()
{
    db::RecordsetBuilder b({{"CI12_DATAREG", db::DataType::DateTime},
                            {"CI13_CONTO_PC03", db::DataType::Text},
                            {"CI13_IMPORTO", db::DataType::Decimal, 0, 19, 4},
                            {"CI13_DESCRAGG", db::DataType::Text},
                            {"CG42_CONTOPAR_CG24", db::DataType::Text}});
    struct Row {
        int y, m, d;   // y 0: no date
        const char* account;
        std::optional<std::int64_t> amount;   // ten-thousandths
        const char* description;
        const char* counterAccount;
    };
    const Row rows[] = {{2023, 12, 31, "0101001", 12345000, "Perché sì", nullptr},
                        {2024, 1, 1, "0101001", -50, nullptr, nullptr},
                        {2024, 3, 15, "0201004", 3100000, "x", "6040010"},
                        {2024, 3, 16, "0201004", 1000050, "", "6040010"},
                        {2024, 12, 31, "0303", std::nullopt, "y", "7010020"},
                        {0, 0, 0, "0303", 25000, nullptr, nullptr},
                        {2024, 2, 29, "0303", 30000, nullptr, nullptr}};
    for (const Row& r : rows) {
        r.y ? b.appendDateTime(0, db::DateTime::fromCivil(r.y, r.m, r.d)) : b.appendNull(0);
        b.appendText(1, r.account);
        r.amount ? b.appendDecimal(2, *r.amount) : b.appendNull(2);
        r.description ? b.appendText(3, r.description) : b.appendNull(3);
        r.counterAccount ? b.appendText(4, r.counterAccount) : b.appendNull(4);
        b.endRow();
    }
    return std::make_shared<report::Records>(b.finish());
}

// A formula set over the records with one parameter, DECIMALIEURO = 2.
inline std::unique_ptr<report::formula::FormulaSet> formulaSet(const report::Records& records)
{
    auto fields = std::make_shared<report::StatementFields>(statement, records.rows());
    return std::make_unique<report::formula::FormulaSet>(
        [fields](const std::string& reference) { return fields->find(reference); },
        std::map<std::string, report::formula::ParameterValue>{
            {"DECIMALIEURO", {report::formula::ValueType::Number, report::formula::Value(2)}}});
}

} // namespace formulatest
