#include "ReportFixture.h"
#include "reports/Statements.h"

using namespace zedur;
using namespace zedur::reports;
using namespace zedur::reports::statements;
using test::addRow;
using test::columnOf;
using test::TestBooks;

namespace {
const Period April{"2005", "04"};

QString book(Db &db, const QString &code, double amount, const QString &mark = "간접", const QString &lot = {})
{
    const QString group = code.startsWith(u"404") ? "제조원가명세서" : "손익계산서";
    return addRow(db, "MC_AcNameAmtInPut",
                  {{"Amt_Date", "2005-04-28"},
                   {"Amt_AcCode", code},
                   {"Amt_GroupKubun", group},
                   {"Amt_JeyJoKubun", mark},
                   {"Amt_Amt", amount},
                   {"Amt_JeyGongPumSerial", lot}});
}

// The lines of a code: (mark, left, right) each.
QStringList linesOf(const ResultSet &lines, const QString &code)
{
    QStringList out;
    for (int i = 0; i < lines.size(); ++i)
        if (lines.text(i, "Report_AcCode") == code)
            out << QStringLiteral("%1 %2 %3")
                       .arg(lines.text(i, "Report_Kubun"))
                       .arg(QString::number(lines.number(i, "SoTotal"), 'g', 15))
                       .arg(QString::number(lines.number(i, "NuTotal"), 'g', 15));
    return out;
}
} // namespace

class StatementsTest : public QObject
{
    Q_OBJECT

private slots:
    // On new books every line the statements fill themselves is there, at zero, with the
    // chart's report name and its leading blanks.
    void freshBooksShowEveryFixedLine_data()
    {
        QTest::addColumn<bool>("income");
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("cost of goods manufactured")
            << false << QStringList{"40401000", "40401001", "40401002", "40401006", "40401007", "40403000", "40404000",
                                    "40405000", "40406000", "40407000", "40408000", "40409000", "40410000"};
        QTest::newRow("income statement")
            << true << QStringList{"40200000", "40201001", "40300000", "40304001", "40304002", "40304003",
                                   "40304004", "40304006", "40600000", "40701000", "40800000", "40901000",
                                   "41001000", "41100000", "41201000", "41300000"};
    }
    void freshBooksShowEveryFixedLine()
    {
        QFETCH(bool, income);
        QFETCH(QStringList, codes);
        TestBooks books;
        recreateTable(books.db());
        const ResultSet lines = income ? statements::incomeStatement(books.db(), April).rows
                                       : statements::costOfGoodsManufactured(books.db(), April).rows;
        QCOMPARE(columnOf(lines, "Report_AcCode"), codes);
        for (int i = 0; i < lines.size(); ++i) {
            QCOMPARE(lines.number(i, "SoTotal"), 0.0);
            QCOMPARE(lines.number(i, "NuTotal"), 0.0);
            QVERIFY(!lines.value(i, "Report_Kubun").isNull());
        }
        const QString detail = income ? "40201001" : "40401001";
        const int row = test::rowsWhere(lines, "Report_AcCode", detail).first();
        QCOMPARE(lines.value(row, "Ac_AcNameReport").toString(),
                 income ? QStringLiteral("    제품매출액") : QStringLiteral("    기초원재료재고액"));
    }

