#include "EntryScreenFixture.h"
#include "WipBooks.h"
#include "common/ui/DataGrid.h"
#include "common/ui/ListCombo.h"
#include "common/ui/NumberBox.h"
#include "entries/EntryWarnings.h"
#include "entries/WipTransfers.h"
#include "entries/ui/TMC_JeyGongPumToTaAcInPut_Form.h"
#include "entries/ui/TMC_JeyGongPumToTaAcInPut_Form_TaAc.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <tuple>

using namespace zedur;
using namespace zedur::test;

namespace {

const QString CRLF = QStringLiteral("\r\n");
const QString tooMuchOnLeaving =
    QStringLiteral("제조공정<재공품>에서") + CRLF + QStringLiteral("재공품의 타 계정 대체 재고수량(중량)은") + CRLF +
    QStringLiteral("현재 재고수량(중량)보다 초과하여") + CRLF + QStringLiteral("등록된 수량입니다.......");

// April 2005 with a lot of 10 at 60 % issued on the 5th (amount 1,000, components 1 .. 10), a
// finished lot of 8 on the 6th, and a lot overdrawn by an earlier transfer.
struct Fixture : EntryScreenFixture<TMC_JeyGongPumToTaAcInPut_Form> {
    QString lot, finished, overdrawn;

    Fixture()
    {
        Db &d = db();
        lot = addLot(d, "W1", "05", 10, 100, graded(1000, 1, 60));
        db().exec("UpDate MC_JeyGongPumInPut Set Gong_TextMemo = '1 라인', Gong_Bigo = '주간'");
        finished = addLot(d, "W2", "06", 8, 1, graded(8));
        overdrawn = addLot(d, "W3", "07", 2, 1, graded(2, 0, 30));
        if (!wiptransfer::saveTransfer(d, transferRequest(overdrawn, "2", "08", "", "")).ok())
            throw std::runtime_error("transfer refused");
        d.exec("UpDate MC_JeyGongPumInPut Set Gong_SuKg = 1.5 Where Gong_Serial = :s", {{":s", overdrawn}});
        markOpenMonthAllocated(d);
        open();
    }
    int transfers() { return rows("MC_JeyGongPumInPut_TaAc"); }
};

} // namespace

class WipTransferScreenTest : public QObject
{
    Q_OBJECT
private slots:
    void opensOnTheMonthsLotsWithTheirBalances()
    {
        Fixture f;
        QVERIFY(f.messages.messages.isEmpty());
        QCOMPARE(
            f.screen->windowTitle(),
            QStringLiteral("제조공정<재공품>의 100%완성품이나 미 완성품을 재공품 타 계정 대체에 등록하는 폼 입니다."));
        QCOMPARE(openMonthState(f.db()), QStringLiteral("배부액재계산"));
        QCOMPARE(f.ui->column("Gong_Serial"), (QStringList{f.lot, f.finished, f.overdrawn}));
        QCOMPARE(f.ui->column("JeyGo_SuKg"), (QStringList{"10", "8", "-0.5"}));
        const QAbstractItemModel *model = f.screen->DBGrid1->model();
        const auto background = [&](int row, int column) {
            return model->index(row, column).data(Qt::BackgroundRole).value<QColor>();
        };
        QCOMPARE(background(1, 3), QColor(0, 255, 0));        // issued
        QCOMPARE(background(1, 6), QColor(255, 255, 0));      // completed
        QCOMPARE(background(1, 9), QColor(0, 255, 255));      // transferred
        QCOMPARE(background(0, 3), QColor(0xd4, 0xd0, 0xc8)); // not finished: the whole row
        QVERIFY(model->index(2, 0).data(Qt::FontRole).value<QFont>().bold());
        QVERIFY(!model->index(1, 0).data(Qt::FontRole).isValid());
    }

    void aPickedLotIsTransferredInPart()
    {
        Fixture f;
        f.pick("Gong_Serial", f.lot, 2);
        QVERIFY(f.screen->selected());
        QCOMPARE(f.screen->Panel_InDate->text(), QStringLiteral("2005-04-05"));
        QCOMPARE(f.ui->text("edIn_SuKg"), QStringLiteral("10.0000"));
        QCOMPARE(f.ui->text("edIn_TextMemo"), QStringLiteral("1 라인"));
        QCOMPARE(f.ui->text("edIn_Bigo"), QStringLiteral("주간"));
        QCOMPARE(f.ui->text("edG_TaAcSuKg"), QStringLiteral("0.0000"));
        QCOMPARE(f.ui->text("edG_JanAmt"), QStringLiteral("1,000.0000"));
        f.ui->type("edIn_SuKg", "4");
        f.ui->tab();
        QCOMPARE(f.ui->text("edIn_SuKg"), QStringLiteral("4.0000"));
        f.ui->type("edIn_Date", "5");
        f.ui->tab();
        QCOMPARE(f.screen->Panel_Date->text(), QStringLiteral("2005-04-05"));
        f.ui->click("SaveBtn");
        QVERIFY2(f.messages.messages.isEmpty(), qPrintable(f.messages.lastText()));
        QCOMPARE(f.transfers(), 2);
        QCOMPARE(f.db()
                     .scalar("Select TaGong_GaAmt From MC_JeyGongPumInPut_TaAc Where TaGong_GongSerial = :s",
                             {{":s", f.lot}})
                     .toDouble(),
                 400.0);
        QVERIFY(!f.screen->selected());
        QCOMPARE(f.ui->text("edIn_SuKg"), QString());
        QCOMPARE(f.screen->DBGrid1->rows().number(0, "JeyGo_SuKg"), 6.0);
    }

