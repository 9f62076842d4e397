#include "HostOptions.h"

#include <QCommandLineParser>
#include <QDir>
#include <QStandardPaths>

namespace hostshell {

QString defaultDemoDatabase()
{
    const QString dataHome = qEnvironmentVariable("XDG_DATA_HOME", QDir::homePath() + QStringLiteral("/.local/share"));
    return dataHome + QStringLiteral("/quorvane/demo.db");
}

std::optional<HostOptions> parseHostOptions(const QStringList& arguments, QString& error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("The ERP host shell of the cost-accounting ledger inquiry."));
    parser.addHelpOption();
    const QCommandLineOption db(QStringLiteral("db"), QStringLiteral("The company database file."), QStringLiteral("PATH"),
                                defaultDemoDatabase());
    const QCommandLineOption connect(QStringLiteral("connect"),
                                     QStringLiteral("SQL Server's ODBC connection string, in place of --db."),
                                     QStringLiteral("ODBC-STRING"));
    const QCommandLineOption company(QStringLiteral("company"), QStringLiteral("The company code."), QStringLiteral("N"),
                                     QStringLiteral("1"));
    const QCommandLineOption lang(QStringLiteral("lang"), QStringLiteral("The user's language: ITA or ENG."),
                                  QStringLiteral("ITA|ENG"), QStringLiteral("ITA"));
    const QCommandLineOption user(QStringLiteral("user"), QStringLiteral("The user code."), QStringLiteral("CODE"),
                                  QStringLiteral("ADMIN"));
    const QCommandLineOption plugin(QStringLiteral("plugin"), QStringLiteral("The plug-in library file."),
                                    QStringLiteral("FILE"));
    const QCommandLineOption open(QStringLiteral("open"), QStringLiteral("Open the ledger inquiry at start."));
    const QCommandLineOption quit(QStringLiteral("quit-after-open"),
                                  QStringLiteral("Open the ledger inquiry, close it again and leave."));
    const QCommandLineOption selection(QStringLiteral("selection"),
                                       QStringLiteral("Open the ledger inquiry and this selection file in it."),
                                       QStringLiteral("FILE"));
    const QCommandLineOption choose(QStringLiteral("choose"),
                                    QStringLiteral("Then choose this value in this list of the window (e.g. CBO_CONFRONTO=3)."),
                                    QStringLiteral("NAME=VALUE"));
    const QCommandLineOption process(QStringLiteral("process"), QStringLiteral("Then press \"Elabora\"."));
    const QCommandLineOption keys(QStringLiteral("keys"),
                                  QStringLiteral("Then type these keys, separated by commas (e.g. Right,Down)."),
                                  QStringLiteral("KEYS"));
    const QCommandLineOption command(QStringLiteral("command"),
                                     QStringLiteral("Then press this command of the window (e.g. CMD_MODIFICA)."),
                                     QStringLiteral("NAME"));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Then save a picture of the window here, close and leave."),
                                        QStringLiteral("PATH"));
    parser.addOptions(
        {db, connect, company, lang, user, plugin, open, quit, selection, choose, process, keys, command, screenshot});
    if (!parser.parse(arguments)) {
        error = parser.errorText();
        return std::nullopt;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        error = parser.helpText();
        return std::nullopt;
    }

    if (parser.isSet(db) && parser.isSet(connect)) {
        error = QStringLiteral("--db and --connect name the company database each: give one of them");
        return std::nullopt;
    }
    HostOptions options;
    options.database = parser.value(db);
    options.connection = parser.value(connect);
    bool numeric = false;
    options.company = parser.value(company).toInt(&numeric);
    if (!numeric || options.company <= 0) {
        error = QStringLiteral("--company needs a positive company code, not \"%1\"").arg(parser.value(company));
        return std::nullopt;
    }
    const QString language = parser.value(lang).trimmed().toUpper();
    if (language != QLatin1String("ITA") && language != QLatin1String("ENG")) {
        error = QStringLiteral("--lang is ITA or ENG, not \"%1\"").arg(parser.value(lang));
        return std::nullopt;
    }
    options.language = language + QLatin1Char(' ');
    options.user = parser.value(user);
    options.plugin = parser.value(plugin);
    options.quitAfterOpen = parser.isSet(quit);
    options.script.selection = parser.value(selection);
    options.script.choices = parser.values(choose);
    options.script.process = parser.isSet(process);
    if (parser.isSet(keys))
        options.script.keys = parser.value(keys).split(QLatin1Char(','), Qt::SkipEmptyParts);
    options.script.command = parser.value(command);
    options.script.screenshot = parser.value(screenshot);
    options.openAtStart = parser.isSet(open) || options.quitAfterOpen || !options.script.empty();
    return options;
}

} // namespace hostshell
