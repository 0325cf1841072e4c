// bench_screens: how long the entry screens take on generated books of 1,000, 10,000 and
// 100,000 lots in the open month, with earlier months closed behind it. Each screen is opened
// on a copy of the books (offscreen, drawn once, as the user first sees it), shown on the month
// before and back, searched, and listed again after another desk wrote to the books (the
// balances worked out anew for the whole month). One save: an issue from a receipt, with the
// receipt's balance brought up to date as the issue screen does after its own save.
#include "CachedBooks.h"
#include "MessageRecorder.h"
#include "MonthGenerator.h"
#include "closing/Allocation.h"
#include "closing/MonthClose.h"
#include "common/SystemInfo.h"
#include "common/ui/DataGrid.h"
#include "common/ui/ListCombo.h"
#include "entries/Issues.h"
#include "entries/ReceiptBalances.h"
#include "entries/ui/TMC_AcNameAmtInPut_Form.h"
#include "entries/ui/TMC_BanPumSaleAmtInPut_Form.h"
#include "entries/ui/TMC_ChaongGoJeyPumChulGoTaAc_Form.h"
#include "entries/ui/TMC_JeyGongPumToJeyPumInPut_Form.h"
#include "entries/ui/TMC_JeyGongPumToTaAcInPut_Form.h"
#include "entries/ui/TMC_JeyGongPumWoulInPut_Form.h"
#include "entries/ui/TMC_WonJaJeyInPut_Form.h"
#include "entries/ui/TMC_WonJaJeyTaJeyGongVw_Form.h"
#include "store/Books.h"
#include "store/Db.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <stdexcept>

using namespace zedur;