    void refusalsOfTheBoxesAndTheSave()
    {
        Fixture f;
        f.ui->click("SaveBtn");
        QCOMPARE(f.messages.texts(),
                 QStringList{QStringLiteral("먼저 <<[[타 계정 대체]]>> 데이타를 선택 하세요......")});
        f.messages.clear();
        f.pick("Gong_Serial", f.lot, 2);
        // More than is left: said on leaving, the text kept.
        f.ui->type("edIn_SuKg", "10.0001");
        f.ui->tab();
        QCOMPARE(f.messages.texts(), QStringList{tooMuchOnLeaving});
        QCOMPARE(f.ui->focused(), f.screen->edIn_SuKg);
        QCOMPARE(f.ui->text("edIn_SuKg"), QStringLiteral("10.0001"));
        f.messages.clear();
        // Straight to Save the box is not checked; the save finds the lot's remainder anew.
        f.ui->click("SaveBtn");
        QCOMPARE(f.messages.texts(), QStringList{QStringLiteral("선택된 데이타는") + CRLF +
                                                 QStringLiteral("현 재고보다 큰 숫자입니다......")});
        QVERIFY(!f.screen->selected()); // the lot is picked again after such a refusal
        f.messages.clear();
        // A day before the lot: the box shows the lot's day.
        f.pick("Gong_Serial", f.lot, 2);
        f.ui->type("edIn_SuKg", "1");
        f.ui->type("edIn_Date", "4");
        f.ui->click("SaveBtn");
        QCOMPARE(f.messages.texts(), QStringList{QStringLiteral("2005-04-05보다 큰 일자를 등록해 주세요......")});
        QCOMPARE(f.ui->text("edIn_Date"), QStringLiteral("05"));
        QCOMPARE(f.ui->focused(), f.screen->edIn_Date);
        f.messages.clear();
        f.ui->type("edIn_Date", "31");
        f.ui->tab();
        QCOMPARE(f.messages.texts(), QStringList{warnings::invalidDate("2005-04-31")});
        QCOMPARE(f.transfers(), 1);
    }

    void passingThroughTheLotsFiguresShowsThemShort()
    {
        Fixture f;
        f.pick("Gong_Serial", f.lot, 2);
        QCOMPARE(f.ui->text("edG_SuKg"), QStringLiteral("10.0000"));
        f.ui->focus("edG_SuKg");
        f.ui->focus("edG_GaAmt");
        QCOMPARE(f.ui->text("edG_SuKg"), QStringLiteral("10.00"));
        f.ui->focus("edG_DanGa");
        QCOMPARE(f.ui->text("edG_GaAmt"), QStringLiteral("1,000"));
    }

