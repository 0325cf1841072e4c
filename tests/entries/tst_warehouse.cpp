#include "WipBooks.h"
#include "common/TextNumber.h"
#include "entries/EntryWarnings.h"
#include "entries/FlatProductTree.h"
#include "entries/WarehouseReceipts.h"
#include "entries/WipAvailability.h"
#include "entries/WipBalances.h"
#include "entries/WipTransfers.h"
#include "store/Schema.h"
#include "store/StoreError.h"

#include <QRandomGenerator>

using namespace zedur;
using namespace zedur::test;
using namespace zedur::warehouse;

namespace {

const QString CRLF = QStringLiteral("\r\n");
const QString quantityFirst = QStringLiteral("<<[[완제품창고입고 및 타 계정 대체]]>> 수량등을") + CRLF +
                              QStringLiteral("먼저 등록해 주세요......");
const QString checkFirst = QStringLiteral("최상위 완제품 이름을 먼저 선택 체크 후") + CRLF +
                           QStringLiteral("[[<<체크확인>>]]버튼을 실행 하세요.............");
const QString cannotSave =
    QStringLiteral("<<[[완제품창고입고]]>>에") + CRLF + QStringLiteral("100%로 완성된 재공품 소유량이 없거나") + CRLF +
    QStringLiteral("100%로 미 완성된 데이타가 있어") + CRLF + QStringLiteral("저장이 불가능합니다.......");

// April 2005 with product P1 ("제품A": 1.5 of W1 and 1 of W2 per unit) and three finished lots:
// W1 2 on the 3rd and 5 on the 5th, W2 10 on the 4th, their raw materials received on the 1st.
struct Books {
    TestBooks books;
    Db &db;
    QString l1, l2, l3;

    Books() : db(books.db())
    {
        recreateWorkTables(db);
        addProduct(db, "P1", "제품A");
        addTree(db, "P1", "제품A", {{1, "W1", 1.5}, {1, "W2", 1.0}});
        l1 = addLot(db, "W1", "03", 2, 10, graded(20, 1));
        l2 = addLot(db, "W1", "05", 5, 10, graded(50, 2));
        l3 = addLot(db, "W2", "04", 10, 10, graded(100, 0.5));
    }

    QString save(const QString &product, const QString &quantity)
    {
        const Checked<ReceiptSaved> saved = saveReceipt(db, receiptRequest(product, quantity));
        if (!saved.ok())
            throw std::runtime_error(("receipt refused: " + saved.refusal->text).toStdString());
        return saved.value.serial;
    }
    int count(const QString &table) { return db.scalar("Select count(*) From " + table).toInt(); }
    ResultSet components(const QString &receipt)
    {
        return db.query("Select * From MC_ChaongGoJeyGongPumInJeyGong Where InGong_JeyPumSerial = :s Order By "
                        "InGong_Serial",
                        {{":s", receipt}});
    }
    // What each lot still offers, by serial.
    QMap<QString, double> offers()
    {
        refillAvailability(db, April);
        QMap<QString, double> out;
        const ResultSet rs = db.query("Select SumVw_Serial, SumVw_SuKg From MC_JeyGongPumTaAcChaongGo_SumVw02");
        for (int i = 0; i < rs.size(); ++i)
            out.insert(rs.text(i, "SumVw_Serial"), rs.number(i, "SumVw_SuKg"));
        return out;
    }
};

void addTransfer(Db &db, const QString &lot, double quantity, double rate)
{
    const QString serial = serialAfter(newest(db, "MC_JeyGongPumInPut_TaAc", "TaGong_Serial"));
    insertRow(db, "MC_JeyGongPumInPut_TaAc",
              {{"TaGong_Serial", serial},
               {"TaGong_Date", QStringLiteral("2005-04-10")},
               {"TaGong_Year", QStringLiteral("2005")},
               {"TaGong_Month", QStringLiteral("04")},
               {"TaGong_WonCode", QStringLiteral("W1")},
               {"TaGong_SuKg", quantity},
               {"TaGong_DanGa", 10.0},
               {"TaGong_GaAmt", quantity * 10},
               {"TaGong_TotWoul", rate},
               {"TaGong_WoulAmtTot", quantity * 10},
               {"TaGong_GongSerial", lot}});
}

} // namespace

