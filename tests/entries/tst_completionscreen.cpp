#include "EntryScreenFixture.h"
#include "common/SystemInfo.h"
#include "common/ui/ListCombo.h"
#include "common/ui/NumberBox.h"
#include "entries/ui/TMC_JeyGongPumWoulInPut_Form.h"
#include "ui/ScreenDriver.h"

#include <QClipboard>
#include <QDir>
#include <QPushButton>

using namespace zedur;
using namespace zedur::test;

namespace {

// Books with four WIP lots of April: the worked example (amount 1,234.5678, 40 percent done
// before), one at exactly 100, one at 99.99 and one carried forward at 60.
struct Fixture : EntryScreenFixture<TMC_JeyGongPumWoulInPut_Form> {
    QString example, done, almost, carried;

    Fixture()
    {
        example = lot(40, 40, 1234.5678);
        done = lot(30, 100, 500);
        almost = lot(0, 99.99, 500);
        carried = lot(60, 60, 1000);
        markOpenMonthAllocated(db());
        open();
    }
    QString lot(double earlier, double cumulative, double amount)
    {
        Db &db = books.db();
        const QString r = addReceipt(db, 10, amount / 10);
        if (issues::saveIssue(db, issueRequest(r, issues::IssueKind::Lot, "10")))
            throw std::runtime_error("issue refused");
        const QString serial = newest(db, "MC_JeyGongPumInPut", "Gong_Serial");
        db.exec("UpDate MC_JeyGongPumInPut Set Gong_JenGiWoul = :e, Gong_TotWoul = :t, Gong_GaAmt = :a "
                "Where Gong_Serial = :s",
                {{":e", earlier}, {":t", cumulative}, {":a", amount}, {":s", serial}});
        return serial;
    }
    void pick(const QString &serial)
    {
        EntryScreenFixture::pick("Gong_Serial", serial, 2);
        QCOMPARE(screen->edG_Serial->text(), serial);
    }
    double stored(const QString &serial, const QString &column)
    {
        return storedRow(entryTables::Lots, serial).number(0, column);
    }
};

} // namespace

class CompletionScreenTest : public QObject
{
    Q_OBJECT
private slots:
    void opensOnTheOpenMonthAndMarksIt()
    {
        Fixture f;
        QVERIFY(f.messages.messages.isEmpty());
        QCOMPARE(f.screen->windowTitle(),
                 QStringLiteral("제조공정에 투입된 재공품의 정보에 당월 완성율을 등록하는 폼 입니다."));
        QCOMPARE(openMonthState(f.db()), QStringLiteral("배부액재계산"));
        QCOMPARE(f.screen->cbWoul->currentText(), QStringLiteral("전체분"));
        QCOMPARE(f.ui->column("Gong_Serial"), (QStringList{f.example, f.done, f.almost, f.carried}));

        const DataGrid *grid = f.screen->DBGrid1;
        auto cell = [&](const QString &field) {
            return grid->model()->index(0, gridColumnOf(grid, field));
        };
        QCOMPARE(cell("Gong_TotWoul").data(Qt::BackgroundRole).value<QColor>(), QColor(255, 255, 0));
        QVERIFY(cell("Gong_DaongWoul").data(Qt::TextAlignmentRole).toInt() & Qt::AlignHCenter);
        QCOMPARE(cell("Gong_DaongWoul").data().toString().trimmed(), QString()); // zero shown blank
        QCOMPARE(cell("Gong_JenGiWoul").data().toString(), QStringLiteral("40.00"));
        QCOMPARE(cell("Gong_JenGiJeyJo_02").data(Qt::BackgroundRole).value<QColor>(), QColor(0, 255, 255));
        QCOMPARE(cell("Gong_WoulAmtTot").data(Qt::BackgroundRole).value<QColor>(), QColor(0, 255, 0));
        QVERIFY(!cell("Gong_DaongWonAmt").data(Qt::BackgroundRole).isValid());
    }

