// A saved selection must come back exactly as it was saved, and a file that does not describe a valid
// selection must be refused with a message that names the offending key.

#include "selection/SelectionFile.h"

#include <QTemporaryDir>
#include <QtTest>

using quorvane::SelectionParameters;

class SelectionFileTest : public QObject {
    Q_OBJECT

    static SelectionParameters everyFieldFilled()
    {
        SelectionParameters s;
        s.company = 2;
        s.CBO_SELCONTOVDS = "1";
        s.TXT_CONTO = "01O'1";
        s.TXT_DATAREGDA = QDate(2024, 1, 1);
        s.TXT_DATAREGA = QDate(2024, 12, 31);
        s.CHK_PERIODOCOMP = "1";
        s.CBO_MESELI = "11";
        s.TXT_ANNOLI = "2023";
        s.CBO_MESELS = "2";
        s.TXT_ANNOLS = "2024";
        s.USR_TIPOMOV = std::vector<std::string>{"1", "7"};
        s.CBO_INDOPERAZIONE = "1";
        s.CBO_SELPERIMP = "4";
        s.TXT_IMPORTO = "1000.5";
        s.TXT_PERC = "10";
        s.CHK_QUANTITA = "1";
        s.CBO_SELPERQTA = "2";
        s.TXT_QUANTITA = "-3.25";
        s.TXT_PERCQTA = "0";
        s.TXT_CODICEVALUTA = "USD";
        s.TXT_DATACAMBIO = QDate(2024, 2, 29);
        s.TXT_CAMBIO = "1.083";
        s.CHK_NO_PROGETTI = "1";
        s.CHK_NO_COMMESSE = "1";
        s.CHK_NO_VERSAMENTI = "1";
        s.ADVQ_LIMITI = {{"Commessa", "A", "100", "200", {}}, {"Sede", "B", "", "", {"1", "3"}}};
        s.ADVQ_SELCONTI = {{"C.d.C. - Mastro", "A", "01", "02", {}}};
        s.ADVO_ORDINAMENTI = {{"C.d.C.", "ASC", true, 8, false}, {"Data reg.", "DESC", true, 3, true}};
        return s;
    }

private slots:
    void savedSelectionComesBackUnchanged()
    {
        QTemporaryDir dir;
        QString path = dir.filePath("selection.json");
        SelectionParameters original = everyFieldFilled();
        quorvane::saveSelectionFile(path, original);
        QCOMPARE(quorvane::loadSelectionFile(path), original);
        QCOMPARE(quorvane::parseSelection(quorvane::serializeSelection(SelectionParameters())),
                 SelectionParameters());
    }

    void absentKeysKeepTheInitialValues()
    {
        SelectionParameters s = quorvane::parseSelection(R"({"TXT_CONTO": "01"})");
        QCOMPARE(s.CBO_SELCONTOVDS, std::string("0"));
        QCOMPARE(s.CBO_MESELI, std::string("-1"));
        QCOMPARE(s.TXT_CODICEVALUTA, std::string());   // the company's own currency
        QVERIFY(!s.USR_TIPOMOV.has_value());
        QVERIFY(!s.TXT_DATAREGDA.has_value());
    }

    void numbersAreKeptAsPlainDecimals()
    {
        const SelectionParameters s = quorvane::parseSelection(R"({"TXT_QUANTITA": 0.00001, "TXT_IMPORTO": 1e16})");
        QCOMPARE(s.TXT_QUANTITA, std::string("0.00001"));
        QCOMPARE(s.TXT_IMPORTO, std::string("10000000000000000"));
    }

