// bench_product_trend [--months M] [N ...]: the product cost and margin trend over twelve
// months, and the two statements with their month before, year to date and twelve months
// of chart. For each N (default 1,000 and 10,000 lots a month; 100,000 is the size the
// trend must stay within 2 s at) it generates books of M months (default 12, from 2004-05,
// so that the year turns inside them), each filled, allocated and closed as the screens and
// the close leave them, then times on the last month:
//   - the trend over the twelve months (what its screen and its export run),
//   - the same figures gathered from the twelve months' product movement reports (what
//     verify compares the trend with; the way without a report of its own),
//   - each statement with its history (twelve months built one by one),
// each the best of three runs, and prints the times, the trend's rows read per second,
// its ratio to the movement reports and to its 2 s budget.
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
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
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

double bestOfThree(const std::function<void()> &run)
{
    double best = 1e300;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        best = std::min(best, timer.nsecsElapsed() / 1e9);
    }
    return best;
}

struct Figures {
    int lots = 0;
    int rowsRead = 0; // product receipts and shipments of the twelve months
    int trendRows = 0;
    double generate = 0;
    double trend = 0;
    double movements = 0;
    double costStatement = 0;
    double incomeStatement = 0;
};

Figures measure(int lots, int months)
{
    Figures f;
    f.lots = lots;
    QTemporaryDir dir;
    const QString path = dir.filePath("books.mdb");
    createDatabase(path, First, AuditValues::now());
    std::unique_ptr<Db> db = Db::open(path);
    QElapsedTimer timer;
    timer.start();
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
    QVector<int> sizes;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) == u"--months" && i + 1 < args.size())
            months = std::max(1, args.at(++i).toInt());
        else
            sizes << args.at(i).toInt();
    }
    if (sizes.isEmpty())
        sizes = {1000, 10000};

    std::printf("%d months of books from %s-%s, lots a month as given; times in seconds, best of three\n", months,
                qPrintable(First.year), qPrintable(First.month));
    std::printf("%8s %10s %7s %9s | %8s %10s %12s %8s %9s | %10s %10s\n", "lots/mo", "rows read", "lines",
                "generate", "trend", "rows/s", "12 movements", "ratio", "/budget", "cost stmt", "income st");
    for (const int lots : std::as_const(sizes)) {
        const Figures f = measure(lots, months);
        std::printf("%8d %10d %7d %9.1f | %8.3f %10.0f %12.3f %8.2f %9.2f | %10.3f %10.3f\n", f.lots, f.rowsRead,
                    f.trendRows, f.generate, f.trend, f.rowsRead / f.trend, f.movements, f.trend / f.movements,
                    f.trend / Budget, f.costStatement, f.incomeStatement);
        std::fflush(stdout);
    }
    return 0;
}
