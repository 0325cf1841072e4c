#include "TestBooks.h"
#include "common/Messages.h"
#include "masters/ProductTree.h"
#include "store/Db.h"
#include "store/StoreError.h"

#include <QRandomGenerator>
#include <QTest>

using namespace zedur;
using test::TestBooks;

Q_DECLARE_METATYPE(zedur::TreeAction)
Q_DECLARE_METATYPE(zedur::MessageKind)
Q_DECLARE_METATYPE(zedur::AfterRefusal)

namespace {

// Codes starting with "P" are products, all others raw materials.
QString kindOf(const QString &code)
{
    return code.startsWith(u'P') ? kTreeProductKind : kTreeRawMaterialKind;
}

void addProduct(Db &db, const QString &code, const QString &name)
{
    db.exec("INSERT INTO MC_JeyPumCode (Jey_Serial, Jey_Code, Jey_Name, Jey_DanWi, Jey_TextMemo) "
            "VALUES (:serial, :code, :name, 'EA', :memo)",
            {{":serial", "S" + code}, {":code", code}, {":name", name}, {":memo", "메모 " + code}});
}

void addRawMaterial(Db &db, const QString &code, const QString &name)
{
    db.exec("INSERT INTO MC_WonJaJeyCode (Won_Serial, Won_Code, Won_Name, Won_DanWi, Won_Model, Won_TextMemo) "
            "VALUES (:serial, :code, :name, 'KG', 'M-1', :memo)",
            {{":serial", "S" + code}, {":code", code}, {":name", name}, {":memo", "메모 " + code}});
}

// Products P1..P9 and raw materials W1..W9, the codes the trees below are made of.
void addMasters(Db &db)
{
    for (int i = 1; i <= 9; ++i) {
        addProduct(db, QStringLiteral("P%1").arg(i), QStringLiteral("완제품 %1").arg(i));
        addRawMaterial(db, QStringLiteral("W%1").arg(i), QStringLiteral("원자재 %1").arg(i));
    }
}

// Writes a tree list given as "code:level ..." straight into the table, each row naming the
// root above it as its tree.
void writeTree(Db &db, const QString &layout)
{
    QString root;
    int index = 0;
    for (const QString &token : layout.split(u' ', Qt::SkipEmptyParts)) {
        const QString code = token.section(u':', 0, 0);
        const int level = token.section(u':', 1, 1).toInt();
        if (level == 0)
            root = code;
        db.exec("INSERT INTO MC_JeyPumTreeWonJaJey (Tr_Index, Tr_Level, Tr_NameText, Tr_Code, Tr_Name, Tr_Kubun, "
                "Tr_SuKg, Tr_Check01) VALUES (:index, :level, :text, :code, :name, :kubun, 1, :root)",
                {{":index", index++},
                 {":level", level},
                 {":text", "노드 " + code},
                 {":code", code},
                 {":name", "이름 " + code},
                 {":kubun", kindOf(code)},
                 {":root", root}});
    }
}

// The table as "code:level ..." in Tr_Index order; a row whose Tr_Index is not its place in
// the list shows it as "#index", so that gaps and repeats cannot go unseen.
QString layout(Db &db)
{
    const ResultSet rs = db.query("SELECT Tr_Index, Tr_Level, Tr_Code FROM MC_JeyPumTreeWonJaJey ORDER BY Tr_Index");
    QStringList parts;
    for (int i = 0; i < rs.size(); ++i) {
        QString part = rs.text(i, "Tr_Code") + u':' + rs.text(i, "Tr_Level");
        if (rs.value(i, "Tr_Index").toInt() != i)
            part += u'#' + rs.text(i, "Tr_Index");
        parts << part;
    }
    return parts.join(u' ');
}

// The rules every stored tree list keeps; the first one broken, or an empty text.
QString problemsOf(Db &db)
{
    const ResultSet rs = queryTreeList(db);
    const ProductTreeList list(rs);
    const TreeStructure &s = list.structure();
    const QVector<int> shown = s.displayParents();
    QHash<QString, QSet<QString>> codesOfTree;
    QSet<QString> roots;
    QString root;
    for (int i = 0; i < list.size(); ++i) {
        const TreeRow &row = list.row(i);
        auto broken = [&](const char *what) {
            return QString::fromUtf8(what) + QStringLiteral(" at %1 in %2").arg(i).arg(layout(db));
        };
        if (rs.value(i, "Tr_Index").toInt() != i)
            return broken("Tr_Index not contiguous");
        if (row.level > (i == 0 ? 0 : list.row(i - 1).level + 1))
            return broken("level too deep");
        if (row.level == 0) {
            root = row.code;
            if (row.kubun != kTreeProductKind)
                return broken("root is no product");
            if (roots.contains(root))
                return broken("product is the root of two trees");
            roots.insert(root);
        }
        if (row.kubun == kTreeRawMaterialKind && s.descendantCount(i) > 0)
            return broken("raw material with children");
        if (shown.at(i) != s.parent(i))
            return broken("tree view differs from the list");
        if (row.check01 != root)
            return broken("Tr_Check01 does not name the root");
        if (codesOfTree[root].contains(row.code))
            return broken("code twice in one tree");
        codesOfTree[root].insert(row.code);
        if (rs.value(i, "Tr_Kubun").toString() != row.kubun)
            return broken("Tr_Kubun not trimmed");
    }
    return {};
}

TreeNodeRequest requestFor(Db &db, TreeAction action, int selected, const QString &code,
                           const QString &quantityText = QStringLiteral("1.0000"), bool nodeSelected = true)
{
    TreeNodeRequest request;
    request.action = action;
    request.nodeSelected = nodeSelected;
    request.selected = selected;
    request.quantityText = quantityText;
    if (!code.isEmpty()) {
        const ResultSet items = queryTreeItems(db, TreeItemFilter::All, code);
        const int row = items.find("Tr_Code", code);
        if (row >= 0) {
            request.item = treeItemAt(items, row);
            request.remark = request.item->textMemo;
        }
    }
    return request;
}

void addReceipts(Db &db)
{
    db.exec("INSERT INTO MC_WonJaJeyInPut (InPut_Serial, InPut_WonCode) VALUES ('A0000000001', 'W8')");
    db.exec("INSERT INTO MC_ChaongGoJeyPumInPut (JeyPum_Serial, JeyPum_JeyPumCode) VALUES ('A0000000001', 'P8')");
}

QString cannot(const QString &head, const QString &body, const QString &verb)
{
    return head + LB + LB + body + LB + LB + verb + QStringLiteral(" 수 없습니다.....");
}

} // namespace

