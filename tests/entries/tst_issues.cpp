#include "EntryFixture.h"
#include "common/TextNumber.h"
#include "entries/EntryWarnings.h"
#include "entries/IssueList.h"
#include "entries/IssueViewers.h"
#include "entries/ReceiptBalances.h"

#include <QMap>
#include <QRandomGenerator>

using namespace zedur;
using namespace zedur::issues;
using test::April;
using test::TestBooks;

class IssuesTest : public QObject
{
    Q_OBJECT

    struct Balance {
        double received, receivedAmount, issued, issuedAmount, transferred, transferredAmount, remaining,
            remainingAmount;
    };

    static QMap<QString, Balance> balances(Db &db)
    {
        QMap<QString, Balance> out;
        const ResultSet rs = db.query("Select * From MC_WonJaJeyInPut_SumVw02");
        for (int i = 0; i < rs.size(); ++i)
            out.insert(rs.text(i, "InPut_InPutSerial"),
                       {rs.number(i, "InPut_SuKg"), rs.number(i, "InPut_GaAmt"), rs.number(i, "InPut_SuKgJeyGong"),
                        rs.number(i, "InPut_GaAmtJeyGong"), rs.number(i, "InPut_SuKgTaAc"),
                        rs.number(i, "InPut_GaAmtTaAc"), rs.number(i, "InPut_SuKgJan"),
                        rs.number(i, "InPut_GaAmtJan")});
        return out;
    }

    // A receipt whose amount is its quantity at its price, with `left` of it not yet taken.
    static taken::Source priced(double left, double price)
    {
        return {left, price, roundDecimals(left * price, 4), left, roundDecimals(left * price, 4)};
    }

    static int count(Db &db, const QString &table) { return db.scalar("Select count(*) From " + table).toInt(); }

    static QString periodState(Db &db)
    {
        return db.scalar("Select YM_Kubun From MC_YearMonthCheck Where YM_Kubun <> '마감완료'").toString();
    }

    // 100 received at 2.5; 30 issued, 20 transferred: 50 left.
    static QString hundredReceived(Db &db)
    {
        const QString r = test::addReceipt(db, 100, 2.5);
        if (saveIssue(db, test::issueRequest(r, IssueKind::Lot, "30")) ||
            saveIssue(db, test::issueRequest(r, IssueKind::Transfer, "20")))
            throw std::runtime_error("issue refused");
        return r;
    }

private slots:
    void workTablesHoldTheMonthsBalances()
    {
        TestBooks books;
        Db &db = books.db();
        recreateReceiptBalanceTables(db);
        const QString r = hundredReceived(db);
        const QString untouched = test::addReceipt(db, 7, 1);
        refillReceiptBalances(db, April);
        QCOMPARE(count(db, "MC_WonJaJeyInPut_SumVw01"), 4);
        const QMap<QString, Balance> b = balances(db);
        QCOMPARE(b.size(), 2);
        const Balance &lot = b[r];
        QCOMPARE(lot.received, 100.0);
        QCOMPARE(lot.receivedAmount, 250.0);
        QCOMPARE(lot.issued, 30.0);
        QCOMPARE(lot.issuedAmount, 75.0);
        QCOMPARE(lot.transferred, 20.0);
        QCOMPARE(lot.transferredAmount, 50.0);
        QCOMPARE(lot.remaining, 50.0);
        QCOMPARE(lot.remainingAmount, 125.0);
        QCOMPARE(remainingQuantity(db, r), 50.0);
        // Nothing drawn: zeros, not NULLs.
        QVERIFY(!db.scalar("Select InPut_SuKgJeyGong From MC_WonJaJeyInPut_SumVw02 Where InPut_InPutSerial = :s",
                           {{":s", untouched}})
                     .isNull());
        QCOMPARE(b[untouched].remaining, 7.0);

        // A month without receipts empties the tables.
        refillReceiptBalances(db, {"2005", "05"});
        QCOMPARE(count(db, "MC_WonJaJeyInPut_SumVw01"), 0);
        QCOMPARE(count(db, "MC_WonJaJeyInPut_SumVw02"), 0);

        // Left over from an earlier run with other columns: dropped and made anew.
        db.exec("Drop Table MC_WonJaJeyInPut_SumVw02");
        db.exec("Create Table MC_WonJaJeyInPut_SumVw02 (Old Text)");
        db.exec("Insert InTo MC_WonJaJeyInPut_SumVw02 Values ('x')");
        recreateReceiptBalanceTables(db);
        QCOMPARE(count(db, "MC_WonJaJeyInPut_SumVw02"), 0);
        refillReceiptBalances(db, April);
        QCOMPARE(balances(db)[r].remaining, 50.0);
    }

