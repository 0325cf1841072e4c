#include "ProductBooks.h"
#include "common/Messages.h"
#include "entries/EntryWarnings.h"
#include "entries/ShipmentLists.h"
#include "store/StoreError.h"

#include <QRandomGenerator>

using namespace zedur;
using namespace zedur::salesreturns;
using test::April;
using test::May;
using test::TestBooks;

Q_DECLARE_METATYPE(zedur::salesreturns::ReturnBoxes)

namespace {
const QString CRLF = "\r\n";
const QString exceedsText = "매출된 수량 보다" + CRLF + "초과하여 등록된 수량입니다.......";
const QString zeroText = "등록된 수량은 0[제로] 수량입니다.......";
const QString sameMonthText =
    "선택된 데이타는" + CRLF + "등록 가능한 년도와 월이 같으므로" + CRLF + "등록이 불가능합니다.......";
const QString twoLB = LB + LB;
const QString returnedAlready = "반품 매출액로" + twoLB + "등록된 데이타가 있으므로 " + twoLB +
                                "추가 반품 매출 등록은" + twoLB + "불가능합니다...................... ";
const QString onlyMay = "미마감된 2005년과 05월만" + LB + "등록,수정,삭제등이 가능합니다........";

ResultSet rowOf(Db &db, const QString &table, const QString &serialColumn, const QString &serial)
{
    return db.query(QString("Select * From %1 Where %2 = :s").arg(table, serialColumn), {{":s", serial}});
}

int count(Db &db, const QString &table)
{
    return db.scalar("Select count(*) From " + table).toInt();
}

QString newestReturn(Db &db)
{
    return db.scalar("Select Max(ChulGo_Serial) From MC_ChaongGoJeyPumInPut_ChulGo Where ChulGo_Kubun = '반품매출액'")
        .toString();
}

ReturnDelete deleteOf(const QString &serial, const Period &open = May)
{
    return {open, serial, "-3.0000", "반품매출액", "80.0000"};
}

} // namespace

