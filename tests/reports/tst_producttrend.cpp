#include "ReportFixture.h"
#include "reports/ProductTrend.h"

#include <cmath>

using namespace zedur;
using namespace zedur::reports;
using namespace zedur::reports::productTrend;
using test::addRow;
using test::TestBooks;

// Each product's unit cost and margin over three months of small books, worked out here.
namespace {

void nextMonthOpens(Db &db, const Period &closing)
{
    period::markClosed(db, closing);
    period::insertNextOpen(db, closing, TestBooks::fixedAudit());
}

// A product receipt: quantity, then material, labour (direct, indirect), overhead (direct,
// indirect); the total is their sum.
void receipt(Db &db, const QString &date, const QString &product, const QString &kind, double quantity,
             QVector<double> parts)
{
    parts.resize(5);
    addRow(db, "MC_ChaongGoJeyPumInPut",
           {{"JeyPum_Date", date},
            {"JeyPum_JeyPumCode", product},
            {"JeyPum_JeyPumName", product == u"P1" ? "책상" : "의자"},
            {"JeyPum_Kubun", kind},
            {"JeyPum_SuKg", quantity},
            {"JeyPum_GaAmt", parts[0]},
            {"JeyPum_JenGiNoMu", parts[1]},
            {"JeyPum_DaongNoMu", parts[2]},
            {"JeyPum_JenGiJeyJo", parts[3]},
            {"JeyPum_DaongJeyJo", parts[4]},
            {"JeyPum_TotGaAmt", parts[0] + parts[1] + parts[2] + parts[3] + parts[4]}});
}

void sale(Db &db, const QString &date, const QString &product, double quantity, double price, double cost,
          const QString &kind = "정기매출출고")
{
    addRow(db, "MC_ChaongGoJeyPumInPut_ChulGo",
           {{"ChulGo_Date", date},
            {"ChulGo_JeyPumCode", product},
            {"ChulGo_Kubun", kind},
            {"ChulGo_SuKg", quantity},
            {"ChulGo_DanGa", price},
            {"ChulGo_GaAmt", quantity * price},
            {"ChulGo_WonJaJeyAmt", cost}});
}

//  February: P1 10 made for 80 (60 material, 10 + 5 labour, 3 + 2 overhead), 4 sold at 15
//            for a cost of 32; P2 5 made for 50, none sold.
//  March:    P1 none made, 3 sold at 16 (cost 24); P2 3 brought forward (not made), 2 sold
//            at 20 (cost 20).
//  April:    P1 5 made for 45 (30, 10, 5); 2 sold at 17 (cost 16); one of March's back (its
//            goods at 8, its sale -16); P2 nothing.
void threeMonths(Db &db)
{
    receipt(db, "2005-02-10", "P1", "당월입고", 10, {60, 10, 5, 3, 2});
    receipt(db, "2005-02-11", "P2", "당월입고", 5, {50});
    sale(db, "2005-02-20", "P1", 4, 15, 32);
    nextMonthOpens(db, {"2005", "02"});
    receipt(db, "2005-03-01", "P2", "전기이월", 3, {30});
    sale(db, "2005-03-20", "P1", 3, 16, 24);
    sale(db, "2005-03-21", "P2", 2, 20, 20);
    nextMonthOpens(db, {"2005", "03"});
    receipt(db, "2005-04-10", "P1", "당월입고", 5, {30, 10, 0, 5});
    sale(db, "2005-04-20", "P1", 2, 17, 16);
    receipt(db, "2005-04-22", "P1", "매출반품입고", 1, {8});
    sale(db, "2005-04-22", "P1", -1, 16, 8, "반품매출액");
}

QString figure(const ResultSet &rows, int row, const QString &field)
{
    const QVariant v = rows.value(row, field);
    return v.isNull() ? QStringLiteral("-") : QString::number(v.toDouble());
}

// A row as "made material labour overhead unit made-cost | sold sales cost margin per-unit".
QString rowText(const ResultSet &rows, int row)
{
    QStringList made;
    for (const char *f : {"Trend_MadeSuKg", "Trend_UnitGaAmt", "Trend_UnitNoMu", "Trend_UnitJeyJo", "Trend_UnitCost",
                          "Trend_MadeAmt"})
        made << figure(rows, row, f);
    QStringList sold;
    for (const char *f : {"Trend_SoldSuKg", "Trend_SaleAmt", "Trend_SaleCost", "Trend_Margin", "Trend_UnitMargin"})
        sold << figure(rows, row, f);
    return made.join(u' ') + QStringLiteral(" | ") + sold.join(u' ');
}

} // namespace

