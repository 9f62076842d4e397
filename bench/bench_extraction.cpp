// The processing of a ledger with no grouping on a million movement lines: the whole processing (statements
// built, extraction into #MOVIMENTI, the movement set read back, the totals) against the bare SQLite engine
// running the translated extraction statement alone, on one thread, on the same connection (so with the
// same text collation and runtime functions), measured in the same run and in turns: in one piece, in parts
// on every core and on each number of threads in between to show what each added core brings; and the
// movement set's read-back alone, the step whose cost the exact decimals touch. Prints figures, asserts
// none.
//
//   bench_extraction [DATABASE | --lines N]   an existing demo database; without one, a temporary one of
//                                             N lines a company (a million unless given) is created

#include "company/CompanySettings.h"
#include "company/DemoDatabase.h"
#include "db/SqliteConnection.h"
#include "engine/CompanyEngineSettings.h"
#include "engine/ExtractionStatements.h"
#include "engine/MovementExtraction.h"
#include "engine/ProcessingThreads.h"

#include <sqlite3.h>

#include <QTemporaryDir>

#include <chrono>
#include <ctime>
#include <functional>
#include <memory>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr long demoLines = 1'000'000;
constexpr int benchCompany = 1;

// Processor time and wall time of one piece of work. The ratios of work on one thread use processor time,
// since the machine is shared with builds; work on several threads can only be compared in wall time.
struct Timing {
    double processor = 0;
    double wall = 0;
};

Timing timed(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t startClock = std::clock();
    work();
    return {double(std::clock() - startClock) / CLOCKS_PER_SEC,
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count()};
}

// The fastest of a few runs of each piece of work, taken in turns (one run of each, then again), so that a
// machine whose other load comes and goes slows each piece alike: what each costs when the machine lets it.
// Several threads' work is compared in wall time, one thread's in processor time.
struct Contender {
    Contender(std::function<void()> before, std::function<void()> measured, bool wall = false)
        : prepare(std::move(before)), work(std::move(measured)), byWall(wall)
    {
    }
    std::function<void()> prepare, work;
    bool byWall;
    Timing best;
};

void fastestInTurns(int rounds, std::vector<Contender>& contenders)
{
    for (int round = 0; round < rounds; ++round)
        for (Contender& c : contenders) {
            c.prepare();
            const Timing once = timed(c.work);
            const bool faster = c.byWall ? once.wall < c.best.wall : once.processor < c.best.processor;
            if (round == 0 || faster)
                c.best = once;
        }
}

void print(const char* what, const Timing& timing)
{
    std::printf("%s: %8.3f s processor (%.3f s wall)\n", what, timing.processor, timing.wall);
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

// The database named on the command line, or a temporary demo database of the lines asked for.
std::string benchDatabase(int argc, char** argv, const QTemporaryDir& dir)
{
    const bool named = argc > 1 && std::string(argv[1]) != "--lines";
    if (named)
        return argv[1];
    const long lines = argc > 2 ? std::stol(argv[2]) : demoLines;
    const std::string path = dir.filePath("demo.db").toStdString();
    std::printf("creating a demo database of %ld lines per company in %s\n", lines, path.c_str());
    company::DemoOptions options;
    options.linesPerCompany = lines;
    company::createDemoDatabase(path, options);
    return path;
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir dir;
    const std::string path = benchDatabase(argc, argv, dir);
    db::SqliteConnection connection("Provider=SQLite;Data Source=" + path + ";Mode=ReadOnly");
    const quorvane::ExtractionRequest request = everyLineOf(connection);
    quorvane::MovementExtraction extraction(connection);
    quorvane::NoProgress progress;
    extraction.run(request, progress);   // warms the page cache and the translation cache alike

    const quorvane::ExtractionStatements statements = quorvane::buildExtractionStatements(request);
    const std::string sqliteText = connection.explain(statements.extraction);
    const auto drop = [&] { dropWorkingTable(connection); };
    const int cores = quorvane::processingThreads();
    std::vector<std::unique_ptr<quorvane::MovementExtraction>> inParts;
    for (int threads = 2; threads <= cores; ++threads)
        inParts.push_back(std::make_unique<quorvane::MovementExtraction>(connection, threads));
    std::vector<Contender> contenders{{drop, [&] { runBare(connection, sqliteText); }},
                                      {drop, [&] { extraction.run(request, progress); }}};
    for (const auto& parts : inParts)
        contenders.push_back({[] {}, [&] { parts->run(request, progress); }, true});
    fastestInTurns(3, contenders);
    const Timing bare = contenders[0].best;
    const Timing whole = contenders[1].best;
    // Read back from the #MOVIMENTI of the processing in one piece: none in parts leaves one here.
    drop();
    extraction.run(request, progress);
    std::vector<Contender> reading{{[] {}, [&] { connection.Open(statements.finalSelect); }}};
    fastestInTurns(3, reading);
    const Timing readBack = reading[0].best;
    std::vector<Timing> onThreads(std::size_t(cores) + 1);
    onThreads[1] = whole;
    for (int threads = 2; threads <= cores; ++threads)
        onThreads[std::size_t(threads)] = contenders[std::size_t(threads)].best;

    const long rows = extraction.movements().RecordCount();
    std::printf("company %d, no grouping: %ld lines extracted, %d columns\n", benchCompany, rows,
                extraction.movements().fieldCount());
    print("bare SQLite, translated extraction alone, one thread", bare);
    print("whole processing in one piece (build, extraction, read back, totals)", whole);
    std::printf("ratio in one piece: %.2fx (target <= 1.5x)\n", whole.processor / bare.processor);
    for (int threads = 2; threads <= cores; ++threads) {
        const Timing& t = onThreads[std::size_t(threads)];
        std::printf("whole processing in parts on %d threads: %8.3f s wall (%.3f s processor over all threads), "
                    "%.2fx faster than in one piece (%.2fx from the last core added)\n",
                    threads, t.wall, t.processor, whole.wall / t.wall, onThreads[std::size_t(threads) - 1].wall / t.wall);
    }
    std::printf("ratio on the default %d threads, in wall time: %.2fx (target <= 1.0x)\n", cores,
                onThreads[std::size_t(cores)].wall / bare.wall);
    print("movement set read back from #MOVIMENTI alone", readBack);
    std::printf("read back: %.2f us a line\n", rows ? readBack.processor * 1e6 / double(rows) : 0.0);
    std::printf("movement set: %.0f bytes per line\n",
                rows ? double(extraction.movements().dataBytes()) / double(rows) : 0.0);
    return 0;
}
