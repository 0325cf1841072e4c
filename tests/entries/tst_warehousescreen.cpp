#include "EntryScreenFixture.h"
#include "WipBooks.h"
#include "common/SystemInfo.h"
#include "common/ui/DataGrid.h"
#include "common/ui/ListCombo.h"
#include "common/ui/NumberBox.h"
#include "entries/EntryWarnings.h"
#include "entries/WarehouseReceipts.h"
#include "entries/WipTransfers.h"
#include "entries/ui/TMC_JeyGongPumToJeyPumInPut_Form.h"
#include "entries/ui/TMC_JeyGongPumToJeyPumInPut_Form_JeyPum.h"

#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <tuple>

using namespace zedur;
using namespace zedur::test;

namespace {

const QString CRLF = QStringLiteral("\r\n");
const QString checkFirst = QStringLiteral("최상위 완제품 이름을 먼저 선택 체크 후") + CRLF +
                           QStringLiteral("[[<<체크확인>>]]버튼을 실행 하세요.............");
const QString cannotSave =
    QStringLiteral("<<[[완제품창고입고]]>>에") + CRLF + QStringLiteral("100%로 완성된 재공품 소유량이 없거나") + CRLF +
    QStringLiteral("100%로 미 완성된 데이타가 있어") + CRLF + QStringLiteral("저장이 불가능합니다.......");

// April 2005: product P1 (1.5 of W1 and 1 of W2 a unit) with finished lots of W1 (2 on the 3rd,
// 5 on the 5th) and W2 (10 on the 4th), one W1 lot at 60 %; product P2 needs W9, of which
// nothing is finished. The screen opened on them.
struct Fixture : EntryScreenFixture<TMC_JeyGongPumToJeyPumInPut_Form> {
    QString l1, l2, l3, unfinished;

    Fixture()
    {
        Db &d = db();
        addProduct(d, "P1", "제품A");
        addTree(d, "P1", "제품A", {{1, "W1", 1.5}, {1, "W2", 1.0}});
        addProduct(d, "P2", "제품B");
        addTree(d, "P2", "제품B", {{1, "W9", 1.0}});
        addMaterialReceipt(d, "W9", "2005-04-01");
        l1 = addLot(d, "W1", "03", 2, 10, graded(20, 1));
        l2 = addLot(d, "W1", "05", 5, 10, graded(50, 2));
        l3 = addLot(d, "W2", "04", 10, 10, graded(100, 0.5));
        unfinished = addLot(d, "W1", "06", 4, 10, graded(40, 1, 60));
        markOpenMonthAllocated(d);
        open();
    }
    // The product picked, the quantity typed and checked.
    void check(const QString &product, const QString &quantity)
    {
        pick("Tr_Code", product, 0, "DBGrid_Tree");
        ui->type("edIn_SuKg", quantity);
        ui->click("TreeSearchBtn");
    }
    int receipts() { return rows("MC_ChaongGoJeyPumInPut"); }
};

} // namespace

