// A processing with its comparison against the same processing without: the year 2024 grouped by C.d.C. and
// month, then the same with the same months of 2023 beside it (the comparison's extraction, its groups joined
// to the tree, every node's comparison balance). Prints figures and the ratio, asserts none.
//
//   bench_comparison [DATABASE]   an existing demo database; a missing one is created in a temporary folder
//                                 (300,000 lines per company)

#include "selection/OrderingColumns.h"

#include "company/DemoDatabase.h"
#include "engine/ChartAccountFormatting.h"
#include "engine/ComparisonSelection.h"
#include "engine/GroupedLedger.h"
#include "engine/LedgerComparison.h"
#include "engine/MovementExtraction.h"

#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>

namespace {

constexpr int benchCompany = 1;
constexpr long createdLines = 300'000;

double secondsOf(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

const std::vector<quorvane::OrderingColumn> costCentreMonth{quorvane::groupingColumn("C.d.C.", "CI13_CONTO_PC03"),
                                                            quorvane::groupingColumn("Data reg.", "CI12_DATAREG", 3)};

struct Run {
    double seconds = 0;
    std::size_t nodes = 0;
};

// One processing as the window's: [the comparison's extraction,] the extraction, the tree, every node's figures.
Run process(db::Connection& connection, const quorvane::ExtractionRequest& request,
            std::optional<quorvane::ComparisonKind> kind)
{
    quorvane::MovementExtraction extraction(connection), compared(connection);
    quorvane::GroupedLedger ledger;
    const quorvane::ChartAccountFormatting accounts(hostfw::ChartDefinitions::read(connection));
    const quorvane::GroupCaptions captions({"(nessun valore)", accounts, 1, 2});
    const hostfw::Translator translator(hostfw::Language::Italian);
    quorvane::NoProgress progress;
    quorvane::NoGroupTreeProgress treeProgress;
    Run run;
    run.seconds = secondsOf([&] {
        std::optional<quorvane::LedgerComparison> comparison;
        if (kind) {
            const quorvane::ComparisonSelection selection = quorvane::comparisonSelection(request, *kind, "");
            compared.run(selection.request, progress);
            comparison.emplace(compared.movements(), compared.totals(), selection.shift);
        }
        extraction.run(request, progress);
        ledger.ConfigurazioneVisualizzazioneMovimenti(costCentreMonth, extraction.movements(), translator, progress);
        ledger.CaricamentoTree(extraction.movements(), captions, treeProgress);
        if (comparison)
            comparison->addMissingGroups(ledger, costCentreMonth, translator, captions);
        quorvane::nodeFigures(ledger.tree(), extraction.movements(), comparison ? &*comparison : nullptr);
    });
    run.nodes = ledger.tree().size();
    return run;
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir dir(QStringLiteral("/tmp/bench-comparison-XXXXXX"));
    std::string path = argc > 1 ? argv[1] : dir.filePath("demo.db").toStdString();
    if (argc <= 1) {
        std::printf("creating a demo database of %ld lines per company in %s\n", createdLines, path.c_str());
        company::DemoOptions options;
        options.linesPerCompany = createdLines;
        company::createDemoDatabase(path, options);
    }
    const auto connection = db::Connection::open("Provider=SQLite;Data Source=" + path + ";Mode=ReadOnly");
    quorvane::ExtractionRequest request;
    request.settings.company = benchCompany;
    request.settings.costCentreChart = 1;
    request.settings.expenseItemChart = 2;
    request.movementTypeCondition = "CGT0_CODICE IS NOT NULL";
    request.selection.TXT_DATAREGDA = QDate(2024, 1, 1);
    request.selection.TXT_DATAREGA = QDate(2024, 12, 31);

    process(*connection, request, std::nullopt);   // both runs then read a warm database
    const Run plain = process(*connection, request, std::nullopt);
    const Run compared = process(*connection, request, quorvane::ComparisonKind::PreviousYear);
    std::printf("company %d, 2024 by C.d.C. and month\n", benchCompany);
    std::printf("  plain processing:                      %8.3f s, %zu nodes\n", plain.seconds, plain.nodes);
    std::printf("  with the same months of 2023:          %8.3f s, %zu nodes\n", compared.seconds, compared.nodes);
    std::printf("  compared / plain:                      %8.2fx (target <= 2.1x)\n",
                plain.seconds > 0 ? compared.seconds / plain.seconds : 0.0);
    return 0;
}
