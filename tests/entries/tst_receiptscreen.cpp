#include "EntryScreenFixture.h"
#include "common/SystemInfo.h"
#include "common/ui/GridTotals.h"
#include "common/ui/ListCombo.h"
#include "common/ui/NumberBox.h"
#include "entries/ui/TMC_WonJaJeyInPut_Form.h"
#include "entries/ui/TMC_WonJaJeyInPut_SearchWonJaJeyCode_Form01.h"
#include "store/Serials.h"
#include "ui/ScreenDriver.h"

#include <QDir>
#include <QPushButton>

using namespace zedur;
using namespace zedur::test;

namespace {

const QString closedData = QStringLiteral("마감완료된 데이타는") + LB + QStringLiteral("등록,수정,삭제등이") + LB +
                           QStringLiteral("불가능한 데이타입니다...................... ");
const QString onlyApril =
    QStringLiteral("미마감된 2005년과 04월만") + LB + QStringLiteral("등록,수정,삭제등이 가능합니다........");

// Books of April 2005 with three raw materials, two of them in a product tree, one receipt
// of the month (W001) and one of the closed March; the receipts screen driven offscreen.
struct Fixture : EntryScreenFixture<TMC_WonJaJeyInPut_Form> {
    QString aprilReceipt;

    explicit Fixture(bool withTree = true)
    {
        Db &db = books.db();
        // As the raw-material screen writes them: every text column filled, if only with "".
        db.exec("INSERT INTO MC_WonJaJeyCode (Won_Serial, Won_Code, Won_Name, Won_NameAlias, Won_DanGa, Won_DanWi, "
                "Won_Model, Won_PumName, Won_KuSize) VALUES ('A0000000001', 'ST01', "
                "'냉연강판 1.2T x 1219 x 2438 SPCC', '', 3250.5, 'kg', 'KS-D3512', '냉연강판', '1219x2438'), "
                "('A0000000002', 'BT10', '육각볼트', '', 85.25, 'EA', '', '', 'M10'), "
                "('A0000000003', 'RB05', '고무강판', '', 420, 'EA', '', '', '')");
        if (withTree)
            db.exec("INSERT INTO MC_JeyPumTreeWonJaJey (Tr_Index, Tr_Level, Tr_Code, Tr_Kubun) VALUES "
                    "(0, 1, 'ST01', '원자재'), (1, 1, 'BT10', '원자재')");
        aprilReceipt = addReceipt(db, 10, 2000);
        db.exec("INSERT INTO MC_WonJaJeyInPut (InPut_Serial, InPut_Date, InPut_Year, InPut_Month, InPut_WonCode, "
                "InPut_WonName, InPut_TextMemo, InPut_SuKg, InPut_DanGa, InPut_GaAmt, InPut_Kubun, InPut_Check_01) "
                "VALUES ('A0000000099', '2005-03-20', '2005', '03', 'ST01', '냉연강판', '3월 구매', 1, 1, 1, "
                "'당월입고', '마감완료')");
        open();
    }

    // Leaves the name box with a text and returns the material dialog it opened.
    TMC_WonJaJeyInPut_SearchWonJaJeyCode_Form01 *searchMaterial(const QString &typed)
    {
        ui->type("edInPut_WonName", typed);
        ui->tab();
        QApplication::processEvents();
        return screen->materialDialog();
    }
    void pickMaterial(const QString &typed, int row)
    {
        auto *dialog = searchMaterial(typed);
        QVERIFY(dialog && dialog->isVisible());
        ScreenDriver d(dialog);
        d.pickRow(row, 1);
        d.click("CloseBtn");
        QVERIFY(!dialog->isVisible());
        QApplication::setActiveWindow(screen.get());
    }
    void pick(const QString &serial)
    {
        EntryScreenFixture::pick("InPut_Serial", serial);
        QCOMPARE(screen->mode(), 2);
    }
    void showMonth(const QString &month) { EntryScreenFixture::showMonth(month, "cbMonth", "edSearch"); }
    ResultSet row(const QString &serial) { return storedRow(entryTables::Receipts, serial); }
    int receipts() { return rows("MC_WonJaJeyInPut"); }
};

} // namespace

