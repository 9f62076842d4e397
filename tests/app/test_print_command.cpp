// quorvane print as a user runs it, against quorvane run of the same selection: every group footer and the
// grand total read back from the PDF equal the tree's and the selection's totals, in the tree's order, for
// the demo's three-level grouped ledger, competence months and the current group (every grouping and period
// on its own is the business of test_every_output_sums_as_the_database); --dump shows the texts, and a print
// that cannot be written ends with status 4.

#include <poppler-qt6.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Outcome {
    int status = -1;
    QString out, err;
};

Outcome quorvane(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(QUORVANE_EXECUTABLE), args);
    if (!process.waitForFinished(120000))
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

using Totals = QList<qint64>;   // debit, credit, balance in cents, and the quantity in hundredths when shown

qint64 cents(QString printed)
{
    printed.remove(QLatin1Char('.')).replace(QLatin1Char(','), QLatin1Char('.'));
    return qRound64(printed.toDouble() * 100);
}

// The totals lines of the PDF in print order: the group footers ("Tot. per …"), then "Totale generale".
QList<Totals> printedTotals(const QString& pdf)
{
    static const QRegularExpression line(QStringLiteral(R"(^\s*(?:Tot\. per .*?|Totale generale)\s+(-?[\d.]+,\d+)\s+)"
                                                        R"((-?[\d.]+,\d+)\s+(-?[\d.]+,\d+)(?:\s+(-?[\d.]+,\d+))?\s*$)"),
                                         QRegularExpression::MultilineOption);
    QList<Totals> found;
    const std::unique_ptr<Poppler::Document> document = Poppler::Document::load(pdf);
    for (int i = 0; document && i < document->numPages(); ++i)
        for (auto it = line.globalMatch(document->page(i)->text(QRectF())); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            Totals t{cents(m.captured(1)), cents(m.captured(2)), cents(m.captured(3))};
            if (m.capturedLength(4))
                t.append(cents(m.captured(4)));
            found.append(t);
        }
    return found;
}

Totals totalsOf(const QJsonObject& sums, bool quantities)
{
    Totals t;
    for (const char* key : {"DARE", "AVERE", "SALDO", "QUANTITA"})
        if (quantities || QLatin1String(key) != QLatin1String("QUANTITA"))
            t.append(qRound64(sums.value(QLatin1String(key)).toDouble() * 100));
    return t;
}

// The footers the print must show: each group after the groups inside it, in the tree's order; printing one
// group, its subtree and then its ancestors, which hold only its lines; and last the grand total.
QList<Totals> expectedTotals(const QJsonObject& run, const QString& group, bool quantities)
{
    QMultiMap<QString, QJsonObject> children;
    QMap<QString, QJsonObject> byKey;
    QStringList order;
    for (const QJsonValue v : run.value(QStringLiteral("tree")).toArray()) {
        const QJsonObject node = v.toObject();
        byKey.insert(node.value(QStringLiteral("key")).toString(), node);
        order.append(node.value(QStringLiteral("key")).toString());
    }
    QList<Totals> expected;
    std::function<void(const QString&)> afterChildren = [&](const QString& key) {
        for (const QString& k : order)
            if (byKey[k].value(QStringLiteral("parent")).toString() == key)
                afterChildren(k);
        expected.append(totalsOf(byKey[key], quantities));
    };
    if (group.isEmpty()) {
        afterChildren(QString());
        expected.removeLast();   // the tree has no node for the whole selection
        expected.append(totalsOf(run.value(QStringLiteral("totals")).toObject(), quantities));
        return expected;
    }
    afterChildren(group);
    for (QString up = byKey[group].value(QStringLiteral("parent")).toString(); !up.isEmpty();
         up = byKey[up].value(QStringLiteral("parent")).toString())
        expected.append(expected.last());
    expected.append(expected.last());
    return expected;
}

const char* const competence = R"({"company": 1, "TXT_CONTO": "01", "CHK_QUANTITA": "1", "CHK_PERIODOCOMP": "1",
    "CBO_MESELI": "11", "TXT_ANNOLI": 2023, "CBO_MESELS": "12", "TXT_ANNOLS": 2024,
    "ADVO_ORDINAMENTI": [{"caption": "C.d.C.", "group": true}, {"caption": "Data doc.", "group": true, "period": 3}]})";

const char* const customersAndSuppliers = R"({"company": 1, "TXT_CONTO": "01",
    "ADVO_ORDINAMENTI": [{"caption": "Codice cliente", "group": true},
                         {"caption": "Codice fornitore", "group": true, "direction": "DESC"}]})";

} // namespace

class PrintCommandTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(quorvane({QStringLiteral("demo-db"), db(), QStringLiteral("--lines"), QStringLiteral("700")}).status == 0);
    }
    void thePrintedTotalsAreTheTreesTotals_data();
    void thePrintedTotalsAreTheTreesTotals();
    void theDumpShowsWhatThePrintWrites();
    void aPrintThatCannotBeWrittenEndsWithStatusFour();

