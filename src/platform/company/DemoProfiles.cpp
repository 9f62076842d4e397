#include "company/DemoModel.h"

namespace company {

namespace {

// No intercompany, no sites, full project structure, industrial cost accounting, linked to the ledger.
CompanyProfile plainCompany()
{
    CompanyProfile p;
    p.company = 1;
    p.registryName = "Meccanica Brianzola S.r.l.";
    p.address = "Via Lecco 41";
    p.city = "Monza";
    p.currency = "EURO";
    p.quantityDecimals = 2;
    p.costAccountingType = "IND";
    p.numLivelli = 3;
    p.costCentreChart = 1;
    p.expenseItemChart = 2;
    p.segmentSizes = {2, 2, 3};
    return p;
}

// Every optional feature switched on, financial cost accounting with the vertical module, no ledger link.
CompanyProfile everythingOnCompany()
{
    CompanyProfile p;
    p.company = 2;
    p.registryName = "Impianti Padani S.p.A.";
    p.address = "Viale Europa 112";
    p.city = "Brescia";
    p.currency = "EURO";
    p.quantityDecimals = 3;
    p.intercompany = true;
    p.siteSetting = 1;
    p.lineSiteSetting = 1;
    p.projectStructure = 2;
    p.qevIntegration = true;
    p.costAccountingType = "FIN";
    p.competenceDateParameter = 1;
    p.noLedgerLink = true;
    p.ledgerEditSetting = 0;
    p.numLivelli = 5;
    p.competenceDateScale = 1;
    p.costCentreChart = 3;
    p.expenseItemChart = 4;
    p.segmentSizes = {1, 2, 2, 2, 3};
    p.userAttributes = true;
    return p;
}

// The limits: single-level charts, a currency without decimals, whole quantities, sites on the header only.
CompanyProfile edgesCompany()
{
    CompanyProfile p;
    p.company = 3;
    p.registryName = "Servizi Tecnici Adriatici S.n.c.";
    p.address = "Corso Garibaldi 7";
    p.city = "Pesaro";
    p.currency = "LIT";
    p.quantityDecimals = 0;
    p.siteSetting = 1;
    p.costAccountingType = "IND";
    p.numLivelli = 1;
    p.competenceDateScale = 2;
    p.costCentreChart = 5;
    p.expenseItemChart = 6;
    p.segmentSizes = {6};
    return p;
}

} // namespace

const std::vector<CompanyProfile>& demoProfiles()
{
    static const std::vector<CompanyProfile> profiles = {plainCompany(), everythingOnCompany(), edgesCompany()};
    return profiles;
}

} // namespace company
