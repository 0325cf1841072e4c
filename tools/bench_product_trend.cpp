// bench_product_trend [--months M] [--books DIR] [N ...]: the product cost and margin trend over twelve
// months, and the two statements with their month before, year to date and twelve months
// of chart. For each N (default 1,000 and 10,000 lots a month; 100,000 is the size the
// trend must stay within 2 s at) it generates books of M months (default 12, from 2004-05,
// so that the year turns inside them), each filled, allocated and closed as the screens and
// the close leave them, then times on the last month:
//   - the trend over the twelve months (what its screen and its export run),
//   - the same figures gathered from the twelve months' product movement reports (what
//     verify compares the trend with; the way without a report of its own),
//   - each statement with its history (twelve months built one by one),
// each the best of three runs, and prints the times (wall clock, and the processor time the
// run took, which waiting for a busy machine does not inflate), the trend's rows read per
// second, its ratio to the movement reports and to its 2 s budget. With --books DIR the generated
// books are kept in DIR (one file per size and number of months) and used again by later
// runs, which then measure without generating.
//
// Build it in a Release folder of its own (see the README).
#include "MonthGenerator.h"
#include "common/SystemInfo.h"
#include "reports/ProductMovements.h"
#include "reports/ProductTrend.h"
#include "reports/StatementHistory.h"
#include "reports/Statements.h"
#include "store/Books.h"
#include "store/Db.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>
#include <cstdlib>
#include <functional>

using namespace zedur;
using namespace zedur::reports;

namespace {

const Period First{QStringLiteral("2004"), QStringLiteral("05")};
constexpr double Budget = 2.0; // seconds the trend may take at 100,000 lots a month

Period monthAfter(Period p, int count)
{
    for (int i = 0; i < count; ++i)
        p = nextMonth(p);
    return p;
}

// Wall-clock seconds and the process's processor seconds: on a machine shared with other
// work the first also counts the time spent waiting for a processor, the second does not.
struct Time {
    double wall = 1e300;
    double cpu = 1e300;
};

Time bestOfThree(const std::function<void()> &run)
{
    Time best;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer timer;
        const std::clock_t started = std::clock();
        timer.start();
        run();
        best.wall = std::min(best.wall, timer.nsecsElapsed() / 1e9);
        best.cpu = std::min(best.cpu, double(std::clock() - started) / CLOCKS_PER_SEC);
    }
    return best;
}

struct Figures {
    int lots = 0;
    int rowsRead = 0; // product receipts and shipments of the twelve months
    int trendRows = 0;
    double generate = 0;
    Time trend;
    Time movements;
    Time costStatement;
    Time incomeStatement;
};

Figures measure(int lots, int months, const QString &keep)
{
    Figures f;
    f.lots = lots;
    QTemporaryDir dir;
    const QString path = keep.isEmpty() ? dir.filePath("books.mdb")
                                        : QDir(keep).filePath(QStringLiteral("trend-%1-%2.mdb").arg(lots).arg(months));
    const bool generated = !QFileInfo::exists(path);
    if (generated)
        createDatabase(path, First, AuditValues::now());
    std::unique_ptr<Db> db = Db::open(path);
    QElapsedTimer timer;
    timer.start();
    if (generated)
        test::generateBooks(*db, 20040501u + unsigned(lots), months, test::MonthShape{lots});
    f.generate = timer.nsecsElapsed() / 1e9;

    const Period last = monthAfter(First, months - 1);
    const productTrend::Range range = productTrend::lastTwelveMonths(last);
    const Params p{{":f", range.first.text()}, {":l", range.last.text()}};
    f.rowsRead = db->scalar("Select count(*) From MC_ChaongGoJeyPumInPut Where JeyPum_Year || JeyPum_Month "
                            "Between :f And :l",
                            p)
                     .toInt() +
                 db->scalar("Select count(*) From MC_ChaongGoJeyPumInPut_ChulGo Where ChulGo_Year || ChulGo_Month "
                            "Between :f And :l",
                            p)
                     .toInt();

    f.trend = bestOfThree([&] { f.trendRows = productTrend::build(*db, range).rows.size(); });
    productMovements::recreateTables(*db);
    f.movements = bestOfThree([&] {
        for (Period m = range.first; m.text() <= range.last.text(); m = nextMonth(m))
            productMovements::build(*db, m);
    });
    statements::recreateTable(*db);
    f.costStatement = bestOfThree(
        [&] { statements::buildWithHistory(*db, last, statements::StatementKind::CostOfGoodsManufactured); });
    f.incomeStatement =
        bestOfThree([&] { statements::buildWithHistory(*db, last, statements::StatementKind::Income); });
    return f;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    int months = 12;
    QString keep;
    QVector<int> sizes;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) == u"--months" && i + 1 < args.size())
            months = std::max(1, args.at(++i).toInt());
        else if (args.at(i) == u"--books" && i + 1 < args.size())
            keep = args.at(++i);
        else
            sizes << args.at(i).toInt();
    }
    if (sizes.isEmpty())
        sizes = {1000, 10000};

    std::printf("%d months of books from %s-%s, lots a month as given; times in seconds, best of three\n", months,
                qPrintable(First.year), qPrintable(First.month));
    std::printf("each time as wall-clock seconds (processor seconds)\n");
    std::printf("%8s %9s %6s %8s | %17s %9s %17s %6s %7s | %17s %17s\n", "lots/mo", "rows read", "lines",
                "generate", "trend", "rows/s", "12 movements", "ratio", "/budget", "cost statement",
                "income statement");
    const auto time = [](const Time &t) { return QStringLiteral("%1 (%2)").arg(t.wall, 7, 'f', 3).arg(t.cpu, 7, 'f', 3); };
    for (const int lots : std::as_const(sizes)) {
        const Figures f = measure(lots, months, keep);
        std::printf("%8d %9d %6d %8.1f | %17s %9.0f %17s %6.2f %7.2f | %17s %17s\n", f.lots, f.rowsRead, f.trendRows,
                    f.generate, qPrintable(time(f.trend)), f.rowsRead / f.trend.wall, qPrintable(time(f.movements)),
                    f.trend.wall / f.movements.wall, f.trend.wall / Budget, qPrintable(time(f.costStatement)),
                    qPrintable(time(f.incomeStatement)));
        std::fflush(stdout);
    }
    return 0;
}
