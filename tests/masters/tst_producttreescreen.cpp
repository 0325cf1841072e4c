#include "common/ErrorLog.h"
#include "common/SystemInfo.h"
#include "common/TextNumber.h"
#include "common/ui/ListCombo.h"
#include "common/ui/NumberBox.h"
#include "masters/TreeNodeText.h"
#include "masters/ui/ProductTreeView.h"
#include "masters/ui/TMC_JeyPumTreeWonJaJey_Unit_Form.h"
#include "ui/ScreenFixture.h"

#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace zedur;
using namespace zedur::test;

namespace {

using Dialog = TMC_JeyPumTreeWonJaJey_AppendEdit_Form;

const QString selectFirst = QStringLiteral("Tree 노드를 먼저 꼭 선택하세요.......");
const QString rawAtTop = "최상위 노드[제로노드]에서는" + LB + "원자재 코드 데이타를 등록 할 수 없습니다........";

// The shelf P100 of steel, bolts and the frame P200 (itself steel and rubber), and the
// cabinet P300. The rubber RB05 has a raw-material receipt.
const QString shelfAndCabinet = "P100:0 ST01:1:2.5 BT10:1:16 P200:1 ST02:2:1.8 RB05:2:4 P300:0 ST01:1:6.2";

struct Master {
    QString code;
    QString name;
};
const QList<Master> products = {{"P100", "철제선반 3단"}, {"P200", "선반 프레임"}, {"P300", "철제 캐비닛"}};
const QList<Master> rawMaterials = {{"ST01", "냉연강판 1.2T"}, {"ST02", "열연강판 3.0T"},
                                    {"BT10", "육각볼트 M10"},  {"PN01", "분체도료 회색"},
                                    {"RB05", "고무패킹 50mm"}, {"LONG1", QString(190, u'x')}};

QString nameOf(const QString &code)
{
    for (const QList<Master> *masters : {&products, &rawMaterials})
        for (const Master &m : *masters)
            if (m.code == code)
                return m.name;
    return {};
}

QString kindOf(const QString &code)
{
    return code.startsWith(u'P') ? kTreeProductKind : kTreeRawMaterialKind;
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

struct Fixture : ScreenFixture<TMC_JeyPumTreeWonJaJey_Unit_Form> {
    // The tree as "code:level[:quantity] ...", written straight into the table.
    explicit Fixture(const QString &tree = {})
    {
        Db &db = books.db();
        int n = 0;
        for (const Master &m : products)
            db.exec("INSERT INTO MC_JeyPumCode (Jey_Serial, Jey_Code, Jey_Name, Jey_DanWi, Jey_TextMemo) "
                    "VALUES (:s, :c, :n, 'EA', '자체 생산')",
                    {{":s", QStringLiteral("A%1").arg(++n, 10, 10, QChar(u'0'))}, {":c", m.code}, {":n", m.name}});
        for (const Master &m : rawMaterials)
            db.exec("INSERT INTO MC_WonJaJeyCode (Won_Serial, Won_Code, Won_Name, Won_DanWi, Won_TextMemo) "
                    "VALUES (:s, :c, :n, 'KG', '정기 구매')",
                    {{":s", QStringLiteral("A%1").arg(++n, 10, 10, QChar(u'0'))}, {":c", m.code}, {":n", m.name}});
        db.exec("INSERT INTO MC_WonJaJeyInPut (InPut_Serial, InPut_WonCode) VALUES ('A0000000001', 'RB05')");
        writeTree(tree);
        open();
    }
    ~Fixture()
    {
        screen.reset();
        flushDeletes();
    }

    void writeTree(const QString &tree)
    {
        QString root;
        int index = 0;
        for (const QString &token : tree.split(u' ', Qt::SkipEmptyParts)) {
            const QStringList f = token.split(u':');
            const int level = f[1].toInt();
            const double quantity = f.size() > 2 ? f[2].toDouble() : 1.0;
            if (level == 0)
                root = f[0];
            books.db().exec(
                "INSERT INTO MC_JeyPumTreeWonJaJey (Tr_Index, Tr_Level, Tr_NameText, Tr_Code, Tr_Name, Tr_Kubun, "
                "Tr_SuKg, Tr_Check01) VALUES (:i, :l, :t, :c, :n, :k, :q, :r)",
                {{":i", index++},
                 {":l", level},
                 {":t", treeNodeText(kindOf(f[0]), nameOf(f[0]), quantity).trimmed()},
                 {":c", f[0]},
                 {":n", nameOf(f[0])},
                 {":k", kindOf(f[0])},
                 {":q", quantity},
                 {":r", root}});
        }
    }

    Dialog *dialog() const { return screen->appendEditForm(); }
    ProductTreeView *tree() const { return screen->TreeView1; }

    // A click on the node of a list position, opening its ancestors first.
    void pickNode(int position)
    {
        QTreeWidgetItem *node = tree()->nodeAt(position);
        QVERIFY2(node, qPrintable(QStringLiteral("no node at %1").arg(position)));
        for (QTreeWidgetItem *up = node->parent(); up; up = up->parent())
            up->setExpanded(true);
        tree()->scrollToItem(node);
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, Qt::NoModifier, tree()->visualItemRect(node).center());
        QApplication::processEvents();
        QCOMPARE(screen->selectedIndex(), position);
        QVERIFY(screen->nodeSelected());
    }

    // Searches the item in the dialog and clicks its row.
    void choose(const QString &code)
    {
        Dialog *d = dialog();
        QVERIFY(d);
        ui->type("edSearch", code);
        ui->clickWidget(d->SearchBtn);
        const int row = d->DBGrid1->rows().find("Tr_Code", code);
        QVERIFY2(row >= 0, qPrintable(code));
        const QRect cell = d->DBGrid1->visualRect(d->DBGrid1->model()->index(row, 2));
        QTest::mouseClick(d->DBGrid1->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        QApplication::processEvents();
        QCOMPARE(d->edCode->text(), code);
    }

    void ok()
    {
        ui->clickWidget(dialog()->OkBitBtn);
        flushDeletes();
    }

    // Picks a node (or none), opens the dialog with the button, chooses the item, types the
    // quantity (when given) and presses OK.
    void add(int position, const QString &button, const QString &code, const QString &quantity = {})
    {
        if (position >= 0)
            pickNode(position);
        ui->click(button);
        QVERIFY(dialog());
        choose(code);
        if (!quantity.isEmpty())
            ui->type("edSuKg", quantity);
        ok();
    }

    // The table as "code:level ..." in Tr_Index order; a row out of its place shows "#index".
    QString layout()
    {
        const ResultSet rs = books.db().query("SELECT * FROM MC_JeyPumTreeWonJaJey ORDER BY Tr_Index");
        QStringList parts;
        for (int i = 0; i < rs.size(); ++i) {
            QString part = rs.text(i, "Tr_Code") + u':' + rs.text(i, "Tr_Level");
            if (rs.value(i, "Tr_Index").toInt() != i)
                part += u'#' + rs.text(i, "Tr_Index");
            parts << part;
        }
        return parts.join(u' ');
    }

    // The tree view in display order against the grid: the same rows in the same order at
    // the same depths with the same texts, and the grid the table as it is. Empty when so.
    QString disagreement()
    {
        const ResultSet grid = screen->DBGrid1->rows().whole();
        const ResultSet table = books.db().query("SELECT * FROM MC_JeyPumTreeWonJaJey ORDER BY Tr_Index, Tr_Level");
        if (grid.rows() != table.rows())
            return "the grid is not the table";
        QList<QPair<QTreeWidgetItem *, int>> shown;
        std::function<void(QTreeWidgetItem *, int)> walk = [&](QTreeWidgetItem *node, int depth) {
            shown.append({node, depth});
            for (int c = 0; c < node->childCount(); ++c)
                walk(node->child(c), depth + 1);
        };
        for (int r = 0; r < tree()->topLevelItemCount(); ++r)
            walk(tree()->topLevelItem(r), 0);
        if (shown.size() != grid.size())
            return QStringLiteral("%1 nodes, %2 rows").arg(shown.size()).arg(grid.size());
        for (int i = 0; i < shown.size(); ++i) {
            const auto [node, depth] = shown.at(i);
            if (grid.value(i, "Tr_Index").toInt() != i || tree()->positionOf(node) != i ||
                grid.value(i, "Tr_Level").toInt() != depth || grid.text(i, "Tr_NameText") != node->text(0))
                return QStringLiteral("node %1 (%2) differs from its row").arg(i).arg(node->text(0));
        }
        return {};
    }

    // The node the screen shows selected: its code, and whether it can be seen.
    QString currentCode() const { return screen->DBGrid1->currentText("Tr_Code"); }
    bool currentNodeVisible() const
    {
        QTreeWidgetItem *node = tree()->currentItem();
        if (!node || tree()->positionOf(node) != screen->DBGrid1->currentRowIndex())
            return false;
        for (QTreeWidgetItem *up = node->parent(); up; up = up->parent())
            if (!up->isExpanded())
                return false;
        return true;
    }
};

#define CHECK_AGREES(f)                                                                                                \
    do {                                                                                                               \
        const QString problem = (f).disagreement();                                                                    \
        QVERIFY2(problem.isEmpty(), qPrintable(problem));                                                              \
    } while (false)

} // namespace

class ProductTreeScreenTest : public QObject
{
    Q_OBJECT
private slots:
    void buildsATwoLevelTreeThroughTheDialog()
    {
        Fixture f;
        QCOMPARE(f.screen->windowTitle(),
                 QStringLiteral("완제품에 제품코드와 원자재코드를 Tree구조로 등록하는 폼 입니다."));
        QCOMPARE(f.messages.texts(), QStringList{"데이타가 없습니다......"});
        f.messages.clear();

        // The first node needs no selection, and only a product can be a root.
        f.ui->click("NewNodeBtn");
        Dialog *d = f.dialog();
        QVERIFY(d && d->isVisible());
        QCOMPARE(d->windowTitle(), QStringLiteral("제품,원자재등의  이름을 검색하는 폼 입니다."));
        QCOMPARE(d->Panel1->text(), QStringLiteral("현재노드에서새로이노드추가==>처음등록하는부분"));
        QCOMPARE(d->TitlePanel->text(), QStringLiteral("추가할 이름"));
        QVERIFY(d->cbInPut_Kubun->isVisible());
        QCOMPARE(d->DBGrid1->rowCount(), products.size() + rawMaterials.size());
        f.choose("ST01");
        f.ok();
        QCOMPARE(f.messages.texts(), QStringList{rawAtTop});
        QCOMPARE(f.dialog(), d);
        QCOMPARE(f.layout(), QString());
        f.messages.clear();
        f.choose("P100");
        QCOMPARE(d->Label_SuKg->text(), QStringLiteral("제품소유수량(중량)"));
        QCOMPARE(d->Label_Memo->text(), QStringLiteral("제품 소유량(중량)은 기본값으로 1임."));
        QCOMPARE(d->edSuKg->text(), QStringLiteral("1.0000"));
        QCOMPARE(d->edBigo->text(), QStringLiteral("자체 생산"));
        f.ok();
        QVERIFY2(f.messages.messages.isEmpty(), qPrintable(f.messages.texts().join(u'|')));
        QVERIFY(!f.dialog());
        QCOMPARE(f.layout(), QStringLiteral("P100:0"));
        QVERIFY(!f.screen->nodeSelected());
        CHECK_AGREES(f);

        // Raw materials with their quantities and a sub-assembly under the product, then
        // the sub-assembly's own raw materials: each new node shown selected.
        struct Step {
            int under;
            QString code;
            QString quantity;
        };
        const QList<Step> steps = {
            {0, "ST01", "2.5"}, {0, "BT10", "16"}, {0, "P200", ""}, {3, "ST02", "1.8"}, {3, "RB05", "4"}};
        for (const Step &s : steps) {
            f.add(s.under, "NewSubNodeBtn", s.code, s.quantity);
            QVERIFY2(f.messages.messages.isEmpty(), qPrintable(s.code + ": " + f.messages.texts().join(u'|')));
            QVERIFY(!f.dialog());
            QVERIFY(!f.screen->nodeSelected());
            QCOMPARE(f.currentCode(), s.code);
            QVERIFY(f.currentNodeVisible());
            CHECK_AGREES(f);
        }
        QCOMPARE(f.layout(), QStringLiteral("P100:0 ST01:1 BT10:1 P200:1 ST02:2 RB05:2"));
        const ResultSet rs = f.books.db().query("SELECT * FROM MC_JeyPumTreeWonJaJey ORDER BY Tr_Index");
        QList<double> quantities;
        for (int i = 0; i < rs.size(); ++i) {
            quantities << rs.number(i, "Tr_SuKg");
            QCOMPARE(rs.text(i, "Tr_Check01"), QStringLiteral("P100"));
        }
        QCOMPARE(quantities, (QList<double>{1, 2.5, 16, 1, 1.8, 4}));
        QCOMPARE(rs.text(1, "Tr_NameText"), treeNodeText("원자재", "냉연강판 1.2T", 2.5));
        QVERIFY(rs.text(1, "Tr_NameText").startsWith(QStringLiteral("원자재***냉연강판*1.2T*")));
        QVERIFY(rs.text(1, "Tr_NameText").endsWith(QStringLiteral("원자재소유수량(중량)**********2.5000")));

        // The panels count every node and the picked node's direct children.
        f.pickNode(0);
        QCOMPARE(f.screen->AllCountPanel->text(), QStringLiteral("  모든 목록수 : 6 개"));
        QCOMPARE(f.screen->ChildCountPanel->text(), QStringLiteral("  현재 하위 목록수 : 3 개"));
        QCOMPARE(f.screen->DBGrid1->currentRowIndex(), 0);
        f.pickNode(3);
        QCOMPARE(f.screen->ChildCountPanel->text(), QStringLiteral("  현재 하위 목록수 : 2 개"));
        QCOMPARE(f.screen->DBGrid1->currentRowIndex(), 3);
    }

