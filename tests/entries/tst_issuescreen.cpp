#include "EntryScreenFixture.h"
#include "common/ui/ListCombo.h"
#include "common/ui/NumberBox.h"
#include "entries/ui/TMC_WonJaJeyTaJeyGongVw_Form.h"
#include "entries/ui/TMC_WonJaJeyTaJeyGongVw_Form_JeyGong.h"
#include "entries/ui/TMC_WonJaJeyTaJeyGongVw_Form_TaAc.h"

#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

using namespace zedur;
using namespace zedur::test;
using issues::IssueKind;

namespace {

const QString tooMuchOnLeaving = QStringLiteral("현재 수량(중량)의 투입(타 계정 대체)은") + LB +
                                 QStringLiteral("원재자 재고을 초과 하였습니다.......");
const QString beforeReceipt = QStringLiteral("제조 공정 투입(타 계정 대체) 기준일자는 ") + LB +
                              QStringLiteral("원자재 입고 일자보다 작은 일자입니다.");

// Books with two receipts of April: the first (100 at 2.5, received on the 10th) with 30 issued
// and 20 transferred, the second (40 at 10) untouched. The screen is driven offscreen.
struct Fixture : EntryScreenFixture<TMC_WonJaJeyTaJeyGongVw_Form> {
    QString first;
    QString second;

    Fixture()
    {
        Db &db = books.db();
        first = addReceipt(db, 100, 2.5);
        second = addReceipt(db, 40, 10, "12");
        if (issues::saveIssue(db, issueRequest(first, IssueKind::Lot, "30")) ||
            issues::saveIssue(db, issueRequest(first, IssueKind::Transfer, "20")))
            throw std::runtime_error("issue refused");
        markOpenMonthAllocated(db);
        open();
    }
    void pick(const QString &receipt)
    {
        EntryScreenFixture::pick("InPut_Serial", receipt, 3);
        QCOMPARE(screen->edIn_Serial->text(), receipt);
    }
    double gridNumber(const QString &field) const { return screen->DBGrid1->currentValue(field).toDouble(); }
    // A receipt of another month or a closed one, as the monthly close leaves them.
    void addOldReceipt(const QString &serial, const QString &month, const QString &check01)
    {
        books.db().exec("Insert InTo MC_WonJaJeyInPut (InPut_Serial, InPut_Date, InPut_Year, InPut_Month, "
                        "InPut_WonCode, InPut_WonName, InPut_SuKg, InPut_DanGa, InPut_GaAmt, InPut_Kubun, "
                        "InPut_Check_01) Values (:s, :d, '2005', :m, 'W009', '동판', 10, 3, 30, '당월입고', :c)",
                        {{":s", serial}, {":d", "2005-" + month + "-02"}, {":m", month}, {":c", check01}});
    }
};

} // namespace

class IssueScreenTest : public QObject
{
    Q_OBJECT
private slots:
    void opensOnTheOpenMonthWithTheBalances()
    {
        EntryScreenFixture<TMC_WonJaJeyTaJeyGongVw_Form> f;
        Db &db = f.db();
        db.exec("Create Table MC_WonJaJeyInPut_SumVw02 (Stale Text)"); // left by an older run
        const QString r = addReceipt(db, 100, 2.5);
        const QString overdrawn = addReceipt(db, 10, 1);
        issues::saveIssue(db, issueRequest(r, IssueKind::Lot, "30"));
        issues::saveIssue(db, issueRequest(overdrawn, IssueKind::Transfer, "10"));
        // The receipt corrected afterwards to less than went out of it.
        db.exec("UpDate MC_WonJaJeyInPut Set InPut_SuKg = 8 Where InPut_Serial = :s", {{":s", overdrawn}});
        markOpenMonthAllocated(db);
        f.open();

        QVERIFY(f.messages.messages.isEmpty());
        QCOMPARE(f.screen->windowTitle(),
                 QStringLiteral("재고자산의 원자재를 제조공정투입 및 타 계정 대체등에 등록하는 폼 입니다."));
        QCOMPARE(f.screen->cbSYear->currentText() + f.screen->cbSMonth->currentText(), QStringLiteral("200504"));
        QCOMPARE(openMonthState(db), QStringLiteral("배부액재계산"));
        QCOMPARE(f.ui->column("InPut_Serial"), (QStringList{r, overdrawn}));
        QCOMPARE(f.ui->column("InPut_SuKgJan"), (QStringList{"70", "-2"}));

        const QAbstractItemModel *model = f.screen->DBGrid1->model();
        auto background = [&](int row, const QString &field) {
            return model->index(row, gridColumnOf(f.screen->DBGrid1, field)).data(Qt::BackgroundRole).value<QColor>();
        };
        QCOMPARE(background(0, "InPut_SuKg"), QColor(0, 255, 0));
        QCOMPARE(background(0, "InPut_SuKgJeyGong"), QColor(0, 255, 255));
        QCOMPARE(background(0, "InPut_GaAmtTaAc"), QColor(255, 255, 0));
        QCOMPARE(background(0, "InPut_GaAmtJan"), QColor(0, 255, 0));
        QCOMPARE(background(1, "InPut_WonName"), QColor(255, 0, 0));
        const QFont font = model->index(1, 0).data(Qt::FontRole).value<QFont>();
        QVERIFY(font.bold());
        QCOMPARE(font.pointSize(), 9);
        QVERIFY(!model->index(0, 0).data(Qt::FontRole).isValid());
        // Nothing transferred from the first: blank, not 0.0000.
        QCOMPARE(model->index(0, 9).data().toString().trimmed(), QString());
        QCOMPARE(model->headerData(9, Qt::Horizontal).toString(), QStringLiteral("타계정대체수량"));
    }

