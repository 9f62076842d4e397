#pragma once
// The settings of one company that the ledger inquiry reads when its window is first activated: chart
// codes, currency and decimals, and the flags that decide which columns, rows and statements apply.

#include "db/Connection.h"
#include "db/Error.h"

#include <string>

namespace company {

struct CompanySettings {
    int company = 0;                    // ditta
    std::string name;                   // the company's registry name, address, town and VAT number
    std::string address;
    std::string town;
    std::string vatNumber;
    int costCentreChart = 0;            // chart code of cost-centre accounts (C.d.C.)
    int expenseItemChart = 0;           // chart code of expense items (V.d.S.)
    int costCentreChartLevels = 1;      // levels of the two charts
    int expenseItemChartLevels = 1;
    std::string currency = "EURO";      // base currency; "EURO" when the company names none
    int amountDecimals = 2;             // the currency's decimals; 2 when they cannot be read
    int quantityDecimals = 2;           // 2 when the company sets none
    bool intercompany = false;
    int siteSetting = 0;                // 1: movements carry a site
    int lineSiteSetting = 0;            // 1: lines carry their own site
    int projectStructure = 1;           // 2: no nodes, activities and project expenses
    bool qevIntegration = false;        // the unit-price-list vertical module is integrated
    std::string costAccountingType;     // "FIN" for financial cost accounting
    int competenceDateParameter = 0;    // 1: lines without competence fall on the registration date (in the
                                        // extraction and, as INDICATORESCALETTADATACOMP, in the printed ledger)
    bool noLedgerLink = false;
    int ledgerEditSetting = 0;          // 0: linked journal entries are never opened for editing
    int numLivelli = 0;                 // report parameter NUMLIVELLI

    bool financialType() const { return costAccountingType == "FIN"; }
};

// A company the database does not hold: a refusal of what was asked, not a failure of the database.
class UnknownCompany : public db::Error {
public:
    using db::Error::Error;
};

// Reads the settings of the company; throws UnknownCompany naming it when the database does not hold it.
CompanySettings readCompanySettings(db::Connection& connection, int company);

} // namespace company
