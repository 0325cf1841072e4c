#include "ProductBooks.h"
#include "common/Messages.h"
#include "entries/EntryWarnings.h"
#include "entries/ShipmentLists.h"
#include "entries/ShipmentViewers.h"

#include <QRandomGenerator>

using namespace zedur;
using namespace zedur::shipments;
using test::April;
using test::TestBooks;

Q_DECLARE_METATYPE(std::optional<double>)
Q_DECLARE_METATYPE(zedur::shipments::MovementKind)
Q_DECLARE_METATYPE(zedur::shipments::MovementNumbers)

namespace {
const QString CRLF = "\r\n";
const QString stockText =
    "현재 창고에 있는 제품매출원가 제품 재고량(중량)은" + CRLF + "제품 재고를 초과하여 등록된 수량입니다.......";
const QString zeroText = "현재 수량(중량)의 출고매출(타 계정 대체)은 완제품 재고가 제로[0.00] 입니다.......";
const QString belowOnSave =
    "매출 출고 단가는" + CRLF + "현재 창고에 입고된 제품매출원가단가보다는" + CRLF + "작은 단가입니다.......";
const QString beforeReceipt = "현재 창고에 입고된 기준일자 보다는" + CRLF + "작은 일자입니다.......";
const QString onlyApril = "미마감된 2005년과 04월만" + LB + "등록,수정,삭제등이 가능합니다........";

// A receipt's balance as the work table holds it.
struct Balance {
    double received, shipped, transferred, remaining;
};

Balance balanceOf(Db &db, const QString &receipt)
{
    const ResultSet rs =
        db.query("Select * From MC_ChaongGoChulGoTaAc_SumVw02 Where JeyPum_JeyPumSerial = :s", {{":s", receipt}});
    if (rs.size() != 1)
        throw std::runtime_error("no single balance row");
    return {rs.number(0, "JeyPum_JeyPumSuKg"), rs.number(0, "JeyPum_ChulGoSuKg"), rs.number(0, "JeyPum_TaAcSuKg"),
            rs.number(0, "JeyPum_JeyGoSuKg")};
}

ResultSet rowOf(Db &db, const QString &table, const QString &serialColumn, const QString &serial)
{
    return db.query(QString("Select * From %1 Where %2 = :s").arg(table, serialColumn), {{":s", serial}});
}

int count(Db &db, const QString &table)
{
    return db.scalar("Select count(*) From " + table).toInt();
}

} // namespace

class ShipmentsTest : public QObject
{
    Q_OBJECT

private slots:
    void workTablesHoldWhatIsLeftOfEachReceipt()
    {
        TestBooks books;
        Db &db = books.db();
        recreateProductBalanceTables(db);
        const QString r = test::tenAtThousand(db);
        const QString untouched = test::addProductReceipt(db, 4, {0, 0, 0, 0, 0, 100});
        test::ship(db, test::movement(r, MovementKind::Sale, "3"));
        test::ship(db, test::movement(r, MovementKind::Transfer, "2"));
        // A return row of the month draws on no receipt and is no shipment.
        db.exec("Insert InTo MC_ChaongGoJeyPumInPut_ChulGo (ChulGo_Serial, ChulGo_Year, ChulGo_Month, ChulGo_SuKg, "
                "ChulGo_JeyPumSerial, ChulGo_Kubun) Values ('Z0000000001', '2005', '04', -7, '', '반품매출액')");
        refillProductBalances(db, April);
        QCOMPARE(count(db, productbalances::Movements), 4);
        QCOMPARE(count(db, productbalances::PerReceipt), 2);
        const Balance b = balanceOf(db, r);
        QCOMPARE(b.received, 10.0);
        QCOMPARE(b.shipped, 3.0);
        QCOMPARE(b.transferred, 2.0);
        QCOMPARE(b.remaining, 5.0);
        QCOMPARE(remainingProductQuantity(db, r), 5.0);
        QCOMPARE(balanceOf(db, untouched).remaining, 4.0);
        QVERIFY(!db.scalar("Select JeyPum_ChulGoSuKg From MC_ChaongGoChulGoTaAc_SumVw02 Where JeyPum_JeyPumSerial = :s",
                           {{":s", untouched}})
                     .isNull());

        // Another month's figures are not this month's.
        refillProductBalances(db, {"2005", "05"});
        QCOMPARE(count(db, productbalances::Movements), 0);
        QCOMPARE(count(db, productbalances::PerReceipt), 0);

        // Left over with other columns: dropped and made anew.
        db.exec("Drop Table MC_ChaongGoChulGoTaAc_SumVw02");
        db.exec("Create Table MC_ChaongGoChulGoTaAc_SumVw02 (Old Text)");
        recreateProductBalanceTables(db);
        refillProductBalances(db, April);
        QCOMPARE(balanceOf(db, r).remaining, 5.0);
    }