    void pickingALotProposesAllThatIsLeft()
    {
        Fixture f;
        f.pick(f.first);
        QCOMPARE(f.screen->edIn_SuKg->text(), QStringLiteral("50.0000"));
        QCOMPARE(f.screen->edIn_DanGa->text(), QStringLiteral("2.5000"));
        QCOMPARE(f.screen->edIn_GaAmt->text(), QStringLiteral("125.0000"));
        QCOMPARE(f.screen->Panel_InDate->text(), QStringLiteral("2005-04-10"));
        QCOMPARE(f.screen->edIn_WonCode->text(), QStringLiteral("W001"));
        QCOMPARE(f.screen->cbInKubun->currentIndex(), 0);
        QCOMPARE(f.screen->Panel_Kubun->text(), QString()); // grey until the kind list is entered
        f.ui->focus("cbInKubun");
        QCOMPARE(f.screen->Panel_Kubun->text(), QStringLiteral("제조 공정 투입"));
        f.screen->cbInKubun->setCurrentIndex(1);
        QCOMPARE(f.screen->Panel_Kubun->text(), QStringLiteral("타 계정 대체"));
        QVERIFY(f.screen->Panel_Kubun->styleSheet().contains("#ff0000"));
    }

    void savesAnIssueOrATransferAndStaysOnTheLot_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("issuedField");
        QTest::newRow("into the process") << 0 << "MC_JeyGongPumInPut"
                                          << "InPut_SuKgJeyGong";
        QTest::newRow("to another account") << 1 << "MC_WonJaJeyInPut_TaAc"
                                            << "InPut_SuKgTaAc";
    }
    void savesAnIssueOrATransferAndStaysOnTheLot()
    {
        QFETCH(int, kind);
        QFETCH(QString, table);
        QFETCH(QString, issuedField);
        Fixture f;
        const int before = f.rows(table);
        f.pick(f.second);
        f.ui->type("edIn_SuKg", "12.5");
        f.ui->tab();
        QCOMPARE(f.screen->edIn_SuKg->text(), QStringLiteral("12.5000"));
        QCOMPARE(f.screen->edIn_GaAmt->text(), QStringLiteral("125.0000"));
        QCOMPARE(f.ui->focused(), f.screen->edIn_Date);
        f.ui->keys("15");
        f.ui->tab();
        QCOMPARE(f.screen->Panel_Date->text(), QStringLiteral("2005-04-15"));
        f.screen->cbInKubun->setCurrentIndex(kind);
        f.ui->type("edIn_TextMemo", "2 라인 투입");
        f.ui->click("SaveBtn");

        QVERIFY2(f.messages.messages.isEmpty(), qPrintable(f.messages.texts().join('|')));
        QCOMPARE(f.rows(table), before + 1);
        const QString prefix = kind == 0 ? "Gong_" : "TaInPut_";
        const ResultSet row =
            f.books.db().query(QStringLiteral("Select * From %1 Order By %2Serial Desc").arg(table, prefix));
        QCOMPARE(row.text(0, prefix + "InPutSerial"), f.second);
        QCOMPARE(row.text(0, prefix + "Date"), QStringLiteral("2005-04-15"));
        QCOMPARE(row.number(0, prefix + "SuKg"), 12.5);
        QCOMPARE(row.number(0, prefix + "GaAmt"), 125.0);
        QCOMPARE(row.text(0, prefix + "TextMemo"), QStringLiteral("2라인투입"));
        // The grid is back on the lot with its new balance; the boxes are empty.
        QCOMPARE(f.screen->DBGrid1->currentText("InPut_Serial"), f.second);
        QCOMPARE(f.gridNumber(issuedField), 12.5);
        QCOMPARE(f.gridNumber("InPut_SuKgJan"), 27.5);
        QCOMPARE(f.screen->edIn_Serial->text(), QString());
        QCOMPARE(f.screen->edIn_SuKg->text(), QString());
        QCOMPARE(f.ui->focused(), f.screen->SaveBtn);
    }

    void leavingTheQuantityRefusesMoreThanIsLeft()
    {
        Fixture f;
        f.pick(f.first);
        f.ui->type("edIn_SuKg", "50.0001");
        f.ui->tab();
        QCOMPARE(f.messages.texts(), QStringList{tooMuchOnLeaving});
        QCOMPARE(f.ui->focused(), f.screen->edIn_SuKg);
        // Save clicked on the way out is refused with the value and never saves.
        f.messages.clear();
        f.ui->click("SaveBtn");
        QCOMPARE(f.messages.texts(), QStringList{tooMuchOnLeaving});
        QCOMPARE(f.rows("MC_JeyGongPumInPut"), 1);
        // The search button, the grid and Close are not held up by the quantity.
        f.messages.clear();
        f.ui->click("KuenNoSearchBtn");
        QVERIFY(f.messages.messages.isEmpty());
        // All that is left is accepted and leaves nothing.
        f.pick(f.first);
        f.ui->type("edIn_SuKg", "50");
        f.ui->tab();
        QVERIFY(f.messages.messages.isEmpty());
        f.ui->keys("20");
        f.ui->click("SaveBtn");
        QVERIFY2(f.messages.messages.isEmpty(), qPrintable(f.messages.texts().join('|')));
        QCOMPARE(f.gridNumber("InPut_SuKgJan"), 0.0);
    }

    void aQuantityTakesNoMinus()
    {
        Fixture f;
        f.pick(f.first);
        f.ui->type("edIn_SuKg", "-5");
        QCOMPARE(f.screen->edIn_SuKg->text(), QStringLiteral("5"));
        QCOMPARE(f.messages.texts(), QStringList{"잘못 입력하셨습니다"});
    }

    void leavingTheDay_data()
    {
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("panel");
        QTest::newRow("before the receipt") << "9" << beforeReceipt << "";
        QTest::newRow("the receipt day") << "10"
                                         << ""
                                         << "2005-04-10";
        QTest::newRow("not on the calendar") << "31"
                                             << "2005-04-31 : 유효하지 않은 날짜 형식입니다."
                                             << "";
        QTest::newRow("empty keeps the focus") << ""
                                               << ""
                                               << "";
    }
    void leavingTheDay()
    {
        QFETCH(QString, day);
        QFETCH(QString, warning);
        QFETCH(QString, panel);
        Fixture f;
        f.pick(f.first);
        f.ui->type("edIn_Date", day);
        f.ui->tab();
        QCOMPARE(f.messages.texts(), warning.isEmpty() ? QStringList() : QStringList{warning});
        QCOMPARE(f.screen->Panel_Date->text(), panel);
        QCOMPARE(f.ui->focused() == f.screen->edIn_Date, panel.isEmpty());
    }

    void aDayIsNotCheckedOnTheWayToTheQuantity()
    {
        Fixture f;
        f.pick(f.first);
        f.ui->type("edIn_Date", "9");
        f.ui->focus("edIn_SuKg");
        QVERIFY(f.messages.messages.isEmpty());
        QCOMPARE(f.ui->focused(), f.screen->edIn_SuKg);
        // The save still refuses it.
        f.ui->click("SaveBtn");
        QCOMPARE(f.messages.texts(), QStringList{beforeReceipt});
        QCOMPARE(f.ui->focused(), f.screen->edIn_Date);
        QCOMPARE(f.rows("MC_JeyGongPumInPut"), 1);
    }

    void savingOutsideTheOpenMonthIsRefused_data()
    {
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("check01");
        QTest::addColumn<QString>("warning");
        QTest::newRow("an earlier month") << "03"
                                          << ""
                                          << QStringLiteral("미마감된 2005년과 04월만") + LB +
                                                 QStringLiteral("등록, 수정, 삭제등이 가능합니다........");
        QTest::newRow("a closed receipt")
            << "03"
            << "마감완료"
            << QStringLiteral("마감완료된 데이타는") + LB + QStringLiteral("등록,수정,삭제등이") + LB +
                   QStringLiteral("불가능한 데이타입니다...................... ");
    }
    void savingOutsideTheOpenMonthIsRefused()
    {
        QFETCH(QString, month);
        QFETCH(QString, check01);
        QFETCH(QString, warning);
        Fixture f;
        f.addOldReceipt("B0000000001", month, check01);
        f.showMonth(month);
        QCOMPARE(f.ui->column("InPut_Serial"), QStringList{"B0000000001"});
        f.pick("B0000000001");
        f.ui->type("edIn_Date", "05");
        f.ui->tab();
        f.ui->click("SaveBtn");
        QCOMPARE(f.messages.texts(), QStringList{warning});
        QCOMPARE(f.screen->edIn_Serial->text(), QString()); // boxes cleared
        QCOMPARE(f.rows("MC_JeyGongPumInPut"), 1);
    }

    void saveWithoutAPickAsksForOne()
    {
        Fixture f;
        f.ui->click("SaveBtn");
        QCOMPARE(f.messages.texts(), QStringList{QStringLiteral("제조공정투입등록시") + LB +
                                                 QStringLiteral("먼저 데이타를 선택 하세요.............")});
        QCOMPARE(f.ui->focused(), f.screen->edIn_SuKg);
    }

    // The balances are not worked out anew at every search: one saved at another desk since
    // still shows, and so does the screen's own save, beside the other receipts' balances.
    void aSearchShowsWhatAnotherDeskAndTheScreenSaved()
    {
        Fixture f;
        const std::unique_ptr<Db> otherDesk = f.books.connect();
        QVERIFY(!issues::saveIssue(*otherDesk, issueRequest(f.second, IssueKind::Lot, "4")));
        f.search("전체", "");
        const auto balance = [&f](const QString &receipt) {
            const int row = f.ui->column("InPut_Serial").indexOf(receipt);
            return f.screen->DBGrid1->rows().number(row, "InPut_SuKgJan");
        };
        QCOMPARE(balance(f.second), 36.0);
        QCOMPARE(balance(f.first), 50.0);

        f.pick(f.first);
        f.ui->type("edIn_SuKg", "5");
        f.ui->tab();
        f.ui->keys("20");
        f.ui->click("SaveBtn");
        QVERIFY2(f.messages.messages.isEmpty(), qPrintable(f.messages.lastText()));
        QCOMPARE(balance(f.first), 45.0);
        QCOMPARE(balance(f.second), 36.0);
        f.search("전체", "");
        QCOMPARE(balance(f.first), 45.0);
    }

    void runsTheListAgainWhenActivatedAgain()
    {
        Fixture f;
        f.pick(f.first);
        f.ui->focus("edIn_TextMemo");
        // Another window is used meanwhile, and a lot is issued from elsewhere.
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        issues::saveIssue(f.books.db(), issueRequest(f.first, IssueKind::Lot, "5"));
        f.screen->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.screen.get()));
        QCOMPARE(f.screen->DBGrid1->rows().number(0, "InPut_SuKgJan"), 45.0);
        QCOMPARE(f.screen->edIn_Serial->text(), QString());

        // Not while the quantity is being typed, nor back from one of the screen's own windows.
        f.pick(f.first);
        f.ui->focus("edIn_SuKg");
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        f.screen->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.screen.get()));
        QCOMPARE(f.screen->edIn_Serial->text(), f.first);
        f.ui->focus("edIn_TextMemo");
        QDialog own(f.screen.get());
        own.show();
        own.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&own));
        own.close();
        f.screen->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.screen.get()));
        QCOMPARE(f.screen->edIn_Serial->text(), f.first);
    }

    void viewerButtonsOpenAViewerThatOutlivesTheScreen_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("viewer");
        QTest::addColumn<QString>("table");
        QTest::newRow("lots") << "GongJeongBtn"
                              << "TMC_WonJaJeyTaJeyGongVw_Form_JeyGong"
                              << "MC_JeyGongPumInPut";
        QTest::newRow("transfers") << "TaAcBta"
                                   << "TMC_WonJaJeyTaJeyGongVw_Form_TaAc"
                                   << "MC_WonJaJeyInPut_TaAc";
    }
    void viewerButtonsOpenAViewerThatOutlivesTheScreen()
    {
        QFETCH(QString, button);
        QFETCH(QString, viewer);
        QFETCH(QString, table);
        Fixture f;
        f.ui->click(button);
        QVERIFY(!f.screen->isVisible());
        QPointer<QWidget> shown = visibleWindow(viewer);
        QVERIFY(shown);
        QVERIFY(!shown->parentWidget());
        QVERIFY(shown->testAttribute(Qt::WA_DeleteOnClose));
        QVERIFY(!static_cast<QDialog *>(shown.data())->isModal());
        f.ui.reset();
        f.screen.reset();

        // Still listing and deleting on its own connection.
        ScreenDriver viewerUi(shown);
        QCOMPARE(viewerUi.grid()->rowCount(), 1);
        viewerUi.pickRow(0, 1);
        viewerUi.click("DeleteBtn");
        QVERIFY2(f.messages.messages.isEmpty(), qPrintable(f.messages.texts().join('|')));
        QCOMPARE(f.rows(table), 0);
        QCOMPARE(viewerUi.grid()->rowCount(), 0);
        QCOMPARE(openMonthState(f.books.db()), QStringLiteral("배부액재계산"));
        viewerUi.click("CloseBtn");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!shown);
    }

    void theLotViewerRefusesALotWithARate()
    {
        Fixture f;
        f.books.db().exec("UpDate MC_JeyGongPumInPut Set Gong_DaongWoul = 20, Gong_TotWoul = 20");
        TMC_WonJaJeyTaJeyGongVw_Form_JeyGong viewer(April);
        ScreenDriver ui(&viewer);
        QCOMPARE(viewer.windowTitle(),
                 QStringLiteral("재고자산의 원자재를 제조공정(재공품)에 투입된 정보를 조회하는 폼 입니다."));
        ui.pickRow(0, 1);
        QCOMPARE(ui.text("edGong_TotWoul"), QStringLiteral("20.0000"));
        ui.click("DeleteBtn");
        QCOMPARE(f.messages.texts(),
                 QStringList{QStringLiteral("완성율이 있는 데이타는") + LB + QStringLiteral("등록,수정,삭제등이") + LB +
                             QStringLiteral("불가능한 데이타입니다...................... ")});
        QCOMPARE(ui.focused(), viewer.edGong_Serial);
        QCOMPARE(f.rows("MC_JeyGongPumInPut"), 1);
        // Nothing picked: asks for a pick.
        f.messages.clear();
        TMC_WonJaJeyTaJeyGongVw_Form_TaAc transfers(April);
        ScreenDriver transfersUi(&transfers);
        transfersUi.click("DeleteBtn");
        QCOMPARE(f.messages.texts(), QStringList{"삭제할 데이타를 먼저 선택 하세요......."});
        QCOMPARE(f.rows("MC_WonJaJeyInPut_TaAc"), 1);
    }

    void viewersSearchAndSort()
    {
        Fixture f;
        issues::saveIssue(f.books.db(), issueRequest(f.second, IssueKind::Lot, "3", "15"));
        TMC_WonJaJeyTaJeyGongVw_Form_JeyGong viewer(April);
        ScreenDriver ui(&viewer);
        QCOMPARE(ui.column("Gong_SuKg"), (QStringList{"30", "3"}));
        viewer.cbSSearch->setCurrentIndex(viewer.cbSSearch->findText("기준일자"));
        ui.type("edSSearch", "04-15");
        ui.click("KuenNoSearchBtn");
        QCOMPARE(ui.column("Gong_SuKg"), QStringList{"3"});
        viewer.cbSSearch->setCurrentIndex(0);
        viewer.cbSSort->setCurrentIndex(viewer.cbSSort->findText("기준일자"));
        ui.click("KuenNoSearchBtn");
        QCOMPARE(ui.column("Gong_SuKg"), (QStringList{"3", "30"}));
        QCOMPARE(viewer.edSSearch->text(), QString());
    }
};

QTEST_MAIN(IssueScreenTest)
#include "tst_issuescreen.moc"
