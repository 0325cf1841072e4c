#include "BothEngines.h"
#include "ClosingFixture.h"
#include "MonthGenerator.h"
#include "closing/Allocation.h"
#include "closing/MonthClose.h"

#include <QTest>
#include <cmath>

using namespace zedur;
using namespace zedur::test;

// Identities that hold on any books, checked on generated months: what the allocation
// writes follows from its sources, and what the close carries equals what is left.
namespace {

bool near(double a, double b)
{
    return std::fabs(a - b) <= 1e-9 * std::max(1.0, std::max(std::fabs(a), std::fabs(b)));
}

// Rows of a query whose two columns differ; each mismatch named by its first column.
QStringList mismatches(Db &db, const QString &sql)
{
    QStringList out;
    db.forEachRow(sql, {}, [&](const RowReader &r) {
        const double expected = r.number("expected");
        const double actual = r.number("actual");
        if (r.value("actual").isNull() || !near(expected, actual))
            out << QStringLiteral("%1: %2 <> %3").arg(r.text("what")).arg(actual, 0, 'g', 17).arg(expected, 0, 'g', 17);
    });
    return out;
}

QString inPeriod(const QString &prefix, const Period &p)
{
    return QStringLiteral("%1Year = '%2' And %1Month = '%3'").arg(prefix, p.year, p.month);
}

} // namespace

class ClosingBooksTest : public QObject
{
    Q_OBJECT

    static void seeds()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {1u, 2u, 3u})
            QTest::addRow("seed %u", seed) << seed;
    }