class ProductTreeTest : public QObject
{
    Q_OBJECT

    // One set of books with the masters and receipts for all tree tests; each starts with
    // an empty tree table.
    std::unique_ptr<TestBooks> m_books;
    Db &db() { return m_books->db(); }

private slots:
    void initTestCase()
    {
        m_books = std::make_unique<TestBooks>();
        addMasters(db());
        addReceipts(db());
    }
    void init() { db().exec("DELETE FROM MC_JeyPumTreeWonJaJey"); }
    void cleanupTestCase() { m_books.reset(); }

    void indexArithmetic_data()
    {
        QTest::addColumn<QString>("tree");
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("after");
        const QString tree = "P1:0 W1:1 P2:1 W2:2 W3:1 P3:0 W1:1";
        QTest::newRow("first node of an empty table") << "" << "append" << -1 << "P1" << "P1:0";
        QTest::newRow("append in the middle") << tree << "append" << 3 << "W4"
                                              << "P1:0 W1:1 P2:1 W2:2 W4:2 W3:1 P3:0 W1:1";
        QTest::newRow("append after a sibling with children")
            << tree << "append" << 1 << "W4" << "P1:0 W1:1 P2:1 W2:2 W3:1 W4:1 P3:0 W1:1";
        QTest::newRow("append a root") << tree << "append" << 0 << "P4" << tree + " P4:0";
        QTest::newRow("append at the end") << tree << "append" << 6 << "W4" << tree + " W4:1";
        QTest::newRow("insert before a node with children")
            << tree << "insert" << 2 << "W4" << "P1:0 W1:1 W4:1 P2:1 W2:2 W3:1 P3:0 W1:1";
        QTest::newRow("insert before the first root") << tree << "insert" << 0 << "P4" << "P4:0 " + tree;
        QTest::newRow("insert before a later root")
            << tree << "insert" << 5 << "P4" << "P1:0 W1:1 P2:1 W2:2 W3:1 P4:0 P3:0 W1:1";
        QTest::newRow("child after existing children")
            << tree << "child" << 2 << "W4" << "P1:0 W1:1 P2:1 W2:2 W4:2 W3:1 P3:0 W1:1";
        QTest::newRow("child of a root goes after its subtree")
            << tree << "child" << 0 << "W4" << "P1:0 W1:1 P2:1 W2:2 W3:1 W4:1 P3:0 W1:1";
        QTest::newRow("a product used in another tree") << tree << "child" << 5 << "P2" << tree + " P2:1";
        QTest::newRow("a raw material used in another tree") << tree << "child" << 5 << "W2" << tree + " W2:1";
        QTest::newRow("delete a grandchild") << tree << "delete" << 3 << "" << "P1:0 W1:1 P2:1 W3:1 P3:0 W1:1";
        QTest::newRow("delete a first child") << tree << "delete" << 1 << "" << "P1:0 P2:1 W2:2 W3:1 P3:0 W1:1";
        QTest::newRow("delete the last row") << tree << "delete" << 6 << "" << "P1:0 W1:1 P2:1 W2:2 W3:1 P3:0";
        QTest::newRow("delete a childless root") << tree + " P4:0" << "delete" << 7 << "" << tree;
        QTest::newRow("delete the only node") << "P1:0" << "delete" << 0 << "" << "";
    }
    void indexArithmetic()
    {
        QFETCH(QString, tree);
        QFETCH(QString, operation);
        QFETCH(int, selected);
        QFETCH(QString, code);
        QFETCH(QString, after);
        Db &db = this->db();
        writeTree(db, tree);
        if (operation == u"delete") {
            const ProductTreeList list(queryTreeList(db));
            QVERIFY(!refuseNodeDelete(db, list, true, selected));
            QCOMPARE(deleteTreeNode(db, selected), 1);
        } else {
            const TreeAction action = operation == u"append"   ? TreeAction::Append
                                      : operation == u"insert" ? TreeAction::InsertBefore
                                                               : TreeAction::AddChild;
            const TreeDecision decision = saveTreeNode(db, requestFor(db, action, selected, code));
            QVERIFY2(decision.accepted(), qPrintable(decision.refusal->text));
        }
        QCOMPARE(layout(db), after);
        QCOMPARE(problemsOf(db), QString());
    }

