#include "engine/PartitionedExtraction.h"

#include "db/ConnectionString.h"
#include "engine/ExtractionStatements.h"
#include "engine/PartsCoordinator.h"
#include "engine/SelectionTotalsReading.h"

#include <chrono>
#include <thread>

namespace quorvane {

namespace {

// How often the progress sink hears from a processing whose parts are still running.
constexpr std::chrono::milliseconds progressInterval{100};

struct Part {
    db::Recordset movements;
    long extracted = 0;          // the rows the part's extraction numbered, before the row filter
    SelectionTotals totals;
};

// The company file read-only, waited for as long as the window's own connection waits.
std::string partConnectionString(const db::SqliteConnection& connection)
{
    const db::ConnectionString parts(connection.connectionString());
    std::string text = db::embeddedDatabase(parts.value("Data Source"), db::Access::ReadOnly);
    const std::string wait = parts.value("Busy Timeout");
    if (!wait.empty() && wait.find_first_not_of("0123456789") == std::string::npos)
        text += ";Busy Timeout=" + wait;
    return text;
}

void runPart(PartsCoordinator& coordinator, const std::string& connectionString, const ExtractionRequest& request,
             Part& part)
{
    try {
        db::SqliteConnection connection(connectionString);
        const EnlistedConnection enlisted(coordinator, connection);
        const ExtractionStatements statements = buildExtractionStatements(request);
        enlisted.checkRunning();
        part.extracted = connection.Execute(statements.extraction);
        enlisted.checkRunning();
        part.movements = connection.Open(statements.finalSelect);
        enlisted.checkRunning();
        part.totals = readSelectionTotals(connection, statements.totals, request.settings.amountDecimals);
    } catch (...) {
        // A part stopped by another's failure fails too; only the first cause is reported.
        coordinator.stop(std::current_exception());
    }
    coordinator.ended();
}

// Tells the sink how the parts go until all have ended; a sink that answers false stops them.
void followParts(PartsCoordinator& coordinator, int parts, ProgressSink& progress)
{
    int ended = 0;
    while (ended < parts) {
        ended = coordinator.waitForEnd(progressInterval);
        if (!progress.parts(ended, parts))
            coordinator.stop(std::make_exception_ptr(ExtractionStopped()));
    }
}

// The parts' rows one after the other, numbered on from where the part before left off.
ExtractedParts merged(std::vector<Part>& parts, int amountDecimals)
{
    ExtractedParts whole{std::move(parts.front().movements), parts.front().totals};
    const int numbering = whole.movements.fieldIndex("ID");
    long long offset = parts.front().extracted;
    for (std::size_t i = 1; i < parts.size(); ++i) {
        whole.movements.appendPart(parts[i].movements, numbering, offset);
        parts[i].movements.Close();
        whole.totals = whole.totals + parts[i].totals;
        offset += parts[i].extracted;
    }
    if (whole.movements.RecordCount() == 0)
        whole.totals = zeroTotals(amountDecimals);
    return whole;
}

} // namespace

ExtractedParts extractInParts(const db::SqliteConnection& connection, const ExtractionRequest& request,
                              const std::vector<RegistrationRange>& ranges, ProgressSink& progress)
{
    const std::string connectionString = partConnectionString(connection);
    std::vector<Part> parts(ranges.size());
    std::vector<ExtractionRequest> requests(ranges.size(), request);
    PartsCoordinator coordinator;
    {
        std::vector<std::jthread> threads;
        for (std::size_t i = 0; i < ranges.size(); ++i) {
            requests[i].registrations = ranges[i];
            threads.emplace_back(runPart, std::ref(coordinator), std::cref(connectionString), std::cref(requests[i]),
                                 std::ref(parts[i]));
        }
        try {
            followParts(coordinator, static_cast<int>(ranges.size()), progress);
        } catch (...) {
            coordinator.stop(std::current_exception());
            throw;
        }
    }
    if (const std::exception_ptr error = coordinator.firstError())
        std::rethrow_exception(error);
    return merged(parts, request.settings.amountDecimals);
}

} // namespace quorvane