    void comingBackFromAnotherWindowListsAgainButNotFromItsOwnBoxes()
    {
        Fixture f;
        f.pick("Gong_Serial", f.lot, 2);
        f.ui->type("edIn_TextMemo", "불량");
        // A list left without a pick warns in a real box and keeps the focus: coming back
        // from the box keeps the entry.
        const QString shown = f.throughRealBox([&] {
            f.ui->focus("cbSSort");
            f.screen->cbSSort->setCurrentIndex(-1);
            f.ui->focus("edIn_TextMemo");
        });
        QCOMPARE(shown, QStringLiteral("잘못 선택 하였읍니다....."));
        QCOMPARE(f.ui->focused(), f.screen->cbSSort);
        QVERIFY(f.screen->selected());
        QCOMPARE(f.ui->text("edIn_TextMemo"), QStringLiteral("불량"));
        f.screen->cbSSort->setCurrentIndex(0);

        // Another window meanwhile: the list again, the pick gone.
        f.ui->type("edIn_Date", "9");
        f.ui->focus("edIn_TextMemo");
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        f.screen->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.screen.get()));
        QVERIFY(!f.screen->selected());
        QCOMPARE(f.ui->text("edG_WonCode"), QString());
    }

    // The lot list searched by each kind of entry, the lots' texts as the issue screen writes
    // them (empty, never missing): the first with its memo and remark, a model and name on the
    // second.
    void theLotListSearches_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lots"); // by name in the fixture, in list order
        QTest::newRow("전체 ignores the text") << "전체"
                                               << "없는말" << QStringList{"lot", "finished", "overdrawn"};
        QTest::newRow("one column") << "원자재코드"
                                    << "W2" << QStringList{"finished"};
        QTest::newRow("every memo text: one column") << "모든적요문자"
                                                     << "주간" << QStringList{"lot"};
        QTest::newRow("every memo text: across two columns") << "모든적요문자"
                                                             << "X-Q" << QStringList{"finished"};
        QTest::newRow("every memo text: no column has it") << "모든적요문자"
                                                           << "W3" << QStringList{};
    }
    void theLotListSearches()
    {
        QFETCH(QString, item);
        QFETCH(QString, text);
        QFETCH(QStringList, lots);
        Fixture f;
        f.db().exec("UpDate MC_JeyGongPumInPut Set Gong_Model = '', Gong_PumName = '', Gong_KuSize = '', "
                    "Gong_SerialJen = '', Gong_TaxNumber = '', Gong_TextMemo = Coalesce(Gong_TextMemo, ''), "
                    "Gong_Bigo = Coalesce(Gong_Bigo, '')");
        f.db().exec("UpDate MC_JeyGongPumInPut Set Gong_Model = 'MX-', Gong_PumName = 'Q7' Where Gong_Serial = :s",
                    {{":s", f.finished}});
        const QHash<QString, QString> serial{{"lot", f.lot}, {"finished", f.finished}, {"overdrawn", f.overdrawn}};
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
        QTest::addColumn<QStringList>("codes"); // of the transfers, in list order
        QTest::newRow("전체 ignores the text") << "전체"
                                               << "없는말" << QStringList{"W3", "W1", "W2"};
        QTest::newRow("day") << "일자"
                             << "04-10" << QStringList{"W2"};
        QTest::newRow("one column") << "원자재코드"
                                    << "W1" << QStringList{"W1"};
        QTest::newRow("memo") << "적요"
                              << "불량" << QStringList{"W1"};
        QTest::newRow("remark") << "비고"
                                << "야간" << QStringList{"W2"};
        QTest::newRow("nothing has it") << "비고"
                                        << "주간" << QStringList{};
    }
    void theViewerSearches()
    {
        QFETCH(QString, item);
        QFETCH(QString, text);
        QFETCH(QStringList, codes);
        EntryScreenFixture<TMC_JeyGongPumToTaAcInPut_Form_TaAc> f;
        Db &db = f.db();
        for (const auto &[code, day, memo, bigo] :
             {std::tuple{"W3", "08", "", ""}, std::tuple{"W1", "09", "불량", ""}, std::tuple{"W2", "10", "", "야간"}}) {
            const QString lot = addLot(db, code, "05", 10, 1, graded(10));
            QVERIFY(wiptransfer::saveTransfer(db, transferRequest(lot, "1", day, memo, bigo)).ok());
        }
        f.open(April);

        f.search(item, text);

        QVERIFY2(f.messages.messages.isEmpty(), qPrintable(f.messages.lastText()));
        QCOMPARE(f.ui->column("TaGong_WonCode"), codes);
    }

    void theViewerListsAndDeletesTransfers()
    {
        Fixture f;
        f.pick("Gong_Serial", f.lot, 2);
        f.ui->type("edIn_SuKg", "3");
        f.ui->type("edIn_Date", "9");
        f.ui->click("SaveBtn");
        QCOMPARE(f.transfers(), 2);
        f.ui->click("TaAcBtn");
        QVERIFY(!f.screen->isVisible());
        auto *viewer =
            qobject_cast<TMC_JeyGongPumToTaAcInPut_Form_TaAc *>(visibleWindow("TMC_JeyGongPumToTaAcInPut_Form_TaAc"));
        QVERIFY(viewer);
        f.screen.reset();
        ScreenDriver v(viewer);
        QCOMPARE(v.column("TaGong_GongSerial"), (QStringList{f.overdrawn, f.lot}));
        v.pickRow(1, 1);
        QCOMPARE(v.text("edJ_SuKg"), QStringLiteral("3.00"));
        QCOMPARE(v.text("edJ_WoulAmtTot"), QStringLiteral("314.4000")); // 0.3 x (1,000 + 48)
        v.focus("edJ_WoulAmtTot");
        v.focus("edJ_TextMemo");
        QCOMPARE(v.text("edJ_WoulAmtTot"), QStringLiteral("314.40"));
        // A direct amount booked on the lot holds the transfer.
        insertRow(f.db(), "MC_AcNameAmtInPut",
                  {{"Amt_Serial", QStringLiteral("A0000000001")}, {"Amt_JeyGongPumSerial", f.lot}});
        markOpenMonthAllocated(f.db());
        v.click("DeleteBtn");
        QCOMPARE(f.messages.lastText(), QStringLiteral("제조원가명세서에") + CRLF +
                                            QStringLiteral("직적비로 등록된 데이타 있어") + CRLF +
                                            QStringLiteral("삭제가 불가능 합니다........"));
        QCOMPARE(v.focused(), viewer->edJ_Serial);
        f.db().exec("Delete From MC_AcNameAmtInPut");
        v.click("DeleteBtn");
        QCOMPARE(v.column("TaGong_GongSerial"), QStringList{f.overdrawn});
        QCOMPARE(openMonthState(f.db()), QStringLiteral("배부액재계산"));
        viewer->close();
    }
};

QTEST_MAIN(WipTransferScreenTest)
#include "tst_wiptransferscreen.moc"
