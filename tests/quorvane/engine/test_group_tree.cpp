// The group tree built from a sorted movement set: which nodes a sequence of rows opens, their keys,
// parents, captions and movement filters, the key table behind them, and the item model a view shows.

#include "MovementSetBuilder.h"

#include "engine/BreakKeys.h"
#include "engine/ChartAccountFormatting.h"
#include "engine/GroupTreeLoader.h"
#include "engine/GroupTreeModel.h"
#include "engine/NodeFilter.h"

#include <QAbstractItemModelTester>
#include <QTest>

namespace {

class RecordingProgress final : public quorvane::GroupTreeProgress {
public:
    void start(long minimum, long maximum, long value) override
    {
        events << QString("start %1 %2 %3").arg(minimum).arg(maximum).arg(value);
    }
    void caption(int textNumber) override { events << QString("caption %1").arg(textNumber); }
    void step(long value) override { lastStep = value; }

    QStringList events;
    long lastStep = 0;
};

quorvane::Rottura level(const std::string& column, const std::string& caption, const std::string& description = {})
{
    quorvane::Rottura r;
    r.Campo = column;
    r.Caption = caption;
    r.CampoDescrizione = description;
    return r;
}

// Builds the tree of the set over the levels, as the display configuration does after sorting.
struct BuiltTree {
    quorvane::ArrayRotture levels;
    quorvane::BreakKeys keys;
    quorvane::GroupTree tree;
    RecordingProgress progress;
    quorvane::ChartAccountFormatting accounts{hostfw::ChartDefinitions({{1, {2, 2, 3}}, {2, {3, 3}}})};

    BuiltTree(db::Recordset& set, quorvane::ArrayRotture l) : levels(std::move(l)) { build(set); }

    void build(db::Recordset& set)
    {
        const quorvane::GroupCaptions captions({"(nessun valore)", accounts, 1, 2});
        keys.ConfiguraChiavi(levels, set);
        tree.clear();
        quorvane::GroupTreeLoader(set, levels, keys, tree, captions, progress).CaricamentoTree();
    }

    // "key parent level text | tag" of every node in creation order.
    QStringList nodes() const
    {
        QStringList out;
        for (std::size_t i = 0; i < tree.size(); ++i) {
            const quorvane::GroupNode& n = tree.node(i);
            out << QString::fromStdString(n.key + " " + (n.parent ? n.parent->key : "-") + " " + std::to_string(n.level)
                                          + " " + n.text + " | " + n.tag);
        }
        return out;
    }
};

} // namespace

class GroupTreeTest : public QObject {
    Q_OBJECT

private slots:
    void nodesOpenAtTheFirstChangingLevel_data();
    void nodesOpenAtTheFirstChangingLevel();
    void emptySetBuildsNoNodeAndOnlyCaptionsTheBar();
    void emptyValuesAreStoredAsTheirTypesMarker();
    void nodeFiltersSelectTheGroupsRows();
    void storedValuesThatSpellFilterWordsSelectTheirOwnRows_data();
    void storedValuesThatSpellFilterWordsSelectTheirOwnRows();
    void captionsShowPeriodsAccountsAndDescriptions_data();
    void captionsShowPeriodsAccountsAndDescriptions();
    void aNewRunStartsNumberingAgain();
    void aLevelWithoutColumnHoldsEveryRowOfItsParent();
    void modelShowsTheTreeToAView();
};

