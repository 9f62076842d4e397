// Random token streams and mutated statements: every text must give a translation or a tsql::Error, and
// never crash, overflow the stack or touch memory it does not own (this test runs under the sanitizers).
#include "TsqlDatabase.h"

#include <QtTest>

#include <random>

namespace {

const std::vector<std::string> seedStatements{
    "SELECT IDENTITY( INT,1,1) AS ID, M.DITTA, M.CONTO, ISNULL(A.COGNOME,'') + ' ' + ISNULL(A.NOME,'') AS NOME\r\n"
    " INTO  #MOVIMENTI FROM MOV M WITH (NOLOCK) LEFT OUTER JOIN ANAG A WITH(NOLOCK) ON A.CODICE = M.DITTA\r\n"
    " CROSS APPLY FNCONTO(M.DITTA, M.CONTO) AS CONTO OUTER APPLY DBO.FNCONTO(1, NULL) AS X\r\n"
    " WHERE M.DITTA = 1 AND M.DATAREG BETWEEN '20240101' AND '20241231' AND M.CONTO LIKE 'C%'",
    "SELECT CASE WHEN DATEPART(WEEK, DATAREG) > 52 THEN 1 ELSE 0 END, ROUND(IMPORTO * CAST(14 AS DECIMAL(13, 2)) / 31, 2)"
    " FROM MOV WHERE NOT (IMPORTO IN (1, 2.5, '3')) ORDER BY 1 DESC",
    "SELECT (SELECT TOP 1 1 FROM MOV WHERE DITTA = 1) AS X, (SELECT COUNT(*) FROM ANAG) AS Y",
    "SELECT D.K, SUM(D.I) FROM (SELECT DITTA AS K, IMPORTO AS I FROM MOV) AS D GROUP BY D.K HAVING SUM(D.I) > 0",
    "CREATE TABLE T1 (A INT NOT NULL PRIMARY KEY, B NVARCHAR(MAX) NULL, C DECIMAL(18,2) DEFAULT 0)",
    "INSERT INTO ANAG (CODICE, COGNOME) VALUES (1, N'x'), (2, NULL)",
    "CREATE FUNCTION FN2(@a INT) RETURNS TABLE AS RETURN (SELECT CODICE FROM ANAG WHERE CODICE = @a)",
    "CREATE VIEW V2 AS SELECT CODICE, COGNOME + '/' AS C FROM ANAG",
    "DROP TABLE #MOVIMENTI",
};

const std::vector<std::string> vocabulary{
    "SELECT", "FROM", "WHERE", "AND", "OR", "NOT", "IN", "IS", "NULL", "LIKE", "BETWEEN", "CASE", "WHEN", "THEN",
    "ELSE", "END", "AS", "ON", "JOIN", "LEFT", "OUTER", "INNER", "CROSS", "APPLY", "GROUP", "BY", "ORDER", "TOP",
    "INTO", "EXISTS", "CAST", "CONVERT", "ISNULL", "DATEPART", "DATEDIFF", "DATEADD", "ROUND", "SUM", "COUNT",
    "IDENTITY", "WITH", "(NOLOCK)", "CREATE", "TABLE", "VIEW", "FUNCTION", "RETURNS", "RETURN", "INSERT", "VALUES",
    "DROP", "UNION", "MOV", "ANAG", "FNCONTO", "DITTA", "CONTO", "IMPORTO", "DATAREG", "CODICE", "M", "A", "#T",
    "@p", "[x]", "\"y\"", "1", "0", "2.5", "1E3", "'20240101'", "N'x'", "''", "'a''b'", "(", ")", ",", ".", ";",
    "+", "-", "*", "/", "%", "=", "<>", "!=", "<", ">", "<=", ">=", "INT", "NVARCHAR(10)", "DECIMAL(13, 2)",
    "WEEK", "dd", "--c\n", "/*", "*/", "\r\n", "GO", "]", "'", "\"", "#", "@", "!",
};

std::string randomTokens(std::mt19937& random)
{
    std::uniform_int_distribution<size_t> length(1, 40), pick(0, vocabulary.size() - 1);
    std::string text;
    for (size_t i = length(random); i > 0; --i)
        text += vocabulary[pick(random)] + " ";
    return text;
}

// Deletes, duplicates, swaps or replaces characters and whole tokens of a seed statement.
std::string mutate(std::string text, std::mt19937& random)
{
    std::uniform_int_distribution<int> edits(1, 4), kind(0, 4);
    std::uniform_int_distribution<size_t> pick(0, vocabulary.size() - 1);
    for (int i = edits(random); i > 0 && !text.empty(); --i) {
        std::uniform_int_distribution<size_t> at(0, text.size() - 1);
        size_t pos = at(random);
        size_t span = std::min<size_t>(text.size() - pos, 1 + at(random) % 12);
        switch (kind(random)) {
        case 0:
            text.erase(pos, span);
            break;
        case 1:
            text.insert(pos, text.substr(pos, span));
            break;
        case 2:
            text.insert(pos, " " + vocabulary[pick(random)] + " ");
            break;
        case 3:
            text[pos] = static_cast<char>(random() % 256);
            break;
        default:
            text = text.substr(0, pos);
            break;
        }
    }
    return text;
}

}  // namespace

