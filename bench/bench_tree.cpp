// The grouped display of a million movement lines: the sort, the group tree (C.d.C., V.d.S., month of the
// registration date) and every node's totals in the tree's totals columns against the extraction of the same
// run. Then node clicks (the
// node's filter and the group totals): on a top-level group of about 100,000 lines, for which the ledger is
// grouped by cost nature first (the demo's cost centres are too many for groups that large), against the
// same click on a set a hundred times smaller, per line and on groups of equal size. Prints figures,
// asserts none.
//
//   bench_tree [LARGE_DATABASE [SMALL_DATABASE]]   existing demo databases (1,000,000 and 10,000 lines per
//                                                  company); a missing one is created in a temporary folder

#include "selection/OrderingColumns.h"

#include "company/DemoDatabase.h"
#include "engine/ChartAccountFormatting.h"
#include "engine/Countervalue.h"
#include "engine/GroupTotals.h"
#include "engine/GroupTotalsTreeModel.h"
#include "engine/GroupedLedger.h"
#include "engine/LedgerComparison.h"
#include "engine/MovementExtraction.h"
#include "engine/NodeFilter.h"
#include "engine/NumberFormat.h"

#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int benchCompany = 1;
constexpr int clickRepeats = 21;
constexpr int clicksPerSample = 10;      // a small group's click is too short to time alone
constexpr long clickGroupLines = 100'000;

double secondsOf(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::string demoDatabase(int argc, char** argv, int argument, long lines, const QTemporaryDir& dir)
{
    if (argc > argument)
        return argv[argument];
    const std::string path = dir.filePath(QString("demo-%1.db").arg(lines)).toStdString();
    std::printf("creating a demo database of %ld lines per company in %s\n", lines, path.c_str());
    company::DemoOptions options;
    options.linesPerCompany = lines;
    company::createDemoDatabase(path, options);
    return path;
}

// One processing and its grouped display, timed step by step.
class GroupedRun {
public:
    explicit GroupedRun(const std::string& path)
        : connection_(db::Connection::open("Provider=SQLite;Data Source=" + path + ";Mode=ReadOnly")),
          extraction_(*connection_)
    {
        request_.settings.company = benchCompany;
        request_.settings.costCentreChart = 1;
        request_.settings.expenseItemChart = 2;
        request_.movementTypeCondition = "CGT0_CODICE IS NOT NULL";
        request_.selection.CHK_QUANTITA = "1";
    }

    void extract()
    {
        quorvane::NoProgress progress;
        extractionSeconds = secondsOf([&] { extraction_.run(request_, progress); });
    }

    // The display grouped by the rows, and every node's totals.
    void group(const std::vector<quorvane::OrderingColumn>& rows)
    {
        quorvane::NoProgress progress;
        const quorvane::ChartAccountFormatting accounts(hostfw::ChartDefinitions::read(*connection_));
        const hostfw::Translator translator(hostfw::Language::Italian);
        const quorvane::GroupCaptions captions({"(nessun valore)", accounts, 1, 2});
        quorvane::NoGroupTreeProgress treeProgress;
        treeSeconds = secondsOf([&] {
            ledger_.ConfigurazioneVisualizzazioneMovimenti(rows, movements(), translator, progress);
            ledger_.CaricamentoTree(movements(), captions, treeProgress);
        });
        quorvane::GroupTotalsTreeModel columns(ledger_.model());
        const auto text = [](const db::Decimal& figure) { return QString::fromStdString(figure.toString()); };
        totalsSeconds = secondsOf([&] {
            columns.setFigures(quorvane::nodeFigures(ledger_.tree(), movements(), nullptr), {text, text, text}, true);
        });
    }

    // The node of `level` (any level: 0) whose group's size is nearest to `rows` lines.
    const quorvane::GroupNode* groupNear(int level, long rows, long& found)
    {
        const quorvane::GroupNode* best = nullptr;
        found = 0;
        for (std::size_t i = 0; i < ledger_.tree().size(); ++i) {
            const quorvane::GroupNode& node = ledger_.tree().node(i);
            if (level && node.level != level)
                continue;
            movements().Filter(quorvane::movementFilterOf(node.tag));
            const long count = movements().RecordCount();
            if (!best || std::labs(count - rows) < std::labs(found - rows)) {
                best = &node;
                found = count;
            }
        }
        movements().Filter("");
        return best;
    }

    // The median time of a node click: the node's filter, then the group totals with their captions.
    // Every sample starts from the unfiltered set, as a click on another node does.
    double clickMilliseconds(const quorvane::GroupNode& node)
    {
        const quorvane::Countervalue countervalue(request_.selection, "EURO", *connection_, benchCompany);
        const quorvane::TotalsFormats formats{quorvane::amountFormat(2), quorvane::quantityFormat(2),
                                              hostfw::Language::Italian, true};
        std::vector<double> times;
        for (int i = 0; i < clickRepeats; ++i) {
            times.push_back(1000 / double(clicksPerSample) * secondsOf([&] {
                for (int click = 0; click < clicksPerSample; ++click) {
                    movements().Filter("");
                    movements().Filter(quorvane::movementFilterOf(node.tag));
                    quorvane::AggiornamentoTotali(movements(), formats, countervalue);
                }
            }));
        }
        std::sort(times.begin(), times.end());
        return times[times.size() / 2];
    }

    db::Recordset& movements() { return extraction_.movements(); }
    std::size_t nodes() const { return ledger_.tree().size(); }

    double extractionSeconds = 0, treeSeconds = 0, totalsSeconds = 0;

private:
    std::unique_ptr<db::Connection> connection_;
    quorvane::MovementExtraction extraction_;
    quorvane::ExtractionRequest request_;
    quorvane::GroupedLedger ledger_;
};

void printClick(const char* what, GroupedRun& run, const quorvane::GroupNode* node, long rows, double& ms)
{
    ms = node ? run.clickMilliseconds(*node) : 0;
    std::printf("  click on %-36s %8ld lines: %7.2f ms (%.3f ms per 10,000 lines)\n", what, rows, ms,
                rows ? ms * 10000.0 / double(rows) : 0.0);
}

} // namespace

