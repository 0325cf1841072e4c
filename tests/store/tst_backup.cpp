// The backups taken before the initialisation, the close and a restore: compressed, labelled
// and listed only when whole; retention keeps the last twelve closes and five others; a
// folder nobody may write into or a full disk fails the backup with the user's message and
// leaves nothing half-written.
//
// The test program is its own child: "--child-backup FILE" backs FILE up as the actions do.

#include "DiskFaults.h"
#include "MonthGenerator.h"
#include "TestBooks.h"
#include "BooksDifference.h"
#include "store/Backup.h"
#include "store/BackupFile.h"
#include "store/Db.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
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
        writeBackup(*db, {BackupReason::Close, QStringLiteral("2005-04")});
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
    // Retention over the kinds of backup: "C04" is the backup of the close of 2005-04, "I" an
    // initialisation's, "R" one before a restore, "U" a plain copy of an older version; newest
    // first. The one just written is marked with "*".
    void retentionKeepsTwelveClosesAndFiveOthers_data()
    {
        QTest::addColumn<QStringList>("newestFirst");
        QTest::addColumn<QStringList>("letGo");
        QTest::newRow("nothing to let go") << QStringList{"*C05", "C04", "I", "R"} << QStringList{};
        QTest::newRow("thirteen closes: the oldest goes")
            << QStringList{"*C13", "C12", "C11", "C10", "C09", "C08", "C07", "C06", "C05", "C04", "C03", "C02", "C01"}
            << QStringList{"C01"};
        QTest::newRow("a month closed twice: the earlier close's backup goes")
            << QStringList{"*C05", "R", "C05", "C04"} << QStringList{"C05"};
        QTest::newRow("seven others: the two oldest go, closes stay")
            << QStringList{"*R", "C06", "R", "I", "U", "C05", "R", "I", "U"} << QStringList{"I", "U"};
        QTest::newRow("the one just written keeps its place when the clock was set back")
            << QStringList{"R", "R", "R", "R", "R", "*I"} << QStringList{"R"};
    }
    void retentionKeepsTwelveClosesAndFiveOthers()
    {
        QFETCH(QStringList, newestFirst);
        QFETCH(QStringList, letGo);
        QVector<BackupInfo> backups;
        QString written;
        QHash<QString, QString> kindOf; // file -> its code in the table
        for (int i = 0; i < newestFirst.size(); ++i) {
            QString code = newestFirst.at(i);
            BackupInfo b;
            b.file = QStringLiteral("backup%1").arg(i);
            if (code.startsWith(u'*')) {
                code = code.mid(1);
                written = b.file;
            }
            kindOf.insert(b.file, code);
            if (code.startsWith(u'C'))
                b.purpose = {BackupReason::Close, QStringLiteral("2005-") + code.mid(1)};
            else if (code == u"I")
                b.purpose = {BackupReason::Initialisation, {}};
            else if (code == u"R")
                b.purpose = {BackupReason::BeforeRestore, {}};
            backups.append(b);
        }
        QStringList gone;
        for (const QString &file : backupsPastRetention(backups, written, BackupRetention{}))
            gone << kindOf.value(file);
        QCOMPARE(gone, letGo);
    }

    // Written by the close: the books come back whole from the file, and the list shows why
    // and the open month inside; pruning leaves the folder's other files alone.
    void aBackupIsListedWithItsLabelAndHoldsTheBooks()
    {
        TestBooks books;
        MonthGenerator(books.db(), 5).fillOpenMonth(MonthShape{.lots = 10});
        QVERIFY(QDir().mkpath(backupFolder(books)));
        for (const QString &name : othersInTheFolder)
            QVERIFY(putFile(backupFolder(books) + u'/' + name));
        const BackupWritten written = writeBackup(books.db(), {BackupReason::Close, QStringLiteral("2005-04")});
        QVERIFY(written.file.endsWith(QStringLiteral(".mdb.zst")));
        QVERIFY(written.folderWarning.isEmpty());
        const QVector<BackupInfo> list = listBackups(books.db().path());
        QCOMPARE(list.size(), 1);
        QCOMPARE(list.first().file, written.file);
        QCOMPARE(list.first().why(), QStringLiteral("2005-04 마감 전"));
        QCOMPARE(list.first().openMonth, QStringLiteral("2005-04"));
        QCOMPARE(list.first().size, QFileInfo(written.file).size());
        for (const QString &name : othersInTheFolder)
            QVERIFY2(QFileInfo::exists(backupFolder(books) + u'/' + name), qPrintable(name));

        const QString expanded = books.dir() + "expanded.mdb";
        backupfile::expand(written.file, expanded);
        auto copy = Db::open(expanded);
        QCOMPARE(firstDifference(*copy, books.db()), QString());
    }

    // A copy that is not whole is never listed, whatever cut it short.
    void backupsCutShortAreNotListed_data()
    {
        QTest::addColumn<qint64>("keptBytes"); // of the whole file; -1: the whole file renamed ".partial"
        QTest::newRow("the temporary name") << qint64(-1);
        QTest::newRow("cut in the middle") << qint64(2000);
        QTest::newRow("only its label") << qint64(200);
        QTest::newRow("all but the end mark's last byte") << qint64(-2);
    }
    void backupsCutShortAreNotListed()
    {
        QFETCH(qint64, keptBytes);
        TestBooks books;
        MonthGenerator(books.db(), 5).fillOpenMonth(MonthShape{.lots = 10});
        const QString file = writeBackup(books.db(), {BackupReason::Initialisation, {}}).file;
        if (keptBytes == -1) {
            QVERIFY(QFile::rename(file, file + ".partial"));
        } else {
            QFile f(file);
            QVERIFY(f.resize(keptBytes == -2 ? f.size() - 1 : keptBytes));
        }
        QCOMPARE(listBackups(books.db().path()).size(), 0);
        if (keptBytes >= 0)
            QVERIFY_THROWS_EXCEPTION(backupfile::BackupFileError,
                                     backupfile::expand(file, books.dir() + "expanded.mdb"));
    }

    void aFolderPastItsLimitIsWarnedOf()
    {
        TestBooks books;
        BackupRetention keep;
        keep.folderLimitBytes = 1024;
        const BackupWritten written = writeBackup(books.db(), {BackupReason::Initialisation, {}}, keep);
        QVERIFY2(written.folderWarning.contains(QStringLiteral("한도 1.0 KB를 넘었습니다")),
                 qPrintable(written.folderWarning));
        QVERIFY(written.folderWarning.contains(backupFolder(books)));
        QCOMPARE(backupFolderWarning(books.db().path()), QString()); // under the usual limit
    }

    void anUnwritableFolderFailsTheBackupWithTheUsersMessage()
    {
        TestBooks books;
        QVERIFY(makeUnwritable(backupFolder(books)));
        try {
            writeBackup(books.db(), {BackupReason::Initialisation, {}});
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
        // Bytes no compression makes smaller, so that the backup itself passes the limit.
        books.db().exec("CREATE TABLE filler (x BLOB)");
        books.db().exec("INSERT INTO filler VALUES (randomblob(300000))");
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
