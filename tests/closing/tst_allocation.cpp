#include "BothEngines.h"
#include "ClosingFixture.h"
#include "closing/Allocation.h"
#include "common/Messages.h"

#include <QTest>

using namespace zedur;
using namespace zedur::test;

namespace {

double lotValue(Db &db, const QString &serial, const QString &column)
{
    return db
        .scalar(QStringLiteral("Select %1 From MC_JeyGongPumInPut Where Gong_Serial = :s").arg(column),
                {{":s", serial}})
        .toDouble();
}

double value(Db &db, const QString &table, const QString &key, const QString &serial, const QString &column)
{
    return db.scalar(QStringLiteral("Select %1 From %2 Where %3 = :s").arg(column, table, key), {{":s", serial}})
        .toDouble();
}

const QString Labour = QStringLiteral("노무비(제)");
const QString Overhead = QStringLiteral("제조경비(제)");
const QString Direct = QStringLiteral("직접");
const QString Common = QStringLiteral("간접");

// One lot of 10 with every cost component, two completions into one product receipt, a
// transfer dated in May, product transfers and sales; the figures follow by hand.
void carryDownBooks(Db &db)
{
    addLot(db, "A0000000001",
           {{"Gong_SuKg", 10.0},
            {"Gong_GaAmt", 1000.0},
            {"Gong_JenGiWoul", 40.0},
            {"Gong_DaongWoul", 60.0},
            {"Gong_TotWoul", 100.0},
            {"Gong_JenGiWonAmt", 400.0},
            {"Gong_JenGiNoMu_01", 10.0},
            {"Gong_JenGiNoMu_02", 20.0},
            {"Gong_JenGiJeyJo_01", 30.0},
            {"Gong_JenGiJeyJo_02", 40.0},
            {"Gong_DaongWonAmt", 600.0}});
    addAmount(db, Labour, Direct, "A0000000001", 100);
    addAmount(db, Overhead, Direct, "A0000000001", 50);
    addAmount(db, Labour, Common, QStringLiteral("간접(공통)비"), 300);
    addAmount(db, Overhead, Common, QStringLiteral("간접(공통)비"), 60);
    insertWith(db, "MC_JeyGongPumInPut_TaAc",
               RowValues{{"TaGong_Serial", "A0000000001"}, {"TaGong_GongSerial", "A0000000001"}, {"TaGong_SuKg", 2.0}} +
                   inMonth("TaGong_", May));
    const QList<QPair<double, double>> completions{{5, 1}, {3, 0.6}}; // quantity, share of the brought-forward parts
    int n = 0;
    for (const auto &[quantity, part] : completions)
        insertWith(db, "MC_ChaongGoJeyGongPumInJeyGong",
                   RowValues{{"InGong_Serial", serialNo(++n)},
                             {"InGong_GongSerial", "A0000000001"},
                             {"InGong_JeyPumSerial", "A0000000001"},
                             {"InGong_SuKg", quantity},
                             {"InGong_JenGiNoMu_01", 5 * part},
                             {"InGong_JenGiNoMu_02", 10 * part},
                             {"InGong_JenGiJeyJo_01", 15 * part},
                             {"InGong_JenGiJeyJo_02", 20 * part}} +
                       inMonth("InGong_", April));
    insertWith(db, "MC_ChaongGoJeyPumInPut",
               RowValues{{"JeyPum_Serial", "A0000000001"}, {"JeyPum_SuKg", 4.0}, {"JeyPum_Kubun", "당월입고"}} +
                   inMonth("JeyPum_", April));
    // A receipt without completions this month keeps its amounts and still passes them on.
    insertWith(db, "MC_ChaongGoJeyPumInPut",
               RowValues{{"JeyPum_Serial", "A0000000002"},
                         {"JeyPum_SuKg", 10.0},
                         {"JeyPum_JenGiNoMu", 8.0},
                         {"JeyPum_DaongNoMu", 7.0},
                         {"JeyPum_JenGiJeyJo", 6.0},
                         {"JeyPum_DaongJeyJo", 5.0},
                         {"JeyPum_TotGaAmt", 100.0},
                         {"JeyPum_Kubun", "전기이월"}} +
                   inMonth("JeyPum_", April));
    insertWith(db, "MC_ChaongGoJeyPumInPut_TaAc",
               RowValues{{"TaJeyPum_Serial", "A0000000001"},
                         {"TaJeyPum_JeyPumSerial", "A0000000001"},
                         {"TaJeyPum_SuKg", 1.0}} +
                   inMonth("TaJeyPum_", April));
    const QList<std::tuple<QString, QString, double, QString>> shipments{
        {"A0000000001", "A0000000001", 2.0, "정기매출출고"},
        {"A0000000002", "A0000000002", 5.0, "정기매출출고"},
        {"A0000000003", "", -1.0, "반품매출액"}};
    for (const auto &[serial, receipt, quantity, kind] : shipments)
        insertWith(db, "MC_ChaongGoJeyPumInPut_ChulGo",
                   RowValues{{"ChulGo_Serial", serial},
                             {"ChulGo_JeyPumSerial", receipt},
                             {"ChulGo_SuKg", quantity},
                             {"ChulGo_Kubun", kind},
                             {"ChulGo_WonJaJeyAmt", 77.0}} +
                       inMonth("ChulGo_", April));
}

} // namespace

