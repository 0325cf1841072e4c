// bench_closing [--steps] [N ...]: the allocation and the monthly close against a hand-written
// set-based SQL floor doing the same work. For each N (default 1,000, 10,000, 100,000 lots)
// it generates books of two months (the first allocated and closed, so that brought-forward
// rows and returns of earlier sales exist; the second filled), copies the file twice, runs
// the engines on one copy and the floor on the other, checks that both wrote the same rows
// (leaving out the audit columns), and prints the times, their ratio, rows per second and
// the growth from N to 10N. Build it in a Release folder of its own (see the README).
#include "MonthGenerator.h"
#include "closing/Allocation.h"
#include "closing/MonthClose.h"
#include "common/SystemInfo.h"
#include "store/Books.h"
#include "store/Db.h"
#include "store/Schema.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>
#include <cstdlib>

using namespace zedur;

namespace {

const Period First{QStringLiteral("2005"), QStringLiteral("04")};
const Period Second{QStringLiteral("2005"), QStringLiteral("05")};
const Period Third{QStringLiteral("2005"), QStringLiteral("06")};

const QStringList MonthTables{"MC_WonJaJeyInPut",
                              "MC_WonJaJeyInPut_TaAc",
                              "MC_JeyGongPumInPut",
                              "MC_JeyGongPumInPut_TaAc",
                              "MC_ChaongGoJeyGongPumInJeyGong",
                              "MC_ChaongGoJeyPumInPut",
                              "MC_ChaongGoJeyPumInPut_TaAc",
                              "MC_ChaongGoJeyPumInPut_ChulGo",
                              "MC_AcNameAmtInPut"};

// The floor: the fewest set-based statements that write what the allocation and the close
// write, with the same rounding functions, and no checks, work tables or progress.
void floorAllocation(Db &db, const Params &ym)
{
    // The unary plus keeps the period index out of the lookup: the lot's own index finds its
    // few amounts, where the month's would scan all of them for every lot.
    const QString direct = QStringLiteral(
        "COALESCE((Select round15(Sum(A.Amt_Amt)) From MC_AcNameAmtInPut A Where A.Amt_JeyGongPumSerial = "
        "MC_JeyGongPumInPut.Gong_Serial And A.Amt_JeyJoKubun = '직접' And +A.Amt_Year = :tbYear And "
        "+A.Amt_Month = :tbMonth And A.Amt_GroupAcName = '%1'), 0)");
    const QString rate = QStringLiteral(
        "(Select Case When L = 0 Or B = 0 Then 0 Else round_decimals(L / B, 10) End From (Select "
        "round_decimals((Select total(Amt_Amt) From MC_AcNameAmtInPut Where Amt_JeyJoKubun = '간접' And "
        "Amt_Year = :tbYear And Amt_Month = :tbMonth And Amt_GroupAcName = '%1'), 10) As L, "
        "round_decimals((Select total(Gong_DaongWonAmt) From MC_JeyGongPumInPut Where Gong_Year = :tbYear And "
        "Gong_Month = :tbMonth), 10) As B))");
    db.exec(QStringLiteral("UpDate MC_JeyGongPumInPut Set Gong_DaongNoMu_01 = %1, Gong_DaongJeyJo_01 = %2, "
                           "Gong_DaongNoMu_02 = %3 * Gong_DaongWonAmt, Gong_DaongJeyJo_02 = %4 * Gong_DaongWonAmt "
                           "Where Gong_Year = :tbYear And Gong_Month = :tbMonth")
                .arg(direct.arg("노무비(제)"), direct.arg("제조경비(제)"), rate.arg("노무비(제)"),
                     rate.arg("제조경비(제)")),
            ym);
    db.exec(QStringLiteral("UpDate MC_JeyGongPumInPut Set Gong_WoulAmtTot = Gong_GaAmt + Gong_JenGiNoMu_01 + "
                           "Gong_JenGiNoMu_02 + Gong_JenGiJeyJo_01 + Gong_JenGiJeyJo_02 + Gong_DaongNoMu_01 + "
                           "Gong_DaongNoMu_02 + Gong_DaongJeyJo_01 + Gong_DaongJeyJo_02 "
                           "Where Gong_Year = :tbYear And Gong_Month = :tbMonth"),
            ym);
    const auto share = [](const QString &target, const QString &source, const QString &stem, const QString &quantity,
                          const QString &sourceQuantity) {
        return QStringLiteral("%1%3 = round15(G.%2%3) * %4 / round15(G.%5)")
            .arg(target, source, stem, quantity, sourceQuantity);
    };
    QStringList sets;
    for (const char *stem : {"JenGiWoul", "DaongWoul", "TotWoul"})
        sets << QStringLiteral("TaGong_%1 = round15(G.Gong_%1)").arg(QLatin1String(stem));
    for (const char *stem :
         {"JenGiWonAmt", "JenGiNoMu_01", "JenGiNoMu_02", "JenGiJeyJo_01", "JenGiJeyJo_02", "DaongWonAmt",
          "DaongNoMu_01", "DaongNoMu_02", "DaongJeyJo_01", "DaongJeyJo_02", "WoulAmtTot"})
        sets << share("TaGong_", "Gong_", QLatin1String(stem), "TaGong_SuKg", "Gong_SuKg");
    db.exec(QStringLiteral("UpDate MC_JeyGongPumInPut_TaAc Set %1 From MC_JeyGongPumInPut G Where "
                           "TaGong_GongSerial = G.Gong_Serial And G.Gong_Year = :tbYear And G.Gong_Month = :tbMonth")
                .arg(sets.join(", ")),
            ym);
    sets.clear();
    for (const char *stem : {"DaongNoMu_01", "DaongNoMu_02", "DaongJeyJo_01", "DaongJeyJo_02", "WoulAmtTot"})
        sets << share("InGong_", "Gong_", QLatin1String(stem), "InGong_SuKg", "Gong_SuKg");
    db.exec(QStringLiteral("UpDate MC_ChaongGoJeyGongPumInJeyGong Set %1 From MC_JeyGongPumInPut G Where "
                           "InGong_GongSerial = G.Gong_Serial And G.Gong_Year = :tbYear And G.Gong_Month = :tbMonth")
                .arg(sets.join(", ")),
            ym);
    db.exec(QStringLiteral(
                "UpDate MC_ChaongGoJeyPumInPut Set JeyPum_JenGiNoMu = round15(W.a), JeyPum_DaongNoMu = round15(W.b), "
                "JeyPum_JenGiJeyJo = round15(W.c), JeyPum_DaongJeyJo = round15(W.d), JeyPum_TotGaAmt = round15(W.e) "
                "From (Select InGong_JeyPumSerial As s, Sum(InGong_JenGiNoMu_01 + InGong_DaongNoMu_01) As a, "
                "Sum(InGong_JenGiNoMu_02 + InGong_DaongNoMu_02) As b, Sum(InGong_JenGiJeyJo_01 + InGong_DaongJeyJo_01) "
                "As c, Sum(InGong_JenGiJeyJo_02 + InGong_DaongJeyJo_02) As d, Sum(InGong_WoulAmtTot) As e From "
                "MC_ChaongGoJeyGongPumInJeyGong Where InGong_Year = :tbYear And InGong_Month = :tbMonth "
                "Group By InGong_JeyPumSerial) W Where JeyPum_Serial = W.s"),
            ym);
    sets.clear();
    for (const char *stem : {"JenGiNoMu", "DaongNoMu", "JenGiJeyJo", "DaongJeyJo", "TotGaAmt"})
        sets << share("TaJeyPum_", "JeyPum_", QLatin1String(stem), "TaJeyPum_SuKg", "JeyPum_SuKg");
    db.exec(QStringLiteral("UpDate MC_ChaongGoJeyPumInPut_TaAc Set %1 From MC_ChaongGoJeyPumInPut G Where "
                           "TaJeyPum_JeyPumSerial = G.JeyPum_Serial And G.JeyPum_Year = :tbYear And "
                           "G.JeyPum_Month = :tbMonth")
                .arg(sets.join(", ")),
            ym);
    db.exec(QStringLiteral("UpDate MC_ChaongGoJeyPumInPut_ChulGo Set ChulGo_WonJaJeyAmt = round15(G.JeyPum_TotGaAmt) "
                           "* ChulGo_SuKg / round15(G.JeyPum_SuKg) From MC_ChaongGoJeyPumInPut G Where "
                           "ChulGo_JeyPumSerial = G.JeyPum_Serial And G.JeyPum_Year = :tbYear And "
                           "G.JeyPum_Month = :tbMonth"),
            ym);
    period::markAllocationDone(db);
}

QString texts(const QString &prefix, const QStringList &stems, bool copy)
{
    QStringList out;
    for (const QString &stem : stems)
        out << (copy ? QStringLiteral("COALESCE(Trim(T.%1%2), '')") : QStringLiteral("%1%2")).arg(prefix, stem);
    return out.join(", ");
}

void floorClose(Db &db, const Period &month, const Params &next)
{
    const Params ym{{":tbYear", month.year}, {":tbMonth", month.month}};
    const QStringList material{"WonCode",   "WonName",   "DanWi",    "Model",    "PumName",    "KuSize",
                               "SerialJen", "TaxNumber", "SaleCode", "SaleName", "SaleNumber", "SaleDyiPou"};
    const QStringList product{"JeyPumCode", "JeyPumName", "DanWi",    "Model",    "PumName",    "KuSize",
                              "SerialJen",  "TaxNumber",  "SaleCode", "SaleName", "SaleNumber", "SaleDyiPou"};
    const auto withLast = [&](const QString &table, const QString &column) {
        Params p = ym + next;
        p.append({":tbLastSerial", db.scalar(QString("Select Max(%1) From %2").arg(column, table)).toString()});
        return p;
    };
    db.exec(
        QStringLiteral(
            "Insert InTo MC_WonJaJeyInPut (InPut_Serial, InPut_Date, InPut_Year, InPut_Month, %1, InPut_TextMemo, "
            "InPut_SuKg, InPut_DanGa, InPut_GaAmt, InPut_Kubun, InPut_Bigo, InPut_Check_01, InPut_Check_02, "
            "InPut_Check_03, InPut_SaveDate, InPut_InPutSerial) "
            "Select serial_plus(:tbLastSerial, Row_Number() Over (Order By T.InPut_Serial)), :tbDate, :tbNextYear, "
            ":tbNextMonth, %2, :tbMemo, round_decimals(S.R, 4), round_decimals(T.InPut_DanGa, 4), "
            "round_decimals(S.R * T.InPut_DanGa, 4), '전기이월', '전월분 저장순서' || Trim(T.InPut_Serial), '', '', "
            ":tbVolume, :tbSaveDate, Trim(T.InPut_Serial) From (Select s, Sum(q) As R From "
            "(Select InPut_Serial As s, InPut_SuKg As q From MC_WonJaJeyInPut Where InPut_Year = :tbYear And "
            "InPut_Month = :tbMonth Union All Select TaInPut_InPutSerial, -TaInPut_SuKg From MC_WonJaJeyInPut_TaAc "
            "Where TaInPut_Year = :tbYear And TaInPut_Month = :tbMonth Union All Select Gong_InPutSerial, "
            "-Gong_SuKg From MC_JeyGongPumInPut Where Gong_Year = :tbYear And Gong_Month = :tbMonth And "
            "Gong_Kubun = '당월투입') Group By s) S Cross Join MC_WonJaJeyInPut T On T.InPut_Serial = S.s Where "
            "Abs(S.R) >= 0.00005 "
            "Order By T.InPut_Serial")
            .arg(texts("InPut_", material, false), texts("InPut_", material, true)),
        withLast("MC_WonJaJeyInPut", "InPut_Serial"));
    QStringList shares;
    for (const char *stem : {"WonAmt", "NoMu_01", "NoMu_02", "JeyJo_01", "JeyJo_02"})
        shares << QStringLiteral("round_decimals((T.Gong_JenGi%1 + T.Gong_Daong%1) * (S.R / T.Gong_SuKg), 5) As N%1")
                      .arg(QLatin1String(stem));
    db.exec(
        QStringLiteral(
            "Insert InTo MC_JeyGongPumInPut (Gong_Serial, Gong_Date, Gong_Year, Gong_Month, %1, Gong_TextMemo, "
            "Gong_SuKg, Gong_DanGa, Gong_GaAmt, Gong_Kubun, Gong_Bigo, Gong_JenGiWoul, Gong_DaongWoul, "
            "Gong_TotWoul, Gong_JenGiWonAmt, Gong_JenGiNoMu_01, Gong_JenGiNoMu_02, Gong_JenGiJeyJo_01, "
            "Gong_JenGiJeyJo_02, Gong_DaongWonAmt, Gong_DaongNoMu_01, Gong_DaongNoMu_02, Gong_DaongJeyJo_01, "
            "Gong_DaongJeyJo_02, Gong_WoulAmtTot, Gong_Check_01, Gong_Check_02, Gong_Check_03, Gong_SaveDate, "
            "Gong_InPutSerial, Gong_GongSerial) "
            "Select serial_plus(:tbLastSerial, Row_Number() Over (Order By Gong_Serial)), :tbDate, :tbNextYear, "
            ":tbNextMonth, %2, :tbMemo, round_decimals(R, 4), round_decimals(Gong_DanGa, 4), G, "
            "'전기이월', '전월분 저장순서' || Trim(Gong_Serial), round15(Gong_TotWoul), 0.0, round15(Gong_TotWoul), "
            "NWonAmt, NNoMu_01, NNoMu_02, NJeyJo_01, NJeyJo_02, 0.0, 0.0, 0.0, 0.0, 0.0, "
            "round_decimals(G + NNoMu_01 + NNoMu_02 + NJeyJo_01 + NJeyJo_02, 5), '', '', :tbVolume, :tbSaveDate, "
            "COALESCE(Trim(Gong_InPutSerial), ''), Trim(Gong_Serial) From (Select T.*, S.R, "
            "round_decimals(S.R * T.Gong_DanGa, 4) As G, %3 From (Select s, Sum(q) As R "
            "From (Select Gong_Serial As s, Gong_SuKg As q From MC_JeyGongPumInPut Where Gong_Year = :tbYear And "
            "Gong_Month = :tbMonth Union All Select TaGong_GongSerial, -TaGong_SuKg From MC_JeyGongPumInPut_TaAc "
            "Where TaGong_Year = :tbYear And TaGong_Month = :tbMonth Union All Select InGong_GongSerial, "
            "-InGong_SuKg From MC_ChaongGoJeyGongPumInJeyGong Where InGong_Year = :tbYear And "
            "InGong_Month = :tbMonth) Group By s) S Cross Join MC_JeyGongPumInPut T On T.Gong_Serial = S.s "
            "Where Abs(S.R) >= 0.00005) T "
            "Order By Gong_Serial")
            .arg(texts("Gong_", material, false), texts("Gong_", material, true), shares.join(", ")),
        withLast("MC_JeyGongPumInPut", "Gong_Serial"));
    shares.clear();
    for (const char *stem : {"GaAmt", "JenGiNoMu", "DaongNoMu", "JenGiJeyJo", "DaongJeyJo"})
        shares
            << QStringLiteral("round_decimals(T.JeyPum_%1 * (S.R / T.JeyPum_SuKg), 5) As N%1").arg(QLatin1String(stem));
    db.exec(
        QStringLiteral(
            "Insert InTo MC_ChaongGoJeyPumInPut (JeyPum_Serial, JeyPum_Date, JeyPum_Year, JeyPum_Month, %1, "
            "JeyPum_TextMemo, JeyPum_SuKg, JeyPum_GaAmt, JeyPum_JenGiNoMu, JeyPum_DaongNoMu, JeyPum_JenGiJeyJo, "
            "JeyPum_DaongJeyJo, JeyPum_TotGaAmt, JeyPum_Kubun, JeyPum_Bigo, JeyPum_Check_01, JeyPum_Check_02, "
            "JeyPum_Check_03, JeyPum_SaveDate, BanPum_ChulGoSerial, BanPum_ChulGoJeyPumSerial, "
            "BanPum_NewChulGoSerial, JeyPum_JeyPumSerial) "
            "Select serial_plus(:tbLastSerial, Row_Number() Over (Order By JeyPum_Serial)), :tbDate, :tbNextYear, "
            ":tbNextMonth, %2, :tbMemo, round15(R), NGaAmt, NJenGiNoMu, NDaongNoMu, NJenGiJeyJo, NDaongJeyJo, "
            "Case When COALESCE(Trim(JeyPum_Kubun), '') <> '매출반품입고' And NGaAmt + NJenGiNoMu + NDaongNoMu + "
            "NJenGiJeyJo + NDaongJeyJo <> 0 Then round_decimals(NGaAmt + NJenGiNoMu + NDaongNoMu + NJenGiJeyJo + "
            "NDaongJeyJo, 5) Else round_decimals(JeyPum_TotGaAmt * (R / JeyPum_SuKg), 5) End, '전기이월', "
            "'전월분 저장순서' || Trim(JeyPum_Serial), '', '', :tbVolume, :tbSaveDate, '', '', '', Trim(JeyPum_Serial) "
            "From (Select T.*, S.R, %3 From (Select s, Sum(q) As R From (Select "
            "JeyPum_Serial As s, JeyPum_SuKg As q From MC_ChaongGoJeyPumInPut Where JeyPum_Year = :tbYear And "
            "JeyPum_Month = :tbMonth Union All Select TaJeyPum_JeyPumSerial, -TaJeyPum_SuKg From "
            "MC_ChaongGoJeyPumInPut_TaAc Where TaJeyPum_Year = :tbYear And TaJeyPum_Month = :tbMonth Union All "
            "Select ChulGo_JeyPumSerial, -ChulGo_SuKg From MC_ChaongGoJeyPumInPut_ChulGo Where ChulGo_Year = "
            ":tbYear And ChulGo_Month = :tbMonth And COALESCE(ChulGo_Kubun, '') <> '반품매출액') Group By s) S "
            "Cross Join MC_ChaongGoJeyPumInPut T On T.JeyPum_Serial = S.s Where Abs(S.R) >= 0.00005) T "
            "Order By JeyPum_Serial")
            .arg(texts("JeyPum_", product, false), texts("JeyPum_", product, true), shares.join(", ")),
        withLast("MC_ChaongGoJeyPumInPut", "JeyPum_Serial"));
    for (const QString &table : MonthTables) {
        const QString prefix = schema::table(table).columns.first().name.section(u'_', 0, 0) + u'_';
        db.exec(QStringLiteral("UpDate %1 Set %2Check_01 = '마감완료' Where %2Year = :tbYear And %2Month = :tbMonth")
                    .arg(table, prefix),
                ym);
    }
    period::markClosed(db, month);
    period::insertNextOpen(db, month, AuditValues::now());
}

struct Times {
    double allocation = 0;
    double close = 0;
    double total() const { return allocation + close; }
};

double seconds(const QElapsedTimer &t)
{
    return t.nsecsElapsed() / 1e9;
}

// With --steps, the time of each step the engines report goes to standard error: where a
// run spends its time.
bool showSteps = false;

class StepClock
{
public:
    void operator()(const QString &step)
    {
        finish();
        m_step = step;
        m_timer.start();
    }
    void finish()
    {
        if (showSteps && !m_step.isEmpty())
            std::fprintf(stderr, "  %8.3f s  %s\n", seconds(m_timer), qPrintable(m_step));
        m_step.clear();
    }

private:
    QString m_step;
    QElapsedTimer m_timer;
};

Times runEngines(const QString &path)
{
    std::unique_ptr<Db> db = Db::open(path);
    Times t;
    StepClock clock;
    const Progress progress = [&clock](const QString &step) {
        clock(step);
    };
    QElapsedTimer timer;
    timer.start();
    if (!runAllocation(*db, Second, progress).done())
        qFatal("allocation refused");
    clock.finish();
    t.allocation = seconds(timer);
    timer.restart();
    if (!runMonthClose(*db, Second, CloseOptions{false}, progress).done())
        qFatal("close refused");
    clock.finish();
    t.close = seconds(timer);
    return t;
}

Times runFloor(const QString &path)
{
    std::unique_ptr<Db> db = Db::open(path);
    const Params ym{{":tbYear", Second.year}, {":tbMonth", Second.month}};
    const AuditValues audit = AuditValues::now();
    const QString firstDay = Third.year + "-" + Third.month + "-01";
    const Params next{{":tbNextYear", Third.year},
                      {":tbNextMonth", Third.month},
                      {":tbDate", firstDay},
                      {":tbMemo", firstDay + QStringLiteral(" 전기이월분")},
                      {":tbVolume", audit.volumeSerial},
                      {":tbSaveDate", audit.saveDate}};
    Times t;
    // The same page cache as the engines' runs, so that the ratio compares the statements.
    const MonthSizedCache cache(*db);
    QElapsedTimer timer;
    timer.start();
    {
        Transaction tx(*db);
        floorAllocation(*db, ym);
        tx.commit();
    }
    t.allocation = seconds(timer);
    timer.restart();
    {
        Transaction tx(*db);
        floorClose(*db, Second, next);
        tx.commit();
    }
    t.close = seconds(timer);
    return t;
}

// Rows of the two files that differ, leaving out the audit columns; numbers may differ in
// the sixteenth digit where a sum ran in another order.
int differences(const QString &a, const QString &b)
{
    std::unique_ptr<Db> left = Db::open(a);
    std::unique_ptr<Db> right = Db::open(b);
    int different = 0;
    for (const QString &table : MonthTables + QStringList{"MC_YearMonthCheck"}) {
        const QString sql = QStringLiteral("Select * From %1 Order By 1").arg(table);
        const ResultSet l = left->query(sql);
        const ResultSet r = right->query(sql);
        if (l.size() != r.size()) {
            std::fprintf(stderr, "%s: %d rows against %d\n", qPrintable(table), l.size(), r.size());
            different += std::abs(l.size() - r.size());
            continue;
        }
        static const QRegularExpression audit(QStringLiteral("(_SaveDate|_Check_0[345])$"));
        QVector<int> compared;
        for (int c = 0; c < l.columns().size(); ++c)
            if (!l.columns().at(c).contains(audit))
                compared << c;
        for (int i = 0; i < l.size(); ++i) {
            for (int c : compared) {
                const QString &column = l.columns().at(c);
                const QVariant x = l.rows().at(i).at(c);
                const QVariant y = r.rows().at(i).at(c);
                const bool same =
                    x.typeId() == QMetaType::Double && y.typeId() == QMetaType::Double
                        ? std::fabs(x.toDouble() - y.toDouble()) <= 1e-12 * std::max(1.0, std::fabs(x.toDouble()))
                        : x == y;
                if (!same) {
                    if (different < 5)
                        std::fprintf(stderr, "%s %s %s: %s against %s\n", qPrintable(table),
                                     qPrintable(l.rows().at(i).at(0).toString()), qPrintable(column),
                                     qPrintable(x.toString()), qPrintable(y.toString()));
                    ++different;
                    break;
                }
            }
        }
    }
    return different;
}

struct Figures {
    int lots;
    int rows;
    Times engine;
    Times floor;
};

Figures measure(int lots)
{
    QTemporaryDir dir;
    const QString base = dir.filePath("base.mdb");
    createDatabase(base, First, AuditValues::now());
    int rows = 0;
    {
        std::unique_ptr<Db> db = Db::open(base);
        test::generateBooks(*db, 20050401u + unsigned(lots), 2, test::MonthShape{lots}, false);
        for (const QString &table : MonthTables) {
            const QString prefix = schema::table(table).columns.first().name.section(u'_', 0, 0) + u'_';
            rows += db->scalar(QStringLiteral("Select count(*) From %1 Where %2Year = '2005' And %2Month = '05'")
                                   .arg(table, prefix))
                        .toInt();
        }
        db->exec("PRAGMA wal_checkpoint(TRUNCATE)");
    }
    const QString engineFile = dir.filePath("engine.mdb");
    const QString floorFile = dir.filePath("floor.mdb");
    QFile::copy(base, engineFile);
    QFile::copy(base, floorFile);
    Figures f{lots, rows, runEngines(engineFile), runFloor(floorFile)};
    const int different = differences(engineFile, floorFile);
    if (different != 0) {
        std::fprintf(stderr, "engine and floor wrote %d different rows for %d lots: the ratio means nothing\n",
                     different, lots);
        std::exit(1);
    }
    return f;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QList<int> sizes;
    for (int i = 1; i < argc; ++i) {
        if (QByteArray(argv[i]) == "--steps")
            showSteps = true;
        else
            sizes << std::atoi(argv[i]);
    }
    if (sizes.isEmpty())
        sizes = {1000, 10000, 100000};

    std::printf("allocation + close of a month against a hand-written SQL floor (same rows written)\n");
    std::printf("%8s %9s %10s %10s %10s %10s %7s %12s\n", "lots", "rows", "alloc s", "close s", "engine s", "floor s",
                "ratio", "rows/s");
    QList<Figures> all;
    for (int lots : sizes) {
        const Figures f = measure(lots);
        all << f;
        std::printf("%8d %9d %10.3f %10.3f %10.3f %10.3f %7.2f %12.0f\n", f.lots, f.rows, f.engine.allocation,
                    f.engine.close, f.engine.total(), f.floor.total(), f.engine.total() / f.floor.total(),
                    f.rows / f.engine.total());
        std::fflush(stdout);
    }
    for (int i = 1; i < all.size(); ++i)
        std::printf("growth %d -> %d lots: engine x%.2f, floor x%.2f (x%.0f is linear)\n", all[i - 1].lots, all[i].lots,
                    all[i].engine.total() / all[i - 1].engine.total(), all[i].floor.total() / all[i - 1].floor.total(),
                    double(all[i].lots) / all[i - 1].lots);
    return 0;
}
