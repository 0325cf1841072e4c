#include "EntryScreenFixture.h"
#include "ProductBooks.h"
#include "common/SystemInfo.h"
#include "common/ui/DataGrid.h"
#include "common/ui/ListCombo.h"
#include "common/ui/NumberBox.h"
#include "entries/EntryWarnings.h"
#include "entries/ui/TMC_ChaongGoJeyPumChulGoTaAc_Form.h"
#include "entries/ui/TMC_ChaongGoJeyPumChulGoTaAc_Form_ChulGo.h"
#include "entries/ui/TMC_ChaongGoJeyPumChulGoTaAc_Form_TaAc.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>

using namespace zedur;
using namespace zedur::test;

namespace {

const QString CRLF = QStringLiteral("\r\n");
const QString stockText =
    "현재 창고에 있는 제품매출원가 제품 재고량(중량)은" + CRLF + "제품 재고를 초과하여 등록된 수량입니다.......";
const QString belowCostOnLeaving = "매출 출고 단가는" + CRLF + "현재 창고에 입고된" + CRLF +
                                   "제품매출원가단가[100.000000000]보다는  " + CRLF + "작은 단가입니다.......";
const QString belowCostOnSaving =
    "매출 출고 단가는" + CRLF + "현재 창고에 입고된 제품매출원가단가보다는" + CRLF + "작은 단가입니다.......";

// April 2005 with a receipt of 10 at 1,000 on the 5th, of which 4 were sold, a receipt of
// nothing (no unit cost), and one overdrawn by an earlier sale.
struct Fixture : EntryScreenFixture<TMC_ChaongGoJeyPumChulGoTaAc_Form> {
    QString ten, empty, overdrawn;

    Fixture()
    {
        Db &d = db();
        ten = tenAtThousand(d);
        ship(d, movement(ten, shipments::MovementKind::Sale, "4", "150", "06"));
        empty = addProductReceipt(d, 0, {}, April, "07");
        overdrawn = addProductReceipt(d, 2, {0, 0, 0, 0, 0, 100}, April, "08");
        ship(d, movement(overdrawn, shipments::MovementKind::Transfer, "2", "0", "09"));
        d.exec("UpDate MC_ChaongGoJeyPumInPut Set JeyPum_SuKg = 1.5 Where JeyPum_Serial = :s", {{":s", overdrawn}});
        markOpenMonthAllocated(d);
        open();
    }
    int sales() { return rows("MC_ChaongGoJeyPumInPut_ChulGo"); }
    int transfers() { return rows("MC_ChaongGoJeyPumInPut_TaAc"); }
    ResultSet newestSale()
    {
        return db().query("Select * From MC_ChaongGoJeyPumInPut_ChulGo Order By ChulGo_Serial Desc Limit 1");
    }
    template <class V> V *viewer(const char *name) { return qobject_cast<V *>(visibleWindow(name)); }
};

} // namespace

class ShipmentScreenTest : public QObject
{
    Q_OBJECT
private slots:
    void opensOnTheMonthsReceiptsWithWhatIsLeft()
    {
        Fixture f;
        QVERIFY(f.messages.messages.isEmpty());
        QCOMPARE(f.screen->windowTitle(), QStringLiteral("창고에 있는 완제품(제품매출원가)을 출고(매출) 및 제품 타 "
                                                         "계정 대체등에 등록하는 폼 입니다."));
        QCOMPARE(openMonthState(f.db()), QStringLiteral("배부액재계산"));
        QCOMPARE(f.ui->column("JeyPum_Serial"), (QStringList{f.ten, f.empty, f.overdrawn}));
        QCOMPARE(f.ui->column("JeyPum_JeyGoSuKg"), (QStringList{"6", "0", "-0.5"}));
        // A receipt of no quantity has no unit cost: blank, not 0.
        QCOMPARE(f.screen->DBGrid1->rows().value(1, "JeyPum_DanGa").isNull(), true);
        const QAbstractItemModel *model = f.screen->DBGrid1->model();
        QVERIFY(model->index(2, 0).data(Qt::FontRole).value<QFont>().bold());
        QVERIFY(!model->index(0, 0).data(Qt::FontRole).isValid());
    }