void GroupTreeTest::nodesOpenAtTheFirstChangingLevel_data()
{
    QTest::addColumn<QList<QStringList>>("rows");   // values of A and B; "~" stands for NULL
    QTest::addColumn<QStringList>("nodes");
    QTest::newRow("equal rows make one node per level")
        << QList<QStringList>{{"a1", "b1"}, {"a1", "b1"}, {"a1", "b1"}}
        << QStringList{"*1 - 1 A: \"a1\" | A='a1'", "*2 *1 2 B: \"b1\" | A='a1' AND B='b1'"};
    QTest::newRow("a change above reopens every deeper level")
        << QList<QStringList>{{"a1", "b1"}, {"a1", "b2"}, {"a2", "b2"}}
        << QStringList{"*1 - 1 A: \"a1\" | A='a1'", "*2 *1 2 B: \"b1\" | A='a1' AND B='b1'",
                       "*3 *1 2 B: \"b2\" | A='a1' AND B='b2'", "*4 - 1 A: \"a2\" | A='a2'",
                       "*5 *4 2 B: \"b2\" | A='a2' AND B='b2'"};
    QTest::newRow("NULL, empty text and blanks are one group whose filter selects them all")
        << QList<QStringList>{{"~", "b1"}, {"", "b1"}, {"  ", "b1"}, {"a1", "~"}}
        << QStringList{"*1 - 1 A: (nessun valore) | A=NULL", "*2 *1 2 B: \"b1\" | A=NULL AND B='b1'",
                       "*3 - 1 A: \"a1\" | A='a1'", "*4 *3 2 B: (nessun valore) | A='a1' AND B=NULL"};
    QTest::newRow("values equal but for case or trailing blanks are one group, as the database groups them")
        << QList<QStringList>{{"Ab", "x"}, {"aB", "X "}, {"AB ", "x"}, {"àb", "x"}}
        << QStringList{"*1 - 1 A: \"Ab\" | A='Ab'", "*2 *1 2 B: \"x\" | A='Ab' AND B='x'",
                       "*3 - 1 A: \"àb\" | A='àb'", "*4 *3 2 B: \"x\" | A='àb' AND B='x'"};
    QTest::newRow("a group that comes back gets a second node; a later group below it has no unique parent")
        << QList<QStringList>{{"a1", "b1"}, {"a2", "b1"}, {"a1", "b1"}, {"a1", "b2"}}
        << QStringList{"*1 - 1 A: \"a1\" | A='a1'", "*2 *1 2 B: \"b1\" | A='a1' AND B='b1'",
                       "*3 - 1 A: \"a2\" | A='a2'", "*4 *3 2 B: \"b1\" | A='a2' AND B='b1'",
                       "*5 - 1 A: \"a1\" | A='a1'", "*6 *5 2 B: \"b1\" | A='a1' AND B='b1'",
                       "*7 - 2 B: \"b2\" | A='a1' AND B='b2'"};
    QTest::newRow("a quote in a value is doubled in the filter")
        << QList<QStringList>{{"l'a", "b1"}}
        << QStringList{"*1 - 1 A: \"l'a\" | A='l''a'", "*2 *1 2 B: \"b1\" | A='l''a' AND B='b1'"};
}

void GroupTreeTest::nodesOpenAtTheFirstChangingLevel()
{
    QFETCH(QList<QStringList>, rows);
    QFETCH(QStringList, nodes);
    std::vector<std::vector<db::Value>> values;
    for (const QStringList& row : rows) {
        values.emplace_back();
        for (const QString& v : row)
            values.back().push_back(v == "~" ? db::Value() : db::Value(v.toStdString()));
    }
    db::Recordset set = movementSet({textField("A"), textField("B")}, values);
    BuiltTree built(set, {level("A", "A"), level("B", "B")});
    QCOMPARE(built.nodes(), nodes);
    QCOMPARE(built.keys.RecordsetChiavi().RecordCount(), long(nodes.size()));
    QCOMPARE(set.AbsolutePosition(), 1L);
}

void GroupTreeTest::emptySetBuildsNoNodeAndOnlyCaptionsTheBar()
{
    db::Recordset set = movementSet({textField("A")}, {});
    BuiltTree built(set, {level("A", "A")});
    QCOMPARE(built.tree.size(), std::size_t(0));
    QCOMPARE(built.progress.events, QStringList{"caption 71671"});
    QCOMPARE(built.progress.lastStep, 0L);
}

