// The export of a grouped ledger of about a million lines (cost centre, expense item and month of the
// registration date) as the command line runs it: `quorvane export --xlsx` against `quorvane run` of the same
// selection, each in its own process, wall-clock time and peak memory; then the same pair on a ledger ten
// times smaller, to show that what the export adds to the memory does not grow with the lines. Prints
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

struct Pair {
    Measure run;
    Measure exported;
    long lines = 0;         // of the ledger
    double megabytes = 0;   // of the file written
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

Pair runAndExport(const std::string& database, const std::string& selectionFile, const QTemporaryDir& dir)
{
    const std::string output = dir.filePath("ledger.xlsx").toStdString();
    Pair pair;
    const std::string printed = dir.filePath("ledger.json").toStdString();
    // One thread each, so that the ratio compares the writing with the processing alike.
    pair.run = measure({"run", "--db", database, "--selection", selectionFile, "--threads", "1"}, printed);
    pair.lines = ledgerLines(QString::fromStdString(printed));
    pair.exported =
        measure({"export", "--db", database, "--selection", selectionFile, "--xlsx", output, "--threads", "1"});
    pair.megabytes = double(QFile(QString::fromStdString(output)).size()) / 1e6;
    return pair;
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

    const Pair big = runAndExport(large, selectionFile, dir);
    const Pair little = runAndExport(small, selectionFile, dir);
    std::printf("a ledger of %ld lines grouped by C.d.C., V.d.S. and month (exit statuses %d and %d):\n", big.lines,
                big.run.status, big.exported.status);
    std::printf("  quorvane run:                      %8.2f s   peak %7.1f MB\n", big.run.seconds,
                big.run.peakMegabytes);
    std::printf("  quorvane export --xlsx:            %8.2f s   peak %7.1f MB   file %7.1f MB\n",
                big.exported.seconds, big.exported.peakMegabytes, big.megabytes);
    std::printf("  export / run:                      %8.2fx (target <= 2x)\n",
                big.run.seconds > 0 ? big.exported.seconds / big.run.seconds : 0.0);
    std::printf("memory the export adds to the processing (export peak - run peak):\n");
    for (const Pair* pair : {&little, &big})
        std::printf("  a ledger of %8ld lines:         %8.1f MB\n", pair->lines,
                    pair->exported.peakMegabytes - pair->run.peakMegabytes);
    return 0;
}