    void savesTheRateWithItsCost()
    {
        Fixture f;
        f.pick(f.example);
        QCOMPARE(f.screen->edG_GaAmt->text(), QStringLiteral("1,234.5678"));
        QCOMPARE(f.screen->edG_JenGiWoul->text(), QStringLiteral("40.00"));
        f.ui->type("edG_DaongWoul", "35.127");
        f.ui->tab();
        QVERIFY(f.messages.messages.isEmpty());
        QCOMPARE(f.screen->edG_DaongWoul->text(), QStringLiteral("35.12"));
        QCOMPARE(f.screen->edG_TotWoul->text(), QStringLiteral("75.12"));
        QCOMPARE(f.screen->edG_DaongWonAmt->text(), QStringLiteral("433.5802"));
        f.ui->type("edG_TextMemo", " 1차 완성 ");
        f.ui->click("SaveBtn");

        QVERIFY2(f.messages.messages.isEmpty(), qPrintable(f.messages.texts().join('|')));
        QCOMPARE(f.stored(f.example, "Gong_DaongWoul"), 35.12);
        QCOMPARE(f.stored(f.example, "Gong_TotWoul"), 75.12);
        QCOMPARE(f.stored(f.example, "Gong_DaongWonAmt"), 433.5802);
        QCOMPARE(f.books.db().scalar("Select Gong_TextMemo From MC_JeyGongPumInPut Where Gong_Serial = :s",
                                     {{":s", f.example}}),
                 QVariant(QStringLiteral("1차 완성")));
        // The grid is back on the lot, and the boxes show it as stored.
        QCOMPARE(f.screen->DBGrid1->currentText("Gong_Serial"), f.example);
        QCOMPARE(f.screen->edG_Serial->text(), f.example);
        QCOMPARE(f.screen->edG_TotWoul->text(), QStringLiteral("75.12"));
    }

    void aRateTakingTheLotAbove100IsRefused()
    {
        Fixture f;
        f.pick(f.carried);
        f.ui->type("edG_DaongWoul", "40.01");
        f.ui->tab();
        QVERIFY(f.messages.messages.isEmpty()); // refused without a box
        QCOMPARE(f.ui->focused(), f.screen->edG_DaongWoul);
        QCOMPARE(f.screen->edG_TotWoul->text(), QStringLiteral("100.01"));
        f.ui->click("SaveBtn"); // the click that leaves the box does not save
        QCOMPARE(f.stored(f.carried, "Gong_TotWoul"), 60.0);
        // Exactly 100 is accepted.
        f.ui->type("edG_DaongWoul", "40");
        f.ui->click("SaveBtn");
        QVERIFY2(f.messages.messages.isEmpty(), qPrintable(f.messages.texts().join('|')));
        QCOMPARE(f.stored(f.carried, "Gong_TotWoul"), 100.0);
        QCOMPARE(f.stored(f.carried, "Gong_DaongWonAmt"), 400.0);
    }

    void theRateBoxTakesDigitsAndAPoint()
    {
        Fixture f;
        f.pick(f.example);
        f.ui->type("edG_DaongWoul", "-1.5");
        QCOMPARE(f.screen->edG_DaongWoul->text(), QStringLiteral("1.5"));
        QCOMPARE(f.messages.texts(), QStringList{"잘못 입력하셨습니다"});
        // Pasted, the same: a rate below zero never reaches the lot.
        f.messages.clear();
        f.ui->type("edG_DaongWoul", "");
        QApplication::clipboard()->setText("-10");
        QTest::keyClick(f.screen->edG_DaongWoul, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f.screen->edG_DaongWoul->text(), QString());
        QCOMPARE(f.messages.texts(), QStringList{"잘못 입력하셨습니다"});
    }

