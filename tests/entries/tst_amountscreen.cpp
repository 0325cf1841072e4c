#include "EntryScreenFixture.h"
#include "common/SystemInfo.h"
#include "common/ui/ListCombo.h"
#include "common/ui/NumberBox.h"
#include "entries/Amounts.h"
#include "entries/ui/TMC_AcNameAmtInPut_Form.h"
#include "entries/ui/TMC_AcNameAmtInPut_Form_AcName.h"
#include "entries/ui/TMC_AcNameAmtInPut_Form_JeyGongPum.h"
#include "ui/ScreenDriver.h"

#include <QDir>
#include <QPushButton>

using namespace zedur;
using namespace zedur::test;

namespace {

const QString typingTitle = QStringLiteral("월별로 비용수익등의 계정과목 금액 정보를 등록하는 폼 입니다.");

// Books of April 2005 (with the starting chart of accounts) holding two WIP lots, an amount
// of April and one of the closed March; the amounts screen driven offscreen.
struct Fixture : EntryScreenFixture<TMC_AcNameAmtInPut_Form> {
    QString lot1, lot2;

    Fixture()
    {
        Db &db = books.db();
        const QString receipt = addReceipt(db, 100, 1000);
        issues::saveIssue(db, issueRequest(receipt, issues::IssueKind::Lot, "40", "12"));
        lot1 = newest(db, "MC_JeyGongPumInPut", "Gong_Serial");
        issues::saveIssue(db, issueRequest(receipt, issues::IssueKind::Lot, "25", "18"));
        lot2 = newest(db, "MC_JeyGongPumInPut", "Gong_Serial");
        db.exec(
            "INSERT INTO MC_AcNameAmtInPut (Amt_Serial, Amt_Date, Amt_Year, Amt_Month, Amt_GroupKubun, Amt_AcCode, "
            "Amt_AcName, Amt_GroupAcName, Amt_JeyJoKubun, Amt_JeyGongPumSerial, Amt_TextMemo, Amt_Amt, Amt_Check_01) "
            "VALUES ('A0000000001', '2005-04-25', '2005', '04', '제조원가명세서', '40404005', '전력비', "
            "'제조경비(제)', '간접', '간접(공통)비', '4월 전력', 2350000, ''), ('A0000000002', '2005-03-25', "
            "'2005', '03', '제조원가명세서', '40403001', '임금', '노무비(제)', '간접', '간접(공통)비', '3월 급여', "
            "9000000, '마감완료')");
        open();
    }

    // A new row with its day typed, the focus on the account name.
    void startNew()
    {
        ui->click("InsertBtn");
        QCOMPARE(screen->mode(), 3);
        ui->keys("27");
        ui->tab();
        QCOMPARE(ui->text("edAmt_Date"), QStringLiteral("2005-04-27"));
    }
    // Leaves the account name with a text, picks the dialog's row with this code.
    void pickAccount(const QString &typed, const QString &code)
    {
        ui->type("edAmt_AcName", typed);
        ui->tab();
        QApplication::processEvents();
        auto *dialog = screen->accountDialog();
        QVERIFY(dialog && dialog->isVisible());
        ScreenDriver d(dialog);
        const int row = d.column("Ac_AcCode").indexOf(code);
        QVERIFY(row >= 0);
        d.pickRow(row, 1);
        d.click("CloseBtn");
        QVERIFY(!dialog->isVisible());
        QApplication::setActiveWindow(screen.get());
    }
    // Chooses the kind with the keyboard and leaves the list.
    void chooseKind(const QString &kind)
    {
        ui->focus("cbAmt_JeyJoKubun");
        ui->press(kind == amounts::Direct ? Qt::Key_Down : Qt::Key_Up);
        QCOMPARE(screen->cbAmt_JeyJoKubun->currentText(), kind);
        ui->focus("edAmt_TextMemo");
        QApplication::processEvents();
    }
    void finishAndSave(const QString &amount)
    {
        ui->type("edAmt_TextMemo", "4월 분");
        ui->type("edAmt_Amt", amount);
        ui->tab();
        ui->click("SaveBtn");
    }
    void pick(const QString &serial)
    {
        EntryScreenFixture::pick("Amt_Serial", serial);
        QCOMPARE(screen->mode(), 2);
    }
    void showMonth(const QString &month) { EntryScreenFixture::showMonth(month, "cbMonth", "edSearch"); }
    ResultSet row(const QString &serial) { return storedRow(entryTables::Amounts, serial); }
    int amounts() { return rows("MC_AcNameAmtInPut"); }
};

} // namespace