    // Deleting is refused for a node with children; the store still removes a whole subtree
    // and closes the gap it leaves, should it ever be asked to.
    void deletingASubtreeClosesTheGap()
    {
        writeTree(db(), "P1:0 W1:1 P2:1 W2:2 W3:2 W4:1 P3:0 W1:1");
        QCOMPARE(deleteTreeNode(db(), 2), 3);
        QCOMPARE(layout(db()), QStringLiteral("P1:0 W1:1 W4:1 P3:0 W1:1"));
        QVERIFY_THROWS_EXCEPTION(StoreError, deleteTreeNode(db(), 5));
    }

    void addWritesTheRow()
    {
        Db &db = this->db();
        writeTree(db, "P1:0 P2:1");

        TreeNodeRequest raw = requestFor(db, TreeAction::AddChild, 1, "W4", "2.5000");
        raw.remark = QStringLiteral("  손실 포함 ");
        QVERIFY(saveTreeNode(db, raw).accepted());
        TreeNodeRequest product = requestFor(db, TreeAction::Append, 0, "P4", "3.0000");
        QVERIFY(saveTreeNode(db, product).accepted());

        const ResultSet rs = queryTreeList(db);
        QCOMPARE(rs.size(), 4);
        QCOMPARE(rs.value(2, "Tr_Index").toInt(), 2);
        QCOMPARE(rs.value(2, "Tr_Level").toInt(), 2);
        QCOMPARE(rs.value(2, "Tr_NameText").toString(), treeNodeText("원자재", "원자재 4", 2.5));
        QCOMPARE(rs.value(2, "Tr_Code").toString(), QStringLiteral("W4"));
        QCOMPARE(rs.value(2, "Tr_Name").toString(), QStringLiteral("원자재 4"));
        QCOMPARE(rs.value(2, "Tr_DanWi").toString(), QStringLiteral("KG"));
        QCOMPARE(rs.value(2, "Tr_Model").toString(), QStringLiteral("M-1"));
        QCOMPARE(rs.value(2, "Tr_Kubun").toString(), QStringLiteral("원자재"));
        QCOMPARE(rs.value(2, "Tr_SuKg").toDouble(), 2.5);
        QCOMPARE(rs.value(2, "Tr_Bigo").toString(), QStringLiteral("손실 포함"));
        QCOMPARE(rs.value(2, "Tr_Check01").toString(), QStringLiteral("P1"));
        QVERIFY(!rs.text(2, "Tr_SaveDate").isEmpty());
        for (int i = 2; i <= 5; ++i)
            QCOMPARE(rs.value(2, QStringLiteral("Tr_Check0%1").arg(i)).toString(),
                     QStringLiteral("체크필드0%1").arg(i));

        // The dialog's list says "제품  "; stored is the kind alone, the text without its
        // trailing blanks, a product's own quantity 1, and a root names its own tree.
        QCOMPARE(rs.value(3, "Tr_Kubun").toString(), QStringLiteral("제품"));
        QCOMPARE(rs.value(3, "Tr_NameText").toString(), QStringLiteral("제품     완제품 4"));
        QCOMPARE(rs.value(3, "Tr_SuKg").toDouble(), 1.0);
        QCOMPARE(rs.value(3, "Tr_Check01").toString(), QStringLiteral("P4"));
        QCOMPARE(rs.value(3, "Tr_Bigo").toString(), QStringLiteral("메모 P4"));
    }

