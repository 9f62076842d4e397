// The quorvane command line as a user or a script meets it: what it prints, and the exit status that tells
// a refusal (2), a database error (3) and a bad argument (1) apart.

#include "QuorvaneProcess.h"
#include "../quorvane/export/XlsxBook.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <map>

#include <sqlite3.h>

namespace {

// The balance (revenues less costs, in cents) of company 1's lines under the cost centres "01…" registered in
// the period, of the operation kind and movement types given, by group: written here over the base tables.
QString balancesByGroup(const QString& group, const QString& from, const QString& to, int operation,
                        const QString& types)
{
    return "SELECT " + group + " AS G, SUM(CASE WHEN PC04_INDCOSTORIC IN (0, 2) THEN CI13_IMPORTO ELSE -CI13_IMPORTO END)"
           " * 100 AS S FROM CI12_MOVTESTATA INNER JOIN CI13_MOVCORPO ON CI12_DITTA_CG18 = CI13_DITTA_CG18"
           " AND CI12_NUMREG_CO99 = CI13_NUMREG_CO99 INNER JOIN CI03_CAUSALI ON CI03_DITTA_CG18 = CI12_DITTA_CG18"
           " AND CI03_CODICE = CI12_CODCAUS_CI03"
           " CROSS APPLY FNPC03_ANAGPDC_COAN(CI13_CODVDS_PC01, CI13_VDS_PC03, CI13_DITTA_CG18, NULL) AS VDS"
           " CROSS APPLY FNPC04_NATURECOSTI(VDS.PC03_NATURA_PC04, CI13_DITTA_CG18) AS PC04_VDS"
           " WHERE CI12_DITTA_CG18 = 1 AND CI13_SEGNO = 0 AND CI13_CODPDC_PC01 = 1 AND CI13_CONTO_PC03 LIKE '01%'"
           " AND PC04_INDCOSTORIC IN (0, 1, 2) AND CI03_INDOPERAZIONE = " + QString::number(operation)
           + " AND CI12_INDTIPOMOV IN (" + types + ") AND CI12_DATAREG BETWEEN '" + from + "' AND '" + to
           + "' GROUP BY " + group;
}

QMap<QString, qint64> groupBalances(const QString& demo, const QString& statement)
{
    QMap<QString, qint64> balances;
    const QStringList lines = quorvane({"tsql", "--db", demo}, statement.toUtf8()).out.split('\n', Qt::SkipEmptyParts);
    for (const QString& line : lines.mid(1))
        balances.insert(line.section(',', 0, 0), qRound64(line.section(',', 1, 1).toDouble()));
    return balances;
}

qint64 cents(const QJsonValue& amount)
{
    return qRound64(amount.toDouble() * 100);
}

} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString demo_;

    QString selectionFile(const char* name, const QByteArray& json)
    {
        QString path = dir_.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(json);
        return path;
    }

