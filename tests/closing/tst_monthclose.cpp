#include "BothEngines.h"
#include "ClosingFixture.h"
#include "closing/MonthClose.h"
#include "common/BooksLocation.h"
#include "common/Failure.h"
#include "common/Messages.h"
#include "common/TextNumber.h"
#include "store/BackupFile.h"
#include "store/Db.h"

#include <QFileInfo>
#include <QTest>
#include <optional>

using namespace zedur;
using namespace zedur::test;

namespace {

const CloseOptions NoBackup{false};

void addReceipt(Db &db, const QString &serial, double quantity, double price, const Period &p = April,
                std::optional<double> typedAmount = std::nullopt)
{
    insertWith(db, "MC_WonJaJeyInPut",
               RowValues{{"InPut_Serial", serial},
                         {"InPut_SuKg", quantity},
                         {"InPut_DanGa", price},
                         {"InPut_GaAmt", typedAmount.value_or(quantity * price)},
                         {"InPut_Kubun", QStringLiteral("당월입고")},
                         {"InPut_WonCode", "W0001"},
                         {"InPut_WonName", QStringLiteral("동판 '특'")},
                         {"InPut_SaleName", QStringLiteral("삼화금속")}} +
                   inMonth("InPut_", p));
}

void issueFrom(Db &db, const QString &lot, const QString &receipt, double quantity, const QString &kind = "당월투입")
{
    addLot(
        db, lot,
        {{"Gong_InPutSerial", receipt}, {"Gong_SuKg", quantity}, {"Gong_GaAmt", quantity * 2}, {"Gong_Kubun", kind}});
}

void addProductReceipt(Db &db, const QString &serial, double quantity, const RowValues &values)
{
    insertWith(db, "MC_ChaongGoJeyPumInPut",
               RowValues{{"JeyPum_Serial", serial}, {"JeyPum_SuKg", quantity}, {"JeyPum_JeyPumCode", "P0001"}} +
                   inMonth("JeyPum_", April) + values);
}

void ship(Db &db, const QString &serial, const QString &receipt, double quantity, const QString &kind = "정기매출출고")
{
    insertWith(db, "MC_ChaongGoJeyPumInPut_ChulGo",
               RowValues{{"ChulGo_Serial", serial},
                         {"ChulGo_JeyPumSerial", receipt},
                         {"ChulGo_SuKg", quantity},
                         {"ChulGo_Kubun", kind}} +
                   inMonth("ChulGo_", April));
}

ResultSet broughtForward(Db &db, const QString &table, const QString &prefix)
{
    return db.query(QStringLiteral("Select * From %1 Where %2Kubun = '전기이월' Order By %2Serial").arg(table, prefix));
}

} // namespace

class MonthCloseTest : public QObject
{
    Q_OBJECT

private slots:
    void rawMaterialLeftIsCarriedAtItsUnitPrice_data()
    {
        QTest::addColumn<QList<double>>("issued");
        QTest::addColumn<double>("transferred");
        QTest::addColumn<bool>("carried");
        QTest::addColumn<double>("quantity");
        QTest::addColumn<double>("amount"); // the remaining quantity at 123.45678, four decimals
        QTest::newRow("2.5 of 10 left") << QList<double>{4, 3.5} << 0.0 << true << 2.5 << 308.6420;
        QTest::newRow("used up by issues and a transfer") << QList<double>{6} << 4.0 << false << 0.0 << 0.0;
        QTest::newRow("more issued than received") << QList<double>{12} << 0.0 << true << -2.0 << -246.9136;
        QTest::newRow("a binary residue is not stock") << QList<double>{3.3, 3.3, 3.4} << 0.0 << false << 0.0 << 0.0;
        QTest::newRow("the smallest quantity is") << QList<double>{9.9999} << 0.0 << true << 0.0001 << 0.0123;
    }

