#include "ReportFixture.h"
#include "reports/ProductMovements.h"
#include "reports/RawMaterialMovements.h"
#include "reports/ReportMonth.h"
#include "reports/WipMovements.h"

using namespace zedur;
using namespace zedur::reports;
using test::addRow;
using test::columnOf;
using test::TestBooks;

namespace {
const Period April{"2005", "04"};

// Figures of one row as the list gives them.
QVector<double> numbers(const ResultSet &rs, int row, const QStringList &fields)
{
    QVector<double> out;
    for (const QString &f : fields)
        out << rs.number(row, f);
    return out;
}
} // namespace

class MovementsTest : public QObject
{
    Q_OBJECT

private slots:
    void lastDayOfTheMonth_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("day");
        QTest::newRow("leap year") << "2004"
                                   << "02"
                                   << "2004-02-29";
        QTest::newRow("common year") << "2005"
                                     << "02"
                                     << "2005-02-28";
        QTest::newRow("century, not leap") << "2100"
                                           << "02"
                                           << "2100-02-28";
        QTest::newRow("fourth century, leap") << "2000"
                                              << "02"
                                              << "2000-02-29";
        QTest::newRow("thirty days") << "2005"
                                     << "04"
                                     << "2005-04-30";
        QTest::newRow("december") << "2005"
                                  << "12"
                                  << "2005-12-31";
    }
    void lastDayOfTheMonth()
    {
        QFETCH(QString, year);
        QFETCH(QString, month);
        QFETCH(QString, day);
        QCOMPARE(lastDayOfMonth({year, month}), day);
    }

    void rawMaterialsOfAMonth()
    {
        TestBooks books;
        Db &db = books.db();
        rawMovements::recreateTables(db);
        const QString longMemo(150, u'메'); // the receipts take 200 characters
        const QString carried = addRow(db, "MC_WonJaJeyInPut",
                                       {{"InPut_Date", "2005-04-01"},
                                        {"InPut_Kubun", "전기이월"},
                                        {"InPut_SuKg", 10},
                                        {"InPut_DanGa", 5},
                                        {"InPut_GaAmt", 50},
                                        {"InPut_WonCode", "W1"}});
        const QString bought = addRow(db, "MC_WonJaJeyInPut",
                                      {{"InPut_Date", "2005-04-10"},
                                       {"InPut_Kubun", "당월입고"},
                                       {"InPut_SuKg", 20},
                                       {"InPut_DanGa", 3},
                                       {"InPut_GaAmt", 60},
                                       {"InPut_TextMemo", longMemo}});
        addRow(db, "MC_WonJaJeyInPut", {{"InPut_Date", "2005-03-10"}, {"InPut_Kubun", "당월입고"}, {"InPut_GaAmt", 7}});
        addRow(db, "MC_JeyGongPumInPut",
               {{"Gong_Date", "2005-04-15"},
                {"Gong_Kubun", "당월투입"},
                {"Gong_SuKg", 8},
                {"Gong_GaAmt", 24},
                {"Gong_InPutSerial", bought}});
        // A lot brought forward is work in process already, no raw material leaving.
        addRow(db, "MC_JeyGongPumInPut",
               {{"Gong_Date", "2005-04-01"}, {"Gong_Kubun", "전기이월"}, {"Gong_SuKg", 3}, {"Gong_GaAmt", 9}});
        addRow(db, "MC_WonJaJeyInPut_TaAc",
               {{"TaInPut_Date", "2005-04-15"},
                {"TaInPut_Kubun", "당월타계정"},
                {"TaInPut_SuKg", 2},
                {"TaInPut_GaAmt", 10},
                {"TaInPut_InPutSerial", carried}});

        const MovementReport r = rawMovements::build(db, April);
        const ResultSet &d = r.detail.rows;
        QCOMPARE(columnOf(d, "RInPut_JeyGongIndex"),
                 (QStringList{"10-원자재", "10-원자재", "20-재공품", "30-타계정대체 원자재", "99-합계"}));
        QCOMPARE(columnOf(d, "RInPut_Kubun"), (QStringList{"전기이월", "당월입고", "당월투입", "당월타계정", "합계"}));
        QCOMPARE(columnOf(d, "RInPut_KubunSerial"), (QStringList{carried, bought, bought, carried, ""}));
        QCOMPARE(columnOf(d, "RInPut_InPutSerial"), (QStringList{"", "", bought, carried, ""}));
        QCOMPARE(d.text(1, "RInPut_TextMemo"), longMemo);
        QCOMPARE(numbers(d, 2, {"RInPut_SuKg_YbGo", "RInPut_GaAmt_YbGo", "RInPut_SuKg_ChulGo", "RInPut_GaAmt_ChulGo"}),
                 (QVector<double>{0, 0, 8, 24}));

        QCOMPARE(d.text(4, "RInPut_Serial"), QStringLiteral("Z9999999999"));
        QCOMPARE(d.text(4, "RInPut_Date"), QStringLiteral("2005-04-30"));
        QCOMPARE(d.text(4, "RInPut_WonName"), QStringLiteral("2005년 04월분 합계"));
        QCOMPARE(numbers(d, 4, {"RInPut_GaAmt_YbGo", "RInPut_GaAmt_ChulGo"}), (QVector<double>{110, 34}));
        QCOMPARE(d.text(4, "RInPut_TextMemo"), QStringLiteral("잔액 76.00"));

        // Closing stock = brought forward + purchases - issues - transfers.
        QCOMPARE(numbers(r.summary.rows, 0,
                         {"RGaAmt_JenGi", "RGaAmt_Daong", "RGaAmt_TaAc", "RGaAmt_JeyGo", "RGaAmt_JeyGong"}),
                 (QVector<double>{50, 60, 10, 76, 24}));
    }

    void anEmptyMonthShowsItsTotalRow_data()
    {
        QTest::addColumn<int>("report");
        QTest::newRow("raw material") << 1;
        QTest::newRow("work in process") << 2;
        QTest::newRow("products") << 3;
    }
    void anEmptyMonthShowsItsTotalRow()
    {
        QFETCH(int, report);
        TestBooks books;
        Db &db = books.db();
        ResultSet detail;
        ResultSet summary;
        if (report == 1) {
            rawMovements::recreateTables(db);
            const auto r = rawMovements::build(db, {"2004", "02"});
            detail = r.detail.rows;
            summary = r.summary.rows;
        } else if (report == 2) {
            wipMovements::recreateTables(db);
            const auto r = wipMovements::build(db, {"2004", "02"});
            detail = r.detail.rows;
            summary = r.summary.rows;
        } else {
            productMovements::recreateTables(db);
            const auto r = productMovements::build(db, {"2004", "02"});
            detail = r.detail.rows;
            summary = r.summary.rows;
        }
        QCOMPARE(detail.size(), 1);
        const int memo = detail.columnIndex(report == 1 ? "RInPut_TextMemo" : "Ret_TextMemo");
        QCOMPARE(detail.rows().first().at(memo).toString(), QStringLiteral("잔액 0.00"));
        QCOMPARE(detail.text(0, report == 1 ? "RInPut_Date" : "Ret_Date"), QStringLiteral("2004-02-29"));
        QCOMPARE(summary.size(), report == 2 ? 6 : 1);
        for (const auto &row : summary.rows())
            for (const QVariant &v : row)
                if (v.typeId() == QMetaType::Double)
                    QCOMPARE(v.toDouble(), 0.0);
    }

    void aMovementOnTheLastDayStandsAboveTheTotal()
    {
        TestBooks books;
        Db &db = books.db();
        rawMovements::recreateTables(db);
        addRow(db, "MC_WonJaJeyInPut", {{"InPut_Date", "2004-02-29"}, {"InPut_Kubun", "당월입고"}, {"InPut_GaAmt", 5}});
        const ResultSet d = rawMovements::build(db, {"2004", "02"}).detail.rows;
        QCOMPARE(columnOf(d, "RInPut_Date"), (QStringList{"2004-02-29", "2004-02-29"}));
        QCOMPARE(columnOf(d, "RInPut_Kubun"), (QStringList{"당월입고", "합계"}));
    }

    void workInProcessOfAMonth()
    {
        TestBooks books;
        Db &db = books.db();
        wipMovements::recreateTables(db);
        // A lot brought forward with this month's allocation on it, a new lot, a completion
        // of part of the first and a transfer of part of the second.
        const QString carried = addRow(db, "MC_JeyGongPumInPut",
                                       {{"Gong_Date", "2005-04-01"},
                                        {"Gong_Kubun", "전기이월"},
                                        {"Gong_SuKg", 10},
                                        {"Gong_GaAmt", 50.123456},
                                        {"Gong_JenGiNoMu_01", 3},
                                        {"Gong_JenGiNoMu_02", 2},
                                        {"Gong_JenGiJeyJo_01", 1.5},
                                        {"Gong_JenGiJeyJo_02", 0.5},
                                        {"Gong_DaongNoMu_01", 4},
                                        {"Gong_DaongNoMu_02", 1},
                                        {"Gong_DaongJeyJo_01", 0.25},
                                        {"Gong_DaongJeyJo_02", 0.75},
                                        {"Gong_WoulAmtTot", 63.123456}});
        const QString issued = addRow(db, "MC_JeyGongPumInPut",
                                      {{"Gong_Date", "2005-04-12"},
                                       {"Gong_Kubun", "당월투입"},
                                       {"Gong_SuKg", 20},
                                       {"Gong_GaAmt", 100},
                                       {"Gong_DaongNoMu_01", 10},
                                       {"Gong_DaongNoMu_02", 5},
                                       {"Gong_DaongJeyJo_01", 2},
                                       {"Gong_DaongJeyJo_02", 3},
                                       {"Gong_WoulAmtTot", 120}});
        addRow(db, "MC_ChaongGoJeyGongPumInJeyGong",
               {{"InGong_Date", "2005-04-20"},
                {"InGong_SuKg", 6},
                {"InGong_GaAmt", 30},
                {"InGong_JenGiNoMu_01", 1.8},
                {"InGong_JenGiNoMu_02", 1.2},
                {"InGong_JenGiJeyJo_01", 0.9},
                {"InGong_JenGiJeyJo_02", 0.3},
                {"InGong_DaongNoMu_01", 2.4},
                {"InGong_DaongNoMu_02", 0.6},
                {"InGong_DaongJeyJo_01", 0.15},
                {"InGong_DaongJeyJo_02", 0.45},
                {"InGong_WoulAmtTot", 37.8},
                {"InGong_GongSerial", carried},
                {"InGong_JeyPumSerial", "A0000000007"},
                {"InGong_JeyPumCode", "P1"}});
        addRow(db, "MC_JeyGongPumInPut_TaAc",
               {{"TaGong_Date", "2005-04-20"},
                {"TaGong_SuKg", 4},
                {"TaGong_GaAmt", 20},
                {"TaGong_DaongNoMu_01", 2},
                {"TaGong_DaongNoMu_02", 1},
                {"TaGong_DaongJeyJo_01", 0.4},
                {"TaGong_DaongJeyJo_02", 0.6},
                {"TaGong_WoulAmtTot", 24},
                {"TaGong_GongSerial", issued}});

        const MovementReport r = wipMovements::build(db, April);
        const ResultSet &d = r.detail.rows;
        QCOMPARE(columnOf(d, "Kubun_Index"),
                 (QStringList{"10-재공품", "10-재공품", "20-제품창고입고된재공품", "30-타계정대체재공품", "99-합계"}));
        QCOMPARE(columnOf(d, "Ret_KubunSerial"), (QStringList{carried, issued, carried, issued, ""}));
        QCOMPARE(columnOf(d, "Ret_JeyPumSerial"), (QStringList{"", "", "A0000000007", "", ""}));
        QCOMPARE(numbers(d, 0, {"Ret_SuKg_YbGo", "Ret_WoulAmtTot_YbGo", "Ret_SuKg_ChulGo"}),
                 (QVector<double>{10, 63.123456, 0}));
        QCOMPARE(numbers(d, 2, {"Ret_SuKg_ChulGo", "Ret_WoulAmtTot_ChulGo", "Ret_GaAmt"}),
                 (QVector<double>{6, 37.8, 30}));
        QCOMPARE(numbers(d, 4, {"Ret_WoulAmtTot_YbGo", "Ret_WoulAmtTot_ChulGo"}), (QVector<double>{183.1235, 61.8}));
        QCOMPARE(d.text(4, "Ret_TextMemo"), QStringLiteral("잔액 121.32"));

        const ResultSet &s = r.summary.rows;
        const QStringList amounts{"Ret_WonJaJeyAmt",  "Ret_NoMu_01_Amt",  "Ret_NoMu_02_Amt", "Ret_NoMu_Tot",
                                  "Ret_JeyJo_01_Amt", "Ret_JeyJo_02_Amt", "Ret_JeyJo_Tot",   "Ret_WoulAmtTot"};
        QCOMPARE(columnOf(s, "Kubun_Index"), (QStringList{"10", "15", "20", "30", "40", "50"}));
        // Values read go in with four decimals; the completion of rows 10 and 15 is their
        // elements, with five; row 30 is the balances at full precision, with five.
        QCOMPARE(numbers(s, 0, amounts), (QVector<double>{50.1235, 3, 2, 5, 1.5, 0.5, 2, 57.12346}));
        QCOMPARE(numbers(s, 1, amounts), (QVector<double>{0, 4, 1, 5, 0.25, 0.75, 1, 6}));
        QCOMPARE(numbers(s, 2, amounts), (QVector<double>{100, 10, 5, 15, 2, 3, 5, 120}));
        QCOMPARE(numbers(s, 3, amounts), (QVector<double>{100.12346, 10.8, 5.2, 16, 2.3, 2.9, 5.2, 121.32346}));
        QCOMPARE(numbers(s, 4, amounts), (QVector<double>{20, 2, 1, 3, 0.4, 0.6, 1, 24}));
        QCOMPARE(numbers(s, 5, amounts), (QVector<double>{30, 4.2, 1.8, 6, 1.05, 0.75, 1.8, 37.8}));
    }

    void productsOfAMonth()
    {
        TestBooks books;
        Db &db = books.db();
        productMovements::recreateTables(db);
        const QString carried = addRow(
            db, "MC_ChaongGoJeyPumInPut",
            {{"JeyPum_Date", "2005-04-01"}, {"JeyPum_Kubun", "전기이월"}, {"JeyPum_SuKg", 5}, {"JeyPum_TotGaAmt", 50}});
        const QString made = addRow(db, "MC_ChaongGoJeyPumInPut",
                                    {{"JeyPum_Date", "2005-04-20"},
                                     {"JeyPum_Kubun", "당월입고"},
                                     {"JeyPum_SuKg", 10},
                                     {"JeyPum_TotGaAmt", 200}});
        addRow(db, "MC_ChaongGoJeyPumInPut",
               {{"JeyPum_Date", "2005-04-22"},
                {"JeyPum_Kubun", "매출반품입고"},
                {"JeyPum_SuKg", 1},
                {"JeyPum_TotGaAmt", 20}});
        addRow(db, "MC_ChaongGoJeyPumInPut",
               {{"JeyPum_Date", "2005-04-23"}, {"JeyPum_Kubun", "당월입고"}, {"JeyPum_SuKg", 0}});
        addRow(db, "MC_ChaongGoJeyPumInPut_ChulGo",
               {{"ChulGo_Date", "2005-04-25"},
                {"ChulGo_Kubun", "정기매출출고"},
                {"ChulGo_SuKg", 4},
                {"ChulGo_DanGa", 30},
                {"ChulGo_GaAmt", 120},
                {"ChulGo_WonJaJeyAmt", 80},
                {"ChulGo_JeyPumSerial", made}});
        // The returned sale: its goods came back as the receipt above.
        addRow(db, "MC_ChaongGoJeyPumInPut_ChulGo",
               {{"ChulGo_Date", "2005-04-22"},
                {"ChulGo_Kubun", "반품매출액"},
                {"ChulGo_SuKg", -1},
                {"ChulGo_GaAmt", -30},
                {"ChulGo_WonJaJeyAmt", -20},
                {"ChulGo_JeyPumSerial", made}});
        addRow(db, "MC_ChaongGoJeyPumInPut_TaAc",
               {{"TaJeyPum_Date", "2005-04-26"},
                {"TaJeyPum_SuKg", 1},
                {"TaJeyPum_TotGaAmt", 10},
                {"TaJeyPum_JeyPumSerial", carried}});

        const MovementReport r = productMovements::build(db, April);
        const ResultSet &d = r.detail.rows;
        QCOMPARE(columnOf(d, "Ret_Kubun"),
                 (QStringList{"전기이월", "당월입고", "매출반품입고", "당월입고", "정기매출출고", "", "합계"}));
        QCOMPARE(columnOf(d, "Ret_KubunSerial").mid(4, 2), (QStringList{made, carried}));
        // A unit cost over a zero quantity stays empty.
        QCOMPARE(d.number(1, "Ret_JeyPumDanGa"), 20.0);
        QVERIFY(d.value(3, "Ret_JeyPumDanGa").isNull());
        QCOMPARE(numbers(d, 4, {"Ret_JeyPumDanGa", "Ret_SuKg_ChulGo", "Ret_TotGaAmt_ChulGo", "Ret_SaleTotGaAmt"}),
                 (QVector<double>{20, 4, 80, 120}));
        QCOMPARE(numbers(d, 6, {"Ret_TotGaAmt_YbGo", "Ret_TotGaAmt_ChulGo", "Ret_SaleTotGaAmt"}),
                 (QVector<double>{270, 90, 120}));
        QCOMPARE(d.text(6, "Ret_TextMemo"), QStringLiteral("잔액 180.00"));

        QCOMPARE(numbers(r.summary.rows, 0,
                         {"Ret_JenGi", "Ret_Daong", "Ret_BanPum", "Ret_TaAc", "Ret_JeyGo", "Ret_JeyPumAmt",
                          "Ret_SaleChulGoAmt", "Ret_SaleBanPumAmt", "Ret_SaleTotAmt"}),
                 (QVector<double>{50, 200, 20, 10, 180, 80, 120, -30, 90}));
    }

    void aRunReplacesTheLastOne()
    {
        TestBooks books;
        Db &db = books.db();
        db.exec("Create Table MC_JeyPumYbChulGoReport_SumVw01 (Old Text)"); // left by an older program
        productMovements::recreateTables(db);
        addRow(db, "MC_ChaongGoJeyPumInPut", {{"JeyPum_Date", "2005-04-01"}, {"JeyPum_TotGaAmt", 5}});
        productMovements::build(db, April);
        QCOMPARE(productMovements::build(db, April).detail.rows.size(), 2);
        QCOMPARE(db.scalar("Select count(*) From MC_JeyPumYbChulGoReport_SumVw02").toInt(), 1);
    }
};

QTEST_GUILESS_MAIN(MovementsTest)
#include "tst_movements.moc"