class SalesReturnsTest : public QObject
{
    Q_OBJECT

private slots:
    void aReturnWritesTwoRowsThatNameEachOther()
    {
        TestBooks books;
        Db &db = books.db();
        const QString sale = test::aprilSaleOfTen(db);
        QCOMPARE(rowOf(db, "MC_ChaongGoJeyPumInPut_ChulGo", "ChulGo_Serial", sale).number(0, "ChulGo_WonJaJeyAmt"),
                 500.0);
        QVERIFY(!saveReturn(db, test::returnRequest(sale, "-3")));

        const QString rowSerial = newestReturn(db);
        const ResultSet back = rowOf(db, "MC_ChaongGoJeyPumInPut_ChulGo", "ChulGo_Serial", rowSerial);
        const QString receiptSerial = back.text(0, "BanPum_NewJeyPumSerial");
        const ResultSet receipt = rowOf(db, "MC_ChaongGoJeyPumInPut", "JeyPum_Serial", receiptSerial);
        const ResultSet saleRow = rowOf(db, "MC_ChaongGoJeyPumInPut_ChulGo", "ChulGo_Serial", sale);

        QCOMPARE(receipt.columns().size(), 34);
        for (const QString &column : receipt.columns())
            QVERIFY2(!receipt.value(0, column).isNull(), qPrintable(column));
        QCOMPARE(receipt.text(0, "JeyPum_Date"), QString("2005-05-12"));
        QCOMPARE(receipt.text(0, "JeyPum_Year"), QString("2005"));
        QCOMPARE(receipt.text(0, "JeyPum_Month"), QString("05"));
        QCOMPARE(receipt.text(0, "JeyPum_JeyPumCode"), QString("P001"));
        QCOMPARE(receipt.text(0, "JeyPum_SaleName"), QString("한빛상사"));
        QCOMPARE(receipt.text(0, "JeyPum_TextMemo"), QString("반품 '입고'"));
        QCOMPARE(receipt.text(0, "JeyPum_Bigo"), QString("파손"));
        QCOMPARE(receipt.number(0, "JeyPum_SuKg"), 3.0);
        for (const char *part :
             {"JeyPum_GaAmt", "JeyPum_JenGiNoMu", "JeyPum_DaongNoMu", "JeyPum_JenGiJeyJo", "JeyPum_DaongJeyJo"})
            QCOMPARE(receipt.number(0, part), 0.0);
        QCOMPARE(receipt.number(0, "JeyPum_TotGaAmt"), 150.0);
        QCOMPARE(receipt.text(0, "JeyPum_Kubun"), QString("매출반품입고"));
        QCOMPARE(receipt.text(0, "BanPum_ChulGoSerial"), sale);
        QCOMPARE(receipt.text(0, "BanPum_ChulGoJeyPumSerial"), saleRow.text(0, "ChulGo_JeyPumSerial"));
        QCOMPARE(receipt.text(0, "BanPum_NewChulGoSerial"), rowSerial);
        QCOMPARE(receipt.value(0, "JeyPum_JeyPumSerial").toString(), QString(""));

        QCOMPARE(back.columns().size(), 31);
        for (const QString &column : back.columns())
            QVERIFY2(!back.value(0, column).isNull(), qPrintable(column));
        QCOMPARE(back.text(0, "ChulGo_Date"), QString("2005-05-12"));
        QCOMPARE(back.number(0, "ChulGo_SuKg"), -3.0);
        QCOMPARE(back.number(0, "ChulGo_DanGa"), 80.0);
        QCOMPARE(back.number(0, "ChulGo_GaAmt"), -240.0);
        QCOMPARE(back.number(0, "ChulGo_WonJaJeyAmt"), 150.0);
        QCOMPARE(back.text(0, "ChulGo_Kubun"), QString("반품매출액"));
        QCOMPARE(back.value(0, "ChulGo_JeyPumSerial").toString(), QString(""));
        QCOMPARE(back.text(0, "BanPum_ChulGoSerial"), sale);
        QCOMPARE(back.text(0, "BanPum_ChulGoJeyPumSerial"), saleRow.text(0, "ChulGo_JeyPumSerial"));
        QCOMPARE(back.text(0, "ChulGo_Check_03"), TestBooks::fixedAudit().volumeSerial);

        // The sale itself stays as it was.
        QCOMPARE(saleRow.number(0, "ChulGo_SuKg"), 10.0);
        QCOMPARE(saleRow.text(0, "BanPum_ChulGoSerial"), QString(""));
    }

    void aReturnTakesBackItsShareOfWhatWasCharged_data()
    {
        QTest::addColumn<QString>("charged"); // the amount typed on the sale; empty: quantity x price
        QTest::addColumn<QString>("returned");
        QTest::addColumn<double>("refund");
        QTest::newRow("priced, three of ten") << "" << "-3" << -240.0;
        QTest::newRow("discounted, all of it: the sale undone exactly") << "700" << "-10" << -700.0;
        QTest::newRow("discounted, three of ten") << "700" << "-3" << -210.0;
    }

    // A sale of 10 at 80 returned in the month after: the customer gets back what he paid
    // for the goods he sent back, never more.
    void aReturnTakesBackItsShareOfWhatWasCharged()
    {
        QFETCH(QString, charged);
        QFETCH(QString, returned);
        QFETCH(double, refund);
        TestBooks books;
        Db &db = books.db();
        const QString receipt = test::addProductReceipt(db, 20, {400, 150, 150, 150, 150, 1000});
        shipments::MovementRequest sold = test::movement(receipt, shipments::MovementKind::Sale, "10", "80");
        if (!charged.isEmpty()) {
            sold.numbers.amount = charged;
            sold.amountTyped = true;
        }
        const QString sale = test::ship(db, sold);
        test::closeMonth(db, April);
        QVERIFY(!saveReturn(db, test::returnRequest(sale, returned)));
        const ResultSet back = rowOf(db, "MC_ChaongGoJeyPumInPut_ChulGo", "ChulGo_Serial", newestReturn(db));
        QCOMPARE(back.number(0, "ChulGo_GaAmt"), refund);
        QCOMPARE(back.number(0, "ChulGo_DanGa"), 80.0);
    }