class WarehouseTest : public QObject
{
    Q_OBJECT
private slots:
    void theFlatTreeKeepsWhatTheTreeViewShows()
    {
        TestBooks books;
        Db &db = books.db();
        recreateWorkTables(db);
        QVERIFY(!refillFlatTree(db));
        // A sub-product with a material under it, and a row two levels deeper than the one
        // before it, which the tree view leaves out.
        addTree(db, "P1", "제품A", {{1, "W1", 2}, {1, "S1", 1, "제품"}, {2, "W2", 3}, {4, "W3", 1}, {2, "W4", 1}});
        addTree(db, "P2", "제품B", {{1, "W5", 1}});
        QVERIFY(refillFlatTree(db));
        const ResultSet rs =
            db.query("Select Tr_Code, Tr_FirstParentCode, Tr_ParentCode From " + FlatTree + " Order By Tr_Index");
        QStringList rows;
        for (int i = 0; i < rs.size(); ++i)
            rows << rs.text(i, "Tr_Code") + u' ' + rs.text(i, "Tr_FirstParentCode") + u' ' +
                        rs.text(i, "Tr_ParentCode");
        QCOMPARE(rows, (QStringList{"P1 최상위부모노드 부모노드", "W1 P1 P1", "S1 P1 P1", "W2 P1 S1", "W4 P1 S1",
                                    "P2 최상위부모노드 부모노드", "W5 P2 P2"}));
        const ResultSet products = topProducts(db);
        QCOMPARE(products.size(), 2);
        QCOMPARE(products.text(1, "Tr_Name"), QStringLiteral("제품B"));
        // What the cores read of a product, from the tree itself, is what the flat tree keeps.
        const ProductTree p1 = productTree(db, "P1");
        QCOMPARE(p1.name, QStringLiteral("제품A"));
        QCOMPARE(p1.codes, (QStringList{"S1", "W1", "W2", "W4"}));
        QVector<QString> codes;
        for (const Material &m : p1.materials)
            codes << m.code;
        QCOMPARE(codes, (QVector<QString>{"W1", "W2", "W4"}));
        QCOMPARE(productTree(db, "P2").materials.size(), 1);
        QCOMPARE(productTree(db, "W5").name, QString()); // no root
    }

    void theNewestReceiptIsFoundByCodeOverEveryMonth()
    {
        Books b;
        addMaterialReceipt(b.db, "W2", "2005-03-30");
        addMaterialReceipt(b.db, "W9", "2005-04-25"); // not in the tree
        QCOMPARE(latestReceiptDate(b.db, productTree(b.db, "P1")), QStringLiteral("2005-04-01"));
        addMaterialReceipt(b.db, "W2", "2005-04-12");
        QCOMPARE(latestReceiptDate(b.db, productTree(b.db, "P1")), QStringLiteral("2005-04-12"));
        QCOMPARE(latestReceiptDate(b.db, productTree(b.db, "P9")), QString());
        const QString plan = b.db.query("EXPLAIN QUERY PLAN Select Max(InPut_Date) From MC_WonJaJeyInPut Where "
                                        "InPut_WonCode = 'W2'")
                                 .rows()
                                 .first()
                                 .last()
                                 .toString();
        QVERIFY2(plan.contains("IX_MC_WonJaJeyInPut_WonCode_Date"), qPrintable(plan));
    }

    void onlyFinishedLotsAreOfferedLessWhatTheMonthTookFromThem()
    {
        Books b;
        const QString unfinished = addLot(b.db, "W1", "02", 4, 10, graded(40, 1, 99.99));
        const QString closedMonth = addLot(b.db, "W1", "02", 4, 10, graded(40, 1));
        b.db.exec("UpDate MC_JeyGongPumInPut Set Gong_Month = '03' Where Gong_Serial = :s", {{":s", closedMonth}});
        b.save("P1", "1"); // 1.5 of W1 from l1, 1 of W2 from l3
        addTransfer(b.db, b.l2, 1, 100);
        addTransfer(b.db, b.l2, 0.5, 80); // counts in the lot's balance only
        QMap<QString, double> offers = b.offers();
        QCOMPARE(offers.keys(), (QList<QString>{b.l1, b.l2, b.l3}));
        QCOMPARE(offers[b.l1], 0.5);
        QCOMPARE(offers[b.l2], 4.0);
        QCOMPARE(offers[b.l3], 9.0);
        QVERIFY(!offers.contains(unfinished));

        // The lot grid's balances subtract every completion and transfer of the month.
        recreateWipBalanceTables(b.db);
        refillWipBalances(b.db, April);
        const ResultSet rs =
            b.db.query("Select * From MC_JeyGongPumChaongGoTaAc_SumVw02 Where Gong_GongSerial = :s", {{":s", b.l2}});
        QCOMPARE(rs.number(0, "Gong_GongSuKg"), 5.0);
        QCOMPARE(rs.number(0, "TaAc_SuKg"), 1.5);
        QCOMPARE(rs.number(0, "JeyGo_SuKg"), 3.5);
        QCOMPARE(rs.number(0, "JeyGo_GaAmt"), 50.0 - 15.0);
        QCOMPARE(remainingLotQuantity(b.db, b.l2), 3.5);
        QCOMPARE(remainingLotQuantity(b.db, b.l1), 0.5);
        QCOMPARE(b.db.scalar("Select count(*) From MC_JeyGongPumChaongGoTaAc_SumVw02").toInt(), 4);
        QVERIFY(!b.db.scalar("Select ChaongGo_SuKg From MC_JeyGongPumChaongGoTaAc_SumVw02 Where Gong_GongSerial = :s",
                             {{":s", unfinished}})
                     .isNull());
    }

