#include "EntryScreenFixture.h"
#include "ProductBooks.h"
#include "common/SystemInfo.h"
#include "common/ui/DataGrid.h"
#include "common/ui/ListCombo.h"
#include "common/ui/NumberBox.h"
#include "entries/EntryWarnings.h"
#include "entries/ui/TMC_BanPumSaleAmtInPut_Form.h"

#include <QDir>
#include <QLabel>

using namespace zedur;
using namespace zedur::test;

namespace {

const QString CRLF = QStringLiteral("\r\n");
const QString notAboveZero = "반품 등록 수량은" + CRLF + "0[제로]보다 작은 숫자 이어야 합니다.......";
const QString sameMonth =
    "선택된 데이타는" + CRLF + "등록 가능한 년도와 월이 같으므로" + CRLF + "등록이 불가능합니다.......";
const QString onlyOpenReturns =
    "매출의 반품매출액과" + CRLF + "반품 매출액의 미 마감된 데이타만" + CRLF + "삭제 가능합니다.......";

// A sale of 10 at 80 in April (cost of goods sold 500), April closed, May open, and a sale
// of May itself.
struct Fixture : EntryScreenFixture<TMC_BanPumSaleAmtInPut_Form> {
    QString aprilSale, maySale;

    Fixture()
    {
        Db &d = db();
        aprilSale = aprilSaleOfTen(d);
        const QString receipt = tenAtThousand(d, May);
        maySale = ship(d, movement(receipt, shipments::MovementKind::Sale, "2", "150", "06", May));
        markOpenMonthAllocated(d);
        open();
    }
    void showApril() { showMonth("04"); }
    ResultSet returnRow()
    {
        return db().query("Select * From MC_ChaongGoJeyPumInPut_ChulGo Where ChulGo_Kubun = '반품매출액'");
    }
};

} // namespace

class ReturnScreenTest : public QObject
{
    Q_OBJECT
private slots:
    void opensOnTheOpenMonthAndMarksIt()
    {
        Fixture f;
        QVERIFY(f.messages.messages.isEmpty());
        QCOMPARE(f.screen->windowTitle(),
                 QStringLiteral("제품 매출로 출고된 매출액 데이타를 반품매출로 등록하는 폼 입니다."));
        QCOMPARE(f.screen->Panel_Year->text(), QStringLiteral("2005"));
        QCOMPARE(f.screen->Panel_Month->text(), QStringLiteral("05"));
        QCOMPARE(openMonthState(f.db()), QStringLiteral("배부액재계산"));
        QCOMPARE(f.ui->column("ChulGo_Serial"), QStringList{f.maySale});
    }

    void aSaleOfAnEarlierMonthComesBack()
    {
        Fixture f;
        f.showApril();
        f.pick("ChulGo_Serial", f.aprilSale);
        QCOMPARE(f.ui->text("edIn_SuKg"), QStringLiteral("10.0000"));
        QCOMPARE(f.ui->text("edIn_DanGa"), QStringLiteral("80.0000"));
        QCOMPARE(f.screen->Panel_InDate->text(), QStringLiteral("2005-04-20"));
        f.ui->type("edIn_SuKg", "3");
        f.ui->tab();
        QCOMPARE(f.ui->text("edIn_SuKg"), QStringLiteral("-3.0000"));
        QCOMPARE(f.ui->text("edIn_GaAmt"), QStringLiteral("-240.0000"));
        f.ui->type("edIn_Date", "12");
        f.ui->focus("edIn_TextMemo");
        QCOMPARE(f.screen->Panel_Date->text(), QStringLiteral("2005-05-12"));
        f.ui->click("SaveBtn");
        QVERIFY2(f.messages.messages.isEmpty(), qPrintable(f.messages.lastText()));
        const ResultSet row = f.returnRow();
        QCOMPARE(row.size(), 1);
        QCOMPARE(row.number(0, "ChulGo_SuKg"), -3.0);
        QCOMPARE(row.number(0, "ChulGo_GaAmt"), -240.0);
        QCOMPARE(row.number(0, "ChulGo_WonJaJeyAmt"), 150.0);
        QCOMPARE(row.text(0, "ChulGo_Date"), QStringLiteral("2005-05-12"));
        QCOMPARE(f.db()
                     .scalar("Select JeyPum_TotGaAmt From MC_ChaongGoJeyPumInPut Where JeyPum_Serial = :s",
                             {{":s", row.text(0, "BanPum_NewJeyPumSerial")}})
                     .toDouble(),
                 150.0);
        // The list again, the entry emptied; the sale is not taken back twice.
        QCOMPARE(f.ui->text("edIn_SuKg"), QString());
        f.pick("ChulGo_Serial", f.aprilSale);
        f.ui->type("edIn_SuKg", "1");
        f.ui->type("edIn_Date", "13");
        f.ui->focus("edIn_TextMemo");
        f.ui->click("SaveBtn");
        QCOMPARE(f.messages.texts().size(), 1);
        QVERIFY(f.messages.lastText().startsWith(QStringLiteral("반품 매출액로")));
        QCOMPARE(f.returnRow().size(), 1);
    }