    void aPickedReceiptIsSoldInPart()
    {
        Fixture f;
        f.pick("JeyPum_Serial", f.ten);
        QCOMPARE(f.screen->Panel_InDate->text(), QStringLiteral("2005-04-05"));
        QCOMPARE(f.ui->text("edIn_SuKg"), QStringLiteral("6.0000"));
        QCOMPARE(f.ui->text("edIn_DanGa"), QStringLiteral("100.0000"));
        QCOMPARE(f.ui->text("edIn_GaAmt"), QStringLiteral("600.0000"));
        QCOMPARE(f.ui->text("edIn_WonName"), QStringLiteral("책상"));
        QCOMPARE(f.screen->cbInKubun->currentText(), QStringLiteral("창고매출출고"));
        f.ui->type("edIn_SuKg", "3");
        f.ui->tab();
        QCOMPARE(f.ui->text("edIn_SuKg"), QStringLiteral("3.0000"));
        QCOMPARE(f.ui->text("edIn_GaAmt"), QStringLiteral("300.0000"));
        f.ui->type("edIn_Date", "5");
        f.ui->tab();
        QCOMPARE(f.screen->Panel_Date->text(), QStringLiteral("2005-04-05"));
        f.ui->type("edIn_DanGa", "120.5");
        f.ui->tab();
        QCOMPARE(f.ui->text("edIn_GaAmt"), QStringLiteral("361.5000"));
        f.ui->type("edIn_TextMemo", "4월 '특판' 매출");
        f.ui->click("SaveBtn");
        QVERIFY2(f.messages.messages.isEmpty(), qPrintable(f.messages.lastText()));
        QCOMPARE(f.sales(), 2);
        const ResultSet sale = f.newestSale();
        QCOMPARE(sale.number(0, "ChulGo_SuKg"), 3.0);
        QCOMPARE(sale.number(0, "ChulGo_DanGa"), 120.5);
        QCOMPARE(sale.number(0, "ChulGo_GaAmt"), 361.5);
        QCOMPARE(sale.number(0, "ChulGo_WonJaJeyAmt"), 300.0);
        QCOMPARE(sale.text(0, "ChulGo_TextMemo"), QStringLiteral("4월특판매출"));
        QCOMPARE(sale.text(0, "ChulGo_Date"), QStringLiteral("2005-04-05"));
        // The list again, on the receipt sold from, with the entry emptied.
        QCOMPARE(f.screen->DBGrid1->currentText("JeyPum_Serial"), f.ten);
        QCOMPARE(f.screen->DBGrid1->rows().number(0, "JeyPum_JeyGoSuKg"), 3.0);
        QCOMPARE(f.ui->text("edIn_SuKg"), QString());
    }

    void anAmountTypedOnPurposeIsStoredAsTyped()
    {
        Fixture f;
        f.pick("JeyPum_Serial", f.ten);
        f.ui->type("edIn_SuKg", "2");
        f.ui->type("edIn_Date", "10");
        f.ui->type("edIn_GaAmt", "250");
        f.ui->tab();
        QCOMPARE(f.ui->text("edIn_GaAmt"), QStringLiteral("250.0000"));
        f.ui->click("SaveBtn");
        QVERIFY2(f.messages.messages.isEmpty(), qPrintable(f.messages.lastText()));
        QCOMPARE(f.newestSale().number(0, "ChulGo_GaAmt"), 250.0);
        QCOMPARE(f.newestSale().number(0, "ChulGo_WonJaJeyAmt"), 200.0);
    }

