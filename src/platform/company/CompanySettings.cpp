#include "company/CompanySettings.h"

#include "db/Error.h"

namespace company {

namespace {

// Company, its parameters, its registry name, its currency and the depth of its two charts in one row;
// the outer joins let a half-configured company still answer with the defaults.
std::string settingsQuery(int company)
{
    return "SELECT CG18_DITTA, CG16_RAGSOANAG, CG16_INDIRIZZO, CG16_CITTA, CG16_PARTIVA, CI01_CODPDC_PC01, CI01_CODVDS_PC01,\r\n"
           "       PDC.PC01_NUMLIVELLI AS LIVELLIPDC, VDS.PC01_NUMLIVELLI AS LIVELLIVDS,\r\n"
           "       CG18_CODVALUTA_CG08, CG08_NUMERODECIMALI, CI01_DECQTA, CG18_FLGINTERCOMPANY,\r\n"
           "       CI01_INDSEDI, CI01_INDSEDIRIGA, CG18_INDSTRUTTPROG, CI01_FLGINTEGRAZIONEQEV, CG18_TIPOCOAN,\r\n"
           "       CG18_INDDATACOMP, CI01_FLGNOCOGE, CI01_INDMODIFICAPN, CI01_NUMLIVELLI\r\n"
           "FROM CG18_ANADITTABASE WITH (NOLOCK)\r\n"
           "LEFT OUTER JOIN CG16_ANAGGEN WITH (NOLOCK) ON CG16_CODICE = CG18_CODICE_CG16\r\n"
           "LEFT OUTER JOIN CI01_PARAMETRI WITH (NOLOCK) ON CI01_DITTA_CG18 = CG18_DITTA\r\n"
           "LEFT OUTER JOIN CG08_VALUTE WITH (NOLOCK) ON CG08_CODICE = CG18_CODVALUTA_CG08\r\n"
           "LEFT OUTER JOIN PC01_PIANIDEICONTI AS PDC WITH (NOLOCK) ON PDC.PC01_CODICE = CI01_CODPDC_PC01\r\n"
           "LEFT OUTER JOIN PC01_PIANIDEICONTI AS VDS WITH (NOLOCK) ON VDS.PC01_CODICE = CI01_CODVDS_PC01\r\n"
           "WHERE CG18_DITTA = " + std::to_string(company);
}

int intOr(const db::Recordset& row, const char* column, int fallback)
{
    db::Value v = row.value(column);
    return v.isNull() ? fallback : static_cast<int>(v.toDouble());
}

std::string textOr(const db::Recordset& row, const char* column, const std::string& fallback)
{
    db::Value v = row.value(column);
    std::string text = v.isNull() ? std::string() : v.toText();
    return text.empty() ? fallback : text;
}

} // namespace

CompanySettings readCompanySettings(db::Connection& connection, int company)
{
    db::Recordset row = connection.Open(settingsQuery(company));
    if (row.EOF_())
        throw UnknownCompany("Company " + std::to_string(company) + " does not exist in the company database.");
    CompanySettings s;
    s.company = company;
    s.name = textOr(row, "CG16_RAGSOANAG", "");
    s.address = textOr(row, "CG16_INDIRIZZO", "");
    s.town = textOr(row, "CG16_CITTA", "");
    s.vatNumber = textOr(row, "CG16_PARTIVA", "");
    s.costCentreChart = intOr(row, "CI01_CODPDC_PC01", 0);
    s.expenseItemChart = intOr(row, "CI01_CODVDS_PC01", 0);
    s.costCentreChartLevels = intOr(row, "LIVELLIPDC", 1);
    s.expenseItemChartLevels = intOr(row, "LIVELLIVDS", 1);
    s.currency = textOr(row, "CG18_CODVALUTA_CG08", "EURO");
    s.amountDecimals = intOr(row, "CG08_NUMERODECIMALI", 2);
    s.quantityDecimals = intOr(row, "CI01_DECQTA", 2);
    s.intercompany = intOr(row, "CG18_FLGINTERCOMPANY", 0) != 0;
    s.siteSetting = intOr(row, "CI01_INDSEDI", 0);
    s.lineSiteSetting = intOr(row, "CI01_INDSEDIRIGA", 0);
    s.projectStructure = intOr(row, "CG18_INDSTRUTTPROG", 1);
    s.qevIntegration = intOr(row, "CI01_FLGINTEGRAZIONEQEV", 0) != 0;
    s.costAccountingType = textOr(row, "CG18_TIPOCOAN", "");
    s.competenceDateParameter = intOr(row, "CG18_INDDATACOMP", 0);
    s.noLedgerLink = intOr(row, "CI01_FLGNOCOGE", 0) != 0;
    s.ledgerEditSetting = intOr(row, "CI01_INDMODIFICAPN", 0);
    s.numLivelli = intOr(row, "CI01_NUMLIVELLI", 0);
    return s;
}

} // namespace company
