#include "ClosingFixture.h"
#include "MonthGenerator.h"
#include "closing/Allocation.h"
#include "reports/Ties.h"

#include <QTest>
#include <cmath>

using namespace zedur;
using namespace zedur::test;
using namespace zedur::reports::ties;

// The month's reports agree with each other on generated books that were allocated and
// closed, and the check says so when a row was changed behind the allocation's back.
namespace {

const Period June{QStringLiteral("2005"), QStringLiteral("06")};

QString failures(const Verification &v)
{
    QStringList out;
    for (const Tie &t : v.ties)
        if (!t.holds())
            out << QStringLiteral("%1: %2 <> %3").arg(t.what).arg(t.left, 0, 'f', 6).arg(t.right, 0, 'f', 6);
    return out.join(u'\n');
}

const Tie *tieNamed(const Verification &v, const QString &start)
{
    for (const Tie &t : v.ties)
        if (t.what.startsWith(start))
            return &t;
    return nullptr;
}

void refund(Db &db, const Period &month, double amount)
{
    insertWith(db, "MC_AcNameAmtInPut",
               RowValues{{"Amt_Serial", QStringLiteral("Z0000000001")},
                         {"Amt_GroupKubun", QStringLiteral("손익계산서")},
                         {"Amt_AcCode", QStringLiteral("40304005")},
                         {"Amt_JeyJoKubun", QString()},
                         {"Amt_Amt", amount}} +
                   inMonth("Amt_", month));
}

double commonManufacturingAmounts(Db &db, const Period &month)
{
    return db
        .scalar("Select total(Amt_Amt) From MC_AcNameAmtInPut Where Amt_Year = :y And Amt_Month = :m "
                "And Amt_JeyJoKubun = '간접' And Amt_GroupAcName In ('노무비(제)', '제조경비(제)')",
                {{":y", month.year}, {":m", month.month}})
        .toDouble();
}

} // namespace