    void anEmptyQuantityIsOne()
    {
        QCOMPARE(treeQuantity(""), 1.0);
        QCOMPARE(treeQuantity("   "), 1.0);
        QCOMPARE(treeQuantity("  1,234.5000"), 1234.5);
    }

    // Making room and inserting are one transaction: a row the table refuses leaves the
    // positions as they were.
    void aFailedInsertLeavesNoGap()
    {
        writeTree(db(), "P1:0 W1:1 W2:1");
        TreeNodeValues values;
        values.level = 1;
        values.code = QStringLiteral("W3");
        values.name = QString(201, u'x');
        QVERIFY_THROWS_EXCEPTION(StoreError, insertTreeNode(db(), 1, values));
        QCOMPARE(layout(db()), QStringLiteral("P1:0 W1:1 W2:1"));
    }

    void addRefusals_data()
    {
        QTest::addColumn<TreeAction>("action");
        QTest::addColumn<int>("selected");
        QTest::addColumn<bool>("nodeSelected");
        QTest::addColumn<QString>("code");
        QTest::addColumn<MessageKind>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<AfterRefusal>("after");
        // The tree: 0 P1, 1 P2 (2 W2, 3 W5), 4 W3; 5 P3 (6 W1).
        const auto W = MessageKind::Warning;
        const auto I = MessageKind::Information;
        const QString sibling = "부모 노드 아래 같은 데이타가 있습니다........";
        const QString rawAtTop = "최상위 노드[제로노드]에서는" + LB + "원자재 코드 데이타를 등록 할 수 없습니다........";
        const QString rawUnderRaw = "상위 노드[부모노드]에서" + LB + "원자재 데이타와 동일한" + LB +
                                    "원자재 코드 데이타를 등록 할 수 없습니다........";
        const QString sameTree = cannot("같은 제품 BOM코드에 ", "동일한 데이타가 있어", "추가할");
        const QString sameRoot = cannot("제품 BOM 최상위 코드에 ", "동일한 데이타가 있어", "추가할");
        QTest::newRow("no node selected") << TreeAction::Append << 4 << false << "W4" << W
                                          << "Tree 노드를 먼저 꼭 선택하세요......." << AfterRefusal::KeepDialog;
        QTest::newRow("nothing picked") << TreeAction::Append << 4 << true << "" << W << "이름을 꼭 등록하세요......."
                                        << AfterRefusal::FocusNodeText;
        QTest::newRow("raw material as a root") << TreeAction::Append << 0 << true << "W4" << W << rawAtTop
                                                << AfterRefusal::KeepDialog;
        QTest::newRow("raw material as a root before a root")
            << TreeAction::InsertBefore << 5 << true << "W4" << W << rawAtTop << AfterRefusal::KeepDialog;
        QTest::newRow("raw material under a raw material")
            << TreeAction::AddChild << 4 << true << "W4" << W << rawUnderRaw << AfterRefusal::KeepDialog;
        QTest::newRow("product under a raw material")
            << TreeAction::AddChild << 4 << true << "P4" << W
            << "원자재 코드 데이타 아래" + LB + "[상위 노드(부모노드)]" + LB + "제품 코드 데이타를 등록 할 수 없습니다........"
            << AfterRefusal::KeepDialog;
        QTest::newRow("the kind check comes before the same-code check")
            << TreeAction::AddChild << 2 << true << "W2" << W << rawUnderRaw << AfterRefusal::KeepDialog;
        QTest::newRow("same code as a sibling after a sibling with children")
            << TreeAction::Append << 4 << true << "W3" << W << sibling << AfterRefusal::CloseDialog;
        QTest::newRow("same code as a child of the selected node")
            << TreeAction::AddChild << 1 << true << "W5" << W << sibling << AfterRefusal::CloseDialog;
        QTest::newRow("a nephew is no sibling, but in the same tree")
            << TreeAction::Append << 4 << true << "W2" << I << sameTree << AfterRefusal::KeepDialog;
        QTest::newRow("a sibling of the selected node is no child of it")
            << TreeAction::AddChild << 1 << true << "W3" << I << sameTree << AfterRefusal::KeepDialog;
        QTest::newRow("product already a root elsewhere")
            << TreeAction::Append << 0 << true << "P3" << I << sameRoot << AfterRefusal::KeepDialog;
        QTest::newRow("new root before a root, already a root")
            << TreeAction::InsertBefore << 5 << true << "P1" << I << sameRoot << AfterRefusal::KeepDialog;
        QTest::newRow("a root's family holds the root itself")
            << TreeAction::Append << 0 << true << "P1" << W << sibling << AfterRefusal::CloseDialog;
    }
    void addRefusals()
    {
        QFETCH(TreeAction, action);
        QFETCH(int, selected);
        QFETCH(bool, nodeSelected);
        QFETCH(QString, code);
        QFETCH(MessageKind, kind);
        QFETCH(QString, text);
        QFETCH(AfterRefusal, after);
        Db &db = this->db();
        const QString tree = "P1:0 P2:1 W2:2 W5:2 W3:1 P3:0 W1:1";
        writeTree(db, tree);
        const TreeDecision decision =
            saveTreeNode(db, requestFor(db, action, selected, code, QStringLiteral("1.0000"), nodeSelected));
        QVERIFY(!decision.accepted());
        QCOMPARE(decision.refusal->text, text);
        QCOMPARE(decision.refusal->kind, kind);
        QCOMPARE(decision.refusal->after, after);
        QCOMPARE(layout(db), tree);
    }

