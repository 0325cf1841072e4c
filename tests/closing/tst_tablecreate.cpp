#include "DiskFaults.h"
#include "MessageRecorder.h"
#include "TestBooks.h"
#include "closing/ui/TMC_TableCreate_Form.h"
#include "common/ui/ListCombo.h"
#include "store/BackupFile.h"
#include "store/Db.h"
#include "store/Periods.h"
#include "ui/ScreenDriver.h"

#include <QDate>
#include <QPushButton>
#include <QTest>

using namespace zedur;
using namespace zedur::test;

class TableCreateTest : public QObject
{
    Q_OBJECT
private slots:
    void startsTheBooksAfreshAfterABackup()
    {
        TestBooks books;
        MessageRecorder messages;
        books.db().exec("INSERT INTO MC_WonJaJeyCode (Won_Serial, Won_Code) VALUES ('A0000000001', 'ST01')");
        TMC_TableCreate_Form screen;
        ScreenDriver ui(&screen);
        QCOMPARE(screen.cbYear->currentText(), QString::number(QDate::currentDate().year()));
        QCOMPARE(screen.cbMonth->currentIndex(), QDate::currentDate().month() - 1);
        QCOMPARE(screen.cbYear->count(), 301);
        QVERIFY(!screen.PrintBtn->isEnabled());

        screen.cbYear->setCurrentIndex(screen.cbYear->findText("2005"));
        screen.cbMonth->setCurrentIndex(11);
        ui.click("BitBtn1");

        QVERIFY2(messages.messages.isEmpty(), qPrintable(messages.texts().join('|')));
        QCOMPARE(books.db().count("SELECT * FROM MC_WonJaJeyCode"), 0);
        QCOMPARE(period::theOpenPeriod(books.db())->period, (Period{"2005", "12"}));
        QCOMPARE(period::find(books.db(), {"2005", "11"})->state, period::Closed);
        QVERIFY(books.db().count("SELECT * FROM MC_AcNameCode") > 0);
        // The backup holds the books as they were before.
        const QString expanded = books.dir() + "expanded.mdb";
        backupfile::expand(screen.lastBackup(), expanded);
        auto backup = Db::open(expanded);
        QCOMPARE(backup->count("SELECT * FROM MC_WonJaJeyCode"), 1);
        QVERIFY(screen.lastBackup().contains("/Access_Db/backup/ZedUr_DB_"));
    }

    void noBackupNoInitialisation()
    {
        TestBooks books;
        MessageRecorder messages;
        books.db().exec("INSERT INTO MC_WonJaJeyCode (Won_Serial, Won_Code) VALUES ('A0000000001', 'ST01')");
        const ResultSet periodsBefore = books.db().query("SELECT * FROM MC_YearMonthCheck ORDER BY YM_Serial");
        QVERIFY(makeUnwritable(books.dir() + "Access_Db/backup"));
        TMC_TableCreate_Form screen;
        ScreenDriver ui(&screen);
        screen.cbYear->setCurrentIndex(screen.cbYear->findText("2005"));
        screen.cbMonth->setCurrentIndex(11);
        ui.click("BitBtn1");

        QCOMPARE(messages.messages.size(), 1);
        QCOMPARE(messages.messages.first().kind, MessageKind::Error);
        QVERIFY2(
            messages.lastText().startsWith(QStringLiteral("데이타베이스를 백업할 수 없어서 작업을 하지 않았습니다.")),
            qPrintable(messages.lastText()));
        QVERIFY(messages.lastText().contains(books.dir() + "Access_Db/backup"));
        QCOMPARE(books.db().count("SELECT * FROM MC_WonJaJeyCode"), 1);
        QCOMPARE(books.db().query("SELECT * FROM MC_YearMonthCheck ORDER BY YM_Serial").rows(), periodsBefore.rows());
        QVERIFY(screen.lastBackup().isEmpty());
    }

    void listsTakeNoTypedKeys()
    {
        TestBooks books;
        MessageRecorder messages;
        TMC_TableCreate_Form screen;
        ScreenDriver ui(&screen);
        ui.focus("cbYear");
        ui.keys("7");
        QCOMPARE(messages.texts(), QStringList{"잘못 입력하셨습니다"});
        QCOMPARE(screen.windowTitle(), QStringLiteral("..................."));
    }
};

QTEST_MAIN(TableCreateTest)
#include "tst_tablecreate.moc"
