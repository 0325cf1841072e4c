// bench_closing [--steps] [--server ADDRESS] [N ...]: the allocation and the monthly close
// against a hand-written set-based SQL floor doing the same work. For each N (default 1,000,
// 10,000, 100,000 lots) it generates books of two months (the first allocated and closed, so
// that brought-forward rows and returns of earlier sales exist; the second filled), copies
// the file twice, runs the engines on one copy and the floor on the other, checks that both
// wrote the same rows (leaving out the audit columns), and prints the times, their ratio,
// rows per second and the growth from N to 10N. Beside that floor it prints a write floor:
// what SQLite's C API takes to rewrite every row of the month and insert every
// brought-forward row, one prepared statement a row in one transaction (WriteFloor.h), and
// the engines' ratio to it; and the peak memory of the process while the engines ran. On the
// engines' copy it also times verify's row checks of the month, allocated and then closed,
// and the whole of verify of the closed month (all must find the rows sound), against the
// allocation. The generated books are kept between runs (CachedBooks.h).
//
// With --server postgresql://user@host[:port]/dbname the same generated books are also
// copied to a PostgreSQL server and run there by the same engines, and the server's rows are
// checked against SQLite's; the copy is vacuumed and analysed first, as the server's
// autovacuum leaves books that were entered over weeks. The named database is only the way
// in: the benchmark makes a database of its own beside it for each size and drops it
// afterwards, so the user needs the right to create databases, and no books on that server
// are ever touched. The floor is SQLite's statements, so on the server the engines are
// compared with SQLite's engines.
//
// Build it in a Release folder of its own (see the README).
#include "BooksDifference.h"
#include "CachedBooks.h"
#include "MonthGenerator.h"
#include "TestServer.h"
#include "WriteFloor.h"
#include "closing/Allocation.h"
#include "closing/MonthClose.h"
#include "common/BooksLocation.h"
#include "common/SystemInfo.h"
#include "store/Backup.h"
#include "reports/RowChecks.h"
#include "reports/Ties.h"
#include "store/Books.h"
#include "store/BooksCopy.h"
#include "store/Db.h"
#include "store/Schema.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <stdexcept>

using namespace zedur;

namespace {

// What the books' users were promised for a month of 100,000 lots on the 2-core machine.
constexpr double GoalSeconds = 3;
constexpr double GoalPeakMiB = 500;

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
    double backup = 0; // the close's backup, written before it (SQLite's books only)
    qint64 booksBytes = 0;
    qint64 backupBytes = 0;
    double peakMiB = 0; // the process's peak resident memory while they ran
    double total() const { return allocation + close; }
    // verify's row checks of the month allocated (before its close) and closed (with the
    // next month's brought-forward rows), and the whole of verify of the closed month.
    double openRows = 0;
    double closedRows = 0;
    double closedVerify = 0;
};

// The process's peak resident memory is set back to what it holds now (Linux), so that the
// next reading is the peak of what runs in between.
void resetPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

double peakMemoryMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    return 0;
}

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

// The row checks of the month, which must find the engines' rows sound.
double timedRowChecks(Db &db)
{
    QElapsedTimer timer;
    timer.start();
    if (!reports::rowchecks::checkRows(db, Second).holds())
        throw std::runtime_error("the row checks found differences in the engines' rows");
    return seconds(timer);
}

