// bench_warehouse [N]: how the completion into the product warehouse grows with the books.
// The open month holds N finished lots of each of 20 raw materials; a product needs five of
// them. Times one availability check and one save (which consumes the oldest lots), best of
// several, for:
//   - 2N lots against N in the month: about 2 means linear in the month's lots;
//   - the month after ten years of books (every earlier month as full, with its receipts and
//     completions) against the month alone: about 1 means the earlier years cost nothing.
#include "common/SystemInfo.h"
#include "entries/WarehouseReceipts.h"
#include "store/Books.h"
#include "store/Db.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

using namespace zedur;

namespace {

const Period Month{QStringLiteral("2015"), QStringLiteral("04")};
constexpr int Materials = 20;

// Rows made by SQLite itself: a tool's fill, not the program's way of writing.
void generate(Db &db, const QString &insertSelect, int count, const Params &params = {})
{
    Params p = params;
    p.append({QStringLiteral(":count"), count - 1});
    db.exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < :count) ") +
                insertSelect,
            p);
}

// The lots of one month: `perMaterial` finished lots of every material, and receipts.
void fillMonth(Db &db, const QString &year, const QString &month, int perMaterial, int &next)
{
    const int lots = perMaterial * Materials;
    const Params ym{{":y", year}, {":m", month}, {":first", next}};
    generate(db,
             QStringLiteral(
                 "INSERT INTO MC_WonJaJeyInPut (InPut_Serial, InPut_Date, InPut_Year, InPut_Month, InPut_WonCode, "
                 "InPut_WonName, InPut_SuKg, InPut_DanGa, InPut_GaAmt, InPut_Kubun, InPut_Check_01) SELECT "
                 "printf('R%010d', :first + i), :y || '-' || :m || '-' || printf('%02d', 1 + i % 20), :y, :m, "
                 "'W' || (i % 20), '자재', 100, 2, 200, '당월입고', '' FROM n"),
             lots, ym);
    generate(db,
             QStringLiteral(
                 "INSERT INTO MC_JeyGongPumInPut (Gong_Serial, Gong_Date, Gong_Year, Gong_Month, Gong_WonCode, "
                 "Gong_WonName, Gong_SuKg, Gong_DanGa, Gong_GaAmt, Gong_Kubun, Gong_JenGiWoul, Gong_DaongWoul, "
                 "Gong_TotWoul, Gong_JenGiWonAmt, Gong_JenGiNoMu_01, Gong_JenGiNoMu_02, Gong_JenGiJeyJo_01, "
                 "Gong_JenGiJeyJo_02, Gong_DaongWonAmt, Gong_DaongNoMu_01, Gong_DaongNoMu_02, Gong_DaongJeyJo_01, "
                 "Gong_DaongJeyJo_02, Gong_WoulAmtTot, Gong_Check_01, Gong_InPutSerial) SELECT printf('G%010d', "
                 ":first + i), :y || '-' || :m || '-' || printf('%02d', 1 + i % 20), :y, :m, 'W' || (i % 20), "
                 "'자재', 10, 2, 20, '당월투입', 0, 100, 100, 0, 1, 2, 3, 4, 20, 5, 6, 7, 8, 55, '', "
                 "printf('R%010d', :first + i) FROM n"),
             lots, ym);
    next += lots;
}

void addProduct(Db &db)
{
    db.exec(QStringLiteral("INSERT INTO MC_JeyPumCode (Jey_Serial, Jey_Code, Jey_Name) VALUES ('A0000000001', "
                           "'P1', '제품')"));
    db.exec(QStringLiteral("INSERT INTO MC_JeyPumTreeWonJaJey (Tr_Index, Tr_Level, Tr_Code, Tr_Name, Tr_Kubun, "
                           "Tr_SuKg, Tr_Check01) VALUES (0, 0, 'P1', '제품', '제품', 1, 'P1')"));
    for (int i = 0; i < 5; ++i)
        db.exec(QStringLiteral("INSERT INTO MC_JeyPumTreeWonJaJey (Tr_Index, Tr_Level, Tr_Code, Tr_Name, Tr_Kubun, "
                               "Tr_SuKg, Tr_Check01) VALUES (:i, 1, :c, '자재', '원자재', 1.5, 'P1')"),
                {{":i", i + 1}, {":c", QStringLiteral("W%1").arg(i * 3)}});
}

// Best of several checks and saves, in milliseconds.
double timeReceipts(int perMaterial, int earlierMonths)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.mdb"));
    createDatabase(path, Month, AuditValues::now());
    std::unique_ptr<Db> db = Db::open(path);
    {
        Transaction t(*db);
        int next = 1;
        Period p = Month;
        for (int m = 0; m < earlierMonths; ++m) {
            p = previousMonth(p);
            fillMonth(*db, p.year, p.month, perMaterial, next);
        }
        fillMonth(*db, Month.year, Month.month, perMaterial, next);
        addProduct(*db);
        warehouse::recreateWorkTables(*db);
        t.commit();
    }
    db->exec(QStringLiteral("ANALYZE"));

    double best = 1e300;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        const auto check = warehouse::checkAvailability(*db, Month, QStringLiteral("P1"), QStringLiteral("3"));
        warehouse::ReceiptRequest r;
        r.shown = Month;
        r.checkGridOpen = true;
        r.checked = check.ok() && check.value.rows.isEmpty();
        r.productCode = QStringLiteral("P1");
        r.quantity = QStringLiteral("3");
        r.day = QStringLiteral("28");
        r.audit = AuditValues::now();
        const auto saved = warehouse::saveReceipt(*db, r);
        if (!saved.ok())
            std::fprintf(stderr, "refused: %s\n", qPrintable(saved.refusal->text));
        best = std::min(best, double(timer.nsecsElapsed()) / 1e6);
    }
    return best;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int n = argc > 1 ? std::max(10, atoi(argv[1])) : 200;
    const double month = timeReceipts(n, 0);
    const double doubled = timeReceipts(2 * n, 0);
    const double years = timeReceipts(n, 120);
    std::printf("check and save, %d finished lots a material: %.1f ms\n", n, month);
    std::printf("  %d lots a material: %.1f ms, ratio %.2f (about 2: linear in the month)\n", 2 * n, doubled,
                doubled / month);
    std::printf("  after ten years of books: %.1f ms, ratio %.2f (about 1: earlier years cost nothing)\n", years,
                years / month);
    return 0;
}