    // The edit checks leave the edited row out; before, a node found itself and its
    // quantity could never be edited.
    void edits_data()
    {
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("code");
        QTest::addColumn<MessageKind>("kind");
        QTest::addColumn<QString>("text"); // empty: accepted
        QTest::addColumn<AfterRefusal>("after");
        // The tree: 0 P1 (1 W1, 2 P2 (3 W2), 4 W3); 5 P3 (6 W1, 7 W6); 8 P4 (9 W6); 10 P7.
        const auto W = MessageKind::Warning;
        const auto I = MessageKind::Information;
        const auto restore = AfterRefusal::RestoreNodeText;
        QTest::newRow("quantity of a raw material") << 1 << "W1" << W << "" << restore;
        QTest::newRow("quantity of a raw material used in two trees") << 6 << "W1" << W << "" << restore;
        QTest::newRow("a childless root kept") << 10 << "P7" << W << "" << restore;
        QTest::newRow("a child product kept") << 2 << "P2" << W << "" << restore;
        QTest::newRow("another raw material") << 4 << "W4" << W << "" << restore;
        QTest::newRow("a raw material used once elsewhere") << 9 << "W2" << W << "" << restore;
        QTest::newRow("a childless root becomes another product") << 10 << "P9" << W << "" << restore;
        QTest::newRow("raw material as a root")
            << 10 << "W4" << W << "최상위 노드[제로노드]에서는" + LB + "원자재 코드 데이타를 등록 할 수 없습니다........"
            << restore;
        QTest::newRow("raw-material receipts")
            << 4 << "W8" << I << cannot("원자재 정보에 등록된 ", "데이타가 있어", "수정할") << restore;
        QTest::newRow("product-warehouse receipts")
            << 10 << "P8" << I << cannot("제품창고에 입고된 ", "데이타가 있어", "수정할") << restore;
        QTest::newRow("code elsewhere in the same tree")
            << 4 << "W2" << I << cannot("같은 제품 BOM코드에 ", "동일한 데이타가 있어", "수정할") << restore;
        QTest::newRow("product already a root")
            << 10 << "P3" << I << cannot("제품 BOM 최상위 코드에 ", "동일한 데이타가 있어", "수정할") << restore;
        QTest::newRow("same kind more than once in other rows")
            << 1 << "W6" << W << "동일한 원자재 코드 데이타가 한개 이상 있습니다........" << AfterRefusal::RefreshTree;
    }
    void edits()
    {
        QFETCH(int, selected);
        QFETCH(QString, code);
        QFETCH(MessageKind, kind);
        QFETCH(QString, text);
        QFETCH(AfterRefusal, after);
        Db &db = this->db();
        const QString tree = "P1:0 W1:1 P2:1 W2:2 W3:1 P3:0 W1:1 W6:1 P4:0 W6:1 P7:0";
        writeTree(db, tree);
        const ProductTreeList before(queryTreeList(db));

        const TreeDecision decision = saveTreeNode(db, requestFor(db, TreeAction::Edit, selected, code, "3.0000"));
        const ResultSet rs = queryTreeList(db);
        if (!text.isEmpty()) {
            QVERIFY(!decision.accepted());
            QCOMPARE(decision.refusal->text, text);
            QCOMPARE(decision.refusal->kind, kind);
            QCOMPARE(decision.refusal->after, after);
            QCOMPARE(layout(db), tree);
            QCOMPARE(rs.text(selected, "Tr_NameText"), before.row(selected).nameText);
            return;
        }
        QVERIFY2(decision.accepted(), qPrintable(decision.refusal->text));
        QCOMPARE(decision.position, selected);
        QCOMPARE(rs.size(), before.size());
        QCOMPARE(rs.text(selected, "Tr_Code"), code);
        QCOMPARE(rs.value(selected, "Tr_Level").toInt(), before.row(selected).level);
        QCOMPARE(rs.value(selected, "Tr_SuKg").toDouble(), kindOf(code) == kTreeProductKind ? 1.0 : 3.0);
        QCOMPARE(rs.text(selected, "Tr_NameText"), treeNodeText(kindOf(code), rs.text(selected, "Tr_Name"), 3.0).trimmed());
        QCOMPARE(problemsOf(db), QString());
    }