class TiesTest : public QObject
{
    Q_OBJECT
private slots:
    void generatedMonthsTie_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("lots");
        QTest::addColumn<double>("refunded");
        QTest::addColumn<double>("typedReceipts");
        QTest::newRow("seed 1") << 1u << 40 << 0.0 << 0.0;
        QTest::newRow("seed 2, many lots") << 2u << 90 << 0.0 << 0.0;
        QTest::newRow("seed 3, few lots") << 3u << 6 << 0.0 << 0.0;
        QTest::newRow("seed 4, a customs refund booked") << 4u << 40 << 12345.678 << 0.0;
        QTest::newRow("seed 7, receipt amounts typed apart from quantity x price") << 7u << 40 << 0.0 << 0.4;
    }

    // Two closed months and an allocated open one: every tie of each holds, the closed
    // ones also against the month after them.
    void generatedMonthsTie()
    {
        QFETCH(quint32, seed);
        QFETCH(int, lots);
        QFETCH(double, refunded);
        QFETCH(double, typedReceipts);
        TestBooks books;
        Db &db = books.db();
        MonthShape shape{lots};
        shape.typedReceiptShare = typedReceipts;
        generateBooks(db, seed, 3, shape);
        if (typedReceipts > 0)
            QVERIFY(db.count("Select InPut_Serial From MC_WonJaJeyInPut Where InPut_Kubun = '당월입고' "
                             "And abs(InPut_GaAmt - InPut_SuKg * InPut_DanGa) > 0.01") > 0);
        if (refunded != 0)
            refund(db, June, refunded);
        for (const Period &month : {April, May, June}) {
            const Verification v = verifyMonth(db, month);
            QVERIFY2(v.holds(), qPrintable(month.text() + u'\n' + failures(v)));
            // The month after a closed one opens with what it left, raw material at cost too,
            // whatever amount its receipts were typed with.
            QVERIFY2(v.notes.filter(QStringLiteral("원자재")).isEmpty(), qPrintable(v.notes.join(u'\n')));
            QCOMPARE(tieNamed(v, QStringLiteral("원자재 입출고 기말 원자재 재고액 = 다음 월")) != nullptr,
                     month != June);
            QCOMPARE(tieNamed(v, QStringLiteral("재공품 입출고 30행 완성율 금액 = 다음 월")) != nullptr, month != June);
            QCOMPARE(tieNamed(v, QStringLiteral("제품 입출고 당월 제품 재고액 = 다음 월")) != nullptr, month != June);
        }
    }

    // Without any lot the month has no base for its common labour and overhead: they reach
    // no lot, and the cost of goods manufactured exceeds the completions by exactly them.
    void commonAmountsWithoutABaseStayInTheStatement()
    {
        TestBooks books;
        Db &db = books.db();
        generateBooks(db, 5, 1, MonthShape{0});
        const double common = commonManufacturingAmounts(db, April);
        QVERIFY(common > 0);
        const Verification v = verifyMonth(db, April);
        QVERIFY2(v.holds(), qPrintable(failures(v)));
        const Tie *made = tieNamed(v, QStringLiteral("제조원가명세서 40410000"));
        QVERIFY(made);
        QVERIFY(made->what.contains(QStringLiteral("배부되지 않은")));
        QVERIFY(std::fabs(made->left - common) <= 0.0005);
    }

    void aRowChangedBehindTheAllocationBreaksItsTie_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("brokenTie");
        QTest::newRow("a closed receipt's amount changed after its month was carried")
            << "UpDate MC_WonJaJeyInPut Set InPut_GaAmt = InPut_GaAmt + 10 Where InPut_Serial = "
               "(Select Min(InPut_Serial) From MC_WonJaJeyInPut Where InPut_Kubun = '당월입고' And InPut_Month = '05')"
            << "원자재 입출고 기말 원자재 재고액 = 다음 월";
        QTest::newRow("a completed product's cost")
            << "UpDate MC_ChaongGoJeyPumInPut Set JeyPum_TotGaAmt = JeyPum_TotGaAmt + 1 Where JeyPum_Serial = "
               "(Select Min(JeyPum_Serial) From MC_ChaongGoJeyPumInPut Where JeyPum_Kubun = '당월입고' "
               "And JeyPum_Month = '06')"
            << "재공품 입출고 50행";
        QTest::newRow("a brought-forward lot's stored total")
            << "UpDate MC_JeyGongPumInPut Set Gong_WoulAmtTot = Gong_WoulAmtTot + 1 Where Gong_Serial = "
               "(Select Min(Gong_Serial) From MC_JeyGongPumInPut Where Gong_Kubun = '전기이월' And Gong_Month = '06')"
            << "제조원가명세서 40408000 = 재공품 입출고 30행";
        QTest::newRow("a labour amount booked after the allocation")
            << "UpDate MC_AcNameAmtInPut Set Amt_Amt = Amt_Amt + 100 Where Amt_Serial = "
               "(Select Min(Amt_Serial) From MC_AcNameAmtInPut Where Amt_GroupAcName = '노무비(제)' "
               "And Amt_Month = '06')"
            << "제조원가명세서 40410000";
        QTest::newRow("a brought-forward product receipt lost")
            << "Delete From MC_ChaongGoJeyPumInPut Where JeyPum_Serial = (Select Min(JeyPum_Serial) From "
               "MC_ChaongGoJeyPumInPut Where JeyPum_Kubun = '전기이월' And JeyPum_Month = '06')"
            << "제품 남은 수량";
    }

    void aRowChangedBehindTheAllocationBreaksItsTie()
    {
        QFETCH(QString, change);
        QFETCH(QString, brokenTie);
        TestBooks books;
        Db &db = books.db();
        generateBooks(db, 6, 3, MonthShape{30});
        db.exec(change);
        const Period month = brokenTie.contains(QStringLiteral("다음 월")) || brokenTie.startsWith(QStringLiteral("제품 남은")) ? May : June;
        const Verification v = verifyMonth(db, month);
        QVERIFY(!v.holds());
        const Tie *broken = tieNamed(v, brokenTie);
        QVERIFY(broken);
        QVERIFY2(!broken->holds(), qPrintable(failures(v)));
    }

    // Checking builds the reports in the work tables the screens fill, and leaves them as
    // it found them.
    void checkingChangesNothing()
    {
        TestBooks books;
        Db &db = books.db();
        generateBooks(db, 8, 2, MonthShape{20});
        const QStringList before = picture(db);
        db.exec("Create Table MC_AcNameReport (Report_AcCode Text)");
        db.exec("Insert Into MC_AcNameReport Values ('left by a screen')");
        verifyMonth(db, April);
        QCOMPARE(db.scalar("Select Report_AcCode From MC_AcNameReport").toString(), QStringLiteral("left by a screen"));
        QVERIFY(!db.tableNames().contains(QStringLiteral("MC_WonJaJeyYbChulGoReport_SumVw01")));
        QCOMPARE(picture(db), before);
    }
};

QTEST_GUILESS_MAIN(TiesTest)
#include "tst_ties.moc"
