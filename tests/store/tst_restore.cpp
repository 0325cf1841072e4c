// The restore of a backup and the undo of the newest close, on both engines: the books come
// back equal to the backup's, table by table; the books as they were are backed up first, so
// that a restore is undone by restoring that backup; what is lost is counted before; a desk
// that holds the books stops the restore and nothing changes.

#include "BooksDifference.h"
#include "BothEngines.h"
#include "MonthGenerator.h"
#include "TestBooks.h"
#include "closing/CloseUndo.h"
#include "closing/MonthClose.h"
#include "store/Backup.h"
#include "store/BackupFile.h"
#include "store/BooksLock.h"
#include "store/Db.h"
#include "store/Restore.h"
#include "store/Schema.h"

#include <QFile>
#include <QTest>

using namespace zedur;
using namespace zedur::test;

namespace {

const Period May{QStringLiteral("2005"), QStringLiteral("05")};

// The books a backup holds, expanded beside the test's books.
std::unique_ptr<Db> booksIn(TestBooks &books, const QString &backup)
{
    static int n = 0;
    const QString file = books.dir() + QStringLiteral("expanded%1.mdb").arg(++n);
    backupfile::expand(backup, file);
    return Db::open(file);
}

// A copy of the books as they are now, as a file to compare with later.
std::unique_ptr<Db> snapshot(TestBooks &books)
{
    static int n = 0;
    const QString file = books.dir() + QStringLiteral("snapshot%1.mdb").arg(++n);
    books.db().backupTo(file);
    return Db::open(file);
}

QMap<QString, qint64> rowCounts(Db &db)
{
    QMap<QString, qint64> counts;
    for (const TableDef &t : schema::baseTables())
        counts.insert(t.name, db.scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(t.name)).toLongLong());
    return counts;
}

RestoreDone restore(TestBooks &books, const QString &backup)
{
    books.disconnect();
    RestoreDone done;
    {
        PreparedRestore prepared(books.location(), backup);
        done = prepared.commit();
    }
    books.reconnect();
    return done;
}

} // namespace

class RestoreTest : public QObject
{
    Q_OBJECT
private slots:
    // Restored, then the restore undone with the backup it wrote first.
    void aRestoreBringsBackTheBackupsBooksAndCanBeUndone()
    {
        TestBooks books;
        generateBooks(books.db(), 7, 1, MonthShape{.lots = 12}, true);
        const QString backup = writeBackup(books.db(), {BackupReason::Initialisation, {}}).file;
        QVERIFY(runMonthClose(books.db(), period::theOpenPeriod(books.db())->period).done());
        MonthGenerator(books.db(), 8).fillOpenMonth(MonthShape{.lots = 5});
        const std::unique_ptr<Db> changed = snapshot(books);

        const RestoreDone done = restore(books, backup);
        QCOMPARE(done.openNow, QStringLiteral("2005-04 미마감"));
        QCOMPARE(firstDifference(books.db(), *booksIn(books, backup)), QString());
        QCOMPARE(firstDifference(*booksIn(books, done.backupOfPresent), *changed), QString());
        QCOMPARE(listBackups(books.location()).first().why(), QStringLiteral("복원 전"));

        restore(books, done.backupOfPresent);
        QCOMPARE(firstDifference(books.db(), *changed), QString());
        // New rows get serials after the restored ones, as the serial generator reads them.
        MonthGenerator(books.db(), 9).fillOpenMonth(MonthShape{.lots = 2});
    }

