// The processing of a ledger with no grouping on a million movement lines: the whole processing (statements
// built, extraction into #MOVIMENTI, the movement set read back, the totals) against the bare SQLite engine
// running the translated extraction statement alone, measured in the same run. Prints figures, asserts none.
//
//   bench_extraction [DATABASE]   an existing demo database; without one, a temporary one is created

#include "company/CompanySettings.h"
#include "company/DemoDatabase.h"
#include "db/SqliteConnection.h"
#include "engine/CompanyEngineSettings.h"
#include "engine/ExtractionStatements.h"
#include "engine/MovementExtraction.h"

#include <sqlite3.h>

#include <QTemporaryDir>

#include <chrono>
#include <functional>
#include <cstdio>
#include <stdexcept>
#include <string>

namespace {

constexpr long demoLines = 1'000'000;
constexpr int benchCompany = 1;

double secondsOf(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

quorvane::ExtractionRequest everyLineOf(db::Connection& connection)
{
    const company::CompanySettings settings = company::readCompanySettings(connection, benchCompany);
    quorvane::ExtractionRequest request;
    request.settings = quorvane::engineSettingsOf(settings, hostfw::Language::Italian);
    request.movementTypeCondition = "CGT0_CODICE IS NOT NULL";
    return request;
}

void dropWorkingTable(db::Connection& connection)
{
    try {
        connection.Execute(" DROP TABLE #MOVIMENTI ");
    } catch (const db::Error&) {
    }
}

// The translated statement run by SQLite alone, on the same connection (the dialect's runtime functions
// are registered there).
void runBare(db::SqliteConnection& connection, const std::string& sqliteText)
{
    char* error = nullptr;
    if (sqlite3_exec(connection.handle(), sqliteText.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::string message = error ? error : "unknown error";
        sqlite3_free(error);
        throw std::runtime_error("bare SQLite: " + message);
    }
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir dir;
    std::string path = argc > 1 ? argv[1] : dir.filePath("demo.db").toStdString();
    if (argc <= 1) {
        std::printf("creating a demo database of %ld lines per company in %s\n", demoLines, path.c_str());
        company::DemoOptions options;
        options.linesPerCompany = demoLines;
        company::createDemoDatabase(path, options);
    }
    db::SqliteConnection connection("Provider=SQLite;Data Source=" + path + ";Mode=ReadOnly");
    const quorvane::ExtractionRequest request = everyLineOf(connection);
    quorvane::MovementExtraction extraction(connection);
    quorvane::NoProgress progress;
    extraction.run(request, progress);   // warms the page cache and the translation cache alike

    const std::string sqliteText = connection.explain(quorvane::buildExtractionStatements(request).extraction);
    dropWorkingTable(connection);
    const double bare = secondsOf([&] { runBare(connection, sqliteText); });
    dropWorkingTable(connection);
    const double whole = secondsOf([&] { extraction.run(request, progress); });

    const long rows = extraction.movements().RecordCount();
    std::printf("company %d, no grouping: %ld lines extracted, %d columns\n", benchCompany, rows,
                extraction.movements().fieldCount());
    std::printf("bare SQLite, translated extraction alone: %8.3f s\n", bare);
    std::printf("whole processing (build, extraction, read back, totals): %8.3f s\n", whole);
    std::printf("ratio: %.2fx (target <= 1.5x)\n", whole / bare);
    std::printf("movement set: %.0f bytes per line\n",
                rows ? double(extraction.movements().dataBytes()) / double(rows) : 0.0);
    return 0;
}
