#include "company/DemoWriters.h"
#include "company/TableWriter.h"

#include <cmath>

namespace company::demo {

namespace {

struct Currency {
    const char* code;
    const char* description;
    const char* symbol;
    int decimals;
    double startRate;                       // units for one euro on the first day
};

const std::vector<Currency> currencies = {
    {"EURO", "Euro", "EUR", 2, 1.0},           {"USD", "Dollaro statunitense", "USD", 2, 1.13},
    {"GBP", "Sterlina britannica", "GBP", 2, 0.84}, {"CHF", "Franco svizzero", "CHF", 2, 1.04},
    {"JPY", "Yen giapponese", "JPY", 0, 130.0}, {"LIT", "Lira italiana", "LIT", 0, 1936.27}};

void writeCurrencies(db::Connection& connection)
{
    TableWriter table(connection, "CG08_VALUTE",
                      {"CG08_CODICE", "CG08_DESCR", "CG08_SIGLA", "CG08_NUMERODECIMALI", "CG08_INDCERTOINCERTO"});
    for (const Currency& c : currencies)
        table.add({c.code, c.description, c.symbol, c.decimals, 0});
    table.flush();
}

// Daily fixings on working days (type 1) and a monthly average on the first of each month (type 2); the
// lira keeps its fixed conversion rate. The walk has its own stream so that rates never depend on options.
void writeRates(db::Connection& connection)
{
    TableWriter table(connection, "CG09_CAMBI",
                      {"CG09_CODICE_CG08", "CG09_DATACAMBIO", "CG09_TIPOCAMBIO", "CG09_CAMBIO"});
    Prng walk(20220101);
    for (const Currency& c : currencies) {
        if (std::string(c.code) == "EURO")
            continue;
        bool fixed = std::string(c.code) == "LIT";
        double rate = c.startRate;
        int lastMonth = 0;
        for (long day = firstDay(); day < firstDay() + calendarDays; ++day) {
            int weekday = static_cast<int>((day + 4) % 7);   // 1970-01-01 was a Thursday; 0 = Sunday
            if (weekday == 0 || weekday == 6)
                continue;
            if (!fixed)
                rate *= 1.0 + (static_cast<double>(walk.below(2001)) - 1000.0) / 250000.0;
            db::Decimal value = db::Decimal::fromDouble(rate, 6);
            table.add({c.code, dateOfDay(day), 1, value});
            if (dateOfDay(day).month() != lastMonth)
                table.add({c.code, dateOfDay(day), 2, value});
            lastMonth = dateOfDay(day).month();
        }
    }
    table.flush();
}

void writeMovementTypes(db::Connection& connection)
{
    TableWriter table(connection, "CGT0_TIPOMOV",
                      {"CGT0_CODICE", "CGT0_DESCR", "CGT0_DESCRMEDIA", "CGT0_DESCRBREVE", "CGT0_INDTIPO",
                       "CGT0_DATAINIZIOVALIDITA", "CGT0_DATAFINEVALIDITA"});
    const db::DateTime from2022 = db::DateTime::fromCivil(2022, 1, 1), from2023 = db::DateTime::fromCivil(2023, 1, 1);
    table.add({1, "Consuntivo effettivo", "Effettivo", "EFF", 0, db::Value(), db::Value()});
    table.add({2, "Consuntivo stimato da accantonamenti", "Stimato", "STI", 0, from2022, db::Value()});
    table.add({3, "Budget annuale", "Budget", "BDG", 1, db::Value(), db::Value()});
    table.add({4, "Revisione di budget", "Revisione budget", "REV", 1, from2023, db::Value()});
    table.add({5, "Simulazione", "Simulazione", "SIM", 2, db::Value(), db::Value()});
    table.add({6, "Consuntivo esercizi chiusi", "Storico", "STO", 0, db::Value(),
               db::DateTime::fromCivil(2022, 12, 31)});
    table.flush();
}

struct LedgerAccount {
    const char* code;
    const char* italian;
    const char* english;                    // nullptr: described in Italian only
};

const std::vector<LedgerAccount> ledgerAccounts = {
    {"6010010", "Acquisti materie prime", "Raw material purchases"},
    {"6010020", "Acquisti semilavorati", "Semi-finished goods purchases"},
    {"6020010", "Energia elettrica", "Electricity"}, {"6020020", "Gas metano", nullptr},
    {"6030010", "Lavorazioni di terzi", "Subcontracting"}, {"6030020", "Manutenzioni e riparazioni", nullptr},
    {"6030030", "Consulenze tecniche", "Technical consulting"}, {"6030040", "Trasporti su acquisti", nullptr},
    {"6040010", "Canoni di leasing", "Lease payments"}, {"6050010", "Salari e stipendi", "Wages and salaries"},
    {"6050020", "Oneri sociali", nullptr}, {"6060010", "Ammortamento impianti", "Plant depreciation"},
    {"6070010", "Provvigioni passive", nullptr}, {"6070020", "Pubblicità", "Advertising"},
    {"6080010", "Cancelleria e stampati", nullptr}, {"6090010", "Interessi passivi", "Interest expense"},
    {"7010010", "Ricavi vendite prodotti", "Product sales"}, {"7010020", "Ricavi prestazioni di servizi", nullptr},
    {"7020010", "Ricavi diversi", "Other revenue"}, {"7020020", "Rimborsi spese", nullptr},
    {"7030010", "Contributi in conto esercizio", "Operating grants"}, {"4010010", "Clienti Italia", nullptr},
    {"4010020", "Clienti estero", "Foreign customers"}, {"4510010", "Fornitori Italia", nullptr},
    {"4510020", "Fornitori estero", "Foreign suppliers"}, {"2010010", "Impianti e macchinari", nullptr},
    {"2010020", "Software", "Software"}, {"3010010", "Banca c/c", "Bank current account"}};

void writeLedgerChart(db::Connection& connection)
{
    TableWriter chart(connection, "CG24_TABPDC", {"CG24_GRUPPO_CG10", "CG24_CONTO", "CG24_DESCR"});
    for (const LedgerAccount& a : ledgerAccounts)
        chart.add({1, a.code, a.italian});
    chart.flush();
    TableWriter english(connection, "CG26_DESCPDCLINGUA",
                        {"CG26_GRUPPO_CG10", "CG26_CONTO_CG24", "CG26_LINGUA", "CG26_DESCR"});
    for (const LedgerAccount& a : ledgerAccounts)
        if (a.english)
            english.add({1, a.code, "ENG ", a.english});
    english.flush();
}

void writeIntercompanyStructures(db::Connection& connection)
{
    TableWriter table(connection, "CGC0_STRUTINFRAGRUPPO", {"CGC0_CODICE", "CGC0_DESCR", "CGC0_DITTARIF_CG18"});
    table.add({"GR01", "Holding Padana - capogruppo", db::Value()});
    table.add({"GR02", "Meccanica Brianzola - consociata", 1});
    table.add({"GR03", "Servizi Tecnici Adriatici - consociata", 3});
    table.add({"GR04", "Impianti Padani - stabile organizzazione estera", 2});
    table.flush();
}

} // namespace

int currencyDecimals(const std::string& code)
{
    for (const Currency& c : currencies)
        if (code == c.code)
            return c.decimals;
    return 2;
}

std::vector<std::string> ledgerAccountCodes()
{
    std::vector<std::string> codes;
    for (const LedgerAccount& a : ledgerAccounts)
        codes.push_back(a.code);
    return codes;
}

void writeGroupData(db::Connection& connection)
{
    writeCurrencies(connection);
    writeRates(connection);
    writeMovementTypes(connection);
    writeLedgerChart(connection);
    writeIntercompanyStructures(connection);
}

} // namespace company::demo
