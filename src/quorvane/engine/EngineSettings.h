#pragma once
// The company settings that the processing reads, as the window holds them after its first activation.
// The engine never reads them itself: the window (or the command line) maps the company's settings here,
// with the captions already translated into the user's language.

#include <string>

namespace quorvane {

struct EngineSettings {
    int company = 0;                       // written as a number into every statement
    int costCentreChart = 0;               // chart code of the cost-centre accounts
    int expenseItemChart = 0;              // chart code of the expense items
    std::string language = "ITA ";         // the user's language code, trailing blank included
    int amountDecimals = 2;                // decimals of the currency in use
    int quantityDecimals = 2;
    bool intercompany = false;             // the company uses intercompany structures
    bool qevIntegration = false;           // the unit-price-list vertical module is integrated
    bool financialAccounting = false;      // financial cost accounting: outflows and inflows
    // The date a line without competence dates falls on.
    std::string defaultCompetenceDate = "ISNULL(CI12_DATADOC, CI12_DATAREG)";
    std::string documentRepeatSuffix = "/bis"; // "/" and the word for a repeated document number
    std::string customerWord = "Cliente";      // the user-language words that prefix a customer or
    std::string supplierWord = "Fornitore";    // supplier number in the CLIFOR column
};

} // namespace quorvane