private slots:
    void allocatedMonthsHoldTheirIdentities_data() { seeds(); }

    void allocatedMonthsHoldTheirIdentities()
    {
        QFETCH(quint32, seed);
        TestBooks books;
        Db &db = books.db();
        generateBooks(db, seed, 3, MonthShape{60});
        for (const Period &m : {April, May, Period{"2005", "06"}}) {
            // A lot's total is its raw material and its eight labour and overhead amounts.
            QCOMPARE(
                mismatches(db, QStringLiteral("Select Gong_Serial As what, Gong_WoulAmtTot As actual, Gong_GaAmt + "
                                              "Gong_JenGiNoMu_01 + Gong_JenGiNoMu_02 + Gong_JenGiJeyJo_01 + "
                                              "Gong_JenGiJeyJo_02 + Gong_DaongNoMu_01 + Gong_DaongNoMu_02 + "
                                              "Gong_DaongJeyJo_01 + Gong_DaongJeyJo_02 As expected "
                                              "From MC_JeyGongPumInPut Where %1")
                                   .arg(inPeriod("Gong_", m))),
                QStringList());
            // Transfers and completions carry their lot's amounts in proportion to quantity.
            for (const char *stem :
                 {"JenGiWonAmt", "JenGiNoMu_01", "JenGiNoMu_02", "JenGiJeyJo_01", "JenGiJeyJo_02", "DaongWonAmt",
                  "DaongNoMu_01", "DaongNoMu_02", "DaongJeyJo_01", "DaongJeyJo_02", "WoulAmtTot"})
                QCOMPARE(mismatches(db, QStringLiteral("Select T.TaGong_Serial As what, T.TaGong_%1 As actual, "
                                                       "G.Gong_%1 * T.TaGong_SuKg / G.Gong_SuKg As expected "
                                                       "From MC_JeyGongPumInPut_TaAc T Join MC_JeyGongPumInPut G "
                                                       "On G.Gong_Serial = T.TaGong_GongSerial Where %2")
                                            .arg(QLatin1String(stem), inPeriod("G.Gong_", m))),
                         QStringList());
            for (const char *stem : {"DaongNoMu_01", "DaongNoMu_02", "DaongJeyJo_01", "DaongJeyJo_02", "WoulAmtTot"})
                QCOMPARE(
                    mismatches(db, QStringLiteral("Select C.InGong_Serial As what, C.InGong_%1 As actual, "
                                                  "G.Gong_%1 * C.InGong_SuKg / G.Gong_SuKg As expected "
                                                  "From MC_ChaongGoJeyGongPumInJeyGong C Join MC_JeyGongPumInPut G "
                                                  "On G.Gong_Serial = C.InGong_GongSerial Where %2")
                                       .arg(QLatin1String(stem), inPeriod("G.Gong_", m))),
                    QStringList());
            // A receipt with completions in the month totals them.
            QCOMPARE(
                mismatches(db, QStringLiteral("Select R.JeyPum_Serial As what, R.JeyPum_TotGaAmt As actual, "
                                              "(Select Sum(C.InGong_WoulAmtTot) From MC_ChaongGoJeyGongPumInJeyGong C "
                                              "Where C.InGong_JeyPumSerial = R.JeyPum_Serial And %1) As expected "
                                              "From MC_ChaongGoJeyPumInPut R Where Exists (Select 1 From "
                                              "MC_ChaongGoJeyGongPumInJeyGong C Where C.InGong_JeyPumSerial = "
                                              "R.JeyPum_Serial And %1)")
                                   .arg(inPeriod("C.InGong_", m))),
                QStringList());
            // The cost of goods sold follows its receipt.
            QCOMPARE(mismatches(db, QStringLiteral("Select S.ChulGo_Serial As what, S.ChulGo_WonJaJeyAmt As actual, "
                                                   "R.JeyPum_TotGaAmt * S.ChulGo_SuKg / R.JeyPum_SuKg As expected "
                                                   "From MC_ChaongGoJeyPumInPut_ChulGo S Join MC_ChaongGoJeyPumInPut R "
                                                   "On R.JeyPum_Serial = S.ChulGo_JeyPumSerial "
                                                   "Where S.ChulGo_Kubun = '정기매출출고' And %1")
                                        .arg(inPeriod("R.JeyPum_", m))),
                     QStringList());
        }
    }

    void closedMonthsCarryWhatIsLeft_data() { seeds(); }

    void closedMonthsCarryWhatIsLeft()
    {
        QFETCH(quint32, seed);
        TestBooks books;
        Db &db = books.db();
        generateBooks(db, seed, 3, MonthShape{60});
        QVERIFY(db.scalar("Select count(*) From MC_ChaongGoJeyPumInPut Where JeyPum_Kubun = '매출반품입고'").toInt() >
                0);
        for (const auto &[from, to] : {std::pair{April, May}, std::pair{May, Period{"2005", "06"}}}) {
            // Raw material: received less lots issued this month and transfers; four decimals.
            const QString raw =
                QStringLiteral(
                    "Select R.InPut_Serial As what, R.InPut_SuKg - COALESCE((Select Sum(G.Gong_SuKg) From "
                    "MC_JeyGongPumInPut G Where G.Gong_InPutSerial = R.InPut_Serial And G.Gong_Kubun = '당월투입' And "
                    "%1), 0) "
                    "- COALESCE((Select Sum(T.TaInPut_SuKg) From MC_WonJaJeyInPut_TaAc T Where T.TaInPut_InPutSerial = "
                    "R.InPut_Serial And %2), 0) As remainder, (Select N.InPut_SuKg From MC_WonJaJeyInPut N Where "
                    "N.InPut_InPutSerial = R.InPut_Serial And %3) As carried From MC_WonJaJeyInPut R Where %4")
                    .arg(inPeriod("G.Gong_", from), inPeriod("T.TaInPut_", from), inPeriod("N.InPut_", to),
                         inPeriod("R.InPut_", from));
            const QString lots =
                QStringLiteral(
                    "Select L.Gong_Serial As what, L.Gong_SuKg - COALESCE((Select Sum(C.InGong_SuKg) From "
                    "MC_ChaongGoJeyGongPumInJeyGong C Where C.InGong_GongSerial = L.Gong_Serial And %1), 0) "
                    "- COALESCE((Select Sum(T.TaGong_SuKg) From MC_JeyGongPumInPut_TaAc T Where T.TaGong_GongSerial = "
                    "L.Gong_Serial And %2), 0) As remainder, (Select N.Gong_SuKg From MC_JeyGongPumInPut N Where "
                    "N.Gong_GongSerial = L.Gong_Serial And %3) As carried From MC_JeyGongPumInPut L Where %4")
                    .arg(inPeriod("C.InGong_", from), inPeriod("T.TaGong_", from), inPeriod("N.Gong_", to),
                         inPeriod("L.Gong_", from));
            const QString products =
                QStringLiteral(
                    "Select P.JeyPum_Serial As what, P.JeyPum_SuKg - COALESCE((Select Sum(S.ChulGo_SuKg) From "
                    "MC_ChaongGoJeyPumInPut_ChulGo S Where S.ChulGo_JeyPumSerial = P.JeyPum_Serial And "
                    "S.ChulGo_Kubun <> '반품매출액' And %1), 0) - COALESCE((Select Sum(T.TaJeyPum_SuKg) From "
                    "MC_ChaongGoJeyPumInPut_TaAc T Where T.TaJeyPum_JeyPumSerial = P.JeyPum_Serial And %2), 0) As "
                    "remainder, (Select N.JeyPum_SuKg From MC_ChaongGoJeyPumInPut N Where N.JeyPum_JeyPumSerial = "
                    "P.JeyPum_Serial And %3) As carried From MC_ChaongGoJeyPumInPut P Where %4")
                    .arg(inPeriod("S.ChulGo_", from), inPeriod("T.TaJeyPum_", from), inPeriod("N.JeyPum_", to),
                         inPeriod("P.JeyPum_", from));
            for (const auto &[sql, decimals] : {std::pair{raw, 4}, std::pair{lots, 4}, std::pair{products, -1}}) {
                QStringList wrong;
                int carriedRows = 0;
                db.forEachRow(sql, {}, [&](const RowReader &r) {
                    const double remainder = r.number("remainder");
                    const bool carried = !r.value("carried").isNull();
                    carriedRows += carried;
                    const bool expected = std::fabs(remainder) >= 0.00005;
                    const double quantity = decimals < 0 ? remainder : std::round(remainder * 1e4) / 1e4;
                    if (carried != expected || (carried && !near(r.number("carried"), quantity)))
                        wrong << r.text("what") + QStringLiteral(" left %1").arg(remainder, 0, 'g', 17);
                });
                QCOMPARE(wrong, QStringList());
                QVERIFY(carriedRows > 0);
            }
        }
    }

    void aSecondAllocationOfGeneratedBooksChangesNothing()
    {
        TestBooks books;
        Db &db = books.db();
        generateBooks(db, 7, 2, MonthShape{40});
        const QStringList first = picture(db);
        QVERIFY(runAllocation(db, May).done());
        QCOMPARE(picture(db), first);
    }

    void theSameSeedGivesTheSameBooks()
    {
        QStringList pictures;
        for (int i = 0; i < 2; ++i) {
            TestBooks books;
            generateBooks(books.db(), 11, 2, MonthShape{30});
            pictures << picture(books.db(), false).join(u'\n');
        }
        QCOMPARE(pictures.at(0), pictures.at(1));
    }
};

ZEDUR_TEST_ON_BOTH_ENGINES(ClosingBooksTest)
#include "tst_closingbooks.moc"
