#include "engine/CompanyEngineSettings.h"

#include "hostfw/Catalogue.h"

namespace quorvane {

namespace {

constexpr int textCustomer = 11180;
constexpr int textSupplier = 27554;
constexpr int textRepeatedDocument = 8826;

} // namespace

EngineSettings engineSettingsOf(const company::CompanySettings& company, hostfw::Language language)
{
    EngineSettings settings;
    settings.company = company.company;
    settings.costCentreChart = company.costCentreChart;
    settings.expenseItemChart = company.expenseItemChart;
    settings.language = hostfw::languageCode(language).toStdString();
    settings.amountDecimals = company.amountDecimals;
    settings.quantityDecimals = company.quantityDecimals;
    settings.intercompany = company.intercompany;
    settings.qevIntegration = company.qevIntegration;
    // Financial cost accounting is kept only together with the vertical module that books it.
    settings.financialAccounting = company.qevIntegration && company.financialType();
    settings.defaultCompetenceDate = company.competenceDateParameter == 1 ? "ISNULL(CI12_DATAREG, CI12_DATADOC)"
                                                                          : "ISNULL(CI12_DATADOC, CI12_DATAREG)";
    settings.documentRepeatSuffix = "/" + hostfw::Catalogue::text(textRepeatedDocument, language).toStdString();
    settings.customerWord = hostfw::Catalogue::text(textCustomer, language).toStdString();
    settings.supplierWord = hostfw::Catalogue::text(textSupplier, language).toStdString();
    return settings;
}

} // namespace quorvane