class AmountScreenTest : public QObject
{
    Q_OBJECT
private slots:
    void opensOnTheOpenMonthAndMarksItForRecalculation()
    {
        Fixture f;
        QCOMPARE(f.screen->windowTitle(), QStringLiteral("비용,수익 계정과목들의 금액 정보를 등록하는 폼 입니다."));
        QCOMPARE(f.screen->cbMonth->currentText(), QStringLiteral("04"));
        QCOMPARE(f.books.db().scalar("SELECT YM_Kubun FROM MC_YearMonthCheck WHERE YM_Month = '04'").toString(),
                 period::Recalculate);
        QCOMPARE(f.ui->column("Amt_Serial"), QStringList{"A0000000001"});
        QCOMPARE(f.screen->cbAmt_JeyJoKubun->currentText(), amounts::Indirect);
        QCOMPARE(f.screen->mode(), 1);
        QCOMPARE(f.screen->DBGrid1->model()->index(0, 10).data().toString(), QStringLiteral("2,350,000.00"));
    }

    void booksACommonAmount()
    {
        Fixture f;
        f.startNew();
        // Closing the account dialog before an account is chosen is refused.
        f.ui->type("edAmt_AcName", "임금");
        f.ui->tab();
        QApplication::processEvents();
        auto *dialog = f.screen->accountDialog();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("계정과목 이름을 검색하는 폼 입니다."));
        ScreenDriver d(dialog);
        QCOMPARE(d.column("Ac_AcCode"), QStringList{"40403001"});
        d.click("CloseBtn");
        QCOMPARE(f.messages.texts(), QStringList{"계정과목 코드를 선택 하세요....."});
        QVERIFY(dialog->isVisible());
        f.messages.clear();
        d.pickRow(0, 1);
        QCOMPARE(d.text("edAc_CallKubun"), QStringLiteral("노무비(제)/임금"));
        d.click("CloseBtn");
        QVERIFY(!dialog->isVisible());
        QApplication::setActiveWindow(f.screen.get());
        QCOMPARE(f.ui->text("edAmt_AcName"), QStringLiteral("임금"));
        QCOMPARE(f.ui->text("edAmt_AcCode"), QStringLiteral("40403001"));
        QCOMPARE(f.ui->text("edAmt_GroupAcName"), QStringLiteral("노무비(제)"));

        f.chooseKind(amounts::Indirect);
        QCOMPARE(f.ui->text("edAmt_JeyGongPumSerial"), QStringLiteral("간접(공통)비"));
        f.ui->type("edAmt_TextMemo", "4월 생산직 급여");
        f.ui->type("edAmt_Amt", "18500000");
        f.ui->tab();
        QCOMPARE(f.ui->text("edAmt_Amt"), QStringLiteral("18,500,000.00"));
        QCOMPARE(f.ui->focused(), f.screen->edAmt_Check_01);
        f.ui->tab();
        QCOMPARE(f.ui->focused(), f.screen->SaveBtn);
        f.ui->click("SaveBtn");