    void theCheckSaysWhatTheLotsCanGive_data()
    {
        QTest::addColumn<QString>("product");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("rows"); // code, K - E, B, E

        QTest::newRow("enough") << "P1"
                                << "2"
                                << "" << QStringLiteral("제품A 제품 2.0000개는 [<<완제품창고입고>>]로 가능합니다.")
                                << QStringList{};
        QTest::newRow("all of W1 but a fraction")
            << "P1"
            << "4.66664"
            << "" << QStringLiteral("제품A 제품 4.6666개는 [<<완제품창고입고>>]로 가능합니다.") << QStringList{};
        QTest::newRow("short of W1") << "P1"
                                     << "1,000"
                                     << "" << QStringLiteral("제품A 완제품 원재자 소유량이 부족한 내역 입니다.")
                                     << QStringList{"W1 -1493 1.5 1500", "W2 -990 1 1000"};
        QTest::newRow("a material without any lot")
            << "P2"
            << "1"
            << "" << QStringLiteral("제품B 제품은 100%로 완성된 재공품이 없습니다.") << QStringList{"W9 - 2 2"};
        QTest::newRow("0 passes the check")
            << "P1"
            << "0"
            << "" << QStringLiteral("제품A 제품 0.0000개는 [<<완제품창고입고>>]로 가능합니다.") << QStringList{};
        QTest::newRow("0.0 does not") << "P1"
                                      << "0.0" << quantityFirst << "" << QStringList{};
        QTest::newRow("nothing typed") << "P1"
                                       << " " << quantityFirst << "" << QStringList{};
        QTest::newRow("no number") << "P1"
                                   << "1.2.3"
                                   << "(silent)"
                                   << "" << QStringList{};
        QTest::newRow("materials never received") << "P3"
                                                  << "1" << quantityFirst << "" << QStringList{};
    }
    void theCheckSaysWhatTheLotsCanGive()
    {
        QFETCH(QString, product);
        QFETCH(QString, quantity);
        QFETCH(QString, refusal);
        QFETCH(QString, title);
        QFETCH(QStringList, rows);
        Books b;
        addProduct(b.db, "P2", "제품B");
        addTree(b.db, "P2", "제품B", {{1, "W1", 1}, {1, "W9", 2}});
        addMaterialReceipt(b.db, "W9", "2005-03-02");
        addTree(b.db, "P3", "제품C", {{1, "W8", 1}});

        const Checked<CheckResult> c = checkAvailability(b.db, April, product, quantity);
        if (!refusal.isEmpty()) {
            QVERIFY(!c.ok());
            QCOMPARE(c.refusal->text, refusal == u"(silent)" ? QString() : refusal);
            QCOMPARE(c.refusal->focus, QuantityBox);
            return;
        }
        QVERIFY(c.ok());
        QCOMPARE(c.value.title, title);
        QCOMPARE(c.value.latestReceiptDate, QStringLiteral("2005-04-01"));
        QStringList shown;
        for (int i = 0; i < c.value.rows.size(); ++i) {
            const QVariant k = c.value.rows.value(i, "JanCheck_SuKg");
            shown << QStringLiteral("%1 %2 %3 %4")
                         .arg(c.value.rows.text(i, "Tr_Code"), k.isNull() ? QStringLiteral("-") : k.toString())
                         .arg(c.value.rows.number(i, "Parent_SuKg"))
                         .arg(c.value.rows.number(i, "Total_SuKg"));
        }
        QCOMPARE(shown, rows);
        QVERIFY(c.value.rows.columnIndex("SumVw_DaongJeyJo_02") >= 0);
    }