void GroupTreeTest::emptyValuesAreStoredAsTheirTypesMarker()
{
    db::Recordset set = movementSet({textField("CI13_CONTO_PC03", 15), numberField("DATAREGMESE"), dateField("CI12_DATAREG")},
                                    {{db::Value(), db::Value(), db::Value()}});
    BuiltTree built(set, {level("CI13_CONTO_PC03", "C.d.C."), level("DATAREGMESE", "Mese"), level("CI12_DATAREG", "Data")});
    db::Recordset& keys = built.keys.RecordsetChiavi();
    QCOMPARE(keys.RecordCount(), 3L);
    // The level-1 node stores its marker and leaves the deeper levels NULL.
    QCOMPARE(QString::fromStdString(keys.valueAt(0, 0).toText()), QString(15, ' '));
    QVERIFY(keys.valueAt(0, 1).isNull());
    QCOMPARE(QString::fromStdString(keys.valueAt(2, 1).toText()), QString("-1"));
    QCOMPARE(QString::fromStdString(keys.valueAt(2, 2).toText()), QString("1899-12-30"));
    QCOMPARE(QString::fromStdString(keys.valueAt(2, 3).toText()), QString("3"));
    QCOMPARE(QString::fromStdString(built.tree.node(2).tag),
             QString("CI13_CONTO_PC03=NULL AND DATAREGMESE=NULL AND CI12_DATAREG=NULL"));
    QCOMPARE(built.tree.node(2).parent, &built.tree.node(1));
}

void GroupTreeTest::nodeFiltersSelectTheGroupsRows()
{
    db::Recordset set = movementSet({numberField("DATAREGMESE"), dateField("CI12_DATAREG"), textField("B")},
                                    {{std::int64_t(202401), db::DateTime::fromCivil(2024, 1, 5), "x"},
                                     {std::int64_t(202401), db::DateTime::fromCivil(2024, 1, 5), db::Value()},
                                     {std::int64_t(202401), db::DateTime::fromCivil(2024, 1, 5), ""},
                                     {std::int64_t(202401), db::DateTime::fromCivil(2024, 1, 9), "x"},
                                     {std::int64_t(202401), db::DateTime::fromCivil(2024, 1, 9), "X "},
                                     {std::int64_t(202402), db::DateTime::fromCivil(2024, 2, 1), "x"}});
    BuiltTree built(set, {level("DATAREGMESE", "Mese"), level("CI12_DATAREG", "Data"), level("B", "B")});
    const QStringList expected{"DATAREGMESE=202401 5", "DATAREGMESE=202401 AND CI12_DATAREG='2024-01-05' 3",
                               "DATAREGMESE=202401 AND CI12_DATAREG='2024-01-05' AND B='x' 1",
                               "DATAREGMESE=202401 AND CI12_DATAREG='2024-01-05' AND B=NULL 2",
                               "DATAREGMESE=202401 AND CI12_DATAREG='2024-01-09' 2",
                               "DATAREGMESE=202401 AND CI12_DATAREG='2024-01-09' AND B='x' 2",
                               "DATAREGMESE=202402 1", "DATAREGMESE=202402 AND CI12_DATAREG='2024-02-01' 1",
                               "DATAREGMESE=202402 AND CI12_DATAREG='2024-02-01' AND B='x' 1"};
    QStringList found;
    for (std::size_t i = 0; i < built.tree.size(); ++i) {
        set.Filter(built.tree.node(i).tag);
        found << QString::fromStdString(built.tree.node(i).tag) + " " + QString::number(set.RecordCount());
    }
    QCOMPARE(found, expected);
}

// A job order stored as "C|2021", or holding a qualifier's text or quotes, is one group whose node, clicked
// (its tag read as consumers read it, with a part of theirs after "|"), shows exactly its own lines.
void GroupTreeTest::storedValuesThatSpellFilterWordsSelectTheirOwnRows_data()
{
    QTest::addColumn<QString>("value");
    for (const char* value : {"C|2021", "|", "CO5L_CI12.", "x co5l_ci13.PRIORITA", "it's", "a' OR B='", "'|'",
                              "%_[*]#"})
        QTest::newRow(value) << QString::fromUtf8(value);
}