    void theListShowsEachReceiptWithItsBalance_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("sort");
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("all by serial") << "전체"
                                       << "x"
                                       << "저장순서" << QStringList{"W001", "W002"};
        QTest::newRow("all by code, descending serials") << "전체"
                                                         << ""
                                                         << "원자재코드" << QStringList{"W001", "W002"};
        QTest::newRow("by code") << "원자재코드"
                                 << "W002"
                                 << "기준일자" << QStringList{"W002"};
        QTest::newRow("by date, first receipt later") << "전체"
                                                      << ""
                                                      << "기준일자" << QStringList{"W002", "W001"};
    }
    void theListShowsEachReceiptWithItsBalance()
    {
        QFETCH(QString, item);
        QFETCH(QString, text);
        QFETCH(QString, sort);
        QFETCH(QStringList, codes);
        TestBooks books;
        Db &db = books.db();
        recreateReceiptBalanceTables(db);
        hundredReceived(db);
        receipts::ReceiptEntry e = test::receiptEntry("5", "1", "5");
        e.serial = receipts::beginNewReceipt(db, April, {}).value;
        e.wonCode = "W002";
        e.day = "02";
        QVERIFY(!receipts::saveNewReceipt(db, {April, e, {}, {}, TestBooks::fixedAudit()}));
        refillReceiptBalances(db, April);

        const Statement list = receiptBalanceList(April, item, text, sort).whole();
        const ResultSet rs = db.query(list);
        QStringList listed;
        for (int i = 0; i < rs.size(); ++i)
            listed << rs.text(i, "InPut_WonCode");
        QCOMPARE(listed, codes);
        const int first = rs.find("InPut_WonCode", "W001");
        if (first >= 0) {
            QCOMPARE(rs.number(first, "InPut_SuKg"), 100.0);
            QCOMPARE(rs.number(first, "InPut_SuKgJan"), 50.0);
            QCOMPARE(rs.number(first, "InPut_DanGa"), 2.5);
        }
    }

    void issuingUpToWhatIsLeft()
    {
        TestBooks books;
        Db &db = books.db();
        const QString r = hundredReceived(db);
        const Verdict over = saveIssue(db, test::issueRequest(r, IssueKind::Lot, "50.0001"));
        QVERIFY(over);
        QCOMPARE(over->text, "현재 수량(중량)의 투입(타 계정 대체)은" + LB + "원재료 재고을 초과 하였습니다.......");
        QCOMPARE(over->focus, QStringLiteral("edIn_SuKg"));
        QVERIFY(!saveIssue(db, test::issueRequest(r, IssueKind::Transfer, "50")));
        QCOMPARE(remainingQuantity(db, r), 0.0);
    }

    void whatIsLeftIsComparedAsShown()
    {
        TestBooks books;
        Db &db = books.db();
        const QString r = test::addReceipt(db, 0.3, 1);
        QVERIFY(!saveIssue(db, test::issueRequest(r, IssueKind::Lot, "0.1")));
        QVERIFY(!saveIssue(db, test::issueRequest(r, IssueKind::Transfer, "0.1")));
        const double left = remainingQuantity(db, r);
        QVERIFY(left < 0.1); // 0.09999999999999998
        const IssueNumbers proposed = proposeIssue(priced(left, 1));
        QCOMPARE(proposed.quantity, QStringLiteral("0.1000"));
        QVERIFY(leaveIssueQuantity(proposed.quantity, priced(left, 1)).ok());
        QVERIFY(!saveIssue(db, test::issueRequest(r, IssueKind::Lot, proposed.quantity)));
        QVERIFY(saveIssue(db, test::issueRequest(r, IssueKind::Lot, "0.0001")));
    }

    void issuesFromATypedAmountTakeTheirShare_data()
    {
        QTest::addColumn<double>("quantity");
        QTest::addColumn<double>("price");
        QTest::addColumn<double>("typed");
        QTest::addColumn<QStringList>("taken");       // quantities issued in turn, lot and transfer alternating
        QTest::addColumn<QList<double>>("amounts"); // what each took
        QTest::newRow("priced: quantity x price as ever")
            << 10.0 << 10.0 << 100.0 << QStringList{"5", "5"} << QList<double>{50, 50};
        QTest::newRow("typed 120: half takes half")
            << 10.0 << 10.0 << 120.0 << QStringList{"5", "5"} << QList<double>{60, 60};
        QTest::newRow("typed 120 in thirds: the last takes what the shares left")
            << 10.0 << 10.0 << 120.0 << QStringList{"3.3333", "3.3333", "3.3334"}
            << QList<double>{39.9996, 39.9996, 40.0008};
        QTest::newRow("typed below the price: a discount goes with the goods")
            << 1193.05 << 3.25 << 3377.4125 << QStringList{"1101.2784"} << QList<double>{3117.6157};
        QTest::newRow("part taken, the rest stays")
            << 8.0 << 2.0 << 20.0 << QStringList{"2"} << QList<double>{5};
    }

    // Whatever the receipt's amount, what its issues and transfers take never leaves part of
    // it behind once all of its quantity is taken.
    void issuesFromATypedAmountTakeTheirShare()
    {
        QFETCH(double, quantity);
        QFETCH(double, price);
        QFETCH(double, typed);
        QFETCH(QStringList, taken);
        QFETCH(QList<double>, amounts);
        TestBooks books;
        Db &db = books.db();
        const QString r = test::addReceipt(db, quantity, price, QStringLiteral("10"), typed);
        QCOMPARE(db.scalar("Select InPut_GaAmt From MC_WonJaJeyInPut").toDouble(), typed);
        for (int i = 0; i < taken.size(); ++i)
            QVERIFY(!saveIssue(db, test::issueRequest(r, i % 2 ? IssueKind::Transfer : IssueKind::Lot, taken.at(i))));
        QList<double> got;
        for (int i = 0; i < taken.size(); ++i) {
            const QString table = i % 2 ? "MC_WonJaJeyInPut_TaAc" : "MC_JeyGongPumInPut";
            const QString prefix = i % 2 ? "TaInPut_" : "Gong_";
            got << db.scalar(QStringLiteral("Select %1GaAmt From %2 Order By %1Serial Limit 1 Offset %3")
                                 .arg(prefix, table)
                                 .arg(i / 2))
                       .toDouble();
        }
        QCOMPARE(got, amounts);
        const ReceiptLeft left = receiptLeft(db, r);
        if (left.quantity == 0)
            QCOMPARE(roundDecimals(left.amount, 4), 0.0);
    }

    void aLotCopiesItsReceipt()
    {
        TestBooks books;
        Db &db = books.db();
        receipts::ReceiptEntry e = test::receiptEntry("10", "1,234.5679", "12,345.679");
        e.serial = receipts::beginNewReceipt(db, April, {}).value;
        e.model = "M-1";
        e.saleName = "대한철강";
        e.saleDyiPou = "홍길동";
        e.day = "05";
        QVERIFY(!receipts::saveNewReceipt(db, {April, e, {}, {}, TestBooks::fixedAudit()}));
        QVERIFY(!saveIssue(db, test::issueRequest(e.serial, IssueKind::Lot, "3", "7")));

        const ResultSet lot = db.query("Select * From MC_JeyGongPumInPut");
        QCOMPARE(lot.size(), 1);
        QCOMPARE(lot.columns().size(), 42);
        const QMap<QString, QString> texts{{"Gong_Serial", "A0000000001"},
                                           {"Gong_Date", "2005-04-07"},
                                           {"Gong_Year", "2005"},
                                           {"Gong_Month", "04"},
                                           {"Gong_WonCode", "W001"},
                                           {"Gong_WonName", "강판"},
                                           {"Gong_DanWi", "kg"},
                                           {"Gong_Model", "M-1"},
                                           {"Gong_SaleName", "대한철강"},
                                           {"Gong_SaleDyiPou", "홍길동"},
                                           {"Gong_TextMemo", "공정투입"},
                                           {"Gong_Bigo", "1라인"},
                                           {"Gong_Kubun", "당월투입"},
                                           {"Gong_Check_01", ""},
                                           {"Gong_Check_02", ""},
                                           {"Gong_Check_03", "1234 - ABCD"},
                                           {"Gong_SaveDate", "2005-04-17 10:00:00"},
                                           {"Gong_InPutSerial", e.serial},
                                           {"Gong_GongSerial", ""}};
        for (auto it = texts.begin(); it != texts.end(); ++it) {
            QVERIFY2(!lot.value(0, it.key()).isNull(), qPrintable(it.key()));
            QCOMPARE(lot.text(0, it.key()), it.value());
        }
        QCOMPARE(lot.number(0, "Gong_SuKg"), 3.0);
        QCOMPARE(lot.number(0, "Gong_DanGa"), 1234.5679);
        QCOMPARE(lot.number(0, "Gong_GaAmt"), 3703.7037);
        QCOMPARE(lot.number(0, "Gong_WoulAmtTot"), 3703.7037);
        for (const char *c :
             {"Gong_JenGiWoul", "Gong_DaongWoul", "Gong_TotWoul", "Gong_JenGiWonAmt", "Gong_JenGiNoMu_01",
              "Gong_JenGiNoMu_02", "Gong_JenGiJeyJo_01", "Gong_JenGiJeyJo_02", "Gong_DaongWonAmt", "Gong_DaongNoMu_01",
              "Gong_DaongNoMu_02", "Gong_DaongJeyJo_01", "Gong_DaongJeyJo_02"}) {
            QVERIFY2(!lot.value(0, c).isNull(), c);
            QCOMPARE(lot.number(0, c), 0.0);
        }
    }

    void aTransferCopiesItsReceipt()
    {
        TestBooks books;
        Db &db = books.db();
        const QString r = test::addReceipt(db, 10, 0.3333);
        QVERIFY(!saveIssue(db, test::issueRequest(r, IssueKind::Transfer, "3.000009")));
        const ResultSet t = db.query("Select * From MC_WonJaJeyInPut_TaAc");
        QCOMPARE(t.size(), 1);
        QCOMPARE(t.columns().size(), 27);
        QCOMPARE(t.text(0, "TaInPut_Kubun"), QStringLiteral("당월타계정"));
        QCOMPARE(t.text(0, "TaInPut_InPutSerial"), r);
        QCOMPARE(t.text(0, "TaInPut_TextMemo"), QStringLiteral("공정투입"));
        QCOMPARE(t.number(0, "TaInPut_SuKg"), 3.0); // cut to 3.00000, kept at four decimals
        QCOMPARE(t.number(0, "TaInPut_GaAmt"), 0.9999);
        QVERIFY(!t.value(0, "TaInPut_Check_01").isNull());
        QCOMPARE(count(db, "MC_JeyGongPumInPut"), 0);
    }

    void saveRefusals_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("focus");
        QTest::newRow("closed receipt before the month") << "closed+month" << warnings::closedData() << "";
        QTest::newRow("another month") << "month+over"
                                       << "미마감된 2005년과 04월만" + LB + "등록, 수정, 삭제등이 가능합니다........"
                                       << "";
        QTest::newRow("too much before no kind")
            << "over+nokind"
            << "현재 수량(중량)의 투입(타 계정 대체)은" + LB + "원재료 재고을 초과 하였습니다......."
            << "edIn_SuKg";
        QTest::newRow("no receipt picked") << "unpicked+noday"
                                           << "제조공정투입등록시" + LB + "먼저 데이타를 선택 하세요............."
                                           << "edIn_SuKg";
        QTest::newRow("no receipt nor kind") << "unpicked+nokind"
                                             << "등록시" + LB + "먼저 데이타를 선택 하세요............."
                                             << "edIn_SuKg";
        QTest::newRow("no kind") << "nokind+noday"
                                 << "저장 등록 구분을 먼저 선택 하세요......."
                                 << "cbInKubun";
        QTest::newRow("not a number") << "nan"
                                      << ""
                                      << "edIn_SuKg";
        QTest::newRow("no quantity before no day") << "noquantity+noday"
                                                   << ""
                                                   << "edIn_SuKg";
        QTest::newRow("no day") << "noday+gone"
                                << ""
                                << "edIn_Date";
        QTest::newRow("no such day") << "day31+gone" << warnings::invalidDate("2005-04-31") << "edIn_Date";
        QTest::newRow("receipt gone") << "gone+zero"
                                      << "A0000000001  검색한 데이타가 없습니다....."
                                      << "";
        QTest::newRow("before the receipt")
            << "early+zero"
            << "제조 공정 투입(타 계정 대체) 기준일자는 " + LB + "원자재 입고 일자보다 작은 일자입니다."
            << "edIn_Date";
        QTest::newRow("nothing to issue")
            << "zero"
            << "현재 수량(중량)의 투입(타 계정 대체)은 원재료 재고는 제로[0.00] 입니다......."
            << "edIn_SuKg";
    }
    void saveRefusals()
    {
        QFETCH(QString, fault);
        QFETCH(QString, text);
        QFETCH(QString, focus);
        TestBooks books;
        Db &db = books.db();
        const QString r = test::addReceipt(db, 10, 2, "10");
        IssueRequest req = test::issueRequest(r, IssueKind::Lot, "4");
        const QStringList faults = fault.split('+');
        if (faults.contains("closed"))
            db.exec("UpDate MC_WonJaJeyInPut Set InPut_Check_01 = '마감완료'");
        if (faults.contains("month"))
            req.shown = {"2005", "05"};
        if (faults.contains("over"))
            req.quantity = "10.0001";
        if (faults.contains("unpicked"))
            req.receiptSerial = "";
        if (faults.contains("nokind"))
            req.kind = IssueKind::None;
        if (faults.contains("nan"))
            req.quantity = "1.2.3";
        if (faults.contains("noquantity"))
            req.quantity = " ";
        if (faults.contains("noday"))
            req.day = "";
        if (faults.contains("day31"))
            req.day = "31";
        if (faults.contains("gone"))
            db.exec("Delete From MC_WonJaJeyInPut");
        if (faults.contains("early"))
            req.day = "09";
        if (faults.contains("zero"))
            req.quantity = "0";

        const Verdict refused = saveIssue(db, req);
        QVERIFY(refused);
        QCOMPARE(refused->text, text);
        QCOMPARE(refused->focus, focus);
        QCOMPARE(refused->clearsBoxes, faults.contains("closed") || faults.contains("month"));
        QCOMPARE(count(db, "MC_JeyGongPumInPut") + count(db, "MC_WonJaJeyInPut_TaAc"), 0);
    }

    void aReceiptAtNoPriceIsStillPicked()
    {
        TestBooks books;
        Db &db = books.db();
        const QString r = test::addReceipt(db, 10, 0);
        QVERIFY(!saveIssue(db, test::issueRequest(r, IssueKind::Lot, "4")));
        QCOMPARE(db.scalar("Select Gong_GaAmt From MC_JeyGongPumInPut").toDouble(), 0.0);
    }

    void leavingTheQuantityAndDayBoxes()
    {
        const Checked<IssueNumbers> ok = leaveIssueQuantity("3.000009", priced(50, 1234.5679));
        QVERIFY(ok.ok());
        QCOMPARE(ok.value.quantity, QStringLiteral("3.0000"));
        QCOMPARE(ok.value.amount, QStringLiteral("3,703.7037"));
        const Checked<IssueNumbers> over = leaveIssueQuantity("50.0001", priced(50, 1));
        QCOMPARE(over.refusal->text,
                 "현재 수량(중량)의 투입(타 계정 대체)은" + LB + "원재자 재고을 초과 하였습니다.......");
        QCOMPARE(proposeIssue(priced(50, 2.5)).amount, QStringLiteral("125.0000"));
        // The amount is cut from the exact product, not from its binary neighbour below.
        QCOMPARE(leaveIssueQuantity("618.99", priced(1000, 683.245)).value.amount, QStringLiteral("422,921.8226"));
        QCOMPARE(proposeIssue(priced(489.5525, 196.98)).amount, QStringLiteral("96,432.0515"));

        QCOMPARE(leaveIssueDay(April, "10", "2005-04-10").value, QStringLiteral("2005-04-10"));
        const Checked<QString> early = leaveIssueDay(April, "9", "2005-04-10");
        QVERIFY(early.refusal->text.startsWith("제조 공정 투입(타 계정 대체) 기준일자는 "));
        QCOMPARE(leaveIssueDay(April, "31", "2005-04-10").refusal->text, warnings::invalidDate("2005-04-31"));
    }

    void lotDeleteRefusals_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("text");
        QTest::newRow("rate before carried forward") << "rate+carried"
                                                     << "완성율이 있는 데이타는" + LB + "등록,수정,삭제등이" + LB +
                                                            "불가능한 데이타입니다...................... ";
        QTest::newRow("carried forward before closed") << "carried+closed" << warnings::carriedForward();
        QTest::newRow("closed before the links") << "closed+amount" << warnings::closedData();
        QTest::newRow("of another month") << "march+amount"
                                          << "미마감된 2005년과 04월만" + LB + "등록,수정,삭제등이 가능합니다........";
        QTest::newRow("nothing picked") << "unpicked" << warnings::pickRowToDelete();
        QTest::newRow("gone meanwhile") << "gone" << warnings::pickRowToDelete();
        QTest::newRow("direct amount before lot transfer")
            << "amount+transfer"
            << "노무비,제조경비등에 직접비로 등록되어 있는" + LB + "데이타가 있으므로" + LB +
                   "삭제가 불가능한 데이타 입니다.......";
        QTest::newRow("lot transfer before completion")
            << "transfer+completion"
            << "재공품의 타 계정 대체로 등록되어 있는" + LB + "데이타가 있으므로" + LB +
                   "삭제가 불가능한 데이타 입니다.......";
        QTest::newRow("completed into the warehouse") << "completion+negative"
                                                      << "완성 재공품이 제품창고에 입고된" + LB + "데이타가 있으므로" +
                                                             LB + "삭제가 불가능한 데이타 입니다.......";
        QTest::newRow("negative rate") << "negative"
                                       << "제조공정<재공품>에 투입된 원자재가 완성율이 등록되어" + LB +
                                              "삭제가 불가능한 데이타 입니다.......";
    }
    void lotDeleteRefusals()
    {
        QFETCH(QString, fault);
        QFETCH(QString, text);
        TestBooks books;
        Db &db = books.db();
        const QString r = test::addReceipt(db, 10, 2);
        QVERIFY(!saveIssue(db, test::issueRequest(r, IssueKind::Lot, "4")));
        QString lot = test::newest(db, "MC_JeyGongPumInPut", "Gong_Serial");
        // The viewer showed the lot before any of this happened elsewhere.
        const QStringList faults = fault.split('+');
        if (faults.contains("rate"))
            db.exec("UpDate MC_JeyGongPumInPut Set Gong_TotWoul = 50");
        if (faults.contains("carried"))
            db.exec("UpDate MC_JeyGongPumInPut Set Gong_Kubun = '전기이월'");
        if (faults.contains("closed"))
            db.exec("UpDate MC_JeyGongPumInPut Set Gong_Check_01 = '마감완료'");
        if (faults.contains("march"))
            db.exec("UpDate MC_JeyGongPumInPut Set Gong_Month = '03'");
        if (faults.contains("unpicked"))
            lot = " ";
        if (faults.contains("gone"))
            db.exec("UpDate MC_JeyGongPumInPut Set Gong_Serial = 'A0000000002'");
        if (faults.contains("amount"))
            db.exec("Insert InTo MC_AcNameAmtInPut (Amt_Serial, Amt_JeyGongPumSerial) Values ('A0000000001', :s)",
                    {{":s", lot}});
        if (faults.contains("transfer"))
            db.exec("Insert InTo MC_JeyGongPumInPut_TaAc (TaGong_Serial, TaGong_GongSerial) Values "
                    "('A0000000001', :s)",
                    {{":s", lot}});
        if (faults.contains("completion"))
            db.exec("Insert InTo MC_ChaongGoJeyGongPumInJeyGong (InGong_Serial, InGong_GongSerial) "
                    "Values ('A0000000001', :s)",
                    {{":s", lot}});
        if (faults.contains("negative"))
            db.exec("UpDate MC_JeyGongPumInPut Set Gong_TotWoul = -5");

        const Verdict refused = deleteLot(db, April, lot);
        QVERIFY(refused);
        QCOMPARE(refused->text, text);
        QCOMPARE(refused->focus, LotViewerSerialBox);
        QCOMPARE(count(db, "MC_JeyGongPumInPut"), 1);
    }

    void aViewerDeleteGivesTheQuantityBackAndAsksForAllocation()
    {
        TestBooks books;
        Db &db = books.db();
        const QString r = hundredReceived(db);
        period::markAllocationDone(db);
        QCOMPARE(periodState(db), QStringLiteral("미마감"));
        QVERIFY(!deleteLot(db, April, test::newest(db, "MC_JeyGongPumInPut", "Gong_Serial")));
        QCOMPARE(remainingQuantity(db, r), 80.0);
        QCOMPARE(periodState(db), QStringLiteral("배부액재계산"));

        period::markAllocationDone(db);
        const QString transfer = test::newest(db, "MC_WonJaJeyInPut_TaAc", "TaInPut_Serial");
        db.exec("UpDate MC_WonJaJeyInPut_TaAc Set TaInPut_Check_01 = '마감완료'");
        const Verdict closed = deleteTransfer(db, April, transfer);
        QCOMPARE(closed->text, warnings::closedData());
        QCOMPARE(closed->focus, TransferViewerSerialBox);
        QCOMPARE(periodState(db), QStringLiteral("미마감"));
        QCOMPARE(deleteTransfer(db, April, "")->text, warnings::pickRowToDelete());
        db.exec("UpDate MC_WonJaJeyInPut_TaAc Set TaInPut_Check_01 = ''");
        QVERIFY(!deleteTransfer(db, April, transfer));
        QCOMPARE(remainingQuantity(db, r), 100.0);
        QCOMPARE(periodState(db), QStringLiteral("배부액재계산"));
    }

    void viewerLists_data()
    {
        QTest::addColumn<bool>("lots");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("rows");
        QTest::newRow("lots, all") << true << "전체"
                                   << "zz" << 2;
        QTest::newRow("lots by name") << true << "원재료이름"
                                      << "강" << 2;
        QTest::newRow("lots by memo") << true << "적요및메모"
                                      << "없는말" << 0;
        QTest::newRow("transfers, all") << false << "전체"
                                        << "" << 1;
        QTest::newRow("transfers by code") << false << "코드"
                                           << "W0 01" << 1;
    }
    void viewerLists()
    {
        QFETCH(bool, lots);
        QFETCH(QString, item);
        QFETCH(QString, text);
        QFETCH(int, rows);
        TestBooks books;
        Db &db = books.db();
        hundredReceived(db);
        QVERIFY(!saveIssue(db, test::issueRequest(test::addReceipt(db, 1, 1), IssueKind::Lot, "1")));
        const Statement list =
            (lots ? lotViewerList(April, item, text, "저장순서") : transferViewerList(April, item, text, "기준일자")).whole();
        QCOMPARE(db.query(list).size(), rows);
        const Statement march = (lots ? lotViewerList({"2005", "03"}, item, text, "모델명")
                                      : transferViewerList({"2005", "03"}, item, text, "모델명"))
                                    .whole();
        QCOMPARE(db.query(march).size(), 0);
    }

    // Whatever the order of issues, transfers and deletes, each receipt's quantity is
    // what was issued, transferred and is left; and an issue goes through exactly when
    // it does not exceed what is left, counted in the ten-thousandths the user sees.
    void balancesHoldAfterAnySequence()
    {
        TestBooks books;
        Db &db = books.db();
        recreateReceiptBalanceTables(db);
        QRandomGenerator rng(20050417);
        const auto units = [](qint64 u) {
            return QString::number(double(u) / 10000.0, 'f', 4);
        };

        QVector<QString> receiptSerials;
        QMap<QString, qint64> left; // exact, in 0.0001
        QMap<QString, qint64> received;
        for (int i = 0; i < 12; ++i) {
            const qint64 q = rng.bounded(1, 2000000);
            const QString r = test::addReceipt(db, double(q) / 10000.0, double(rng.bounded(1, 999999)) / 10000.0);
            receiptSerials << r;
            left[r] = received[r] = q;
        }
        QMap<QString, QPair<QString, qint64>> lots, transfers; // serial -> receipt, quantity
        int refused = 0;
        for (int step = 0; step < 400; ++step) {
            const int action = rng.bounded(10);
            if (action < 7) {
                const QString r = receiptSerials[rng.bounded(receiptSerials.size())];
                // Mostly within what is left, sometimes all of it or a little more.
                const qint64 q = rng.bounded(4) == 0 ? left[r] + rng.bounded(-1, 2)
                                                     : rng.bounded(qint64(0), qMax<qint64>(left[r], 1) + 1);
                const bool toLot = action < 4;
                const Verdict v =
                    saveIssue(db, test::issueRequest(r, toLot ? IssueKind::Lot : IssueKind::Transfer, units(q)));
                QCOMPARE(bool(v), q > left[r] || q <= 0);
                if (v) {
                    ++refused;
                    continue;
                }
                left[r] -= q;
                if (toLot)
                    lots.insert(test::newest(db, "MC_JeyGongPumInPut", "Gong_Serial"), {r, q});
                else
                    transfers.insert(test::newest(db, "MC_WonJaJeyInPut_TaAc", "TaInPut_Serial"), {r, q});
            } else {
                auto &rows = action < 9 ? lots : transfers;
                if (rows.isEmpty())
                    continue;
                const QString serial = rows.keys().at(rng.bounded(int(rows.size())));
                QVERIFY(!(action < 9 ? deleteLot(db, April, serial) : deleteTransfer(db, April, serial)));
                left[rows[serial].first] += rows[serial].second;
                rows.remove(serial);
            }
        }
        QVERIFY(refused > 10);
        QVERIFY(lots.size() > 10 && transfers.size() > 10);

        refillReceiptBalances(db, April);
        const QMap<QString, Balance> b = balances(db);
        QCOMPARE(b.size(), receiptSerials.size());
        for (const QString &r : receiptSerials) {
            const Balance &x = b[r];
            QCOMPARE(qRound64(x.received * 10000), received[r]);
            QVERIFY(qAbs(x.received - (x.issued + x.transferred + x.remaining)) < 1e-9);
            QVERIFY(qAbs(x.receivedAmount - (x.issuedAmount + x.transferredAmount + x.remainingAmount)) < 1e-6);
            QCOMPARE(qRound64(x.remaining * 10000), left[r]);
            QCOMPARE(roundDecimals(remainingQuantity(db, r), 4), roundDecimals(x.remaining, 4));
        }
    }
};

QTEST_GUILESS_MAIN(IssuesTest)
#include "tst_issues.moc"
