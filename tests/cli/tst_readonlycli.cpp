#include "BothEngines.h"
#include "ClosingFixture.h"
#include "MonthGenerator.h"
#include "OrdinaryUser.h"
#include "ReadOnlyPlaces.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

using namespace zedur;
using namespace zedur::test;

// The command line on books the user may read but not write, run as that user: what changes
// nothing tells what it tells on the books themselves; the allocation and the close are
// refused, saying why, and the books and their folder stay as they were.
namespace {

struct Result {
    int exitCode = -1;
    QString out;
    QString err;
};

// As `user`'s own run would: its data folder (error log, exports) is its own.
Result run(const TestBooks &books, const QStringList &args, bool asOrdinaryUser)
{
    const QString home = books.dir() + QStringLiteral("home");
    QDir().mkpath(home);
    setMode(home, 0777);
    const QStringList command = asOrdinaryUser ? ordinaryUserCommand(QStringLiteral(ZEDUR_CLI), args)
                                               : QStringList{QStringLiteral(ZEDUR_CLI)} + args;
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home);
    env.insert("XDG_DATA_HOME", home);
    env.insert("USER", QStringLiteral("zedur-readonly-test-%1").arg(QCoreApplication::applicationPid()));
    // Runs compared line by line hash alike: verify adds some remainders in hash order, which
    // may turn the last bit of a difference of 0 and print it as -0.000000.
    env.insert("QT_HASH_SEED", "0");
    p.setProcessEnvironment(env);
    p.start(command.first(), command.mid(1));
    if (!p.waitForFinished(60000))
        qFatal("zedur-cli did not finish");
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

} // namespace

class ReadOnlyCliTest : public QObject
{
    Q_OBJECT
private slots:
    void commandsOnBooksThatMayOnlyBeRead_data()
    {
        QTest::addColumn<Where>("where");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("refusal"); // empty: the same outcome as on the books themselves
        const QVector<std::tuple<const char *, QStringList, QString>> commands{
            {"status", {"status"}, {}},
            {"verify", {"verify", "2005-05"}, {}},
            {"verify a closed month", {"verify", "2005-04"}, {}},
            {"export", {"export", "wip", "2005-05", "--out", "OUT/wip.xlsx"}, {}},
            {"allocate", {"allocate", "2005-05"}, QStringLiteral("배부액 계산 업데이트가")},
            {"close", {"close", "2005-05"}, QStringLiteral("마감및이월 작업이")},
        };
        for (const Where where : placesOn(testEngine())) {
            if (where == Where::AskedToRead)
                continue; // the command line asks for nothing: it opens what it may
            for (const auto &[name, args, refusal] : commands)
                QTest::addRow("%s, %s", name, qPrintable(placeName(where))) << where << args << refusal;
        }
    }

    void commandsOnBooksThatMayOnlyBeRead()
    {
        QFETCH(Where, where);
        QFETCH(QStringList, args);
        QFETCH(QString, refusal);
        TestBooks books;
        generateBooks(books.db(), 3, 2, MonthShape{6});
        args.replaceInStrings(QStringLiteral("OUT/"), books.dir() + QStringLiteral("home/"));
        const bool exports = args.first() == u"export";
        Result own;
        if (refusal.isEmpty()) {
            own = run(books, QStringList{"--db", books.location()} + args, false);
            if (exports)
                QFile::remove(args.last());
        }
        const QStringList before = picture(books.db());

        ReadOnlyPlace place(books, where);
        const Result r = run(books, QStringList{"--db", place.location()} + args, where != Where::ServerRole);
        if (refusal.isEmpty()) {
            QVERIFY2(r.exitCode == own.exitCode, qPrintable(r.err));
            QCOMPARE(r.out, own.out);
            QCOMPARE(r.err, own.err);
            if (exports)
                QVERIFY(QFileInfo(args.last()).size() > 0);
        } else {
            QVERIFY2(r.exitCode == 1, qPrintable(r.err));
            QVERIFY(r.out.isEmpty());
            QVERIFY2(r.err.contains(QStringLiteral("읽기 전용으로 열었으므로 / ") + refusal +
                                    QStringLiteral(" 불가능합니다.")),
                     qPrintable(r.err));
        }
        QCOMPARE(place.folderNow(), place.folderBefore());
        QCOMPARE(picture(books.db()), before);
    }
};

ZEDUR_TEST_ON_BOTH_ENGINES(ReadOnlyCliTest)
#include "tst_readonlycli.moc"