    void buttonRefusals_data()
    {
        QTest::addColumn<QString>("tree");
        QTest::addColumn<bool>("deleting");
        QTest::addColumn<int>("selected");
        QTest::addColumn<bool>("nodeSelected");
        QTest::addColumn<MessageKind>("kind");
        QTest::addColumn<QString>("text"); // empty: no refusal
        // The tree: 0 P1 (1 W1, 2 P2 (3 W2), 4 P8, 5 W8).
        const QString tree = "P1:0 W1:1 P2:1 W2:2 P8:1 W8:1";
        const auto W = MessageKind::Warning;
        const auto I = MessageKind::Information;
        const QString selectFirst = "Tree 노드를 먼저 꼭 선택하세요.......";
        for (bool deleting : {false, true}) {
            const char *action = deleting ? "delete: " : "edit: ";
            const QString verb = deleting ? "삭제할" : "수정할";
            auto row = [&](const char *name) -> QTestData & {
                return QTest::newRow(qPrintable(action + QString::fromUtf8(name)));
            };
            row("a leaf") << tree << deleting << 1 << true << I << "";
            row("nothing selected") << tree << deleting << 1 << false << W << selectFirst;
            row("a node with children") << tree << deleting << 2 << true << I
                                        << "하위 자식<하위>노드가 있어\r\n" + verb + " 수 없습니다.....";
            row("raw-material receipts") << tree << deleting << 5 << true << I
                                         << cannot("원자재 정보에 등록된 ", "데이타가 있어", verb);
            row("product-warehouse receipts") << tree << deleting << 4 << true << I
                                              << cannot("제품창고에 입고된 ", "데이타가 있어", verb);
        }
        QTest::newRow("delete: empty table") << "" << true << -1 << false << I << "삭제할 노드가 없습니다.";
    }
    void buttonRefusals()
    {
        QFETCH(QString, tree);
        QFETCH(bool, deleting);
        QFETCH(int, selected);
        QFETCH(bool, nodeSelected);
        QFETCH(MessageKind, kind);
        QFETCH(QString, text);
        Db &db = this->db();
        writeTree(db, tree);
        const ProductTreeList list(queryTreeList(db));
        const auto refusal = deleting ? refuseNodeDelete(db, list, nodeSelected, selected)
                                      : refuseNodeEdit(db, list, nodeSelected, selected);
        if (text.isEmpty()) {
            QVERIFY(!refusal);
            return;
        }
        QVERIFY(refusal);
        QCOMPARE(refusal->text, text);
        QCOMPARE(refusal->kind, kind);
    }

