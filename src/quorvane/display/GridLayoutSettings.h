#pragma once
// What the layout of the two movement grids depends on: the company settings that show or hide columns,
// the window's captions, decimals, amount format and currency text, the user-defined attributes, and how
// much the form resizer has widened the window since its design.

#include "company/CompanySettings.h"
#include "controls/AttributeSource.h"
#include "engine/EngineSettings.h"

#include <QString>

#include <vector>

namespace quorvane::display {

struct GridLayoutSettings {
    bool intercompany = false;
    int siteSetting = 0;                // 1: movements carry a site
    int lineSiteSetting = 0;            // 1: lines carry their own site (the detail grid needs both)
    int projectStructure = 1;           // 2: no project nodes, activities or project expenses
    bool qevIntegration = false;
    bool noLedgerLink = false;          // the general-ledger counter-account description is not shown
    QString debitCaption;
    QString creditCaption;
    int amountDecimals = 2;
    int quantityDecimals = 2;
    QString amountFormat;               // the window's amount format
    QString currencyText;               // the display text of the window's currency
    double horizontalScale = 1.0;       // the form resizer's horizontal scaling of design twips
    std::vector<controls::AttributeField> headerAttributes;   // entity 29
    std::vector<controls::AttributeField> lineAttributes;     // entity 30
};

// The settings the company and its currency decide: the columns its flags show or hide, the decimals and
// the amount format. The captions, the currency text, the attributes and the scale are the caller's.
GridLayoutSettings companyGridLayout(const company::CompanySettings& company, const EngineSettings& engine);

// A design width in twips as the form resizer scales it horizontally, rounded to whole twips.
int scaledTwips(int designTwips, const GridLayoutSettings& settings);

} // namespace quorvane::display