    void theListShowsTheMonthsSalesAndReturns_data()
    {
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("kinds");
        QTest::newRow("April: the sale") << "04"
                                         << "전체" << QStringList{"정기매출출고"};
        QTest::newRow("May, all") << "05"
                                  << "전체" << QStringList{"반품매출액", "정기매출출고"};
        QTest::newRow("May, sales") << "05"
                                    << "정기매출" << QStringList{"정기매출출고"};
        QTest::newRow("May, returns") << "05"
                                      << "반품매출" << QStringList{"반품매출액"};
    }
    void theListShowsTheMonthsSalesAndReturns()
    {
        QFETCH(QString, month);
        QFETCH(QString, kind);
        QFETCH(QStringList, kinds);
        TestBooks books;
        Db &db = books.db();
        const QString sale = test::aprilSaleOfTen(db);
        QVERIFY(!saveReturn(db, test::returnRequest(sale, "-3")));
        test::ship(db,
                   test::movement(test::tenAtThousand(db, May), shipments::MovementKind::Sale, "1", "90", "20", May));
        const ResultSet list = db.query(saleList({"2005", month}, kind, "전체", "", "저장순서").whole());
        QStringList shown;
        for (int i = 0; i < list.size(); ++i)
            shown << list.text(i, "ChulGo_Kubun");
        QCOMPARE(shown, kinds);
    }

    void leavingTheQuantity_data()
    {
        QTest::addColumn<QString>("kubun");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message"); // empty with no focus: accepted
        QTest::addColumn<QString>("focus");
        QTest::addColumn<ReturnBoxes>("shown");
        QTest::newRow("three") << "정기매출출고"
                               << "3"
                               << ""
                               << "" << ReturnBoxes{"-3.0000", "-240.0000"};
        QTest::newRow("already negative") << "정기매출출고"
                                          << "-3"
                                          << ""
                                          << "" << ReturnBoxes{"-3.0000", "-240.0000"};
        QTest::newRow("all of the sale") << "정기매출출고"
                                         << "10"
                                         << ""
                                         << "" << ReturnBoxes{"-10.0000", "-800.0000"};
        QTest::newRow("more than was sold") << "정기매출출고"
                                            << "10.0001" << exceedsText << "edIn_SuKg" << ReturnBoxes{};
        QTest::newRow("zero") << "정기매출출고"
                              << "0" << zeroText << "edIn_SuKg" << ReturnBoxes{};
        QTest::newRow("below the four decimals") << "정기매출출고"
                                                 << "0.00001" << zeroText << "edIn_SuKg" << ReturnBoxes{};
        QTest::newRow("no number") << "정기매출출고"
                                   << "1.2.3"
                                   << ""
                                   << "edIn_SuKg" << ReturnBoxes{};
        QTest::newRow("a return row") << "반품매출액"
                                      << "3"
                                      << "매출 반품의 등록시" + CRLF + "매출액 구분이 [[<<반품매출액>>]]은" + CRLF +
                                             "반품매출을 추가 등록이 불가능합니다 ......."
                                      << "edIn_Date" << ReturnBoxes{};
    }
    void leavingTheQuantity()
    {
        QFETCH(QString, kubun);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        QFETCH(ReturnBoxes, shown);
        const Checked<ReturnBoxes> left = leaveReturnQuantity(kubun, typed, {10, 80, 800, 0});
        QCOMPARE(left.ok(), focus.isEmpty());
        if (left.ok()) {
            QCOMPARE(left.value, shown);
        } else {
            QCOMPARE(left.refusal->text, message);
            QCOMPARE(left.refusal->focus, focus);
        }
    }