    void costOfGoodsManufactured()
    {
        TestBooks books;
        Db &db = books.db();
        recreateTable(db);
        addRow(db, "MC_WonJaJeyInPut",
               {{"InPut_Date", "2005-04-01"}, {"InPut_Kubun", "전기이월"}, {"InPut_GaAmt", 50}});
        addRow(db, "MC_WonJaJeyInPut",
               {{"InPut_Date", "2005-04-10"}, {"InPut_Kubun", "당월입고"}, {"InPut_GaAmt", 60}});
        addRow(db, "MC_WonJaJeyInPut",
               {{"InPut_Date", "2005-03-10"}, {"InPut_Kubun", "당월입고"}, {"InPut_GaAmt", 99}});
        addRow(db, "MC_WonJaJeyInPut_TaAc", {{"TaInPut_Date", "2005-04-12"}, {"TaInPut_GaAmt", 10}});
        const QString lot = addRow(db, "MC_JeyGongPumInPut",
                                   {{"Gong_Date", "2005-04-12"},
                                    {"Gong_Kubun", "당월투입"},
                                    {"Gong_GaAmt", 24.123456},
                                    {"Gong_WoulAmtTot", 204.623456}});
        addRow(db, "MC_JeyGongPumInPut",
               {{"Gong_Date", "2005-04-01"},
                {"Gong_Kubun", "전기이월"},
                {"Gong_GaAmt", 40},
                {"Gong_JenGiNoMu_01", 3},
                {"Gong_JenGiNoMu_02", 2},
                {"Gong_JenGiJeyJo_01", 1.5},
                {"Gong_JenGiJeyJo_02", 0.5},
                {"Gong_DaongNoMu_01", 9},
                {"Gong_WoulAmtTot", 56}});
        addRow(db, "MC_JeyGongPumInPut_TaAc", {{"TaGong_Date", "2005-04-20"}, {"TaGong_WoulAmtTot", 20}});
        addRow(db, "MC_ChaongGoJeyGongPumInJeyGong", {{"InGong_Date", "2005-04-20"}, {"InGong_WoulAmtTot", 100}});
        book(db, "40403001", 100, "직접", lot);
        book(db, "40403001", 50);
        book(db, "40404005", 30.5);
        book(db, "40701001", 1000); // an income-statement account: not on this statement

        const ResultSet lines = statements::costOfGoodsManufactured(db, April).rows;
        QCOMPARE(linesOf(lines, "40401001"), QStringList{" 50 0"});
        QCOMPARE(linesOf(lines, "40401002"), QStringList{" 60 0"});
        QCOMPARE(linesOf(lines, "40401006"), QStringList{" 10 0"});
        QCOMPARE(linesOf(lines, "40401007"), QStringList{" 75.876544 0"}); // all receipts, brought forward too
        QCOMPARE(linesOf(lines, "40401000"), QStringList{" 0 24.123456"});
        // One line per mark; the group line sums both, under a code joined as text.
        QCOMPARE(linesOf(lines, "40403001"), (QStringList{"간접 50 0", "직접 100 0"}));
        QCOMPARE(linesOf(lines, "40403000"), QStringList{" 0 150"});
        QCOMPARE(linesOf(lines, "40404000"), QStringList{" 0 30.5"});
        // Only the computed totals are rounded, to four decimals.
        QCOMPARE(linesOf(lines, "40405000"), QStringList{" 0 204.6235"});
        QCOMPARE(linesOf(lines, "40406000"), QStringList{" 0 47"});
        QCOMPARE(linesOf(lines, "40407000"), QStringList{" 0 251.6235"});
        QCOMPARE(linesOf(lines, "40408000"), QStringList{" 0 140.623456"});
        QCOMPARE(linesOf(lines, "40409000"), QStringList{" 0 20"});
        QCOMPARE(linesOf(lines, "40410000"), QStringList{" 0 91"});
        QVERIFY(linesOf(lines, "40701001").isEmpty());
        QVERIFY(linesOf(lines, "40700000").isEmpty());
    }

    void aMonthWithoutLotsMakesItsCostsTheCostOfGoods()
    {
        TestBooks books;
        Db &db = books.db();
        recreateTable(db);
        book(db, "40403002", 300);
        const ResultSet lines = statements::costOfGoodsManufactured(db, April).rows;
        QCOMPARE(rightTotal(lines, "40410000"), rightTotal(lines, "40407000"));
        QCOMPARE(rightTotal(lines, "40410000"), 300.0);
    }

    void aCodeOutsideTheChartShowsNoLine()
    {
        TestBooks books;
        Db &db = books.db();
        recreateTable(db);
        db.exec("Delete From MC_AcNameCode Where Ac_AcCode = '40401006'");
        addRow(db, "MC_WonJaJeyInPut_TaAc", {{"TaInPut_Date", "2005-04-12"}, {"TaInPut_GaAmt", 10}});
        const ResultSet lines = statements::costOfGoodsManufactured(db, April).rows;
        QVERIFY(linesOf(lines, "40401006").isEmpty());
        QCOMPARE(leftTotal(lines, "40401007"), -10.0);
    }