class FuzzTsqlTranslate : public QObject {
    Q_OBJECT

private slots:
    void everyTextTranslatesOrFailsCleanly()
    {
        TsqlDatabase db;
        db.run("CREATE TABLE MOV (DITTA INT, CONTO NVARCHAR(20), IMPORTO DECIMAL(18, 2), DATAREG DATETIME)");
        db.run("CREATE TABLE ANAG (CODICE INT, COGNOME NVARCHAR(30), NOME NVARCHAR(30))");
        db.run("CREATE FUNCTION FNCONTO(@ditta INT, @conto NVARCHAR(20)) RETURNS TABLE AS RETURN "
               "(SELECT COGNOME AS DESCR FROM ANAG WHERE CODICE = @ditta AND COGNOME = @conto)");
        std::mt19937 random(20240101);
        int translated = 0, refused = 0;
        for (int i = 0; i < 12000; ++i) {
            std::string text = i % 2 ? randomTokens(random) : mutate(seedStatements[i / 2 % seedStatements.size()], random);
            try {
                db.dialect().translate(text);
                ++translated;
            } catch (const tsql::Error& error) {
                QVERIFY2(error.line() >= 1 && error.column() >= 1, error.what());
                ++refused;
            } catch (const std::exception& other) {
                QFAIL(qPrintable(QString("not a tsql::Error for <%1>: %2").arg(QString::fromStdString(text), other.what())));
            }
        }
        qInfo("12000 texts (seed 20240101): %d translated, %d refused with their position", translated, refused);
        QVERIFY(translated > 0);
        QVERIFY(refused > 0);
    }

    // What is too deep for the engine is refused by name before anything runs; what fits runs on SQLite.
    void tooDeepIsRefusedByNameAndWhatFitsRuns_data()
    {
        QTest::addColumn<std::string>("expression");
        QTest::addColumn<QString>("refusal");   // empty: the value is 500
        const auto chain = [](int terms, const std::string& term, const std::string& op) {
            std::string text = term;
            for (int i = 1; i < terms; ++i)
                text += op + term;
            return text;
        };
        QTest::newRow("parentheses 5,000 deep") << std::string(5000, '(') + "1" + std::string(5000, ')')
                                                << "nested too deeply";
        QTest::newRow("sum of 50,000") << chain(50000, "1", " + ") << "more than 500 operands joined by + and -";
        QTest::newRow("product of 20,000") << chain(20000, "1", " * ") << "operands joined by *, / and %";
        QTest::newRow("OR of 50,000") << "CASE WHEN " + chain(50000, "1 = 0", " OR ") + " THEN 1 END"
                                      << "more than 500 operands joined by OR";
        QTest::newRow("AND of 20,000 in sums") << "CASE WHEN " + chain(20000, "(1 + 1 = 2)", " AND ") + " THEN 1 END"
                                               << "operands joined by";
        QTest::newRow("decimal sum of 40") << chain(40, "CAST(12.5 AS DECIMAL(10, 2))", " + ")
                                           << "nest past what SQLite's parser holds";
        QTest::newRow("CASE 30 deep") << chain(30, "CASE WHEN 1 = 1 THEN ", "") + "1" + chain(30, " END", "")
                                      << "nest past what SQLite's parser holds";
        QTest::newRow("decimal sum of 20") << chain(20, "CAST(25 AS DECIMAL(10, 2))", " + ") << QString();
        QTest::newRow("sum of 500") << chain(500, "1", " + ") << QString();
        QTest::newRow("OR of 500") << "CASE WHEN " + chain(499, "1 = 0", " OR ") + " OR 1 = 1 THEN 500 END"
                                   << QString();
    }
    void tooDeepIsRefusedByNameAndWhatFitsRuns()
    {
        QFETCH(std::string, expression);
        QFETCH(QString, refusal);
        TsqlDatabase db;
        try {
            const std::string value = db.value("SELECT " + expression + " AS X");
            QVERIFY2(refusal.isEmpty(), qPrintable(refusal));
            QCOMPARE(std::stod(value), 500.0);
        } catch (const tsql::Error& e) {
            QVERIFY2(!refusal.isEmpty() && QString(e.what()).contains(refusal), e.what());
        }
    }
};

QTEST_GUILESS_MAIN(FuzzTsqlTranslate)
#include "fuzz_tsql_translate.moc"
