#include "BooksDifference.h"
#include "BothEngines.h"
#include "ClosingFixture.h"
#include "DiskFaults.h"
#include "MonthGenerator.h"
#include "common/BooksClaim.h"
#include "common/BooksLocation.h"
#include "store/Backup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace zedur;
using namespace zedur::test;

namespace {

struct Result {
    int exitCode = -1;
    QString out;
    QString err;
};

// Each test runs as its own user, so that a program it starts is never taken for another
// test's (the program runs once per user).
QString testUser()
{
    return QStringLiteral("zedur-cli-test-%1").arg(QCoreApplication::applicationPid());
}

// A copy of the command line in the books' program folder: its error log goes there too.
QString installedBeside(const TestBooks &books)
{
    const QString program = books.dir() + "zedur-cli";
    if (!QFileInfo::exists(program) && !QFile::copy(QStringLiteral(ZEDUR_CLI), program))
        qFatal("cannot copy zedur-cli");
    return program;
}

// The worksheet tabs of a written workbook, in their order.
// The first worksheet as written (its texts inline).
QString firstSheetText(const QString &path)
{
    QProcess unzip;
    unzip.start("unzip", {"-p", path, "xl/worksheets/sheet1.xml"});
    if (!unzip.waitForFinished())
        return {};
    return QString::fromUtf8(unzip.readAllStandardOutput());
}

QStringList sheetNames(const QString &path)
{
    QProcess unzip;
    unzip.start("unzip", {"-p", path, "xl/workbook.xml"});
    if (!unzip.waitForFinished())
        return {};
    const QString xml = QString::fromUtf8(unzip.readAllStandardOutput());
    QStringList names;
    static const QRegularExpression sheet(QStringLiteral("<sheet name=\"([^\"]*)\""));
    for (auto it = sheet.globalMatch(xml); it.hasNext();)
        names << it.next().captured(1);
    return names;
}

Result run(const QString &program, const QStringList &args, long long fileSizeLimit = 0,
           const QString &workingDirectory = {})
{
    QProcess p;
    if (fileSizeLimit > 0)
        limitFileSize(p, fileSizeLimit);
    p.setWorkingDirectory(workingDirectory);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("USER", testUser());
    p.setProcessEnvironment(env);
    p.start(program, args);
    if (!p.waitForFinished(60000))
        qFatal("zedur-cli did not finish");
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

// The program itself, with its books open: a user of its own (its single-instance rule is
// per user) and an empty data folder of its own.
void startProgram(QProcess &program, const QString &books)
{
    static QTemporaryDir dataHome;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("USER", testUser());
    env.insert("XDG_DATA_HOME", dataHome.path());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(ZEDUR_PROGRAM), {"--db", books});
}

// Whether something claims the books within a while.
bool waitUntilClaimed(const QString &books)
{
    for (int i = 0; i < 300; ++i) {
        if (!BooksClaim(books, programsClaim, BooksClaim::Mode::Alone).held())
            return true;
        QTest::qWait(50);
    }
    return false;
}

void twoLots(Db &db)
{
    for (int i = 1; i <= 2; ++i)
        addLot(db, serialNo(i), {{"Gong_SuKg", 1.0}, {"Gong_GaAmt", 100.0 * i}, {"Gong_DaongWonAmt", 100.0 * i}});
    addAmount(db, QStringLiteral("노무비(제)"), QStringLiteral("간접"), QStringLiteral("간접(공통)비"), 300);
}

} // namespace

