// The export of a grouped ledger of about a million lines (cost centre, expense item and month of the
// registration date) as the command line runs it: `quorvane export --xlsx` and `--csv` against `quorvane run`
// of the same selection, each in its own process on one processing thread, wall-clock time, processor time
// (the figure to compare on a machine shared with builds) and peak memory; then the same on a ledger ten
// times smaller, to show that what the exports add to the memory does not grow with the lines. Prints
// figures, asserts none.
//
//   bench_export [LARGE_DATABASE [SMALL_DATABASE]]   existing demo databases (1,610,000 and 161,000 lines per
//                                                    company); a missing one is created in a temporary folder

#include "company/DemoDatabase.h"

#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// About 62% of the demo's lines are actual movements of company 1 that the selection extracts.
constexpr long largeLines = 1'610'000;
constexpr long smallLines = 161'000;

constexpr const char* selection = R"({"company": 1, "CBO_SELCONTOVDS": "2", "CHK_QUANTITA": "1",
  "ADVO_ORDINAMENTI": [{"caption": "C.d.C.", "group": true}, {"caption": "V.d.S.", "group": true},
                       {"caption": "Data reg.", "group": true, "period": 3}]})";

struct Measure {
    double seconds = 0;
    double processor = 0;         // user and system time of the process, all its threads
    double peakMegabytes = 0;
    int status = -1;
};

// Runs the command line with its output into `output`; its time and its own peak resident memory.
Measure measure(const std::vector<std::string>& args, const std::string& output = "/dev/null")
{
    std::vector<char*> argv{const_cast<char*>(QUORVANE_EXECUTABLE)};
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        const int out = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(out, STDOUT_FILENO);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    Measure m;
    m.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    m.processor = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
                + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    m.peakMegabytes = double(usage.ru_maxrss) / 1024.0;
    m.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return m;
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

struct Exports {
    Measure run;
    Measure xlsx;
    Measure csv;
    long lines = 0;         // of the ledger
    double megabytes = 0;   // of the spreadsheet written
};

// The "rows" of the ledger `quorvane run` printed as JSON.
long ledgerLines(const QString& json)
{
    QFile file(json);
    file.open(QIODevice::ReadOnly);
    const QByteArray text = file.read(200);
    const qsizetype at = text.indexOf("\"rows\": ");
    return at < 0 ? 0 : text.mid(at + 8, text.indexOf(',', at) - at - 8).toLong();
}

Exports runAndExport(const std::string& database, const std::string& selectionFile, const QTemporaryDir& dir)
{
    const std::string spreadsheet = dir.filePath("ledger.xlsx").toStdString();
    Exports measured;
    const std::string printed = dir.filePath("ledger.json").toStdString();
    // One thread each, so that the ratios compare the writing with the processing alike.
    const std::vector<std::string> common{"--db", database, "--selection", selectionFile, "--threads", "1"};
    const auto with = [&](std::vector<std::string> first, std::vector<std::string> last) {
        first.insert(first.end(), common.begin(), common.end());
        first.insert(first.end(), last.begin(), last.end());
        return first;
    };
    measured.run = measure(with({"run"}, {}), printed);
    measured.lines = ledgerLines(QString::fromStdString(printed));
    measured.xlsx = measure(with({"export"}, {"--xlsx", spreadsheet}));
    measured.megabytes = double(QFile(QString::fromStdString(spreadsheet)).size()) / 1e6;
    measured.csv = measure(with({"export"}, {"--csv", dir.filePath("ledger.csv").toStdString()}));
    return measured;
}

void printAgainstRun(const char* what, const Measure& m, const Measure& run, const char* target)
{
    std::printf("  %-24s %8.2f s wall %8.2f s processor   peak %7.1f MB\n", what, m.seconds, m.processor,
                m.peakMegabytes);
    if (run.seconds > 0 && run.processor > 0)
        std::printf("  %-24s %8.2fx wall %7.2fx processor (target <= %s)\n", "  against the run:", m.seconds / run.seconds,
                    m.processor / run.processor, target);
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir dir(QStringLiteral("/tmp/bench-export-XXXXXX"));
    const std::string large = demoDatabase(argc, argv, 1, largeLines, dir);
    const std::string small = demoDatabase(argc, argv, 2, smallLines, dir);
    const std::string selectionFile = dir.filePath("grouped.json").toStdString();
    QFile file(QString::fromStdString(selectionFile));
    file.open(QIODevice::WriteOnly);
    file.write(selection);
    file.close();

    const Exports big = runAndExport(large, selectionFile, dir);
    const Exports little = runAndExport(small, selectionFile, dir);
    std::printf("a ledger of %ld lines grouped by C.d.C., V.d.S. and month (exit statuses %d, %d and %d):\n",
                big.lines, big.run.status, big.xlsx.status, big.csv.status);
    std::printf("  %-24s %8.2f s wall %8.2f s processor   peak %7.1f MB\n", "quorvane run:", big.run.seconds,
                big.run.processor, big.run.peakMegabytes);
    printAgainstRun("quorvane export --xlsx:", big.xlsx, big.run, "2x");
    std::printf("  %-24s %8.1f MB\n", "  spreadsheet file:", big.megabytes);
    printAgainstRun("quorvane export --csv:", big.csv, big.run, "1.5x");
    std::printf("memory the exports add to the processing (export peak - run peak), spreadsheet and CSV:\n");
    for (const Exports* pair : {&little, &big})
        std::printf("  a ledger of %8ld lines:         %8.1f MB %8.1f MB\n", pair->lines,
                    pair->xlsx.peakMegabytes - pair->run.peakMegabytes, pair->csv.peakMegabytes - pair->run.peakMegabytes);
    return 0;
}
