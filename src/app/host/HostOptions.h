#pragma once
// The host shell's command line: which company database and company to open, in which language,
// whether to open the ledger inquiry at start, and where the plug-in library is; and, for runs nobody
// watches, what to do in the inquiry and where to save its picture.

#include "ScriptedUser.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace hostshell {

struct HostOptions {
    QString database;           // the company database file
    QString connection;         // SQL Server's ODBC connection string, in place of the file
    int company = 1;
    QString language = QStringLiteral("ITA ");
    QString user = QStringLiteral("ADMIN");
    QString plugin;             // the plug-in file; empty: the usual places
    bool openAtStart = false;
    bool quitAfterOpen = false; // open, report, close and leave: a smoke test of the whole path
    // What to do in the ledger window without a person; not empty: open, run it, close and leave.
    UserScript script;
};

// The options of the arguments (the program name first); on a mistake, nullopt and the reason in `error`.
std::optional<HostOptions> parseHostOptions(const QStringList& arguments, QString& error);

// The demo database the `make run` script creates, in the user's data folder.
QString defaultDemoDatabase();

} // namespace hostshell
