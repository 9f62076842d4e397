#include "display/CostUtilitiesCellTexts.h"

#include "hostfw/CostUtilities.h"

namespace quorvane::display {

QString CostUtilitiesCellTexts::formatAccount(const QString& code, int chart) const
{
    return utilities_.formatAccount(code, chart);
}

QString CostUtilitiesCellTexts::formatLedgerAccount(const QString& code) const
{
    return ledgerAccountField_(code);
}

QString CostUtilitiesCellTexts::documentType(int documentType) const
{
    return utilities_.describeDocumentType(documentType);
}

QString CostUtilitiesCellTexts::movementType(int movementType) const
{
    return utilities_.describeMovementType(movementType);
}

QString CostUtilitiesCellTexts::origin(int origin) const
{
    return utilities_.describeOrigin(origin);
}

QString CostUtilitiesCellTexts::costRevenueKind(int kind) const
{
    return utilities_.describeCostRevenueKind(kind);
}

} // namespace quorvane::display