    void opensCollapsedOnTheFirstNode()
    {
        Fixture f(shelfAndCabinet);
        QVERIFY(f.messages.messages.isEmpty());
        QCOMPARE(f.tree()->topLevelItemCount(), 2);
        QCOMPARE(f.tree()->currentItem(), f.tree()->topLevelItem(0));
        QVERIFY(!f.tree()->topLevelItem(0)->isExpanded());
        QVERIFY(!f.screen->nodeSelected());
        QCOMPARE(f.screen->DBGrid1->model()->headerData(5, Qt::Horizontal).toString(), QStringLiteral("소유량(중량)"));
        QCOMPARE(f.screen->DBGrid1->model()->data(f.screen->DBGrid1->model()->index(1, 5)).toString(),
                 QStringLiteral("2.5000"));
        QCOMPARE(f.screen->DBGrid1->model()->data(f.screen->DBGrid1->model()->index(0, 0), Qt::BackgroundRole),
                 QVariant(QColor(Qt::cyan)));
        QCOMPARE(f.screen->DBGrid1->model()->data(f.screen->DBGrid1->model()->index(1, 0), Qt::BackgroundRole),
                 QVariant());
        CHECK_AGREES(f);
    }

    // Keys in the tree pick nodes as clicks do.
    void keysPickNodes()
    {
        Fixture f(shelfAndCabinet);
        f.ui->focus("TreeView1");
        f.ui->press(Qt::Key_Down);
        QVERIFY(f.screen->nodeSelected());
        QCOMPARE(f.screen->selectedIndex(), 6);
        QCOMPARE(f.currentCode(), QStringLiteral("P300"));
        f.ui->press(Qt::Key_Right); // opens the cabinet
        f.ui->press(Qt::Key_Down);
        QCOMPARE(f.screen->selectedIndex(), 7);
        QCOMPARE(f.screen->ChildCountPanel->text(), QStringLiteral("  현재 하위 목록수 : 0 개"));
    }

