// Mutated selection files: the documented examples, their bytes and their values changed at random (fixed
// seed, thousands of cases, bounded in time), each read and prepared as `quorvane sql` prepares it. Every
// case ends in statements the dialect layer translates, or in a refusal that names the key, the grid, the
// company or the host message it is about; never in a crash, a database error or a refusal naming nothing.

#include "LedgerSession.h"
#include "NamedRefusal.h"
#include "SmallDemo.h"

#include "company/CompanySettings.h"
#include "db/SqliteConnection.h"
#include "engine/ExtractionStatements.h"
#include "selection/OfferedRows.h"
#include "selection/SelectionFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <random>

namespace {

constexpr unsigned seed = 20240317;
constexpr int cases = 10000;
constexpr qint64 timeLimitMs = 120000;

// The ```json blocks of the selection file's documentation, and the example file.
std::vector<QByteArray> documentedExamples()
{
    QFile doc(QStringLiteral(SELECTION_FILE_DOC)), example(QStringLiteral(GROUPED_LEDGER_EXAMPLE));
    doc.open(QIODevice::ReadOnly);
    example.open(QIODevice::ReadOnly);
    std::vector<QByteArray> examples{example.readAll()};
    static const QRegularExpression block(QStringLiteral("```json\\n(.*?)```"),
                                          QRegularExpression::DotMatchesEverythingOption);
    for (const QRegularExpressionMatch& m : block.globalMatch(QString::fromUtf8(doc.readAll())))
        examples.push_back(m.captured(1).toUtf8());
    return examples;
}

const std::vector<QByteArray> fragments{
    "'", "''", "\"", "\\\"", "--", "/*", "*/", ";", "%", "_", "[", "]", "|", ",", ":", "{", "}", "[]", "{}", "null",
    "true", "-1", "1e308", "0.5", "99999999999", "\\u0000", "\\n", "\\u0085", "CO5L_CI12.", "ci12_sede_cg31",
    "x' OR 1=1 --", "città", "Ελλάδα", "日本", "\xF0\x9F\x98\x80", "\xC3", "\xFF"};

QJsonValue hostileValue(std::mt19937& random)
{
    const QJsonValue values[] = {QString(), QStringLiteral("'"), QStringLiteral("x' OR 1=1 --"),
                                 QString(QChar(0)) + "01", QStringLiteral("a\tb"), 1e308, -1, 0.5, 99999999999.0,
                                 true, QJsonValue(), QJsonArray(), QJsonObject(), QJsonArray{"1", "x"},
                                 QJsonArray{QJsonObject{{"caption", "C.d.C."}, {"group", true}},
                                            QJsonObject{{"caption", "C.d.C."}, {"group", true}}},
                                 QJsonArray{QJsonObject{{"caption", "Descr. causale"}, {"from", "%_['--"}}},
                                 QStringLiteral("Ελλάδα/日本"), QString(5000, QLatin1Char('9')), 2024, 7,
                                 QStringLiteral("0101001"), QStringLiteral("2024-02-30")};
    return values[random() % std::size(values)];
}

// A value somewhere in the object (top level, or a field of a grid row) replaced, removed or added.
QByteArray mutateValues(const QJsonObject& example, const QStringList& keys, std::mt19937& random)
{
    QJsonObject o = example;
    const QString key = keys[int(random() % keys.size())];
    switch (random() % 4) {
    case 0: o.remove(key); break;
    case 1: o[key] = hostileValue(random); break;
    case 2: {
        QJsonArray rows = o.value(key).toArray();
        QJsonObject row = rows.isEmpty() ? QJsonObject{{"caption", "Commessa"}} : rows[0].toObject();
        const char* fields[] = {"caption", "from", "to", "list", "section", "group", "period", "direction"};
        row[QLatin1String(fields[random() % std::size(fields)])] = hostileValue(random);
        rows.append(row);
        o[key] = rows;
        break;
    }
    default: o[key] = o.value(keys[int(random() % keys.size())]); break;
    }
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

// Bytes deleted, repeated, replaced or cut, or a fragment of JSON or SQL put in.
QByteArray mutateBytes(QByteArray text, std::mt19937& random)
{
    for (int edits = 1 + int(random() % 3); edits > 0 && !text.isEmpty(); --edits) {
        const qsizetype at = qsizetype(random() % text.size());
        const qsizetype span = std::min<qsizetype>(text.size() - at, 1 + qsizetype(random() % 8));
        switch (random() % 5) {
        case 0: text.remove(at, span); break;
        case 1: text.insert(at, text.mid(at, span)); break;
        case 2: text.insert(at, fragments[random() % fragments.size()]); break;
        case 3: text[at] = char(random() % 256); break;
        default: text.truncate(at); break;
        }
    }
    return text;
}

} // namespace

class FuzzSelectionFiles : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void everyMutatedFileIsProcessedOrRefusedByName()
    {
        const std::shared_ptr<db::Connection> connection = openSmallDemo(dir_);

        const std::vector<QByteArray> examples = documentedExamples();
        QVERIFY(examples.size() > 10);
        QStringList keys;
        for (const QByteArray& example : examples)
            for (const QString& key : QJsonDocument::fromJson(example).object().keys())
                if (!keys.contains(key))
                    keys << key;

        std::mt19937 random(seed);
        QElapsedTimer clock;
        clock.start();
        std::map<std::string, int> outcomes;
        int done = 0;
        for (; done < cases && clock.elapsed() < timeLimitMs; ++done) {
            const QByteArray& example = examples[random() % examples.size()];
            QByteArray text = example;
            for (int edits = 1 + int(random() % 3); edits > 0; --edits)
                text = random() % 4 == 0 ? mutateBytes(text, random)
                                         : mutateValues(QJsonDocument::fromJson(text).object(), keys, random);
            LedgerSession session;
            session.connection = connection;
            QString refusal;
            try {
                session.request.selection = quorvane::parseSelection(text);
                prepareLedgerSession(session, std::nullopt);
                const quorvane::ExtractionStatements statements = quorvane::buildExtractionStatements(session.request);
                dynamic_cast<db::SqliteConnection&>(*session.connection).explain(statements.extraction);
                ++outcomes["translated"];
            } catch (const quorvane::SelectionFileError& e) {
                refusal = e.what(), ++outcomes["refused by the file's reading"];
            } catch (const quorvane::GridRowError& e) {
                refusal = e.what(), ++outcomes["refused by the grids' offer"];
            } catch (const company::UnknownCompany& e) {
                refusal = e.what(), ++outcomes["refused: no such company"];
            } catch (const CommandFailure& e) {
                refusal = e.what(), ++outcomes["refused before processing (grids, check)"];
            } catch (const std::invalid_argument& e) {
                refusal = e.what(), ++outcomes["refused by the statements"];
            } catch (const std::exception& e) {
                QFAIL(qPrintable(QStringLiteral("%1 for %2").arg(e.what(), QString::fromUtf8(text))));
            }
            QVERIFY2(refusal.isEmpty() || namesItsSubject(refusal),
                     qPrintable(QStringLiteral("a refusal naming nothing: %1 for %2")
                                    .arg(refusal, QString::fromUtf8(text))));
        }
        qInfo("%d mutated selection files in %lld ms (seed %u)", done, clock.elapsed(), seed);
        for (const auto& [outcome, count] : outcomes)
            qInfo("  %5d %s", count, outcome.c_str());
        QVERIFY(done >= 2000);
        QVERIFY(outcomes["translated"] > 100);
    }
};

QTEST_GUILESS_MAIN(FuzzSelectionFiles)
#include "fuzz_selection_files.moc"