    void refusalsOfTheBoxesAndTheSave_data()
    {
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<bool>("leaveQuantity");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("focus");
        // The box never entered still holds the sale's own, positive quantity.
        QTest::newRow("the sale's quantity as shown") << "04"
                                                      << "" << false << "12" << notAboveZero << "edIn_SuKg";
        QTest::newRow("more than was sold") << "04"
                                            << "10.0001" << true << "12"
                                            << "매출된 수량 보다" + CRLF + "초과하여 등록된 수량입니다......."
                                            << "edIn_SuKg";
        // Letters are no digits: the number read from them is 0.
        QTest::newRow("letters") << "04"
                                 << "abc" << true << "12"
                                 << "등록된 수량은 0[제로] 수량입니다......."
                                 << "edIn_SuKg";
        const QString silently;
        QTest::newRow("no number, on saving") << "04"
                                              << "1.2.3" << false << "12" << silently << "edIn_SuKg";
        QTest::newRow("a sale of the open month") << "05"
                                                  << "1" << true << "12" << sameMonth << "edIn_Date";
        QTest::newRow("no such day") << "04"
                                     << "1" << true << "32" << warnings::invalidDate("2005-05-32") << "edIn_Date";
    }
    void refusalsOfTheBoxesAndTheSave()
    {
        QFETCH(QString, month);
        QFETCH(QString, quantity);
        QFETCH(bool, leaveQuantity);
        QFETCH(QString, day);
        QFETCH(QString, warning);
        QFETCH(QString, focus);
        Fixture f;
        if (month == u"04")
            f.showApril();
        f.ui->pickRow(0, 1);
        f.ui->type("edIn_Date", day);
        if (!quantity.isEmpty())
            f.ui->type("edIn_SuKg", quantity);
        if (leaveQuantity) {
            f.ui->focus("edIn_Date");
            if (f.ui->focused() == f.screen->edIn_Date) // the quantity let it go
                f.ui->focus("edIn_TextMemo");
        } else {
            f.ui->click("SaveBtn");
        }
        QCOMPARE(f.messages.texts(), warning.isEmpty() ? QStringList{} : QStringList{warning});
        QCOMPARE(f.ui->focused()->objectName(), focus);
        QCOMPARE(f.returnRow().size(), 0);
    }