    void editsANodesQuantity()
    {
        Fixture f(shelfAndCabinet);
        f.pickNode(2);
        f.ui->click("EditNodeBtn");
        Dialog *d = f.dialog();
        QVERIFY(d);
        QCOMPARE(d->Panel1->text(),
                 QStringLiteral("선택된현재노드수정선택==>원자재육각볼트M10원자재소유수량(중량)16.0000"));
        QCOMPARE(d->TitlePanel->text(), QStringLiteral("수정할 이름"));
        QVERIFY(!d->cbInPut_Kubun->isVisible());
        QCOMPARE(d->DBGrid1->rowCount(), 0); // nothing listed until searched
        f.choose("BT10");
        f.ui->type("edSuKg", "12");
        f.ui->tab();
        QCOMPARE(d->edSuKg->text(), QStringLiteral("12.0000"));
        QCOMPARE(d->ListEdit->text(), treeNodeText("원자재", "육각볼트 M10", 12));
        f.ok();
        QVERIFY2(f.messages.messages.isEmpty(), qPrintable(f.messages.texts().join(u'|')));
        QVERIFY(!f.dialog());
        QCOMPARE(f.layout(), QStringLiteral("P100:0 ST01:1 BT10:1 P200:1 ST02:2 RB05:2 P300:0 ST01:1"));
        const ResultSet rs = f.books.db().query("SELECT * FROM MC_JeyPumTreeWonJaJey WHERE Tr_Index = 2");
        QCOMPARE(rs.number(0, "Tr_SuKg"), 12.0);
        QCOMPARE(rs.text(0, "Tr_NameText"), treeNodeText("원자재", "육각볼트 M10", 12));
        QCOMPARE(rs.text(0, "Tr_Check01"), QStringLiteral("P100"));
        QCOMPARE(f.tree()->nodeAt(2)->text(0), rs.text(0, "Tr_NameText"));
        QCOMPARE(f.tree()->currentPosition(), 2);
        QVERIFY(f.currentNodeVisible());
        QVERIFY(!f.screen->nodeSelected());
        CHECK_AGREES(f);
    }

