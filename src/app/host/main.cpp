// quorvane-host: the ERP host shell around the ledger inquiry. It opens a session on a company database,
// shows its main window and, when asked, opens the ledger inquiry at start.

#include "HostMainWindow.h"
#include "HostOptions.h"

#include "company/DatabaseCheck.h"
#include "db/ConnectionString.h"
#include "hostfw/ClsGlobal.h"

#include <QApplication>
#include <QFont>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <cstdio>
#include <exception>

namespace {

constexpr int hostFontPoints = 8;

bool displayAvailable()
{
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
           qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
}

void say(const QString& line)
{
    std::fprintf(stderr, "quorvane-host: %s\n", qPrintable(line));
}

std::shared_ptr<hostfw::ClsGlobal> openSession(const hostshell::HostOptions& options)
{
    hostfw::SessionLogin login;
    if (options.connection.isEmpty()) {
        company::checkCompanyDatabase(options.database.toStdString());
        login.connectionString =
            QString::fromStdString(db::embeddedDatabase(options.database.toStdString(), db::Access::ReadOnly));
    } else {
        login.connectionString = options.connection;
    }
    login.company = options.company;
    login.user = options.user;
    login.language = options.language;
    return hostfw::ClsGlobal::open(login);
}

// Opens the ledger inquiry, says what came up, closes it again: the whole path without a person.
int openAndQuit(hostshell::HostMainWindow& window)
{
    if (!window.openLedgerInquiry()) {
        say(window.hostStatusBar()->panelText(2));
        return 1;
    }
    const QList<QMdiSubWindow*> opened = window.mdiArea()->subWindowList();
    say(QStringLiteral("opened %1 window(s): %2")
            .arg(opened.size())
            .arg(opened.isEmpty() ? QString() : opened.constFirst()->widget()->windowTitle()));
    const bool closed = window.closePrograms();
    say(closed ? QStringLiteral("closed") : QStringLiteral("the program refused to close"));
    return !opened.isEmpty() && closed ? 0 : 1;
}

// Opens the ledger inquiry, does what the script says, closes it again. Any dialog on the way counts as
// a failure, since nobody was there to read it.
int runScript(hostshell::HostMainWindow& window, hostfw::ClsGlobal& session, const hostshell::UserScript& script)
{
    const auto answerer = std::make_shared<hostshell::UnattendedAnswerer>();
    session.setDialogAnswerer(answerer);
    if (!window.openLedgerInquiry()) {
        say(window.hostStatusBar()->panelText(2));
        return 1;
    }
    const QString failure = hostshell::runUserScript(window, script);
    if (!failure.isEmpty())
        say(failure);
    else if (!script.screenshot.isEmpty())
        say(QStringLiteral("saved %1").arg(script.screenshot));
    const bool closed = window.closePrograms();
    return failure.isEmpty() && answerer->texts().isEmpty() && closed ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QString error;
    const std::optional<hostshell::HostOptions> options = hostshell::parseHostOptions(arguments, error);
    if (!options) {
        // Asked for, the usage is the answer, on standard output; otherwise it tells what was wrong.
        const bool help = arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"));
        std::fprintf(help ? stdout : stderr, "%s\n", qPrintable(error));
        return help ? 0 : 2;
    }
    if (!displayAvailable()) {
        say(QStringLiteral("no display available: set DISPLAY, or QT_QPA_PLATFORM=offscreen for a run without one"));
        return 3;
    }

    QApplication application(argc, argv);
    // The host's programs are designed for an 8-point interface font: their column widths fit it.
    QFont font = QApplication::font();
    font.setPointSize(hostFontPoints);
    QApplication::setFont(font);
    std::shared_ptr<hostfw::ClsGlobal> session;
    try {
        session = openSession(*options);
    } catch (const std::exception& e) {
        say(QString::fromStdString(db::maskPasswords(e.what())));
        return 1;
    }

    hostshell::HostMainWindow window(session, options->plugin);
    window.show();
    if (options->quitAfterOpen)
        return openAndQuit(window);
    if (!options->script.empty())
        return runScript(window, *session, options->script);
    if (options->openAtStart)
        window.openLedgerInquiry();
    return application.exec();
}
