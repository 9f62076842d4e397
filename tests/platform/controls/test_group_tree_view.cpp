// The group tree control: nodes found by key anywhere in the tree, their text, tag and top-level
// ancestor; a user's click or keyboard move raises NodeClick while a selection made from code does not;
// the whole tree opens and closes in one call.

#include "controls/GroupTreeView.h"

#include <QSignalSpy>
#include <QStandardItemModel>
#include <QtTest>

using namespace controls;

namespace {

constexpr int keyRole = Qt::UserRole + 7;
constexpr int tagRole = Qt::UserRole + 8;

QStandardItem* node(const QString& key, const QString& text, const QString& tag)
{
    auto* item = new QStandardItem(text);
    item->setData(key, keyRole);
    item->setData(tag, tagRole);
    return item;
}

// *1 a1 { *2 b1, *3 b2 { *4 c1 } }, *5 a2 { *6 b2 }
void fill(QStandardItemModel& model)
{
    QStandardItem* a1 = node("*1", "A: \"a1\"", "A='a1'");
    QStandardItem* b2 = node("*3", "B: \"b2\"", "A='a1' AND B='b2'");
    a1->appendRow(node("*2", "B: \"b1\"", "A='a1' AND B='b1'"));
    a1->appendRow(b2);
    b2->appendRow(node("*4", "C: \"c1\"", "A='a1' AND B='b2' AND C='c1'|extra"));
    QStandardItem* a2 = node("*5", "A: \"a2\"", "A='a2'");
    a2->appendRow(node("*6", "B: \"b2\"", "A='a2' AND B='b2'"));
    model.appendRow(a1);
    model.appendRow(a2);
}

struct ShownTree {
    ShownTree()
    {
        fill(model);
        tree.setModel(&model);
        tree.setNodeRoles(keyRole, tagRole);
        tree.resize(300, 400);
        tree.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tree));
    }
    QStandardItemModel model;
    GroupTreeView tree;
};

} // namespace

class GroupTreeViewTest : public QObject {
    Q_OBJECT
private slots:
    void nodesAreFoundByKeyAtAnyDepth_data();
    void nodesAreFoundByKeyAtAnyDepth();
    void aSelectionFromCodeRaisesNoNodeClick();
    void aClickRaisesNodeClick();
    void theWholeTreeOpensAndClosesInOneCall();
};

void GroupTreeViewTest::nodesAreFoundByKeyAtAnyDepth_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("topLevel");
    QTest::newRow("top level") << "*5" << "A: \"a2\"" << "A='a2'" << "*5";
    QTest::newRow("third level") << "*4" << "C: \"c1\"" << "A='a1' AND B='b2' AND C='c1'|extra" << "*1";
    QTest::newRow("missing key") << "*9" << "" << "" << "";
}

void GroupTreeViewTest::nodesAreFoundByKeyAtAnyDepth()
{
    QFETCH(QString, key);
    QFETCH(QString, text);
    QFETCH(QString, tag);
    QFETCH(QString, topLevel);
    QStandardItemModel model;
    fill(model);
    GroupTreeView tree;
    tree.setModel(&model);
    tree.setNodeRoles(keyRole, tagRole);
    const QModelIndex found = tree.node(key);
    QCOMPARE(found.isValid(), !text.isEmpty());
    QCOMPARE(tree.text(found), text);
    QCOMPARE(tree.tag(found), tag);
    QCOMPARE(tree.key(tree.topLevelAncestor(found)), topLevel);
}

void GroupTreeViewTest::aSelectionFromCodeRaisesNoNodeClick()
{
    ShownTree t;
    QSignalSpy clicks(&t.tree, &GroupTreeView::NodeClick);
    t.tree.selectNode(t.tree.node("*5"));
    QCOMPARE(t.tree.key(t.tree.selectedNode()), QStringLiteral("*5"));
    QCOMPARE(clicks.count(), 0);
}

void GroupTreeViewTest::aClickRaisesNodeClick()
{
    ShownTree t;
    QSignalSpy clicks(&t.tree, &GroupTreeView::NodeClick);
    const QModelIndex second = t.tree.node("*5");
    QTest::mouseClick(t.tree.viewport(), Qt::LeftButton, {}, t.tree.visualRect(second).center());
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(t.tree.key(clicks.at(0).at(0).value<QModelIndex>()), QStringLiteral("*5"));
    QCOMPARE(t.tree.key(t.tree.selectedNode()), QStringLiteral("*5"));
}

void GroupTreeViewTest::theWholeTreeOpensAndClosesInOneCall()
{
    ShownTree t;
    t.tree.expandAllNodes();
    for (const char* key : {"*1", "*3", "*5"})
        QVERIFY2(t.tree.isExpanded(t.tree.node(key)), key);
    t.tree.collapseAllNodes();
    for (const char* key : {"*1", "*3", "*5"})
        QVERIFY2(!t.tree.isExpanded(t.tree.node(key)), key);
}

QTEST_MAIN(GroupTreeViewTest)
#include "test_group_tree_view.moc"