class AllocationTest : public QObject
{
    Q_OBJECT

private slots:
    void commonCostsFollowTheRawMaterialOfTheMonth_data()
    {
        QTest::addColumn<QList<double>>("base");
        QTest::addColumn<double>("labour");
        QTest::addColumn<double>("overhead");
        QTest::addColumn<QList<double>>("labourShares");
        QTest::addColumn<QList<double>>("overheadShares");
        QTest::newRow("300 and 700 share 1,000")
            << QList<double>{300, 700} << 1000.0 << 0.0 << QList<double>{300, 700} << QList<double>{0, 0};
        QTest::newRow("nothing booked") << QList<double>{300, 700} << 0.0 << 0.0 << QList<double>{0, 0}
                                        << QList<double>{0, 0};
        QTest::newRow("no base: reaches no lot")
            << QList<double>{0, 0} << 1000.0 << 500.0 << QList<double>{0, 0} << QList<double>{0, 0};
        QTest::newRow("rates of ten decimals")
            << QList<double>{1, 2} << 1.0 << 2.0 << QList<double>{0.3333333333, 0.6666666666}
            << QList<double>{0.6666666667, 1.3333333334};
    }

    void commonCostsFollowTheRawMaterialOfTheMonth()
    {
        QFETCH(QList<double>, base);
        QFETCH(double, labour);
        QFETCH(double, overhead);
        QFETCH(QList<double>, labourShares);
        QFETCH(QList<double>, overheadShares);
        TestBooks books;
        Db &db = books.db();
        for (int i = 0; i < base.size(); ++i)
            addLot(db, serialNo(i + 1), {{"Gong_SuKg", 1.0}, {"Gong_DaongWonAmt", base.at(i)}});
        // A lot of another month neither counts in the base nor gets a share.
        addLot(db, serialNo(9), {{"Gong_SuKg", 1.0}, {"Gong_DaongWonAmt", 5000.0}}, March);
        if (labour != 0)
            addAmount(db, Labour, Common, QStringLiteral("간접(공통)비"), labour);
        if (overhead != 0)
            addAmount(db, Overhead, Common, QStringLiteral("간접(공통)비"), overhead);
        addAmount(db, Labour, Common, QStringLiteral("간접(공통)비"), 999, March);

        QVERIFY(runAllocation(db, April).done());
        for (int i = 0; i < base.size(); ++i) {
            QCOMPARE(lotValue(db, serialNo(i + 1), "Gong_DaongNoMu_02"), labourShares.at(i));
            QCOMPARE(lotValue(db, serialNo(i + 1), "Gong_DaongJeyJo_02"), overheadShares.at(i));
        }
        QCOMPARE(lotValue(db, serialNo(9), "Gong_DaongNoMu_02"), 0.0);
    }