class CliTest : public QObject
{
    Q_OBJECT
private slots:
    void wrongUseIsRefusedWithTheHelp_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no command") << QStringList{};
        QTest::newRow("unknown command") << QStringList{"report"};
        QTest::newRow("export without a report") << QStringList{"export"};
        QTest::newRow("unknown report") << QStringList{"export", "sales", "2005-04"};
        QTest::newRow("export without a month") << QStringList{"export", "wip"};
        QTest::newRow("no path after --out") << QStringList{"export", "wip", "2005-04", "--out"};
        QTest::newRow("--out on another command") << QStringList{"verify", "2005-04", "--out", "x.xlsx"};
        QTest::newRow("verify without a month") << QStringList{"verify"};
        QTest::newRow("no month") << QStringList{"allocate"};
        QTest::newRow("month 13") << QStringList{"close", "2005-13"};
        QTest::newRow("month without its zero") << QStringList{"close", "2005-4"};
        QTest::newRow("unknown option") << QStringList{"--force", "status"};
        QTest::newRow("one argument too many") << QStringList{"status", "2005-04"};
        QTest::newRow("no path after --db") << QStringList{"status", "--db"};
        QTest::newRow("copy without --to") << QStringList{"copy", "--from", "a.mdb"};
        QTest::newRow("--to on another command") << QStringList{"status", "--to", "b.mdb"};
        QTest::newRow("restore without a file") << QStringList{"restore"};
    }

    void wrongUseIsRefusedWithTheHelp()
    {
        QFETCH(QStringList, args);
        TestBooks books;
        const Result r = run(installedBeside(books), args);
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.err.contains(QStringLiteral("사용법: zedur-cli")));
        QVERIFY(r.out.isEmpty());
    }

    void helpSaysWhatTheLockCovers()
    {
        TestBooks books;
        const Result r = run(installedBeside(books), {"--help"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.contains(QStringLiteral("잠금은 장부마다")));
    }

    void allocatesAndClosesMonthsInARow()
    {
        TestBooks books;
        twoLots(books.db());
        const QString db = books.location();
        const auto cli = [&](const QStringList &args) {
            return run(installedBeside(books), args);
        };
        Result r = cli({"--db", db, "status"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QStringLiteral("2005-04 미마감 배부액을 재 계산하여야 할 상태\n"));

        period::markRecalculation(books.db());
        r = cli({"--db", db, "close", "2005-04"});
        QCOMPARE(r.exitCode, 1);
        // The screens' message, its line breaks made plain.
        QCOMPARE(r.err, QStringLiteral("경고: 2005년도 04월은 / 배부액을 재 계산 완료후에 / "
                                       "이월및마감 작업이 가능합니다.....................\n"));

        r = cli({"--db=" + db, "allocate", "2005-04"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.startsWith(QStringLiteral("2005-04 배부액 계산 완료")));
        QCOMPARE(books.db()
                     .scalar("Select Gong_DaongNoMu_02 From MC_JeyGongPumInPut Where Gong_Serial = 'A0000000002'")
                     .toDouble(),
                 200.0);

        r = cli({"--db", db, "close", "2005-04"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.contains(QStringLiteral("재공품 2건")));
        QCOMPARE(period::theOpenPeriod(books.db())->period, May);
        const QString backup = r.out.section(QStringLiteral("백업: "), 1).trimmed();
        QVERIFY2(QFileInfo::exists(backup), qPrintable(r.out));

        r = cli({"--db", db, "allocate", "2005-04"});
        QCOMPARE(r.exitCode, 1);
        QVERIFY(r.err.contains(QStringLiteral("마감완료된 상태라")));
        QVERIFY(cli({"--db", db, "allocate", "2005-05"}).exitCode == 0);
        QVERIFY(cli({"--db", db, "close", "2005-05"}).exitCode == 0);
        QVERIFY(cli({"--db", db, "status"}).out.startsWith(QStringLiteral("2005-06 미마감")));
    }

    void aFullDiskStopsTheCloseBeforeItChangesAnything()
    {
        if (testEngine() == Engine::Postgres)
            QSKIP("the books file's disk: on a server the backup is the only file the close writes");
        TestBooks books;
        generateBooks(books.db(), 4, 1, MonthShape{.lots = 30});
        // Bytes no compression makes smaller, so that the backup itself passes the limit.
        books.db().exec("CREATE TABLE filler (x BLOB)");
        books.db().exec("INSERT INTO filler VALUES (randomblob(300000))");
        const QString db = books.location();
        books.db().exec("PRAGMA wal_checkpoint(TRUNCATE)"); // all of the books in their file
        const qint64 limit = 64 * 1024;                     // above what opening the books writes, below their copy
        QVERIFY(QFileInfo(db).size() > 2 * limit);
        const ResultSet periodsBefore = books.db().query("Select * From MC_YearMonthCheck Order By YM_Serial");
        const int rowsBefore = books.db().count("Select * From MC_WonJaJeyInPut");

        const Result r = run(installedBeside(books), {"--db", db, "close", "2005-04"}, limit);
        QCOMPARE(r.exitCode, 3);
        QVERIFY2(r.err.contains(QStringLiteral("데이타베이스를 백업할 수 없어서 작업을 하지 않았습니다.")),
                 qPrintable(r.err));
        QVERIFY2(r.err.contains(QStringLiteral("디스크에 남은 공간이 부족합니다.")), qPrintable(r.err));
        QCOMPARE(books.db().query("Select * From MC_YearMonthCheck Order By YM_Serial").rows(), periodsBefore.rows());
        QCOMPARE(books.db().count("Select * From MC_WonJaJeyInPut"), rowsBefore);
        QCOMPARE(QDir(books.dir() + "Access_Db/backup").entryList(QDir::Files), QStringList());
    }

    // A writing command waits only for what has its own books: the program with those books
    // open, or another writing command on them; the refusal says which, changes nothing, and
    // reading goes on. Other books are written at the same time.
    void writesWaitOnlyForWhatHasTheSameBooks_data()
    {
        QTest::addColumn<QString>("holder");
        QTest::addColumn<QString>("whose");
        QTest::addColumn<QString>("refusal"); // empty: the command runs
        const QString program = "제조원가 계산 프로그램(zedur)이 이 장부를 열고 실행 중입니다.";
        const QString command = "zedur-cli close 2005-04 명령이 이 장부에 쓰고 있습니다.";
        QTest::newRow("the program, the same books") << "program"
                                                     << "same" << program;
        QTest::newRow("the program, other books") << "program"
                                                  << "other" << QString();
        QTest::newRow("another command, the same books") << "command"
                                                         << "same" << command;
        QTest::newRow("another command, the same books through a link") << "command"
                                                                        << "link" << command;
        QTest::newRow("another command, other books") << "command"
                                                      << "other" << QString();
    }

    void writesWaitOnlyForWhatHasTheSameBooks()
    {
        QFETCH(QString, holder);
        QFETCH(QString, whose);
        QFETCH(QString, refusal);
        if (whose == u"link" && testEngine() == Engine::Postgres)
            QSKIP("a link names a file");
        const TestBooks other;
        const QString otherBooks = other.location();
        TestBooks books;
        const QString db = books.location();
        const QString held = whose == u"same" ? db : whose == u"link" ? books.dir() + "link.mdb" : otherBooks;
        if (whose == u"link")
            QVERIFY(QFile::link(db, held));
        const QString cli = installedBeside(books);

        QProcess program;
        std::optional<BooksClaim> command;
        if (holder == u"program") {
            startProgram(program, held);
            QVERIFY2(waitUntilClaimed(held), "the program did not open its books");
        } else {
            command.emplace(held, programsClaim, BooksClaim::Mode::Alone, BooksHolder::commandLine("close 2005-04"));
            QVERIFY(command->held());
        }
        const Result r = run(cli, {"--db", db, "allocate", "2005-04"});
        if (refusal.isEmpty()) {
            program.kill();
            program.waitForFinished();
            QVERIFY2(r.exitCode == 0, qPrintable(r.err));
            return;
        }
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(refusal), qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
        QCOMPARE(openState(books.db()), QStringLiteral("미마감"));
        QCOMPARE(books.db().scalar("Select YM_TextMemo From MC_YearMonthCheck Where YM_Kubun = '미마감'").toString(),
                 QStringLiteral("배부액을 재 계산하여야 할 상태"));
        // Reading is not writing.
        QCOMPARE(run(cli, {"--db", db, "status"}).exitCode, 0);

        program.kill();
        program.waitForFinished();
        command.reset();
        QCOMPARE(run(cli, {"--db", db, "allocate", "2005-04"}).exitCode, 0);
    }

    // The command line never writes over the books, their side files, a backup or another
    // database, whatever the path that leads there: refused (1) with nothing changed.
    void nothingIsWrittenOverTheBooks_data()
    {
        QTest::addColumn<QStringList>("args"); // BOOKS: the books file
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("refusal");
        const QString books = "장부 파일에는 쓸 수 없습니다:";
        const QString side = "장부(SQLite 데이터베이스)가 곁에 두는 파일이라 쓸 수 없습니다:";
        const QStringList exportTo{"--db", "BOOKS", "export", "raw-materials", "2005-04", "--out"};
        QTest::newRow("export over the books") << exportTo + QStringList{"BOOKS"} << "BOOKS" << books;
        QTest::newRow("export over their log") << exportTo + QStringList{"BOOKS-wal"} << "BOOKS-wal" << side;
        QTest::newRow("export through a link") << exportTo + QStringList{"LINK"} << "BOOKS" << books;
        QTest::newRow("export by ../") << exportTo + QStringList{"../Access_Db/ZedUr_DB.mdb"} << "BOOKS" << books;
        QTest::newRow("export over a backup") << exportTo + QStringList{"BACKUP"} << "BACKUP"
                                              << "장부의 백업 파일이라 덮어쓸 수 없습니다:";
        QTest::newRow("copy as their journal")
            << QStringList{"copy", "--from", "BOOKS", "--to", "BOOKS-journal"} << "BOOKS-journal" << side;
    }

    void nothingIsWrittenOverTheBooks()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, target);
        QFETCH(QString, refusal);
        if (testEngine() == Engine::Postgres)
            QSKIP("books in a file");
        TestBooks books;
        twoLots(books.db());
        const QString db = books.location();
        QVERIFY(QFile::link(db, books.dir() + "link.xlsx"));
        const QString backup = writeBackup(books.db(), {BackupReason::Close, "2005-04"}).file;
        const auto placed = [&](QString text) {
            return text.replace("BOOKS", db).replace("LINK", books.dir() + "link.xlsx").replace("BACKUP", backup);
        };
        for (QString &arg : args)
            arg = placed(arg);
        target = placed(target);
        QFile file(target);
        const QByteArray before = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        file.close();
        const bool existed = QFileInfo::exists(target);
        const QStringList picturedBefore = picture(books.db());

        QDir().mkpath(books.dir() + "Data_Save");
        const Result r = run(installedBeside(books), args, 0, books.dir() + "Data_Save");
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(refusal), qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
        QCOMPARE(QFileInfo::exists(target), existed);
        // The books and their side files change as SQLite keeps them (a run's checkpoint):
        // what counts there is that they hold the same rows.
        if (!target.startsWith(db)) {
            QVERIFY(file.open(QIODevice::ReadOnly) || !existed);
            QCOMPARE(file.readAll(), before);
        }
        QCOMPARE(picture(books.db()), picturedBefore);
        QCOMPARE(run(installedBeside(books), {"--db", db, "status"}).exitCode, 0);
    }

    // The close's backup listed, its restore refused while the program runs, then done: the
    // month is open again and the books before it are a backup of their own.
    void backupsAndRestoreFromTheCommandLine()
    {
        TestBooks books;
        generateBooks(books.db(), 6, 1, MonthShape{.lots = 8});
        const QString db = books.location();
        const auto cli = [&](const QStringList &args) {
            return run(installedBeside(books), args);
        };
        QCOMPARE(cli({"--db", db, "close", "2005-04"}).exitCode, 0);
        const Result listed = cli({"--db", db, "backups"});
        QCOMPARE(listed.exitCode, 0);
        QVERIFY2(listed.out.contains(QStringLiteral("2005-04 마감 전  2005-04 미마감")), qPrintable(listed.out));
        const QString backup = backupsOf(db).value(0);
        QVERIFY(listed.out.contains(backup));

        books.disconnect();
        {
            const BooksClaim program(db, programsClaim, BooksClaim::Mode::Shared, BooksHolder::theProgram());
            QVERIFY(program.held());
            const Result r = cli({"--db", db, "restore", backup});
            QCOMPARE(r.exitCode, 1);
            QVERIFY(r.err.contains(QStringLiteral("실행 중입니다")));
        }
        const Result r = cli({"--db", db, "restore", backup});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QVERIFY2(r.out.contains(QStringLiteral("취소되는 마감: 2005-04")), qPrintable(r.out));
        QVERIFY(r.out.contains(QStringLiteral("복원 완료: 열린 월 2005-04 미마감")));
        books.reconnect();
        QCOMPARE(openState(books.db()), QStringLiteral("미마감"));
        QCOMPARE(period::theOpenPeriod(books.db())->period.text(), QStringLiteral("200504"));
        QCOMPARE(listBackups(db).first().why(), QStringLiteral("복원 전"));
    }

    void aMissingBooksFileIsAnErrorAndIsNotCreated()
    {
        if (testEngine() == Engine::Postgres)
            QSKIP("a books file");
        TestBooks books;
        const QString missing = books.dir() + "elsewhere/ZedUr_DB.mdb";
        const Result r = run(installedBeside(books), {"--db", missing, "allocate", "2005-04"});
        QCOMPARE(r.exitCode, 3);
        QVERIFY(r.err.startsWith(QStringLiteral("오류: zedur-cli allocate 작업 중 오류가 발생하였습니다.")));
        QVERIFY(!QFileInfo::exists(missing));
        QFile log(books.dir() + "Data_Save/ErrorMessage.Txt");
        QVERIFY(log.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(log.readAll()).contains("zedur-cli allocate 2005-04"));
    }

    void exportWritesWhatTheScreensExportButtonWrites_data()
    {
        QTest::addColumn<QString>("report");
        QTest::addColumn<QStringList>("sheets");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("lastTitle"); // of the first sheet's columns
        QTest::newRow("raw materials: the movements only")
            << "raw-materials" << QStringList{"입출고 내역"} << "원자재 계정과목 입출고 현황" << "";
        QTest::newRow("WIP: the movements, then the summary")
            << "wip" << QStringList{"입출고 내역", "항목별 집계 내역"} << "재공품 계정과목 입출고 현황" << "";
        QTest::newRow("products: not the summary")
            << "products" << QStringList{"입출고 내역"} << "제품 계정과목 입출고 현황" << "";
        QTest::newRow("statement: the month, the month before, the year to date")
            << "manufacturing-cost" << QStringList{"Sheet1"} << "제조원가명세서 현황" << "당기누계";
        QTest::newRow("income statement") << "income" << QStringList{"Sheet1"} << "손익계산서 현황" << "당기누계";
        QTest::newRow("product trend over twelve months")
            << "product-trend" << QStringList{"Sheet1"} << "제품별 원가 및 이익 추이" << "단위당 매출총이익";
        QTest::newRow("trace from sales: the month's sales")
            << "trace-sales" << QStringList{"Sheet1"} << "월별 매출부터 역순 배부 체크 현황" << "";
        QTest::newRow("cost links") << "cost-links" << QStringList{"Sheet1"}
                                    << "월별 직간접비와 제조공정(재공품) 연계된 현황" << "";
    }

    void exportWritesWhatTheScreensExportButtonWrites()
    {
        QFETCH(QString, report);
        QFETCH(QStringList, sheets);
        QFETCH(QString, title);
        QFETCH(QString, lastTitle);
        TestBooks books;
        generateBooks(books.db(), 2, 2, MonthShape{10});
        const QString db = books.location();
        const QString file = books.dir() + report + ".xlsx";
        const Result r = run(installedBeside(books), {"--db", db, "export", report, "2005-04", "--out", file});
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.out.startsWith("2005-04 " + title + ": "), qPrintable(r.out));
        QVERIFY(r.out.endsWith(file + "\n"));
        QCOMPARE(sheetNames(file), sheets);
        if (!lastTitle.isEmpty())
            QVERIFY(firstSheetText(file).contains(lastTitle));
        // Only the file was written: the books keep no work table of the report.
        QVERIFY(!books.db().tableNames().contains(QStringLiteral("MC_JeyGongPumYbChulGoReport_SumVw01")));
    }

    void exportWithoutOutWritesANewFileUnderDataSave()
    {
        TestBooks books;
        const Result r = run(installedBeside(books), {"--db", books.location(), "export", "raw-materials", "2005-04"});
        QCOMPARE(r.exitCode, 0);
        const QString path = r.out.section(u'\n', 1, 1);
        QVERIFY2(path.startsWith(books.dir() + "Data_Save/TMC_ReportWonJaJeyYbChulGo_Form"), qPrintable(r.out));
        QVERIFY(QFileInfo::exists(path));
        // The total row of an empty month.
        QVERIFY(r.out.contains(QStringLiteral("입출고 내역 1행")));
    }

    void aMonthTheBooksNeverOpenedIsRefused_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("export") << QStringList{"export", "income", "2005-06"};
        QTest::newRow("verify") << QStringList{"verify", "2005-06"};
    }

    void aMonthTheBooksNeverOpenedIsRefused()
    {
        QFETCH(QStringList, args);
        TestBooks books;
        const Result r = run(installedBeside(books), QStringList{"--db", books.location()} + args);
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(QStringLiteral("최종 데이타가 등록된 년월은")), qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
    }

    // Each tie with its two figures; a month whose reports disagree ends with 4. Reading the
    // books does not wait for the program to end.
    void verifyPrintsEveryTieAndFailsWhenOneDoesNotHold()
    {
        TestBooks books;
        generateBooks(books.db(), 3, 2, MonthShape{20});
        const QString db = books.location();
        const BooksClaim program(db, programsClaim, BooksClaim::Mode::Shared, BooksHolder::theProgram());
        QVERIFY(program.held());

        Result r = run(installedBeside(books), {"--db", db, "verify", "2005-04"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.contains(QStringLiteral("일치    제조원가명세서 40401001 = 원자재 입출고 전월 원자재 이월액\n")));
        QVERIFY(r.out.contains(QStringLiteral("다음 월")));
        QVERIFY(!r.out.contains(QStringLiteral("불일치")));
        QVERIFY(r.out.contains(QRegularExpression(QStringLiteral("2005-04 대조 (\\d+)건 중 \\1건 일치\n$"))));

        books.db().exec("UpDate MC_ChaongGoJeyPumInPut Set JeyPum_TotGaAmt = JeyPum_TotGaAmt + 1 "
                        "Where JeyPum_Kubun = '당월입고' And JeyPum_Month = '05'");
        r = run(installedBeside(books), {"--db", db, "verify", "2005-05"});
        QCOMPARE(r.exitCode, 4);
        QVERIFY2(r.out.contains(
                     QStringLiteral("불일치  재공품 입출고 50행 완성율 금액 = 제품 입출고 당월 완성제품 입고액\n")),
                 qPrintable(r.out));
        QVERIFY(r.out.contains(QStringLiteral("참고: 이월 대조 제외: 마감되지 않은 월입니다.")));
    }

    // A product transfer's and a shipment's cost raised by 1,000 in the open month and a
    // brought-forward lot's in the closed one: the reports still agree with each other, the
    // rows do not, and verify prints each with its stored and worked-out figure.
    void verifyPrintsTheRowsThatDiffer()
    {
        TestBooks books;
        Db &db = books.db();
        generateBooks(db, 12, 3, MonthShape{20});
        const QString cli = installedBeside(books);
        Result r = run(cli, {"--db", books.location(), "verify", "2005-06"});
        QVERIFY2(r.exitCode == 0, qPrintable(r.out));
        QVERIFY(r.out.contains(QRegularExpression(QStringLiteral("2005-06 행 대조: 장부 행 [1-9]\\d*개를 다시 계산, "
                                                                 "다른 값 0건\n"))));
        QVERIFY(!r.out.contains(QStringLiteral("행 불일치")));

        const auto raise = [&](const QString &table, const QString &prefix, const QString &column, const QString &month,
                               const QString &which) {
            const QString serial = db.scalar(QStringLiteral("Select Min(%1Serial) From %2 Where %1Month = :m And %3")
                                                 .arg(prefix, table, which),
                                             {{":m", month}})
                                       .toString();
            db.exec(QStringLiteral("UpDate %1 Set %2 = %2 + 1000 Where %3Serial = :s").arg(table, column, prefix),
                    {{":s", serial}});
            return serial;
        };
        const QString transfer = raise("MC_ChaongGoJeyPumInPut_TaAc", "TaJeyPum_", "TaJeyPum_TotGaAmt", "06", "1 = 1");
        const QString sale = raise("MC_ChaongGoJeyPumInPut_ChulGo", "ChulGo_", "ChulGo_WonJaJeyAmt", "06",
                                   "ChulGo_Kubun = '정기매출출고'");
        r = run(cli, {"--db", books.location(), "verify", "2005-06"});
        QCOMPARE(r.exitCode, 4);
        // Every tie still holds: both of its sides read the same rows.
        QVERIFY2(!r.out.contains(QRegularExpression(QStringLiteral("^불일치"), QRegularExpression::MultilineOption)),
                 qPrintable(r.out));
        for (const auto &[table, serial, column] :
             {std::tuple{"MC_ChaongGoJeyPumInPut_TaAc", transfer, "TaJeyPum_TotGaAmt"},
              std::tuple{"MC_ChaongGoJeyPumInPut_ChulGo", sale, "ChulGo_WonJaJeyAmt"}})
            QVERIFY2(
                r.out.contains(QRegularExpression(
                    QStringLiteral("행 불일치  %1  %2  %3  저장 [\\d,.]+  계산 [\\d,.]+  \\(차이 1000\\.0000\\d\\d, "
                                   "허용 0\\.0000\\d\\d\\)\n")
                        .arg(QLatin1String(table), serial, QLatin1String(column)))),
                qPrintable(r.out));
        QVERIFY(r.out.contains(QStringLiteral("2005-06 행 대조: ")));
        QVERIFY(r.out.contains(QStringLiteral("다른 값 2건\n")));

        const QString lot = raise("MC_JeyGongPumInPut", "Gong_", "Gong_JenGiNoMu_02", "06", "Gong_Kubun = '전기이월'");
        r = run(cli, {"--db", books.location(), "verify", "2005-05"});
        QCOMPARE(r.exitCode, 4);
        QVERIFY2(r.out.contains(QStringLiteral("행 불일치  MC_JeyGongPumInPut  %1  Gong_JenGiNoMu_02  ").arg(lot)),
                 qPrintable(r.out));
    }

    // To the other engine and back: every row comes back as it was, audit columns included,
    // and the command says that every table holds the same rows.
    void copyMovesTheBooksToTheOtherEngineAndBack()
    {
        if (testServer().isEmpty())
            QSKIP("no PostgreSQL server for the tests");
        TestBooks books;
        generateBooks(books.db(), 5, 2, MonthShape{15});
        const QString source = books.location();
        const ServerDatabase server;
        const bool onFile = testEngine() == Engine::Sqlite;
        const QString there = onFile ? server.location() : books.dir() + "copy.mdb";
        const QString back = onFile ? books.dir() + "back.mdb" : server.location();
        const QString cli = installedBeside(books);

        Result r = run(cli, {"copy", "--from", source, "--to", there});
        QVERIFY2(r.exitCode == 0, qPrintable(r.out + r.err));
        QVERIFY2(r.out.contains(QStringLiteral("복사 완료: 표 14개")), qPrintable(r.out + r.err));
        QVERIFY(!r.out.contains(QStringLiteral("다름")));
        r = run(cli, {"copy", "--from", there, "--to", back});
        QVERIFY2(r.exitCode == 0, qPrintable(r.out + r.err));

        const auto copied = Db::open(back);
        QCOMPARE(picture(*copied), picture(books.db()));
        QCOMPARE(run(cli, {"--db", there, "verify", "2005-05"}).exitCode, 0);
    }

    // Books already there are never written over, on either engine: refused, nothing changed.
    void copyRefusesATargetThatHoldsBooks()
    {
        TestBooks books;
        twoLots(books.db());
        const QStringList before = picture(books.db());
        const QString file = books.dir() + "other.mdb";
        QVERIFY(QFile(file).open(QIODevice::WriteOnly));
        const QString cli = installedBeside(books);
        for (const QString &target : {books.location(), file}) {
            const Result r = run(cli, {"copy", "--from", books.location(), "--to", target});
            QCOMPARE(r.exitCode, 1);
            QVERIFY2(r.err.contains(QStringLiteral("복사할 곳에 이미 장부(또는 파일)가 있습니다")), qPrintable(r.err));
            QVERIFY(r.out.isEmpty());
        }
        QCOMPARE(picture(books.db()), before);
        QCOMPARE(QFileInfo(file).size(), 0);
    }

    // The same generated month allocated and closed through the command line on SQLite and
    // on the server, the next month allocated, gives the same rows: the server's books,
    // copied back into a file, agree with the file's books table by table.
    void bothEnginesGiveTheSameBooks()
    {
        if (testEngine() == Engine::Postgres)
            QSKIP("runs both engines itself, in the SQLite pass");
        if (testServer().isEmpty())
            QSKIP("no PostgreSQL server for the tests");
        TestBooks onFile;
        const QString file = onFile.location();
        const QString cli = installedBeside(onFile);
        setTestEngine(Engine::Postgres);
        TestBooks onServer;
        setTestEngine(Engine::Sqlite);
        const QString server = onServer.location();
        for (const QString &books : {file, server}) {
            const auto db = Db::open(books);
            MonthGenerator(*db, 11).fillOpenMonth(MonthShape{.lots = 40});
            for (const char *command : {"allocate", "close"})
                QCOMPARE(run(cli, {"--db", books, command, "2005-04"}).exitCode, 0);
            MonthGenerator(*db, 12).fillOpenMonth(MonthShape{.lots = 40});
            QCOMPARE(run(cli, {"--db", books, "allocate", "2005-05"}).exitCode, 0);
            const Result r = run(cli, {"--db", books, "verify", "2005-04"});
            QVERIFY2(r.exitCode == 0, qPrintable(books + "\n" + r.out));
        }
        const QString back = onFile.dir() + "from-server.mdb";
        const Result r = run(cli, {"copy", "--from", server, "--to", back});
        QVERIFY2(r.exitCode == 0, qPrintable(r.out + r.err));
        const auto fromServer = Db::open(back);
        const auto fromFile = Db::open(file);
        QVERIFY(fromFile->count("Select * From MC_ChaongGoJeyPumInPut_ChulGo") > 0);
        const QString difference = firstDifference(*fromFile, *fromServer);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    void withoutDbItUsesTheBooksBesideTheProgram()
    {
        TestBooks books;
        if (const auto server = parseServerLocation(books.location())) {
            QFile settings(books.dir() + "ZedUr.ini");
            QVERIFY(settings.open(QIODevice::WriteOnly));
            settings.write(QStringLiteral("[Books]\ndriver=postgresql\nhost=%1\ndatabase=%2\nuser=%3\n")
                               .arg(server->host, server->database, server->user)
                               .toUtf8());
        }
        const Result r = run(installedBeside(books), {"status"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.startsWith(QStringLiteral("2005-04 미마감")));
    }
};

ZEDUR_TEST_ON_BOTH_ENGINES(CliTest)
#include "tst_cli.moc"
