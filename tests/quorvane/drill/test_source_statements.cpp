// The statements that ask where a movement came from, as the server receives them, character for character:
// the company written as a number, the registration number between quotes with its own quotes doubled.

#include "drill/SourceStatements.h"

#include <QtTest>

using namespace quorvane::drill;

class SourceStatementsTest : public QObject {
    Q_OBJECT
private slots:
    void eachStatementIsWrittenAsTheServerReadsIt_data();
    void eachStatementIsWrittenAsTheServerReadsIt();
};

void SourceStatementsTest::eachStatementIsWrittenAsTheServerReadsIt_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("expected");
    const int company = 3;
    const std::string number = "20'24";
    QTest::newRow("the movement still exists")
        << QString::fromStdString(movementExistsStatement(company, number))
        << "SELECT CI12_DITTA_CG18 FROM CI12_MOVTESTATA WHERE CI12_DITTA_CG18 = 3 AND CI12_NUMREG_CO99 = '20''24'";
    QTest::newRow("its journal entry")
        << QString::fromStdString(linkedJournalEntryStatement(company, number))
        << " SELECT\r\n   CG41_CODICE_CG33\r\n FROM\r\n   CG41_PRIMANOTA\r\n WHERE\r\n   CG41_DITTA_CG18 = 3\r\n"
           "   AND CG41_NUMREG = '20''24'";
    QTest::newRow("its document")
        << QString::fromStdString(linkedDocumentStatement(company, number))
        << " SELECT\r\n   DO11_DOCUM_MG36\r\n FROM\r\n   DO11_DOCTESTATA\r\n WHERE\r\n   DO11_DITTA_CG18 = 3\r\n"
           "   AND DO11_NUMREG_CO99 = '20''24'";
    QTest::newRow("its journal entry printed")
        << QString::fromStdString(journalEntryPrintedStatement(company, number))
        << "SELECT  ISNULL((SELECT TOP 1 CG41_FLGSTPIVA FROM CG41_PRIMANOTA WITH (NOLOCK)  WHERE CG41_DITTA_CG18 = 3"
           " AND CG41_NUMREG = '20''24')  ,0) AS WK_FLGSTPIVA,  ISNULL((SELECT TOP 1 1 FROM CG42_MOVCONT WITH (NOLOCK) "
           " WHERE CG42_DITTA_CG18 = 3 AND CG42_NUMREG_CG41 = '20''24' AND CG42_FLGSTPGIOR = 1)   ,0) AS WK_FLGSTPGIOR ";
    QTest::newRow("the journal-entry program's filter")
        << QString::fromStdString(journalEntryFilter(company, number)) << "CG41_DITTA_CG18 = 3 AND CG41_NUMREG = '20''24'";
}

void SourceStatementsTest::eachStatementIsWrittenAsTheServerReadsIt()
{
    QFETCH(QString, statement);
    QFETCH(QString, expected);
    QCOMPARE(statement, expected);
}

QTEST_MAIN(SourceStatementsTest)
#include "test_source_statements.moc"
