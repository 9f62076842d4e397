#pragma once
// The cell formats' words as the window gives them: account codes and descriptions from its cost-accounting
// utilities, general-ledger accounts through its hidden general-ledger account field (TXT_FORMATCONTOCOGE),
// which the window hands over as a function that writes a code in and reads the formatted text back.

#include "display/CellTexts.h"

#include <functional>

namespace hostfw {
class CostUtilities;
}

namespace quorvane::display {

class CostUtilitiesCellTexts final : public CellTexts {
public:
    using LedgerAccountField = std::function<QString(const QString& code)>;

    // Both stay the window's and must outlive this object.
    CostUtilitiesCellTexts(hostfw::CostUtilities& utilities, LedgerAccountField ledgerAccountField)
        : utilities_(utilities), ledgerAccountField_(std::move(ledgerAccountField)) {}

    QString formatAccount(const QString& code, int chart) const override;
    QString formatLedgerAccount(const QString& code) const override;
    QString documentType(int documentType) const override;
    QString movementType(int movementType) const override;
    QString origin(int origin) const override;
    QString costRevenueKind(int kind) const override;

private:
    hostfw::CostUtilities& utilities_;
    LedgerAccountField ledgerAccountField_;
};

} // namespace quorvane::display