    void theRateListsChooseTheLots_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<QStringList>("lots"); // by name in the fixture
        QTest::newRow("전체분") << 0 << QStringList{"example", "done", "almost", "carried"};
        QTest::newRow("미완성") << 1 << QStringList{"example", "almost", "carried"};
        QTest::newRow("완성분") << 2 << QStringList{"done"};
    }
    void theRateListsChooseTheLots()
    {
        QFETCH(int, item);
        QFETCH(QStringList, lots);
        Fixture f;
        const QHash<QString, QString> serial{
            {"example", f.example}, {"done", f.done}, {"almost", f.almost}, {"carried", f.carried}};
        QStringList expected;
        for (const QString &name : lots)
            expected << serial.value(name);
        f.ui->focus("cbWoul");
        f.screen->cbWoul->setCurrentIndex(item);
        f.ui->focus("cbSSearch"); // leaving the rate list runs the list
        QCOMPARE(f.ui->column("Gong_Serial"), expected);
    }

    void aLotMovedOnIsRefused_data()
    {
        QTest::addColumn<QString>("insert");
        QTest::addColumn<QString>("warning");
        QTest::newRow("into the warehouse") << "Insert InTo MC_ChaongGoJeyGongPumInJeyGong (InGong_Serial, "
                                               "InGong_GongSerial) Values ('A0000000001', :s)"
                                            << QStringLiteral("재공품 100% 완성품 중") + LB +
                                                   QStringLiteral("제품창고에 입고된 재공품 데이타가 있으므로") + LB +
                                                   QStringLiteral("수정이 불가능합니다.......");
        QTest::newRow("to another account")
            << "Insert InTo MC_JeyGongPumInPut_TaAc (TaGong_Serial, TaGong_GongSerial) Values ('A0000000001', :s)"
            << QStringLiteral("재공품의 타 계정 대체 중") + LB +
                   QStringLiteral("타 계정 대체 재공품 데이타가 있으므로") + LB +
                   QStringLiteral("수정이 불가능합니다.......");
    }
    void aLotMovedOnIsRefused()
    {
        QFETCH(QString, insert);
        QFETCH(QString, warning);
        Fixture f;
        f.books.db().exec(insert, {{":s", f.done}});
        f.pick(f.done);
        f.ui->type("edG_DaongWoul", "10");
        f.ui->tab();
        f.ui->click("SaveBtn");
        QCOMPARE(f.messages.texts(), QStringList{warning});
        QCOMPARE(f.stored(f.done, "Gong_DaongWoul"), 0.0);
    }

    void anotherMonthIsRefused()
    {
        Fixture f;
        f.books.db().exec(
            "Insert InTo MC_JeyGongPumInPut (Gong_Serial, Gong_Date, Gong_Year, Gong_Month, "
            "Gong_WonCode, Gong_WonName, Gong_SuKg, Gong_GaAmt, Gong_Kubun, Gong_JenGiWoul, Gong_TotWoul) "
            "Values ('B0000000001', '2005-03-05', '2005', '03', 'W001', '강판', 10, 100, '당월투입', 0, 0)");
        f.showMonth("03");
        QCOMPARE(f.ui->column("Gong_Serial"), QStringList{"B0000000001"});
        f.pick("B0000000001");
        f.ui->type("edG_DaongWoul", "50");
        f.ui->tab();
        f.ui->click("SaveBtn");
        QCOMPARE(f.messages.texts(), QStringList{QStringLiteral("미마감된 2005년과 04월만") + LB +
                                                 QStringLiteral("수정 가능한 년도와 월입니다........")});
        QCOMPARE(f.screen->edG_Serial->text(), QString()); // boxes cleared
        QCOMPARE(f.stored("B0000000001", "Gong_DaongWoul"), 0.0);
    }

    void exportNeedsAListAndAPick()
    {
        Fixture f;
        f.ui->click("PrintBtn");
        QCOMPARE(f.messages.texts(), QStringList{"먼저 데이타를 선택 하세요....."});
        f.messages.clear();
        f.pick(f.done);
        f.ui->click("PrintBtn");
        QCOMPARE(f.messages.texts(), QStringList{"Excel로 이전되었읍니다...."});
        QCOMPARE(QDir(appDir() + "Data_Save").entryList({"TMC_JeyGongPumWoulInPut_Form_*.xlsx"}).size(), 1);
        f.messages.clear();
        f.showMonth("05");
        QCOMPARE(f.screen->DBGrid1->rowCount(), 0);
        f.ui->click("PrintBtn");
        QCOMPARE(f.messages.texts(), QStringList{"데이타가 없습니다......"});
    }
};

QTEST_MAIN(CompletionScreenTest)
#include "tst_completionscreen.moc"