    // Four of the read-only boxes answer a typed character with the refusal; the others take
    // it silently. None of them changes.
    void readOnlyBoxesTakeNoTypedCharacter_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("answers");
        for (const char *box : {"edIn_GaAmt", "edIn_Check_01", "edIn_Kubun", "edIn_JeyPumName"})
            QTest::newRow(box) << box << true;
        for (const char *box : {"edIn_DanGa", "edIn_JeyPumCode", "edIn_SaleName"})
            QTest::newRow(box) << box << false;
    }
    void readOnlyBoxesTakeNoTypedCharacter()
    {
        QFETCH(QString, box);
        QFETCH(bool, answers);
        Fixture f;
        f.showApril();
        f.pick("ChulGo_Serial", f.aprilSale);
        const QString shown = f.ui->text(box);
        f.ui->focus(box);
        f.ui->keys("7a");
        const QStringList refused{"잘못 입력하셨습니다", "잘못 입력하셨습니다"};
        QCOMPARE(f.messages.texts(), answers ? refused : QStringList());
        QCOMPARE(f.ui->text(box), shown);
    }

    // The kind list takes "-" and digits, the sort list digits, without a word; every other
    // typed character, and any in the other lists, is refused.
    void searchListsTakeTheirKeys_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("refused");
        QTest::newRow("kind: minus and digits") << "cbSKubun"
                                                << "-5" << 0;
        QTest::newRow("kind: a letter") << "cbSKubun"
                                        << "x" << 1;
        QTest::newRow("sort: digits") << "cbSSort"
                                      << "12" << 0;
        QTest::newRow("sort: minus") << "cbSSort"
                                     << "-" << 1;
        QTest::newRow("search kind: a digit") << "cbSSearch"
                                              << "5" << 1;
    }
    void searchListsTakeTheirKeys()
    {
        QFETCH(QString, list);
        QFETCH(QString, typed);
        QFETCH(int, refused);
        Fixture f;
        f.ui->focus(list);
        f.ui->keys(typed);
        QCOMPARE(f.messages.texts(), QStringList(refused, QStringLiteral("잘못 입력하셨습니다")));
    }

    void theEntrySurvivesItsOwnWarnings()
    {
        Fixture f;
        f.pick("ChulGo_Serial", f.maySale);
        f.ui->type("edIn_TextMemo", "파손");
        f.ui->type("edIn_SuKg", "1");
        f.ui->type("edIn_Date", "12");
        // A sale of the open month: said in a real box on leaving the day. Closing the box gives
        // the screen back its activation, which must not run the list again.
        const QString shown = f.throughRealBox([&] { f.ui->focus("edIn_Bigo"); });
        QCOMPARE(shown, QString(sameMonth).replace(CRLF, "\n"));
        QCOMPARE(f.ui->focused(), f.screen->edIn_Date);
        QCOMPARE(f.ui->text("edIn_SuKg"), QStringLiteral("-1.0000"));
        QCOMPARE(f.ui->text("edIn_TextMemo"), QStringLiteral("파손"));
        QCOMPARE(f.screen->shownSale(), f.maySale);
    }

    void theExportTakesTheListAsStored()
    {
        Fixture f;
        f.showApril();
        f.ui->click("PrintBtn");
        QCOMPARE(f.messages.texts(), QStringList{"Excel로 이전되었읍니다...."});
        QCOMPARE(QDir(appDir() + "Data_Save").entryList({"TMC_BanPumSaleAmtInPut_Form_*.xlsx"}).size(), 1);
        f.messages.clear();
        // Nothing of the month: nothing exported, nothing said.
        f.showMonth("06");
        f.ui->click("PrintBtn");
        QVERIFY(f.messages.messages.isEmpty());
    }

    void onlyAnOpenReturnIsDeletedWithItsReceipt()
    {
        Fixture f;
        f.showApril();
        f.pick("ChulGo_Serial", f.aprilSale);
        f.ui->click("DeleteBtn");
        QCOMPARE(f.messages.texts(), QStringList{onlyOpenReturns});
        f.messages.clear();
        QVERIFY(!salesreturns::saveReturn(f.db(), returnRequest(f.aprilSale, "-3")));
        const int receipts = f.rows("MC_ChaongGoJeyPumInPut");
        f.showMonth("05");
        f.pick("ChulGo_Kubun", "반품매출액");
        f.ui->click("DeleteBtn");
        QVERIFY2(f.messages.messages.isEmpty(), qPrintable(f.messages.lastText()));
        QCOMPARE(f.returnRow().size(), 0);
        QCOMPARE(f.rows("MC_ChaongGoJeyPumInPut"), receipts - 1);
        QCOMPARE(f.ui->column("ChulGo_Serial"), QStringList{f.maySale});
    }
};

QTEST_MAIN(ReturnScreenTest)
#include "tst_returnscreen.moc"
