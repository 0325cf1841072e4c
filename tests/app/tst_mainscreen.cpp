#include "DiskFaults.h"
#include "MessageRecorder.h"
#include "TestBooks.h"
#include "app/MenuTree.h"
#include "app/TMC_ZedUrMain_Form.h"
#include "common/ErrorLog.h"
#include "common/SystemInfo.h"
#include "store/Backup.h"
#include "store/BackupFile.h"
#include "store/Books.h"
#include "store/Db.h"
#include "store/Integrity.h"
#include "store/IntegrityCheckRecord.h"
#include "ui/ScreenDriver.h"

#include <QDir>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace zedur;
using namespace zedur::test;

namespace {
QTreeWidgetItem *itemWithText(QTreeWidget *tree, const QString &text)
{
    const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

void clickItem(QTreeWidget *tree, QTreeWidgetItem *item, bool onExpandButton = false)
{
    QRect r = tree->visualItemRect(item);
    const QPoint at = onExpandButton ? QPoint(r.left() - tree->indentation() / 2, r.center().y()) : r.center();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QApplication::processEvents();
}

// Closes the modal screen a menu entry opens and tells which one it was.
QString screenOpenedBy(const std::function<void()> &action)
{
    QString opened;
    QTimer::singleShot(0, [&] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            opened = modal->objectName();
            modal->close();
        }
    });
    action();
    return opened;
}
} // namespace

QByteArray damageTheBooks()
{
    return damageTablePage(databasePath(), QStringLiteral("MC_AcNameCode"));
}