        QVERIFY2(f.messages.messages.isEmpty(), qPrintable(f.messages.texts().join('|')));
        const ResultSet r = f.row("A0000000003");
        QCOMPARE(r.size(), 1);
        QCOMPARE(r.text(0, "Amt_Date"), QStringLiteral("2005-04-27"));
        QCOMPARE(r.text(0, "Amt_GroupKubun"), QStringLiteral("제조원가명세서"));
        QCOMPARE(r.text(0, "Amt_GroupAcName"), QStringLiteral("노무비(제)"));
        QCOMPARE(r.text(0, "Amt_JeyJoKubun"), QStringLiteral("간접"));
        QCOMPARE(r.text(0, "Amt_JeyGongPumSerial"), QStringLiteral("간접(공통)비"));
        QCOMPARE(r.number(0, "Amt_Amt"), 18500000.0);
        QCOMPARE(f.screen->mode(), 1);
        QCOMPARE(f.screen->DBGrid1->currentText("Amt_Serial"), QStringLiteral("A0000000003"));
        QCOMPARE(f.ui->focused(), f.screen->InsertBtn);
    }

    void booksADirectAmountOnALot()
    {
        Fixture f;
        f.startNew();
        f.pickAccount("수선", "40404009");
        QCOMPARE(f.ui->text("edAmt_GroupAcName"), QStringLiteral("제조경비(제)"));
        f.chooseKind(amounts::Direct);
        QCOMPARE(f.ui->text("edAmt_JeyGongPumSerial"), QString());
        auto *lots = f.screen->lotDialog();
        QVERIFY(lots && lots->isVisible());
        QCOMPARE(lots->windowTitle(),
                 QStringLiteral("원자재를 제조공정(재공품)에 투입된 데이타를 조회하는 폼 입니다."));
        ScreenDriver d(lots);
        QCOMPARE(d.column("Gong_Serial"), (QStringList{f.lot1, f.lot2}));
        d.pickRow(1, 0);
        QCOMPARE(d.text("edGong_SuKg"), QStringLiteral("25.0000"));
        d.click("CloseBtn");
        QApplication::setActiveWindow(f.screen.get());
        QCOMPARE(f.ui->text("edAmt_JeyGongPumSerial"), f.lot2);
        f.finishAndSave("860000");

        QVERIFY2(f.messages.messages.isEmpty(), qPrintable(f.messages.texts().join('|')));
        const ResultSet r = f.row("A0000000003");
        QCOMPARE(r.text(0, "Amt_GroupAcName"), QStringLiteral("제조경비(제)"));
        QCOMPARE(r.text(0, "Amt_GroupKubun"), QStringLiteral("제조원가명세서"));
        QCOMPARE(r.text(0, "Amt_JeyJoKubun"), QStringLiteral("직접"));
        QCOMPARE(r.text(0, "Amt_JeyGongPumSerial"), f.lot2);
        QCOMPARE(r.number(0, "Amt_Amt"), 860000.0);
        // Picked again, the row shows its kind in the list.
        f.pick("A0000000003");
        QCOMPARE(f.screen->cbAmt_JeyJoKubun->currentText(), amounts::Direct);
        QCOMPARE(f.ui->text("edAmt_JeyGongPumSerial"), f.lot2);
        QCOMPARE(f.ui->text("edAmt_Amt"), QStringLiteral("860,000"));
    }

    void anAccountOutsideManufacturingIsAlwaysCommon()
    {
        Fixture f;
        f.startNew();
        f.pickAccount("급여", "40701001");
        QCOMPARE(f.ui->text("edAmt_GroupAcName"), QStringLiteral("판매비와관리비"));
        f.chooseKind(amounts::Direct);
        QCOMPARE(f.screen->cbAmt_JeyJoKubun->currentText(), amounts::Indirect);
        QCOMPARE(f.ui->text("edAmt_JeyGongPumSerial"), QStringLiteral("간접(공통)비"));
        QVERIFY(!f.screen->lotDialog());
        f.finishAndSave("7400000");
        QVERIFY2(f.messages.messages.isEmpty(), qPrintable(f.messages.texts().join('|')));
        const ResultSet r = f.row("A0000000003");
        QCOMPARE(r.text(0, "Amt_GroupKubun"), QStringLiteral("손익계산서"));
        QCOMPARE(r.text(0, "Amt_JeyJoKubun"), QStringLiteral("간접"));
        QCOMPARE(r.text(0, "Amt_JeyGongPumSerial"), QStringLiteral("간접(공통)비"));
    }

    void theAmountBox_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QStringList>("warnings");
        QTest::addColumn<bool>("staysInBox");
        QTest::newRow("whole") << "450000"
                               << "450,000.00" << QStringList() << false;
        QTest::newRow("no decimal point") << "12.5"
                                          << "125.00" << QStringList{"잘못 입력하셨습니다"} << false;
        QTest::newRow("negative") << "-5000"
                                  << "-5,000.00" << QStringList() << false;
        QTest::newRow("empty") << ""
                               << "" << QStringList{"기준금액을 등록 하세요......"} << true;
        QTest::newRow("zero") << "0"
                              << "0" << QStringList{"기준금액을 등록 하세요......"} << true;
    }
    void theAmountBox()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QStringList, warnings);
        QFETCH(bool, staysInBox);
        Fixture f;
        f.ui->click("InsertBtn");
        f.ui->keys("27");
        f.screen->setWindowTitle(f.screen->setup().caption);
        f.ui->type("edAmt_Amt", typed);
        QCOMPARE(f.screen->windowTitle(), typed.isEmpty() ? f.screen->setup().caption : typingTitle);
        f.ui->tab();
        QCOMPARE(f.ui->text("edAmt_Amt"), shown);
        QVERIFY2(f.messages.texts() == warnings, qPrintable(f.messages.texts().join('|')));
        QCOMPARE(f.ui->focused() == f.screen->edAmt_Amt, staysInBox);
    }

    void theDayBox()
    {
        Fixture f;
        f.ui->click("InsertBtn");
        f.ui->keys("3a1");
        QCOMPARE(f.screen->windowTitle(), typingTitle);
        f.ui->tab();
        QCOMPARE(f.messages.texts(),
                 (QStringList{"잘못 입력하셨습니다", "2005-04-31 : 유효하지 않은 날짜 형식입니다."}));
        QCOMPARE(f.ui->focused(), f.screen->edDay);
        QCOMPARE(f.ui->text("edAmt_Date"), QString());
    }

    void aChangeIsSavedAndTheScreenGoesBackToBrowsing()
    {
        Fixture f;
        f.pick("A0000000001");
        QCOMPARE(f.ui->text("edAmt_Amt"), QStringLiteral("2,350,000"));
        QCOMPARE(f.ui->text("edDay"), QStringLiteral("25"));
        f.ui->type("edAmt_Amt", "2400000");
        f.ui->tab();
        f.ui->click("SaveBtn");
        QVERIFY2(f.messages.messages.isEmpty(), qPrintable(f.messages.texts().join('|')));
        QCOMPARE(f.row("A0000000001").number(0, "Amt_Amt"), 2400000.0);
        QCOMPARE(f.row("A0000000001").text(0, "Amt_JeyGongPumSerial"), QStringLiteral("간접(공통)비"));
        QCOMPARE(f.screen->mode(), 1);
        QCOMPARE(f.screen->DBGrid1->currentText("Amt_Serial"), QStringLiteral("A0000000001"));
    }

    void deletesTheRow()
    {
        Fixture f;
        f.pick("A0000000001");
        f.ui->click("DeleteBtn");
        QVERIFY(f.messages.messages.isEmpty());
        QCOMPARE(f.row("A0000000001").size(), 0);
        QCOMPARE(f.ui->column("Amt_Serial"), QStringList());
        QCOMPARE(f.screen->mode(), 1);
    }

    void anotherMonthIsShownButNotChanged_data()
    {
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("picked");
        QTest::addColumn<QString>("warning");
        const QString closed = QStringLiteral("마감완료된 데이타는") + LB + QStringLiteral("등록,수정,삭제등이") + LB +
                               QStringLiteral("불가능한 데이타입니다...................... ");
        QTest::newRow("insert in an empty month") << "05"
                                                  << "InsertBtn" << false
                                                  << QStringLiteral("미마감된 2005년과 04월만") + LB +
                                                         QStringLiteral("등록,수정,삭제등이 가능합니다........");
        // The grid's current row counts, picked or not.
        QTest::newRow("insert over a closed row") << "03"
                                                  << "InsertBtn" << false << closed;
        QTest::newRow("save") << "03"
                              << "SaveBtn" << true << closed;
        QTest::newRow("delete") << "03"
                                << "DeleteBtn" << true << closed;
    }
    void anotherMonthIsShownButNotChanged()
    {
        QFETCH(QString, month);
        QFETCH(QString, button);
        QFETCH(bool, picked);
        QFETCH(QString, warning);
        Fixture f;
        f.showMonth(month);
        QCOMPARE(f.ui->column("Amt_Serial").size(), month == "03" ? 1 : 0);
        if (picked)
            f.pick("A0000000002");
        f.ui->click(button);
        QCOMPARE(f.messages.texts(), QStringList{warning});
        QCOMPARE(f.amounts(), 2);
        QCOMPARE(f.row("A0000000002").number(0, "Amt_Amt"), 9000000.0);
        QCOMPARE(f.ui->text("edAmt_Serial"), QString());
    }

    void leavingTheSearchListRunsTheList()
    {
        Fixture f;
        f.books.db().exec("UPDATE MC_AcNameAmtInPut SET Amt_Month = '04', Amt_Year = '2005'");
        f.ui->click("SearchBtn");
        QCOMPARE(f.ui->column("Amt_Serial").size(), 2);
        f.screen->edSearch->setText("임금");
        f.ui->focus("cbSearch");
        f.screen->cbSearch->setCurrentIndex(f.screen->cbSearch->findText("이름"));
        f.ui->focus("InsertBtn");
        QCOMPARE(f.ui->column("Amt_Serial"), QStringList{"A0000000002"});
        QCOMPARE(f.screen->edSearch->text(), QStringLiteral("임금"));
    }

    void exportsTheList()
    {
        Fixture f;
        f.pick("A0000000001");
        f.ui->click("PrintBtn");
        QCOMPARE(f.messages.texts(), QStringList{"Excel로 이전되었읍니다...."});
        QCOMPARE(QDir(appDir() + "Data_Save").entryList({"TMC_AcNameAmtInPut_Form_*.xlsx"}).size(), 1);
    }
};

QTEST_MAIN(AmountScreenTest)
#include "tst_amountscreen.moc"