    void insertsAndDeletesNodes()
    {
        Fixture f(shelfAndCabinet);
        // Inserted before the bolts: every later row moves one place on.
        f.pickNode(2);
        f.ui->click("NewNodeBtn");
        f.dialog()->cbInPut_Kubun->setCurrentIndex(1); // 삽입하기
        f.choose("PN01");
        f.ui->type("edSuKg", "0.35");
        f.ok();
        QVERIFY2(f.messages.messages.isEmpty(), qPrintable(f.messages.texts().join(u'|')));
        QCOMPARE(f.layout(), QStringLiteral("P100:0 ST01:1 PN01:1 BT10:1 P200:1 ST02:2 RB05:2 P300:0 ST01:1"));
        QCOMPARE(f.currentCode(), QStringLiteral("PN01"));
        CHECK_AGREES(f);

        // A node with children stays.
        f.pickNode(4);
        f.ui->click("DeleteBtn");
        QCOMPARE(f.messages.texts(), QStringList{"하위 자식<하위>노드가 있어\r\n삭제할 수 없습니다....."});
        QCOMPARE(f.messages.messages.first().kind, MessageKind::Information);
        f.messages.clear();

        // The question names the node; No keeps it but the node must be picked again.
        f.pickNode(2);
        f.messages.answers = {false};
        f.ui->click("DeleteBtn");
        const QString question = fDeleteBlank(treeNodeText("원자재", "분체도료 회색", 0.35)) + "\r\n정말 삭제 합니까 ?";
        QCOMPARE(f.messages.texts(), QStringList{question});
        QCOMPARE(f.messages.messages.first().kind, MessageKind::Warning);
        QVERIFY(f.messages.messages.first().yesNo);
        QVERIFY(!f.screen->nodeSelected());
        QCOMPARE(f.layout(), QStringLiteral("P100:0 ST01:1 PN01:1 BT10:1 P200:1 ST02:2 RB05:2 P300:0 ST01:1"));
        f.messages.clear();

        // Yes: the later rows move back, the node before it is shown selected.
        f.pickNode(2);
        f.ui->click("DeleteBtn");
        QCOMPARE(f.messages.texts(), QStringList{question});
        QCOMPARE(f.layout(), QStringLiteral("P100:0 ST01:1 BT10:1 P200:1 ST02:2 RB05:2 P300:0 ST01:1"));
        QVERIFY(!f.screen->nodeSelected());
        QCOMPARE(f.currentCode(), QStringLiteral("ST01"));
        QVERIFY(f.currentNodeVisible());
        CHECK_AGREES(f);
        f.messages.clear();

        // The cabinet's raw material, then the cabinet itself, the last row.
        f.pickNode(7);
        f.ui->click("DeleteBtn");
        f.pickNode(6);
        f.ui->click("DeleteBtn");
        QCOMPARE(f.layout(), QStringLiteral("P100:0 ST01:1 BT10:1 P200:1 ST02:2 RB05:2"));
        CHECK_AGREES(f);
    }

