#include "ReportFixture.h"
#include "common/Messages.h"
#include "reports/CostLinks.h"
#include "reports/ReportMonth.h"
#include "reports/Traces.h"
#include "store/Periods.h"

using namespace zedur;
using namespace zedur::reports;
using test::addRow;
using test::columnOf;
using test::TestBooks;

namespace {
const Period April{"2005", "04"};

// A sale of a product receipt made from two lots, each issued from its own raw-material
// receipt; and a sale of a receipt brought forward, which has no completions.
struct Flow {
    QString receiptA, receiptB, lotA, lotB, made, carried, saleOfMade, saleOfCarried;
};

Flow aFlow(Db &db)
{
    Flow f;
    f.receiptA = addRow(db, "MC_WonJaJeyInPut", {{"InPut_Date", "2005-04-02"}, {"InPut_WonCode", "W1"}});
    f.receiptB = addRow(db, "MC_WonJaJeyInPut", {{"InPut_Date", "2005-04-03"}, {"InPut_WonCode", "W2"}});
    f.lotA = addRow(db, "MC_JeyGongPumInPut", {{"Gong_Date", "2005-04-05"}, {"Gong_InPutSerial", f.receiptA}});
    f.lotB = addRow(db, "MC_JeyGongPumInPut", {{"Gong_Date", "2005-04-06"}, {"Gong_InPutSerial", f.receiptB}});
    f.made = addRow(db, "MC_ChaongGoJeyPumInPut",
                    {{"JeyPum_Date", "2005-04-20"}, {"JeyPum_SuKg", 4}, {"JeyPum_TotGaAmt", 100}});
    f.carried = addRow(db, "MC_ChaongGoJeyPumInPut",
                       {{"JeyPum_Date", "2005-04-01"}, {"JeyPum_Kubun", "전기이월"}, {"JeyPum_SuKg", 0}});
    for (const QString &lot : {f.lotA, f.lotB})
        addRow(db, "MC_ChaongGoJeyGongPumInJeyGong",
               {{"InGong_Date", "2005-04-20"}, {"InGong_GongSerial", lot}, {"InGong_JeyPumSerial", f.made}});
    f.saleOfMade =
        addRow(db, "MC_ChaongGoJeyPumInPut_ChulGo", {{"ChulGo_Date", "2005-04-25"}, {"ChulGo_JeyPumSerial", f.made}});
    addRow(db, "MC_ChaongGoJeyPumInPut_ChulGo", {{"ChulGo_Date", "2005-04-26"}, {"ChulGo_JeyPumSerial", f.made}});
    f.saleOfCarried = addRow(db, "MC_ChaongGoJeyPumInPut_ChulGo",
                             {{"ChulGo_Date", "2005-04-27"}, {"ChulGo_JeyPumSerial", f.carried}});
    addRow(db, "MC_ChaongGoJeyPumInPut_ChulGo", {{"ChulGo_Date", "2005-05-02"}, {"ChulGo_JeyPumSerial", f.made}});
    return f;
}
} // namespace

class TracesTest : public QObject
{
    Q_OBJECT

private slots:
    void aSaleLeadsBackToItsRawMaterial()
    {
        TestBooks books;
        Db &db = books.db();
        const Flow f = aFlow(db);
        const traces::Trace &t = traces::fromSales();
        QCOMPARE(t.stages.size(), 5);

        const ResultSet sales = traces::monthRows(db, t, {" 2005", "04 "}).rows;
        QCOMPARE(sales.size(), 3);
        // Two sales of the same receipt lead to it once.
        const ResultSet products = traces::stageRows(db, t, 1, " " + f.made + " ").rows;
        QCOMPARE(columnOf(products, "JeyPum_Serial"), QStringList{f.made});
        QCOMPARE(products.number(0, "JeyPum_DanGa"), 25.0);
        const ResultSet completions = traces::stageRows(db, t, 2, products.text(0, t.stages[1].link)).rows;
        QCOMPARE(completions.size(), 2);
        // Whichever completion is picked, every lot of the receipt.
        for (int row = 0; row < completions.size(); ++row) {
            const ResultSet lots = traces::stageRows(db, t, 3, completions.text(row, t.stages[2].link)).rows;
            QCOMPARE(columnOf(lots, "Gong_Serial"), (QStringList{f.lotA, f.lotB}));
        }
        const ResultSet lots = traces::stageRows(db, t, 3, f.made).rows;
        QCOMPARE(columnOf(traces::stageRows(db, t, 4, lots.text(1, t.stages[3].link)).rows, "InPut_WonCode"),
                 QStringList{"W2"});
    }

    void aReceiptBroughtForwardHasNoCompletions()
    {
        TestBooks books;
        Db &db = books.db();
        const Flow f = aFlow(db);
        const traces::Trace &t = traces::fromSales();
        const ResultSet products = traces::stageRows(db, t, 1, f.carried).rows;
        QCOMPARE(columnOf(products, "JeyPum_Kubun"), QStringList{"전기이월"});
        // Quantity 0: no unit cost rather than a failure or a made-up 0.
        QVERIFY(products.value(0, "JeyPum_DanGa").isNull());
        QVERIFY(traces::stageRows(db, t, 2, f.carried).rows.isEmpty());
    }