void GroupTreeTest::storedValuesThatSpellFilterWordsSelectTheirOwnRows()
{
    QFETCH(QString, value);
    const std::string stored = value.toStdString();
    db::Recordset set = movementSet({textField("CI13_COMMESSA_PD25", 25), textField("B"), numberField("IMPORTO", 2)},
                                    {{"C", "b1", db::Decimal{100, 2}},
                                     {stored, "b1", db::Decimal{250, 2}},
                                     {stored, "b2", db::Decimal{1000, 2}},
                                     {"C2021", "b2", db::Decimal{7, 2}}});
    set.Sort("CI13_COMMESSA_PD25, B");
    BuiltTree built(set, {level("CI13_COMMESSA_PD25", "Commessa"), level("B", "B")});
    // The value a node stands for, read from its caption (Commessa: "value"), not from its filter.
    const auto shown = [](const quorvane::GroupNode& node) {
        const std::size_t start = node.text.find(": \"") + 3;
        return node.text.substr(start, node.text.rfind('"') - start);
    };
    const db::Recordset all = set.Clone();
    for (std::size_t i = 0; i < built.tree.size(); ++i) {
        const quorvane::GroupNode& node = built.tree.node(i);
        const std::string jobOrder = shown(node.level == 1 ? node : *node.parent);
        long expectedRows = 0, expectedCents = 0;
        for (long r = 0; r < all.RecordCount(); ++r) {
            const bool mine = all.valueAt(r, 0).toText() == jobOrder
                           && (node.level == 1 || all.valueAt(r, 1).toText() == shown(node));
            expectedRows += mine;
            expectedCents += mine ? all.valueAt(r, 2).asDecimal().mantissa : 0;
        }
        set.Filter(quorvane::movementFilterOf(node.tag + "|CI13_COMMESSA_PD25='other'"));
        long cents = 0;
        for (set.MoveFirst(); !set.EOF_(); set.MoveNext())
            cents += set.value("IMPORTO").asDecimal().mantissa;
        QVERIFY2(expectedRows > 0 && set.RecordCount() == expectedRows && cents == expectedCents, node.tag.c_str());
        set.Filter("");
    }
    QCOMPARE(built.tree.topLevel().size(), std::size_t(3));
}

void GroupTreeTest::captionsShowPeriodsAccountsAndDescriptions_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("description");   // the description column's value in the row
    QTest::addColumn<QString>("caption");
    QTest::newRow("month of the registration date") << "DATAREGMESE" << "" << "Livello: \"mar 2024\"";
    QTest::newRow("week of the document date") << "DATADOCSETT" << "" << "Livello: \"sett. 1/2024\"";
    QTest::newRow("cost centre by its chart's segments") << "CI13_CONTO_PC03" << "Taglio"
                                                         << "Livello: \"01.02.003\" - Taglio";
    QTest::newRow("expense item by its own chart") << "CI13_VDS_PC03" << "Energia" << "Livello: \"010.2003\" - Energia";
    QTest::newRow("general-ledger account without trailing blanks") << "CG42_CONTOPAR_CG24" << ""
                                                                    << "Livello: \"0102003\"";
    QTest::newRow("an empty description adds no dash") << "CI13_CONTO_PC03" << "" << "Livello: \"01.02.003\"";
}

void GroupTreeTest::captionsShowPeriodsAccountsAndDescriptions()
{
    QFETCH(QString, column);
    QFETCH(QString, description);
    QFETCH(QString, caption);
    const std::string code = column.startsWith("DATA") ? "202403" : "0102003   ";
    db::Recordset set = movementSet({textField(column.toStdString()), textField("DESCR"), dateField("CI12_DATAREG"),
                                     dateField("CI12_DATADOC")},
                                    {{code, description.toStdString(), db::DateTime::fromCivil(2024, 3, 5),
                                      db::DateTime::fromCivil(2024, 1, 2)}});
    BuiltTree built(set, {level(column.toStdString(), "Livello", "DESCR")});
    QCOMPARE(QString::fromStdString(built.tree.node(0).text), caption);
}