    void refusals_data()
    {
        QTest::addColumn<int>("node"); // picked first; -1: none
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("code"); // chosen in the dialog; "-": the dialog does not open
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("dialogStays");
        const QString cannotEdit = "하위 자식<하위>노드가 있어\r\n수정할 수 없습니다.....";
        QTest::newRow("a button before a node is picked") << -1 << "NewSubNodeBtn"
                                                          << "-" << selectFirst << false;
        QTest::newRow("edit a node with children") << 3 << "EditNodeBtn"
                                                   << "-" << cannotEdit << false;
        QTest::newRow("delete a raw material with receipts")
            << 5 << "DeleteBtn"
            << "-"
            << "원자재 정보에 등록된 " + LB + LB + "데이타가 있어" + LB + LB + "삭제할 수 없습니다....." << false;
        QTest::newRow("a raw material as a root") << 0 << "NewNodeBtn"
                                                  << "PN01" << rawAtTop << true;
        QTest::newRow("a raw material under a raw material")
            << 1 << "NewSubNodeBtn"
            << "PN01"
            << "상위 노드[부모노드]에서" + LB + "원자재 데이타와 동일한" + LB +
                   "원자재 코드 데이타를 등록 할 수 없습니다........"
            << true;
        QTest::newRow("a product under a raw material") << 1 << "NewSubNodeBtn"
                                                        << "P300"
                                                        << "원자재 코드 데이타 아래" + LB + "[상위 노드(부모노드)]" +
                                                               LB + "제품 코드 데이타를 등록 할 수 없습니다........"
                                                        << true;
        QTest::newRow("the same code under one parent") << 1 << "NewNodeBtn"
                                                        << "BT10"
                                                        << "부모 노드 아래 같은 데이타가 있습니다........" << false;
        QTest::newRow("the same code elsewhere in the tree")
            << 4 << "NewNodeBtn"
            << "BT10"
            << "같은 제품 BOM코드에 " + LB + LB + "동일한 데이타가 있어" + LB + LB + "추가할 수 없습니다....." << true;
        QTest::newRow("a product that is a root already")
            << 0 << "NewNodeBtn"
            << "P300"
            << "제품 BOM 최상위 코드에 " + LB + LB + "동일한 데이타가 있어" + LB + LB + "추가할 수 없습니다....."
            << true;
        QTest::newRow("nothing chosen") << 1 << "NewNodeBtn"
                                        << ""
                                        << "이름을 꼭 등록하세요......." << true;
    }
    void refusals()
    {
        QFETCH(int, node);
        QFETCH(QString, button);
        QFETCH(QString, code);
        QFETCH(QString, text);
        QFETCH(bool, dialogStays);
        Fixture f(shelfAndCabinet);
        const QString before = f.layout();
        if (node >= 0)
            f.pickNode(node);
        f.ui->click(button);
        if (code != u"-") {
            QVERIFY(f.dialog());
            if (!code.isEmpty())
                f.choose(code);
            f.ok();
        }
        QCOMPARE(f.messages.texts(), QStringList{text});
        QCOMPARE(bool(f.dialog()), dialogStays);
        QCOMPARE(f.layout(), before);
        if (code.isEmpty())
            QCOMPARE(f.ui->focused(), f.dialog()->ListEdit);
        CHECK_AGREES(f);
    }