    void theListShowsTheMonthsReceiptsWithWhatIsLeft_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("sort");
        QTest::addColumn<QStringList>("dates");
        QTest::newRow("all, by serial") << "전체"
                                        << "x"
                                        << "저장순서" << QStringList{"2005-04-05", "2005-04-02", "2005-04-09"};
        QTest::newRow("all, by date") << "전체"
                                      << ""
                                      << "기준일자" << QStringList{"2005-04-02", "2005-04-05", "2005-04-09"};
        QTest::newRow("by memo, blanks ignored") << "적요사항"
                                                 << "특 별"
                                                 << "저장순서" << QStringList{"2005-04-09"};
        QTest::newRow("by product code") << "완제품코드"
                                         << "p002"
                                         << "제품코드" << QStringList{"2005-04-02"};
    }
    void theListShowsTheMonthsReceiptsWithWhatIsLeft()
    {
        QFETCH(QString, item);
        QFETCH(QString, text);
        QFETCH(QString, sort);
        QFETCH(QStringList, dates);
        TestBooks books;
        Db &db = books.db();
        recreateProductBalanceTables(db);
        const QString r = test::tenAtThousand(db);
        const QString empty = test::addProductReceipt(db, 0, {0, 0, 0, 0, 0, 0}, April, "02");
        db.exec("UpDate MC_ChaongGoJeyPumInPut Set JeyPum_JeyPumCode = 'P002' Where JeyPum_Serial = :s",
                {{":s", empty}});
        const QString special = test::addProductReceipt(db, 2, {0, 0, 0, 0, 0, 20}, April, "09");
        db.exec("UpDate MC_ChaongGoJeyPumInPut Set JeyPum_TextMemo = '특별주문' Where JeyPum_Serial = :s",
                {{":s", special}});
        test::addProductReceipt(db, 3, {0, 0, 0, 0, 0, 30}, {"2005", "03"});
        test::ship(db, test::movement(r, MovementKind::Sale, "3"));
        test::ship(db, test::movement(r, MovementKind::Transfer, "1.5"));
        refillProductBalances(db, April);
        const ResultSet list = db.query(receiptList(April, item, text, sort).whole());
        QStringList shown;
        for (int i = 0; i < list.size(); ++i)
            shown << list.text(i, "JeyPum_Date");
        QCOMPARE(shown, dates);
        const int first = list.find("JeyPum_Serial", r);
        if (first >= 0) {
            QCOMPARE(list.number(first, "JeyPum_DanGa"), 100.0);
            QCOMPARE(list.number(first, "JeyPum_ChulGoSuKg"), 3.0);
            QCOMPARE(list.number(first, "JeyPum_TaAcSuKg"), 1.5);
            QCOMPARE(list.number(first, "JeyPum_JeyGoSuKg"), 5.5);
            QCOMPARE(list.text(first, "JeyPum_Year"), QString("2005"));
        }
        const int none = list.find("JeyPum_Serial", empty);
        if (none >= 0)
            QVERIFY(list.value(none, "JeyPum_DanGa").isNull()); // blank, never a price of 0
    }

    void pickingAReceiptProposesAllThatIsLeftAtCost_data()
    {
        QTest::addColumn<double>("remaining");
        QTest::addColumn<std::optional<double>>("unitCost");
        QTest::addColumn<MovementNumbers>("shown");
        QTest::newRow("ten at a hundred")
            << 10.0 << std::optional<double>(100.0) << MovementNumbers{"10.0000", "100.0000", "1,000.0000"};
        QTest::newRow("binary residue is the figure shown")
            << 0.09999999999999998 << std::optional<double>(100.0) << MovementNumbers{"0.1000", "100.0000", "10.0000"};
        QTest::newRow("a third: price cut, amount of the shown figures")
            << 3.0 << std::optional<double>(100.0 / 3) << MovementNumbers{"3.0000", "33.3333", "99.9999"};
        QTest::newRow("no unit cost: blank price")
            << 0.0 << std::optional<double>() << MovementNumbers{"0.0000", "", "0.0000"};
        QTest::newRow("more went out than came in")
            << -2.0 << std::optional<double>(5.0) << MovementNumbers{"-2.0000", "5.0000", "-10.0000"};
    }
    void pickingAReceiptProposesAllThatIsLeftAtCost()
    {
        QFETCH(double, remaining);
        QFETCH(std::optional<double>, unitCost);
        QFETCH(MovementNumbers, shown);
        QCOMPARE(proposeMovement(remaining, unitCost), shown);
    }

    void leavingTheQuantity_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("remaining");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("message");
        QTest::addColumn<MovementNumbers>("shown");
        const MovementNumbers kept{"", "80", ""};
        QTest::newRow("part of it") << "3" << 10.0 << false << "" << MovementNumbers{"3.0000", "80", "240.0000"};
        QTest::newRow("all of it") << "10" << 10.0 << false << "" << MovementNumbers{"10.0000", "80", "800.0000"};
        QTest::newRow("the last 0.1 of 1 after 0.9")
            << "0.1" << 0.09999999999999998 << false << "" << MovementNumbers{"0.1000", "80", "8.0000"};
        QTest::newRow("cut to five decimals, four shown")
            << "1.234567" << 10.0 << false << "" << MovementNumbers{"1.2346", "80", "98.7680"};
        QTest::newRow("empty is zero") << "" << 10.0 << false << "" << MovementNumbers{"0.0000", "80", "0.0000"};
        QTest::newRow("more than is left") << "10.0001" << 10.0 << true << stockText << kept;
        QTest::newRow("no number") << "1.2.3" << 10.0 << true << "" << kept;
    }
    void leavingTheQuantity()
    {
        QFETCH(QString, typed);
        QFETCH(double, remaining);
        QFETCH(bool, refused);
        QFETCH(QString, message);
        QFETCH(MovementNumbers, shown);
        const Checked<MovementNumbers> left = leaveQuantity({typed, "80", ""}, remaining);
        QCOMPARE(left.ok(), !refused);
        if (refused) {
            QCOMPARE(left.refusal->text, message);
            QCOMPARE(left.refusal->focus, QString("edIn_SuKg"));
            return;
        }
        QCOMPARE(left.value, shown);
    }

    void leavingThePrice_data()
    {
        QTest::addColumn<MovementKind>("kind");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<std::optional<double>>("unitCost");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<bool>("warned");
        const std::optional<double> third = 100.0 / 3;
        QTest::newRow("sale above cost") << MovementKind::Sale << "80" << third << "80.0000"
                                         << "240.0000" << false;
        QTest::newRow("sale below cost stays, warned") << MovementKind::Sale << "20" << third << "20.0000"
                                                       << "60.0000" << true;
        QTest::newRow("sale at the four decimals shown is below the cost")
            << MovementKind::Sale << "33.3333" << third << "33.3333"
            << "99.9999" << true;
        QTest::newRow("sale cut to five decimals") << MovementKind::Sale << "33.333339" << third << "33.3333"
                                                   << "99.9999" << false;
        QTest::newRow("transfer goes back to cost") << MovementKind::Transfer << "80" << third << "33.3333"
                                                    << "99.9999" << false;
        QTest::newRow("transfer without a unit cost") << MovementKind::Transfer << "80" << std::optional<double>() << ""
                                                      << "0.0000" << false;
        QTest::newRow("no kind chosen") << MovementKind::None << "12.345678" << third << "12.3457"
                                        << "37.0371" << false;
    }
    void leavingThePrice()
    {
        QFETCH(MovementKind, kind);
        QFETCH(QString, typed);
        QFETCH(std::optional<double>, unitCost);
        QFETCH(QString, price);
        QFETCH(QString, amount);
        QFETCH(bool, warned);
        const Checked<PriceLeft> left = leavePrice(kind, {"3.0000", typed, "1.0000"}, unitCost);
        QVERIFY(left.ok());
        QCOMPARE(left.value.numbers, (MovementNumbers{"3.0000", price, amount}));
        QCOMPARE(!left.value.warning.isEmpty(), warned);
        if (warned)
            QCOMPARE(left.value.warning, "매출 출고 단가는" + CRLF + "현재 창고에 입고된" + CRLF +
                                             "제품매출원가단가[33.333333333]보다는  " + CRLF +
                                             "작은 단가입니다.......");
    }

    void leavingTheAmountKeepsWhatWasTyped()
    {
        const Checked<MovementNumbers> left = leaveAmount({"3.0000", "80.0000", "250.12345"});
        QVERIFY(left.ok());
        QCOMPARE(left.value.amount, QString("250.1235"));
        QVERIFY(!leaveAmount({"3", "80", "1.2.3"}).ok());
    }

    void leavingTheDay_data()
    {
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("date");
        QTest::newRow("after the receipt") << "7"
                                           << ""
                                           << "2005-04-07";
        QTest::newRow("on the receipt's day") << "05"
                                              << ""
                                              << "2005-04-05";
        QTest::newRow("before the receipt") << "4" << beforeReceipt << "";
        QTest::newRow("not on the calendar") << "31"
                                             << "2005-04-31 : 유효하지 않은 날짜 형식입니다."
                                             << "";
        QTest::newRow("not a whole number") << "1."
                                            << "2005-04-1. : 유효하지 않은 날짜 형식입니다."
                                            << "";
    }
    void leavingTheDay()
    {
        QFETCH(QString, day);
        QFETCH(QString, message);
        QFETCH(QString, date);
        test::compareDayLeft(leaveMovementDay(April, day, "2005-04-05"), message, date);
    }

    void aSaleCarriesTheReceiptsCostOfGoodsSold()
    {
        TestBooks books;
        Db &db = books.db();
        const QString r = test::tenAtThousand(db);
        // Shipped before: the cost of 3 is 3/10 of the receipt, whatever went out before.
        test::ship(db, test::movement(r, MovementKind::Sale, "4"));
        shipments::MovementRequest request = test::movement(r, MovementKind::Sale, "3", "123.45678", "21");
        request.texts["SaleName"] = " 한빛'상사 ";
        request.textMemo = " 4월 '특판' 매출 ";
        request.bigo = "비 고";
        const QString serial = test::ship(db, request);

        const ResultSet row = rowOf(db, "MC_ChaongGoJeyPumInPut_ChulGo", "ChulGo_Serial", serial);
        QCOMPARE(row.columns().size(), 31);
        for (const QString &column : row.columns())
            QVERIFY2(!row.value(0, column).isNull(), qPrintable(column)); // every column written
        QCOMPARE(row.text(0, "ChulGo_Date"), QString("2005-04-21"));
        QCOMPARE(row.text(0, "ChulGo_Year"), QString("2005"));
        QCOMPARE(row.text(0, "ChulGo_Month"), QString("04"));
        QCOMPARE(row.text(0, "ChulGo_JeyPumCode"), QString("P001"));
        QCOMPARE(row.text(0, "ChulGo_JeyPumName"), QString("책상"));
        QCOMPARE(row.text(0, "ChulGo_SaleName"), QString("한빛상사"));
        QCOMPARE(row.text(0, "ChulGo_TextMemo"), QString("4월특판매출"));
        QCOMPARE(row.text(0, "ChulGo_Bigo"), QString("비고"));
        QCOMPARE(row.number(0, "ChulGo_SuKg"), 3.0);
        QCOMPARE(row.number(0, "ChulGo_DanGa"), 123.4568);
        QCOMPARE(row.number(0, "ChulGo_GaAmt"), 370.3704);
        QCOMPARE(row.number(0, "ChulGo_WonJaJeyAmt"), 300.0);
        QCOMPARE(row.text(0, "ChulGo_JeyPumSerial"), r);
        QCOMPARE(row.text(0, "ChulGo_Kubun"), QString("정기매출출고"));
        QCOMPARE(row.text(0, "ChulGo_Check_01"), QString(""));
        QCOMPARE(row.text(0, "ChulGo_Check_03"), TestBooks::fixedAudit().volumeSerial);
        QCOMPARE(row.text(0, "ChulGo_SaveDate"), TestBooks::fixedAudit().saveDate);
        for (const char *link : {"BanPum_ChulGoSerial", "BanPum_ChulGoJeyPumSerial", "BanPum_NewJeyPumSerial"})
            QCOMPARE(row.value(0, link).toString(), QString(""));
        QCOMPARE(count(db, "MC_ChaongGoJeyPumInPut_TaAc"), 0);
    }

    void anAmountTypedOnPurposeStands_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<bool>("typed");
        QTest::addColumn<double>("stored");
        QTest::newRow("typed") << "1,000.12345" << true << 1000.1235;
        QTest::newRow("left stale: worked out again") << "1.0000" << false << 240.0;
    }
    void anAmountTypedOnPurposeStands()
    {
        QFETCH(QString, amount);
        QFETCH(bool, typed);
        QFETCH(double, stored);
        TestBooks books;
        Db &db = books.db();
        shipments::MovementRequest request = test::movement(test::tenAtThousand(db), MovementKind::Sale, "3");
        request.numbers.amount = amount;
        request.amountTyped = typed;
        const QString serial = test::ship(db, request);
        QCOMPARE(rowOf(db, "MC_ChaongGoJeyPumInPut_ChulGo", "ChulGo_Serial", serial).number(0, "ChulGo_GaAmt"), stored);
    }

    void aTransferCarriesEveryCostColumnAndNoPrice()
    {
        TestBooks books;
        Db &db = books.db();
        const QString r = test::addProductReceipt(db, 7, {100, 10, 20, 0.05, 7, 137.05});
        const QString serial = test::ship(db, test::movement(r, MovementKind::Transfer, "3", "999"));
        const ResultSet row = rowOf(db, "MC_ChaongGoJeyPumInPut_TaAc", "TaJeyPum_Serial", serial);
        QCOMPARE(row.columns().size(), 31);
        for (const QString &column : row.columns())
            QVERIFY2(!row.value(0, column).isNull(), qPrintable(column));
        QCOMPARE(row.number(0, "TaJeyPum_SuKg"), 3.0);
        QCOMPARE(row.number(0, "TaJeyPum_GaAmt"), 42.8571);
        QCOMPARE(row.number(0, "TaJeyPum_JenGiNoMu"), 4.2857);
        QCOMPARE(row.number(0, "TaJeyPum_DaongNoMu"), 8.5714);
        QCOMPARE(row.number(0, "TaJeyPum_JenGiJeyJo"), 0.0214);
        QCOMPARE(row.number(0, "TaJeyPum_DaongJeyJo"), 3.0);
        QCOMPARE(row.number(0, "TaJeyPum_TotGaAmt"), 58.7357);
        QCOMPARE(row.text(0, "TaJeyPum_Kubun"), QString("당월타계정"));
        QCOMPARE(row.text(0, "TaJeyPum_JeyPumSerial"), r);
        QCOMPARE(row.text(0, "TaJeyPum_TextMemo"), QString("4월매출"));
        QCOMPARE(count(db, "MC_ChaongGoJeyPumInPut_ChulGo"), 0);
    }

    void aSaveIsRefusedInTheScreensOrder_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("clears");
        QTest::newRow("receipt closed") << "closed" << warnings::closedData() << "" << true;
        QTest::newRow("closed before more than is left") << "closed,30" << warnings::closedData() << "" << true;
        QTest::newRow("another month shown") << "may" << onlyApril << "" << true;
        QTest::newRow("more than is left") << "10.0001" << stockText << "edIn_SuKg" << false;
        QTest::newRow("no kind") << "nokind"
                                 << "저장 등록 구분을 먼저 선택 하세요......."
                                 << "cbInKubun" << false;
        QTest::newRow("no kind before an empty day") << "nokind,noday"
                                                     << "저장 등록 구분을 먼저 선택 하세요......."
                                                     << "cbInKubun" << false;
        QTest::newRow("price no number") << "price1.2.3"
                                         << ""
                                         << "edIn_DanGa" << false;
        QTest::newRow("quantity no number") << "1.2.3"
                                            << ""
                                            << "edIn_SuKg" << false;
        QTest::newRow("quantity empty") << "empty"
                                        << ""
                                        << "edIn_SuKg" << false;
        QTest::newRow("day empty") << "noday"
                                   << ""
                                   << "edIn_Date" << false;
        QTest::newRow("day not on the calendar") << "day31"
                                                 << "2005-04-31 : 유효하지 않은 날짜 형식입니다."
                                                 << "edIn_Date" << false;
        QTest::newRow("zero") << "0" << zeroText << "edIn_SuKg" << false;
        QTest::newRow("less than the four decimals kept") << "0.00001" << zeroText << "edIn_SuKg" << false;
        QTest::newRow("receipt gone") << "gone"
                                      << "'A0000000009'  검색한 데이타가 없습니다....."
                                      << "" << false;
        QTest::newRow("before the receipt's date") << "day04" << beforeReceipt << "edIn_Date" << false;
    }
    void aSaveIsRefusedInTheScreensOrder()
    {
        QFETCH(QString, change);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        QFETCH(bool, clears);
        TestBooks books;
        Db &db = books.db();
        const QString r = test::tenAtThousand(db);
        shipments::MovementRequest request = test::movement(r, MovementKind::Sale, "3");
        for (const QString &c : change.split(',')) {
            if (c == "closed")
                db.exec("UpDate MC_ChaongGoJeyPumInPut Set JeyPum_Check_01 = '마감완료'");
            else if (c == "may")
                request.shown = test::May;
            else if (c == "nokind")
                request.kind = MovementKind::None;
            else if (c == "noday")
                request.day = "";
            else if (c.startsWith("day"))
                request.day = c.mid(3);
            else if (c.startsWith("price"))
                request.numbers.price = c.mid(5);
            else if (c == "empty")
                request.numbers.quantity = "";
            else if (c == "gone")
                request.receiptSerial = "A0000000009";
            else
                request.numbers.quantity = c;
        }
        const MovementSaved saved = saveMovement(db, request);
        QVERIFY(saved.refusal);
        QCOMPARE(saved.refusal->text, message);
        QCOMPARE(saved.refusal->focus, focus);
        QCOMPARE(saved.refusal->clearsBoxes, clears);
        QCOMPARE(count(db, "MC_ChaongGoJeyPumInPut_ChulGo") + count(db, "MC_ChaongGoJeyPumInPut_TaAc"), 0);
    }

    void aSaleBelowCostIsWarnedAndSaved()
    {
        TestBooks books;
        Db &db = books.db();
        const QString r = test::tenAtThousand(db);
        MovementSaved saved = saveMovement(db, test::movement(r, MovementKind::Sale, "3", "99.99999"));
        QCOMPARE(saved.notices, QStringList{belowOnSave});
        QVERIFY(!saved.refusal);
        QCOMPARE(count(db, "MC_ChaongGoJeyPumInPut_ChulGo"), 1);

        // The warning comes before a refusal that follows it; a transfer is never below cost.
        saved = saveMovement(db, test::movement(r, MovementKind::Sale, "3", "1", ""));
        QCOMPARE(saved.notices, QStringList{belowOnSave});
        QVERIFY(saved.refusal);
        saved = saveMovement(db, test::movement(r, MovementKind::Transfer, "3", "1"));
        QVERIFY(saved.notices.isEmpty());
        QVERIFY(!saved.refusal);
    }

    void whatIsLeftIsComparedAtTheFourDecimalsShown()
    {
        TestBooks books;
        Db &db = books.db();
        const QString r = test::addProductReceipt(db, 1, {0, 0, 0, 0, 0, 10});
        test::ship(db, test::movement(r, MovementKind::Sale, "0.9"));
        QVERIFY(remainingProductQuantity(db, r) < 0.1);
        test::ship(db, test::movement(r, MovementKind::Transfer, "0.1"));
        const MovementSaved more = saveMovement(db, test::movement(r, MovementKind::Sale, "0.0001"));
        QVERIFY(more.refusal);
        QCOMPARE(more.refusal->text, stockText);
    }

    void aReceiptOfAnEarlierMonthOrCarriedForwardIsDrawnOnInItsOwnMonthOnly()
    {
        TestBooks books;
        Db &db = books.db();
        // Stock carried into April is shipped like any other.
        const QString carried = test::addProductReceipt(db, 5, {0, 0, 0, 0, 0, 50}, April, "01", "전기이월");
        test::ship(db, test::movement(carried, MovementKind::Sale, "5"));
        // A receipt of the closed March is not drawn on in April.
        const QString march = test::addProductReceipt(db, 5, {0, 0, 0, 0, 0, 50}, {"2005", "03"}, "10");
        const MovementSaved saved = saveMovement(db, test::movement(march, MovementKind::Sale, "1"));
        QVERIFY(saved.refusal);
        QCOMPARE(saved.refusal->text, onlyApril);
        QCOMPARE(count(db, "MC_ChaongGoJeyPumInPut_ChulGo"), 1);
    }

    void theViewersDeleteWhatTheStoredRowAllows_data()
    {
        QTest::addColumn<bool>("sale");
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("message"); // empty: deleted
        const QString closed =
            "선택된 데이타는" + LB + "마감완료된 데이타라" + LB + "삭제가 불가능한 데이타입니다.......";
        for (const bool sale : {true, false}) {
            const char *what = sale ? "sale" : "transfer";
            QTest::addRow("%s deleted", what) << sale << ""
                                              << "";
            QTest::addRow("%s of a month closed meanwhile", what) << sale << "closed" << closed;
            QTest::addRow("%s, nothing picked", what) << sale << "nothing" << warnings::pickRowToDelete();
            QTest::addRow("%s deleted meanwhile", what) << sale << "gone" << warnings::pickRowToDelete();
            QTest::addRow("%s, another month shown", what) << sale << "may" << onlyApril;
        }
        QTest::newRow("a return row") << true << "return"
                                      << "선택된 데이타는" + LB + "반품매출된 데이타라" + LB +
                                             "삭제가 불가능한 데이타입니다.......";
    }
    void theViewersDeleteWhatTheStoredRowAllows()
    {
        QFETCH(bool, sale);
        QFETCH(QString, change);
        QFETCH(QString, message);
        TestBooks books;
        Db &db = books.db();
        const QString r = test::tenAtThousand(db);
        QString serial = test::ship(db, test::movement(r, sale ? MovementKind::Sale : MovementKind::Transfer, "3"));
        Period shown = April;
        if (change == "closed")
            db.exec(sale ? "UpDate MC_ChaongGoJeyPumInPut_ChulGo Set ChulGo_Check_01 = '마감완료'"
                         : "UpDate MC_ChaongGoJeyPumInPut_TaAc Set TaJeyPum_Check_01 = '마감완료'");
        else if (change == "nothing")
            serial = "";
        else if (change == "gone")
            db.exec(sale ? "Delete From MC_ChaongGoJeyPumInPut_ChulGo" : "Delete From MC_ChaongGoJeyPumInPut_TaAc");
        else if (change == "may")
            shown = test::May;
        else if (change == "return")
            db.exec("UpDate MC_ChaongGoJeyPumInPut_ChulGo Set ChulGo_Kubun = '반품매출액'");
        period::markAllocationDone(db);
        const int before = count(db, "MC_ChaongGoJeyPumInPut_ChulGo") + count(db, "MC_ChaongGoJeyPumInPut_TaAc");
        const Verdict v = sale ? deleteShipment(db, shown, serial) : deleteProductTransfer(db, shown, serial);
        const QString state = period::theOpenPeriod(db)->state;
        const int after = count(db, "MC_ChaongGoJeyPumInPut_ChulGo") + count(db, "MC_ChaongGoJeyPumInPut_TaAc");
        if (message.isEmpty()) {
            QVERIFY(!v);
            QCOMPARE(after, before - 1);
            QCOMPARE(state, period::Recalculate);
            return;
        }
        QVERIFY(v);
        QCOMPARE(v->text, message);
        QCOMPARE(v->focus, sale ? ShipmentViewerSerialBox : TransferViewerSerialBox);
        QVERIFY(!v->clearsBoxes);
        QCOMPARE(after, before);
        QCOMPARE(state, period::Open);
    }

    void randomMovementsNeverTakeMoreThanIsLeft()
    {
        TestBooks books;
        Db &db = books.db();
        QRandomGenerator random(20050417);
        QStringList receipts;
        for (int i = 0; i < 8; ++i)
            receipts << test::addProductReceipt(db, 5 + random.bounded(2000) / 100.0,
                                                {0, 0, 0, 0, 0, 10 + random.bounded(100000) / 100.0});
        int saved = 0;
        for (int i = 0; i < 150; ++i) {
            const QString r = receipts.at(random.bounded(receipts.size()));
            const double left = remainingProductQuantity(db, r);
            // Tenths leave binary residues (1 - 0.9 is 0.09999999999999998); now and then exactly
            // what is left, residue and all; now and then a little more than is left.
            const int way = random.bounded(5);
            const double tenths = (1 + random.bounded(20)) / 10.0;
            const double q = left > 3 ? tenths : way == 0 ? left : way == 1 ? left + 0.0001 : tenths;
            const MovementKind kind = random.bounded(2) ? MovementKind::Sale : MovementKind::Transfer;
            const MovementSaved result = saveMovement(db, test::movement(r, kind, QString::number(q, 'f', 10), "10"));
            saved += result.refusal ? 0 : 1;
        }
        QVERIFY2(saved > 60 && saved < 150, qPrintable(QString::number(saved)));
        recreateProductBalanceTables(db);
        refillProductBalances(db, April);
        for (const QString &r : receipts)
            QVERIFY2(balanceOf(db, r).remaining >= -0.00005, qPrintable(r));
        // Each sale's cost is its share of its receipt.
        const ResultSet sales = db.query("Select S.ChulGo_SuKg, S.ChulGo_WonJaJeyAmt, R.JeyPum_SuKg, R.JeyPum_TotGaAmt "
                                         "From MC_ChaongGoJeyPumInPut_ChulGo S Inner Join MC_ChaongGoJeyPumInPut R "
                                         "On R.JeyPum_Serial = S.ChulGo_JeyPumSerial");
        for (int i = 0; i < sales.size(); ++i)
            QVERIFY(std::fabs(sales.number(i, "ChulGo_WonJaJeyAmt") -
                              sales.number(i, "JeyPum_TotGaAmt") * sales.number(i, "ChulGo_SuKg") /
                                  sales.number(i, "JeyPum_SuKg")) <= 0.00005 + 1e-9);
    }
};

QTEST_GUILESS_MAIN(ShipmentsTest)
#include "tst_shipments.moc"