    void rawMaterialLeftIsCarriedAtItsUnitPrice()
    {
        QFETCH(QList<double>, issued);
        QFETCH(double, transferred);
        QFETCH(bool, carried);
        QFETCH(double, quantity);
        QFETCH(double, amount);
        TestBooks books;
        Db &db = books.db();
        addReceipt(db, serialNo(5), 10, 123.45678);
        int n = 0;
        for (double q : issued)
            issueFrom(db, serialNo(++n), serialNo(5), q);
        // A brought-forward lot names a receipt of an earlier month: it takes nothing from this one.
        issueFrom(db, serialNo(9), serialNo(5), 50, QStringLiteral("전기이월"));
        if (transferred != 0)
            insertWith(db, "MC_WonJaJeyInPut_TaAc",
                       RowValues{{"TaInPut_Serial", serialNo(1)},
                                 {"TaInPut_InPutSerial", serialNo(5)},
                                 {"TaInPut_SuKg", transferred}} +
                           inMonth("TaInPut_", April));

        const CloseOutcome outcome = runMonthClose(db, April, NoBackup);
        QVERIFY(outcome.done());
        const ResultSet rows = broughtForward(db, "MC_WonJaJeyInPut", "InPut_");
        QCOMPARE(rows.size(), carried ? 1 : 0);
        QCOMPARE(outcome.carriedReceipts, rows.size());
        if (!carried)
            return;
        QCOMPARE(rows.number(0, "InPut_SuKg"), quantity);
        QCOMPARE(rows.number(0, "InPut_DanGa"), 123.4568);
        QCOMPARE(rows.number(0, "InPut_GaAmt"), amount);
        QCOMPARE(rows.text(0, "InPut_Serial"), serialNo(6));
        QCOMPARE(rows.text(0, "InPut_Date"), QStringLiteral("2005-05-01"));
        QCOMPARE(rows.text(0, "InPut_Year") + rows.text(0, "InPut_Month"), QStringLiteral("200505"));
        QCOMPARE(rows.text(0, "InPut_TextMemo"), QStringLiteral("2005-05-01 전기이월분"));
        QCOMPARE(rows.text(0, "InPut_Bigo"), QStringLiteral("전월분 저장순서A0000000005"));
        QCOMPARE(rows.text(0, "InPut_InPutSerial"), serialNo(5));
        QCOMPARE(rows.text(0, "InPut_WonName"), QStringLiteral("동판 '특'"));
        QCOMPARE(rows.text(0, "InPut_SaleName"), QStringLiteral("삼화금속"));
        QCOMPARE(rows.value(0, "InPut_Check_01"), QVariant(QString("")));
        QCOMPARE(rows.text(0, "InPut_Check_03"), AuditValues::now().volumeSerial);
    }

    void aTypedReceiptAmountIsCarriedWhole_data()
    {
        QTest::addColumn<double>("quantity");
        QTest::addColumn<double>("price");
        QTest::addColumn<double>("amount");
        QTest::addColumn<QList<double>>("issued");  // quantities
        QTest::addColumn<QList<double>>("amounts"); // what each issue took
        QTest::addColumn<bool>("carried");
        QTest::addColumn<double>("carriedQuantity");
        QTest::addColumn<double>("carriedAmount");
        QTest::newRow("typed 120, half issued at its share")
            << 10.0 << 10.0 << 120.0 << QList<double>{5} << QList<double>{60} << true << 5.0 << 60.0;
        QTest::newRow("typed 120, half issued at quantity x price by older books")
            << 10.0 << 10.0 << 120.0 << QList<double>{5} << QList<double>{50} << true << 5.0 << 70.0;
        QTest::newRow("typed, all of it issued at quantity x price: the difference stays as an amount")
            << 10.0 << 10.0 << 120.0 << QList<double>{10} << QList<double>{100} << true << 0.0 << 20.0;
        QTest::newRow("an amount without a quantity stays") << 0.0 << 0.0 << 500.0 << QList<double>{}
                                                            << QList<double>{} << true << 0.0 << 500.0;
        QTest::newRow("typed 500 over the price, most issued at quantity x price")
            << 1193.05 << 14.9021 << 18278.9504 << QList<double>{1101.2784} << QList<double>{16411.3608} << true
            << 91.7716 << 1867.5896;
        QTest::newRow("priced and used up: what the rounding of the issues leaves is no stock")
            << 10.0 << 123.45678 << 1234.5678 << QList<double>{3.3, 3.3, 3.4}
            << QList<double>{407.4074, 407.4074, 419.7531} << false << 0.0 << 0.0;
    }

