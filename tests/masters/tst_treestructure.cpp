#include "common/TextNumber.h"
#include "masters/TreeNodeText.h"
#include "masters/TreeStructure.h"

#include <QRandomGenerator>
#include <QTest>

using namespace zedur;

Q_DECLARE_METATYPE(zedur::TreeAction)

namespace {

QString blanks(int n)
{
    return QString(n, u' ');
}

QString stars(int n)
{
    return QString(n, u'*');
}

// A list is depth-first when it starts at a root and never goes more than one level deeper.
bool isDepthFirst(const QVector<int> &levels)
{
    for (int i = 0; i < levels.size(); ++i)
        if (levels.at(i) < 0 || levels.at(i) > (i == 0 ? 0 : levels.at(i - 1) + 1))
            return false;
    return true;
}

QVector<int> parentsOf(const TreeStructure &s)
{
    QVector<int> parents;
    for (int i = 0; i < s.size(); ++i)
        parents << s.parent(i);
    return parents;
}

} // namespace

class TreeStructureTest : public QObject
{
    Q_OBJECT
private slots:
    void nodeText_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("quantity");
        QTest::addColumn<QString>("text");
        QTest::newRow("product, Korean name counts two columns a character")
            << "제품" << "볼트조립" << 1.0 << "제품" + blanks(5) + "볼트조립" + blanks(28);
        QTest::newRow("product, Latin name") << "제품" << "BOLT-A" << 1.0 << "제품" + blanks(5) + "BOLT-A" + blanks(30);
        QTest::newRow("product, mixed name keeps its inner blank")
            << "제품" << "A4 용지" << 1.0 << "제품" + blanks(5) + "A4 용지" + blanks(29);
        QTest::newRow("product, name wider than its column is not cut")
            << "제품" << "가나다라마바사아자차카타파하가나다라" << 1.0
            << "제품" + blanks(5) + "가나다라마바사아자차카타파하가나다라 ";
        QTest::newRow("raw material: blanks become stars, the last one is dropped")
            << "원자재" << "철판 A" << 2.5
            << "원자재" + stars(3) + "철판*A" + stars(30) + "원자재소유수량(중량)" + stars(10) + "2.5000";
        QTest::newRow("raw material, quantity with thousands")
            << "원자재" << "STEEL" << 1234567.891
            << "원자재***STEEL" + stars(31) + "원자재소유수량(중량)**1,234,567.8910";
        QTest::newRow("raw material, quantity rounded to four decimals")
            << "원자재" << "구리선" << 0.123456 << "원자재***구리선" + stars(30) + "원자재소유수량(중량)" + stars(10) + "0.1235";
    }
    void nodeText()
    {
        QFETCH(QString, kind);
        QFETCH(QString, name);
        QFETCH(double, quantity);
        QFETCH(QString, text);
        QCOMPARE(treeNodeText(kind, name, quantity), text);
    }

    // The tree of most cases below, with siblings that have children before later siblings:
    //   0 R
    //   1   A         4   B         6   C
    //   2     a1      5     b1
    //   3     a2
    void structure_data()
    {
        QTest::addColumn<QVector<int>>("levels");
        QTest::addColumn<QVector<int>>("parents");
        QTest::addColumn<QVector<int>>("descendants");
        QTest::addColumn<QVector<int>>("childCounts");
        QTest::newRow("empty") << QVector<int>{} << QVector<int>{} << QVector<int>{} << QVector<int>{};
        QTest::newRow("siblings with children") << QVector<int>{0, 1, 2, 2, 1, 2, 1}
                                                << QVector<int>{-1, 0, 1, 1, 0, 4, 0}
                                                << QVector<int>{6, 2, 0, 0, 1, 0, 0}
                                                << QVector<int>{3, 2, 0, 0, 1, 0, 0};
        QTest::newRow("two trees") << QVector<int>{0, 1, 1, 0, 1, 2} << QVector<int>{-1, 0, 0, -1, 3, 4}
                                   << QVector<int>{2, 0, 0, 2, 1, 0} << QVector<int>{2, 0, 0, 1, 1, 0};
        QTest::newRow("deep chain then a new root") << QVector<int>{0, 1, 2, 3, 0}
                                                    << QVector<int>{-1, 0, 1, 2, -1}
                                                    << QVector<int>{3, 2, 1, 0, 0}
                                                    << QVector<int>{1, 1, 1, 0, 0};
    }
    void structure()
    {
        QFETCH(QVector<int>, levels);
        QFETCH(QVector<int>, parents);
        QFETCH(QVector<int>, descendants);
        QFETCH(QVector<int>, childCounts);
        const TreeStructure s(levels);
        QCOMPARE(parentsOf(s), parents);
        QVector<int> gotDescendants;
        QVector<int> gotChildCounts;
        for (int i = 0; i < s.size(); ++i) {
            gotDescendants << s.descendantCount(i);
            gotChildCounts << int(s.children(i).size());
            for (int c : s.children(i))
                QCOMPARE(s.parent(c), i);
        }
        QCOMPARE(gotDescendants, descendants);
        QCOMPARE(gotChildCounts, childCounts);
        QCOMPARE(s.displayParents(), parents);
    }

    // The family of a node is its parent and the parent's real children, not the parent's
    // position plus the number of its children (which would be R, A, a1, a2 here).
    void familyFollowsRealChildren_data()
    {
        QTest::addColumn<int>("selected");
        QTest::addColumn<QVector<int>>("family");
        QTest::newRow("a root heads its own family") << 0 << QVector<int>{0, 1, 4, 6};
        QTest::newRow("a child after siblings with children") << 6 << QVector<int>{0, 1, 4, 6};
        QTest::newRow("a grandchild") << 5 << QVector<int>{4, 5};
        QTest::newRow("a second grandchild") << 3 << QVector<int>{1, 2, 3};
    }
    void familyFollowsRealChildren()
    {
        QFETCH(int, selected);
        QFETCH(QVector<int>, family);
        const TreeStructure s({0, 1, 2, 2, 1, 2, 1});
        QCOMPARE(s.familyPositions(s.familyOf(selected)), family);
    }

    void placement_data()
    {
        QTest::addColumn<QVector<int>>("levels");
        QTest::addColumn<TreeAction>("action");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("parent");
        QTest::addColumn<int>("family");
        const QVector<int> tree{0, 1, 2, 2, 1, 2, 1};
        QTest::newRow("first node of an empty table, append") << QVector<int>{} << TreeAction::Append << -1 << 0 << 0
                                                              << -1 << -1;
        QTest::newRow("first node of an empty table, child") << QVector<int>{} << TreeAction::AddChild << -1 << 0 << 0
                                                             << -1 << -1;
        QTest::newRow("append at a root: new last root") << tree << TreeAction::Append << 0 << 7 << 0 << -1 << 0;
        QTest::newRow("append after a sibling with children") << tree << TreeAction::Append << 1 << 7 << 1 << 0 << 0;
        QTest::newRow("append in the middle of the list") << tree << TreeAction::Append << 2 << 4 << 2 << 1 << 1;
        QTest::newRow("insert before a node") << tree << TreeAction::InsertBefore << 4 << 4 << 1 << 0 << 0;
        QTest::newRow("insert before a root") << tree << TreeAction::InsertBefore << 0 << 0 << 0 << -1 << 0;
        QTest::newRow("child after existing children") << tree << TreeAction::AddChild << 1 << 4 << 2 << 1 << 1;
        QTest::newRow("child of a root goes after its whole subtree")
            << tree << TreeAction::AddChild << 0 << 7 << 1 << 0 << 0;
        QTest::newRow("child of a leaf") << tree << TreeAction::AddChild << 6 << 7 << 2 << 6 << 6;
        QTest::newRow("append in the first of two trees")
            << QVector<int>{0, 1, 0, 1} << TreeAction::Append << 1 << 2 << 1 << 0 << 0;
        QTest::newRow("edit keeps the node where it is") << tree << TreeAction::Edit << 5 << 5 << 2 << 4 << 4;
    }
    void placement()
    {
        QFETCH(QVector<int>, levels);
        QFETCH(TreeAction, action);
        QFETCH(int, selected);
        QFETCH(int, position);
        QFETCH(int, level);
        QFETCH(int, parent);
        QFETCH(int, family);
        const NodePlace place = TreeStructure(levels).placeNode(action, selected);
        QCOMPARE(place.position, position);
        QCOMPARE(place.level, level);
        QCOMPARE(place.parent, parent);
        QCOMPARE(place.family, family);
    }

    // On any depth-first list, a node placed by any add action keeps the list depth-first,
    // hangs under the parent it was placed under, and is the last or the requested sibling.
    void placementKeepsTheListDepthFirst()
    {
        QRandomGenerator random(4711);
        const TreeAction actions[] = {TreeAction::Append, TreeAction::InsertBefore, TreeAction::AddChild};
        for (int round = 0; round < 300; ++round) {
            QVector<int> levels;
            const int n = random.bounded(1, 12);
            for (int i = 0; i < n; ++i)
                levels << (i == 0 ? 0 : random.bounded(0, levels.last() + 2));
            const TreeStructure before(levels);
            const int selected = random.bounded(n);
            for (TreeAction action : actions) {
                const NodePlace place = before.placeNode(action, selected);
                QVector<int> after = levels;
                after.insert(place.position, place.level);
                QVERIFY2(isDepthFirst(after), qPrintable(QStringLiteral("round %1").arg(round)));
                const TreeStructure s(after);
                const int movedParent = place.parent >= place.position ? place.parent + 1 : place.parent;
                QCOMPARE(s.parent(place.position), movedParent);
                if (action == TreeAction::InsertBefore)
                    QCOMPARE(s.parent(place.position + 1), movedParent);
                else if (movedParent >= 0)
                    QCOMPARE(s.children(movedParent).last(), place.position);
            }
        }
    }

    // Rebuilding the tree view: rows more than one level deeper than the row before are left
    // out, and a row after such a gap hangs where the walk up from the last shown node ends.
    void displayParentsOfBrokenLists_data()
    {
        QTest::addColumn<QVector<int>>("levels");
        QTest::addColumn<QVector<int>>("shownUnder");
        const int hidden = TreeStructure::NotShown;
        QTest::newRow("a level skipped") << QVector<int>{0, 2, 1} << QVector<int>{-1, hidden, 0};
        QTest::newRow("back up after a skipped row") << QVector<int>{0, 1, 3, 2} << QVector<int>{-1, 0, hidden, 0};
        QTest::newRow("walk up stops at the root") << QVector<int>{0, 1, 2, 4, 2}
                                                   << QVector<int>{-1, 0, 1, hidden, 0};
        QTest::newRow("no root before the first row") << QVector<int>{1, 2} << QVector<int>{-1, 0};
    }
    void displayParentsOfBrokenLists()
    {
        QFETCH(QVector<int>, levels);
        QFETCH(QVector<int>, shownUnder);
        QCOMPARE(TreeStructure(levels).displayParents(), shownUnder);
    }
};

QTEST_GUILESS_MAIN(TreeStructureTest)
#include "tst_treestructure.moc"