    void incomeStatement()
    {
        TestBooks books;
        Db &db = books.db();
        recreateTable(db);
        addRow(db, "MC_ChaongGoJeyPumInPut",
               {{"JeyPum_Date", "2005-04-01"}, {"JeyPum_Kubun", "전기이월"}, {"JeyPum_TotGaAmt", 50}});
        addRow(db, "MC_ChaongGoJeyPumInPut",
               {{"JeyPum_Date", "2005-04-20"}, {"JeyPum_Kubun", "당월입고"}, {"JeyPum_TotGaAmt", 200}});
        addRow(db, "MC_ChaongGoJeyPumInPut",
               {{"JeyPum_Date", "2005-04-22"}, {"JeyPum_Kubun", "매출반품입고"}, {"JeyPum_TotGaAmt", 20}});
        addRow(db, "MC_ChaongGoJeyPumInPut_ChulGo",
               {{"ChulGo_Date", "2005-04-25"},
                {"ChulGo_Kubun", "정기매출출고"},
                {"ChulGo_GaAmt", 500},
                {"ChulGo_WonJaJeyAmt", 80}});
        addRow(db, "MC_ChaongGoJeyPumInPut_ChulGo",
               {{"ChulGo_Date", "2005-04-22"},
                {"ChulGo_Kubun", "반품매출액"},
                {"ChulGo_GaAmt", -30},
                {"ChulGo_WonJaJeyAmt", -20}});
        addRow(db, "MC_ChaongGoJeyPumInPut_TaAc", {{"TaJeyPum_Date", "2005-04-26"}, {"TaJeyPum_TotGaAmt", 10}});
        book(db, "40304005", 100); // a customs refund
        book(db, "40701001", 40);
        book(db, "40701003", 5.5);
        book(db, "40901001", 7);
        book(db, "41001001", 3);
        book(db, "41201001", 12.25);
        book(db, "40403001", 1000); // a manufacturing account: not on this statement

        const ResultSet lines = statements::incomeStatement(db, April).rows;
        // Sales of every kind; the cost of goods sold of regular sales less the refund and less
        // the cost of the goods sent back.
        QCOMPARE(linesOf(lines, "40201001"), QStringList{" 470 0"});
        QCOMPARE(linesOf(lines, "40200000"), QStringList{" 0 470"});
        QCOMPARE(linesOf(lines, "40304002"), QStringList{" 50 0"});
        QCOMPARE(linesOf(lines, "40304003"), QStringList{" 200 0"}); // made this month: returns are not
        QCOMPARE(linesOf(lines, "40304004"), QStringList{" 10 0"});
        QCOMPARE(linesOf(lines, "40304005"), QStringList{" 100 0"}); // left only, no mark
        QVERIFY(linesOf(lines, "40304000").isEmpty());               // and no group line
        QCOMPARE(linesOf(lines, "40304001"), QStringList{" 0 -40"});
        QCOMPARE(linesOf(lines, "40300000"), QStringList{" 0 -40"});
        // Ending stock: neither the refund nor where the returned goods are counted changes it.
        QCOMPARE(linesOf(lines, "40304006"), QStringList{" 180 0"});
        QCOMPARE(linesOf(lines, "40701001"), QStringList{"간접 40 0"});
        QCOMPARE(linesOf(lines, "40701000"), QStringList{" 0 45.5"});
        QCOMPARE(linesOf(lines, "40600000"), QStringList{" 0 510"});
        QCOMPARE(linesOf(lines, "40800000"), QStringList{" 0 464.5"});
        QCOMPARE(linesOf(lines, "41100000"), QStringList{" 0 468.5"});
        QCOMPARE(linesOf(lines, "41300000"), QStringList{" 0 456.25"});
        QVERIFY(linesOf(lines, "40403001").isEmpty());
    }

    void withoutOperatingExpensesOperatingProfitIsGrossProfit()
    {
        TestBooks books;
        Db &db = books.db();
        recreateTable(db);
        addRow(db, "MC_ChaongGoJeyPumInPut_ChulGo",
               {{"ChulGo_Date", "2005-04-25"},
                {"ChulGo_Kubun", "정기매출출고"},
                {"ChulGo_GaAmt", 123.456789},
                {"ChulGo_WonJaJeyAmt", 100}});
        const ResultSet lines = statements::incomeStatement(db, April).rows;
        QCOMPARE(rightTotal(lines, "40600000"), 23.4568);
        QCOMPARE(rightTotal(lines, "40800000"), rightTotal(lines, "40600000"));
        QCOMPARE(rightTotal(lines, "40200000"), 123.456789);
    }

    void groupLinesAreDrawnApart_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("group");
        QTest::newRow("group") << "40403000" << true;
        QTest::newRow("detail") << "40403001" << false;
        QTest::newRow("blanks removed first") << "4040 3000" << true;
        QTest::newRow("short") << "404" << false;
    }
    void groupLinesAreDrawnApart()
    {
        QFETCH(QString, code);
        QFETCH(bool, group);
        QCOMPARE(isGroupLine(code), group);
    }
};

QTEST_GUILESS_MAIN(StatementsTest)
#include "tst_statements.moc"