const std::vector<quorvane::OrderingColumn> costCentreMonth{
    quorvane::groupingColumn("C.d.C.", "CI13_CONTO_PC03"), quorvane::groupingColumn("V.d.S.", "CI13_VDS_PC03"), quorvane::groupingColumn("Data reg.", "CI12_DATAREG", 3)};
const std::vector<quorvane::OrderingColumn> natureFirst{
    quorvane::groupingColumn("Natura costo", "NATURA"), quorvane::groupingColumn("C.d.C.", "CI13_CONTO_PC03"), quorvane::groupingColumn("Data reg.", "CI12_DATAREG", 3)};

int main(int argc, char** argv)
{
    QTemporaryDir dir(QStringLiteral("/tmp/bench-tree-XXXXXX"));
    const std::string large = demoDatabase(argc, argv, 1, 1'000'000, dir);
    const std::string small = demoDatabase(argc, argv, 2, 10'000, dir);

    GroupedRun big(large);
    big.extract();
    big.group(costCentreMonth);
    const long lines = big.movements().RecordCount();
    std::printf("company %d, %ld lines, grouped by C.d.C., V.d.S. and month of the registration date: %zu nodes\n",
                benchCompany, lines, big.nodes());
    std::printf("  extraction (this run):                 %8.3f s\n", big.extractionSeconds);
    std::printf("  sort and group tree:                   %8.3f s\n", big.treeSeconds);
    std::printf("  every node's totals in the columns:    %8.3f s\n", big.totalsSeconds);
    const double grouped = big.treeSeconds + big.totalsSeconds;
    std::printf("  sort + tree + totals / extraction:     %8.2fx (target <= 0.5x)\n",
                big.extractionSeconds > 0 ? grouped / big.extractionSeconds : 0.0);

    GroupedRun little(small);
    little.extract();
    big.group(natureFirst);
    little.group(natureFirst);
    std::printf("grouped by cost nature, C.d.C. and month: %zu nodes of %ld lines, %zu nodes of %ld lines\n",
                big.nodes(), lines, little.nodes(), little.movements().RecordCount());
    long bigRows = 0, littleRows = 0, sameSizeRows = 0;
    const quorvane::GroupNode* top = big.groupNear(1, clickGroupLines, bigRows);
    const quorvane::GroupNode* littleTop = little.groupNear(1, clickGroupLines / 100, littleRows);
    const quorvane::GroupNode* sameSize = big.groupNear(0, littleRows, sameSizeRows);
    double topMs = 0, littleMs = 0, sameSizeMs = 0;
    std::printf("node clicks (filter + group totals), median of %d:\n", clickRepeats);
    printClick("a top-level group of the large set", big, top, bigRows, topMs);
    std::printf("  (target: under 20 ms)\n");
    printClick("a top-level group of the small set", little, littleTop, littleRows, littleMs);
    printClick("a group of that size in the large set", big, sameSize, sameSizeRows, sameSizeMs);
    if (littleMs > 0 && littleRows > 0 && bigRows > 0)
        std::printf("  per line, large set / small set:       %8.2f (target 0.8 .. 1.2)\n",
                    (topMs / double(bigRows)) / (littleMs / double(littleRows)));
    if (littleMs > 0)
        std::printf("  same group size, large set / small set: %7.2f (target 0.8 .. 1.2)\n", sameSizeMs / littleMs);
    return 0;
}
