// Walking the group tree of a two-level ledger on the demo company: a level-1 node shows every row of its
// value whatever the deeper levels, close-all leaves the top-level group of the selected node selected and
// shown, expand-all without a selection opens the tree and changes nothing else.

#include "DisplayFixture.h"

#include "display/GroupNavigation.h"
#include "engine/ChartAccountFormatting.h"
#include "engine/GroupedLedger.h"
#include "engine/NodeFilter.h"

#include <QtTest>

using namespace quorvane;
using namespace quorvane::display;

namespace {

// The demo company's movements grouped by cost-centre account, then by month of registration, with the
// tree in a view and every node click recorded.
class GroupedWindow {
public:
    GroupedWindow() : connection_(displaytest::openDemo()), extraction_(*connection_)
    {
        NoProgress progress;
        QVERIFY(extraction_.run(displaytest::everyMovement(*connection_, 1), progress));
        const ChartAccountFormatting accounts(hostfw::ChartDefinitions::read(*connection_));
        const GroupCaptions captions({"(nessun valore)", accounts, 1, 2});
        NoGroupTreeProgress treeProgress;
        ledger_.ConfigurazioneVisualizzazioneMovimenti({groupingColumn("CI13_CONTO_PC03", "CI13_CONTO_PC03"), groupingColumn("CI12_DATAREG", "CI12_DATAREG", 3)},
                                                       movements(), hostfw::Translator(hostfw::Language::Italian),
                                                       progress);
        ledger_.CaricamentoTree(movements(), captions, treeProgress);
        tree.setModel(&ledger_.model());
        tree.setNodeRoles(GroupTreeModel::KeyRole, GroupTreeModel::TagRole);
        tree.resize(400, 300);
        tree.show();
    }

    db::Recordset& movements() { return extraction_.movements(); }

    // What the window's node click does with the rows: the group's filter on the movement set.
    NodeClick nodeClick()
    {
        return [this](const QModelIndex& node) {
            clicked << tree.key(node);
            showGroup(tree.tag(node), movements(), nullptr);
        };
    }

    // The rows of the node's group, counted on a copy so that the set's own filter stays.
    long rowsOf(const QModelIndex& node)
    {
        db::Recordset copy = movements().Clone();
        copy.Sort(movements().sort());
        copy.Filter(movementFilterOf(tree.tag(node).toStdString()));
        return copy.RecordCount();
    }

    controls::GroupTreeView tree;
    QStringList clicked;

private:
    std::unique_ptr<db::Connection> connection_;
    MovementExtraction extraction_;
    GroupedLedger ledger_;
};

// A top-level node with more than one child.
QModelIndex branchingTopNode(const controls::GroupTreeView& tree)
{
    for (int row = 0; row < tree.model()->rowCount(); ++row) {
        const QModelIndex node = tree.model()->index(row, 0);
        if (tree.model()->rowCount(node) > 1)
            return node;
    }
    return {};
}

} // namespace

class GroupNavigationTest : public QObject {
    Q_OBJECT
private slots:
    void aTopLevelNodeShowsEveryRowOfItsValue();
    void closeAllSelectsAndShowsTheTopLevelGroup();
    void expandAllWithoutASelectionChangesNothingElse();
    void expandAllShowsTheSelectedGroupAgain();
};

void GroupNavigationTest::aTopLevelNodeShowsEveryRowOfItsValue()
{
    GroupedWindow w;
    const QModelIndex top = branchingTopNode(w.tree);
    QVERIFY(top.isValid());
    showGroup(w.tree.tag(top), w.movements(), nullptr);
    const std::string filter = w.movements().filter();
    QVERIFY2(filter.find("CI13_CONTO_PC03") != std::string::npos && filter.find("DATAREGMESE") == std::string::npos,
             filter.c_str());
    const long shown = w.movements().RecordCount();
    const QString account = QString::fromStdString(w.movements().value("CI13_CONTO_PC03").toText());
    for (long r = 0; r < shown; ++r)
        QCOMPARE(QString::fromStdString(w.movements().valueAt(r, w.movements().fieldIndex("CI13_CONTO_PC03")).toText()),
                 account);
    long children = 0;
    for (int row = 0; row < w.tree.model()->rowCount(top); ++row)
        children += w.rowsOf(w.tree.model()->index(row, 0, top));
    QCOMPARE(shown, children);
    QVERIFY(shown > w.rowsOf(w.tree.model()->index(0, 0, top)));
}

void GroupNavigationTest::closeAllSelectsAndShowsTheTopLevelGroup()
{
    GroupedWindow w;
    const QModelIndex top = branchingTopNode(w.tree);
    const QModelIndex second = w.tree.model()->index(1, 0, top);
    w.tree.expandAllNodes();
    w.tree.selectNode(second);
    showGroup(w.tree.tag(second), w.movements(), nullptr);
    QCOMPARE(w.movements().RecordCount(), w.rowsOf(second));

    closeAllGroups(w.tree, w.nodeClick());
    QCOMPARE(w.tree.selectedNode(), top);
    QCOMPARE(w.clicked, QStringList{w.tree.key(top)});
    QVERIFY(!w.tree.isExpanded(top));
    QCOMPARE(w.movements().filter(), movementFilterOf(w.tree.tag(top).toStdString()));
    QCOMPARE(w.movements().RecordCount(), w.rowsOf(top));
}

void GroupNavigationTest::expandAllWithoutASelectionChangesNothingElse()
{
    GroupedWindow w;
    expandAllGroups(w.tree, w.nodeClick());
    QVERIFY(w.tree.isExpanded(branchingTopNode(w.tree)));
    QVERIFY(w.clicked.isEmpty());
    QCOMPARE(w.movements().filter(), std::string());
    QVERIFY(!w.tree.selectedNode().isValid());
}

void GroupNavigationTest::expandAllShowsTheSelectedGroupAgain()
{
    GroupedWindow w;
    const QModelIndex top = branchingTopNode(w.tree);
    w.tree.selectNode(top);
    expandAllGroups(w.tree, w.nodeClick());
    QCOMPARE(w.tree.selectedNode(), top);
    QCOMPARE(w.clicked, QStringList{w.tree.key(top)});
    QCOMPARE(w.movements().RecordCount(), w.rowsOf(top));
}

QTEST_MAIN(GroupNavigationTest)
#include "test_group_navigation.moc"