    void everyTraceStartsFromItsMonth_data()
    {
        QTest::addColumn<int>("trace");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("stages");
        QTest::newRow("products") << 2 << 2 << 4;
        QTest::newRow("product transfers") << 3 << 1 << 5;
        QTest::newRow("WIP transfers") << 4 << 1 << 3;
        QTest::newRow("raw-material transfers") << 5 << 1 << 2;
    }
    void everyTraceStartsFromItsMonth()
    {
        QFETCH(int, trace);
        QFETCH(int, rows);
        QFETCH(int, stages);
        TestBooks books;
        Db &db = books.db();
        const Flow f = aFlow(db);
        addRow(db, "MC_ChaongGoJeyPumInPut_TaAc",
               {{"TaJeyPum_Date", "2005-04-28"}, {"TaJeyPum_SuKg", 0}, {"TaJeyPum_JeyPumSerial", f.made}});
        addRow(db, "MC_JeyGongPumInPut_TaAc", {{"TaGong_Date", "2005-04-28"}, {"TaGong_GongSerial", f.lotA}});
        addRow(db, "MC_WonJaJeyInPut_TaAc", {{"TaInPut_Date", "2005-04-28"}, {"TaInPut_InPutSerial", f.receiptB}});
        const traces::Trace &t = trace == 2   ? traces::fromProducts()
                                 : trace == 3 ? traces::fromProductTransfers()
                                 : trace == 4 ? traces::fromWipTransfers()
                                              : traces::fromRawTransfers();
        QCOMPARE(t.stages.size(), stages);
        const ResultSet first = traces::monthRows(db, t, April).rows;
        QCOMPARE(first.size(), rows);
        // One step down from the month leads to the row it names.
        const ResultSet next = traces::stageRows(db, t, 1, first.text(0, t.stages[0].link)).rows;
        QCOMPARE(next.size(), trace == 2 ? 2 : 1);
        if (trace == 3)
            QVERIFY(first.value(0, "TaJeyPum_DanGa").isNull());
        if (trace == 4)
            QCOMPARE(next.text(0, "Gong_Serial"), f.lotA);
        if (trace == 5)
            QCOMPARE(next.text(0, "InPut_WonCode"), QStringLiteral("W2"));
    }

    void theUnitStandsLastWhereATraceStartsFromATransfer()
    {
        for (const traces::Trace *t : {&traces::fromSales(), &traces::fromProducts()})
            for (const traces::Stage &s : t->stages)
                QCOMPARE(s.columns.at(4).title, QStringLiteral("단위"));
        for (const traces::Trace *t :
             {&traces::fromProductTransfers(), &traces::fromWipTransfers(), &traces::fromRawTransfers()})
            for (const traces::Stage &s : t->stages)
                QCOMPARE(s.columns.last().title, QStringLiteral("단위"));
    }

    void bookedAmountsBesideTheirLots()
    {
        TestBooks books;
        Db &db = books.db();
        const QString lot = addRow(db, "MC_JeyGongPumInPut",
                                   {{"Gong_Date", "2005-03-05"}, {"Gong_WonCode", "W1"}, {"Gong_GaAmt", 12.5}});
        addRow(
            db, "MC_AcNameAmtInPut",
            {{"Amt_Date", "2005-04-28"}, {"Amt_JeyJoKubun", "직접"}, {"Amt_JeyGongPumSerial", lot}, {"Amt_Amt", 100}});
        addRow(db, "MC_AcNameAmtInPut",
               {{"Amt_Date", "2005-04-28"}, {"Amt_JeyJoKubun", "간접"}, {"Amt_JeyGongPumSerial", "간접(공통)비"}});
        addRow(db, "MC_AcNameAmtInPut",
               {{"Amt_Date", "2005-04-28"}, {"Amt_JeyJoKubun", "직접"}, {"Amt_JeyGongPumSerial", "Z0000000001"}});
        addRow(db, "MC_AcNameAmtInPut", {{"Amt_Date", "2005-05-01"}});
        const ResultSet rs = costLinks::build(db, April).rows;
        QCOMPARE(rs.size(), 3);
        // A lot of another month is still the lot the amount names.
        QCOMPARE(rs.text(0, "Gong_WonCode"), QStringLiteral("W1"));
        QCOMPARE(rs.number(0, "Gong_GaAmt"), 12.5);
        QVERIFY(rs.value(1, "Gong_Serial").isNull());
        QVERIFY(rs.value(2, "Gong_Serial").isNull());
        QCOMPARE(rs.columns().size(), costLinks::columns().size());
    }

    void theReportMonthCheck_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("refusal");
        const QString two = LB + LB;
        const QString tail = "체크 확인 바랍니다..................... ";
        QTest::newRow("open month") << ""
                                    << "04"
                                    << "";
        QTest::newRow("closed month") << ""
                                      << "03"
                                      << "";
        QTest::newRow("never opened") << ""
                                      << "05"
                                      << "최종 데이타가 등록된 년월은 " + two + "2005년 04월으므로" + two + tail;
        QTest::newRow("two open months") << "UpDate MC_YearMonthCheck Set YM_Kubun = '미마감'"
                                         << "04"
                                         << "월별 체크 테이블에 " + two + "중대한 오류가 발행 하였으니" + two + tail;
        QTest::newRow("none open: no error") << "UpDate MC_YearMonthCheck Set YM_Kubun = '마감완료'"
                                             << "04"
                                             << "";
        QTest::newRow("none open, month missing") << "UpDate MC_YearMonthCheck Set YM_Kubun = '마감완료'"
                                                  << "06"
                                                  << "최종 데이타가 등록된 년월은 " + two + "년 월으므로" + two + tail;
    }
    void theReportMonthCheck()
    {
        QFETCH(QString, setup);
        QFETCH(QString, month);
        QFETCH(QString, refusal);
        TestBooks books;
        if (!setup.isEmpty())
            books.db().exec(setup);
        const MonthCheck check = checkReportMonth(books.db(), {"2005", month});
        QCOMPARE(check.refusal, refusal);
        QCOMPARE(check.ok(), refusal.isEmpty());
        if (check.ok())
            QCOMPARE(check.month->period, (Period{"2005", month}));
    }
};

QTEST_GUILESS_MAIN(TracesTest)
#include "tst_traces.moc"