private slots:
    void initTestCase()
    {
        demo_ = dir_.filePath("demo.db");
        Outcome made = quorvane({"demo-db", demo_, "--lines", "400", "--seed", "7"});
        QCOMPARE(made.status, 0);
        QVERIFY2(made.out.contains(demo_), qPrintable(made.out));
    }

    void tsqlPrintsEachResultSetAsCsv()
    {
        QString db = dir_.filePath("csv.db");
        QByteArray script = "CREATE TABLE T (A NVARCHAR(20), B DECIMAL(18,2), D DATETIME)\r\nGO\r\n"
                            "INSERT INTO T (A, B, D) VALUES ('Rossi, Mario', 10, '20240229'), ('say \"hi\"', 0.5, NULL),"
                            " (NULL, NULL, '20240101')\nGO\n"
                            "SELECT A, B, D FROM T WITH (NOLOCK)\ngo\nSELECT COUNT(*) AS N FROM T\n";
        Outcome run = quorvane({"tsql", "--db", db, "--write"}, script);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QString("A,B,D\n\"Rossi, Mario\",10.00,2024-02-29\n\"say \"\"hi\"\"\",0.50,\n,,2024-01-01\n"
                                  "N\n3\n"));
    }

    void tsqlReportsAnUnsupportedStatementWithItsPosition()
    {
        Outcome run = quorvane({"tsql", "--db", demo_}, "SELECT 1\nGO\nSELECT 1 UNION SELECT 2");
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains("line 1") && run.err.contains("UNION", Qt::CaseInsensitive), qPrintable(run.err));
    }

    void tsqlChangesTheCompanyFileOnlyWithWrite()
    {
        QString company = dir_.filePath("company.db");
        QVERIFY(QFile::copy(demo_, company));
        QByteArray create = "SELECT 1 AS A INTO CONTROLLO";
        Outcome refused = quorvane({"tsql", "--db", company}, create);
        QCOMPARE(refused.status, 2);
        QVERIFY2(refused.err.contains("readonly", Qt::CaseInsensitive), qPrintable(refused.err));
        QCOMPARE(quorvane({"tsql", "--db", company}, "SELECT * FROM CONTROLLO").status, 2);
        QCOMPARE(quorvane({"tsql", "--db", company, "--write"}, create).status, 0);
        QCOMPARE(quorvane({"tsql", "--db", company}, "SELECT * FROM CONTROLLO").out, QString("A\n1\n"));
    }

    void badArgumentsExitWithStatusOne_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no command") << QStringList{};
        QTest::newRow("unknown command") << QStringList{"frobnicate"};
    }
    void badArgumentsExitWithStatusOne()
    {
        QFETCH(QStringList, args);
        QCOMPARE(quorvane(args).status, 1);
    }

    void refusedSelectionExitsWithTheMessageNumber()
    {
        QString sel = selectionFile("refused.json", R"({"company": 1, "CBO_SELCONTOVDS": "0", "TXT_CONTO": ""})");
        Outcome run = quorvane({"run", "--db", demo_, "--selection", sel});
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains("message 9638"), qPrintable(run.err));
    }

    void emptyExtractionSaysSoAndCountsNoRows()
    {
        QString sel = selectionFile("empty.json", R"({"company": 1, "CBO_SELCONTOVDS": "0", "TXT_CONTO": "01",
            "TXT_DATAREGDA": "1990-01-01", "TXT_DATAREGA": "1990-12-31"})");
        Outcome run = quorvane({"run", "--db", demo_, "--selection", sel, "--format", "json"});
        QCOMPARE(run.status, 0);
        QVERIFY2((run.out + run.err).contains("39037"), qPrintable(run.out + run.err));
        QCOMPARE(QJsonDocument::fromJson(run.out.toUtf8()).object().value("rows").toInt(-1), 0);
    }

    void sqlPrintsTheStatementsWithTheirLineEnds()
    {
        QString sel = selectionFile("sql.json", R"({"company": 1, "CBO_SELCONTOVDS": "0", "TXT_CONTO": "01"})");
        Outcome run = quorvane({"sql", "--db", demo_, "--selection", sel});
        QCOMPARE(run.status, 0);
        QJsonObject statements = QJsonDocument::fromJson(run.out.toUtf8()).object();
        for (const char* key : {"extraction", "condition", "final", "totals", "rowFilter"})
            QVERIFY2(statements.contains(key), key);
        QString extraction = statements.value("extraction").toString();
        QVERIFY(extraction.startsWith("SELECT\r\n   IDENTITY( INT,1,1) AS ID,"));
        QVERIFY(extraction.endsWith(statements.value("condition").toString()));
        QVERIFY(statements.value("condition").toString().startsWith("WHERE"));
    }

    // Each group's comparison against sums of the base tables over the comparison's period or kind: by cost
    // centre, and by month with each month meeting its counterpart. A group on the comparison's side only
    // still has its node.
    void aComparisonMatchesTheBaseTablesGroupByGroup_data()
    {
        QTest::addColumn<QString>("compare");
        QTest::addColumn<QString>("ordering");
        QTest::addColumn<QString>("group");       // the group's value over the base tables, and in the node's tag
        QTest::addColumn<QString>("tagValue");
        QTest::addColumn<int>("monthsBack");      // of a month group's counterpart
        QTest::addColumn<QStringList>("comparison");   // from, to, operation kind, movement types
        const QString centre = R"({"caption": "C.d.C.", "group": true})";
        const QString month = R"({"caption": "Data reg.", "group": true, "period": 3})";
        const QString centreValue = "CI13_CONTO_PC03='([^']*)'", monthValue = "DATAREGMESE=(\\d+)";
        const QString byMonth = "YEAR(CI12_DATAREG) * 100 + MONTH(CI12_DATAREG)";
        QTest::newRow("previous year by cost centre") << "previous-year" << centre << "CI13_CONTO_PC03" << centreValue
                                                      << 0 << QStringList{"20230101", "20230630", "0", "1,2,3,4"};
        QTest::newRow("previous year by month") << "previous-year" << month << byMonth << monthValue << 12
                                                << QStringList{"20230101", "20230630", "0", "1,2,3,4"};
        QTest::newRow("previous period by month") << "previous-period" << month << byMonth << monthValue << 6
                                                  << QStringList{"20230701", "20231231", "0", "1,2,3,4"};
        QTest::newRow("budget by cost centre") << "budget" << centre << "CI13_CONTO_PC03" << centreValue << 0
                                               << QStringList{"20240101", "20240630", "1", "3,4"};
    }
    void aComparisonMatchesTheBaseTablesGroupByGroup()
    {
        QFETCH(QString, compare);
        QFETCH(QString, ordering);
        QFETCH(QString, group);
        QFETCH(QString, tagValue);
        QFETCH(int, monthsBack);
        QFETCH(QStringList, comparison);
        const QString sel = selectionFile("compared.json", (R"({"company": 1, "TXT_CONTO": "01",
            "TXT_DATAREGDA": "2024-01-01", "TXT_DATAREGA": "2024-06-30", "ADVO_ORDINAMENTI": [)" + ordering + "]}")
                                                               .toUtf8());
        Outcome run = quorvane({"run", "--db", demo_, "--selection", sel, "--compare", compare});
        QCOMPARE(run.status, 0);
        const QJsonObject ledger = QJsonDocument::fromJson(run.out.toUtf8()).object();
        const QMap<QString, qint64> actual =
            groupBalances(demo_, balancesByGroup(group, "20240101", "20240630", 0, "1,2,3,4"));
        QMap<QString, qint64> compared = groupBalances(
            demo_, balancesByGroup(group, comparison[0], comparison[1], comparison[2].toInt(), comparison[3]));
        QVERIFY(!compared.isEmpty());
        qint64 comparedTotal = 0;
        for (qint64 balance : compared)
            comparedTotal += balance;
        QCOMPARE(cents(ledger.value("totals").toObject().value("CONFRONTO")), comparedTotal);
        QMap<QString, qint64> comparedByCaption;
        const QRegularExpression valueInTag(tagValue);
        for (const QJsonValue& entry : ledger.value("tree").toArray()) {
            const QJsonObject node = entry.toObject();
            const QString value = valueInTag.match(node.value("tag").toString()).captured(1);
            QString counterpart = value;
            if (monthsBack) {
                const QDate moved = QDate(value.left(4).toInt(), value.mid(4).toInt(), 1).addMonths(-monthsBack);
                counterpart = QString::number(moved.year() * 100 + moved.month());
            }
            QCOMPARE(cents(node.value("SALDO")), actual.value(value));
            QCOMPARE(cents(node.value("CONFRONTO")), compared.take(counterpart));
            QCOMPARE(cents(node.value("SCOSTAMENTO")), cents(node.value("SALDO")) - cents(node.value("CONFRONTO")));
            comparedByCaption.insert("Totale " + node.value("text").toString(), cents(node.value("CONFRONTO")));
        }
        QVERIFY2(compared.isEmpty(), qPrintable(QStringList(compared.keys()).join(' ')));

        // The spreadsheet's totals rows carry the same comparison in a column of its own.
        comparedByCaption.insert("Totale selezione", comparedTotal);
        const QString xlsx = dir_.filePath("compared.xlsx");
        QCOMPARE(quorvane({"export", "--db", demo_, "--selection", sel, "--compare", compare, "--xlsx", xlsx}).status, 0);
        int column = -1, totalsRows = 0;
        const xlsxtest::XlsxBook book(xlsx);
        for (const xlsxtest::Row& row : book.sheets.at(0).rows) {
            for (const auto& [at, cell] : row.cells)
                if (column < 0 && cell.value == QLatin1String("Confronto"))
                    column = at;
            if (row.text(0).startsWith(QLatin1String("Totale "))) {
                QCOMPARE(row.cents(column).value_or(-1), comparedByCaption.value(row.text(0), -1));
                ++totalsRows;
            }
        }
        QCOMPARE(totalsRows, comparedByCaption.size());
    }

    void aComparisonItCannotMakeIsRefusedByName()
    {
        const QString open = selectionFile("open.json", R"({"company": 1, "TXT_CONTO": "01", "TXT_DATAREGDA": "2024-01-01"})");
        Outcome run = quorvane({"run", "--db", demo_, "--selection", open, "--compare", "previous-period"});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains("TXT_DATAREGA"), qPrintable(run.err));
        run = quorvane({"run", "--db", demo_, "--selection", open, "--compare", "last-week"});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains("last-week"), qPrintable(run.err));
    }

    // The chart of a cost centre's months with the months of the year before, drawn as a picture; a group
    // the ledger lacks is named.
    void chartDrawsAGroupsChildrenAsAPicture()
    {
        const QString sel = selectionFile("chart.json", R"({"company": 1, "TXT_CONTO": "01",
            "TXT_DATAREGDA": "2024-01-01", "TXT_DATAREGA": "2024-06-30", "ADVO_ORDINAMENTI": [
            {"caption": "C.d.C.", "group": true}, {"caption": "Data reg.", "group": true, "period": 3}]})");
        const QString png = dir_.filePath("chart.png");
        Outcome run = quorvane({"chart", "--db", demo_, "--selection", sel, "--group", "*1", "--compare",
                                "previous-year", "--png", png});
        QCOMPARE(run.status, 0);
        const QImage picture(png);
        QCOMPARE(picture.size(), QSize(1200, 700));
        QImage blank(picture.size(), QImage::Format_RGB32);
        blank.fill(Qt::white);
        QVERIFY(picture.convertToFormat(QImage::Format_RGB32) != blank);
        run = quorvane({"chart", "--db", demo_, "--selection", sel, "--group", "*999", "--png", png});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains("*999"), qPrintable(run.err));
    }

    void sqlStatementsAreTheWindows()
    {
        Outcome types = quorvane({"tsql", "--db", demo_},
                                 "SELECT CGT0_CODICE FROM CGT0_TIPOMOV WHERE CGT0_INDTIPO IN (0, 1) ORDER BY CGT0_CODICE");
        QStringList offered = types.out.split('\n', Qt::SkipEmptyParts).mid(1);
        const QString cause = R"({"caption": "Causale", "section": "A", "from": "C1"})";
        const QString section = R"({"caption": "Sez. doc.", "section": "A", "from": "A"})";
        const QString limits = R"("ADVQ_LIMITI": [)" + cause + ", " + section + "]";
        const QString reversed = R"("ADVQ_LIMITI": [)" + section + ", " + cause + "]";
        const QString common = R"({"company": 1, "CBO_SELCONTOVDS": "2", "CHK_QUANTITA": "1", "CBO_SELPERQTA": "1",
            "TXT_QUANTITA": 0.00001, "CBO_SELPERIMP": "2", "TXT_IMPORTO": 1e16, )";
        QJsonObject first = QJsonDocument::fromJson(
            quorvane({"sql", "--db", demo_, "--selection", selectionFile("first.json", (common + limits + "}").toUtf8())})
                .out.toUtf8()).object();
        QJsonObject second = QJsonDocument::fromJson(
            quorvane({"sql", "--db", demo_, "--selection", selectionFile("second.json", (common + reversed + "}").toUtf8())})
                .out.toUtf8()).object();
        const QString condition = first.value("condition").toString();
        QVERIFY2(condition.contains("CI12_INDTIPOMOV IN (" + offered.join(',') + ")"), qPrintable(condition));
        QCOMPARE(second.value("condition").toString(), condition);
        QVERIFY(condition.indexOf("CI12_CODCAUS_CI03") < condition.indexOf("CI12_SEZDOC"));
        const QString rowFilter = first.value("rowFilter").toString();
        QVERIFY2(rowFilter.contains(">= 10000000000000000") && rowFilter.contains("= 0.00001"), qPrintable(rowFilter));
    }

    void noMovementTypeChosenIsRefused()
    {
        QString sel = selectionFile("notypes.json", R"({"company": 1, "CBO_SELCONTOVDS": "2", "USR_TIPOMOV": []})");
        Outcome run = quorvane({"sql", "--db", demo_, "--selection", sel});
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains("message 9638") && run.err.contains("USR_TIPOMOV"), qPrintable(run.err));
    }

    // A company keeping its books in lire shows its amounts in lire unless the file asks for another currency.
    // Company 3 keeps lire and whole quantities: a quantity shows no decimal separator.
    void aCompanyIsProcessedInItsOwnCurrency()
    {
        QString sel = selectionFile("lire.json", R"({"company": 3, "CBO_SELCONTOVDS": "2", "CHK_QUANTITA": "1"})");
        Outcome run = quorvane({"run", "--db", demo_, "--selection", sel, "--format", "json"});
        QCOMPARE(run.status, 0);
        QJsonObject summary = QJsonDocument::fromJson(run.out.toUtf8()).object().value("summary").toObject();
        QCOMPARE(summary.value("LBL_TOTVAL").toString(), QStringLiteral("LIT"));
        const QString quantity = summary.value("TXT_TOTNOGRUPPOQUANTITA").toString();
        QVERIFY2(QRegularExpression(QStringLiteral("^-?\\d{1,3}(\\.\\d{3})* $")).match(quantity).hasMatch(),
                 qPrintable(quantity));
    }

    void theLedgerSpeaksTheChosenLanguage_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("groupCaption");   // the first node's, up to its value
        QTest::addColumn<QString>("noLimit");        // the summary's words for the amounts
        QTest::newRow("Italian by default") << QString() << "C.d.C.: " << "Nessun limite ";
        QTest::newRow("Italian") << "ita" << "C.d.C.: " << "Nessun limite ";
        QTest::newRow("English") << "ENG" << "Cost centre: " << "No limit ";
    }
    void theLedgerSpeaksTheChosenLanguage()
    {
        QFETCH(QString, lang);
        QFETCH(QString, groupCaption);
        QFETCH(QString, noLimit);
        QString sel = selectionFile("language.json", R"({"company": 1, "CBO_SELCONTOVDS": "0", "TXT_CONTO": "01",
            "ADVO_ORDINAMENTI": [{"caption": "C.d.C.", "group": true}]})");
        QStringList args{"run", "--db", demo_, "--selection", sel, "--format", "json"};
        if (!lang.isEmpty())
            args << "--lang" << lang;
        Outcome run = quorvane(args);
        QCOMPARE(run.status, 0);
        const QJsonObject ledger = QJsonDocument::fromJson(run.out.toUtf8()).object();
        const QString first = ledger.value("tree").toArray().first().toObject().value("text").toString();
        QVERIFY2(first.startsWith(groupCaption), qPrintable(first));
        QCOMPARE(ledger.value("summary").toObject().value("TXT_RIEPIMPORTO").toString(), noLimit);
        QCOMPARE(quorvane({"run", "--db", demo_, "--selection", sel, "--lang", "DEU"}).status, 1);
    }

    void missingOrForeignDatabaseIsNamed()
    {
        QString sel = selectionFile("any.json", R"({"company": 1, "CBO_SELCONTOVDS": "0", "TXT_CONTO": "01"})");
        QString missing = dir_.filePath("nowhere.db");
        Outcome run = quorvane({"run", "--db", missing, "--selection", sel});
        QCOMPARE(run.status, 3);
        QVERIFY2(run.err.contains(missing), qPrintable(run.err));
        QString foreign = selectionFile("foreign.db", "not a database");
        run = quorvane({"run", "--db", foreign, "--selection", sel});
        QCOMPARE(run.status, 3);
        QVERIFY2(run.err.contains(foreign) && run.err.contains("not a SQLite file"), qPrintable(run.err));
    }

    // The journal entry of a ledger movement, as the database links it; a registration it does not hold.
    void sourcePrintsTheProgramTheModifyCommandOpens()
    {
        const QString number = "2022000003";
        Outcome entry = quorvane({"tsql", "--db", demo_}, "SELECT CI12_INDPROVENIENZA, CG41_CODICE_CG33 FROM "
                                 "CI12_MOVTESTATA INNER JOIN CG41_PRIMANOTA ON CG41_DITTA_CG18 = CI12_DITTA_CG18 AND "
                                 "CG41_NUMREG = CI12_NUMREG_CO99 WHERE CI12_DITTA_CG18 = 1 AND CI12_NUMREG_CO99 = '"
                                 + number.toUtf8() + "' AND CG41_FLGSTPIVA = 0");
        const QStringList row = entry.out.split('\n').value(1).split(',');
        QCOMPARE(row.value(0), QStringLiteral("2"));
        Outcome run = quorvane({"source", "--db", demo_, "--company", "1", "--numreg", number, "--line", "1"});
        QCOMPARE(run.status, 0);
        const QJsonObject answer = QJsonDocument::fromJson(run.out.toUtf8()).object();
        QCOMPARE(answer.value("program").toString(), QStringLiteral("journal-entry"));
        const QJsonObject arguments = answer.value("arguments").toObject();
        QCOMPARE(arguments.value("ledgerReason").toString(), row.value(1));
        QCOMPARE(arguments.value("company").toInt(), 1);
        QCOMPARE(arguments.value("registrationNumber").toString(), number);
        QCOMPARE(arguments.value("filter").toString(), "CG41_DITTA_CG18 = 1 AND CG41_NUMREG = '" + number + "'");
        QVERIFY(answer.value("message").isNull());

        run = quorvane({"source", "--db", demo_, "--company", "1", "--numreg", "1999000001"});
        QCOMPARE(run.status, 0);
        const QJsonObject gone = QJsonDocument::fromJson(run.out.toUtf8()).object();
        QCOMPARE(gone.value("program").toString(), QStringLiteral("none"));
        QCOMPARE(gone.value("message").toObject().value("number").toInt(), 35169);
        const Outcome goneLine = quorvane({"source", "--db", demo_, "--company", "1", "--numreg", "1999000001", "--line", "1"});
        QCOMPARE(goneLine.status, 0);
        QCOMPARE(goneLine.out, run.out);

        // A header whose lines were deleted still decides by its own origin and reason.
        const QString noLines = dir_.filePath("no-lines.db");
        QVERIFY(QFile::copy(demo_, noLines));
        sqlite3* file = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(noLines).constData(), &file), SQLITE_OK);
        sqlite3_enable_load_extension(file, 1);
        QCOMPARE(sqlite3_load_extension(file, TSQL_FUNCTIONS, nullptr, nullptr), SQLITE_OK);
        const QByteArray deletion = "DELETE FROM CI13_MOVCORPO WHERE CI13_DITTA_CG18 = 1 AND CI13_NUMREG_CO99 = '"
                                    + number.toUtf8() + "'";
        QCOMPARE(sqlite3_exec(file, deletion.constData(), nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(file);
        const Outcome headerOnly = quorvane({"source", "--db", noLines, "--company", "1", "--numreg", number});
        QCOMPARE(headerOnly.status, 0);
        QCOMPARE(QJsonDocument::fromJson(headerOnly.out.toUtf8()).object(), answer);
        QCOMPARE(quorvane({"source", "--db", noLines, "--company", "1", "--numreg", number, "--line", "1"}).status, 1);
    }

    // The window run without a person meets the file dialog of "Esporta…": it is closed and named, and the
    // run fails instead of waiting for someone to answer it.
    void anUnattendedWindowRunNeverWaitsOnADialog()
    {
        const QString selection = selectionFile("window.json", R"({"company": 1, "CBO_SELCONTOVDS": "2"})");
        const Outcome run = runProgram(QUORVANE_HOST, {"--db", demo_, "--selection", selection, "--process", "--command",
                                                       "CMD_ESPORTA", "--screenshot", dir_.filePath("window.png")},
                                       {}, 60000);
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains("dialog") && run.err.contains("nobody answers it"), qPrintable(run.err));
        const Outcome help = runProgram(QUORVANE_HOST, {"--help"});
        QCOMPARE(help.status, 0);
        QVERIFY2(help.out.contains("--screenshot"), qPrintable(help.out));
    }

    // Asked for, the usage is the answer: every command with every option it takes.
    void helpListsEveryCommandWithItsOptions()
    {
        const Outcome help = quorvane({"--help"});
        QCOMPARE(help.status, 0);
        const QStringList lines = help.out.split('\n');
        const std::map<QString, QStringList> options{
            {"tsql", {"--db", "--explain", "--write"}},
            {"print", {"--selection", "--company", "--group", "--counterparts", "--pdf", "--dump"}},
            {"export", {"--selection", "--company", "--group", "--xlsx", "--csv", "--csv-separator", "--decimal-point"}},
            {"report-render", {"--report", "--sql-file", "--pdf", "--company", "--param", "--formula", "--formula-file",
                               "--sort", "--area"}},
            {"source", {"--company", "--numreg", "--line", "--show"}}};
        for (const auto& [command, names] : options) {
            const QStringList usage = lines.filter("quorvane " + command + " ");
            QCOMPARE(usage.size(), 1);
            for (const QString& name : names)
                QVERIFY2(usage.front().contains(name), qPrintable(command + " " + name));
        }
    }

    // The lines as CSV with the separator and decimal point asked for, one group as a spreadsheet; a group the
    // tree lacks, two outputs or a file that cannot be written are refused and leave no file.
    void exportWritesTheLedgerOrOneGroup()
    {
        QString sel = selectionFile("export.json", R"({"company": 1, "CBO_SELCONTOVDS": "0", "TXT_CONTO": "01",
            "ADVO_ORDINAMENTI": [{"caption": "C.d.C.", "group": true}]})");
        const QStringList common{"export", "--db", demo_, "--selection", sel};
        const int rows = QJsonDocument::fromJson(quorvane({"run", "--db", demo_, "--selection", sel}).out.toUtf8())
                             .object().value("rows").toInt();
        const QString csv = dir_.filePath("ledger.csv");
        QCOMPARE(quorvane(common + QStringList{"--csv", csv, "--csv-separator", ",", "--decimal-point", "."}).status, 0);
        QFile lines(csv);
        QVERIFY(rows > 0 && lines.open(QIODevice::ReadOnly));
        const QList<QByteArray> records = lines.readAll().split('\n');
        QVERIFY(records.front().contains("Gruppo C.d.C.,Num.Reg,"));
        QCOMPARE(records.size() - 2, rows);   // the header, and nothing after the last line end
        const QString group = dir_.filePath("group.xlsx");
        QCOMPARE(quorvane(common + QStringList{"--xlsx", group, "--group", "*1"}).status, 0);
        QVERIFY(QFile::exists(group));
        for (const QStringList& refused : {QStringList{"--xlsx", dir_.filePath("none.xlsx"), "--group", "*999"},
                                           QStringList{"--xlsx", dir_.filePath("none.xlsx"), "--csv", csv + "2"},
                                           QStringList{"--csv", csv + "2", "--decimal-point", "0"},
                                           QStringList{"--csv", csv + "2", "--csv-separator", ",", "--decimal-point", ","}})
            QCOMPARE(quorvane(common + refused).status, 1);
        const QString unwritable = dir_.filePath("no such folder/ledger.xlsx");
        const Outcome run = quorvane(common + QStringList{"--xlsx", unwritable});
        QCOMPARE(run.status, 4);
        QVERIFY2(run.err.contains(unwritable), qPrintable(run.err));
        QVERIFY(!QFile::exists(dir_.filePath("none.xlsx")) && !QFile::exists(csv + "2"));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "test_command_line.moc"
