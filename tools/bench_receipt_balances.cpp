// bench_receipt_balances [N]: how the issue screen's list grows with the month. Fills a
// month (and the month before it, which the list must skip) with N receipts, N WIP lots
// and N/2 transfers, then times refilling the balance work tables and running the list;
// the same for 2N. About 2 means linear.
#include "common/SystemInfo.h"
#include "entries/IssueList.h"
#include "entries/ReceiptBalances.h"
#include "store/Books.h"
#include "store/Db.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

using namespace zedur;

namespace {

const Period Month{QStringLiteral("2005"), QStringLiteral("04")};
const Period Before{QStringLiteral("2005"), QStringLiteral("03")};

QString serial(int n)
{
    return QStringLiteral("A%1").arg(n, 10, 10, QChar(u'0'));
}

void fill(Db &db, int n)
{
    Transaction t(db);
    int next = 1;
    for (const Period &p : {Before, Month}) {
        const QString date = p.year + u'-' + p.month + QStringLiteral("-15");
        for (int i = 0; i < n; ++i) {
            const QString receipt = serial(next++);
            db.exec(QStringLiteral(
                        "Insert InTo MC_WonJaJeyInPut (InPut_Serial, InPut_Date, InPut_Year, InPut_Month, "
                        "InPut_WonCode, InPut_WonName, InPut_TextMemo, InPut_SuKg, InPut_DanGa, "
                        "InPut_GaAmt, InPut_Kubun, InPut_Check_01) Values (:s, :d, :y, :m, :c, :n, '', "
                        "100, 2, 200, '당월입고', '')"),
                    {{":s", receipt},
                     {":d", date},
                     {":y", p.year},
                     {":m", p.month},
                     {":c", QStringLiteral("W%1").arg(i % 97)},
                     {":n", QStringLiteral("원자재%1").arg(i % 97)}});
            db.exec(QStringLiteral(
                        "Insert InTo MC_JeyGongPumInPut (Gong_Serial, Gong_Date, Gong_Year, Gong_Month, "
                        "Gong_SuKg, Gong_GaAmt, Gong_InPutSerial) Values (:s, :d, :y, :m, 30, 60, :r)"),
                    {{":s", serial(next++)}, {":d", date}, {":y", p.year}, {":m", p.month}, {":r", receipt}});
            if (i % 2 == 0)
                db.exec(
                    QStringLiteral("Insert InTo MC_WonJaJeyInPut_TaAc (TaInPut_Serial, TaInPut_Date, "
                                   "TaInPut_Year, TaInPut_Month, TaInPut_SuKg, TaInPut_GaAmt, "
                                   "TaInPut_InPutSerial) Values (:s, :d, :y, :m, 20, 40, :r)"),
                    {{":s", serial(next++)}, {":d", date}, {":y", p.year}, {":m", p.month}, {":r", receipt}});
        }
    }
    t.commit();
}

// Best of several runs of refill + list, in milliseconds.
double timeList(int n)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.mdb"));
    createDatabase(path, Month, AuditValues::now());
    std::unique_ptr<Db> db = Db::open(path);
    fill(*db, n);
    recreateReceiptBalanceTables(*db);

    double best = 1e300;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        {
            Transaction t(*db);
            refillReceiptBalances(*db, Month);
            t.commit();
        }
        const Statement list =
            issues::receiptBalanceList(Month, QStringLiteral("전체"), {}, QStringLiteral("기준일자")).whole();
        const ResultSet rows = db->query(list.sql, list.params);
        best = std::min(best, timer.nsecsElapsed() / 1e6);
        if (rows.size() != n) {
            std::fprintf(stderr, "expected %d rows, listed %d\n", n, rows.size());
            std::exit(1);
        }
    }
    return best;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int n = argc > 1 ? std::atoi(argv[1]) : 4000;
    const double small = timeList(n);
    const double large = timeList(2 * n);
    std::printf("refill work tables + list, receipts of the month (and as many in the month before):\n");
    std::printf("  N  = %6d: %8.1f ms\n", n, small);
    std::printf("  2N = %6d: %8.1f ms\n", 2 * n, large);
    std::printf("  ratio 2N/N = %.2f (2.0 is linear)\n", large / small);
    return 0;
}
