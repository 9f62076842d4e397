// Texts compare as the default collation of an Italian SQL Server installation (Latin1_General_CI_AS):
// lookups and joins on code columns find their rows through the indexes, and grouping, DISTINCT and
// ordering treat "Rossi", "ROSSI " and "rossi" as one text while keeping "Rössi" apart.
#include "TsqlDatabase.h"

#include "tsql/Collation.h"

#include <QtTest>

class TsqlCollation : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TsqlDatabase> db_;

    // How SQLite means to run a query: the detail lines of its plan, joined.
    QString plan(const std::string& tsql)
    {
        QStringList steps;
        for (const auto& row : db_->execute("EXPLAIN QUERY PLAN " + db_->dialect().translate(tsql)->steps.back().sql))
            steps << QString::fromStdString(row.back());
        return steps.join("; ");
    }

private slots:
    void initTestCase()
    {
        db_ = std::make_unique<TsqlDatabase>();
        db_->run("CREATE TABLE CLIENTI (CODICE NVARCHAR(10) NOT NULL PRIMARY KEY, NOME NVARCHAR(30))\n"
                 "CREATE TABLE MOVIMENTI (NUMREG NVARCHAR(10) NOT NULL, CLIENTE NVARCHAR(10) NULL, IMPORTO DECIMAL(18, 2))\n"
                 "CREATE INDEX IX_MOVIMENTI_CLIENTE ON MOVIMENTI (CLIENTE)");
        db_->run("INSERT INTO CLIENTI (CODICE, NOME) VALUES ('C01', 'Rossi'), ('c02', 'ROSSI '), ('C03', 'rossi'),"
                 " ('C04', N'Rössi'), ('C05', 'Bianchi'), ('C06', N'àrgento'), ('C07', 'Azzurri')");
        db_->run("INSERT INTO MOVIMENTI (NUMREG, CLIENTE, IMPORTO) VALUES ('1', 'c01', 10), ('2', 'C02 ', 5), ('3', 'C05', 1)");
    }

    void findsCodesWhateverTheirCaseAndTrailingBlanks()
    {
        QCOMPARE(joinedRows(db_->run("SELECT NOME FROM CLIENTI WHERE CODICE = 'c01  '")), QString("Rossi"));
        QCOMPARE(joinedRows(db_->run("SELECT C.NOME, M.NUMREG FROM MOVIMENTI M JOIN CLIENTI C ON C.CODICE = M.CLIENTE "
                                     "ORDER BY M.NUMREG")),
                 QString("Rossi,1;ROSSI ,2;Bianchi,3"));
    }

    void lookupsAndJoinsUseTheIndexes()
    {
        QVERIFY2(plan("SELECT NOME FROM CLIENTI WHERE CODICE = 'c01'").contains("USING INDEX"),
                 qPrintable(plan("SELECT NOME FROM CLIENTI WHERE CODICE = 'c01'")));
        QString join = plan("SELECT C.NOME FROM CLIENTI C JOIN MOVIMENTI M ON M.CLIENTE = C.CODICE WHERE C.CODICE = 'C05'");
        QVERIFY2(join.count("USING") == 2 && !join.contains("SCAN"), qPrintable(join));
        QString like = plan("SELECT NUMREG FROM MOVIMENTI WHERE CLIENTE LIKE 'c0%'");
        QVERIFY2(like.contains("USING INDEX IX_MOVIMENTI_CLIENTE (CLIENTE>? AND CLIENTE<?)"), qPrintable(like));
        QCOMPARE(joinedRows(db_->run("SELECT NUMREG FROM MOVIMENTI WHERE CLIENTE LIKE 'c0%' ORDER BY NUMREG")),
                 QString("1;2;3"));
    }

    void groupsAndDistinctTreatCaseVariantsAsOneText()
    {
        QCOMPARE(joinedRows(db_->run("SELECT COUNT(*) FROM CLIENTI WHERE NOME LIKE 'R%' GROUP BY NOME ORDER BY COUNT(*)")),
                 QString("1;3"));
        QCOMPARE(db_->value("SELECT COUNT(DISTINCT NOME) FROM CLIENTI"), std::string("5"));
        QCOMPARE(db_->value("SELECT COUNT(*) FROM (SELECT DISTINCT UPPER(NOME) AS N FROM CLIENTI) AS D"), std::string("5"));
    }

    // A letter sorts without regard to case; an accented one right after its plain letter.
    void ordersLettersAsTheCollationDoes()
    {
        QCOMPARE(joinedRows(db_->run("SELECT CODICE FROM CLIENTI WHERE CODICE IN ('C05', 'C06', 'C07', 'C04') ORDER BY NOME")),
                 QString("C06;C07;C05;C04"));
        QCOMPARE(db_->value("SELECT COUNT(*) FROM CLIENTI WHERE NOME = (SELECT MAX(NOME) FROM CLIENTI WHERE NOME <> N'Rössi')"),
                 std::string("3"));
    }

    void temporaryTablesKeepTheCollation()
    {
        db_->run("SELECT CODICE, NOME INTO #SCELTI FROM CLIENTI WHERE NOME LIKE 'r%'");
        QCOMPARE(db_->value("SELECT COUNT(*) FROM #SCELTI WHERE NOME = 'ROSSI'"), std::string("3"));
    }

    void comparesTexts_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("order");
        QTest::newRow("case") << "Rossi" << "ROSSI" << 0;
        QTest::newRow("trailing blanks") << "Rossi  " << "Rossi" << 0;
        QTest::newRow("leading blanks count") << " Rossi" << "Rossi" << -1;
        QTest::newRow("accented after its plain letter") << "a" << "à" << -1;
        QTest::newRow("accented before the next letter") << "àz" << "b" << -1;
        QTest::newRow("accented capital") << "È" << "è" << 0;
        QTest::newRow("hyphen only breaks a tie") << "co-op" << "cop" << -1;
        QTest::newRow("hyphen against none") << "coop" << "co-op" << 1;
        QTest::newRow("digits before letters") << "9" << "a" << -1;
        QTest::newRow("symbols before digits") << "_1" << "01" << -1;
    }

    void comparesTexts()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, order);
        int result = tsql::compareText(a.toStdString(), b.toStdString());
        QCOMPARE((result > 0) - (result < 0), order);
        int reverse = tsql::compareText(b.toStdString(), a.toStdString());
        QCOMPARE((reverse > 0) - (reverse < 0), -order);
    }
};

QTEST_GUILESS_MAIN(TsqlCollation)
#include "test_TsqlCollation.moc"