namespace {

// What the books' users were promised on the 2-core machine.
constexpr double OpenGoal = 0.5; // open, change month, refresh, search
constexpr double SaveGoal = 0.2;

const Period Start{QStringLiteral("2002"), QStringLiteral("01")};

// Books whose open month has `lots` lots issued, after `behind` months filled, allocated and
// closed. Most of a month's lots go on into the next one, so earlier months of as many new
// lots would pile up a stock of WIP ten times the month's issues: they issue an eleventh,
// which keeps about as many lots in each month as the open one issues. The same seed gives
// the same books.
QString booksOf(int lots, int behind)
{
    return test::cachedBooks(QStringLiteral("screens-%1-m%2-g1").arg(lots).arg(behind), [=](const QString &path) {
        createDatabase(path, Start, test::MonthGenerator::fixedAudit());
        std::unique_ptr<Db> db = Db::open(path);
        test::MonthGenerator generator(*db, 20020101u + unsigned(lots));
        for (int month = 0; month <= behind; ++month) {
            const bool open = month == behind;
            generator.fillOpenMonth(test::MonthShape{open ? lots : std::max(1, lots / 11)});
            const Period period = period::theOpenPeriod(*db)->period;
            if (!runAllocation(*db, period).done())
                throw std::runtime_error("generated month not allocated");
            if (!open && !runMonthClose(*db, period, CloseOptions{false}).done())
                throw std::runtime_error("generated month not closed");
        }
    });
}

// A screen as the benchmark drives it: its search run as the search button runs it.
template <class S> struct Driven : S {
    void list() { this->runSearch(); }
};

double seconds(const std::function<void()> &step)
{
    QElapsedTimer t;
    t.start();
    step();
    return t.nsecsElapsed() / 1e9;
}

struct Times {
    double open = 0, month = 0, search = 0, refresh = 0;
    int rows = 0;
};

QComboBox *searchList(QWidget *screen)
{
    auto *list = screen->findChild<QComboBox *>(QStringLiteral("cbSSearch"));
    return list ? list : screen->findChild<QComboBox *>(QStringLiteral("cbSearch"));
}

QLineEdit *searchBox(QWidget *screen)
{
    auto *box = screen->findChild<QLineEdit *>(QStringLiteral("edSSearch"));
    return box ? box : screen->findChild<QLineEdit *>(QStringLiteral("edSearch"));
}

// The screen drawn as the user sees it: the rows in view read, the totals summed.
void drawn(QWidget *screen)
{
    QApplication::processEvents();
    (void)screen->grab();
}

template <class S> Times timeScreen(const QString &books)
{
    Times t;
    std::unique_ptr<Driven<S>> screen;
    t.open = seconds([&] {
        screen = std::make_unique<Driven<S>>();
        screen->resize(1280, 1000);
        screen->show();
        drawn(screen.get());
    });
    t.rows = screen->DBGrid1->rowCount();
    ListCombo *month = screen->cbMonth;
    const int open = month->currentIndex();
    t.month = seconds([&] {
        month->setCurrentIndex(open > 0 ? open - 1 : open + 1);
        screen->list();
        drawn(screen.get());
    });
    month->setCurrentIndex(open);
    screen->list();
    drawn(screen.get());
    // Another desk writes (a remark of one receipt).
    Db::open(books)->exec(QStringLiteral("UpDate MC_WonJaJeyInPut Set InPut_Bigo = InPut_Bigo || '.' Where "
                                         "InPut_Serial = (Select Max(InPut_Serial) From MC_WonJaJeyInPut)"));
    t.refresh = seconds([&] {
        screen->list();
        drawn(screen.get());
    });
    // The second entry of the search list (a text of the rows) with a digit most rows hold.
    QComboBox *items = searchList(screen.get());
    if (items && items->count() > 1)
        items->setCurrentIndex(1);
    if (QLineEdit *text = searchBox(screen.get()))
        text->setText(QStringLiteral("1"));
    t.search = seconds([&] {
        screen->list();
        drawn(screen.get());
    });
    return t;
}

// One issue of a unit from the open month's newest receipt with some left, and its balance
// brought up to date: what the issue screen's save does before it lists again.
double timeSave(const QString &books)
{
    std::unique_ptr<Db> db = Db::open(books);
    const Period open = period::theOpenPeriod(*db)->period;
    refillReceiptBalances(*db, open);
    const ResultSet receipt = db->query(
        QStringLiteral("Select W.InPut_Serial, W.InPut_Date From MC_WonJaJeyInPut W Inner Join %1 T On "
                       "W.InPut_Serial = T.InPut_InPutSerial Where T.InPut_SuKgJan >= 1 Order By W.InPut_Serial Desc "
                       "Limit 1")
            .arg(balances::PerReceipt));
    if (receipt.isEmpty())
        return -1;
    issues::IssueRequest r;
    r.shown = open;
    r.receiptSerial = receipt.text(0, QStringLiteral("InPut_Serial"));
    r.kind = issues::IssueKind::Lot;
    r.quantity = QStringLiteral("1");
    r.day = receipt.text(0, QStringLiteral("InPut_Date")).right(2);
    r.audit = test::MonthGenerator::fixedAudit();
    bool saved = false;
    const double s = seconds([&] {
        saved = !issues::saveIssue(*db, r);
        refreshReceiptBalances(*db, open, {r.receiptSerial});
    });
    return saved ? s : -1;
}

struct TimedScreen {
    const char *name;
    Times (*time)(const QString &);
};

const TimedScreen Screens[] = {
    {"receipts", timeScreen<TMC_WonJaJeyInPut_Form>},
    {"issues", timeScreen<TMC_WonJaJeyTaJeyGongVw_Form>},
    {"completion rates", timeScreen<TMC_JeyGongPumWoulInPut_Form>},
    {"WIP transfers", timeScreen<TMC_JeyGongPumToTaAcInPut_Form>},
    {"into warehouse", timeScreen<TMC_JeyGongPumToJeyPumInPut_Form>},
    {"shipments", timeScreen<TMC_ChaongGoJeyPumChulGoTaAc_Form>},
    {"amounts", timeScreen<TMC_AcNameAmtInPut_Form>},
    {"sales returns", timeScreen<TMC_BanPumSaleAmtInPut_Form>},
};

// A copy of the books for one run, so that every run starts from the same rows.
QString copyOf(const QString &books)
{
    const QString copy = QDir::tempPath() + QStringLiteral("/bench_screens.mdb");
    removeDatabaseFiles(copy);
    if (!QFile::copy(books, copy))
        throw std::runtime_error("cannot copy the books");
    return copy;
}

const char *mark(double s, double goal)
{
    return s <= goal ? "" : " !";
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int behind = 36;
    QVector<int> sizes;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg = argv[i];
        if (arg.startsWith("--behind="))
            behind = arg.mid(9).toInt();
        else if (arg.toInt() > 0)
            sizes << arg.toInt();
        else {
            std::fprintf(stderr, "usage: bench_screens [--behind=months] [lots ...]\n");
            return 2;
        }
    }
    if (sizes.isEmpty())
        sizes = {1000, 10000, 100000};
    test::MessageRecorder messages; // a refusal or an error is counted, not shown in a box
    std::map<QString, Times> smallest;
    int smallestLots = 0;
    std::printf("goals: open, change month, refresh, search <= %.1f s; one save <= %.1f s; '!' past the goal\n",
                OpenGoal, SaveGoal);
    std::printf("%8s %-17s %8s %8s %8s %8s %8s %8s\n", "lots", "screen", "rows", "open", "month", "refresh", "search",
                "growth");
    for (const int lots : sizes) {
        const QString books = booksOf(lots, behind);
        for (const TimedScreen &screen : Screens) {
            setDatabaseLocation(copyOf(books));
            const Times t = screen.time(databasePath());
            const double worst = std::max({t.open, t.month, t.refresh, t.search});
            QString growth;
            if (smallestLots == 0)
                smallest[screen.name] = t;
            else {
                const Times &s = smallest[screen.name];
                const double base = std::max({s.open, s.month, s.refresh, s.search});
                growth = QStringLiteral("%1x").arg(worst / base, 0, 'f', 1);
            }
            std::printf("%8d %-17s %8d %7.3f%s %7.3f%s %7.3f%s %7.3f%s %8s\n", lots, screen.name, t.rows, t.open,
                        mark(t.open, OpenGoal), t.month, mark(t.month, OpenGoal), t.refresh,
                        mark(t.refresh, OpenGoal), t.search, mark(t.search, OpenGoal), qPrintable(growth));
            std::fflush(stdout);
        }
        const double save = timeSave(copyOf(books));
        std::printf("%8d %-17s %8s %7.3f%s\n", lots, "one issue saved", "", save, save < 0 ? " (refused)" : mark(save, SaveGoal));
        if (smallestLots == 0)
            smallestLots = lots;
    }
    std::printf("growth: the slowest step against the same screen's on %d lots\n", smallestLots);
    std::printf("messages shown: %d\n", int(messages.messages.size()));
    for (const auto &m : messages.messages)
        std::printf("  %s\n", qPrintable(m.text));
    return 0;
}
