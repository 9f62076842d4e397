// Typed or stored text never changes a statement's shape. Every path by which text reaches a statement is given
// thousands of generated values (quotes, comment and statement marks, wildcards, brackets, very long and
// non-Latin texts; fixed seed) and runs its real steps on a demo company database. Each statement it sends
// has, token for token, the shape the same path gives a plain value, with only the literals' texts differing,
// and runs without error; or the value is refused before, by a message naming what it is about.

#include "LedgerSession.h"
#include "NamedRefusal.h"
#include "RecordingConnection.h"
#include "SmallDemo.h"

#include "display/TraceButtons.h"
#include "drill/SourceChecks.h"
#include "engine/BreakKeys.h"
#include "engine/MovementExtraction.h"
#include "print/GroupCondition.h"
#include "print/ReportStatement.h"
#include "selection/SelectionFile.h"
#include "tsql/Lexer.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <random>

namespace {

constexpr unsigned seed = 20240318;
constexpr int valuesPerPath = 600;
constexpr int company = 1;

// A statement's shape: its tokens, every text or number literal reduced to its kind.
std::string shapeOf(const std::string& statement)
{
    std::string shape;
    for (const tsql::Token& token : tsql::tokenize(statement)) {
        switch (token.kind) {
        case tsql::TokenKind::String: case tsql::TokenKind::NString: shape += "'' "; break;
        default: shape += std::to_string(int(token.kind)) + ":" + token.text + " "; break;
        }
    }
    return shape;
}

// Pieces that mean something to a statement, a filter or a pattern, in one text of 1 to 6 of them, now and
// then repeated into a very long text. A text of blanks alone is no value at all: it ends in a letter then.
std::string generatedValue(std::mt19937& random)
{
    static const std::vector<std::string> pieces{
        "'", "''", "--", "/*", "*/", ";", "%", "_", "[", "]", "[^a]", "N'", "\"", "|", "\\", " OR 1=1", "x",
        "CO5L_CI12.", "ci12_sede_cg31", "DROP TABLE #MOVIMENTI", "città", "Ελλάδα", "日本語", "\xF0\x9F\x98\x80",
        "A", "0", " ", "'; SELECT 1 --", "#", "@p", "{", "}"};
    std::string value;
    for (int n = 1 + int(random() % 6); n > 0; --n)
        value += pieces[random() % pieces.size()];
    if (random() % 20 == 0)
        for (int n = int(random() % 400); n > 0; --n)
            value += pieces[random() % pieces.size()];
    if (value.find_first_not_of(' ') == std::string::npos)
        value += 'x';
    return value;
}

quorvane::SelectionParameters limitRow(const std::string& caption, const std::string& section,
                                       const std::string& from, const std::vector<std::string>& list)
{
    quorvane::SelectionParameters s;
    s.company = company;
    s.CBO_SELCONTOVDS = "2";
    s.ADVQ_LIMITI = {{caption, section, from, "", list}};
    return s;
}

// The path a selection takes when the window or `quorvane run` processes it.
void process(const std::shared_ptr<RecordingConnection>& recorder, quorvane::SelectionParameters selection)
{
    LedgerSession session;
    session.connection = recorder;
    session.request.selection = std::move(selection);
    prepareLedgerSession(session, std::nullopt);
    quorvane::MovementExtraction extraction(*recorder);
    quorvane::NoProgress progress;
    extraction.run(session.request, progress);
}

using Fixture = std::shared_ptr<RecordingConnection>;

// The printed ledger of the current group: a job order stored as the value, its node's tag as the group
// tree writes it (with a part of a consumer's own after "|"), the report's statement over the base tables.
void printCurrentGroup(Fixture& f, const std::string& value)
{
    db::FieldInfo jobOrder;
    jobOrder.name = "CI13_COMMESSA_PD25";
    jobOrder.definedSize = 100000;
    quorvane::ArrayRotture levels(1);
    levels[0].Campo = jobOrder.name;
    levels[0].Valore = db::Value(value);
    quorvane::BreakKeys keys;
    keys.ConfiguraChiavi(levels, db::Recordset::inMemory({jobOrder}));
    const std::string tag = keys.GenerazioneChiave(1, true, levels).filter + "|CI13_COMMESSA_PD25='other'";
    const std::string extraction = "WHERE\r\n   CI12_DITTA_CG18 = " + std::to_string(company) + "\r\n";
    f->Open(quorvane::print::ledgerReportStatement(quorvane::print::currentGroupCondition(extraction, tag), {}, {}));
}

struct TextPath {
    const char* name;
    std::string plain;
    std::function<void(Fixture&, const std::string&)> send;
};

const std::vector<TextPath>& paths()
{
    static const std::vector<TextPath> table{
        {"limits-grid codes", "A",
         [](Fixture& f, const std::string& v) {
             process(f, limitRow("Descr. causale", "A", v, {}));
         }},
        {"limits-grid lists", "A",
         [](Fixture& f, const std::string& v) {
             process(f, limitRow("Descr. agg. testata", "A", "", {v, "x", v}));
         }},
        {"account field", "01",
         [](Fixture& f, const std::string& v) {
             quorvane::SelectionParameters s;
             s.company = company;
             s.TXT_CONTO = v;
             process(f, s);
         }},
        {"selection-file values", "C",
         [](Fixture& f, const std::string& v) {
             const QJsonObject file{{"company", company},
                                    {"CBO_SELCONTOVDS", "2"},
                                    {"ADVQ_LIMITI", QJsonArray{QJsonObject{{"caption", "Commessa"},
                                                                           {"from", QString::fromStdString(v)}}}}};
             process(f, quorvane::parseSelection(QJsonDocument(file).toJson()));
         }},
        {"drill-through registration numbers", "2022000001",
         [](Fixture& f, const std::string& v) {
             quorvane::drill::DatabaseSourceChecks checks(*f, 1);
             std::string reason, key;
             checks.EsisteMovimentoCoIn(company, v);
             checks.EsisteMovimentoCoGeCollegato(company, v, &reason);
             checks.EsisteDocumentoCollegato(company, v, key);
             checks.MovimentoModificabileDaPN(company, v);
             f->Open(quorvane::display::traceButtonsStatement(company, v, "1"));
         }},
        {"report conditions from group filters", "C2021/007", printCurrentGroup},
    };
    return table;
}

// What a path sends for a value: its statements, and its refusal when it refuses the value.
struct Sent {
    std::vector<std::string> statements;
    QString refusal;
};

Sent sendThrough(const TextPath& path, Fixture& fixture, const std::string& value)
{
    fixture->texts.clear();
    Sent sent;
    try {
        path.send(fixture, value);
    } catch (const db::Error&) {
        throw;
    } catch (const std::exception& e) {
        sent.refusal = QString::fromUtf8(e.what());
    }
    sent.statements = fixture->texts;
    return sent;
}

} // namespace

