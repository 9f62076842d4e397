#pragma once
// Which side of the ledger a row counts on, by the cost-or-revenue indicator of its expense item's
// nature: costs (1) on the debit side, revenues (2) and adjustments (0) on the credit side; in financial
// cost accounting outflows (4) on the debit side and inflows (3) on the credit side.

namespace quorvane {

struct LedgerSides {
    const char* debitWhen;
    const char* creditWhen;
};

inline LedgerSides ledgerSides(bool financialAccounting)
{
    if (financialAccounting)
        return {"WHEN #MOVIMENTI.PC04_INDCOSTORIC_VDS = 4 THEN", "WHEN #MOVIMENTI.PC04_INDCOSTORIC_VDS = 3 THEN"};
    return {"WHEN #MOVIMENTI.PC04_INDCOSTORIC_VDS = 1 THEN",
            "WHEN #MOVIMENTI.PC04_INDCOSTORIC_VDS = 2 OR #MOVIMENTI.PC04_INDCOSTORIC_VDS = 0 THEN"};
}

} // namespace quorvane
