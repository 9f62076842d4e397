// quorvane print as a user runs it, against quorvane run of the same selection: every group footer and the
// grand total read back from the PDF equal the tree's and the selection's totals, for the demo's grouped
// ledger, competence months, a project's nodes, a site sorted by the project's and the movement's types,
// attributes and the current group (every grouping caption, and stored values the database calls equal, are
// the business of test_every_output_sums_as_the_database); a valued group is described; converted totals
// are the printed ones at the rate, and the quantity carried from page to page is what the page's lines
// print; --dump shows the texts, and a print that cannot be written ends with status 4.

#include <poppler-qt6.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cmath>

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

QString pdfText(const QString& pdf)
{
    QString text;
    const std::unique_ptr<Poppler::Document> document = Poppler::Document::load(pdf);
    for (int i = 0; document && i < document->numPages(); ++i)
        text += document->page(i)->text(QRectF()) + QLatin1Char('\f');
    return text;
}

const QString amounts = QStringLiteral(R"(\s+(-?[\d.]+,\d+)\s+(-?[\d.]+,\d+)\s+(-?[\d.]+,\d+)(?:\s+(-?[\d.]+,\d+))?\s*$)");

// The totals lines of a printed text in print order, those whose caption matches `caption`.
QList<Totals> printedLines(const QString& text, const QString& caption)
{
    const QRegularExpression line(QStringLiteral("^\\s*(?:") + caption + QStringLiteral(")") + amounts,
                                  QRegularExpression::MultilineOption);
    QList<Totals> found;
    for (auto it = line.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        Totals t{cents(m.captured(1)), cents(m.captured(2)), cents(m.captured(3))};
        if (m.capturedLength(4))
            t.append(cents(m.captured(4)));
        found.append(t);
    }
    return found;
}

// The group footers ("Tot. per …"), then "Totale generale".
QList<Totals> printedTotals(const QString& text)
{
    return printedLines(text, QStringLiteral(R"(Tot\. per .*?|Totale generale)"));
}

// Page by page, "A riportare" carries what "Riporto" brought plus the quantities the page's lines print: the
// words of the quantity column (from 269 mm, in points) on the rows that start with a registration date.
void checkCarriedQuantities(const QString& pdf)
{
    constexpr double quantityColumn = 269 * 72 / 25.4;
    static const QRegularExpression date(QStringLiteral(R"(^\d\d/\d\d/\d{4}$)"));
    const std::unique_ptr<Poppler::Document> document = Poppler::Document::load(pdf);
    for (int i = 0; i < document->numPages(); ++i) {
        std::vector<std::unique_ptr<Poppler::TextBox>> words = document->page(i)->textList();
        std::sort(words.begin(), words.end(), [](const auto& a, const auto& b) {
            const QRectF &p = a->boundingBox(), &q = b->boundingBox();
            return std::abs(p.bottom() - q.bottom()) > 2 ? p.bottom() < q.bottom() : p.left() < q.left();
        });
        qint64 expected = 0, carried = 0;
        for (std::size_t first = 0, next = 0; first < words.size(); first = next) {
            QString quantity;
            for (next = first; next < words.size()
                               && std::abs(words[next]->boundingBox().bottom() - words[first]->boundingBox().bottom()) <= 2;
                 ++next)
                if (words[next]->boundingBox().left() >= quantityColumn)
                    quantity = words[next]->text();
            const QString word = words[first]->text();
            if (date.match(word).hasMatch() || word == QLatin1String("Riporto"))
                expected += cents(quantity);
            if (word == QLatin1String("A") && next > first + 1 && words[first + 1]->text() == QLatin1String("riportare"))
                carried = cents(quantity);
        }
        if (carried)
            QCOMPARE(carried, expected);
    }
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

// Company 2 (sites, intercompany codes, attributes) grouped by one caption, sorted by the project's and the
// movement's types (which the print reads from fields of their own) when it groups by neither.
QString groupedBy(const QString& caption)
{
    QString rows = QStringLiteral(R"({"caption": "%1", "group": true})").arg(caption);
    for (const QString sorted : {QStringLiteral("Tipo progetto"), QStringLiteral("Tipo movimento")})
        if (sorted != caption)
            rows += QStringLiteral(R"(, {"caption": "%1"})").arg(sorted);
    return QStringLiteral(R"({"company": 2, "TXT_CONTO": "1", "ADVO_ORDINAMENTI": [%1]})").arg(rows);
}

const char* const projectStructure = R"({"company": 1, "TXT_CONTO": "01", "ADVO_ORDINAMENTI": [
    {"caption": "Progetto", "group": true}, {"caption": "Nodo", "group": true}, {"caption": "Nodo riferimento", "group": true},
    {"caption": "Attività progetto", "group": true}, {"caption": "Spesa progetto", "group": true}]})";

const char* const inDollars = R"({"company": 1, "TXT_CONTO": "01", "TXT_CODICEVALUTA": "USD", "TXT_CAMBIO": 1.0842,
    "TXT_DATACAMBIO": "2024-06-30", "ADVO_ORDINAMENTI": [{"caption": "C.d.C.", "group": true}]})";

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
    QTest::newRow("the current group: lines of no customer") << QString::fromLatin1(customersAndSuppliers) << QStringLiteral("*1");
    QTest::newRow("a project's nodes, activities and expenses") << QString::fromUtf8(projectStructure) << QString();
    QTest::newRow("the current group: a site, the lines' own") << groupedBy(QStringLiteral("Sede")) << QStringLiteral("*1");
    QTest::newRow("the current group: no value of a line attribute")
        << groupedBy(QStringLiteral("Nota tecnica")) << QStringLiteral("*1");
    QTest::newRow("totals converted into dollars") << QString::fromLatin1(inDollars) << QString();
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
    const QString text = pdfText(pdf);
    const QList<Totals> expected = expectedTotals(ledger, group, json.contains(QLatin1String("\"CHK_QUANTITA\": \"1\"")));
    QCOMPARE(printedTotals(text), expected);
    // Only a group without value goes without a description.
    int withoutValue = 0;
    for (const QJsonValue node : ledger.value(QStringLiteral("tree")).toArray())
        withoutValue += node.toObject().value(QStringLiteral("text")).toString().contains(QLatin1String("(nessun valore)"));
    QVERIFY(text.count(QRegularExpression(QStringLiteral(R"(Tot\. per [^\n]*: "")"))) <= withoutValue);
    if (json.contains(QLatin1String("TXT_CAMBIO"))) {
        QList<Totals> converted;
        for (const Totals& t : expected)
            converted.append({qRound64(t[0] * 1.0842), qRound64(t[1] * 1.0842), qRound64(t[2] * 1.0842)});
        QCOMPARE(printedLines(text, QStringLiteral("Controvalore in USD al cambio 1,0842")), converted);
    }
    if (json.contains(QLatin1String("CHK_PERIODOCOMP")))
        checkCarriedQuantities(pdf);
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

    const Outcome byFilter = quorvane({QStringLiteral("print"), QStringLiteral("--db"), db(), QStringLiteral("--selection"),
                                       selection(QStringLiteral(R"({"company": 1, "CBO_SELCONTOVDS": "2", "ADVQ_SELCONTI":
                                           [{"caption": "C.d.C. - Mastro", "from": "01", "to": "02"}]})")),
                                       QStringLiteral("--dump")});
    QCOMPARE(QJsonDocument::fromJson(byFilter.out.toUtf8()).object().value(QStringLiteral("parameters")).toObject()
                 .value(QStringLiteral("PSCONTOVDS")).toString(), QStringLiteral("C.d.C. - Mastro: 01 / 02"));
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