    // The dialog stays open beside the tree; picking another node makes it the one the
    // dialog works on, and an edit checks that node as the edit button does.
    void anotherNodePickedWhileTheDialogIsOpen()
    {
        Fixture f(shelfAndCabinet);
        f.pickNode(2);
        f.ui->click("EditNodeBtn");
        Dialog *d = f.dialog();
        QVERIFY(d);
        f.pickNode(3);
        QCOMPARE(d->Panel1->text(), QStringLiteral("선택된현재노드수정선택==>제품선반프레임"));
        f.choose("PN01");
        f.ok();
        QCOMPARE(f.messages.texts(), QStringList{"하위 자식<하위>노드가 있어\r\n수정할 수 없습니다....."});
        QCOMPARE(f.layout(), QStringLiteral("P100:0 ST01:1 BT10:1 P200:1 ST02:2 RB05:2 P300:0 ST01:1"));

        // Another request replaces the open dialog and keeps the picked node.
        QPointer<Dialog> first = d;
        f.ui->click("NewSubNodeBtn");
        flushDeletes();
        QVERIFY(!first);
        QVERIFY(f.dialog());
        QVERIFY(f.screen->nodeSelected());
        QCOMPARE(f.dialog()->Panel1->text(), QStringLiteral("현재노드에서자식[하위]노드추가==>제품선반프레임"));
    }

    void cancelClosesTheDialogAndForgetsTheNode()
    {
        Fixture f(shelfAndCabinet);
        f.pickNode(1);
        f.ui->click("NewNodeBtn");
        QVERIFY(f.dialog());
        f.ui->type("edSuKg", "1.2.3");
        f.ui->clickWidget(f.dialog()->CancelBitBtn); // no check on the way to Cancel
        flushDeletes();
        QVERIFY(!f.dialog());
        QVERIFY(!f.screen->nodeSelected());
        f.ui->click("NewNodeBtn");
        QCOMPARE(f.messages.texts(), QStringList{selectFirst});
    }

