#include "ReportFixture.h"
#include "reports/StatementHistory.h"
#include "reports/Statements.h"

#include <cmath>

using namespace zedur;
using namespace zedur::reports;
using namespace zedur::reports::statements;
using test::addRow;
using test::TestBooks;

// The statements beside the month before and the year to date, on small books of three
// months whose figures are worked out here by hand.
namespace {

// Closes the open month and opens the next, as the close leaves the period table.
void nextMonthOpens(Db &db, const Period &closing)
{
    period::markClosed(db, closing);
    period::insertNextOpen(db, closing, TestBooks::fixedAudit());
}

void book(Db &db, const QString &date, const QString &code, double amount, const QString &mark = "간접")
{
    const QString group = code.startsWith(u"404") ? "제조원가명세서" : "손익계산서";
    addRow(db, "MC_AcNameAmtInPut",
           {{"Amt_Date", date}, {"Amt_AcCode", code}, {"Amt_GroupKubun", group}, {"Amt_JeyJoKubun", mark},
            {"Amt_Amt", amount}});
}

void sale(Db &db, const QString &date, double amount, double cost, const QString &kind = "정기매출출고")
{
    addRow(db, "MC_ChaongGoJeyPumInPut_ChulGo",
           {{"ChulGo_Date", date}, {"ChulGo_Kubun", kind}, {"ChulGo_GaAmt", amount}, {"ChulGo_WonJaJeyAmt", cost}});
}

void productReceipt(Db &db, const QString &date, const QString &kind, double cost)
{
    addRow(db, "MC_ChaongGoJeyPumInPut", {{"JeyPum_Date", date}, {"JeyPum_Kubun", kind}, {"JeyPum_TotGaAmt", cost}});
}

// February to April 2005 (January is the month the initialisation marks closed).
//  February: raw material bought 50, 30 of it issued into a lot still in WIP; labour 100.
//  March:    the raw material (20) and the lot (30) brought forward, the lot completed;
//            labour 40.
//  April:    the raw material brought forward again; direct labour 10, overhead 5.
void threeMonthsOfCost(Db &db)
{
    addRow(db, "MC_WonJaJeyInPut", {{"InPut_Date", "2005-02-03"}, {"InPut_Kubun", "당월입고"}, {"InPut_GaAmt", 50}});
    addRow(db, "MC_JeyGongPumInPut",
           {{"Gong_Date", "2005-02-04"}, {"Gong_Kubun", "당월투입"}, {"Gong_GaAmt", 30}, {"Gong_WoulAmtTot", 30}});
    book(db, "2005-02-28", "40403001", 100);
    nextMonthOpens(db, {"2005", "02"});

    addRow(db, "MC_WonJaJeyInPut", {{"InPut_Date", "2005-03-01"}, {"InPut_Kubun", "전기이월"}, {"InPut_GaAmt", 20}});
    addRow(db, "MC_JeyGongPumInPut",
           {{"Gong_Date", "2005-03-01"}, {"Gong_Kubun", "전기이월"}, {"Gong_GaAmt", 30}, {"Gong_WoulAmtTot", 30}});
    addRow(db, "MC_ChaongGoJeyGongPumInJeyGong", {{"InGong_Date", "2005-03-20"}, {"InGong_WoulAmtTot", 30}});
    book(db, "2005-03-31", "40403001", 40);
    nextMonthOpens(db, {"2005", "03"});

    addRow(db, "MC_WonJaJeyInPut", {{"InPut_Date", "2005-04-01"}, {"InPut_Kubun", "전기이월"}, {"InPut_GaAmt", 20}});
    book(db, "2005-04-28", "40403001", 10, "직접");
    book(db, "2005-04-28", "40404001", 5);
}

// (month, month before, year to date) of a line; the month before as "-" when empty.
QString columnsOf(const ResultSet &lines, const QString &code, const QString &mark = {})
{
    for (int i = 0; i < lines.size(); ++i)
        if (lines.text(i, "Report_AcCode") == code && lines.text(i, "Report_Kubun") == mark) {
            const QVariant before = lines.value(i, "PrevTotal");
            return QStringLiteral("%1 %2 %3")
                .arg(lineFigure(lines, i))
                .arg(before.isNull() ? QStringLiteral("-") : QString::number(before.toDouble()))
                .arg(lines.number(i, "YtdTotal"));
        }
    return QStringLiteral("(no line)");
}

} // namespace