    // Whatever amount a receipt was typed with, what its issues took plus what is carried
    // is that amount: the close neither loses nor makes value.
    void aTypedReceiptAmountIsCarriedWhole()
    {
        QFETCH(double, quantity);
        QFETCH(double, price);
        QFETCH(double, amount);
        QFETCH(QList<double>, issued);
        QFETCH(QList<double>, amounts);
        QFETCH(bool, carried);
        QFETCH(double, carriedQuantity);
        QFETCH(double, carriedAmount);
        TestBooks books;
        Db &db = books.db();
        addReceipt(db, serialNo(5), quantity, price, April, amount);
        for (int i = 0; i < issued.size(); ++i)
            addLot(db, serialNo(i + 1),
                   {{"Gong_InPutSerial", serialNo(5)}, {"Gong_SuKg", issued.at(i)}, {"Gong_GaAmt", amounts.at(i)}});
        QVERIFY(runMonthClose(db, April, NoBackup).done());
        const ResultSet rows = broughtForward(db, "MC_WonJaJeyInPut", "InPut_");
        QCOMPARE(rows.size(), carried ? 1 : 0);
        if (!carried)
            return;
        QCOMPARE(roundDecimals(rows.number(0, "InPut_SuKg"), 4), carriedQuantity);
        QCOMPARE(rows.number(0, "InPut_DanGa"), price);
        QCOMPARE(rows.number(0, "InPut_GaAmt"), carriedAmount);
    }

