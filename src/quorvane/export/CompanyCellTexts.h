#pragma once
// The movement grid's cell words for an export without the window: account codes in their chart's format
// from the company's chart configuration, general-ledger accounts as the group captions write them, the
// movement types' descriptions from the company database and the other coded values' words in the user's
// language.

#include "db/Connection.h"
#include "display/CellTexts.h"
#include "engine/ChartAccountFormatting.h"
#include "hostfw/Language.h"

#include <QHash>

namespace quorvane::exporting {

class CompanyCellTexts final : public display::CellTexts {
public:
    // Reads the charts and the movement types once.
    CompanyCellTexts(db::Connection& connection, hostfw::Language language);

    QString formatAccount(const QString& code, int chart) const override;
    QString formatLedgerAccount(const QString& code) const override;
    QString documentType(int documentType) const override;
    QString movementType(int movementType) const override;
    QString origin(int origin) const override;
    QString costRevenueKind(int kind) const override;

private:
    ChartAccountFormatting accounts_;
    hostfw::Language language_;
    QHash<int, QString> movementTypes_;
};

} // namespace quorvane::exporting