    // Each refusal names the key and echoes the value as the file writes it.
    void refusesFilesThatDescribeNoValidSelection_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("namedKey");
        QTest::addColumn<QString>("echoed");
        QTest::newRow("unknown key") << QByteArray(R"({"TXT_CONTOO": "01"})") << "TXT_CONTOO" << "";
        QTest::newRow("combo value out of domain") << QByteArray(R"({"CBO_SELPERIMP": "7"})") << "CBO_SELPERIMP" << "7";
        QTest::newRow("amount as text") << QByteArray(R"({"TXT_IMPORTO": "1000"})") << "TXT_IMPORTO" << "\"1000\"";
        QTest::newRow("five-digit year") << QByteArray(R"({"TXT_ANNOLI": 20245})") << "TXT_ANNOLI" << "20245";
        QTest::newRow("year with decimals") << QByteArray(R"({"TXT_ANNOLS": 2024.5})") << "TXT_ANNOLS" << "2024.5";
        QTest::newRow("Italian date") << QByteArray(R"({"TXT_DATAREGDA": "15/03/2024"})") << "TXT_DATAREGDA"
                                      << "\"15/03/2024\"";
        QTest::newRow("currency too long") << QByteArray(R"({"TXT_CODICEVALUTA": "EUROS"})") << "TXT_CODICEVALUTA"
                                           << "EUROS";
        QTest::newRow("movement types not a list") << QByteArray(R"({"USR_TIPOMOV": "CO"})") << "USR_TIPOMOV"
                                                   << "\"CO\"";
        QTest::newRow("movement type no number") << QByteArray(R"({"USR_TIPOMOV": ["1", "1; --"]})") << "USR_TIPOMOV[1]"
                                                 << "\"1; --\"";
        QTest::newRow("movement type as number") << QByteArray(R"({"USR_TIPOMOV": [3]})") << "USR_TIPOMOV[0]" << "3";
        QTest::newRow("limit row without caption") << QByteArray(R"({"ADVQ_LIMITI": [{"from": "1"}]})")
                                                  << "ADVQ_LIMITI[0].caption" << "";
        QTest::newRow("limit row bad section") << QByteArray(R"({"ADVQ_SELCONTI": [{"caption": "X", "section": "C"}]})")
                                              << "ADVQ_SELCONTI[0].section" << "\"C\"";
        QTest::newRow("order direction") << QByteArray(R"({"ADVO_ORDINAMENTI": [{"caption": "X", "direction": "UP"}]})")
                                        << "ADVO_ORDINAMENTI[0].direction" << "\"UP\"";
        QTest::newRow("company zero") << QByteArray(R"({"company": 0})") << "company" << "0";
        QTest::newRow("NUL in the account") << QByteArray(R"({"TXT_CONTO": "01\u0000X"})") << "TXT_CONTO" << "U+0000";
        QTest::newRow("line end in a list value")
            << QByteArray(R"({"ADVQ_LIMITI": [{"caption": "Commessa", "list": ["A", "B\r\nC"]}]})")
            << "ADVQ_LIMITI[0].list[1]" << "U+000D";
        QTest::newRow("C1 control in a caption") << QByteArray("{\"ADVO_ORDINAMENTI\": [{\"caption\": \"C.d.C.\u0085\"}]}")
                                                << "ADVO_ORDINAMENTI[0].caption" << "U+0085";
    }
    void refusesFilesThatDescribeNoValidSelection()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, namedKey);
        QFETCH(QString, echoed);
        try {
            quorvane::parseSelection(json);
            QFAIL("the file was accepted");
        } catch (const quorvane::SelectionFileError& e) {
            const QString message = QString::fromStdString(e.what());
            QVERIFY2(message.contains("\"" + namedKey + "\"") && message.contains(echoed), e.what());
        }
    }

    void refusesWhatIsNotJson()
    {
        QVERIFY_THROWS_EXCEPTION(quorvane::SelectionFileError, quorvane::parseSelection("{ \"TXT_CONTO\": "));
        QVERIFY_THROWS_EXCEPTION(quorvane::SelectionFileError, quorvane::parseSelection("[1, 2]"));
        QVERIFY_THROWS_EXCEPTION(quorvane::SelectionFileError, quorvane::loadSelectionFile("/nonexistent/sel.json"));
    }
};

QTEST_GUILESS_MAIN(SelectionFileTest)
#include "test_selection_file.moc"