    void aReceiptIsTheSumOfTheLotSlicesItTook()
    {
        Books b;
        const QString receipt = b.save("P1", "2");
        // W1 needs 3: all 2 of the lot of the 3rd, 1 of the 5 of the lot of the 5th; W2 needs 2 of 10.
        const ResultSet rows = b.components(receipt);
        QCOMPARE(rows.size(), 3);
        struct Expected {
            QString lot, code;
            double quantity, gaAmt, first, last, total;
        };
        const QVector<Expected> expected{
            {b.l1, "W1", 2, 20, 1, 10, 55}, {b.l2, "W1", 1, 10, 0.4, 4, 22}, {b.l3, "W2", 2, 20, 0.1, 1, 5.5}};
        for (int i = 0; i < rows.size(); ++i) {
            const Expected &e = expected.at(i);
            QCOMPARE(rows.text(i, "InGong_GongSerial"), e.lot);
            QCOMPARE(rows.text(i, "InGong_WonCode"), e.code);
            QCOMPARE(rows.number(i, "InGong_SuKg"), e.quantity);
            QCOMPARE(rows.number(i, "InGong_GaAmt"), e.gaAmt);
            QCOMPARE(rows.number(i, "InGong_JenGiWonAmt"), e.first);
            QCOMPARE(rows.number(i, "InGong_DaongJeyJo_02"), e.last);
            QCOMPARE(rows.number(i, "InGong_WoulAmtTot"), e.total); // the ten components, not GaAmt
            QCOMPARE(rows.number(i, "InGong_DanGa"), 10.0);
            QCOMPARE(rows.number(i, "InGong_TotWoul"), 100.0);
            QCOMPARE(rows.number(i, "InGong_JeyPumSuKg"), 2.0);
            QCOMPARE(rows.number(i, "InGong_WonJaJeySuKg"), e.code == u"W1" ? 3.0 : 2.0);
        }
        const QMap<QString, QString> texts{
            {"InGong_Date", "2005-04-20"},    {"InGong_Year", "2005"},        {"InGong_Month", "04"},
            {"InGong_WonName", "자재 W1"},    {"InGong_DanWi", "kg"},         {"InGong_Model", "모델-W1"},
            {"InGong_TextMemo", "완성 입고"}, {"InGong_Kubun", "당월입고"},   {"InGong_Bigo", "1 라인"},
            {"InGong_JeyPumCode", "P1"},      {"InGong_JeyPumName", "제품A"}, {"InGong_Check_03", "1234 - ABCD"},
            {"InGong_JeyPumSerial", receipt}};
        for (auto it = texts.cbegin(); it != texts.cend(); ++it)
            QCOMPARE(rows.text(0, it.key()), it.value());
        QCOMPARE(rows.text(0, "InGong_InPutSerial"),
                 b.db.scalar("Select Gong_InPutSerial From MC_JeyGongPumInPut Where Gong_Serial = :s", {{":s", b.l1}})
                     .toString());

        const ResultSet r = b.db.query("Select * From MC_ChaongGoJeyPumInPut");
        QCOMPARE(r.size(), 1);
        QCOMPARE(r.text(0, "JeyPum_Serial"), receipt);
        QCOMPARE(r.text(0, "JeyPum_Date"), QStringLiteral("2005-04-20"));
        QCOMPARE(r.text(0, "JeyPum_JeyPumName"), QStringLiteral("제품A"));
        QCOMPARE(r.text(0, "JeyPum_Model"), QStringLiteral("M-P1")); // from the product master
        QCOMPARE(r.text(0, "JeyPum_Kubun"), QStringLiteral("당월입고"));
        QCOMPARE(r.number(0, "JeyPum_SuKg"), 2.0);
        QCOMPARE(r.number(0, "JeyPum_GaAmt"), 50.0);
        // Direct labour, indirect labour, direct overhead, indirect overhead, whatever the names say.
        QCOMPARE(r.number(0, "JeyPum_JenGiNoMu"), 13.5);
        QCOMPARE(r.number(0, "JeyPum_DaongNoMu"), 16.5);
        QCOMPARE(r.number(0, "JeyPum_JenGiJeyJo"), 19.5);
        QCOMPARE(r.number(0, "JeyPum_DaongJeyJo"), 22.5);
        QCOMPARE(r.number(0, "JeyPum_TotGaAmt"), 82.5);
        // Nothing left NULL: empty texts are empty texts.
        for (const QString &table :
             {QStringLiteral("MC_ChaongGoJeyGongPumInJeyGong"), QStringLiteral("MC_ChaongGoJeyPumInPut")})
            for (const QString &column : schema::table(table).columnNames())
                QVERIFY2(b.db.scalar(QStringLiteral("Select count(*) From %1 Where %2 Is Null").arg(table, column))
                                 .toInt() == 0,
                         qPrintable(column));
    }

    void aPartlyTakenLotSharesWhatIsLeftOfIt()
    {
        Books b;
        b.save("P1", "2");                        // 1 of 5 taken from l2: 4 and 40 of its 50 left
        addTransfer(b.db, b.l2, 1, 100);          // 1 more gone, with 10 of the raw-material amount
        const QString second = b.save("P1", "1"); // 1.5 of W1 from the 3 left of l2
        const ResultSet rows = b.components(second);
        QCOMPARE(rows.text(0, "InGong_GongSerial"), b.l2);
        QCOMPARE(rows.number(0, "InGong_SuKg"), 1.5);
        QCOMPARE(rows.number(0, "InGong_GaAmt"), 15.0);      // (50 - 10 - 10) x 1.5 / 3
        QCOMPARE(rows.number(0, "InGong_JenGiWonAmt"), 0.8); // (2 - 0.4) x 1.5 / 3: the transfer carried none
    }