class MainScreenTest : public QObject
{
    Q_OBJECT
private slots:
    void menuHasEveryEntryCollapsed()
    {
        TestBooks books;
        TMC_ZedUrMain_Form main;
        QCOMPARE(main.windowTitle(),
                 QStringLiteral("제조원가 산출, 계산,  흐름의Report등을 테스트하는 프로젝트 프로그램입니다."));
        QCOMPARE(main.size(), QSize(790, 650));
        QTreeWidget *tree = main.tvGroup;
        QStringList top;
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            top << tree->topLevelItem(i)->text(0);
            QVERIFY(!tree->topLevelItem(i)->isExpanded());
        }
        QCOMPARE(top, (QStringList{"기초 코드 등록", "자료 등록 및 생성", "레포트 현황 정보",
                                   "마감이월 및 테이블 초기화 작업", "도움말", "종료"}));
        QList<int> codes;
        for (const MenuNode &group : mainMenu())
            for (const MenuNode &entry : group.children)
                codes << entry.code;
        QCOMPARE(codes, (QList<int>{110, 111, 112, 113, 114, 210, 211, 212, 213, 214, 215, 216, 217, 218,
                                    310, 311, 312, 313, 314, 315, 351, 352, 353, 354, 355, 356, 510, 511, 512}));
        QCOMPARE(itemWithText(tree, "배부액을 재공품과 제품등에 업데이트 등록 ")->data(0, Qt::UserRole).toInt(), 217);
        const QString memo = main.Memo3->toPlainText();
        QVERIFY(memo.startsWith("  본\n  원가계산 프로그램은\n  사칙연산의 제어 가능한 \n"));
        QVERIFY(memo.contains("  프로그램입니다.\n\n\n\n  프로그램의 최대 장점은,"));
        QVERIFY(memo.endsWith("  약간의 차액이 발생될\n  소지가 있습니다."));
    }

    void clicksToggleGroupsAndOpenEntries()
    {
        TestBooks books;
        MessageRecorder messages;
        TMC_ZedUrMain_Form main;
        ScreenDriver ui(&main);
        QTreeWidgetItem *group = itemWithText(main.tvGroup, "기초 코드 등록");
        clickItem(main.tvGroup, group);
        QVERIFY(group->isExpanded());
        clickItem(main.tvGroup, group);
        QVERIFY(!group->isExpanded());
        clickItem(main.tvGroup, group, true); // the expand button only expands
        QVERIFY(group->isExpanded());

        QTreeWidgetItem *rawMaterials = itemWithText(main.tvGroup, "원자재코드 등록");
        QCOMPARE(screenOpenedBy([&] { clickItem(main.tvGroup, rawMaterials); }),
                 QStringLiteral("TMC_WonJaJeyCode_Form"));
        QVERIFY(!QApplication::activeModalWidget());

        // Moving the selection with the keyboard opens nothing.
        main.tvGroup->setFocus();
        main.tvGroup->setCurrentItem(group);
        QCOMPARE(screenOpenedBy([&] {
                     QTest::keyClick(main.tvGroup, Qt::Key_Down);
                     QTest::keyClick(main.tvGroup, Qt::Key_Return);
                 }),
                 QString());
    }

    void dispatchesEveryCodeItHasAScreenFor_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("screen");
        QTest::newRow("110") << 110 << "TMC_WonJaJeyCode_Form";
        QTest::newRow("114") << 114 << "TMC_DataImport_Form";
        QTest::newRow("211") << 211 << "TMC_WonJaJeyTaJeyGongVw_Form";
        QTest::newRow("212") << 212 << "TMC_JeyGongPumWoulInPut_Form";
        QTest::newRow("213") << 213 << "TMC_JeyGongPumToJeyPumInPut_Form";
        QTest::newRow("214") << 214 << "TMC_JeyGongPumToTaAcInPut_Form";
        QTest::newRow("215") << 215 << "TMC_ChaongGoJeyPumChulGoTaAc_Form";
        QTest::newRow("218") << 218 << "TMC_BanPumSaleAmtInPut_Form";
        QTest::newRow("310") << 310 << "TMC_ReportWonJaJeyYbChulGo_Form";
        QTest::newRow("311") << 311 << "TMC_ReportJeyGongPumYbChulGo_Form";
        QTest::newRow("312") << 312 << "TMC_ReportJeyPumYbChulGo_Form";
        QTest::newRow("313") << 313 << "TMC_ReportJeyJoVwList_Form";
        QTest::newRow("314") << 314 << "TMC_ReportPLVwList_Form";
        QTest::newRow("315") << 315 << "TMC_ReportJeyPumTrend_Form";
        QTest::newRow("351") << 351 << "TMC_ReportBeyBu01_Form";
        QTest::newRow("352") << 352 << "TMC_ReportBeyBu02_Form";
        QTest::newRow("353") << 353 << "TMC_ReportBeyBu03_Form";
        QTest::newRow("354") << 354 << "TMC_ReportBeyBu04_Form";
        QTest::newRow("355") << 355 << "TMC_ReportBeyBu05_Form";
        QTest::newRow("356") << 356 << "TMC_ReportJeyJoAmtVw_Form";
        QTest::newRow("510") << 510 << "TMC_TableCreate_Form";
        QTest::newRow("unknown code") << 42 << "";
    }
    void dispatchesEveryCodeItHasAScreenFor()
    {
        QFETCH(int, code);
        QFETCH(QString, screen);
        TestBooks books;
        MessageRecorder messages; // the completion screen warns that there is no product tree
        TMC_ZedUrMain_Form main;
        ScreenDriver ui(&main);
        QCOMPARE(screenOpenedBy([&] { main.pRunMenu(code); }), screen);
    }

    void altF4IsRefusedAndEndEnds()
    {
        TestBooks books;
        MessageRecorder messages;
        TMC_ZedUrMain_Form main;
        ScreenDriver ui(&main);
        QTest::keyClick(&main, Qt::Key_F4, Qt::AltModifier);
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("현재 \"Alt+F4\"키는 종료를 못 시킵니다")});
        QVERIFY(main.isVisible());
        clickItem(main.tvGroup, itemWithText(main.tvGroup, "종료"));
        QVERIFY(!main.isVisible());
    }

    void aFileThatIsNotTheBooksWarnsLogsAndStaysAsItWas_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("missing") << false << QByteArray();
        QTest::newRow("empty file") << true << QByteArray();
        QTest::newRow("text") << true << QByteArray("not the books\r\n");
    }
    void aFileThatIsNotTheBooksWarnsLogsAndStaysAsItWas()
    {
        QFETCH(bool, exists);
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        setAppDirForTesting(dir.path());
        if (exists) {
            QDir().mkpath(appDir() + "Access_Db");
            QFile f(databasePath());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        MessageRecorder messages;
        {
            TMC_ZedUrMain_Form main;
            QVERIFY(!main.connected());
            const QString expected = "Data Source=" + appDir() + "Access_Db/ZedUr_DB.mdb  의" + LB + LB +
                                     "  액세스[Access] DB의 화일이나 경로에 " + LB + LB + "  오류가 발생 되었으니" +
                                     LB + LB + "  확인해 보세요........     " + LB;
            QCOMPARE(messages.texts(), QStringList{expected});
            QCOMPARE(nextErrorNumber(errorLogPath()), 2);
            QCOMPARE(main.tvGroup->topLevelItemCount(), 6);
        }
        // Never created, never written by the program.
        QCOMPARE(QFile::exists(databasePath()), exists);
        if (exists) {
            QFile f(databasePath());
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), content);
        }
        setAppDirForTesting(QString());
    }

    // The start-up check finds a page of the books overwritten, as a failing disk leaves it:
    // the newest whole backup is offered; declined (or with none), nothing is written to the
    // books and no screen opens on them.
    void damagedBooksOfferTheNewestBackupAndStayUntouchedWhenDeclined_data()
    {
        QTest::addColumn<QStringList>("backups"); // plain copies as older versions wrote them, or files cut short
        QTest::addColumn<QString>("newest");
        QTest::newRow("two backups and a cut-short one")
            << QStringList{"ZedUr_DB_20050401_100000_000.mdb", "ZedUr_DB_20050417_100000_000.mdb",
                           "ZedUr_DB_20050418_100000_000.mdb.partial", "ZedUr_DB_20050419_100000_000.mdb.zst"}
            << "ZedUr_DB_20050417_100000_000.mdb";
        QTest::newRow("a user's copy and other books' backups beside them")
            << QStringList{"ZedUr_DB_20050417_100000_000.mdb", "ZedUr_DB_copy.mdb", "ZedUr_DB_99999999.mdb",
                           "Other_DB_20060101_100000_000.mdb"}
            << "ZedUr_DB_20050417_100000_000.mdb";
        QTest::newRow("no backup") << QStringList{} << "";
    }
    void damagedBooksOfferTheNewestBackupAndStayUntouchedWhenDeclined()
    {
        QFETCH(QStringList, backups);
        QFETCH(QString, newest);
        QTemporaryDir dir;
        setAppDirForTesting(dir.path());
        createDatabase(databasePath(), {"2005", "04"}, TestBooks::fixedAudit());
        QDir().mkpath(appDir() + "Access_Db/backup");
        for (const QString &name : backups) {
            const QString path = appDir() + "Access_Db/backup/" + name;
            if (name.endsWith(".mdb")) {
                Db::openDefault()->backupTo(path);
            } else {
                QFile f(path); // cut short: a name alone is no backup
                QVERIFY(f.open(QIODevice::WriteOnly));
            }
        }
        const QByteArray damaged = damageTheBooks();
        const QVector<BackupInfo> listed = listBackups(databasePath());
        QCOMPARE(listed.isEmpty() ? QString() : listed.first().file,
                 newest.isEmpty() ? QString() : appDir() + "Access_Db/backup/" + newest);
        MessageRecorder messages;
        messages.answers = {false};
        {
            TMC_ZedUrMain_Form main;
            QVERIFY(!main.connected());
            const QString warning = damagedBooksText(databasePath(), newest.isEmpty() ? QString() : listed.first().file);
            QCOMPARE(messages.texts(),
                     QStringList{newest.isEmpty() ? warning : damagedBooksOffer(databasePath(), listed.first())});
            QVERIFY(messages.texts().first().contains(databasePath()));
            QVERIFY(newest.isEmpty() || messages.texts().first().contains(listed.first().file));
            QCOMPARE(nextErrorNumber(errorLogPath()), 2);
            // No screen opens on the damaged books; leaving the program still works.
            messages.clear();
            QCOMPARE(screenOpenedBy([&] { main.pRunMenu(210); }), QString());
            QCOMPARE(messages.texts(), QStringList{warning});
            main.show();
            main.pRunMenu(900);
            QVERIFY(!main.isVisible());
        }
        QFile f(databasePath());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll() == damaged);
        setAppDirForTesting(QString());
    }

    // The whole file is read at start-up only when damage is likely or has had time to build
    // up, as this user's record of these books tells; a clean stop leaves nothing due.
    void theStartUpCheckRunsOnlyWhenDue_data()
    {
        QTest::addColumn<bool>("everChecked");
        QTest::addColumn<int>("daysSincePassed");
        QTest::addColumn<bool>("leftInUse");
        QTest::addColumn<bool>("checked");
        QTest::newRow("never checked") << false << 0 << false << true;
        QTest::newRow("checked three days ago, stopped cleanly") << true << 3 << false << false;
        QTest::newRow("checked a week ago") << true << 7 << false << true;
        QTest::newRow("checked yesterday, the program did not stop") << true << 1 << true << true;
        QTest::newRow("checked in a month to come: the clock was put back") << true << -30 << false << true;
    }

    void theStartUpCheckRunsOnlyWhenDue()
    {
        QFETCH(bool, everChecked);
        QFETCH(int, daysSincePassed);
        QFETCH(bool, leftInUse);
        QFETCH(bool, checked);
        TestBooks books;
        IntegrityCheckRecord record(databasePath());
        if (everChecked)
            record.passed(0, QDateTime::currentDateTime().addDays(-daysSincePassed));
        if (leftInUse)
            record.inUse();
        {
            TMC_ZedUrMain_Form main;
            QVERIFY(main.connected());
            main.stoppedCleanly();
        }
        // Checked now, a check is due only a week from now; not checked, the old date stands.
        QCOMPARE(!record.due(QDateTime::currentDateTime().addDays(6)), checked);
        QVERIFY(!record.due());
    }

    // Taken: the books are the backup's and open; the damaged ones are kept as a backup.
    void damagedBooksRestoredFromTheNewestBackupWhenTaken()
    {
        TestBooks books;
        books.db().exec("UPDATE MC_AcNameCode SET Ac_TextMemo = 'backed up'");
        const QString backup = writeBackup(books.db(), {BackupReason::Close, "2005-03"}).file;
        books.db().exec("UPDATE MC_AcNameCode SET Ac_TextMemo = 'lost'");
        books.disconnect();
        const QByteArray damaged = damageTheBooks();
        MessageRecorder messages;
        messages.answers = {true};
        {
            TMC_ZedUrMain_Form main;
            QVERIFY(main.connected());
            QCOMPARE(messages.messages.size(), 2);
            QCOMPARE(messages.messages.at(1).kind, MessageKind::Information);
            QVERIFY2(messages.texts().at(1).startsWith(QStringLiteral("장부를 복원하였습니다. 열린 월: 2005-04")),
                     qPrintable(messages.texts().at(1)));
            QCOMPARE(screenOpenedBy([&] { main.pRunMenu(110); }), QStringLiteral("TMC_WonJaJeyCode_Form"));
        }
        QCOMPARE(damageFound(databasePath()), QStringList());
        books.reconnect();
        QCOMPARE(books.db().scalar("SELECT MIN(Ac_TextMemo) FROM MC_AcNameCode").toString(), QStringLiteral("backed up"));
        const QVector<BackupInfo> listed = listBackups(databasePath());
        QCOMPARE(listed.size(), 2);
        QCOMPARE(listed.at(1).file, backup);
        QCOMPARE(listed.at(0).why(), QStringLiteral("복원 전"));
        const QString kept = books.dir() + "kept.mdb";
        backupfile::expand(listed.at(0).file, kept);
        QFile f(kept);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll() == damaged);
    }
};

QTEST_MAIN(MainScreenTest)
#include "tst_mainscreen.moc"