    // After Refresh the buttons act on the node shown selected, the first one.
    void refreshShowsTheFirstNodeAndActsOnIt()
    {
        Fixture f(shelfAndCabinet);
        f.pickNode(4);
        f.ui->click("RefreshBtn");
        QVERIFY(f.messages.messages.isEmpty());
        QCOMPARE(f.tree()->currentPosition(), 0);
        QVERIFY(!f.tree()->nodeAt(3)->isExpanded() && !f.tree()->nodeAt(0)->isExpanded());
        QCOMPARE(f.screen->selectedIndex(), 0);
        f.ui->click("NewNodeBtn");
        QCOMPARE(f.dialog()->Panel1->text(), QStringLiteral("현재노드에서새로이노드추가==>제품철제선반3단"));
        CHECK_AGREES(f);
    }

    void quantityBox_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("focusKept");
        QTest::addColumn<QString>("message");
        QTest::newRow("decimals") << "2.5"
                                  << "2.5000" << false << "";
        QTest::newRow("empty is one") << ""
                                      << "1.0000" << false << "";
        QTest::newRow("thousands, four decimals") << "1234.56789"
                                                  << "1,234.5679" << false << "";
        QTest::newRow("not a number") << "1.2.3"
                                      << "1.2.3" << true << "";
        QTest::newRow("no minus") << "-3"
                                  << "3.0000" << false << "잘못 입력하셨습니다";
        QTest::newRow("no letters") << "1a"
                                    << "1.0000" << false << "잘못 입력하셨습니다";
    }
    void quantityBox()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(bool, focusKept);
        QFETCH(QString, message);
        Fixture f(shelfAndCabinet);
        f.pickNode(3);
        f.ui->click("NewSubNodeBtn");
        Dialog *d = f.dialog();
        f.choose("PN01");
        QCOMPARE(d->Label_SuKg->text(), QStringLiteral("원자재소유수량(중량)"));
        QCOMPARE(d->Label_Memo->text(), QString());
        f.ui->type("edSuKg", typed);
        f.ui->tab();
        QCOMPARE(d->edSuKg->text(), shown);
        QCOMPARE(f.ui->focused() == d->edSuKg, focusKept);
        QCOMPARE(f.messages.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        if (!focusKept)
            QCOMPARE(d->ListEdit->text(), treeNodeText("원자재", "분체도료 회색", fNumValue(shown)));
    }

