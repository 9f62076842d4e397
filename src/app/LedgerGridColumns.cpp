#include "LedgerGridColumns.h"

#include "display/GridLayout.h"
#include "engine/AttributeColumns.h"
#include "export/ExportColumns.h"
#include "hostfw/AttributeDefinitions.h"
#include "hostfw/CostUtilities.h"

std::vector<controls::DataGridColumn> movementGridColumns(const LedgerSession& session)
{
    const company::CompanySettings& company = session.company;
    const quorvane::EngineSettings& engine = session.request.settings;
    const SideCaptions sides = sideCaptions(session);
    quorvane::display::GridLayoutSettings grid = quorvane::display::companyGridLayout(company, engine);
    grid.debitCaption = QString::fromStdString(sides.debit);
    grid.creditCaption = QString::fromStdString(sides.credit);
    grid.currencyText =
        hostfw::CostUtilities::currencySymbol(*session.connection, QString::fromStdString(company.currency));
    grid.headerAttributes = hostfw::AttributeDefinitions::read(*session.connection, company.company)
                                .attributes(quorvane::headerAttributeEntity);
    return quorvane::exporting::shownColumns(quorvane::display::movementGridLayout(grid),
                                             session.request.selection.CHK_QUANTITA != "0");
}
