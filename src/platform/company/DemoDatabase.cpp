#include "company/DemoDatabase.h"

#include "company/DemoWriters.h"
#include "company/SchemaScript.h"
#include "db/ConnectionString.h"
#include "db/Error.h"
#include "db/SqliteConnection.h"

#include <sqlite3.h>

#include <filesystem>

namespace company {

namespace {

// The purposes of the random streams of each company.
enum Stream { MasterData = 1, Movements = 2 };

void prepareFile(const std::string& path, const DemoOptions& options)
{
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        return;
    if (!options.replaceExisting)
        throw db::Error("The file " + path + " already exists; the demo database is not written over it unless "
                        "asked to replace it.");
    if (!std::filesystem::remove(path, error))
        throw db::Error("The file " + path + " cannot be replaced: " + error.message());
}

void writeCompany(db::Connection& connection, const CompanyProfile& profile, const DemoOptions& options)
{
    CompanyMasters masters;
    masters.profile = &profile;
    masters.amountDecimals = demo::currencyDecimals(profile.currency);
    masters.ledgerAccounts = demo::ledgerAccountCodes();
    Prng random = Prng::stream(options.seed, profile.company, MasterData);
    demo::writeRegistry(connection, random, masters);
    demo::writeCharts(connection, random, masters);
    demo::writeProjects(connection, random, masters);
    demo::writeWarehouse(connection, random, masters);
    demo::writeAttributeDefinitions(connection, masters);
    Prng movements = Prng::stream(options.seed, profile.company, Movements);
    demo::writeMovements(connection, movements, masters, options.linesPerCompany);
}

// The file is new and removed again when writing fails, so nothing needs to survive a crash half-way:
// without a wait for the disk after every statement and batch the database is written several times faster.
void skipDiskSynchronisation(db::Connection& connection)
{
    auto* embedded = dynamic_cast<db::SqliteConnection*>(&connection);
    if (!embedded)
        throw db::Error("The demo database is written on the embedded engine only.");
    sqlite3_exec(embedded->handle(), "PRAGMA synchronous = OFF; PRAGMA journal_mode = MEMORY", nullptr, nullptr, nullptr);
}

// The database's user version holds the stamp: a header field that nothing else of the schema uses.
void stamp(db::Connection& connection)
{
    const std::string pragma = "PRAGMA user_version = " + std::to_string(demoDataStamp());
    sqlite3_exec(dynamic_cast<db::SqliteConnection&>(connection).handle(), pragma.c_str(), nullptr, nullptr, nullptr);
}

void writeDatabase(const std::string& path, const DemoOptions& options)
{
    auto connection = db::Connection::open(db::embeddedDatabase(path, db::Access::ReadWrite));
    skipDiskSynchronisation(*connection);
    stamp(*connection);
    loadSchema(*connection);
    demo::writeGroupData(*connection);
    for (const CompanyProfile& profile : demoProfiles())
        writeCompany(*connection, profile, options);
    connection->Close();
}

} // namespace

bool isCurrentDemoDatabase(const std::string& path)
{
    try {
        auto connection = db::Connection::open(db::embeddedDatabase(path, db::Access::ReadOnly));
        sqlite3_stmt* statement = nullptr;
        sqlite3* handle = dynamic_cast<db::SqliteConnection&>(*connection).handle();
        if (sqlite3_prepare_v2(handle, "PRAGMA user_version", -1, &statement, nullptr) != SQLITE_OK)
            return false;
        const bool current =
            sqlite3_step(statement) == SQLITE_ROW && sqlite3_column_int(statement, 0) == demoDataStamp();
        sqlite3_finalize(statement);
        return current;
    } catch (const db::Error&) {
        return false;
    }
}

void createDemoDatabase(const std::string& path, const DemoOptions& options)
{
    if (options.linesPerCompany < 1)
        throw db::Error("The demo database needs at least one movement line per company.");
    prepareFile(path, options);
    try {
        writeDatabase(path, options);
    } catch (const db::Error& e) {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
        throw db::Error("The demo database " + path + " could not be written: " + e.what(), e.statement());
    }
}

} // namespace company