    void directCostsReachOnlyTheirLotsOfTheMonth()
    {
        TestBooks books;
        Db &db = books.db();
        addLot(db, serialNo(1), {{"Gong_SuKg", 1.0}, {"Gong_GaAmt", 500.0}});
        // An earlier run's direct amount that is no longer booked goes back to 0.
        addLot(db, serialNo(2), {{"Gong_SuKg", 1.0}, {"Gong_GaAmt", 200.0}, {"Gong_DaongNoMu_01", 99.0}});
        addLot(db, serialNo(3), {{"Gong_SuKg", 1.0}, {"Gong_DaongNoMu_01", 7.0}}, March);
        addAmount(db, Labour, Direct, serialNo(1), 100);
        addAmount(db, Labour, Direct, serialNo(1), 50);
        addAmount(db, Overhead, Direct, serialNo(2), 30);
        addAmount(db, Labour, Direct, serialNo(3), 40);                           // a lot of March
        addAmount(db, Labour, Direct, QString(""), 60);                           // no lot
        addAmount(db, QStringLiteral("판매비와관리비"), Direct, serialNo(2), 80); // not manufacturing

        QVERIFY(runAllocation(db, April).done());
        QCOMPARE(lotValue(db, serialNo(1), "Gong_DaongNoMu_01"), 150.0);
        QCOMPARE(lotValue(db, serialNo(1), "Gong_DaongJeyJo_01"), 0.0);
        QCOMPARE(lotValue(db, serialNo(2), "Gong_DaongNoMu_01"), 0.0);
        QCOMPARE(lotValue(db, serialNo(2), "Gong_DaongJeyJo_01"), 30.0);
        QCOMPARE(lotValue(db, serialNo(3), "Gong_DaongNoMu_01"), 7.0);
        QCOMPARE(lotValue(db, serialNo(1), "Gong_WoulAmtTot"), 650.0);
        QCOMPARE(lotValue(db, serialNo(2), "Gong_WoulAmtTot"), 230.0);
    }