    void leftoversLeaveNoEmptySlices()
    {
        TestBooks books;
        Db &db = books.db();
        recreateWorkTables(db);
        addProduct(db, "P1", "제품A");
        addTree(db, "P1", "제품A", {{1, "W1", 0.3}});
        QStringList lots;
        for (const char *day : {"01", "02", "03", "04"})
            lots << addLot(db, "W1", day, 0.1, 10, graded(1, 0.1));
        const Checked<ReceiptSaved> saved = saveReceipt(db, receiptRequest("P1", "1"));
        QVERIFY(saved.ok());
        const ResultSet rows = db.query(
            "Select InGong_GongSerial, InGong_SuKg From MC_ChaongGoJeyGongPumInJeyGong Order By InGong_Serial");
        QCOMPARE(rows.size(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(rows.text(i, "InGong_GongSerial"), lots.at(i));
            QCOMPARE(rows.number(i, "InGong_SuKg"), 0.1);
        }
    }

    void aMaterialInTwoBranchesIsNeededOnce()
    {
        Books b;
        addProduct(b.db, "P5", "제품E");
        addTree(b.db, "P5", "제품E", {{1, "W1", 1}, {1, "S1", 1, "제품"}, {2, "W1", 0.5}});
        const QString receipt = b.save("P5", "2");
        const ResultSet rows = b.components(receipt);
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.number(0, "InGong_SuKg") + rows.number(1, "InGong_SuKg"), 3.0);
        QCOMPARE(rows.number(0, "InGong_WonJaJeySuKg"), 3.0);
        QCOMPARE(b.offers().value(b.l2), 4.0);
        // The check compares the summed need once.
        const Checked<CheckResult> c = checkAvailability(b.db, April, "P5", "5");
        QVERIFY(c.ok());
        QCOMPARE(c.value.rows.size(), 1);
        QCOMPARE(c.value.rows.number(0, "Parent_SuKg"), 1.5);
    }

    void theSaveRefuses_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("focusText");
        QTest::addColumn<bool>("clearsCheck");

