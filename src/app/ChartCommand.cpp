// quorvane chart (--db PATH | --connect ODBC-STRING) --selection FILE [--company N] [--group NODEKEY]
//                [--compare previous-year|previous-period|budget] --png OUT
// Processes a selection as `quorvane run` does and draws the chart the window's "Grafico" draws for a group (the
// key of its node, "*3"; the top-level groups without one): its children's balances as bars, or as lines when
// they are periods of a date, with the comparison beside them when one is asked for.

#include "CommandLine.h"
#include "Commands.h"
#include "LedgerComparisonRun.h"
#include "LedgerDisplay.h"
#include "LedgerSession.h"
#include "OffscreenGui.h"

#include "chart/GroupChart.h"
#include "engine/AnalysisTexts.h"

#include <QChart>
#include <QSaveFile>

#include <iostream>

namespace {

constexpr const char* usageText =
    "usage: quorvane chart (--db PATH | --connect ODBC-STRING) --selection FILE [--company N] [--group NODEKEY]\n"
    "         [--compare previous-year|previous-period|budget] --png OUT";

const QSize pictureSize(1200, 700);

// Written whole under a temporary name and renamed: a failed chart leaves nothing under the name.
void savePicture(const QImage& picture, const std::string& path)
{
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly) || !picture.save(&file, "PNG") || !file.commit())
        throw CommandFailure(4, "the chart cannot be written to " + path + ": " + file.errorString().toStdString());
}

int process(const CommandLine& line, const DatabaseOption& database)
{
    LedgerSession session = openLedgerSession(database, *line.option("--selection"),
                                              companyOption(line.option("--company")));
    LedgerComparisonRun run(session, comparisonOption(line.option("--compare")));
    quorvane::MovementExtraction& extraction = run.extraction();
    const LedgerDisplay display(session, extraction.movements(), extraction.totals(), run.comparison());
    const quorvane::GroupNode* group = nullptr;
    if (const std::optional<std::string> key = line.option("--group")) {
        group = display.tree().find(*key);
        if (!group)
            throw CommandFailure(1, "the ledger has no group " + *key);
    }
    const quorvane::GroupChartData data =
        quorvane::groupChartData(display.tree(), display.levels(), display.figures(), group);
    const quorvane::chart::ChartCaptions captions{QString::fromStdString(hostText(quorvane::textBalanceColumn, session.language)),
                                                  QString::fromStdString(hostText(quorvane::textComparisonColumn, session.language))};
    const std::unique_ptr<QChart> chart = quorvane::chart::makeGroupChart(data, captions);
    savePicture(quorvane::chart::drawChart(*chart, pictureSize), *line.option("--png"));
    return 0;
}

} // namespace

int runChartCommand(const std::vector<std::string>& args)
{
    CommandLine line(args, {"--db", "--connect", "--selection", "--company", "--group", "--compare", "--png"}, {});
    const std::optional<DatabaseOption> database = databaseOption(line);
    if (!line.error().empty() || !database || !line.option("--selection") || !line.option("--png")
        || !line.positional().empty()) {
        std::cerr << usageText << (line.error().empty() ? "" : "  (" + line.error() + ")") << '\n';
        return 1;
    }
    return runWithOffscreenGui([&] { return runLedgerCommand("chart", [&] { return process(line, *database); }); });
}
