#include "ClosingFixture.h"
#include "common/ProgramLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

using namespace zedur;
using namespace zedur::test;

namespace {

struct Result {
    int exitCode = -1;
    QString out;
    QString err;
};

// Each test runs as its own user, so that the program's lock it takes or finds is its own.
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

Result run(const QString &program, const QStringList &args)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("USER", testUser());
    p.setProcessEnvironment(env);
    p.start(program, args);
    if (!p.waitForFinished(60000))
        qFatal("zedur-cli did not finish");
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
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
        QTest::newRow("unknown command") << QStringList{"export"};
        QTest::newRow("no month") << QStringList{"allocate"};
        QTest::newRow("month 13") << QStringList{"close", "2005-13"};
        QTest::newRow("month without its zero") << QStringList{"close", "2005-4"};
        QTest::newRow("unknown option") << QStringList{"--force", "status"};
        QTest::newRow("one argument too many") << QStringList{"status", "2005-04"};
        QTest::newRow("no path after --db") << QStringList{"status", "--db"};
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
        QVERIFY(r.out.contains(QStringLiteral("사용자와 컴퓨터마다 하나")));
    }

    void allocatesAndClosesMonthsInARow()
    {
        TestBooks books;
        twoLots(books.db());
        const QString db = books.dir() + "Access_Db/ZedUr_DB.mdb";
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

    void writesWaitForTheProgramToEnd()
    {
        TestBooks books;
        const QString db = books.dir() + "Access_Db/ZedUr_DB.mdb";
        const auto cli = [&](const QStringList &args) {
            return run(installedBeside(books), args);
        };
        const QByteArray user = qgetenv("USER");
        qputenv("USER", testUser().toUtf8());
        {
            ProgramLock program(QStringLiteral("zedur"));
            QVERIFY(program.held());
            const Result r = cli({"--db", db, "allocate", "2005-04"});
            QCOMPARE(r.exitCode, 1);
            QVERIFY(r.err.contains(QStringLiteral("실행 중입니다")));
            QCOMPARE(openState(books.db()), QStringLiteral("미마감"));
            QCOMPARE(
                books.db().scalar("Select YM_TextMemo From MC_YearMonthCheck Where YM_Kubun = '미마감'").toString(),
                QStringLiteral("배부액을 재 계산하여야 할 상태"));
            // Reading is not writing.
            QCOMPARE(cli({"--db", db, "status"}).exitCode, 0);
        }
        qputenv("USER", user);
        QCOMPARE(cli({"--db", db, "allocate", "2005-04"}).exitCode, 0);
    }

    void aMissingBooksFileIsAnErrorAndIsNotCreated()
    {
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

    void withoutDbItUsesTheBooksBesideTheProgram()
    {
        TestBooks books;
        const Result r = run(installedBeside(books), {"status"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.startsWith(QStringLiteral("2005-04 미마감")));
    }
};

QTEST_GUILESS_MAIN(CliTest)
#include "tst_cli.moc"