class ReceiptScreenTest : public QObject
{
    Q_OBJECT
private slots:
    void opensOnTheOpenMonthAndMarksItForRecalculation()
    {
        Fixture f;
        QCOMPARE(f.screen->windowTitle(),
                 QStringLiteral("재고자산의 입고[ 매입 및 구매] 원자재를 등록하는 폼 입니다."));
        QCOMPARE(f.screen->cbYear->currentText(), QStringLiteral("2005"));
        QCOMPARE(f.screen->cbMonth->currentText(), QStringLiteral("04"));
        QCOMPARE(f.books.db().scalar("SELECT YM_Kubun FROM MC_YearMonthCheck WHERE YM_Month = '04'").toString(),
                 period::Recalculate);
        QCOMPARE(f.ui->column("InPut_Serial"), QStringList{f.aprilReceipt});
        QCOMPARE(f.screen->mode(), 1);
        QVERIFY(f.screen->InsertBtn->isEnabled() && !f.screen->SaveBtn->isEnabled());
        QCOMPARE(f.screen->DBGrid1->model()->headerData(19, Qt::Horizontal).toString(),
                 QStringLiteral("공급가액(금액)"));
        QCOMPARE(f.screen->lbTotals->text(),
                 QStringLiteral("합계 1건   입고수량(중량) 10.0000   공급가액(금액) 20,000.0000"));
    }