    // The confirmation's figures: the closes undone and the rows entered since, brought-forward
    // rows aside; after the undo the close is no longer offered.
    void undoOfTheNewestClose_data()
    {
        QTest::addColumn<int>("lotsSince"); // lots of a month filled in the new month; 0: nothing entered
        QTest::newRow("nothing entered since") << 0;
        QTest::newRow("rows entered in the new month") << 3;
    }
    void undoOfTheNewestClose()
    {
        QFETCH(int, lotsSince);
        TestBooks books;
        generateBooks(books.db(), 11, 1, MonthShape{.lots = 12}, true);
        QVERIFY(!undoableClose(books.db()));
        const std::unique_ptr<Db> beforeClose = snapshot(books);
        const CloseOutcome closed = runMonthClose(books.db(), {QStringLiteral("2005"), QStringLiteral("04")});
        QVERIFY(closed.done());
        const QMap<QString, qint64> afterClose = rowCounts(books.db());
        if (lotsSince > 0)
            MonthGenerator(books.db(), 12).fillOpenMonth(MonthShape{.lots = lotsSince});
        const QMap<QString, qint64> now = rowCounts(books.db());

        const std::optional<BackupInfo> close = undoableClose(books.db());
        QVERIFY(close);
        QCOMPARE(close->file, closed.backupPath);
        books.disconnect();
        {
            PreparedRestore prepared(books.location(), close->file);
            const RestorePreview &p = prepared.preview();
            QCOMPARE(p.closesUndone, QStringList{QStringLiteral("2005-04")});
            QCOMPARE(p.presentOpen.left(7), QStringLiteral("2005-05"));
            QMap<QString, qint64> since;
            for (const TableRows &t : p.rowsSince)
                since.insert(t.table, t.rows);
            QMap<QString, qint64> expected;
            for (const auto &[table, rows] : now.asKeyValueRange())
                if (rows > afterClose.value(table) && table != QStringLiteral("MC_YearMonthCheck"))
                    expected.insert(table, rows - afterClose.value(table));
            QCOMPARE(since, expected);
            QCOMPARE(since.isEmpty(), lotsSince == 0);
            const QString text = restoreConfirmationText(p, QStringLiteral("마감을 취소할까요?"));
            QVERIFY(text.contains(QStringLiteral("취소되는 마감: 2005-04")));
            QVERIFY2(lotsSince == 0 || text.contains(QStringLiteral("재공품")), qPrintable(plainLines(text)));
            prepared.commit();
        }
        books.reconnect();
        QCOMPARE(firstDifference(books.db(), *beforeClose), QString());
        QVERIFY(!undoableClose(books.db()));
        QCOMPARE(period::theOpenPeriod(books.db())->period.text(), QStringLiteral("200504"));
    }

    // Another desk in the middle of a save: the restore waits as long as the close would,
    // then stops with the user's message and changes nothing; once the desk is done it runs.
    void aRestoreIsRefusedWhileAnotherDeskHoldsTheBooks()
    {
        TestBooks books;
        MonthGenerator(books.db(), 3).fillOpenMonth(MonthShape{.lots = 4});
        const QString backup = writeBackup(books.db(), {BackupReason::Initialisation, {}}).file;
        MonthGenerator(books.db(), 4).fillOpenMonth(MonthShape{.lots = 2});
        const std::unique_ptr<Db> before = snapshot(books);
        books.disconnect();
        std::unique_ptr<Db> desk = books.connect();
        {
            Transaction saving(*desk);
            holdBooks(*desk, BooksUse::Entry);
            desk->exec("UPDATE MC_WonJaJeyCode SET Won_Name = Won_Name");
            PreparedRestore prepared(books.location(), backup);
            try {
                prepared.commit();
                QFAIL("the books were restored under another desk's save");
            } catch (const RestoreRefused &refused) {
                QVERIFY2(refused.message().startsWith(QStringLiteral("장부를 다른 프로그램이나 다른 자리에서 쓰고 있어서")),
                         qPrintable(refused.message()));
            }
            saving.commit();
        }
        QCOMPARE(firstDifference(*desk, *before), QString());
        QCOMPARE(backupsOf(books.location()), QStringList{backup});
        desk.reset();
        restore(books, backup);
        QCOMPARE(firstDifference(books.db(), *booksIn(books, backup)), QString());
    }
};

ZEDUR_TEST_ON_BOTH_ENGINES(RestoreTest)
#include "tst_restore.moc"