    void editingAnEmptyTableDoesNothing()
    {
        const auto refusal = refuseNodeEdit(db(), ProductTreeList(queryTreeList(db())), false, -1);
        QVERIFY(refusal);
        QVERIFY(refusal->text.isEmpty());
        QVERIFY(!refuseWithoutSelection(ProductTreeList(), false, -1));
    }

    void deleteQuestion()
    {
        QCOMPARE(deleteQuestionText("제품     완제품 4"), QStringLiteral("제품완제품4\r\n정말 삭제 합니까 ?"));
        QCOMPARE(deleteQuestionText("원자재***철판*A"), QStringLiteral("원자재***철판*A\r\n정말 삭제 합니까 ?"));
    }

    // Whatever the user adds, edits and deletes, the table stays one depth-first list that
    // rebuilds into the same tree: contiguous positions, products at the roots, nothing under
    // a raw material, every row naming its root, no code twice in a tree.
    void anySequenceKeepsTheTreesSound()
    {
        Db &db = this->db();
        QRandomGenerator random(20050417);
        const TreeAction adds[] = {TreeAction::Append, TreeAction::InsertBefore, TreeAction::AddChild};
        int added = 0;
        int edited = 0;
        int deleted = 0;
        for (int step = 0; step < 400; ++step) {
            const ProductTreeList list(queryTreeList(db));
            const int selected = list.isEmpty() ? -1 : random.bounded(list.size());
            const QString code = QStringLiteral("%1%2").arg(QChar(random.bounded(2) ? u'P' : u'W')).arg(random.bounded(1, 7));
            const QString quantity = QString::number(random.bounded(1, 40) / 4.0, 'f', 4);
            const int choice = random.bounded(10);
            if (choice < 6) {
                added += saveTreeNode(db, requestFor(db, adds[random.bounded(3)], selected, code, quantity)).accepted();
            } else if (choice < 8 && !list.isEmpty()) {
                if (!refuseNodeEdit(db, list, true, selected))
                    edited += saveTreeNode(db, requestFor(db, TreeAction::Edit, selected, code, quantity)).accepted();
            } else if (!list.isEmpty() && !refuseNodeDelete(db, list, true, selected)) {
                deleted += deleteTreeNode(db, selected);
            }
            const QString problems = problemsOf(db);
            QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("step %1: %2").arg(step).arg(problems)));
        }
        QVERIFY2(added > 50 && edited > 10 && deleted > 10,
                 qPrintable(QStringLiteral("%1 added, %2 edited, %3 deleted").arg(added).arg(edited).arg(deleted)));
    }
};

QTEST_GUILESS_MAIN(ProductTreeTest)
#include "tst_producttree.moc"
