#pragma once
// The quorvane command line run as a user runs it: the real executable in a child process, its exit status
// and what it wrote. A run that does not end within the wait counts as status -1.

#include <QProcess>
#include <QStringList>

struct Outcome {
    int status = -1;
    QString out, err;
};

inline Outcome runProgram(const QString& program, const QStringList& args, const QByteArray& input = {},
                          int waitMs = 120000)
{
    QProcess process;
    process.start(program, args);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(waitMs)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

inline Outcome quorvane(const QStringList& args, const QByteArray& input = {}, int waitMs = 120000)
{
    return runProgram(QStringLiteral(QUORVANE_EXECUTABLE), args, input, waitMs);
}