class WarehouseScreenTest : public QObject
{
    Q_OBJECT
private slots:
    void opensOnTheMonthsLotsAndTheTopProducts()
    {
        {
            EntryScreenFixture<TMC_JeyGongPumToJeyPumInPut_Form> bare;
            bare.db().exec("Create Table MC_JeyGongPumTaAcChaongGo_SumVw02 (Stale Text)"); // left by an older run
            bare.open();
            // No tree yet: said once the lists are open.
            QCOMPARE(bare.messages.texts(),
                     QStringList{QStringLiteral("완제품의 [[<<BOM>>]] 구성 데이타가 없습니다......")});
            QCOMPARE(bare.screen->windowTitle(),
                     QStringLiteral("제조공정<재공품>의 100%완성품을 제품창고입고에 등록하는 폼 입니다."));
        }

        Fixture f;
        QVERIFY(f.messages.messages.isEmpty());
        QCOMPARE(f.screen->cbSYear->currentText() + f.screen->cbSMonth->currentText(), QStringLiteral("200504"));
        QCOMPARE(openMonthState(f.db()), QStringLiteral("배부액재계산"));
        QCOMPARE(f.ui->column("Gong_Serial"), (QStringList{f.l1, f.l3, f.l2, f.unfinished}));
        QCOMPARE(f.ui->column("Tr_Code", "DBGrid_Tree"), (QStringList{"P1", "P2"}));
        QVERIFY(!f.screen->DBGrid_Sum->isOpen());
        QCOMPARE(f.screen->Panel_Kubun->text(), QStringLiteral("재공품의 완제품 창고 입고"));
        // Unfinished lots are set apart in the menu colour.
        const QAbstractItemModel *model = f.screen->DBGrid1->model();
        QCOMPARE(model->index(3, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(0xd4, 0xd0, 0xc8));
        QVERIFY(!model->index(0, 0).data(Qt::BackgroundRole).isValid());
        QCOMPARE(model->headerData(5, Qt::Horizontal).toString(), QStringLiteral("창고입고배부액금액"));
    }

    void checkedAndSavedTheLotsAreConsumedOldestFirst()
    {
        Fixture f;
        f.check("P1", "2");
        QCOMPARE(f.screen->Panel_Title->text(),
                 QStringLiteral("제품A 제품 2.0000개는 [<<완제품창고입고>>]로 가능합니다."));
        QVERIFY(f.screen->DBGrid_Sum->isOpen());
        QCOMPARE(f.screen->DBGrid_Sum->rowCount(), 0);
        QVERIFY(f.screen->checked());
        f.ui->type("edIn_Date", "7");
        f.ui->tab();
        QCOMPARE(f.ui->text("edIn_Date"), QStringLiteral("07"));
        QCOMPARE(f.screen->Panel_Date->text(), QStringLiteral("2005-04-07"));
        f.ui->type("edIn_TextMemo", "1차 완성");
        f.ui->click("SaveBtn");
        QVERIFY2(f.messages.messages.isEmpty(), qPrintable(f.messages.lastText()));
        QCOMPARE(f.receipts(), 1);
        QCOMPARE(f.rows("MC_ChaongGoJeyGongPumInJeyGong"), 3);
        QCOMPARE(f.db().scalar("Select JeyPum_TextMemo From MC_ChaongGoJeyPumInPut").toString(),
                 QStringLiteral("1차 완성"));
        // The list again, the entry and the check gone.
        QVERIFY(!f.screen->checked());
        QVERIFY(!f.screen->DBGrid_Sum->isOpen());
        QCOMPARE(f.ui->text("edIn_SuKg"), QString());
        QCOMPARE(f.screen->DBGrid1->rows().number(0, "ChaongGo_SuKg"), 2.0);
        QCOMPARE(f.screen->DBGrid1->rows().number(2, "JeyGo_SuKg"), 4.0);
    }

    void theCheckShowsWhatFallsShortAndTheSaveRefusesIt_data()
    {
        QTest::addColumn<QString>("product");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("short of W1") << "P1"
                                     << "5" << QStringLiteral("제품A 완제품 원재자 소유량이 부족한 내역 입니다.")
                                     << QStringList{"W1"};
        QTest::newRow("nothing finished of W9")
            << "P2"
            << "1" << QStringLiteral("제품B 제품은 100%로 완성된 재공품이 없습니다.") << QStringList{"W9"};
    }
    void theCheckShowsWhatFallsShortAndTheSaveRefusesIt()
    {
        QFETCH(QString, product);
        QFETCH(QString, quantity);
        QFETCH(QString, title);
        QFETCH(QStringList, codes);
        Fixture f;
        f.check(product, quantity);
        QCOMPARE(f.screen->Panel_Title->text(), title);
        QCOMPARE(f.ui->column("Tr_Code", "DBGrid_Sum"), codes);
        f.ui->type("edIn_Date", "20");
        f.ui->click("SaveBtn");
        QCOMPARE(f.messages.lastText(), cannotSave);
        QCOMPARE(f.receipts(), 0);
    }

    void anotherProductPickedAfterTheCheckIsCheckedAgainBySaving()
    {
        Fixture f;
        f.check("P1", "1");
        QVERIFY(f.screen->checked());
        f.pick("Tr_Code", "P2", 0, "DBGrid_Tree"); // the flag stays set
        f.ui->type("edIn_Date", "20");
        f.ui->click("SaveBtn");
        QCOMPARE(f.messages.texts(), QStringList{cannotSave});
        QCOMPARE(f.receipts(), 0);
        QCOMPARE(f.rows("MC_ChaongGoJeyGongPumInJeyGong"), 0);
        QVERIFY(!f.screen->checked());
    }

    void theQuantityBox()
    {
        Fixture f;
        // Nothing typed yet: no check.
        f.pick("Tr_Code", "P1", 0, "DBGrid_Tree");
        f.ui->click("TreeSearchBtn");
        QCOMPARE(f.messages.texts(), QStringList{QStringLiteral("<<[[완제품창고입고 및 타 계정 대체]]>> 수량등을") +
                                                 CRLF + QStringLiteral("먼저 등록해 주세요......")});
        QCOMPARE(f.ui->focused(), f.screen->edIn_SuKg);
        QVERIFY(!f.screen->checked());
        f.messages.clear();
        f.check("P1", "1");
        // Leaving it formats it and asks for a new check. (The empty day box is passed by: once
        // entered it keeps the focus until a day is typed.)
        f.ui->type("edIn_SuKg", "1234.56785");
        f.ui->focus("edIn_Bigo");
        QCOMPARE(f.ui->text("edIn_SuKg"), QStringLiteral("1,234.5679"));
        QVERIFY(!f.screen->checked());
        // No number: the focus stays, nothing said.
        f.ui->type("edIn_SuKg", "1.2.3");
        f.ui->focus("edIn_Bigo");
        QCOMPARE(f.ui->focused(), f.screen->edIn_SuKg);
        QVERIFY(f.messages.messages.isEmpty());
        // "0" passes the check (left, it shows 0.0000) and the save refuses it.
        f.ui->type("edIn_SuKg", "0");
        f.ui->click("TreeSearchBtn");
        QVERIFY(f.screen->checked());
        f.ui->type("edIn_Date", "20");
        f.ui->click("SaveBtn");
        QCOMPARE(f.messages.lastText(),
                 QStringLiteral("<<[[완제품창고입고]]>> 수량등을") + CRLF + QStringLiteral("등록해 주세요......"));
        // Straight from the box to Save, the box is not formatted: the save keeps the four
        // decimals it would show, and 0.00001 shows as nothing.
        f.messages.clear();
        f.check("P1", "1");
        f.ui->type("edIn_Date", "20");
        f.ui->type("edIn_SuKg", "0.00001");
        f.ui->click("SaveBtn");
        QCOMPARE(f.messages.lastText(),
                 QStringLiteral("<<[[완제품창고입고]]>> 수량등을") + CRLF + QStringLiteral("등록해 주세요......"));
        QCOMPARE(f.receipts(), 0);
    }

    void theDayBox()
    {
        Fixture f;
        // Before a check there is no receipt date to hold the day against.
        f.ui->type("edIn_Date", "9");
        f.ui->tab();
        QCOMPARE(f.messages.texts(), QStringList{checkFirst});
        QCOMPARE(f.ui->focused(), f.screen->edIn_SuKg);
        f.messages.clear();
        addMaterialReceipt(f.db(), "W2", "2005-04-12");
        f.check("P1", "1");
        f.ui->type("edIn_Date", "9");
        f.ui->tab();
        QCOMPARE(f.messages.texts(), QStringList{QStringLiteral("현재 제조공정에 투입된 기준일자보다는") + CRLF +
                                                 QStringLiteral("작은 일자입니다.............")});
        QCOMPARE(f.ui->text("edIn_Date"), QStringLiteral("12"));
        QCOMPARE(f.ui->focused(), f.screen->edIn_Date);
        f.messages.clear();
        f.ui->type("edIn_Date", "31");
        f.ui->tab();
        QCOMPARE(f.messages.texts(), QStringList{warnings::invalidDate("2005-04-31")});
        QCOMPARE(f.screen->Panel_Date->text(), QString());
        f.messages.clear();
        f.ui->type("edIn_Date", "12");
        f.ui->tab();
        QVERIFY(f.messages.messages.isEmpty());
        QCOMPARE(f.screen->Panel_Date->text(), QStringLiteral("2005-04-12"));
        QVERIFY(f.screen->checked());
    }

    void pickingALotShowsItAndStartsTheEntryOver()
    {
        Fixture f;
        f.check("P1", "1");
        f.pick("Gong_Serial", f.l2, 2);
        QVERIFY(!f.screen->checked());
        QVERIFY(!f.screen->DBGrid_Sum->isOpen());
        QCOMPARE(f.ui->text("edIn_SuKg"), QString());
        QCOMPARE(f.ui->text("edG_WonCode"), QStringLiteral("W1"));
        QCOMPARE(f.ui->text("edG_SuKg"), QStringLiteral("5.0000"));
        QCOMPARE(f.ui->text("edG_GaAmt"), QStringLiteral("50.0000"));
        QCOMPARE(f.ui->text("edG_TotWoul"), QStringLiteral("100.00"));
        QCOMPARE(f.ui->text("edG_WonTotAmt"), QStringLiteral("14.0000")); // 2 + 12
        QCOMPARE(f.ui->text("edG_JanSuKg"), QStringLiteral("5.0000"));
        QCOMPARE(f.ui->text("edG_JanAmt"), QStringLiteral("50.0000"));
    }

    // The product receipt refused by the database after its slices were written: the user is
    // shown the database's message, it is logged, nothing of the receipt stays, and what was
    // typed is there for another try.
    void aReceiptTheDatabaseRefusesIsShownAndLeavesNoRows()
    {
        Fixture f;
        f.db().exec("CREATE TRIGGER refuse BEFORE INSERT ON MC_ChaongGoJeyPumInPut BEGIN SELECT RAISE(ABORT, "
                    "'disk full'); END");
        f.check("P1", "2");
        f.ui->type("edIn_Date", "20");
        f.ui->type("edIn_TextMemo", "1차 완성");
        f.ui->click("SaveBtn");

        QCOMPARE(f.messages.messages.size(), 1);
        QCOMPARE(f.messages.messages.first().kind, MessageKind::Error);
        QVERIFY2(f.messages.lastText().contains("disk full"), qPrintable(f.messages.lastText()));
        QFile log(errorLogPath());
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QString logged = QString::fromUtf8(log.readAll());
        QVERIFY(logged.contains("TMC_JeyGongPumToJeyPumInPut_Form.SaveBtnClick"));
        QVERIFY(logged.contains("disk full"));
        QCOMPARE(f.receipts(), 0);
        QCOMPARE(f.rows("MC_ChaongGoJeyGongPumInJeyGong"), 0);
        QCOMPARE(f.ui->text("edIn_SuKg"), QStringLiteral("2.0000"));
        QCOMPARE(f.ui->text("edIn_Date"), QStringLiteral("20"));
        QCOMPARE(f.ui->text("edIn_TextMemo"), QStringLiteral("1차 완성"));

        f.db().exec("DROP TRIGGER refuse");
        f.messages.clear();
        f.ui->click("SaveBtn");
        QVERIFY2(f.messages.messages.isEmpty(), qPrintable(f.messages.lastText()));
        QCOMPARE(f.receipts(), 1);
        QCOMPARE(f.rows("MC_ChaongGoJeyGongPumInJeyGong"), 3);
    }

    void theCheckGridIsExportedOnlyAfterACheck()
    {
        Fixture f;
        f.check("P1", "5");
        QCOMPARE(f.screen->DBGrid_Sum->rowCount(), 1);
        f.ui->type("edIn_SuKg", "6");
        f.ui->focus("edIn_Bigo"); // a new quantity wants a new check
        f.ui->click("TreeExcelBtn");
        QCOMPARE(f.messages.texts(),
                 QStringList{QStringLiteral("먼저 <<[[체크확인]]>>버튼을 확인 실행해 주세요......")});
        f.ui->click("TreeSearchBtn");
        f.ui->click("TreeExcelBtn");
        QCOMPARE(QDir(f.books.dir() + "Data_Save").entryList({"*.xlsx"}).size(), 1);
        QVERIFY(!f.screen->checked());
    }

    void comingBackFromAnotherWindowListsAgainButNotFromItsOwnBoxes()
    {
        Fixture f;
        f.check("P1", "5");
        f.ui->type("edIn_SuKg", "6");
        f.ui->focus("edIn_Bigo"); // the check is stale now
        // A refusal shown in a real box from a button: coming back from it changes nothing.
        const QString shown = f.throughRealBox([&] { f.ui->click("TreeExcelBtn"); });
        QCOMPARE(shown, QStringLiteral("먼저 <<[[체크확인]]>>버튼을 확인 실행해 주세요......"));
        QCOMPARE(f.ui->text("edIn_SuKg"), QStringLiteral("6.0000"));
        QVERIFY(f.screen->DBGrid_Sum->isOpen());
        f.ui->click("TreeSearchBtn");
        QVERIFY(f.screen->checked());
        f.ui->type("edIn_SuKg", "1");
        f.ui->click("TreeSearchBtn");

        // Another window meanwhile, with a receipt saved elsewhere: the list is run again.
        f.ui->type("edIn_Date", "20");
        f.ui->focus("edIn_TextMemo");
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        // Saved at another desk, whose screen made its own work tables when it opened.
        warehouse::recreateWorkTables(f.db());
        QVERIFY(warehouse::saveReceipt(f.db(), receiptRequest("P1", "1", "20", "", "")).ok());
        f.screen->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.screen.get()));
        QVERIFY(!f.screen->checked());
        QVERIFY(!f.screen->DBGrid_Sum->isOpen());
        QCOMPARE(f.screen->DBGrid1->rows().number(0, "ChaongGo_SuKg"), 1.5);
    }

    // A refusal shown in a real box while a box is left: when the box closes the window is
    // activated again, and what the user was entering stays (the lot picked, the check, the
    // quantity, the day and the memo), wherever the refusal leaves the focus.
    void aBoxRefusedOnLeavingKeepsTheEntry_data()
    {
        QTest::addColumn<bool>("checkFirst");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed"); // a list: left without a pick
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("dayAfter");
        QTest::addColumn<QString>("focusAfter");
        QTest::newRow("a day before the newest receipt") << true << "edIn_Date"
                                                         << "9"
                                                         << QStringLiteral("현재 제조공정에 투입된 기준일자보다는") +
                                                                CRLF + QStringLiteral("작은 일자입니다.............")
                                                         << "12"
                                                         << "edIn_Date";
        QTest::newRow("a day April does not have") << true << "edIn_Date"
                                                   << "31" << warnings::invalidDate("2005-04-31") << "31"
                                                   << "edIn_Date";
        QTest::newRow("a day before any check") << false << "edIn_Date"
                                                << "20" << checkFirst << "20"
                                                << "edIn_SuKg";
        QTest::newRow("the sort list without a pick") << true << "cbSSort"
                                                      << "" << QStringLiteral("잘못 선택 하였읍니다.....") << "20"
                                                      << "cbSSort";
    }
    void aBoxRefusedOnLeavingKeepsTheEntry()
    {
        QFETCH(bool, checkFirst);
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, warning);
        QFETCH(QString, dayAfter);
        QFETCH(QString, focusAfter);
        Fixture f;
        addMaterialReceipt(f.db(), "W2", "2005-04-12");
        f.pick("Gong_Serial", f.l2, 2);
        if (checkFirst)
            f.check("P1", "1");
        else
            f.ui->type("edIn_SuKg", "1");
        f.ui->type("edIn_TextMemo", "1차 완성");
        const bool list = box.startsWith(u"cb");
        if (list) {
            f.ui->type("edIn_Date", "20");
            f.ui->focus(box);
            f.ui->find<QComboBox>(box)->setCurrentIndex(-1);
        } else {
            f.ui->type(box, typed);
        }

        const QString shown = f.throughRealBox([&] { f.ui->focus("edIn_Bigo"); });

        QCOMPARE(shown, QString(warning).replace(CRLF, "\n")); // a real box shows each line break once
        QCOMPARE(f.ui->focused()->objectName(), focusAfter);
        QCOMPARE(f.ui->text("edIn_Date"), dayAfter);
        QCOMPARE(f.ui->text("edIn_SuKg"), QStringLiteral("1.0000"));
        QCOMPARE(f.ui->text("edIn_TextMemo"), QStringLiteral("1차 완성"));
        QCOMPARE(f.ui->text("edG_WonCode"), QStringLiteral("W1"));
        QCOMPARE(f.ui->text("edG_SuKg"), QStringLiteral("5.0000"));
        QCOMPARE(f.screen->checked(), checkFirst);
        QCOMPARE(f.screen->DBGrid_Sum->isOpen(), checkFirst);
        if (!checkFirst)
            return;
        // The check still holds: the box put right, the entry is saved as it stands.
        if (list)
            f.ui->find<QComboBox>(box)->setCurrentIndex(0);
        f.ui->type("edIn_Date", "20");
        f.ui->click("SaveBtn");
        QVERIFY2(f.messages.messages.isEmpty(), qPrintable(f.messages.lastText()));
        QCOMPARE(f.receipts(), 1);
        QCOMPARE(f.db().scalar("Select JeyPum_TextMemo From MC_ChaongGoJeyPumInPut").toString(),
                 QStringLiteral("1차 완성"));
    }

    // The lot list searched by each kind of entry. The lots' texts are as the issue screen
    // writes them (empty, never missing), with a model and name on the first lot, a remark on
    // the second; the first lot is transferred whole, so nothing of it is left.
    void theLotListSearches_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lots"); // by name in the fixture, in list order
        QTest::newRow("전체 ignores the text") << "전체"
                                               << "없는말" << QStringList{"l1", "l3", "l2", "unfinished"};
        QTest::newRow("one column") << "원자재코드"
                                    << "W2" << QStringList{"l3"};
        QTest::newRow("every memo text: one column") << "모든적요문자"
                                                     << "야간" << QStringList{"l2"};
        QTest::newRow("every memo text: across two columns") << "모든적요문자"
                                                             << "X-Q" << QStringList{"l1"};
        QTest::newRow("every memo text: no column has it") << "모든적요문자"
                                                           << "W1" << QStringList{};
        QTest::newRow("in stock") << "재고있음"
                                  << "" << QStringList{"l3", "l2", "unfinished"};
        QTest::newRow("in stock, by serial") << "재고있음"
                                             << "A0000000002" << QStringList{"l2"};
        QTest::newRow("none left") << "재고없음"
                                   << "" << QStringList{"l1"};
    }
    void theLotListSearches()
    {
        QFETCH(QString, item);
        QFETCH(QString, text);
        QFETCH(QStringList, lots);
        Fixture f;
        QCOMPARE(f.l2, QStringLiteral("A0000000002"));
        f.db().exec("UpDate MC_JeyGongPumInPut Set Gong_Model = '', Gong_PumName = '', Gong_KuSize = '', "
                    "Gong_SerialJen = '', Gong_TaxNumber = '', Gong_TextMemo = '', Gong_Bigo = ''");
        f.db().exec("UpDate MC_JeyGongPumInPut Set Gong_Model = 'MX-', Gong_PumName = 'Q7' Where Gong_Serial = :s",
                    {{":s", f.l1}});
        f.db().exec("UpDate MC_JeyGongPumInPut Set Gong_Bigo = '야간' Where Gong_Serial = :s", {{":s", f.l2}});
        wiptransfer::TransferRequest whole;
        whole.shown = April;
        whole.lotSerial = f.l1;
        whole.selected = true;
        whole.quantity = "2";
        whole.day = "10";
        QVERIFY(wiptransfer::saveTransfer(f.db(), whole).ok());
        const QHash<QString, QString> serial{{"l1", f.l1}, {"l2", f.l2}, {"l3", f.l3}, {"unfinished", f.unfinished}};
        QStringList expected;
        for (const QString &name : lots)
            expected << serial.value(name);

        f.search(item, text);

        QVERIFY2(f.messages.messages.isEmpty(), qPrintable(f.messages.lastText()));
        QCOMPARE(f.ui->column("Gong_Serial"), expected);
        if (item == u"전체")
            QCOMPARE(f.ui->text("edSSearch"), QString());
    }

    void theViewerSearches_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("receipts"); // products, in list order
        QTest::newRow("전체 ignores the text") << "전체"
                                               << "없는말" << QStringList{"P1", "P3"};
        QTest::newRow("day") << "일자"
                             << "04-22" << QStringList{"P3"};
        QTest::newRow("code") << "코드"
                              << "P3" << QStringList{"P3"};
        QTest::newRow("name") << "이름"
                              << "제품A" << QStringList{"P1"};
        QTest::newRow("memo") << "적요"
                              << "1차" << QStringList{"P1"};
        QTest::newRow("remark") << "비고"
                                << "야간" << QStringList{"P3"};
        QTest::newRow("nothing has it") << "비고"
                                        << "주간" << QStringList{};
    }
    void theViewerSearches()
    {
        QFETCH(QString, item);
        QFETCH(QString, text);
        QFETCH(QStringList, receipts);
        EntryScreenFixture<TMC_JeyGongPumToJeyPumInPut_Form_JeyPum> f;
        Db &db = f.db();
        warehouse::recreateWorkTables(db);
        addProduct(db, "P1", "제품A");
        addTree(db, "P1", "제품A", {{1, "W1", 1.0}});
        addProduct(db, "P3", "제품C");
        addTree(db, "P3", "제품C", {{1, "W2", 0.5}});
        addLot(db, "W1", "03", 2, 10, graded(20));
        addLot(db, "W2", "04", 10, 10, graded(100));
        for (const auto &[product, day, memo, bigo] :
             {std::tuple{"P1", "20", "1차", "주말"}, std::tuple{"P3", "22", "2차", "야간"}}) {
            QVERIFY(warehouse::saveReceipt(db, receiptRequest(product, "1", day, memo, bigo)).ok());
        }
        f.open(April);

        f.search(item, text);

        QVERIFY2(f.messages.messages.isEmpty(), qPrintable(f.messages.lastText()));
        QCOMPARE(f.ui->column("JeyPum_JeyPumCode"), receipts);
    }

    void theViewerListsAndDeletesReceipts()
    {
        Fixture f;
        f.check("P1", "2");
        f.ui->type("edIn_Date", "20");
        f.ui->click("SaveBtn");
        f.check("P1", "1");
        f.ui->type("edIn_Date", "21");
        f.ui->click("SaveBtn");
        QCOMPARE(f.receipts(), 2);
        f.db().exec("UpDate MC_ChaongGoJeyPumInPut Set JeyPum_SuKg = 0 Where JeyPum_Serial = 'A0000000002'");
        markOpenMonthAllocated(f.db());

        QPointer<TMC_JeyGongPumToJeyPumInPut_Form> screen = f.screen.get();
        f.ui->click("GongJeongBtn");
        QVERIFY(!f.screen->isVisible());
        auto *viewer = qobject_cast<TMC_JeyGongPumToJeyPumInPut_Form_JeyPum *>(
            visibleWindow("TMC_JeyGongPumToJeyPumInPut_Form_JeyPum"));
        QVERIFY(viewer);
        f.screen.reset(); // the viewer outlives its screen
        ScreenDriver v(viewer);
        QCOMPARE(viewer->windowTitle(),
                 QStringLiteral("재고자산의 재공품이 제품창고에 입고된 재공품의 제품 정보 조회 폼 입니다."));
        QCOMPARE(v.column("JeyPum_Serial"), (QStringList{"A0000000001", "A0000000002"}));
        v.pickRow(0, 1);
        QCOMPARE(v.text("edJ_Serial"), QStringLiteral("A0000000001"));
        QCOMPARE(v.text("edJ_ZedUrAmt"), QStringLiteral("50.0000"));
        QCOMPARE(v.text("edJ_DanGa"), QStringLiteral("41.2500")); // 82.5 / 2
        QCOMPARE(v.text("edJ_Kubun"), QStringLiteral("당월입고"));
        v.pickRow(1, 1);
        QCOMPARE(v.text("edJ_DanGa"), QString()); // no quantity, no unit cost
        // A shipment draws on the second: refused, the boxes emptied.
        insertRow(
            f.db(), "MC_ChaongGoJeyPumInPut_ChulGo",
            {{"ChulGo_Serial", QStringLiteral("A0000000001")}, {"ChulGo_JeyPumSerial", QStringLiteral("A0000000002")}});
        v.click("DeleteBtn");
        QCOMPARE(f.messages.lastText(), QStringLiteral("제품 창고에서") + CRLF +
                                            QStringLiteral("매출 목적으로 출고된 데이타가 있어") + CRLF +
                                            QStringLiteral("삭제가 불가능 합니다........"));
        QCOMPARE(v.text("edJ_Serial"), QString());
        QCOMPARE(v.focused(), viewer->edJ_Serial);
        QCOMPARE(openMonthState(f.db()), QStringLiteral("미마감"));
        v.pickRow(0, 1);
        v.click("DeleteBtn");
        QCOMPARE(v.column("JeyPum_Serial"), QStringList{"A0000000002"});
        QCOMPARE(f.rows("MC_ChaongGoJeyGongPumInJeyGong"), 2);
        QCOMPARE(openMonthState(f.db()), QStringLiteral("배부액재계산"));
        viewer->close();
    }
};

QTEST_MAIN(WarehouseScreenTest)
#include "tst_warehousescreen.moc"