    void lotCostsAreCarriedDownTheFlowOfGoods()
    {
        TestBooks books;
        Db &db = books.db();
        carryDownBooks(db);

        const RunOutcome outcome = runAllocation(db, April);
        QVERIFY(outcome.done());
        QCOMPARE(outcome.status, QStringLiteral("<<< 배부액 계산 완료 후 마감및이월작업 가능한 상태 >>>"));
        QCOMPARE(openState(db), QStringLiteral("미마감"));

        // The lot: direct 100 and 50, common at 300/600 and 60/600 of its 600.
        const QList<QPair<QString, double>> lot{{"Gong_DaongNoMu_01", 100},
                                                {"Gong_DaongNoMu_02", 300},
                                                {"Gong_DaongJeyJo_01", 50},
                                                {"Gong_DaongJeyJo_02", 60},
                                                {"Gong_WoulAmtTot", 1610}};
        for (const auto &[column, expected] : lot)
            QCOMPARE(lotValue(db, "A0000000001", column), expected);

        // The transfer of 2 of 10, although dated in May.
        const QList<QPair<QString, double>> transfer{
            {"TaGong_JenGiWoul", 40},     {"TaGong_DaongWoul", 60},    {"TaGong_TotWoul", 100},
            {"TaGong_JenGiWonAmt", 80},   {"TaGong_JenGiNoMu_01", 2},  {"TaGong_JenGiNoMu_02", 4},
            {"TaGong_JenGiJeyJo_01", 6},  {"TaGong_JenGiJeyJo_02", 8}, {"TaGong_DaongWonAmt", 120},
            {"TaGong_DaongNoMu_01", 20},  {"TaGong_DaongNoMu_02", 60}, {"TaGong_DaongJeyJo_01", 10},
            {"TaGong_DaongJeyJo_02", 12}, {"TaGong_WoulAmtTot", 322}};
        for (const auto &[column, expected] : transfer)
            QCOMPARE(value(db, "MC_JeyGongPumInPut_TaAc", "TaGong_Serial", "A0000000001", column), expected);

        // The completions of 5 and 3: this month's parts and the total; the brought-forward
        // parts stay as the warehouse screen wrote them.
        const QList<std::tuple<QString, QString, double>> completion{
            {"A0000000001", "InGong_DaongNoMu_01", 50},  {"A0000000001", "InGong_DaongNoMu_02", 150},
            {"A0000000001", "InGong_DaongJeyJo_01", 25}, {"A0000000001", "InGong_DaongJeyJo_02", 30},
            {"A0000000001", "InGong_WoulAmtTot", 805},   {"A0000000001", "InGong_JenGiNoMu_01", 5},
            {"A0000000002", "InGong_DaongNoMu_01", 30},  {"A0000000002", "InGong_WoulAmtTot", 483}};
        for (const auto &[serial, column, expected] : completion)
            QCOMPARE(value(db, "MC_ChaongGoJeyGongPumInJeyGong", "InGong_Serial", serial, column), expected);

        // The receipt sums its completions: direct labour, indirect labour, direct overhead,
        // indirect overhead, whatever the columns are called.
        const QList<QPair<QString, double>> receipt{{"JeyPum_JenGiNoMu", 88},
                                                    {"JeyPum_DaongNoMu", 256},
                                                    {"JeyPum_JenGiJeyJo", 64},
                                                    {"JeyPum_DaongJeyJo", 80},
                                                    {"JeyPum_TotGaAmt", 1288}};
        for (const auto &[column, expected] : receipt)
            QCOMPARE(value(db, "MC_ChaongGoJeyPumInPut", "JeyPum_Serial", "A0000000001", column), expected);
        QCOMPARE(value(db, "MC_ChaongGoJeyPumInPut", "JeyPum_Serial", "A0000000002", "JeyPum_TotGaAmt"), 100.0);

        const QList<QPair<QString, double>> productTransfer{{"TaJeyPum_JenGiNoMu", 22},
                                                            {"TaJeyPum_DaongNoMu", 64},
                                                            {"TaJeyPum_JenGiJeyJo", 16},
                                                            {"TaJeyPum_DaongJeyJo", 20},
                                                            {"TaJeyPum_TotGaAmt", 322}};
        for (const auto &[column, expected] : productTransfer)
            QCOMPARE(value(db, "MC_ChaongGoJeyPumInPut_TaAc", "TaJeyPum_Serial", "A0000000001", column), expected);

        // Cost of goods sold; a returned sale draws on no receipt and keeps its figure.
        const QList<QPair<QString, double>> cost{{"A0000000001", 644}, {"A0000000002", 50}, {"A0000000003", 77}};
        for (const auto &[serial, expected] : cost)
            QCOMPARE(value(db, "MC_ChaongGoJeyPumInPut_ChulGo", "ChulGo_Serial", serial, "ChulGo_WonJaJeyAmt"),
                     expected);
    }

    void aSecondRunChangesNothing()
    {
        TestBooks books;
        Db &db = books.db();
        carryDownBooks(db);
        QVERIFY(runAllocation(db, April).done());
        const QStringList first = picture(db);
        QVERIFY(runAllocation(db, April).done());
        QCOMPARE(picture(db), first);
    }