        const QString enterQuantity =
            QStringLiteral("<<[[완제품창고입고]]>> 수량등을") + CRLF + QStringLiteral("등록해 주세요......");
        QTest::newRow("a closed lot current in the lot grid") << "closedLot" << warnings::closedData() << ""
                                                              << "" << true;
        QTest::newRow("a month other than the open one")
            << "May"
            << QStringLiteral("미마감된 2005년과 04월만") + LB +
                   QStringLiteral("등록, 수정, 삭제등이 가능합니다........")
            << ""
            << "" << true;
        QTest::newRow("the check grid closed") << "gridClosed" << checkFirst << "edIn_SuKg"
                                               << "" << true;
        QTest::newRow("the check grid with rows") << "gridRows" << cannotSave << ""
                                                  << "" << false;
        QTest::newRow("no check") << "unchecked" << runCheckFirstText() << ""
                                  << "" << true;
        QTest::newRow("quantity 0") << "quantity=0" << enterQuantity << "edIn_SuKg"
                                    << "" << true;
        QTest::newRow("a quantity that shows as 0") << "quantity=0.00001" << enterQuantity << "edIn_SuKg"
                                                    << "" << true;
        QTest::newRow("a quantity that is no number") << "quantity=1.2.3"
                                                      << ""
                                                      << "edIn_SuKg"
                                                      << "" << true;
        QTest::newRow("no day") << "day=" << QStringLiteral("입고일자를 등록해 주세요......") << "edIn_Date"
                                << "" << false;
        QTest::newRow("a day April does not have") << "day=31" << warnings::invalidDate("2005-04-31") << "edIn_Date"
                                                   << "" << false;
        QTest::newRow("a day that is no number") << "day=1." << warnings::invalidDate("2005-04-1.") << "edIn_Date"
                                                 << "" << false;
        QTest::newRow("before the newest raw-material receipt")
            << "receipt=2005-04-10,day=08"
            << QStringLiteral("현재 제조공정에 투입된 기준일자보다는") + CRLF +
                   QStringLiteral("작은 일자입니다.............")
            << "edIn_Date"
            << "10" << false;
        QTest::newRow("before the newest lot offered")
            << "day=04" << QStringLiteral("2005-04-05보다 큰 일자를 등록해 주세요......") << "edIn_Date"
            << "05" << false;
        QTest::newRow("another product picked after the check: its lots fall short") << "product=P2" << cannotSave << ""
                                                                                     << "" << true;
        QTest::newRow("a product missing from the product master")
            << "product=P4"
            << QStringLiteral("P4 : 제품 코드에 등록되지 않은 완제품이므로") + LB +
                   QStringLiteral("저장이 불가능합니다.......")
            << ""
            << "" << true;
        QTest::newRow("a product without raw materials") << "product=P6" << checkFirst << "edIn_SuKg"
                                                         << "" << true;
    }
    void theSaveRefuses()
    {
        QFETCH(QString, change);
        QFETCH(QString, text);
        QFETCH(QString, focus);
        QFETCH(QString, focusText);
        QFETCH(bool, clearsCheck);
        Books b;
        addProduct(b.db, "P2", "제품B");
        addTree(b.db, "P2", "제품B", {{1, "W9", 1}});
        addMaterialReceipt(b.db, "W9", "2005-04-01");
        addTree(b.db, "P4", "제품D", {{1, "W1", 1}});
        addProduct(b.db, "P6", "제품F");
        addTree(b.db, "P6", "제품F", {});
        const QString closed = addLot(b.db, "W1", "01", 1, 1, graded(1, 1, 50), period::Closed);
        ReceiptRequest r = receiptRequest("P1", "2");
        for (const QString &part : change.split(u',', Qt::SkipEmptyParts)) {
            const QString key = part.section(u'=', 0, 0);
            const QString value = part.section(u'=', 1);
            if (key == u"closedLot")
                r.gridLotSerial = closed;
            else if (key == u"May")
                r.shown.month = "05";
            else if (key == u"gridClosed")
                r.checkGridOpen = false;
            else if (key == u"gridRows")
                r.checkGridHasRows = true;
            else if (key == u"unchecked")
                r.checked = false;
            else if (key == u"quantity")
                r.quantity = value;
            else if (key == u"day")
                r.day = value;
            else if (key == u"receipt")
                addMaterialReceipt(b.db, "W2", value);
            else if (key == u"product")
                r.productCode = value;
        }
        const Checked<ReceiptSaved> saved = saveReceipt(b.db, r);
        QVERIFY(!saved.ok());
        QCOMPARE(saved.refusal->text, text);
        QCOMPARE(saved.refusal->focus, focus);
        QCOMPARE(saved.refusal->focusText.value_or(QString()), focusText);
        QCOMPARE(saved.value.clearsCheck, clearsCheck);
        QCOMPARE(b.count("MC_ChaongGoJeyGongPumInJeyGong"), 0);
        QCOMPARE(b.count("MC_ChaongGoJeyPumInPut"), 0);
    }

    void daysAreComparedAsWholeDates()
    {
        TestBooks books;
        Db &db = books.db();
        recreateWorkTables(db);
        addProduct(db, "P1", "제품A");
        addTree(db, "P1", "제품A", {{1, "W1", 1}});
        // Received late in March, issued and finished early in April.
        addLot(db, "W1", "02", 5, 1, graded(5), {}, "2005-03-28");
        QVERIFY(leaveDay(April, "3", "2005-03-28").ok());
        QCOMPARE(leaveDay(April, "3", "2005-03-28").value.day, QStringLiteral("03"));
        QVERIFY(saveReceipt(db, receiptRequest("P1", "1", "03")).ok());
        // A receipt later in this month still holds the day back, and the box shows its day.
        const Checked<DayLeft> early = leaveDay(April, "09", "2005-04-12");
        QVERIFY(!early.ok());
        QCOMPARE(early.value.day, QStringLiteral("12"));
        QCOMPARE(early.refusal->focusText.value_or(QString()), QStringLiteral("12"));
        // Without a check there is no receipt date to compare with: run the check first.
        const Checked<DayLeft> unchecked = leaveDay(April, "09", "");
        QCOMPARE(unchecked.refusal->text, checkFirst);
        QVERIFY(unchecked.value.clearsCheck);
        QCOMPARE(leaveDay(April, "30", "2005-04-12").value.date, QStringLiteral("2005-04-30"));
        QCOMPARE(leaveDay(April, "31", "2005-04-12").refusal->text, warnings::invalidDate("2005-04-31"));
    }

    void theQuantityBoxShowsFourDecimals_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("whole") << "3"
                               << "3.0000";
        QTest::newRow("thousands") << "1234.56785"
                                   << "1,234.5679";
        QTest::newRow("shown before") << "1,234.5000"
                                      << "1,234.5000";
        QTest::newRow("zero") << "0"
                              << "0.0000";
        QTest::newRow("no number") << "1.2.3"
                                   << "";
    }
    void theQuantityBoxShowsFourDecimals()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        const Checked<QString> left = leaveQuantity(typed);
        QCOMPARE(left.ok(), !shown.isEmpty());
        QCOMPARE(left.value, shown);
    }

    void aFailedReceiptLeavesNoComponentRows()
    {
        Books b;
        b.db.exec("CREATE TRIGGER refuse BEFORE INSERT ON MC_ChaongGoJeyPumInPut BEGIN SELECT RAISE(ABORT, "
                  "'disk full'); END");
        QVERIFY_THROWS_EXCEPTION(StoreError, saveReceipt(b.db, receiptRequest("P1", "2")));
        QCOMPARE(b.count("MC_ChaongGoJeyGongPumInJeyGong"), 0);
        b.db.exec("DROP TRIGGER refuse");
        QVERIFY(saveReceipt(b.db, receiptRequest("P1", "2")).ok());
    }

    void theViewerDeletesAReceiptWithItsSlices_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("clears");

        QTest::newRow("free") << ""
                              << "" << false;
        QTest::newRow("direct labour on a consumed lot")
            << "direct"
            << QStringLiteral("제조원가명세서의 노무비,제조경비등에") + LB + LB +
                   QStringLiteral("직적비로 등록된 데이타가 있으므로") + LB + LB +
                   QStringLiteral("삭제가 불가능한 데이타입니다........")
            << true;
        QTest::newRow("an amount on the serial of a slice, not of a lot") << "sliceSerial"
                                                                          << "" << false;
        QTest::newRow("a product transfer draws on it")
            << "transfer"
            << QStringLiteral("제품 창고에서") + CRLF +
                   QStringLiteral("제품(제품매출원가) 타 계정 대체로 출고된 데이타가 있어") + CRLF +
                   QStringLiteral("삭제가 불가능 합니다........")
            << true;
        QTest::newRow("a shipment draws on it")
            << "shipment"
            << QStringLiteral("제품 창고에서") + CRLF + QStringLiteral("매출 목적으로 출고된 데이타가 있어") + CRLF +
                   QStringLiteral("삭제가 불가능 합니다........")
            << true;
        QTest::newRow("a returned sale") << "kubun=매출반품입고"
                                         << QStringLiteral("매출반품입고된 데이타는") + LB +
                                                QStringLiteral("등록,수정,삭제등이") + LB +
                                                QStringLiteral("불가능한 데이타입니다...................... ")
                                         << true;
        QTest::newRow("brought forward") << "kubun=전기이월" << warnings::carriedForward() << true;
        QTest::newRow("closed") << "closed" << warnings::closedData() << true;
        QTest::newRow("gone meanwhile") << "gone" << warnings::pickRowToDelete() << false;
    }
    void theViewerDeletesAReceiptWithItsSlices()
    {
        QFETCH(QString, state);
        QFETCH(QString, text);
        QFETCH(bool, clears);
        Books b;
        const QString receipt = b.save("P1", "2");
        const QString other = b.save("P1", "1");
        markOpenMonthAllocated(b.db);
        const auto set = [&](const QString &assignment) {
            b.db.exec("UpDate MC_ChaongGoJeyPumInPut Set " + assignment + " Where JeyPum_Serial = :s",
                      {{":s", receipt}});
        };
        const auto amountOn = [&](const QString &serial) {
            insertRow(b.db, "MC_AcNameAmtInPut",
                      {{"Amt_Serial", QStringLiteral("A0000000001")}, {"Amt_JeyGongPumSerial", serial}});
        };
        if (state == u"direct")
            amountOn(b.l3);
        else if (state == u"sliceSerial") {
            // Serials of slices and of lots are apart here, so the amount names no lot.
            b.db.exec("UpDate MC_ChaongGoJeyGongPumInJeyGong Set InGong_Serial = 'S' || substr(InGong_Serial, 2)");
            amountOn(b.components(receipt).text(0, "InGong_Serial"));
        } else if (state == u"transfer")
            insertRow(b.db, "MC_ChaongGoJeyPumInPut_TaAc",
                      {{"TaJeyPum_Serial", QStringLiteral("A0000000001")}, {"TaJeyPum_JeyPumSerial", receipt}});
        else if (state == u"shipment")
            insertRow(b.db, "MC_ChaongGoJeyPumInPut_ChulGo",
                      {{"ChulGo_Serial", QStringLiteral("A0000000001")}, {"ChulGo_JeyPumSerial", receipt}});
        else if (state.startsWith(u"kubun="))
            set("JeyPum_Kubun = '" + state.mid(6) + "'");
        else if (state == u"closed")
            set("JeyPum_Check_01 = '마감완료'");
        else if (state == u"gone")
            b.db.exec("Delete From MC_ChaongGoJeyPumInPut Where JeyPum_Serial = :s", {{":s", receipt}});

        const Verdict v = deleteReceipt(b.db, April, " " + receipt + " ");
        if (text.isEmpty()) {
            QVERIFY(!v);
            QCOMPARE(b.count("MC_ChaongGoJeyPumInPut"), 1);
            QCOMPARE(b.components(receipt).size(), 0);
            QCOMPARE(b.components(other).size(), 2);
            QCOMPARE(openMonthState(b.db), QStringLiteral("배부액재계산"));
            QCOMPARE(b.offers().value(b.l2), 5.0 - 1.5);
            return;
        }
        QVERIFY(v);
        QCOMPARE(v->text, text);
        QCOMPARE(v->focus, ViewerSerialBox);
        QCOMPARE(v->clearsBoxes, clears);
        QCOMPARE(openMonthState(b.db), QStringLiteral("미마감"));
        if (state != u"gone")
            QCOMPARE(b.components(receipt).size(), 3);
    }

    void randomSavesAndDeletesKeepTheLotsWhole()
    {
        // Generated books: three materials, lots of odd sizes and costs (some not yet finished),
        // two products sharing materials; receipts and transfers to other accounts saved and
        // deleted in random order. After each step no lot is overdrawn, every receipt took
        // N x the tree quantity of each material, and a receipt's cost is the sum of its slices.
        QRandomGenerator random(20050417);
        TestBooks books;
        Db &db = books.db();
        recreateWorkTables(db);
        addProduct(db, "P1", "제품A");
        addTree(db, "P1", "제품A", {{1, "W1", 0.3}, {1, "W2", 1.25}, {1, "W3", 0.0001}});
        addProduct(db, "P2", "제품B");
        addTree(db, "P2", "제품B", {{1, "W2", 0.7}, {1, "S", 1, "제품"}, {2, "W1", 0.15}, {2, "W3", 2}});
        QMap<QString, QMap<QString, double>> perUnit{{"P1", {{"W1", 0.3}, {"W2", 1.25}, {"W3", 0.0001}}},
                                                     {"P2", {{"W2", 0.7}, {"W1", 0.15}, {"W3", 2}}}};
        QMap<QString, double> lotQuantity;
        for (int i = 0; i < 21; ++i) {
            const QString code = QStringLiteral("W%1").arg(1 + i % 3);
            const double quantity = (1 + random.bounded(40000)) / 10000.0;
            const QString day = QStringLiteral("%1").arg(1 + random.bounded(9), 2, 10, QChar(u'0'));
            const double rate = i % 7 == 6 ? 60.0 : 100.0;
            const QString lot =
                addLot(db, code, day, quantity, 1.1, graded(quantity * 1.1, random.bounded(1000) / 7.0, rate));
            lotQuantity.insert(lot, quantity);
        }
        const QStringList lots = lotQuantity.keys();
        QStringList receipts;
        QStringList transfers;
        int saved = 0;
        int transferred = 0;
        for (int step = 0; step < 90; ++step) {
            const int action = random.bounded(8);
            if (action == 0 && !receipts.isEmpty()) {
                const QString victim = receipts.takeAt(random.bounded(receipts.size()));
                QVERIFY(!deleteReceipt(db, April, victim));
            } else if (action == 1 && !transfers.isEmpty()) {
                const QString victim = transfers.takeAt(random.bounded(transfers.size()));
                QVERIFY(!wiptransfer::deleteTransfer(db, April, victim));
            } else if (action <= 3) {
                // Up to a fifth more than the whole lot: some are refused as more than is left.
                wiptransfer::TransferRequest r;
                r.shown = April;
                r.lotSerial = lots.at(random.bounded(lots.size()));
                r.selected = true;
                r.quantity = QString::number(lotQuantity.value(r.lotSerial) * random.bounded(1200) / 1000.0, 'f', 4);
                r.day = QStringLiteral("20");
                r.audit = TestBooks::fixedAudit();
                const Checked<wiptransfer::TransferSaved> s = wiptransfer::saveTransfer(db, r);
                if (s.ok()) {
                    transfers << s.value.serial;
                    ++transferred;
                } else {
                    QVERIFY2(s.refusal->focus == wiptransfer::QuantityBox, qPrintable(s.refusal->text));
                }
            } else {
                const QString product = random.bounded(2) ? "P1" : "P2";
                const QString quantity = QString::number(random.bounded(30000) / 10000.0, 'f', 4);
                const Checked<ReceiptSaved> s = saveReceipt(db, receiptRequest(product, quantity));
                if (s.ok()) {
                    receipts << s.value.serial;
                    ++saved;
                } else {
                    QVERIFY2(s.refusal->text == cannotSave || s.refusal->focus == QuantityBox,
                             qPrintable(s.refusal->text));
                }
            }
            recreateWipBalanceTables(db);
            refillWipBalances(db, April);
            const ResultSet balances = db.query("Select * From MC_JeyGongPumChaongGoTaAc_SumVw02");
            for (int i = 0; i < balances.size(); ++i) {
                QVERIFY2(balances.number(i, "JeyGo_SuKg") >= -0.00005, qPrintable(balances.text(i, "Gong_GongSerial")));
                QVERIFY(balances.number(i, "JeyGo_GaAmt") >= -0.00005 * 20);
            }
            const ResultSet perMaterial = db.query(
                "Select R.JeyPum_JeyPumCode, R.JeyPum_SuKg, C.InGong_WonCode, total(C.InGong_SuKg) As Taken, count(*) "
                "As Slices From MC_ChaongGoJeyPumInPut R Inner Join MC_ChaongGoJeyGongPumInJeyGong C On "
                "C.InGong_JeyPumSerial = R.JeyPum_Serial Group By R.JeyPum_Serial, C.InGong_WonCode");
            for (int i = 0; i < perMaterial.size(); ++i) {
                const double need =
                    perMaterial.number(i, "JeyPum_SuKg") *
                    perUnit[perMaterial.text(i, "JeyPum_JeyPumCode")][perMaterial.text(i, "InGong_WonCode")];
                QVERIFY(std::fabs(perMaterial.number(i, "Taken") - need) <= 0.0001 * perMaterial.number(i, "Slices"));
            }
            const ResultSet sums = db.query(
                "Select R.JeyPum_TotGaAmt - (Select total(C.InGong_WoulAmtTot) From MC_ChaongGoJeyGongPumInJeyGong C "
                "Where C.InGong_JeyPumSerial = R.JeyPum_Serial) As Gap From MC_ChaongGoJeyPumInPut R");
            for (int i = 0; i < sums.size(); ++i)
                QVERIFY(std::fabs(sums.number(i, "Gap")) < 1e-9);
        }
        QVERIFY(saved > 10);
        QVERIFY(transferred > 10);
        // Nothing offered more than its lot holds, and a lot taken whole offers nothing more.
        refillAvailability(db, April);
        const ResultSet offers = db.query("Select SumVw_Serial, SumVw_SuKg From MC_JeyGongPumTaAcChaongGo_SumVw02");
        for (int i = 0; i < offers.size(); ++i)
            QVERIFY(offers.number(i, "SumVw_SuKg") <= lotQuantity.value(offers.text(i, "SumVw_Serial")) + 1e-9);
    }
};

QTEST_GUILESS_MAIN(WarehouseTest)
#include "tst_warehouse.moc"
