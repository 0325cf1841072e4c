// bench_product_balances [N]: how the shipment screen's list and save grow with the month
// and with the years behind it. Each month holds N product receipts, each with a sale and a
// transfer. Times refilling the balance work tables and running the list of the newest month,
// and one save drawing on a receipt of it: for N and 2N with one month before (about 2 means
// linear), and for N with one month and with 36 months before (about 1 means the history
// does not slow the month down).
#include "common/SystemInfo.h"
#include "entries/ProductBalances.h"
#include "entries/ProductShipments.h"
#include "entries/ShipmentLists.h"
#include "store/Books.h"
#include "store/Db.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

using namespace zedur;

namespace {

QString serial(int n)
{
    return QStringLiteral("A%1").arg(n, 10, 10, QChar(u'0'));
}

Period monthAfter(const Period &p)
{
    const int m = p.month.toInt() % 12 + 1;
    const int y = p.year.toInt() + (m == 1 ? 1 : 0);
    return {QString::number(y), QStringLiteral("%1").arg(m, 2, 10, QChar(u'0'))};
}

// `months` months from January 2002, each with n receipts, a sale and a transfer of each;
// the newest month.
Period fill(Db &db, int n, int months)
{
    Transaction t(db);
    int next = 1;
    Period p{QStringLiteral("2001"), QStringLiteral("12")};
    for (int month = 0; month < months; ++month) {
        p = monthAfter(p);
        const QString date = p.year + u'-' + p.month + QStringLiteral("-15");
        const Params ym{{":d", date}, {":y", p.year}, {":m", p.month}};
        for (int i = 0; i < n; ++i) {
            const QString receipt = serial(next++);
            db.exec(QStringLiteral("Insert InTo MC_ChaongGoJeyPumInPut (JeyPum_Serial, JeyPum_Date, JeyPum_Year, "
                                   "JeyPum_Month, JeyPum_JeyPumCode, JeyPum_JeyPumName, JeyPum_SuKg, JeyPum_GaAmt, "
                                   "JeyPum_TotGaAmt, JeyPum_Kubun, JeyPum_Check_01) Values (:s, :d, :y, :m, 'P1', "
                                   "'책상', 100, 6000, 10000, '당월입고', '')"),
                    ym + Params{{":s", receipt}});
            Params s = ym + Params{{":s", serial(next++)}, {":r", receipt}};
            db.exec(QStringLiteral("Insert InTo MC_ChaongGoJeyPumInPut_ChulGo (ChulGo_Serial, ChulGo_Date, "
                                   "ChulGo_Year, ChulGo_Month, ChulGo_SuKg, ChulGo_GaAmt, ChulGo_JeyPumSerial, "
                                   "ChulGo_Kubun, BanPum_ChulGoSerial) Values (:s, :d, :y, :m, 30, 4500, :r, "
                                   "'정기매출출고', '')"),
                    s);
            s = ym + Params{{":s", serial(next++)}, {":r", receipt}};
            db.exec(QStringLiteral("Insert InTo MC_ChaongGoJeyPumInPut_TaAc (TaJeyPum_Serial, TaJeyPum_Date, "
                                   "TaJeyPum_Year, TaJeyPum_Month, TaJeyPum_SuKg, TaJeyPum_TotGaAmt, "
                                   "TaJeyPum_JeyPumSerial) Values (:s, :d, :y, :m, 10, 1000, :r)"),
                    s);
        }
    }
    t.commit();
    return p;
}

struct Times {
    double list = 1e300;
    double save = 1e300;
};

// Best of several runs, in milliseconds.
Times timeMonth(int n, int months)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.mdb"));
    createDatabase(path, {QStringLiteral("2002"), QStringLiteral("01")}, AuditValues::now());
    std::unique_ptr<Db> db = Db::open(path);
    const Period newest = fill(*db, n, months);
    db->exec(QStringLiteral("UpDate MC_YearMonthCheck Set YM_Year = :y, YM_Month = :m"),
             {{":y", newest.year}, {":m", newest.month}});
    recreateProductBalanceTables(*db);
    const QString drawnOn =
        db->scalar(QStringLiteral("Select Max(JeyPum_Serial) From MC_ChaongGoJeyPumInPut")).toString();

    Times best;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        {
            Transaction t(*db);
            refillProductBalances(*db, newest);
            t.commit();
        }
        const Statement list = shipments::receiptList(newest, QStringLiteral("전체"), {}, QStringLiteral("기준일자")).whole();
        const ResultSet rows = db->query(list.sql, list.params);
        best.list = std::min(best.list, timer.nsecsElapsed() / 1e6);
        if (rows.size() != n) {
            std::fprintf(stderr, "expected %d rows, listed %d\n", n, rows.size());
            std::exit(1);
        }

        shipments::MovementRequest r;
        r.shown = newest;
        r.receiptSerial = drawnOn;
        r.kind = shipments::MovementKind::Sale;
        r.numbers = {QStringLiteral("0.01"), QStringLiteral("120"), {}};
        r.day = QStringLiteral("20");
        r.audit = AuditValues::now();
        timer.restart();
        const shipments::MovementSaved saved = shipments::saveMovement(*db, r);
        best.save = std::min(best.save, timer.nsecsElapsed() / 1e6);
        if (saved.refusal) {
            std::fprintf(stderr, "save refused: %s\n", qPrintable(saved.refusal->text));
            std::exit(1);
        }
    }
    return best;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int n = argc > 1 ? std::atoi(argv[1]) : 2000;
    const Times small = timeMonth(n, 2);
    const Times large = timeMonth(2 * n, 2);
    const Times years = timeMonth(n, 37);
    std::printf("product receipts of the month, each with a sale and a transfer:\n");
    std::printf("                      refill + list      one save\n");
    std::printf("  N  = %6d, 2 months : %8.1f ms  %8.2f ms\n", n, small.list, small.save);
    std::printf("  2N = %6d, 2 months : %8.1f ms  %8.2f ms\n", 2 * n, large.list, large.save);
    std::printf("  N  = %6d, 37 months: %8.1f ms  %8.2f ms\n", n, years.list, years.save);
    std::printf("  ratio 2N/N             = %.2f (list; 2.0 is linear)\n", large.list / small.list);
    std::printf("  ratio 37 months/2      = %.2f (list), %.2f (save); 1.0: the years behind cost nothing\n",
                years.list / small.list, years.save / small.save);
    return 0;
}