    void refusedWhenRowsOfTheMonthAreClosed_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("label");
        QTest::newRow("receipts") << "MC_WonJaJeyInPut"
                                  << "InPut_" << QStringLiteral("원자재 계정과목의 ");
        QTest::newRow("receipt transfers") << "MC_WonJaJeyInPut_TaAc"
                                           << "TaInPut_" << QStringLiteral("원자재 계정과목의 타 계정 대체");
        QTest::newRow("lots") << "MC_JeyGongPumInPut"
                              << "Gong_" << QStringLiteral("재공품 계정과목의 ");
        QTest::newRow("lot transfers") << "MC_JeyGongPumInPut_TaAc"
                                       << "TaGong_" << QStringLiteral("재공품 계정과목의 타 계정 대체");
        QTest::newRow("completions") << "MC_ChaongGoJeyGongPumInJeyGong"
                                     << "InGong_"
                                     << QStringLiteral("재공품 계정과목의") + LB +
                                            QStringLiteral("완성 재공품이 제품창고에 입고된 재공품");
        QTest::newRow("product receipts")
            << "MC_ChaongGoJeyPumInPut"
            << "JeyPum_" << QStringLiteral("제품 계정과목의") + LB + QStringLiteral("제품창고에 있는 제품");
        QTest::newRow("product transfers")
            << "MC_ChaongGoJeyPumInPut_TaAc"
            << "TaJeyPum_" << QStringLiteral("제품 계정과목의") + LB + QStringLiteral("타 계정 대체된 제품");
        QTest::newRow("shipments") << "MC_ChaongGoJeyPumInPut_ChulGo"
                                   << "ChulGo_"
                                   << QStringLiteral("제품 계정과목의") + LB + QStringLiteral("출고된 매출액 제품");
        QTest::newRow("amounts") << "MC_AcNameAmtInPut"
                                 << "Amt_" << QStringLiteral("수익,비용등 발생 금액 등록 계정과목의");
    }

    void refusedWhenRowsOfTheMonthAreClosed()
    {
        QFETCH(QString, table);
        QFETCH(QString, prefix);
        QFETCH(QString, label);
        TestBooks books;
        Db &db = books.db();
        carryDownBooks(db);
        insertWith(db, table,
                   RowValues{{prefix + "Serial", "Z0000000001"}, {prefix + "Check_01", QStringLiteral("마감완료")}} +
                       inMonth(prefix, April));
        const QStringList before = picture(db);
        const RunOutcome outcome = runAllocation(db, April);
        QVERIFY(!outcome.done());
        QCOMPARE(outcome.refusal->text, label + LB + "2005년 04월은" + LB + "마감완료된 상태라" + LB +
                                            "배부액 계산 업데이트가" + LB + "불가능한 년월입니다.........");
        QCOMPARE(picture(db), before);
    }

    void twoStatesInOneTableAreRefusedButNoStateAndEmptyAreOne_data()
    {
        QTest::addColumn<QString>("secondState"); // as SQL
        QTest::addColumn<bool>("refused");
        QTest::newRow("empty and NULL") << "NULL" << false;
        QTest::newRow("empty and another") << QStringLiteral("'수정중'") << true;
    }

    void twoStatesInOneTableAreRefusedButNoStateAndEmptyAreOne()
    {
        QFETCH(QString, secondState);
        QFETCH(bool, refused);
        TestBooks books;
        Db &db = books.db();
        addLot(db, serialNo(1), {{"Gong_SuKg", 1.0}});
        addLot(db, serialNo(2), {{"Gong_SuKg", 1.0}});
        db.exec(QStringLiteral("UpDate MC_JeyGongPumInPut Set Gong_Check_01 = %1 Where Gong_Serial = 'A0000000002'")
                    .arg(secondState));
        QCOMPARE(!runAllocation(db, April).done(), refused);
    }

    void onlyTheOneOpenMonthIsAllocated_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("month");
        QTest::addColumn<int>("openRows");
        QTest::addColumn<bool>("namesTheOpenMonth");
        QTest::newRow("another month") << "2005"
                                       << "05" << 1 << true;
        QTest::newRow("two open months") << "2005"
                                         << "04" << 2 << false;
        QTest::newRow("no open month") << "2005"
                                       << "04" << 0 << false;
    }

    void onlyTheOneOpenMonthIsAllocated()
    {
        QFETCH(QString, year);
        QFETCH(QString, month);
        QFETCH(int, openRows);
        QFETCH(bool, namesTheOpenMonth);
        TestBooks books;
        Db &db = books.db();
        carryDownBooks(db);
        if (openRows == 2)
            db.exec("UpDate MC_YearMonthCheck Set YM_Kubun = '미마감'");
        if (openRows == 0)
            db.exec("UpDate MC_YearMonthCheck Set YM_Kubun = '마감완료'");
        const QStringList before = picture(db);
        const RunOutcome outcome = runAllocation(db, {year, month});
        QVERIFY(!outcome.done());
        if (namesTheOpenMonth)
            QCOMPARE(outcome.refusal->text, QStringLiteral("월별 체크 테이블에 ") + LB + LB +
                                                "중대한 오류가 발행 하였거나" + LB + LB + "배부액 계산할 연도와 월은" +
                                                LB + LB + "2005년도 04월인데" + LB + LB +
                                                "체크 확인 바랍니다..................... ");
        else
            QCOMPARE(outcome.refusal->text, period::notUniqueWarning());
        QCOMPARE(picture(db), before);
    }

    // SQLite divides by zero into NULL where the old engine stopped: a row that others are
    // divided from must have a quantity and its amounts, and the run is refused otherwise.
    void rowsDividedByNeedAQuantityAndAmounts_data()
    {
        QTest::addColumn<QString>("broken");
        QTest::addColumn<QString>("refusedFor");
        QTest::newRow("lot of 0 with a transfer") << "lotZero" << QStringLiteral("재공품 저장순서 A0000000001");
        QTest::newRow("lot without an amount") << "lotNull" << QStringLiteral("재공품 저장순서 A0000000001");
        QTest::newRow("receipt of 0 with sales") << "receiptZero" << QStringLiteral("제품 저장순서 A0000000002");
        QTest::newRow("lot of 0 nothing draws on") << "idleLot" << QString();
        QTest::newRow("receipt of 0 nothing draws on") << "idleReceipt" << QString();
    }

    void rowsDividedByNeedAQuantityAndAmounts()
    {
        QFETCH(QString, broken);
        QFETCH(QString, refusedFor);
        TestBooks books;
        Db &db = books.db();
        carryDownBooks(db);
        if (broken == "lotZero")
            db.exec("UpDate MC_JeyGongPumInPut Set Gong_SuKg = 0");
        if (broken == "lotNull")
            db.exec("UpDate MC_JeyGongPumInPut Set Gong_JenGiNoMu_02 = NULL");
        if (broken == "receiptZero")
            db.exec("UpDate MC_ChaongGoJeyPumInPut Set JeyPum_SuKg = 0 Where JeyPum_Serial = 'A0000000002'");
        if (broken == "idleLot")
            addLot(db, serialNo(7), {{"Gong_SuKg", 0.0}});
        if (broken == "idleReceipt")
            insertWith(db, "MC_ChaongGoJeyPumInPut",
                       RowValues{{"JeyPum_Serial", serialNo(7)}, {"JeyPum_SuKg", 0.0}} + inMonth("JeyPum_", April));
        const QStringList before = picture(db);
        const RunOutcome outcome = runAllocation(db, April);
        if (refusedFor.isEmpty()) {
            QVERIFY(outcome.done());
            return;
        }
        QVERIFY(!outcome.done());
        QVERIFY2(outcome.refusal->text.startsWith(refusedFor), qPrintable(outcome.refusal->text));
        QCOMPARE(picture(db), before);
    }
};

ZEDUR_TEST_ON_BOTH_ENGINES(AllocationTest)
#include "tst_allocation.moc"
