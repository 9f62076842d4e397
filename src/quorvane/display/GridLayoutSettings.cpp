#include "display/GridLayoutSettings.h"

#include "engine/NumberFormat.h"

#include <cmath>

namespace quorvane::display {

GridLayoutSettings companyGridLayout(const company::CompanySettings& company, const EngineSettings& engine)
{
    GridLayoutSettings grid;
    grid.intercompany = engine.intercompany;
    grid.siteSetting = company.siteSetting;
    grid.lineSiteSetting = company.lineSiteSetting;
    grid.projectStructure = company.projectStructure;
    grid.qevIntegration = engine.qevIntegration;
    grid.noLedgerLink = company.noLedgerLink;
    grid.amountDecimals = engine.amountDecimals;
    grid.quantityDecimals = engine.quantityDecimals;
    grid.amountFormat = QString::fromStdString(amountFormat(engine.amountDecimals));
    return grid;
}

int scaledTwips(int designTwips, const GridLayoutSettings& settings)
{
    return static_cast<int>(std::lround(designTwips * settings.horizontalScale));
}

} // namespace quorvane::display
