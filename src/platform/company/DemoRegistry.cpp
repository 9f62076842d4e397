#include "company/DemoWriters.h"
#include "company/ItalianWords.h"
#include "company/TableWriter.h"

namespace company::demo {

namespace {

constexpr int customerCount = 40;
constexpr int supplierCount = 25;

// The company's own registry entry, its settings and its cost-accounting parameters.
void writeCompany(db::Connection& connection, const CompanyProfile& p)
{
    TableWriter company(connection, "CG18_ANADITTABASE",
                        {"CG18_DITTA", "CG18_CODICE_CG16", "CG18_CODVALUTA_CG08", "CG18_FLGINTERCOMPANY",
                         "CG18_INDSTRUTTPROG", "CG18_INDDATACOMP", "CG18_INDSCALDATACOMP", "CG18_TIPOCOAN"});
    company.add({p.company, p.company, p.currency, p.intercompany, p.projectStructure, p.competenceDateParameter,
                 p.competenceDateScale, p.costAccountingType});
    company.flush();
    TableWriter parameters(connection, "CI01_PARAMETRI",
                           {"CI01_DITTA_CG18", "CI01_CODPDC_PC01", "CI01_CODVDS_PC01", "CI01_DECQTA",
                            "CI01_INDSEDI", "CI01_INDSEDIRIGA", "CI01_FLGNOCOGE", "CI01_INDMODIFICAPN",
                            "CI01_NUMLIVELLI", "CI01_FLGINTEGRAZIONEQEV"});
    parameters.add({p.company, p.costCentreChart, p.expenseItemChart, p.quantityDecimals, p.siteSetting,
                    p.lineSiteSetting, p.noLedgerLink, p.ledgerEditSetting, p.numLivelli, p.qevIntegration});
    parameters.flush();
}

struct RegistryWriters {
    TableWriter current, versions, cliFor;
};

std::string tradeName(Prng& random)
{
    return random.pick(words::surnames) + " " + random.pick(words::trades);
}

// A customer or supplier: its registry with one to three versions over time, so that some document dates
// fall before its first version, between name changes or after it ceased.
void writeCustomerOrSupplier(RegistryWriters& w, Prng& random, int company, int kind, int number, int registry)
{
    std::string name = tradeName(random);
    std::string form = random.pick(words::legalForms);
    std::string city = random.pick(words::cities);
    std::string address = random.pick(words::streets) + " " + std::to_string(random.between(1, 180));
    w.current.add({registry, name + " " + form, address, city, db::Value(), numbered("", random.between(10000, 99999), 5),
                   numbered("0", random.below(1'000'000'000), 10)});
    long start = firstDay() - 900 + random.below(1500);
    bool renamed = random.percent(30), ceased = random.percent(12);
    long change = start + 120 + random.below(500);
    long end = (renamed ? change : start) + 200 + random.below(400);
    w.versions.add({registry, dateOfDay(start), nullable(renamed || ceased, dateOfDay(renamed ? change - 1 : end)),
                    name + " " + (renamed ? "S.n.c." : form), address, city});
    if (renamed)
        w.versions.add({registry, dateOfDay(change), nullable(ceased, dateOfDay(end)), name + " " + form, address, city});
    w.cliFor.add({company, kind, number, registry, 1, kind == 0 ? "4010010" : "4510010"});
}

void writeCustomersAndSuppliers(db::Connection& connection, Prng& random, CompanyMasters& m)
{
    const CompanyProfile& p = *m.profile;
    RegistryWriters w{
        TableWriter(connection, "CG16_ANAGGEN",
                    {"CG16_CODICE", "CG16_RAGSOANAG", "CG16_INDIRIZZO", "CG16_CITTA", "CG16_PROVINCIA", "CG16_CAP",
                     "CG16_PARTIVA"}),
        TableWriter(connection, "CG17_ANAGSTORICO",
                    {"CG17_CODICE_CG16", "CG17_DATAINIZIO", "CG17_DATAFINE", "CG17_RAGSOANAG", "CG17_INDIRIZZO",
                     "CG17_CITTA"}),
        TableWriter(connection, "CG44_CLIFOR",
                    {"CG44_DITTA_CG18", "CG44_TIPOCF", "CG44_CLIFOR", "CG44_CODICE_CG16", "CG44_GRUPPO_CG10",
                     "CG44_CONTO_CG24"})};
    w.current.add({p.company, p.registryName, p.address, p.city, db::Value(), "20900", "0" + numbered("", 412000 + p.company, 10)});
    w.versions.add({p.company, dateOfDay(firstDay() - 3650), db::Value(), p.registryName, p.address, p.city});
    for (int i = 1; i <= customerCount; ++i) {
        writeCustomerOrSupplier(w, random, p.company, 0, 10000 + i, p.company * 1000 + i);
        m.customers.push_back(10000 + i);
    }
    for (int i = 1; i <= supplierCount; ++i) {
        writeCustomerOrSupplier(w, random, p.company, 1, 20000 + i, p.company * 1000 + 500 + i);
        m.suppliers.push_back(20000 + i);
    }
    w.current.flush();
    w.versions.flush();
    w.cliFor.flush();
}

void writeSites(db::Connection& connection, Prng& random, CompanyMasters& m)
{
    if (m.profile->siteSetting != 1)
        return;
    TableWriter sites(connection, "CG31_ANADITTASEDI",
                      {"CG31_DITTA_CG18", "CG31_CODICE", "CG31_DESCR", "CG31_INDIRIZZO", "CG31_CITTA"});
    int count = m.profile->lineSiteSetting == 1 ? 4 : 2;
    for (int site = 1; site <= count; ++site) {
        std::string city = random.pick(words::cities);
        sites.add({m.profile->company, site, "Sede di " + city,
                   random.pick(words::streets) + " " + std::to_string(random.between(1, 90)), city});
        m.sites.push_back(site);
    }
    sites.flush();
}

void writeSections(db::Connection& connection, CompanyMasters& m)
{
    TableWriter sections(connection, "CG68_SEZIONIDOC", {"CG68_DITTA_CG18", "CG68_SEZDOC", "CG68_DESCSEZ"});
    const std::vector<std::pair<std::string, std::string>> list = {
        {"00", "Sezione generale"}, {"01", "Acquisti"}, {"02", "Vendite"}, {"03", "Documenti interni"}};
    for (const auto& [code, description] : list) {
        sections.add({m.profile->company, code, description});
        m.sections.push_back(code);
    }
    sections.flush();
}

// The company's own wording of some ledger accounts, which the ledger description prefers to the chart's.
void writeOwnLedgerDescriptions(db::Connection& connection, CompanyMasters& m)
{
    TableWriter own(connection, "CG39_PRSDESPDC", {"CG39_DITTA_CG18", "CG39_GRUPPO_CG10", "CG39_CONTO_CG24", "CG39_DESCR"});
    for (std::size_t i = 0; i < m.ledgerAccounts.size(); i += 4)
        own.add({m.profile->company, 1, m.ledgerAccounts[i], "Conto " + m.ledgerAccounts[i] + " (uso interno)"});
    own.flush();
}

} // namespace

void writeRegistry(db::Connection& connection, Prng& random, CompanyMasters& masters)
{
    writeCompany(connection, *masters.profile);
    writeCustomersAndSuppliers(connection, random, masters);
    writeSites(connection, random, masters);
    if (masters.profile->intercompany)
        masters.intercompanyCodes = {"GR01", "GR02", "GR03"};
    writeSections(connection, masters);
    writeOwnLedgerDescriptions(connection, masters);
}

} // namespace company::demo