    void aShortcutSaveWorksTheAmountOutOfWhatWasLeftTyped_data()
    {
        QTest::addColumn<QString>("box"); // where the last figure was typed
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("amount");
        // The amount box still shows the proposal for all that is left (600): a new quantity
        // or price makes it stale, a typed amount stands.
        QTest::newRow("quantity") << "edIn_SuKg"
                                  << "3" << 300.0;
        QTest::newRow("price") << "edIn_DanGa"
                               << "120" << 720.0;
        QTest::newRow("amount") << "edIn_GaAmt"
                                << "555.5" << 555.5;
    }
    void aShortcutSaveWorksTheAmountOutOfWhatWasLeftTyped()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(double, amount);
        Fixture f;
        f.pick("JeyPum_Serial", f.ten);
        f.ui->type("edIn_Date", "10");
        f.ui->type(box, typed);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(f.sales(), 2);
        QVERIFY2(f.messages.messages.isEmpty(), qPrintable(f.messages.lastText()));
        QCOMPARE(f.newestSale().number(0, "ChulGo_GaAmt"), amount);
    }

    void aSaleBelowCostIsWarnedTwiceAndSaved()
    {
        Fixture f;
        f.pick("JeyPum_Serial", f.ten);
        f.ui->type("edIn_SuKg", "1");
        f.ui->type("edIn_Date", "10");
        f.ui->type("edIn_DanGa", "90");
        f.ui->tab();
        QCOMPARE(f.messages.texts(), QStringList{belowCostOnLeaving});
        QCOMPARE(f.ui->text("edIn_DanGa"), QStringLiteral("90.0000"));
        f.messages.clear();
        f.ui->click("SaveBtn");
        QCOMPARE(f.messages.texts(), QStringList{belowCostOnSaving});
        QCOMPARE(f.sales(), 2);
        QCOMPARE(f.newestSale().number(0, "ChulGo_DanGa"), 90.0);
    }

    void theEntrySurvivesItsOwnWarnings()
    {
        Fixture f;
        f.pick("JeyPum_Serial", f.ten);
        f.ui->type("edIn_SuKg", "1");
        f.ui->type("edIn_Date", "10");
        f.ui->type("edIn_TextMemo", "특판");
        f.ui->type("edIn_DanGa", "90");
        // The below-cost warning in a real box: closing it gives the screen back its activation,
        // which must not run the list again and wipe what is typed.
        const QString shown = f.throughRealBox([&] { f.ui->focus("edIn_Bigo"); });
        QCOMPARE(shown, QString(belowCostOnLeaving).replace(CRLF, "\n")); // as the box shows the line ends
        QCOMPARE(f.ui->text("edIn_SuKg"), QStringLiteral("1.0000"));
        QCOMPARE(f.ui->text("edIn_TextMemo"), QStringLiteral("특판"));
        QCOMPARE(f.ui->text("edIn_DanGa"), QStringLiteral("90.0000"));
        QCOMPARE(f.screen->Panel_InDate->text(), QStringLiteral("2005-04-05"));
        f.ui->click("SaveBtn");
        QCOMPARE(f.sales(), 2);
    }

    void aTransferGoesAtCostWithEveryCostColumn()
    {
        Fixture f;
        f.pick("JeyPum_Serial", f.ten);
        f.ui->focus("cbInKubun");
        f.screen->cbInKubun->setCurrentIndex(1);
        QCOMPARE(f.screen->Panel_Kubun->text(), QStringLiteral("타 계정 대체"));
        f.ui->type("edIn_SuKg", "3");
        f.ui->type("edIn_Date", "11");
        f.ui->type("edIn_DanGa", "250");
        f.ui->tab();
        QCOMPARE(f.ui->text("edIn_DanGa"), QStringLiteral("100.0000"));
        QVERIFY(f.messages.messages.isEmpty());
        f.ui->click("SaveBtn");
        QVERIFY2(f.messages.messages.isEmpty(), qPrintable(f.messages.lastText()));
        QCOMPARE(f.transfers(), 2);
        const ResultSet t =
            f.db().query("Select * From MC_ChaongGoJeyPumInPut_TaAc Where TaJeyPum_JeyPumSerial = :s", {{":s", f.ten}});
        QCOMPARE(t.number(0, "TaJeyPum_SuKg"), 3.0);
        QCOMPARE(t.number(0, "TaJeyPum_GaAmt"), 180.0);
        QCOMPARE(t.number(0, "TaJeyPum_DaongJeyJo"), 30.0);
        QCOMPARE(t.number(0, "TaJeyPum_TotGaAmt"), 300.0);
        QCOMPARE(t.text(0, "TaJeyPum_Kubun"), QStringLiteral("당월타계정"));
    }

    void refusalsOfTheBoxesAndTheSave_data()
    {
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("day");
        QTest::addColumn<bool>("leaveDay"); // the day box left before the save
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("focus");
        const QString beforeReceipt = "현재 창고에 입고된 기준일자 보다는" + CRLF + "작은 일자입니다.......";
        QTest::newRow("more than is left") << "6.0001"
                                           << "10" << false << stockText << "edIn_SuKg";
        QTest::newRow("before the receipt, on leaving") << "1"
                                                        << "4" << true << beforeReceipt << "edIn_Date";
        QTest::newRow("before the receipt, on saving") << "1"
                                                       << "4" << false << beforeReceipt << "edIn_Date";
        QTest::newRow("no such day") << "1"
                                     << "31" << true << warnings::invalidDate("2005-04-31") << "edIn_Date";
        QTest::newRow("nothing") << "0"
                                 << "10" << false
                                 << "현재 수량(중량)의 출고매출(타 계정 대체)은 완제품 재고가 제로[0.00] 입니다......."
                                 << "edIn_SuKg";
        QTest::newRow("no day") << "1"
                                << "" << false << ""
                                << "edIn_Date";
    }
    void refusalsOfTheBoxesAndTheSave()
    {
        QFETCH(QString, quantity);
        QFETCH(QString, day);
        QFETCH(bool, leaveDay);
        QFETCH(QString, warning);
        QFETCH(QString, focus);
        Fixture f;
        f.pick("JeyPum_Serial", f.ten);
        // The day first: leaving it towards the quantity tests nothing yet.
        f.ui->type("edIn_Date", day);
        f.ui->type("edIn_SuKg", quantity);
        if (leaveDay) {
            f.ui->focus("edIn_Date");
            f.ui->focus("edIn_Bigo");
        } else {
            f.ui->click("SaveBtn");
        }
        QCOMPARE(f.messages.texts(), warning.isEmpty() ? QStringList{} : QStringList{warning});
        QCOMPARE(f.ui->focused()->objectName(), focus);
        QCOMPARE(f.sales(), 1);
    }

    void theExportWantsAPickedReceipt()
    {
        Fixture f;
        f.ui->click("PrintBtn");
        QCOMPARE(f.messages.texts(), QStringList{QStringLiteral("먼저 데이타를 선택 하세요.....")});
        QCOMPARE(f.ui->focused(), f.screen->edIn_SuKg);
        f.messages.clear();
        f.pick("JeyPum_Serial", f.ten);
        f.ui->click("PrintBtn");
        QCOMPARE(f.messages.texts(), QStringList{"Excel로 이전되었읍니다...."});
        QCOMPARE(QDir(appDir() + "Data_Save").entryList({"TMC_ChaongGoJeyPumChulGoTaAc_Form_*.xlsx"}).size(), 1);
        f.messages.clear();
        f.ui->focus("cbSMonth");
        f.screen->cbSMonth->setCurrentIndex(f.screen->cbSMonth->findText("05"));
        f.ui->focus("edSSearch");
        f.ui->click("PrintBtn");
        QCOMPARE(f.messages.texts(), QStringList{QStringLiteral("데이타가 없습니다......")});
    }

    void theViewersListAndDeleteWhatWasMade()
    {
        Fixture f;
        f.ui->click("GongJeongBtn");
        QVERIFY(!f.screen->isVisible());
        auto *sales = f.viewer<TMC_ChaongGoJeyPumChulGoTaAc_Form_ChulGo>("TMC_ChaongGoJeyPumChulGoTaAc_Form_ChulGo");
        QVERIFY(sales);
        f.screen.reset();
        {
            ScreenDriver v(sales);
            QCOMPARE(sales->windowTitle(), QStringLiteral("완제품 제품 창고에서 출고(매출) 내역 조회 폼 입니다."));
            QCOMPARE(v.column("ChulGo_JeyPumSerial"), QStringList{f.ten});
            v.pickRow(0, 1);
            QCOMPARE(v.text("edG_SuKg"), QStringLiteral("4.0000"));
            QCOMPARE(v.text("edG_GaAmt"), QStringLiteral("600.0000"));
            v.click("DeleteBtn");
            QCOMPARE(f.sales(), 0);
            QCOMPARE(v.column("ChulGo_Serial"), QStringList{});
            QCOMPARE(openMonthState(f.db()), QStringLiteral("배부액재계산"));
        }
        sales->close();

        f.open();
        f.ui->click("TaAcBta");
        auto *transfers = f.viewer<TMC_ChaongGoJeyPumChulGoTaAc_Form_TaAc>("TMC_ChaongGoJeyPumChulGoTaAc_Form_TaAc");
        QVERIFY(transfers);
        f.screen.reset();
        {
            ScreenDriver v(transfers);
            QCOMPARE(v.column("TaJeyPum_JeyPumSerial"), QStringList{f.overdrawn});
            v.pickRow(0, 1);
            QCOMPARE(v.text("edT_SuKg"), QStringLiteral("2.0000"));
            QCOMPARE(v.text("edT_DanGa"), QStringLiteral("50.0000"));
            // A transfer of no quantity went at no unit cost: blank.
            f.db().exec("UpDate MC_ChaongGoJeyPumInPut_TaAc Set TaJeyPum_SuKg = 0");
            v.click("KuenNoSearchBtn");
            v.pickRow(0, 1);
            QCOMPARE(v.text("edT_DanGa"), QString());
            v.click("DeleteBtn");
            QCOMPARE(f.transfers(), 0);
        }
        transfers->close();
    }
};

QTEST_MAIN(ShipmentScreenTest)
#include "tst_shipmentscreen.moc"