Times runEngines(const QString &location)
{
    std::unique_ptr<Db> db = Db::open(location);
    Times t;
    resetPeakMemory();
    StepClock clock;
    const Progress progress = [&clock](const QString &step) {
        clock(step);
    };
    QElapsedTimer timer;
    timer.start();
    if (!runAllocation(*db, Second, progress).done())
        throw std::runtime_error("allocation refused");
    clock.finish();
    t.allocation = seconds(timer);
    if (db->engine() == Engine::Sqlite) {
        // The backup the close writes first, timed on its own so that the close's figures
        // stay comparable with the floor's.
        timer.restart();
        const BackupWritten backup = writeBackup(*db, {BackupReason::Close, Second.year + u'-' + Second.month});
        t.backup = seconds(timer);
        t.booksBytes = QFileInfo(location).size();
        t.backupBytes = QFileInfo(backup.file).size();
    }
    t.openRows = timedRowChecks(*db);
    timer.restart();
    if (!runMonthClose(*db, Second, CloseOptions{false}, progress).done())
        throw std::runtime_error("close refused");
    clock.finish();
    t.close = seconds(timer);
    t.peakMiB = peakMemoryMiB();
    t.closedRows = timedRowChecks(*db);
    timer.restart();
    if (!reports::ties::verifyMonth(*db, Second).holds())
        throw std::runtime_error("verify of the closed month found differences");
    t.closedVerify = seconds(timer);
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

// Figures that mean nothing unless both runs wrote the same rows.
void requireTheSameRows(const QString &a, const QString &b, const char *what, int lots)
{
    const QString difference = test::firstDifference(*Db::open(a), *Db::open(b));
    if (!difference.isEmpty())
        throw std::runtime_error(QStringLiteral("%1 wrote different rows for %2 lots, so the figures mean nothing: %3")
                                     .arg(QLatin1String(what))
                                     .arg(lots)
                                     .arg(difference)
                                     .toStdString());
}

// The generated books copied to a database of the benchmark's own on the server, the
// engines run there; the database goes again afterwards whatever happens.
Times runOnServer(const QString &server, const QString &books, const QString &sqliteResult, int lots)
{
    const test::ServerDatabase database(server);
    const CopyOutcome copy = copyBooks(books, database.location());
    if (!copy.allSame())
        throw std::runtime_error("the copy to the server does not hold the same rows");
    // A month's rows reach a server over weeks of entries, and its autovacuum has gone over
    // them and counted them long before the close; rows copied a moment ago have not been,
    // and the run would pay for that first pass (a third of its time at 10,000 lots).
    Db::open(database.location())->exec(QStringLiteral("VACUUM ANALYZE"));
    const Times t = runEngines(database.location());
    requireTheSameRows(sqliteResult, database.location(), "SQLite and the server", lots);
    return t;
}

struct Figures {
    int lots;
    int rows;
    Times engine;
    Times floor;
    test::WriteFloor writes;
    std::optional<Times> server;
};

Figures measure(int lots, const QString &server)
{
    QTemporaryDir dir;
    const QString base = test::cachedBooks(QStringLiteral("closing-%1-g1").arg(lots), [lots](const QString &path) {
        createDatabase(path, First, test::MonthGenerator::fixedAudit());
        test::generateBooks(*Db::open(path), 20050401u + unsigned(lots), 2, test::MonthShape{lots}, false);
    });
    int rows = 0;
    {
        std::unique_ptr<Db> db = Db::open(base);
        for (const QString &table : MonthTables) {
            const QString prefix = schema::table(table).columns.first().name.section(u'_', 0, 0) + u'_';
            rows += db->scalar(QStringLiteral("Select count(*) From %1 Where %2Year = '2005' And %2Month = '05'")
                                   .arg(table, prefix))
                        .toInt();
        }
    }
    const QString engineFile = dir.filePath("engine.mdb");
    const QString floorFile = dir.filePath("floor.mdb");
    const QString writeFile = dir.filePath("writes.mdb");
    for (const QString &copy : {engineFile, floorFile, writeFile})
        QFile::copy(base, copy);
    Figures f{lots, rows, runEngines(engineFile), runFloor(floorFile), {}, std::nullopt};
    requireTheSameRows(engineFile, floorFile, "the engines and the floor", lots);
    f.writes = test::measureWriteFloor(writeFile, engineFile, Second, Third);
    if (!server.isEmpty())
        f.server = runOnServer(server, base, engineFile, lots);
    return f;
}

void printFigures(const Figures &f)
{
    std::printf("%8d %9d  %-10s %8.3f %8.3f %8.3f %8.3f %6.2f %8.3f %6.2f %7.0f %8s %9.0f\n", f.lots, f.rows,
                "SQLite", f.engine.allocation, f.engine.close, f.engine.total(), f.floor.total(),
                f.engine.total() / f.floor.total(), f.writes.seconds, f.engine.total() / f.writes.seconds,
                f.engine.peakMiB, "", f.rows / f.engine.total());
    if (f.server)
        std::printf("%8d %9d  %-10s %8.3f %8.3f %8.3f %8s %6s %8s %6s %7s %8.2f %9.0f\n", f.lots, f.rows,
                    "PostgreSQL", f.server->allocation, f.server->close, f.server->total(), "", "", "", "", "",
                    f.server->total() / f.engine.total(), f.rows / f.server->total());
    std::fflush(stdout);
}

void printVerifyFigures(int lots, const char *engine, const Times &t)
{
    std::printf("%8d  %-10s %9.3f %9.3f %7.2f %9.3f %7.2f %9.3f %7.2f\n", lots, engine, t.allocation, t.openRows,
                t.openRows / t.allocation, t.closedRows, t.closedRows / t.allocation, t.closedVerify,
                t.closedVerify / t.allocation);
}

int usage()
{
    std::fprintf(stderr, "usage: bench_closing [--steps] [--server postgresql://user@host[:port]/dbname] [lots ...]\n");
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QList<int> sizes;
    QString server;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--steps") {
            showSteps = true;
        } else if (arg == "--server" && i + 1 < argc) {
            server = QString::fromLocal8Bit(argv[++i]);
            if (!parseServerLocation(server))
                return usage();
        } else if (const int lots = arg.toInt(); lots > 0) {
            sizes << lots;
        } else {
            return usage();
        }
    }
    if (sizes.isEmpty())
        sizes = {1000, 10000, 100000};

    std::printf("allocation + close of a month: the engines against a hand-written SQL floor on SQLite (same rows "
                "written)%s\n",
                server.isEmpty() ? ""
                                 : ",\nand the same engines on the same books copied to the PostgreSQL server (same "
                                   "rows as on SQLite; the floor is SQLite's only)");
    std::printf("%8s %9s  %-10s %8s %8s %8s %8s %6s %8s %6s %7s %8s %9s\n", "lots", "rows", "books on", "alloc s",
                "close s", "total s", "floor s", "/floor", "write s", "/write", "peak MB", "/SQLite", "rows/s");
    QList<Figures> all;
    try {
        for (int lots : sizes) {
            all << measure(lots, server);
            printFigures(all.last());
        }
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    std::printf("\nthe close's backup (zstd, written before the close): goal at most 0.25 of the close\n");
    std::printf("%8s %10s %10s %7s %9s %9s %8s\n", "lots", "books MB", "backup MB", "ratio", "backup s", "close s",
                "/close");
    for (const Figures &f : all)
        std::printf("%8d %10.1f %10.1f %7.1f %9.3f %9.3f %8.2f\n", f.lots, f.engine.booksBytes / 1048576.0,
                    f.engine.backupBytes / 1048576.0, double(f.engine.booksBytes) / double(f.engine.backupBytes),
                    f.engine.backup, f.engine.close, f.engine.backup / f.engine.close);
    std::printf("\n");
    std::printf("\nverify of the month against its allocation: its row checks when allocated and when closed (with "
                "the next month's brought-forward rows), and the whole of it (ties and rows) when closed\n");
    std::printf("%8s  %-10s %9s %9s %7s %9s %7s %9s %7s\n", "lots", "books on", "alloc s", "open s", "/alloc",
                "closed s", "/alloc", "verify s", "/alloc");
    for (const Figures &f : all) {
        printVerifyFigures(f.lots, "SQLite", f.engine);
        if (f.server)
            printVerifyFigures(f.lots, "PostgreSQL", *f.server);
    }
    for (int i = 1; i < all.size(); ++i) {
        const Figures &from = all[i - 1];
        const Figures &to = all[i];
        std::printf("growth %d -> %d lots: SQLite x%.2f, floor x%.2f", from.lots, to.lots,
                    to.engine.total() / from.engine.total(), to.floor.total() / from.floor.total());
        if (from.server && to.server)
            std::printf(", PostgreSQL x%.2f", to.server->total() / from.server->total());
        std::printf(" (x%.0f is linear; goal: at most x%.0f)\n", double(to.lots) / from.lots,
                    1.1 * to.lots / from.lots);
    }
    for (const Figures &f : all)
        std::printf("write floor at %d lots: %d rows rewritten and %d inserted by prepared statements of SQLite's "
                    "C API in one transaction\n",
                    f.lots, f.writes.updated, f.writes.inserted);
    std::printf("goals: 100,000 lots allocated and closed in at most %.0f s (total s), peak below %.0f MB\n",
                GoalSeconds, GoalPeakMiB);
    return 0;
}