private:
    QString db() const { return dir_.filePath(QStringLiteral("demo.db")); }
    QString selection(const QString& json) const
    {
        QFile file(dir_.filePath(QStringLiteral("selection.json")));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(json.toUtf8());
        return file.fileName();
    }

    QTemporaryDir dir_;
};

void PrintCommandTest::thePrintedTotalsAreTheTreesTotals_data()
{
    QTest::addColumn<QString>("json");
    QTest::addColumn<QString>("group");
    QFile example(QStringLiteral(GROUPED_LEDGER_EXAMPLE));
    QVERIFY(example.open(QIODevice::ReadOnly));
    const QString grouped = QString::fromUtf8(example.readAll());
    QTest::newRow("the demo's grouped ledger") << grouped << QString();
    QTest::newRow("competence months") << QString::fromLatin1(competence) << QString();
    QTest::newRow("the current group: a month of a cost centre") << grouped << QStringLiteral("*2");
}

void PrintCommandTest::thePrintedTotalsAreTheTreesTotals()
{
    QFETCH(QString, json);
    QFETCH(QString, group);
    const QString file = selection(json), pdf = dir_.filePath(QStringLiteral("ledger.pdf"));
    const Outcome run = quorvane({QStringLiteral("run"), QStringLiteral("--db"), db(), QStringLiteral("--selection"), file});
    QCOMPARE(run.status, 0);
    QStringList print{QStringLiteral("print"), QStringLiteral("--db"), db(), QStringLiteral("--selection"), file,
                      QStringLiteral("--pdf"), pdf};
    if (!group.isEmpty())
        print << QStringLiteral("--group") << group;
    const Outcome printed = quorvane(print);
    QVERIFY2(printed.status == 0, qPrintable(printed.err));
    const QJsonObject ledger = QJsonDocument::fromJson(run.out.toUtf8()).object();
    QVERIFY(ledger.value(QStringLiteral("rows")).toInt() > 0);
    QCOMPARE(printedTotals(pdf), expectedTotals(ledger, group, json.contains(QLatin1String("\"CHK_QUANTITA\": \"1\""))));
}

void PrintCommandTest::theDumpShowsWhatThePrintWrites()
{
    const Outcome dump = quorvane({QStringLiteral("print"), QStringLiteral("--db"), db(), QStringLiteral("--selection"),
                                   selection(QString::fromLatin1(customersAndSuppliers)), QStringLiteral("--dump")});
    QCOMPARE(dump.status, 0);
    const QJsonObject texts = QJsonDocument::fromJson(dump.out.toUtf8()).object();
    QCOMPARE(texts.value(QStringLiteral("reportFile")).toString(), QStringLiteral("CRCI_QUORVANE_XR.rpt"));
    QVERIFY(texts.value(QStringLiteral("sql")).toString().startsWith(QLatin1String(" SELECT \r\n")));
    const QJsonObject formulas = texts.value(QStringLiteral("formulas")).toObject();
    QCOMPARE(formulas.value(QStringLiteral("RAGGRUPPAMENTO9")).toString(), QStringLiteral("( {@numCodiceCliente} )"));
    QCOMPARE(formulas.value(QStringLiteral("RAGGRUPPAMENTO10")).toString(), QStringLiteral("( {@numCodiceFornitore} )"));
    const QJsonObject areas = texts.value(QStringLiteral("areas")).toObject();
    QCOMPARE(areas.value(QStringLiteral("GH10")).toObject().value(QStringLiteral("sortDirection")).toInt(), 1);
    QCOMPARE(areas.value(QStringLiteral("GH9")).toObject().value(QStringLiteral("hideForDrillDown")).toBool(), true);
    const QJsonObject parameters = texts.value(QStringLiteral("parameters")).toObject();
    QCOMPARE(parameters.value(QStringLiteral("DADATACOMP")).toString(), QDate::currentDate().toString(Qt::ISODate));
    QCOMPARE(parameters.value(QStringLiteral("PSCONTOVDS")).toString(), QStringLiteral("01 - Stabilimento di Monza"));
    QCOMPARE(parameters.value(QStringLiteral("FILTROIMPORTIQTA")).toBool(), false);
}

void PrintCommandTest::aPrintThatCannotBeWrittenEndsWithStatusFour()
{
    const Outcome failed = quorvane({QStringLiteral("print"), QStringLiteral("--db"), db(), QStringLiteral("--selection"),
                                     selection(QString::fromLatin1(customersAndSuppliers)), QStringLiteral("--pdf"),
                                     dir_.filePath(QStringLiteral("no/such/folder/ledger.pdf"))});
    QCOMPARE(failed.status, 4);
    QVERIFY2(failed.err.contains(QLatin1String("Errore generato internamente alla classe report (invocazione metodo OpenReport)")),
             qPrintable(failed.err));
}

QTEST_GUILESS_MAIN(PrintCommandTest)
#include "test_print_command.moc"
