#include "TestBooks.h"
#include "common/OutputFile.h"
#include "common/Workbook.h"
#include "store/Backup.h"
#include "store/Books.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>

using namespace zedur;
using zedur::test::TestBooks;

namespace {

// Every file below a folder with the hash of its bytes: what a refused write must leave alone.
QMap<QString, QByteArray> filesBelow(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        files.insert(path, file.open(QIODevice::ReadOnly)
                               ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1)
                               : QByteArray("unreadable"));
    }
    return files;
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QVector<ExportSheet> oneSheet(const QString &text)
{
    ExportSheet sheet;
    sheet.titles = {QStringLiteral("구분")};
    sheet.rows = {{text}};
    return {sheet};
}

} // namespace

class OutputFileTest : public QObject
{
    Q_OBJECT
private slots:
    // The export service itself holds the rule, so every export (the screens' buttons, the
    // command line) keeps to it; the refused write leaves every file as it was.
    void anExportNeverGoesOverTheBooksOrAnyDatabase_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("refusal");
        const QString books = "장부 파일에는 쓸 수 없습니다:";
        const QString side = "장부(SQLite 데이터베이스)가 곁에 두는 파일이라 쓸 수 없습니다:";
        const QString database = "장부나 백업 같은 SQLite 데이터베이스 파일이라 덮어쓸 수 없습니다:";
        QTest::newRow("the books") << "Access_Db/ZedUr_DB.mdb" << books;
        QTest::newRow("their write-ahead log") << "Access_Db/ZedUr_DB.mdb-wal" << side;
        QTest::newRow("their shared memory") << "Access_Db/ZedUr_DB.mdb-shm" << side;
        QTest::newRow("their journal, not there") << "Access_Db/ZedUr_DB.mdb-journal" << side;
        QTest::newRow("a backup") << "backup"
                                  << "장부의 백업 파일이라 덮어쓸 수 없습니다:";
        QTest::newRow("other books") << "other.mdb" << database;
        QTest::newRow("another database's log") << "other.mdb-wal" << side;
        QTest::newRow("a link to the books") << "link.xlsx" << books;
        QTest::newRow("the books by ../") << "Data_Save/../Access_Db/./ZedUr_DB.mdb" << books;
        QTest::newRow("the books by a relative ../") << "relative" << books;
        QTest::newRow("a link to nothing") << "nowhere.xlsx"
                                           << "가리키는 파일이 없는 링크에는 쓸 수 없습니다:";
        QTest::newRow("a text file") << "Data_Save/ErrorMessage.Txt"
                                     << "스프레드시트(.xlsx) 파일이 아니라서 덮어쓰지 않습니다:";
        QTest::newRow("a folder") << "Access_Db"
                                  << "폴더에는 쓸 수 없습니다:";
    }

    void anExportNeverGoesOverTheBooksOrAnyDatabase()
    {
        QFETCH(QString, target);
        QFETCH(QString, refusal);
        TestBooks books;
        const QString dir = books.dir();
        createDatabase(dir + "other.mdb", {"2005", "04"}, TestBooks::fixedAudit());
        QVERIFY(QFile::link(books.location(), dir + "link.xlsx"));
        QVERIFY(QFile::link(dir + "gone.xlsx", dir + "nowhere.xlsx"));
        QDir().mkpath(dir + "Data_Save");
        QFile log(dir + "Data_Save/ErrorMessage.Txt");
        QVERIFY(log.open(QIODevice::WriteOnly) && log.write("1\r\n") > 0);
        log.close();
        const QString cwd = QDir::currentPath();
        QDir::setCurrent(dir + "Data_Save");
        QString path = dir + target;
        if (target == u"backup")
            path = writeBackup(books.db(), {BackupReason::Close, "2005-04"}).file;
        else if (target == u"relative")
            path = "../Access_Db/ZedUr_DB.mdb";
        QVERIFY(QFileInfo::exists(books.location() + "-wal")); // the books are open

        const QMap<QString, QByteArray> before = filesBelow(dir);
        QString refused;
        try {
            writeWorkbook(path, oneSheet("새 내용"));
        } catch (const OutputRefused &e) {
            refused = e.message();
        }
        QDir::setCurrent(cwd);
        QVERIFY2(refused.startsWith(refusal), qPrintable(refused));
        QVERIFY(refused.contains(path));
        QCOMPARE(filesBelow(dir), before);
        QCOMPARE(books.db().scalar("Select count(*) From MC_YearMonthCheck").toInt(), 2);
    }

    // New books, a copy of the books and a backup go by the same rule: never as another
    // database's side file, where SQLite would take them for its own.
    void newBooksAreNeverMadeAsADatabasesSideFile()
    {
        TestBooks books;
        const QString dir = books.dir();
        for (const char *suffix : {"-wal", "-shm", "-journal"}) {
            const QString path = books.location() + suffix;
            const bool existed = QFileInfo::exists(path);
            const QByteArray before = bytesOf(path);
            // A side file there is refused as any file there is; one not there by the rule.
            if (existed)
                QVERIFY_THROWS_EXCEPTION(Failure, createDatabase(path, {"2005", "04"}, TestBooks::fixedAudit()));
            else
                QVERIFY_THROWS_EXCEPTION(OutputRefused, createDatabase(path, {"2005", "04"}, TestBooks::fixedAudit()));
            QCOMPARE(QFileInfo::exists(path), existed);
            QCOMPARE(bytesOf(path), before);
        }
        createDatabase(dir + "fresh.mdb", {"2005", "04"}, TestBooks::fixedAudit());
        QVERIFY(QFileInfo::exists(dir + "fresh.mdb"));
    }

    // A spreadsheet already there is replaced by the whole new one, its mode kept, and no
    // partial file stays behind.
    void anExistingSpreadsheetIsReplacedWhole()
    {
        TestBooks books;
        const QString path = books.dir() + "report.xlsx";
        QVERIFY(writeWorkbook(path, oneSheet("옛 내용")));
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        const QByteArray old = bytesOf(path);
        QVERIFY(writeWorkbook(path, oneSheet("새 내용 그리고 조금 더 긴 내용")));
        const QByteArray written = bytesOf(path);
        QVERIFY(written.startsWith("PK\x03\x04"));
        QVERIFY(written != old);
        const QFileDevice::Permissions mode = QFileInfo(path).permissions();
        QVERIFY(mode.testFlag(QFileDevice::WriteOwner) && !mode.testFlag(QFileDevice::ReadOther));
        QCOMPARE(QDir(books.dir()).entryList({"*report*"}, QDir::Files | QDir::Hidden), QStringList{"report.xlsx"});

        // Through a link the spreadsheet it leads to is replaced, and the link stays a link.
        QVERIFY(QFile::link(path, books.dir() + "latest.xlsx"));
        QVERIFY(writeWorkbook(books.dir() + "latest.xlsx", oneSheet("세 번째")));
        QVERIFY(QFileInfo(books.dir() + "latest.xlsx").isSymLink());
        QVERIFY(bytesOf(path) != written);
    }

    // A write that fails half way (a full disk, a writer that gives up) leaves the old file
    // whole and no partial file beside it.
    void aFailedWriteLeavesTheOldFileWhole()
    {
        TestBooks books;
        const QString path = books.dir() + "report.xlsx";
        QVERIFY(writeWorkbook(path, oneSheet("옛 내용")));
        const QMap<QString, QByteArray> before = filesBelow(books.dir());
        const bool written = writeOutputFile(path, spreadsheetOutput(), [](const QString &partial) {
            QFile file(partial);
            if (file.open(QIODevice::WriteOnly))
                file.write("PK\x03\x04 half");
            return false; // gave up half way
        });
        QVERIFY(!written);
        QCOMPARE(filesBelow(books.dir()), before);
    }
};

QTEST_GUILESS_MAIN(OutputFileTest)
#include "tst_outputfile.moc"
