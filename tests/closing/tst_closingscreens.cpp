#include "ClosingFixture.h"
#include "DiskFaults.h"
#include "MessageRecorder.h"
#include "closing/ui/TMC_BackUpReStore_Form.h"
#include "closing/ui/TMC_JeyJoAmtUpDate_Form.h"
#include "closing/ui/TMC_MonthMaGam_Form.h"
#include "common/ErrorLog.h"
#include "common/SystemInfo.h"
#include "common/ui/ListCombo.h"
#include "store/IntegrityCheckRecord.h"
#include "ui/ScreenDriver.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

using namespace zedur;
using namespace zedur::test;

namespace {

void twoLots(Db &db)
{
    for (int i = 1; i <= 2; ++i)
        addLot(db, serialNo(i), {{"Gong_SuKg", 1.0}, {"Gong_GaAmt", 100.0 * i}, {"Gong_DaongWonAmt", 100.0 * i}});
    addAmount(db, QStringLiteral("노무비(제)"), QStringLiteral("간접"), QStringLiteral("간접(공통)비"), 300);
}

double lotValue(Db &db, const QString &serial, const QString &column)
{
    return db
        .scalar(QStringLiteral("Select %1 From MC_JeyGongPumInPut Where Gong_Serial = :s").arg(column),
                {{":s", serial}})
        .toDouble();
}

void pick(ListCombo *list, const QString &text)
{
    list->setCurrentIndex(list->findText(text));
}

} // namespace

class ClosingScreensTest : public QObject
{
    Q_OBJECT
private slots:
    void allocationScreenRunsTheOpenMonth()
    {
        TestBooks books;
        MessageRecorder messages;
        twoLots(books.db());
        TMC_JeyJoAmtUpDate_Form screen;
        ScreenDriver ui(&screen);
        screen.show();
        QCOMPARE(screen.windowTitle(), QStringLiteral("추가 배부액  데이타를 업데이트 계산 및 등록하는 폼 입니다."));
        QCOMPARE(screen.cbYear->currentText() + screen.cbMonth->currentText(), QStringLiteral("200504"));
        QCOMPARE(screen.Panel8->text(), QStringLiteral("<<< 배부액을 재 계산하여야 할 상태 >>>"));
        QVERIFY(
            screen.Memo1->toPlainText().startsWith(QStringLiteral("제조원가명세서의 당월 비용(노무비,제조경비) \n\n")));
        // Showing the screen leaves the month's state as it was.
        period::markRecalculation(books.db());
        QCOMPARE(openState(books.db()), period::Recalculate);

        ui.click("PrintBtn");
        QCOMPARE(messages.texts(), QStringList());
        QCOMPARE(lotValue(books.db(), serialNo(2), "Gong_DaongNoMu_02"), 200.0);
        QCOMPARE(openState(books.db()), QStringLiteral("미마감"));
        QCOMPARE(screen.Panel8->text(), QStringLiteral("<<< 배부액 계산 완료 후 마감및이월작업 가능한 상태 >>>"));
    }

    void allocationScreenRefusesAnotherMonth()
    {
        TestBooks books;
        MessageRecorder messages;
        twoLots(books.db());
        TMC_JeyJoAmtUpDate_Form screen;
        ScreenDriver ui(&screen);
        screen.show();
        pick(screen.cbMonth, "05");
        ui.click("PrintBtn");
        QCOMPARE(messages.messages.size(), 1);
        QCOMPARE(messages.messages.first().kind, MessageKind::Warning);
        QVERIFY(messages.lastText().contains(QStringLiteral("배부액 계산할 연도와 월은")));
        QCOMPARE(lotValue(books.db(), serialNo(2), "Gong_DaongNoMu_02"), 0.0);
    }

    void allocationScreenShowsAFailureAndLogsIt()
    {
        TestBooks books;
        MessageRecorder messages;
        twoLots(books.db());
        books.db().exec("Drop Table MC_ChaongGoJeyPumInPut_ChulGo");
        TMC_JeyJoAmtUpDate_Form screen;
        ScreenDriver ui(&screen);
        screen.show();
        ui.click("PrintBtn");
        QCOMPARE(messages.messages.size(), 1);
        QCOMPARE(messages.messages.first().kind, MessageKind::Error);
        QVERIFY(messages.lastText().contains("MC_ChaongGoJeyPumInPut_ChulGo"));
        QFile log(books.dir() + "Data_Save/ErrorMessage.Txt");
        QVERIFY(log.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(log.readAll()).contains("TMC_JeyJoAmtUpDate_Form.PrintBtnClick"));
        QCOMPARE(lotValue(books.db(), serialNo(2), "Gong_DaongNoMu_02"), 0.0);
        QCOMPARE(openState(books.db()), QStringLiteral("미마감"));
    }