class ProductTrendTest : public QObject
{
    Q_OBJECT

private slots:
    void eachProductEachMonth_data()
    {
        QTest::addColumn<QString>("product");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("figures");
        QTest::newRow("P1 made and sold") << "P1" << "2005-02" << "10 6 1.5 0.5 8 80 | 4 60 32 28 7";
        QTest::newRow("P1 sold, none made") << "P1" << "2005-03" << "0 - - - - 0 | 3 48 24 24 8";
        QTest::newRow("P1 with a return") << "P1" << "2005-04" << "5 6 2 1 9 45 | 1 18 8 10 10";
        QTest::newRow("P2 made, none sold") << "P2" << "2005-02" << "5 10 0 0 10 50 | 0 0 0 0 -";
        QTest::newRow("P2 brought forward is not made") << "P2" << "2005-03" << "0 - - - - 0 | 2 40 20 20 10";
        QTest::newRow("P2 idle") << "P2" << "2005-04" << "0 - - - - 0 | 0 0 0 0 -";
    }
    void eachProductEachMonth()
    {
        QFETCH(QString, product);
        QFETCH(QString, month);
        QFETCH(QString, figures);
        TestBooks books({"2005", "02"});
        threeMonths(books.db());
        const ResultSet rows = build(books.db(), {{"2005", "02"}, {"2005", "04"}}).rows;
        QCOMPARE(test::columnOf(rows, "Trend_JeyPumCode"), (QStringList{"P1", "P1", "P1", "P2", "P2", "P2"}));
        int found = -1;
        for (int i = 0; i < rows.size(); ++i)
            if (rows.text(i, "Trend_JeyPumCode") == product && rows.text(i, "Trend_YearMonth") == month)
                found = i;
        QVERIFY(found >= 0);
        QCOMPARE(rowText(rows, found), figures);
        QCOMPARE(rows.text(found, "Trend_JeyPumName"), product == u"P1" ? QStringLiteral("책상") : QStringLiteral("의자"));
    }

    // A range picked either way round gives the same months; the month the initialisation
    // marks closed and months the books never opened are not listed.
    void theRangeIsTheBooksMonthsInIt_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QStringList>("months");
        QTest::newRow("as picked") << "200502" << "200504" << QStringList{"2005-02", "2005-03", "2005-04"};
        QTest::newRow("turned round") << "200504" << "200503" << QStringList{"2005-03", "2005-04"};
        QTest::newRow("before and after the books") << "200410" << "200512"
                                                   << QStringList{"2005-02", "2005-03", "2005-04"};
        QTest::newRow("twelve months up to April")
            << lastTwelveMonths({"2005", "04"}).first.text() << "200504"
            << QStringList{"2005-02", "2005-03", "2005-04"};
    }
    void theRangeIsTheBooksMonthsInIt()
    {
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(QStringList, months);
        TestBooks books({"2005", "02"});
        threeMonths(books.db());
        const ResultSet rows = build(books.db(), {{first.left(4), first.mid(4)}, {last.left(4), last.mid(4)}}).rows;
        QCOMPARE(test::columnOf(rows, "Trend_YearMonth").mid(0, months.size()), months);
        QCOMPARE(rows.size(), 2 * months.size());
    }

    void twelveMonthsEndWithTheMonth()
    {
        const Range r = lastTwelveMonths({"2005", "04"});
        QCOMPARE(r.first, (Period{"2004", "05"}));
        QCOMPARE(r.last, (Period{"2005", "04"}));
    }

    // A chart per product: unit cost and margin per unit sold, a gap where there is none.
    void eachProductHasItsChart()
    {
        TestBooks books({"2005", "02"});
        threeMonths(books.db());
        const QVector<MonthChart> charts = productCharts(build(books.db(), {{"2005", "02"}, {"2005", "04"}}));
        QCOMPARE(charts.size(), 2);
        QCOMPARE(charts.at(0).title, QStringLiteral("P1 책상"));
        QCOMPARE(charts.at(0).months, (QStringList{"2005-02", "2005-03", "2005-04"}));
        const QVector<double> cost = charts.at(0).series.at(0).values;
        QCOMPARE(cost.at(0), 8.0);
        QVERIFY(std::isnan(cost.at(1)));
        QCOMPARE(cost.at(2), 9.0);
        QCOMPARE(charts.at(0).series.at(1).values, (QVector<double>{7, 8, 10}));
    }

    void noMovementsNoRows()
    {
        TestBooks books;
        QCOMPARE(build(books.db(), lastTwelveMonths({"2005", "04"})).rows.size(), 0);
    }
};

QTEST_GUILESS_MAIN(ProductTrendTest)
#include "tst_producttrend.moc"