    // A lot issued from a typed receipt holds its share of that amount, not quantity x price:
    // what its completions leave of it goes forward as it is.
    void aLotWithATypedShareGoesForwardWithWhatIsLeftOfIt()
    {
        TestBooks books;
        Db &db = books.db();
        addLot(db, serialNo(3),
               {{"Gong_InPutSerial", serialNo(8)}, {"Gong_SuKg", 5.0},      {"Gong_DanGa", 10.0},
                {"Gong_GaAmt", 60.0},              {"Gong_TotWoul", 100.0}, {"Gong_DaongWoul", 100.0},
                {"Gong_DaongWonAmt", 60.0},         {"Gong_WoulAmtTot", 60.0}});
        for (const char *stem : {"JenGiWoul", "JenGiWonAmt", "JenGiNoMu_01", "JenGiNoMu_02", "JenGiJeyJo_01",
                                 "JenGiJeyJo_02", "DaongNoMu_01", "DaongNoMu_02", "DaongJeyJo_01", "DaongJeyJo_02"})
            db.exec(QStringLiteral("UpDate MC_JeyGongPumInPut Set Gong_%1 = 0").arg(QLatin1String(stem)));
        insertWith(db, "MC_ChaongGoJeyGongPumInJeyGong",
                   RowValues{{"InGong_Serial", serialNo(1)},
                             {"InGong_GongSerial", serialNo(3)},
                             {"InGong_SuKg", 2.0},
                             {"InGong_GaAmt", 24.0},
                             {"InGong_WoulAmtTot", 24.0}} +
                       inMonth("InGong_", April));
        QVERIFY(runMonthClose(db, April, NoBackup).done());
        const ResultSet rows = broughtForward(db, "MC_JeyGongPumInPut", "Gong_");
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.number(0, "Gong_SuKg"), 3.0);
        QCOMPARE(rows.number(0, "Gong_DanGa"), 10.0);
        QCOMPARE(rows.number(0, "Gong_GaAmt"), 36.0);
        QCOMPARE(rows.number(0, "Gong_WoulAmtTot"), 36.0);
    }

    void aLotGoesForwardWithItsCostSoFar()
    {
        TestBooks books;
        Db &db = books.db();
        // 40 % complete; 10 of it were completed into the warehouse and 5 transferred, 25 remain.
        addLot(db, serialNo(3),
               {{"Gong_InPutSerial", serialNo(8)},
                {"Gong_SuKg", 40.0},
                {"Gong_DanGa", 12.34567},
                {"Gong_GaAmt", 493.8268},
                {"Gong_JenGiWoul", 30.0},
                {"Gong_DaongWoul", 10.0},
                {"Gong_TotWoul", 40.0},
                {"Gong_JenGiWonAmt", 100.0},
                {"Gong_DaongWonAmt", 60.0},
                {"Gong_JenGiNoMu_01", 8.0},
                {"Gong_DaongNoMu_01", 12.0},
                {"Gong_JenGiNoMu_02", 4.0},
                {"Gong_DaongNoMu_02", 4.0},
                {"Gong_JenGiJeyJo_01", 1.0},
                {"Gong_DaongJeyJo_01", 2.0},
                {"Gong_JenGiJeyJo_02", 0.0},
                {"Gong_DaongJeyJo_02", 1.23456},
                {"Gong_WoulAmtTot", 999.0},
                {"Gong_WonName", QStringLiteral("동판")}});
        insertWith(
            db, "MC_ChaongGoJeyGongPumInJeyGong",
            RowValues{{"InGong_Serial", serialNo(1)}, {"InGong_GongSerial", serialNo(3)}, {"InGong_SuKg", 10.0}} +
                inMonth("InGong_", April));
        insertWith(db, "MC_JeyGongPumInPut_TaAc",
                   RowValues{{"TaGong_Serial", serialNo(1)}, {"TaGong_GongSerial", serialNo(3)}, {"TaGong_SuKg", 5.0}} +
                       inMonth("TaGong_", April));

        QVERIFY(runMonthClose(db, April, NoBackup).done());
        const ResultSet rows = broughtForward(db, "MC_JeyGongPumInPut", "Gong_");
        QCOMPARE(rows.size(), 1);
        const double f = 25.0 / 40.0;
        const QList<QPair<QString, double>> expected{
            {"Gong_SuKg", 25},
            {"Gong_DanGa", 12.3457},
            {"Gong_GaAmt", 308.6418}, // 25 x 12.34567 = 308.64175, four decimals
            {"Gong_JenGiWoul", 40},
            {"Gong_DaongWoul", 0},
            {"Gong_TotWoul", 40},
            {"Gong_JenGiWonAmt", 160 * f},
            {"Gong_JenGiNoMu_01", 20 * f},
            {"Gong_JenGiNoMu_02", 8 * f},
            {"Gong_JenGiJeyJo_01", 3 * f},
            {"Gong_JenGiJeyJo_02", 0.77160}, // 1.23456 x 0.625 = 0.7716
            {"Gong_DaongWonAmt", 0},
            {"Gong_DaongNoMu_01", 0},
            {"Gong_DaongNoMu_02", 0},
            {"Gong_DaongJeyJo_01", 0},
            {"Gong_DaongJeyJo_02", 0},
            {"Gong_WoulAmtTot", 308.6418 + 12.5 + 5 + 1.875 + 0.7716}};
        for (const auto &[column, value] : expected)
            QVERIFY2(qAbs(rows.number(0, column) - value) < 1e-9, qPrintable(column));
        QCOMPARE(rows.text(0, "Gong_InPutSerial"), serialNo(8));
        QCOMPARE(rows.text(0, "Gong_GongSerial"), serialNo(3));
        QCOMPARE(rows.text(0, "Gong_WonName"), QStringLiteral("동판"));
        QCOMPARE(rows.text(0, "Gong_Bigo"), QStringLiteral("전월분 저장순서A0000000003"));
    }

    void productsGoForwardByWhatIsLeftOfThem_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<double>("parts"); // each of the five component amounts
        QTest::addColumn<double>("expectedTotal");
        // 10 received, 4 sold, 1 transferred, a returned sale of 2 that does not count: 5 left.
        QTest::newRow("ordinary: the sum of its parts") << QStringLiteral("당월입고") << 20.0 << 50.0;
        QTest::newRow("return: its total") << QStringLiteral("매출반품입고") << 20.0 << 150.0;
        QTest::newRow("all parts zero: its total") << QStringLiteral("당월입고") << 0.0 << 150.0;
    }

    void productsGoForwardByWhatIsLeftOfThem()
    {
        QFETCH(QString, kind);
        QFETCH(double, parts);
        QFETCH(double, expectedTotal);
        TestBooks books;
        Db &db = books.db();
        addProductReceipt(db, serialNo(4), 10,
                          {{"JeyPum_Kubun", kind},
                           {"JeyPum_GaAmt", parts},
                           {"JeyPum_JenGiNoMu", parts},
                           {"JeyPum_DaongNoMu", parts},
                           {"JeyPum_JenGiJeyJo", parts},
                           {"JeyPum_DaongJeyJo", parts},
                           {"JeyPum_TotGaAmt", 300.0},
                           {"BanPum_ChulGoSerial", serialNo(77)}});
        ship(db, serialNo(1), serialNo(4), 4);
        ship(db, serialNo(2), serialNo(4), -2, QStringLiteral("반품매출액"));
        insertWith(db, "MC_ChaongGoJeyPumInPut_TaAc",
                   RowValues{{"TaJeyPum_Serial", serialNo(1)},
                             {"TaJeyPum_JeyPumSerial", serialNo(4)},
                             {"TaJeyPum_SuKg", 1.0}} +
                       inMonth("TaJeyPum_", April));

        QVERIFY(runMonthClose(db, April, NoBackup).done());
        const ResultSet rows = broughtForward(db, "MC_ChaongGoJeyPumInPut", "JeyPum_");
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.number(0, "JeyPum_SuKg"), 5.0);
        for (const char *column :
             {"JeyPum_GaAmt", "JeyPum_JenGiNoMu", "JeyPum_DaongNoMu", "JeyPum_JenGiJeyJo", "JeyPum_DaongJeyJo"})
            QCOMPARE(rows.number(0, column), parts / 2);
        QCOMPARE(rows.number(0, "JeyPum_TotGaAmt"), expectedTotal);
        QCOMPARE(rows.text(0, "JeyPum_JeyPumSerial"), serialNo(4));
        QCOMPARE(rows.text(0, "JeyPum_JeyPumCode"), QStringLiteral("P0001"));
        QCOMPARE(rows.value(0, "BanPum_ChulGoSerial"), QVariant(QString("")));
    }

    void everyRowOfTheMonthAndTheMonthAreClosedAndTheNextOpened_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("next");
        QTest::addColumn<QString>("following");
        QTest::newRow("April") << "200504"
                               << "200505"
                               << "200506";
        QTest::newRow("December rolls the year") << "200512"
                                                 << "200601"
                                                 << "200602";
    }

    void everyRowOfTheMonthAndTheMonthAreClosedAndTheNextOpened()
    {
        QFETCH(QString, start);
        QFETCH(QString, next);
        QFETCH(QString, following);
        const Period month{start.left(4), start.mid(4)};
        TestBooks books(month);
        Db &db = books.db();
        const QList<QPair<QString, QString>> tables{{"MC_WonJaJeyInPut", "InPut_"},
                                                    {"MC_WonJaJeyInPut_TaAc", "TaInPut_"},
                                                    {"MC_JeyGongPumInPut", "Gong_"},
                                                    {"MC_JeyGongPumInPut_TaAc", "TaGong_"},
                                                    {"MC_ChaongGoJeyGongPumInJeyGong", "InGong_"},
                                                    {"MC_ChaongGoJeyPumInPut", "JeyPum_"},
                                                    {"MC_ChaongGoJeyPumInPut_TaAc", "TaJeyPum_"},
                                                    {"MC_ChaongGoJeyPumInPut_ChulGo", "ChulGo_"},
                                                    {"MC_AcNameAmtInPut", "Amt_"}};
        for (const auto &[table, prefix] : tables)
            insertWith(db, table, RowValues{{prefix + "Serial", serialNo(1)}} + inMonth(prefix, month));

        const CloseOutcome outcome = runMonthClose(db, month, NoBackup);
        QVERIFY(outcome.done());
        for (const auto &[table, prefix] : tables)
            QCOMPARE(
                db.scalar(QStringLiteral("Select %1Check_01 From %2 Where %1Serial = 'A0000000001'").arg(prefix, table))
                    .toString(),
                QStringLiteral("마감완료"));
        const ResultSet periods = db.query("Select * From MC_YearMonthCheck Order By YM_Serial");
        QCOMPARE(periods.size(), 3);
        QCOMPARE(periods.text(1, "YM_Kubun"), QStringLiteral("마감완료"));
        QCOMPARE(periods.text(1, "YM_Check_01"), QStringLiteral("마감완료"));
        QCOMPARE(periods.text(1, "YM_TextMemo"), QStringLiteral("배부액 계산 완료 후 마감및이월작업까지 완료한 상태"));
        QCOMPARE(periods.text(2, "YM_Serial"), QStringLiteral("A0000000003"));
        QCOMPARE(periods.text(2, "YM_Year") + periods.text(2, "YM_Month"), next);
        QCOMPARE(periods.text(2, "YM_ChaGiYear") + periods.text(2, "YM_ChaGiMonth"), following);
        QCOMPARE(periods.text(2, "YM_Kubun"), QStringLiteral("미마감"));
        QCOMPARE(periods.text(2, "YM_TextMemo"), QStringLiteral("배부액 계산 완료 후 마감및이월작업 가능한 상태"));
        QCOMPARE(outcome.status, QStringLiteral("<<< 배부액 계산 완료 후 마감및이월작업 가능한 상태 >>>"));
    }

    void anEmptyMonthClosesWithNothingCarried()
    {
        TestBooks books;
        Db &db = books.db();
        const CloseOutcome outcome = runMonthClose(db, April, NoBackup);
        QVERIFY(outcome.done());
        QCOMPARE(outcome.carriedReceipts + outcome.carriedLots + outcome.carriedProducts, 0);
        QCOMPARE(period::theOpenPeriod(db)->period, May);
        QCOMPARE(db.scalar("Select count(*) From MC_WonJaJeyInPut").toInt(), 0);
    }

    void broughtForwardRowsTakeNewSerialsInTheOrderOfTheirSources()
    {
        TestBooks books;
        Db &db = books.db();
        // Sources inserted out of order, after a row of another month with a higher serial.
        addReceipt(db, serialNo(40), 1, 1, March);
        for (int n : {12, 3, 7})
            addReceipt(db, serialNo(n), n, 1);
        QVERIFY(runMonthClose(db, April, NoBackup).done());
        const ResultSet rows = broughtForward(db, "MC_WonJaJeyInPut", "InPut_");
        QCOMPARE(rows.size(), 3);
        const QStringList expected{serialNo(3), serialNo(7), serialNo(12)};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(rows.text(i, "InPut_Serial"), serialNo(41 + i));
            QCOMPARE(rows.text(i, "InPut_InPutSerial"), expected.at(i));
        }
    }

    void refusedWhileTheAllocationMustBeRunAgain()
    {
        TestBooks books;
        Db &db = books.db();
        addReceipt(db, serialNo(1), 10, 1);
        period::markRecalculation(db);
        const QStringList before = picture(db);
        const CloseOutcome outcome = runMonthClose(db, April, NoBackup);
        QVERIFY(!outcome.done());
        QCOMPARE(outcome.refusal->text, QStringLiteral("2005년도 04월은") + LB + LB + "배부액을 재 계산 완료후에 " +
                                            LB + LB + "이월및마감 작업이 가능합니다..................... ");
        QCOMPARE(outcome.status, QStringLiteral("배부액을 먼저 업데이트 하세요."));
        QCOMPARE(picture(db), before);
    }

    void refusedForClosedRowsOrAnotherMonth_data()
    {
        QTest::addColumn<QString>("closedTable");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QString>("status");
        QTest::newRow("closed lots") << "MC_JeyGongPumInPut"
                                     << "Gong_"
                                     << "04"
                                     << QStringLiteral("재공품 계정과목의 ") + LB + "2005년 04월은" + LB +
                                            "마감완료된 상태라" + LB + "추가 마감및이월 작업이" + LB +
                                            "불가능한 년월입니다........."
                                     << QStringLiteral("<<< 배부액을 재 계산하여야 할 상태 >>>");
        QTest::newRow("closed amounts are not tested") << "MC_AcNameAmtInPut"
                                                       << "Amt_"
                                                       << "04" << QString() << QString();
        QTest::newRow("another month") << QString() << QString() << "05"
                                       << QStringLiteral("월별 체크 테이블에 ") + LB + LB +
                                              "중대한 오류가 발행 하였거나" + LB + LB + "마감및이월 작업 연도와 월은" +
                                              LB + LB + "2005년도 04월인데" + LB + LB +
                                              "체크 확인 바랍니다..................... "
                                       << QStringLiteral("데이타 없습니다.");
    }

    void refusedForClosedRowsOrAnotherMonth()
    {
        QFETCH(QString, closedTable);
        QFETCH(QString, prefix);
        QFETCH(QString, month);
        QFETCH(QString, refusal);
        QFETCH(QString, status);
        TestBooks books;
        Db &db = books.db();
        addReceipt(db, serialNo(1), 10, 1);
        if (!closedTable.isEmpty())
            insertWith(db, closedTable,
                       RowValues{{prefix + "Serial", serialNo(9)}, {prefix + "Check_01", QStringLiteral("마감완료")}} +
                           inMonth(prefix, April));
        const QStringList before = picture(db);
        const CloseOutcome outcome = runMonthClose(db, {"2005", month}, NoBackup);
        if (refusal.isEmpty()) {
            QVERIFY(outcome.done());
            return;
        }
        QVERIFY(!outcome.done());
        QCOMPARE(outcome.refusal->text, refusal);
        QCOMPARE(outcome.status, status);
        QCOMPARE(picture(db), before);
    }

    void sourcesThatCannotBeDividedAreRefused_data()
    {
        QTest::addColumn<QString>("broken");
        QTest::addColumn<QString>("refusedFor");
        QTest::newRow("lot of 0 with a remainder") << "lotZero" << QStringLiteral("재공품 저장순서 A0000000002");
        QTest::newRow("receipt of 0 with a remainder") << "productZero" << QStringLiteral("제품 저장순서 A0000000003");
        QTest::newRow("raw material without a price") << "noPrice" << QStringLiteral("원자재 저장순서 A0000000001");
        QTest::newRow("lot of 0 used up") << "idleLot" << QString();
    }

    void sourcesThatCannotBeDividedAreRefused()
    {
        QFETCH(QString, broken);
        QFETCH(QString, refusedFor);
        TestBooks books;
        Db &db = books.db();
        addReceipt(db, serialNo(1), 10, 1);
        if (broken == "noPrice")
            db.exec("UpDate MC_WonJaJeyInPut Set InPut_DanGa = NULL");
        if (broken == "lotZero") // a lot of 0 that something was completed from
        {
            addLot(db, serialNo(2), {{"Gong_SuKg", 0.0}});
            insertWith(
                db, "MC_JeyGongPumInPut_TaAc",
                RowValues{{"TaGong_Serial", serialNo(1)}, {"TaGong_GongSerial", serialNo(2)}, {"TaGong_SuKg", 1.0}} +
                    inMonth("TaGong_", April));
        }
        if (broken == "idleLot")
            addLot(db, serialNo(2), {{"Gong_SuKg", 0.0}});
        if (broken == "productZero") {
            addProductReceipt(db, serialNo(3), 0, {});
            ship(db, serialNo(1), serialNo(3), 2);
        }
        const QStringList before = picture(db);
        const CloseOutcome outcome = runMonthClose(db, April, NoBackup);
        if (refusedFor.isEmpty()) {
            QVERIFY(outcome.done());
            return;
        }
        QVERIFY(!outcome.done());
        QVERIFY2(outcome.refusal->text.startsWith(refusedFor), qPrintable(outcome.refusal->text));
        QCOMPARE(picture(db), before);
    }

    void aCloseThatFailsHalfwayLeavesNothingBehind()
    {
        TestBooks books;
        Db &db = books.db();
        addReceipt(db, serialNo(1), 10, 1);
        // The product step fails after the raw material was carried: no serial follows the last.
        addProductReceipt(db, QStringLiteral("Z9999999999"), 4, {{"JeyPum_TotGaAmt", 40.0}});
        const QStringList before = picture(db);
        QVERIFY_THROWS_EXCEPTION(Failure, runMonthClose(db, April, NoBackup));
        QCOMPARE(picture(db), before);
        QCOMPARE(period::theOpenPeriod(db)->period, April);
    }

    void aBackupIsWrittenBeforeTheClose()
    {
        TestBooks books;
        Db &db = books.db();
        addReceipt(db, serialNo(1), 10, 1);
        const CloseOutcome outcome = runMonthClose(db, April);
        QVERIFY(outcome.done());
        // Books on a server are backed up as a books file named after their database.
        const auto server = parseServerLocation(books.location());
        const QString name = server ? server->database : QStringLiteral("ZedUr_DB");
        QVERIFY2(outcome.backupPath.startsWith(books.dir() + "Access_Db/backup/" + name + "_"),
                 qPrintable(outcome.backupPath));
        QVERIFY(!QFileInfo::exists(outcome.backupPath + ".partial"));
        const QString expanded = books.dir() + "expanded.mdb";
        backupfile::expand(outcome.backupPath, expanded);
        auto backup = Db::open(expanded);
        QCOMPARE(backup->scalar("Select count(*) From MC_WonJaJeyInPut").toInt(), 1);
        QCOMPARE(period::theOpenPeriod(*backup)->period, April);
    }

    void aRefusedCloseWritesNoBackup()
    {
        TestBooks books;
        Db &db = books.db();
        period::markRecalculation(db);
        const CloseOutcome outcome = runMonthClose(db, April);
        QVERIFY(!outcome.done());
        QVERIFY(outcome.backupPath.isEmpty());
        QVERIFY(!QFileInfo::exists(books.dir() + "Access_Db/backup"));
    }
};

ZEDUR_TEST_ON_BOTH_ENGINES(MonthCloseTest)
#include "tst_monthclose.moc"