void GroupTreeTest::aNewRunStartsNumberingAgain()
{
    db::Recordset set = movementSet({textField("A")}, {{"x"}, {"y"}});
    BuiltTree built(set, {level("A", "A")});
    built.build(set);
    QCOMPARE(built.nodes(), (QStringList{"*1 - 1 A: \"x\" | A='x'", "*2 - 1 A: \"y\" | A='y'"}));
    QCOMPARE(built.keys.ContatoreChiavi(), 2L);
}

// A date row grouped without a period is a level without a column: one group under each parent, holding
// all of the parent's rows. Plain dates read as the host writes them.
void GroupTreeTest::aLevelWithoutColumnHoldsEveryRowOfItsParent()
{
    const db::Value fifth = db::DateTime::fromCivil(2024, 1, 5), ninth = db::DateTime::fromCivil(2024, 1, 9);
    db::Recordset set = movementSet({dateField("CI12_DATADOC"), textField("B")},
                                    {{fifth, "b1"}, {fifth, "b2"}, {ninth, "b1"}});
    BuiltTree built(set, {level("CI12_DATADOC", "Data doc."), level("", "Data reg."), level("B", "B")});
    QCOMPARE(built.nodes(),
             (QStringList{"*1 - 1 Data doc.: \"05/01/2024\" | CI12_DATADOC='2024-01-05'",
                          "*2 *1 2 Data reg.: (nessun valore) | CI12_DATADOC='2024-01-05'",
                          "*3 *2 3 B: \"b1\" | CI12_DATADOC='2024-01-05' AND B='b1'",
                          "*4 *2 3 B: \"b2\" | CI12_DATADOC='2024-01-05' AND B='b2'",
                          "*5 - 1 Data doc.: \"09/01/2024\" | CI12_DATADOC='2024-01-09'",
                          "*6 *5 2 Data reg.: (nessun valore) | CI12_DATADOC='2024-01-09'",
                          "*7 *6 3 B: \"b1\" | CI12_DATADOC='2024-01-09' AND B='b1'"}));
    quorvane::BreakKeys keys;
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, keys.ConfiguraChiavi({level("MISSING", "M")}, set));
}

void GroupTreeTest::modelShowsTheTreeToAView()
{
    db::Recordset set = movementSet({textField("A"), textField("B")},
                                    {{"a1", "b1"}, {"a1", "b2"}, {"a2", "b2"}, {"a1", "b3"}});
    quorvane::GroupTreeModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    quorvane::ArrayRotture levels{level("A", "A"), level("B", "B")};
    quorvane::BreakKeys keys;
    keys.ConfiguraChiavi(levels, set);
    const quorvane::ChartAccountFormatting accounts{hostfw::ChartDefinitions()};
    const quorvane::GroupCaptions captions({"-", accounts, 1, 2});
    quorvane::NoGroupTreeProgress progress;
    model.rebuild([&](quorvane::GroupTree& tree) {
        quorvane::GroupTreeLoader(set, levels, keys, tree, captions, progress).CaricamentoTree();
    });
    QCOMPARE(model.rowCount(), 3);
    const QModelIndex second = model.indexOfKey("*4");
    QCOMPARE(second.row(), 1);
    QCOMPARE(model.rowCount(second), 1);
    const QModelIndex child = model.index(0, 0, second);
    QCOMPARE(child.data(quorvane::GroupTreeModel::TagRole).toString(), QString("A='a2' AND B='b2'"));
    QCOMPARE(model.parent(child), second);
    model.rebuild([](quorvane::GroupTree& tree) { tree.clear(); });
    QCOMPARE(model.rowCount(), 0);
}

QTEST_GUILESS_MAIN(GroupTreeTest)
#include "test_group_tree.moc"
