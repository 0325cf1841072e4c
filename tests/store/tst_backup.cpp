// The backups taken before the initialisation and the close: only the newest twenty of these
// books are kept, and a folder nobody may write into or a full disk fails the backup with the
// user's message and leaves nothing half-written.
//
// The test program is its own child: "--child-backup FILE" backs FILE up as the actions do.

#include "DiskFaults.h"
#include "MonthGenerator.h"
#include "TestBooks.h"
#include "store/Backup.h"
#include "store/Db.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <cstdio>

using namespace zedur;
using namespace zedur::test;

namespace {

// What a user may keep in the backup folder beside this books' backups: no pruning touches it.
const QStringList othersInTheFolder{"ZedUr_DB_copy.mdb", "Other_DB_20000101_000000_000.mdb",
                                    "ZedUr_DB_20000101_000000_000.mdb.partial", "메모.txt"};

QString backupFolder(const TestBooks &books)
{
    return books.dir() + "Access_Db/backup";
}

bool putFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write("not the books") > 0;
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

int runChild(const QString &file)
{
    try {
        auto db = Db::open(file);
        writeTimestampedBackup(*db);
    } catch (const BackupError &e) {
        std::printf("%s", e.message().toUtf8().constData());
        return 1;
    } catch (const std::exception &e) {
        std::printf("%s", e.what());
        return 2;
    }
    return 0;
}

} // namespace

class BackupTest : public QObject
{
    Q_OBJECT
private slots:
    void keepsTheNewestTwentyOfTheseBooks_data()
    {
        QTest::addColumn<int>("earlier");       // backups already in the folder
        QTest::addColumn<bool>("stampedLater"); // their moments after now: the clock was set back
        QTest::addColumn<int>("kept");
        QTest::newRow("the first") << 0 << false << 1;
        QTest::newRow("nineteen before") << 19 << false << 20;
        QTest::newRow("twenty before") << 20 << false << 20;
        QTest::newRow("thirty before") << 30 << false << 20;
        QTest::newRow("twenty-five stamped after now") << 25 << true << 20;
    }
    void keepsTheNewestTwentyOfTheseBooks()
    {
        QFETCH(int, earlier);
        QFETCH(bool, stampedLater);
        QFETCH(int, kept);
        TestBooks books;
        QVERIFY(QDir().mkpath(backupFolder(books)));
        for (const QString &name : othersInTheFolder)
            QVERIFY(putFile(backupFolder(books) + u'/' + name));
        const QDateTime first =
            stampedLater ? QDateTime::currentDateTime().addYears(1) : QDateTime(QDate(2005, 1, 31), QTime(18, 0));
        QStringList before; // newest first
        for (int i = 0; i < earlier; ++i) {
            before.prepend(backupPathFor(books.db().path(), first.addDays(i)));
            QVERIFY(putFile(before.first()));
        }

        const QString written = writeTimestampedBackup(books.db());

        QStringList expected = before.mid(0, kept - 1);
        if (stampedLater)
            expected.append(written);
        else
            expected.prepend(written);
        QCOMPARE(backupsOf(books.db().path()), expected);
        for (const QString &name : othersInTheFolder)
            QVERIFY2(QFileInfo::exists(backupFolder(books) + u'/' + name), qPrintable(name));
        auto copy = Db::open(written);
        QVERIFY(copy->count("SELECT * FROM MC_AcNameCode") > 0);
    }

    void anUnwritableFolderFailsTheBackupWithTheUsersMessage()
    {
        TestBooks books;
        QVERIFY(makeUnwritable(backupFolder(books)));
        try {
            writeTimestampedBackup(books.db());
            QFAIL("a backup was written into a folder nobody may write into");
        } catch (const BackupError &e) {
            QVERIFY2(e.message().startsWith(QStringLiteral("데이타베이스를 백업할 수 없어서 작업을 하지 않았습니다.")),
                     qPrintable(e.message()));
            QVERIFY(e.message().contains(QStringLiteral("백업 폴더에 쓸 수 없습니다")));
            QVERIFY(e.message().contains(backupFolder(books)));
        }
        QCOMPARE(filesIn(backupFolder(books)), QStringList());
    }

    void aFullDiskFailsTheBackupAndLeavesNoPartOfIt()
    {
        TestBooks books;
        MonthGenerator(books.db(), 5).fillOpenMonth(MonthShape{.lots = 30});
        QVERIFY(QDir().mkpath(backupFolder(books)));
        for (const QString &name : othersInTheFolder)
            QVERIFY(putFile(backupFolder(books) + u'/' + name));
        const QString file = books.db().path();
        books.db().exec("PRAGMA wal_checkpoint(TRUNCATE)"); // all of the books in their file
        const qint64 limit = 64 * 1024;                     // above what opening the books writes, below their copy
        QVERIFY(QFileInfo(file).size() > 2 * limit);

        QProcess child;
        limitFileSize(child, limit);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child-backup"), file});
        QVERIFY(child.waitForFinished(60000));
        const QString said = QString::fromUtf8(child.readAllStandardOutput());
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QVERIFY2(child.exitCode() == 1, qPrintable(said));
        QVERIFY2(said.startsWith(QStringLiteral("데이타베이스를 백업할 수 없어서 작업을 하지 않았습니다.")),
                 qPrintable(said));
        QVERIFY2(said.contains(QStringLiteral("디스크에 남은 공간이 부족합니다.")), qPrintable(said));
        QStringList left = filesIn(backupFolder(books));
        left.sort();
        QStringList expected = othersInTheFolder;
        expected.sort();
        QCOMPARE(left, expected);
        QCOMPARE(backupsOf(file), QStringList());
    }
};

int main(int argc, char *argv[])
{
    if (argc == 3 && QLatin1String(argv[1]) == QLatin1String("--child-backup")) {
        QCoreApplication app(argc, argv);
        return runChild(QString::fromLocal8Bit(argv[2]));
    }
    QApplication app(argc, argv);
    BackupTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_backup.moc"