    void closeScreenRefusesUntilTheAllocationRan()
    {
        TestBooks books;
        MessageRecorder messages;
        twoLots(books.db());
        period::markRecalculation(books.db());
        TMC_MonthMaGam_Form screen;
        ScreenDriver ui(&screen);
        screen.show();
        QCOMPARE(screen.Panel_YearMonth->text(), QStringLiteral("2005년도  05월"));
        ui.click("PrintBtn");
        QCOMPARE(messages.messages.size(), 1);
        QVERIFY(messages.lastText().contains(QStringLiteral("배부액을 재 계산 완료후에 ")));
        QCOMPARE(screen.Panel9->text(), QStringLiteral("배부액을 먼저 업데이트 하세요."));
        QCOMPARE(period::theOpenPeriod(books.db())->period, April);
    }

    void closeScreenClosesAndShowsTheNextMonth()
    {
        TestBooks books;
        MessageRecorder messages;
        twoLots(books.db());
        TMC_MonthMaGam_Form screen;
        ScreenDriver ui(&screen);
        screen.show();
        ui.click("PrintBtn");
        QCOMPARE(messages.texts(), QStringList());
        QCOMPARE(period::theOpenPeriod(books.db())->period, May);
        QCOMPARE(screen.cbYear->currentText() + screen.cbMonth->currentText(), QStringLiteral("200505"));
        QCOMPARE(screen.Panel9->text(), QStringLiteral("<<< 배부액 계산 완료 후 마감및이월작업 가능한 상태 >>>"));
        QCOMPARE(screen.Panel_YearMonth->text(), QStringLiteral("2005년도  06월"));
        QCOMPARE(books.db().count("Select * From MC_JeyGongPumInPut Where Gong_Kubun = '전기이월'"), 2);
    }

    void closeScreenStopsWhenNoBackupCanBeWritten()
    {
        TestBooks books;
        MessageRecorder messages;
        twoLots(books.db());
        const ResultSet periodsBefore = books.db().query("Select * From MC_YearMonthCheck Order By YM_Serial");
        QVERIFY(makeUnwritable(books.dir() + "Access_Db/backup"));
        TMC_MonthMaGam_Form screen;
        ScreenDriver ui(&screen);
        screen.show();
        ui.click("PrintBtn");
        QCOMPARE(messages.messages.size(), 1);
        QCOMPARE(messages.messages.first().kind, MessageKind::Error);
        QVERIFY2(
            messages.lastText().startsWith(QStringLiteral("데이타베이스를 백업할 수 없어서 작업을 하지 않았습니다.")),
            qPrintable(messages.lastText()));
        QVERIFY(messages.lastText().contains(QStringLiteral("백업 폴더에 쓸 수 없습니다")));
        const ResultSet periodsAfter = books.db().query("Select * From MC_YearMonthCheck Order By YM_Serial");
        QCOMPARE(periodsAfter.rows(), periodsBefore.rows());
        QCOMPARE(books.db().count("Select * From MC_JeyGongPumInPut Where Gong_Kubun = '전기이월'"), 0);
        QCOMPARE(books.db().count("Select * From MC_JeyGongPumInPut Where Gong_Check_01 = '마감완료'"), 0);
        QCOMPARE(screen.cbMonth->currentText(), QStringLiteral("04"));
    }

    // 장부 검사 reads the whole file at the user's word: sound books are said to be so and the
    // next start need not check them; damage is named and logged, and the next start checks.
    void theBooksCheckSaysWhatItFound_data()
    {
        QTest::addColumn<bool>("damaged");
        QTest::newRow("sound books") << false;
        QTest::newRow("a damaged page") << true;
    }

    void theBooksCheckSaysWhatItFound()
    {
        QFETCH(bool, damaged);
        TestBooks books;
        books.disconnect();
        if (damaged)
            damageTablePage(databasePath(), QStringLiteral("MC_AcNameCode"));
        MessageRecorder messages;
        {
            TMC_BackUpReStore_Form screen;
            ScreenDriver ui(&screen);
            screen.show();
            ui.click("CheckBtn");
        }
        QCOMPARE(messages.messages.size(), 1);
        QCOMPARE(messages.messages.first().kind, damaged ? MessageKind::Warning : MessageKind::Information);
        QVERIFY2(messages.lastText().startsWith(damaged ? QStringLiteral("장부 파일이 손상되었습니다:")
                                                        : QStringLiteral("장부 파일에 손상된 곳이 없습니다")),
                 qPrintable(messages.lastText()));
        QCOMPARE(nextErrorNumber(errorLogPath()), damaged ? 2 : 1);
        QCOMPARE(IntegrityCheckRecord(databasePath()).due(), damaged);
        books.reconnect();
    }

    void closeScreenListsTakeNoKeysAndNameTheFollowingMonth()
    {
        TestBooks books;
        MessageRecorder messages;
        TMC_MonthMaGam_Form screen;
        ScreenDriver ui(&screen);
        screen.show();
        ui.focus("cbMonth");
        ui.keys("7");
        QCOMPARE(messages.texts(), QStringList{"잘못 입력하셨습니다"});
        QCOMPARE(screen.windowTitle(), QStringLiteral("..................."));
        pick(screen.cbMonth, "12");
        ui.focus("cbYear");
        QCOMPARE(screen.Panel_YearMonth->text(), QStringLiteral("2006년도  01월"));
    }
};

QTEST_MAIN(ClosingScreensTest)
#include "tst_closingscreens.moc"