class StatementHistoryTest : public QObject
{
    Q_OBJECT

private slots:
    // What flows through the months adds up; a stock at the start of the year is the first
    // month's, one at the end the chosen month's.
    void aprilBesideMarchAndTheYear_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("mark");
        QTest::addColumn<QString>("figures"); // April, March, February to April
        QTest::newRow("raw material at the start") << "40401001" << "" << "20 20 0";
        QTest::newRow("raw material bought") << "40401002" << "" << "0 0 50";
        QTest::newRow("raw material at the end") << "40401007" << "" << "20 20 20";
        QTest::newRow("raw-material cost") << "40401000" << "" << "0 0 30";
        QTest::newRow("labour only in earlier months") << "40403001" << "간접" << "0 40 140";
        QTest::newRow("direct labour new in April") << "40403001" << "직접" << "10 0 10";
        QTest::newRow("labour") << "40403000" << "" << "10 40 150";
        QTest::newRow("overhead") << "40404000" << "" << "5 0 5";
        QTest::newRow("manufacturing cost") << "40405000" << "" << "15 40 185";
        QTest::newRow("WIP at the start") << "40406000" << "" << "0 30 0";
        QTest::newRow("manufacturing cost and WIP at the start") << "40407000" << "" << "15 70 185";
        QTest::newRow("WIP at the end") << "40408000" << "" << "0 0 0";
        QTest::newRow("cost of goods manufactured") << "40410000" << "" << "15 70 185";
    }
    void aprilBesideMarchAndTheYear()
    {
        QFETCH(QString, code);
        QFETCH(QString, mark);
        QFETCH(QString, figures);
        TestBooks books({"2005", "02"});
        recreateTable(books.db());
        threeMonthsOfCost(books.db());
        const StatementWithHistory april =
            buildWithHistory(books.db(), {"2005", "04"}, StatementKind::CostOfGoodsManufactured);
        QCOMPARE(columnsOf(april.lines.rows, code, mark), figures);
        QCOMPARE(april.lines.columns.size(), 7);
    }

    // The months built are the books' own, oldest first; the work table keeps the chosen
    // month's lines, as the month's statement alone leaves it.
    void theMonthsAreTheBooksAndTheTableTheChosenMonth()
    {
        TestBooks books({"2005", "02"});
        Db &db = books.db();
        recreateTable(db);
        threeMonthsOfCost(db);
        const StatementWithHistory march = buildWithHistory(db, {"2005", "03"}, StatementKind::CostOfGoodsManufactured);
        QCOMPARE(march.months.size(), 2);
        QCOMPARE(march.months.first().month, (Period{"2005", "02"}));
        QCOMPARE(march.months.last().month, (Period{"2005", "03"}));
        QCOMPARE(db.scalar("Select total(Report_NuTotal) From MC_AcNameReport Where Report_AcCode = '40410000'")
                     .toDouble(),
                 70.0);
        const MonthChart chart = chartOf(march, "원가", {{"노무비", "40403000"}, {"당기제품제조원가", "40410000"}});
        QCOMPARE(chart.months, (QStringList{"2005-02", "2005-03"}));
        QCOMPARE(chart.series.at(0).values, (QVector<double>{100, 40}));
        QCOMPARE(chart.series.at(1).values, (QVector<double>{100, 70}));
    }

    // The books' first month has no month before it: that column stays empty, not zero.
    void theFirstMonthHasAnEmptyMonthBefore()
    {
        TestBooks books({"2005", "02"});
        recreateTable(books.db());
        threeMonthsOfCost(books.db());
        const ResultSet lines =
            buildWithHistory(books.db(), {"2005", "02"}, StatementKind::CostOfGoodsManufactured).lines.rows;
        QVERIFY(lines.size() > 10);
        for (int i = 0; i < lines.size(); ++i)
            QVERIFY(lines.value(i, "PrevTotal").isNull());
        QCOMPARE(columnsOf(lines, "40410000"), QStringLiteral("100 - 100"));
    }

    // January starts the year again: its year to date is January alone, its month before
    // is December; products at the start of the year are January's.
    void januaryRestartsTheYear_data()
    {
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("figures");
        QTest::newRow("December's sales") << "200412" << "40200000" << "200 100 300";
        QTest::newRow("January's sales") << "200501" << "40200000" << "50 200 50";
        QTest::newRow("January's products at the start") << "200501" << "40304002" << "70 0 70";
        QTest::newRow("January's gross profit") << "200501" << "40600000" << "30 140 30";
        QTest::newRow("December's gross profit") << "200412" << "40600000" << "140 70 210";
    }
    void januaryRestartsTheYear()
    {
        QFETCH(QString, month);
        QFETCH(QString, code);
        QFETCH(QString, figures);
        TestBooks books({"2004", "11"});
        Db &db = books.db();
        recreateTable(db);
        sale(db, "2004-11-10", 100, 30);
        nextMonthOpens(db, {"2004", "11"});
        sale(db, "2004-12-10", 200, 60);
        nextMonthOpens(db, {"2004", "12"});
        productReceipt(db, "2005-01-01", "전기이월", 70);
        sale(db, "2005-01-10", 50, 20);
        const ResultSet lines = buildWithHistory(db, {month.left(4), month.mid(4)}, StatementKind::Income).lines.rows;
        QCOMPARE(columnsOf(lines, code), figures);
    }

    // A return in March: its goods' cost comes off March's cost of sales and so off the
    // year's; its negative sale off the sales.
    void aReturnCountsInTheYearAsInItsMonth()
    {
        TestBooks books({"2005", "02"});
        Db &db = books.db();
        recreateTable(db);
        sale(db, "2005-02-10", 300, 120);
        nextMonthOpens(db, {"2005", "02"});
        productReceipt(db, "2005-03-05", "매출반품입고", 40);
        sale(db, "2005-03-05", -100, 40, "반품매출액");
        sale(db, "2005-03-20", 60, 25);
        const ResultSet lines = buildWithHistory(db, {"2005", "03"}, StatementKind::Income).lines.rows;
        QCOMPARE(columnsOf(lines, "40200000"), QStringLiteral("-40 300 260"));
        QCOMPARE(columnsOf(lines, "40300000"), QStringLiteral("-15 120 105"));
        QCOMPARE(columnsOf(lines, "40600000"), QStringLiteral("-25 180 155"));
    }

    void linesAddUpOverTheYearByWhatTheyHold_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("span");
        QTest::newRow("raw material at the start") << "40401001" << int(Span::Opening);
        QTest::newRow("WIP at the start") << "40406000" << int(Span::Opening);
        QTest::newRow("products at the start") << "40304002" << int(Span::Opening);
        QTest::newRow("raw material at the end") << "40401007" << int(Span::Closing);
        QTest::newRow("WIP at the end") << "40408000" << int(Span::Closing);
        QTest::newRow("products at the end") << "40304006" << int(Span::Closing);
        QTest::newRow("cost and WIP at the start") << "40407000" << int(Span::OpeningTotal);
        QTest::newRow("sales") << "40200000" << int(Span::Flow);
        QTest::newRow("a booked account") << "40701001" << int(Span::Flow);
    }
    void linesAddUpOverTheYearByWhatTheyHold()
    {
        QFETCH(QString, code);
        QFETCH(int, span);
        QCOMPARE(int(spanOf(code)), span);
    }
};

QTEST_GUILESS_MAIN(StatementHistoryTest)
#include "tst_statementhistory.moc"
