// An output ended before it was complete: by Ctrl+C, a kill or a closed terminal, or by a failure of its
// own. Whatever was under the chosen name stays as it was and no temporary file stays beside it.

#include "files/OutputFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <fstream>

#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int failedOutput = 3;

// In a child process: begins the output, writes half of it and ends as `signal` says (0: a failure of the
// output itself, an exception).
[[noreturn]] void writeHalfAndEnd(const std::string& path, int signal)
{
    for (const int ending : {SIGINT, SIGTERM, SIGHUP})   // as in a command, not under the test's own handlers
        std::signal(ending, SIG_DFL);
    try {
        files::OutputFile output(path, "the export file");
        std::ofstream(output.temporaryPath()) << "half of the ledger";
        if (signal != 0)
            std::raise(signal);
        output.fail("the disk is full");
    } catch (const files::OutputFileError&) {
        ::_exit(failedOutput);
    }
    ::_exit(0);
}

} // namespace

class OutputFileTest : public QObject {
    Q_OBJECT

private slots:
    void anUnfinishedOutputLeavesTheFileAsItWas_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("Ctrl+C") << SIGINT;
        QTest::newRow("kill") << SIGTERM;
        QTest::newRow("terminal closed") << SIGHUP;
        QTest::newRow("failure") << 0;
    }
    void anUnfinishedOutputLeavesTheFileAsItWas()
    {
        QFETCH(int, signal);
        QTemporaryDir folder;
        const QString path = folder.filePath("ledger.csv");
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier") == 7);
        earlier.close();
        const pid_t child = ::fork();
        if (child == 0)
            writeHalfAndEnd(QFile::encodeName(path).toStdString(), signal);
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        if (signal != 0)
            QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == signal);
        else
            QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == failedOutput);
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"ledger.csv"});
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll(), QByteArray("earlier"));
    }
};

QTEST_GUILESS_MAIN(OutputFileTest)
#include "test_output_file.moc"