    void leavingTheDay_data()
    {
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("saleDate");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("date");
        QTest::newRow("a sale of April") << "7"
                                         << "2005-04-20"
                                         << ""
                                         << "2005-05-07";
        QTest::newRow("a sale of the open month") << "7"
                                                  << "2005-05-02" << sameMonthText << "";
        QTest::newRow("not on the calendar") << "32"
                                             << "2005-04-20"
                                             << "2005-05-32 : 유효하지 않은 날짜 형식입니다."
                                             << "";
        QTest::newRow("letters") << "ab"
                                 << "2005-04-20"
                                 << "2005-05-ab : 유효하지 않은 날짜 형식입니다."
                                 << "";
    }
    void leavingTheDay()
    {
        QFETCH(QString, day);
        QFETCH(QString, saleDate);
        QFETCH(QString, message);
        QFETCH(QString, date);
        test::compareDayLeft(leaveReturnDay(May, day, saleDate), message, date);
    }

    void aSaveIsRefusedInTheScreensOrder_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("clears");
        QTest::newRow("another month shown") << "april" << onlyMay << "" << true;
        QTest::newRow("returned already, before a wrong quantity") << "returned,99" << returnedAlready << "" << true;
        QTest::newRow("a return row") << "returnrow"
                                      << "반품 매출액을" + CRLF + "다시 반품 매출액으로" + CRLF +
                                             "등록이 불가능한 데이타입니다......."
                                      << "edIn_SuKg" << true;
        QTest::newRow("no number") << "1.2.3"
                                   << ""
                                   << "edIn_SuKg" << false;
        QTest::newRow("more than was sold") << "-10.0001" << exceedsText << "edIn_SuKg" << false;
        QTest::newRow("zero") << "0" << zeroText << "edIn_SuKg" << false;
        QTest::newRow("not left, so still positive")
            << "3"
            << "반품 등록 수량은" + CRLF + "0[제로]보다 작은 숫자 이어야 합니다......."
            << "edIn_SuKg" << false;
        QTest::newRow("no day") << "noday"
                                << "매출액 반품 일자를 등록 하세요......."
                                << "edIn_Date" << false;
        QTest::newRow("an impossible day") << "day32"
                                           << "2005-05-32 : 유효하지 않은 날짜 형식입니다."
                                           << "edIn_Date" << false;
        QTest::newRow("a sale of the open month") << "maysale" << sameMonthText << "edIn_Date" << false;
        QTest::newRow("a sale without its link")
            << "dangling"
            << "반품매출액 데이타가 있으므로" + CRLF + "추가 반품 등록이 블가능합니다......"
            << "" << false;
        QTest::newRow("the sale is gone") << "gone"
                                          << "A0000000009  검색한 데이타가 없습니다....."
                                          << "" << false;
    }
    void aSaveIsRefusedInTheScreensOrder()
    {
        QFETCH(QString, change);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        QFETCH(bool, clears);
        TestBooks books;
        Db &db = books.db();
        QString sale = test::aprilSaleOfTen(db);
        ReturnRequest request = test::returnRequest(sale, "-3");
        for (const QString &c : change.split(',')) {
            if (c == "april") {
                request.open = April;
            } else if (c == "returned") {
                QVERIFY(!saveReturn(db, test::returnRequest(sale, "-1")));
            } else if (c == "returnrow") {
                QVERIFY(!saveReturn(db, test::returnRequest(sale, "-1")));
                test::closeMonth(db, May);
                request = test::returnRequest(newestReturn(db), "-1", "12", {"2005", "06"});
            } else if (c == "noday") {
                request.day = "";
            } else if (c.startsWith("day")) {
                request.day = c.mid(3);
            } else if (c == "maysale") {
                const QString r = test::tenAtThousand(db, May);
                request.saleSerial =
                    test::ship(db, test::movement(r, shipments::MovementKind::Sale, "5", "80", "06", May));
            } else if (c == "dangling") {
                db.exec("UpDate MC_ChaongGoJeyPumInPut_ChulGo Set BanPum_ChulGoSerial = NULL");
            } else if (c == "gone") {
                request.saleSerial = "A0000000009";
            } else {
                request.quantity = c;
            }
        }
        const int receipts = count(db, "MC_ChaongGoJeyPumInPut");
        const int shipments = count(db, "MC_ChaongGoJeyPumInPut_ChulGo");
        const Verdict v = saveReturn(db, request);
        QVERIFY(v);
        QCOMPARE(v->text, message);
        QCOMPARE(v->focus, focus);
        QCOMPARE(v->clearsBoxes, clears);
        QCOMPARE(count(db, "MC_ChaongGoJeyPumInPut"), receipts);
        QCOMPARE(count(db, "MC_ChaongGoJeyPumInPut_ChulGo"), shipments);
    }

    void aSaleIsReturnedOnceUntilItsReturnIsDeleted()
    {
        TestBooks books;
        Db &db = books.db();
        const QString sale = test::aprilSaleOfTen(db);
        QVERIFY(!saveReturn(db, test::returnRequest(sale, "-2")));
        const Verdict again = saveReturn(db, test::returnRequest(sale, "-2"));
        QVERIFY(again);
        QCOMPARE(again->text, returnedAlready);

        QVERIFY(!deleteReturn(db, deleteOf(newestReturn(db))));
        QCOMPARE(count(db, "MC_ChaongGoJeyPumInPut_ChulGo"), 1);
        QCOMPARE(db.scalar("Select count(*) From MC_ChaongGoJeyPumInPut Where JeyPum_Kubun = '매출반품입고'").toInt(),
                 0);
        QVERIFY(!saveReturn(db, test::returnRequest(sale, "-10")));
    }

    void aDeleteIsRefusedInTheScreensOrder_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("clears");
        const QString drawn = "반품 매출액의" + twoLB + "제품매출원가 재고 내역 정보가 " + twoLB;
        const QString tail = twoLB + "등록된 정보가 있으므로" + twoLB + "삭제가 불가능합니다...................... ";
        const QString onlyOpen =
            "매출의 반품매출액과" + CRLF + "반품 매출액의 미 마감된 데이타만" + CRLF + "삭제 가능합니다.......";
        QTest::newRow("another month shown") << "april" << onlyMay << "" << true;
        QTest::newRow("receipt transferred, before the shipped test")
            << "transferred,shipped" << drawn + "제품의 타 계정 대체로 " + tail << "" << true;
        QTest::newRow("receipt shipped again") << "shipped" << drawn + "재 출고로 발생 매출이" + tail << "" << true;
        QTest::newRow("nothing shown") << "noquantity"
                                       << "삭제할 데이타를 선택 하세요......."
                                       << "edIn_SuKg" << false;
        QTest::newRow("no kind shown") << "nokubun"
                                       << "삭제할 데이타를 선택 하세요......."
                                       << "edIn_Kubun" << false;
        QTest::newRow("no price shown") << "noprice"
                                        << "삭제할 데이타를 선택 하세요......."
                                        << "edIn_DanGa" << false;
        QTest::newRow("a sale, not a return") << "sale" << onlyOpen << "" << false;
        QTest::newRow("gone meanwhile") << "gone"
                                        << "삭제 검색할 데이타가 없습니다....."
                                        << "" << false;
    }
    void aDeleteIsRefusedInTheScreensOrder()
    {
        QFETCH(QString, change);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        QFETCH(bool, clears);
        TestBooks books;
        Db &db = books.db();
        const QString sale = test::aprilSaleOfTen(db);
        QVERIFY(!saveReturn(db, test::returnRequest(sale, "-3")));
        const QString rowSerial = newestReturn(db);
        const QString receipt =
            rowOf(db, "MC_ChaongGoJeyPumInPut_ChulGo", "ChulGo_Serial", rowSerial).text(0, "BanPum_NewJeyPumSerial");
        ReturnDelete request = deleteOf(rowSerial);
        for (const QString &c : change.split(',')) {
            if (c == "april")
                request.open = April;
            else if (c == "transferred")
                test::ship(db, test::movement(receipt, shipments::MovementKind::Transfer, "1", "0", "20", May));
            else if (c == "shipped")
                test::ship(db, test::movement(receipt, shipments::MovementKind::Sale, "1", "90", "20", May));
            else if (c == "noquantity")
                request.quantity = "";
            else if (c == "nokubun")
                request.kubun = " ";
            else if (c == "noprice")
                request.price = "";
            else if (c == "sale")
                request.serial = sale;
            else if (c == "gone")
                request.serial = "A0000000099";
        }
        const int rows = count(db, "MC_ChaongGoJeyPumInPut") + count(db, "MC_ChaongGoJeyPumInPut_ChulGo");
        const Verdict v = deleteReturn(db, request);
        QVERIFY(v);
        QCOMPARE(v->text, message);
        QCOMPARE(v->focus, focus);
        QCOMPARE(v->clearsBoxes, clears);
        QCOMPARE(count(db, "MC_ChaongGoJeyPumInPut") + count(db, "MC_ChaongGoJeyPumInPut_ChulGo"), rows);
    }

    void aClosedReturnStaysAsItIs()
    {
        TestBooks books;
        Db &db = books.db();
        const QString sale = test::aprilSaleOfTen(db);
        QVERIFY(!saveReturn(db, test::returnRequest(sale, "-3")));
        const QString rowSerial = newestReturn(db);
        test::closeMonth(db, May);
        const Verdict v = deleteReturn(db, deleteOf(rowSerial, {"2005", "06"}));
        QVERIFY(v);
        QCOMPARE(v->text,
                 "매출의 반품매출액과" + CRLF + "반품 매출액의 미 마감된 데이타만" + CRLF + "삭제 가능합니다.......");
        QCOMPARE(count(db, "MC_ChaongGoJeyPumInPut_ChulGo"), 2);
    }

    void aFailedSecondRowLeavesNoReceiptBehind()
    {
        TestBooks books;
        Db &db = books.db();
        const QString sale = test::aprilSaleOfTen(db);
        db.exec("Create Trigger RefuseReturnRow Before Insert On MC_ChaongGoJeyPumInPut_ChulGo "
                "When New.ChulGo_Kubun = '반품매출액' Begin Select Raise(Abort, 'disk full'); End");
        QVERIFY_THROWS_EXCEPTION(StoreError, saveReturn(db, test::returnRequest(sale, "-3")));
        QCOMPARE(db.scalar("Select count(*) From MC_ChaongGoJeyPumInPut Where JeyPum_Kubun = '매출반품입고'").toInt(),
                 0);

        db.exec("Drop Trigger RefuseReturnRow");
        QVERIFY(!saveReturn(db, test::returnRequest(sale, "-3")));
        db.exec("Create Trigger RefuseReceiptDelete Before Delete On MC_ChaongGoJeyPumInPut "
                "Begin Select Raise(Abort, 'locked'); End");
        QVERIFY_THROWS_EXCEPTION(StoreError, deleteReturn(db, deleteOf(newestReturn(db))));
        QCOMPARE(
            db.scalar("Select count(*) From MC_ChaongGoJeyPumInPut_ChulGo Where ChulGo_Kubun = '반품매출액'").toInt(),
            1);
    }

    void theReturnReceiptIsStockLikeAnyOther()
    {
        TestBooks books;
        Db &db = books.db();
        const QString sale = test::aprilSaleOfTen(db);
        QVERIFY(!saveReturn(db, test::returnRequest(sale, "-4")));
        const QString receipt =
            db.scalar("Select JeyPum_Serial From MC_ChaongGoJeyPumInPut Where JeyPum_Kubun = '매출반품입고'")
                .toString();
        QCOMPARE(remainingProductQuantity(db, receipt), 4.0);
        // Shipped again at the sale's cost per unit: 200 for 4, 50 each.
        const QString again =
            test::ship(db, test::movement(receipt, shipments::MovementKind::Sale, "1", "90", "20", May));
        QCOMPARE(rowOf(db, "MC_ChaongGoJeyPumInPut_ChulGo", "ChulGo_Serial", again).number(0, "ChulGo_WonJaJeyAmt"),
                 50.0);
        recreateProductBalanceTables(db);
        refillProductBalances(db, May);
        QCOMPARE(db.scalar("Select JeyPum_JeyGoSuKg From MC_ChaongGoChulGoTaAc_SumVw02 Where JeyPum_JeyPumSerial = :s",
                           {{":s", receipt}})
                     .toDouble(),
                 3.0);
    }

    void randomReturnsKeepTheirRowsTied()
    {
        TestBooks books;
        Db &db = books.db();
        QRandomGenerator random(5080);
        QStringList sales;
        for (int i = 0; i < 12; ++i) {
            const QString r = test::addProductReceipt(db, 10 + random.bounded(50),
                                                      {0, 0, 0, 0, 0, 100 + random.bounded(900000) / 100.0});
            sales << test::ship(db, test::movement(r, shipments::MovementKind::Sale,
                                                   QString::number(1 + random.bounded(900) / 100.0, 'f', 2),
                                                   QString::number(random.bounded(100000) / 1000.0, 'f', 3)));
        }
        test::closeMonth(db, April);
        for (int i = 0; i < 40; ++i) {
            const QString sale = sales.at(random.bounded(sales.size()));
            const double sold =
                rowOf(db, "MC_ChaongGoJeyPumInPut_ChulGo", "ChulGo_Serial", sale).number(0, "ChulGo_SuKg");
            const double q = random.bounded(4) == 0 ? sold : sold * random.bounded(1000) / 1000.0;
            if (saveReturn(db, test::returnRequest(sale, QString::number(-q, 'f', 6))))
                continue;
            if (random.bounded(3) == 0)
                QVERIFY(!deleteReturn(db, deleteOf(newestReturn(db))));
        }
        const ResultSet pairs =
            db.query("Select R.ChulGo_WonJaJeyAmt As RowCost, P.JeyPum_TotGaAmt As ReceiptCost, R.ChulGo_SuKg As RowQ, "
                     "P.JeyPum_SuKg As ReceiptQ, P.BanPum_NewChulGoSerial As BackLink, R.ChulGo_Serial As RowSerial "
                     "From MC_ChaongGoJeyPumInPut_ChulGo R Inner Join MC_ChaongGoJeyPumInPut P "
                     "On P.JeyPum_Serial = R.BanPum_NewJeyPumSerial Where R.ChulGo_Kubun = '반품매출액'");
        QVERIFY(pairs.size() > 3);
        QCOMPARE(pairs.size(), count(db, "MC_ChaongGoJeyPumInPut") - 12);
        for (int i = 0; i < pairs.size(); ++i) {
            QCOMPARE(pairs.number(i, "RowCost"), pairs.number(i, "ReceiptCost"));
            QCOMPARE(pairs.number(i, "RowQ"), -pairs.number(i, "ReceiptQ"));
            QCOMPARE(pairs.text(i, "BackLink"), pairs.text(i, "RowSerial"));
        }
        // No sale is returned twice, and return rows are no shipment out of any receipt.
        QCOMPARE(db.count("Select BanPum_ChulGoSerial From MC_ChaongGoJeyPumInPut_ChulGo Where ChulGo_Kubun = "
                          "'반품매출액' Group By BanPum_ChulGoSerial Having count(*) > 1"),
                 0);
        recreateProductBalanceTables(db);
        refillProductBalances(db, May);
        QCOMPARE(db.count("Select * From MC_ChaongGoChulGoTaAc_SumVw01 Where JeyPum_ChulGoSuKg <> 0"), 0);
    }
};

QTEST_GUILESS_MAIN(SalesReturnsTest)
#include "tst_salesreturns.moc"