class FuzzStatementShapes : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    Fixture fixture_;

private slots:
    void initTestCase()
    {
        fixture_ = std::make_shared<RecordingConnection>(openSmallDemo(dir_));
    }

    void typedTextKeepsEveryStatementsShape_data()
    {
        QTest::addColumn<int>("path");
        for (std::size_t i = 0; i < paths().size(); ++i)
            QTest::newRow(paths()[i].name) << int(i);
    }
    void typedTextKeepsEveryStatementsShape()
    {
        QFETCH(int, path);
        const TextPath& tested = paths()[std::size_t(path)];
        const Sent plain = sendThrough(tested, fixture_, tested.plain);
        QVERIFY2(plain.refusal.isEmpty(), qPrintable(plain.refusal));
        std::vector<std::string> shapes;
        for (const std::string& statement : plain.statements)
            shapes.push_back(shapeOf(statement));
        std::mt19937 random(seed + unsigned(path));
        QElapsedTimer clock;
        clock.start();
        int refused = 0, statements = 0;
        for (int i = 0; i < valuesPerPath; ++i) {
            const std::string value = generatedValue(random);
            Sent sent;
            try {
                sent = sendThrough(tested, fixture_, value);
            } catch (const db::Error& e) {
                QFAIL(qPrintable(QStringLiteral("<%1> did not run: %2").arg(QString::fromStdString(value), e.what())));
            }
            // A value refused half-way has sent the first statements of the plain value's; one that selects
            // nothing skips the totals at the end.
            QVERIFY2(sent.statements.size() <= shapes.size(), value.c_str());
            for (std::size_t s = 0; s < sent.statements.size(); ++s)
                QVERIFY2(shapeOf(sent.statements[s]) == shapes[s],
                         qPrintable(QStringLiteral("<%1> changed the shape of %2")
                                        .arg(QString::fromStdString(value), QString::fromStdString(sent.statements[s]))));
            QVERIFY2(sent.refusal.isEmpty() || namesItsSubject(sent.refusal), qPrintable(sent.refusal));
            refused += !sent.refusal.isEmpty();
            statements += int(sent.statements.size());
        }
        qInfo("%s: %d values in %lld ms, %d refused by name, %d statements run with the plain value's shape",
              tested.name, valuesPerPath, clock.elapsed(), refused, statements);
    }
};

QTEST_GUILESS_MAIN(FuzzStatementShapes)
#include "fuzz_statement_shapes.moc"
