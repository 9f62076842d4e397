#pragma once
// The steps of the demo generator, one per area of the company database. Each writes its tables through
// TableWriter and records in CompanyMasters the codes that later steps draw from.

#include "company/DemoModel.h"
#include "company/Prng.h"
#include "db/Connection.h"
#include "db/Value.h"

#include <string>

namespace company::demo {

// The demo calendar: movements are registered from 1 January 2022 to 31 December 2024.
long firstDay();                 // days since 1970-01-01
constexpr long calendarDays = 1096;
db::DateTime dateOfDay(long day);
long dayOf(int year, int month, int day);
long monthEnd(int year, int month);      // the last day of the month; month 12 ends on 31 December
db::Value nullable(bool present, db::Value value);
std::string guidText(Prng& random);
std::string numbered(const std::string& prefix, long number, int width);

// Shared by the whole group: currencies and rates, movement types, the general-ledger chart and the
// intercompany structures.
void writeGroupData(db::Connection& connection);
std::vector<std::string> ledgerAccountCodes();
int currencyDecimals(const std::string& code);

// One company's master data, in dependency order.
void writeRegistry(db::Connection& connection, Prng& random, CompanyMasters& masters);
void writeCharts(db::Connection& connection, Prng& random, CompanyMasters& masters);
void writeProjects(db::Connection& connection, Prng& random, CompanyMasters& masters);
void writeWarehouse(db::Connection& connection, Prng& random, CompanyMasters& masters);
// User-defined attributes: 29 movement headers, 30 movement lines; types 1 text, 2 number, 3 date, 4 yes/no.
// Each name is a column of CO5L_ATTRIBUTIDEN.
struct AttributeDefinition {
    int entity;
    const char* name;
    int type;
    const char* description;
};
const std::vector<AttributeDefinition>& attributeDefinitions();
void writeAttributeDefinitions(db::Connection& connection, const CompanyMasters& masters);

// The company's movements with their journal entries, documents, allocation traces and attribute values.
void writeMovements(db::Connection& connection, Prng& random, const CompanyMasters& masters, long lines);

} // namespace company::demo
