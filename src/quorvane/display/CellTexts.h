#pragma once
// Where the grids' cell formats find their words: account codes in their chart's format, general-ledger
// accounts as the window's general-ledger account field shows them, and the descriptions of coded values
// (the cost-accounting utilities' role).

#include <QString>

namespace quorvane::display {

class CellTexts {
public:
    virtual ~CellTexts() = default;
    virtual QString formatAccount(const QString& code, int chart) const = 0;
    virtual QString formatLedgerAccount(const QString& code) const = 0;
    virtual QString documentType(int documentType) const = 0;
    virtual QString movementType(int movementType) const = 0;
    virtual QString origin(int origin) const = 0;
    virtual QString costRevenueKind(int kind) const = 0;
};

} // namespace quorvane::display