    // However a quantity got into the box (pasted, or put there by anything else), OK stores
    // only what typing could have left there: no minus, a number.
    void okReChecksTheQuantity_data()
    {
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("below zero") << "-2" << false << QStringList{"잘못 입력하셨습니다"};
        QTest::newRow("no number, refused on leaving") << "1.2.3" << false << QStringList{};
        QTest::newRow("zero can be typed") << "0" << true << QStringList{};
        QTest::newRow("double minus, refused on leaving") << "--5" << false << QStringList{};
        QTest::newRow("trailing minus, refused on leaving") << "5-" << false << QStringList{};
        QTest::newRow("twenty digits, refused on leaving") << "12345678901234567890" << false << QStringList{};
        // Leaving reads the number as the number-from-text rule does, digits only: 10.
        QTest::newRow("a quote, read as its digits on leaving") << "1'0" << true << QStringList{};
    }
    void okReChecksTheQuantity()
    {
        QFETCH(QString, quantity);
        QFETCH(bool, saved);
        QFETCH(QStringList, messages);
        Fixture f(shelfAndCabinet);
        const int before = f.books.db().count("SELECT * FROM MC_JeyPumTreeWonJaJey");
        f.pickNode(3);
        f.ui->click("NewSubNodeBtn");
        Dialog *d = f.dialog();
        f.choose("PN01");
        QApplication::clipboard()->setText("-2");
        f.ui->focus("edSuKg");
        QTest::keyClick(d->edSuKg, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(d->edSuKg->text(), QStringLiteral("1.0000")); // the paste was refused
        f.messages.clear();
        d->edSuKg->setText(quantity);
        f.ok();
        QCOMPARE(f.messages.texts(), messages);
        QCOMPARE(f.books.db().count("SELECT * FROM MC_JeyPumTreeWonJaJey"), before + (saved ? 1 : 0));
        if (!saved)
            QCOMPARE(f.ui->focused(), d->edSuKg);
    }

    void listBoxesTakeOnlyAPick()
    {
        Fixture f(shelfAndCabinet);
        f.pickNode(1);
        f.ui->click("NewNodeBtn");
        Dialog *d = f.dialog();
        f.ui->focus("cbInPut_Kubun");
        f.ui->keys("x");
        d->cbInPut_Kubun->setCurrentIndex(-1);
        f.ui->press(Qt::Key_Tab);
        QCOMPARE(f.messages.texts(), (QStringList{"잘못 입력하셨습니다", "잘못 선택 하였읍니다....."}));
        QCOMPARE(f.ui->focused(), d->cbInPut_Kubun);
    }

    // Search, pick, quantity, remark and OK without the mouse.
    void theDialogWorksFromTheKeyboard()
    {
        Fixture f(shelfAndCabinet);
        f.pickNode(6);
        f.ui->click("NewSubNodeBtn");
        Dialog *d = f.dialog();
        QCOMPARE(f.ui->focused(), d->edSearch);
        f.ui->keys("분체");
        f.ui->enter();
        QCOMPARE(f.ui->focused(), d->DBGrid1);
        QCOMPARE(d->DBGrid1->rowCount(), 1);
        f.ui->press(Qt::Key_Down);
        QCOMPARE(d->edCode->text(), QStringLiteral("PN01"));
        f.ui->enter();
        QCOMPARE(f.ui->focused(), d->edSuKg);
        f.ui->keys("0.8");
        f.ui->enter();
        QCOMPARE(d->edSuKg->text(), QStringLiteral("0.8000"));
        QCOMPARE(f.ui->focused(), d->edBigo);
        f.ui->keys("도장 손실 포함"); // typed over the item's memo
        f.ui->enter();
        QCOMPARE(f.ui->focused(), d->OkBitBtn);
        f.ui->enter();
        flushDeletes();
        QVERIFY2(f.messages.messages.isEmpty(), qPrintable(f.messages.texts().join(u'|')));
        QVERIFY(!f.dialog());
        QCOMPARE(f.layout(), QStringLiteral("P100:0 ST01:1 BT10:1 P200:1 ST02:2 RB05:2 P300:0 ST01:1 PN01:1"));
        QCOMPARE(f.books.db().scalar("SELECT Tr_Bigo FROM MC_JeyPumTreeWonJaJey WHERE Tr_Index = 8").toString(),
                 QStringLiteral("도장 손실 포함"));
        QCOMPARE(f.books.db().scalar("SELECT Tr_SuKg FROM MC_JeyPumTreeWonJaJey WHERE Tr_Index = 8").toDouble(), 0.8);
    }

    // A node the table refuses (its text too long for the column): the error is shown and
    // logged under the dialog's name, the dialog closes and nothing is left half done.
    void aDatabaseErrorClosesTheDialog()
    {
        Fixture f(shelfAndCabinet);
        f.add(6, "NewSubNodeBtn", "LONG1");
        QCOMPARE(f.messages.messages.size(), 1);
        QCOMPARE(f.messages.messages.first().kind, MessageKind::Error);
        QVERIFY(f.messages.lastText().endsWith("StoreError"));
        QVERIFY(!f.dialog());
        QVERIFY(!f.screen->nodeSelected());
        QCOMPARE(f.layout(), QStringLiteral("P100:0 ST01:1 BT10:1 P200:1 ST02:2 RB05:2 P300:0 ST01:1"));
        QFile log(errorLogPath());
        QVERIFY(log.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(log.readAll())
                    .contains("procedure TMC_JeyPumTreeWonJaJey_AppendEdit_Form.OkBitBtnClick(Sender: TObject);"));
        CHECK_AGREES(f);
    }

    void exportsTheTree()
    {
        Fixture f(shelfAndCabinet);
        f.ui->click("PrintBtn"); // no node needed
        QCOMPARE(f.messages.texts(), QStringList{"Excel로 이전되었읍니다...."});
        QCOMPARE(QDir(appDir() + "Data_Save").entryList({"TMC_JeyPumTreeWonJaJey_Unit_Form_*.xlsx"}).size(), 1);
    }

    void exportingAnEmptyTreeWarns()
    {
        Fixture f;
        f.messages.clear();
        f.ui->click("PrintBtn");
        QCOMPARE(f.messages.texts(), QStringList{"데이타가 없습니다......"});
        f.messages.clear();
        f.ui->click("DeleteBtn");
        QCOMPARE(f.messages.texts(), QStringList{"삭제할 노드가 없습니다."});
    }
};

QTEST_MAIN(ProductTreeScreenTest)
#include "tst_producttreescreen.moc"