    void registersAReceiptThroughTheMaterialSearch()
    {
        Fixture f;
        f.ui->click("InsertBtn");
        const QString serial = f.ui->text("edInPut_Serial");
        QCOMPARE(serial, QStringLiteral("A0000000100"));
        QCOMPARE(f.screen->mode(), 3);
        QCOMPARE(f.ui->focused(), f.screen->edDay);
        f.ui->keys("5");
        f.ui->tab();
        QCOMPARE(f.ui->text("edDay"), QStringLiteral("05"));
        QCOMPARE(f.ui->text("edInPut_Date"), QStringLiteral("2005-04-05"));

        // Only materials of a product tree are offered: 고무강판 is in none.
        auto *dialog = f.searchMaterial("강판");
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("완제품Tree구조에 있는 원자재 이름을 검색하는 폼 입니다."));
        ScreenDriver d(dialog);
        QCOMPARE(d.column("Won_Code"), QStringList{"ST01"});
        QCOMPARE(d.text("edSearch"), QStringLiteral("강판"));
        // Nothing chosen yet: the dialog stays.
        d.click("CloseBtn");
        QCOMPARE(f.messages.texts(), QStringList{"원자재 코드를 선택 하세요....."});
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->edSearch->selectedText(), QStringLiteral("강판"));
        f.messages.clear();
        // Leaving the search text searches again.
        d.type("edSearch", "볼트");
        d.tab();
        QCOMPARE(d.column("Won_Code"), QStringList{"BT10"});
        d.pickRow(0, 1);
        QCOMPARE(d.text("edJaJey_code2"), QStringLiteral("BT10"));
        d.click("SearchBtn");
        QCOMPARE(d.text("edJaJey_code2"), QString()); // a new search forgets the pick
        d.type("edSearch", "강판");
        d.click("SearchBtn");
        d.pickRow(0, 1);
        QCOMPARE(d.text("edJaJey_code2"), QStringLiteral("ST01"));
        // The picked material is written whole, even where it is longer than the box takes typed.
        QCOMPARE(f.ui->text("edInPut_WonName"), QStringLiteral("냉연강판 1.2T x 1219 x 2438 SPCC"));
        QCOMPARE(f.ui->text("edInPut_WonCode"), QStringLiteral("ST01"));
        QCOMPARE(f.ui->text("edInPut_DanWi"), QStringLiteral("kg"));
        QCOMPARE(f.ui->text("edInPut_KuSize"), QStringLiteral("1219x2438"));
        QCOMPARE(f.ui->text("edInPut_DanGa"), QStringLiteral("3,250.5000"));
        d.click("CloseBtn");
        QVERIFY(!dialog->isVisible());
        QApplication::setActiveWindow(f.screen.get());

        f.ui->type("edInPut_TextMemo", "견본 구매");
        f.ui->type("edInPut_SuKg", "3");
        f.ui->tab();
        f.ui->type("edInPut_DanGa", "1234.56789");
        f.ui->tab();
        QCOMPARE(f.ui->text("edInPut_SuKg"), QStringLiteral("3.0000"));
        QCOMPARE(f.ui->text("edInPut_DanGa"), QStringLiteral("1,234.5679"));
        QCOMPARE(f.ui->text("edInPut_GaAmt"), QStringLiteral("3,703.7037"));
        f.ui->type("edInPut_Bigo", "급행");
        f.ui->tab();
        QCOMPARE(f.ui->focused(), f.screen->SaveBtn);
        f.ui->click("SaveBtn");

        QVERIFY2(f.messages.messages.isEmpty(), qPrintable(f.messages.texts().join('|')));
        const ResultSet r = f.row(serial);
        QCOMPARE(r.size(), 1);
        QCOMPARE(r.text(0, "InPut_Date"), QStringLiteral("2005-04-05"));
        QCOMPARE(r.text(0, "InPut_WonName"), QStringLiteral("냉연강판 1.2T x 1219 x 2438 SPCC"));
        QCOMPARE(r.number(0, "InPut_SuKg"), 3.0);
        QCOMPARE(r.number(0, "InPut_DanGa"), 1234.5679);
        QCOMPARE(r.number(0, "InPut_GaAmt"), 3703.7037);
        QCOMPARE(r.text(0, "InPut_Kubun"), QStringLiteral("당월입고"));
        QCOMPARE(r.text(0, "InPut_Bigo"), QStringLiteral("급행"));
        QCOMPARE(f.screen->mode(), 1);
        QCOMPARE(f.ui->text("edInPut_WonCode"), QString());
        QCOMPARE(f.screen->DBGrid1->currentText("InPut_Serial"), serial);
        QCOMPARE(f.ui->focused(), f.screen->InsertBtn);
    }

    void theSaveShortcutDoesNotSaveAReceiptWithoutADay()
    {
        Fixture f;
        f.ui->click("InsertBtn");
        f.screen->edInPut_WonCode->setText("ST01");
        f.screen->edInPut_WonName->setText("냉연강판");
        f.screen->edInPut_TextMemo->setText("날짜 없음");
        // Alt+S from the empty day box leaves it as a click on Save would: it keeps the focus.
        QTest::keyClick(f.screen->edDay, Qt::Key_S, Qt::AltModifier);
        QTest::qWait(200);
        QCOMPARE(f.messages.texts(), QStringList{});
        QCOMPARE(f.receipts(), 2);
        QCOMPARE(f.ui->focused(), f.screen->edDay);
        QCOMPARE(f.screen->mode(), 3);
    }

    // Whichever box the save shortcut is pressed in, the amount is what leaving the boxes
    // makes of it: quantity x price, unless the user typed it after they last changed.
    void theSaveShortcutStoresTheAmountTheBoxesMake_data()
    {
        QTest::addColumn<QStringList>("steps"); // box=text, in this order
        QTest::addColumn<double>("amount");
        QTest::newRow("from the price box") << QStringList{"edInPut_SuKg=3", "edInPut_DanGa=1000"} << 3000.0;
        QTest::newRow("from the quantity box") << QStringList{"edInPut_DanGa=1000", "edInPut_SuKg=3"} << 3000.0;
        QTest::newRow("a typed amount stands")
            << QStringList{"edInPut_SuKg=3", "edInPut_DanGa=1000", "edInPut_GaAmt=2999"} << 2999.0;
        QTest::newRow("a typed amount gives way to a new price")
            << QStringList{"edInPut_SuKg=3", "edInPut_DanGa=1000", "edInPut_GaAmt=2999", "edInPut_DanGa=2000"}
            << 6000.0;
        QTest::newRow("the issue's figures")
            << QStringList{"edInPut_SuKg=618.99", "edInPut_DanGa=683.245"} << 422921.8226;
    }
    void theSaveShortcutStoresTheAmountTheBoxesMake()
    {
        QFETCH(QStringList, steps);
        QFETCH(double, amount);
        Fixture f;
        f.ui->click("InsertBtn");
        const QString serial = f.ui->text("edInPut_Serial");
        f.ui->keys("5");
        f.ui->tab();
        f.screen->edInPut_WonCode->setText("ST01");
        f.screen->edInPut_WonName->setText("냉연강판");
        f.ui->type("edInPut_TextMemo", "단축키 저장");
        // Each box is left by going to the next one.
        for (const QString &step : steps)
            f.ui->type(step.section('=', 0, 0), step.section('=', 1));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(f.row(serial).size(), 1);
        QCOMPARE(f.row(serial).number(0, "InPut_GaAmt"), amount);
        QVERIFY2(f.messages.messages.isEmpty(), qPrintable(f.messages.texts().join('|')));
    }

    void aStoredAmountStandsUntilItsQuantityChanges()
    {
        Fixture f;
        Db &db = f.books.db();
        db.exec("UpDate MC_WonJaJeyInPut Set InPut_GaAmt = 19999 Where InPut_Serial = :s", {{":s", f.aprilReceipt}});
        f.ui->click("SearchBtn");
        f.pick(f.aprilReceipt);
        f.ui->type("edInPut_Bigo", "메모만");
        f.ui->click("SaveBtn");
        QCOMPARE(f.row(f.aprilReceipt).number(0, "InPut_GaAmt"), 19999.0);

        f.pick(f.aprilReceipt);
        f.ui->type("edInPut_SuKg", "11");
        QTest::keyClick(f.screen->edInPut_SuKg, Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(f.row(f.aprilReceipt).number(0, "InPut_SuKg"), 11.0);
        QCOMPARE(f.row(f.aprilReceipt).number(0, "InPut_GaAmt"), 22000.0);
    }

    void withoutAProductTreeTheNameSendsTheUserToTheTrees()
    {
        Fixture f(false);
        f.ui->click("InsertBtn");
        f.ui->type("edDay", "9");
        QVERIFY(!f.searchMaterial("강판"));
        QCOMPARE(f.messages.texts(), QStringList{QStringLiteral("먼저 BOM Tree의 제품코드 구성과") + LB + LB +
                                                 QStringLiteral("원자재 코드 정보를 연계하세요........")});
    }

    void aChangeListsOnlyTheChangedRow()
    {
        Fixture f;
        addReceipt(f.books.db(), 1, 500, "12");
        f.ui->click("SearchBtn"); // the list again
        QCOMPARE(f.ui->column("InPut_Serial").size(), 2);
        f.pick(f.aprilReceipt);
        QCOMPARE(f.ui->text("edDay"), QStringLiteral("10"));
        QCOMPARE(f.ui->text("edInPut_SuKg"), QStringLiteral("10.0000"));
        // A click into a number box offers its plain value.
        f.ui->click("edInPut_SuKg");
        QCOMPARE(f.ui->text("edInPut_SuKg"), QStringLiteral("10.0000"));
        f.ui->click("edInPut_DanGa");
        QCOMPARE(f.ui->text("edInPut_DanGa"), QStringLiteral("2000.0000"));
        QCOMPARE(f.screen->edInPut_DanGa->selectedText(), QStringLiteral("2000.0000"));
        f.ui->keys("2100");
        f.ui->tab();
        QCOMPARE(f.ui->text("edInPut_GaAmt"), QStringLiteral("21,000.0000"));
        f.ui->type("edInPut_TextMemo", "단가 정정");
        f.ui->click("SaveBtn");
        QVERIFY2(f.messages.messages.isEmpty(), qPrintable(f.messages.texts().join('|')));
        QCOMPARE(f.row(f.aprilReceipt).number(0, "InPut_GaAmt"), 21000.0);
        QCOMPARE(f.row(f.aprilReceipt).text(0, "InPut_TextMemo"), QStringLiteral("단가 정정"));
        QCOMPARE(f.ui->column("InPut_Serial"), QStringList{f.aprilReceipt});
        QCOMPARE(f.screen->mode(), 2);
    }

    void aRowWiderThanItsBoxesIsSavedWhole()
    {
        Fixture f;
        const QString longName = QStringLiteral("냉연강판 1.2T x 1219 x 2438 SPCC");
        f.books.db().exec("UPDATE MC_WonJaJeyInPut SET InPut_WonName = :n, InPut_DanGa = 1234567890123.45",
                          {{":n", longName}});
        f.ui->click("SearchBtn");
        f.pick(f.aprilReceipt);
        QCOMPARE(f.ui->text("edInPut_DanGa"), QStringLiteral("1,234,567,890,123.4500"));
        f.ui->type("edInPut_Bigo", "확인");
        f.ui->click("SaveBtn");
        QVERIFY2(f.messages.messages.isEmpty(), qPrintable(f.messages.texts().join('|')));
        QCOMPARE(f.row(f.aprilReceipt).text(0, "InPut_WonName"), longName);
        QCOMPARE(f.row(f.aprilReceipt).number(0, "InPut_DanGa"), 1234567890123.45);
    }

    void deletesTheRow()
    {
        Fixture f;
        f.pick(f.aprilReceipt);
        f.ui->click("DeleteBtn");
        QVERIFY(f.messages.messages.isEmpty());
        QCOMPARE(f.row(f.aprilReceipt).size(), 0);
        QCOMPARE(f.ui->column("InPut_Serial"), QStringList());
        QCOMPARE(f.ui->text("edInPut_Serial"), QString());
        QCOMPARE(f.screen->mode(), 1);
    }

    void anotherMonthIsShownButNotChanged_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("picked");
        QTest::addColumn<QString>("warning");
        QTest::newRow("insert") << "InsertBtn" << false << onlyApril;
        QTest::newRow("save") << "SaveBtn" << true << closedData;
        QTest::newRow("delete") << "DeleteBtn" << true << closedData;
    }
    void anotherMonthIsShownButNotChanged()
    {
        QFETCH(QString, button);
        QFETCH(bool, picked);
        QFETCH(QString, warning);
        Fixture f;
        f.showMonth("03");
        QCOMPARE(f.ui->column("InPut_Serial"), QStringList{"A0000000099"});
        if (picked)
            f.pick("A0000000099");
        f.ui->click(button);
        QCOMPARE(f.messages.texts(), QStringList{warning});
        QCOMPARE(f.receipts(), 2);
        QCOMPARE(f.row("A0000000099").text(0, "InPut_TextMemo"), QStringLiteral("3월 구매"));
        QCOMPARE(f.ui->text("edInPut_Serial"), QString()); // the boxes are emptied
        QVERIFY(f.screen->mode() != 3);
    }

    void aReceiptInUseIsNeitherChangedNorDeleted()
    {
        Fixture f;
        QVERIFY(!issues::saveIssue(f.books.db(), issueRequest(f.aprilReceipt, issues::IssueKind::Lot, "4")));
        f.pick(f.aprilReceipt);
        f.ui->type("edInPut_TextMemo", "바꿈");
        f.ui->click("SaveBtn");
        QCOMPARE(f.messages.texts(), QStringList{QStringLiteral("제조공정에 투입된 원자재가 있으므로") + LB +
                                                 QStringLiteral("수정이 불가능한 데이타 입니다.......")});
        QCOMPARE(f.row(f.aprilReceipt).text(0, "InPut_TextMemo"), QStringLiteral("4월 매입"));
        QCOMPARE(f.ui->text("edInPut_TextMemo"), QString());
        f.messages.clear();
        f.pick(f.aprilReceipt);
        f.ui->click("DeleteBtn");
        QCOMPARE(f.messages.texts(), QStringList{QStringLiteral("제조공정에 투입된 원자재가 있으므로") + LB +
                                                 QStringLiteral("삭제가 불가능한 데이타 입니다.......")});
        QCOMPARE(f.receipts(), 2);
    }

    void typedValuesAreCheckedOnLeaving_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QStringList>("warnings");
        QTest::addColumn<bool>("staysInBox");
        const QStringList refusedKey{"잘못 입력하셨습니다"};
        QTest::newRow("letters in the quantity") << "edInPut_SuKg"
                                                 << "1a2"
                                                 << "12.0000" << refusedKey << false;
        QTest::newRow("letters in the price") << "edInPut_DanGa"
                                              << "x5"
                                              << "5.0000" << refusedKey << false;
        QTest::newRow("15 digits") << "edInPut_SuKg"
                                   << "123456789012345"
                                   << "123456789012345" << QStringList{"전체 길이가 14자를 초과 할 수 없읍니다....."}
                                   << true;
        QTest::newRow("minus and 14 digits") << "edInPut_SuKg"
                                             << "-12345678901234"
                                             << "-12,345,678,901,234.0000" << QStringList() << false;
        QTest::newRow("amount takes any key") << "edInPut_GaAmt"
                                              << "1.2.3x"
                                              << "1.2.3x" << QStringList() << true;
        QTest::newRow("wider shown than typed") << "edInPut_DanGa"
                                                << "12345678901234"
                                                << "12,345,678,901,234.0000" << QStringList() << false;
        QTest::newRow("day 31 in April") << "edDay"
                                         << "31"
                                         << "31" << QStringList{"2005-04-31 : 유효하지 않은 날짜 형식입니다."} << true;
        QTest::newRow("letters in the day") << "edDay"
                                            << "a7"
                                            << "07" << refusedKey << false;
        QTest::newRow("empty day") << "edDay"
                                   << ""
                                   << "" << QStringList() << true;
    }
    void typedValuesAreCheckedOnLeaving()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QStringList, warnings);
        QFETCH(bool, staysInBox);
        Fixture f;
        f.ui->click("InsertBtn");
        if (box != "edDay")
            f.ui->type("edDay", "9"); // an empty day would keep the focus
        f.ui->type(box, typed);
        f.ui->tab();
        QCOMPARE(f.ui->text(box), shown);
        QCOMPARE(f.messages.texts(), warnings);
        QCOMPARE(f.ui->focused()->objectName() == box, staysInBox);
    }

    void exportsTheList()
    {
        Fixture f;
        f.pick(f.aprilReceipt);
        f.ui->click("PrintBtn");
        QCOMPARE(f.messages.texts(), QStringList{"Excel로 이전되었읍니다...."});
        QCOMPARE(QDir(appDir() + "Data_Save").entryList({"TMC_WonJaJeyInPut_Form_*.xlsx"}).size(), 1);
    }
};

QTEST_MAIN(ReceiptScreenTest)
#include "tst_receiptscreen.moc"
