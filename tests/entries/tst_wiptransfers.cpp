#include "WipBooks.h"
#include "entries/EntryWarnings.h"
#include "entries/WarehouseReceipts.h"
#include "entries/WipAvailability.h"
#include "entries/WipBalances.h"
#include "entries/WipTransfers.h"
#include "store/Schema.h"

using namespace zedur;
using namespace zedur::test;
using namespace zedur::wiptransfer;

namespace {

const QString CRLF = QStringLiteral("\r\n");

// The worked example: a lot of 10 with a raw-material amount of 1,000 and ten cost components
// of 1 .. 10, at 60 %, issued on the 5th.
struct Books {
    TestBooks books;
    Db &db;
    QString lot;
    Books() : db(books.db()) { lot = addLot(db, "W1", "05", 10, 100, graded(1000, 1, 60)); }
    ResultSet transfers() { return db.query("Select * From MC_JeyGongPumInPut_TaAc Order By TaGong_Serial"); }
};

} // namespace

class WipTransfersTest : public QObject
{
    Q_OBJECT
private slots:
    void aTransferCarriesItsShareOfTheLotAsItStands()
    {
        Books b;
        QVERIFY(saveTransfer(b.db, transferRequest(b.lot, "3")).ok());
        const Checked<TransferSaved> saved = saveTransfer(b.db, transferRequest(" " + b.lot, "4"));
        QVERIFY(saved.ok());
        const ResultSet rows = b.transfers();
        QCOMPARE(rows.size(), 2);
        // Of the whole lot, whatever already went out of it.
        QCOMPARE(rows.number(1, "TaGong_GaAmt"), 400.0);
        QCOMPARE(rows.number(1, "TaGong_JenGiWonAmt"), 0.4);
        QCOMPARE(rows.number(1, "TaGong_DaongJeyJo_02"), 4.0);
        // Raw-material amount and the eight labour and overhead amounts, not the two WonAmt.
        QCOMPARE(rows.number(1, "TaGong_WoulAmtTot"), 0.4 * (1000 + 55 - 1 - 6));
        QCOMPARE(rows.number(1, "TaGong_SuKg"), 4.0);
        QCOMPARE(rows.number(1, "TaGong_JeyPumSuKg"), 4.0);
        QCOMPARE(rows.number(1, "TaGong_DanGa"), 100.0);
        QCOMPARE(rows.number(1, "TaGong_TotWoul"), 60.0);
        const QMap<QString, QString> texts{{"TaGong_Serial", saved.value.serial},
                                           {"TaGong_Date", "2005-04-20"},
                                           {"TaGong_Year", "2005"},
                                           {"TaGong_Month", "04"},
                                           {"TaGong_WonCode", "W1"},
                                           {"TaGong_WonName", "자재 W1"},
                                           {"TaGong_TextMemo", "불량 대체"},
                                           {"TaGong_Kubun", "당월입고"},
                                           {"TaGong_Bigo", "2 라인"},
                                           {"TaGong_Check_03", "1234 - ABCD"},
                                           {"TaGong_GongSerial", b.lot}};
        for (auto it = texts.cbegin(); it != texts.cend(); ++it)
            QCOMPARE(rows.text(1, it.key()), it.value());
        for (const QString &column : schema::table("MC_JeyGongPumInPut_TaAc").columnNames())
            QVERIFY2(
                b.db.scalar(QStringLiteral("Select count(*) From MC_JeyGongPumInPut_TaAc Where %1 Is Null").arg(column))
                        .toInt() == 0,
                qPrintable(column));
        QCOMPARE(remainingLotQuantity(b.db, b.lot), 3.0);
    }

    void theSaveRefuses_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("focusText");
        QTest::addColumn<bool>("clearsSelection");

        const QString tooMuch =
            QStringLiteral("선택된 데이타는") + CRLF + QStringLiteral("현 재고보다 큰 숫자입니다......");
        const QString enterQuantity =
            QStringLiteral("<<[[타 계정 대체]]>> 수량을") + CRLF + QStringLiteral("등록해 주세요......");
        const QString pickFirst = QStringLiteral("먼저 <<[[타 계정 대체]]>> 데이타를 선택 하세요......");
        QTest::newRow("a closed lot") << "closed" << warnings::closedData() << ""
                                      << "" << true;
        QTest::newRow("another month") << "May"
                                       << QStringLiteral("미마감된 2005년과 04월만") + LB +
                                              QStringLiteral("등록, 수정, 삭제등이 가능합니다........")
                                       << ""
                                       << "" << true;
        QTest::newRow("no lot shown") << "unselected" << pickFirst << ""
                                      << "" << true;
        QTest::newRow("a lot deleted meanwhile") << "gone" << pickFirst << ""
                                                 << "" << true;
        QTest::newRow("more than is left") << "quantity=10.0001" << tooMuch << "edIn_SuKg"
                                           << "" << true;
        QTest::newRow("more than is left since another transfer") << "other=3,quantity=8" << tooMuch << "edIn_SuKg"
                                                                  << "" << true;
        QTest::newRow("nothing") << "quantity=0" << enterQuantity << "edIn_SuKg"
                                 << "" << true;
        QTest::newRow("a quantity that shows as 0") << "quantity=0.00004" << enterQuantity << "edIn_SuKg"
                                                    << "" << true;
        QTest::newRow("no number") << "quantity=1.2.3"
                                   << ""
                                   << "edIn_SuKg"
                                   << "" << true;
        QTest::newRow("no day") << "day=" << QStringLiteral("입고일자를 등록해 주세요......") << "edIn_Date"
                                << "" << false;
        QTest::newRow("a day April does not have") << "day=31" << warnings::invalidDate("2005-04-31") << "edIn_Date"
                                                   << "" << false;
        QTest::newRow("before the lot") << "day=04" << QStringLiteral("2005-04-05보다 큰 일자를 등록해 주세요......")
                                        << "edIn_Date"
                                        << "05" << false;
    }
    void theSaveRefuses()
    {
        QFETCH(QString, change);
        QFETCH(QString, text);
        QFETCH(QString, focus);
        QFETCH(QString, focusText);
        QFETCH(bool, clearsSelection);
        Books b;
        TransferRequest r = transferRequest(b.lot, "2");
        int before = 0;
        for (const QString &part : change.split(u',')) {
            const QString key = part.section(u'=', 0, 0);
            const QString value = part.section(u'=', 1);
            if (key == u"closed")
                b.db.exec("UpDate MC_JeyGongPumInPut Set Gong_Check_01 = '마감완료'");
            else if (key == u"May")
                r.shown.month = "05";
            else if (key == u"unselected")
                r.selected = false;
            else if (key == u"gone")
                b.db.exec("Delete From MC_JeyGongPumInPut");
            else if (key == u"quantity")
                r.quantity = value;
            else if (key == u"day")
                r.day = value;
            else if (key == u"other") {
                QVERIFY(saveTransfer(b.db, transferRequest(b.lot, value)).ok());
                before = 1;
            }
        }
        const Checked<TransferSaved> saved = saveTransfer(b.db, r);
        QVERIFY(!saved.ok());
        QCOMPARE(saved.refusal->text, text);
        QCOMPARE(saved.refusal->focus, focus);
        QCOMPARE(saved.refusal->focusText.value_or(QString()), focusText);
        QCOMPARE(saved.value.clearsSelection, clearsSelection);
        QCOMPARE(b.transfers().size(), before);
    }

    void allThatIsLeftCanGoOnTheLotsOwnDay()
    {
        Books b;
        QVERIFY(saveTransfer(b.db, transferRequest(b.lot, "0.1")).ok());
        QVERIFY(saveTransfer(b.db, transferRequest(b.lot, "0.2")).ok());
        // 10 - 0.1 - 0.2 is 9.700000000000001 in binary; the 9.7000 shown may go.
        QCOMPARE(leaveQuantity("9.7", remainingLotQuantity(b.db, b.lot)).value, QStringLiteral("9.7000"));
        QVERIFY(saveTransfer(b.db, transferRequest(b.lot, "9.7000", "5")).ok());
        QVERIFY(std::fabs(remainingLotQuantity(b.db, b.lot)) < 1e-9);
    }

    void leavingTheQuantityBox_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("remaining");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("refused");
        QTest::newRow("within") << "2.5" << 3.0 << "2.5000" << false;
        QTest::newRow("all, as formatted before") << "1,234.5000" << 1234.5 << "1,234.5000" << false;
        QTest::newRow("above") << "3.0001" << 3.0 << "" << true;
        QTest::newRow("no number") << "1.2.3" << 3.0 << "" << true;
    }
    void leavingTheQuantityBox()
    {
        QFETCH(QString, typed);
        QFETCH(double, remaining);
        QFETCH(QString, shown);
        QFETCH(bool, refused);
        const Checked<QString> left = leaveQuantity(typed, remaining);
        QCOMPARE(!left.ok(), refused);
        QCOMPARE(left.value, shown);
        if (refused)
            QCOMPARE(left.refusal->focus, QuantityBox);
    }

    void aTransferAtFullCompletionLowersWhatTheWarehouseIsOffered()
    {
        Books b;
        const QString done = addLot(b.db, "W2", "06", 8, 1, graded(8));
        QVERIFY(saveTransfer(b.db, transferRequest(done, "3")).ok());
        QVERIFY(saveTransfer(b.db, transferRequest(b.lot, "3")).ok());
        warehouse::recreateAvailabilityTables(b.db);
        warehouse::refillAvailability(b.db, April);
        const ResultSet offers = b.db.query("Select SumVw_Serial, SumVw_SuKg From MC_JeyGongPumTaAcChaongGo_SumVw02");
        QCOMPARE(offers.size(), 1);
        QCOMPARE(offers.text(0, "SumVw_Serial"), done);
        QCOMPARE(offers.number(0, "SumVw_SuKg"), 5.0);
    }

    void theViewerDeletesATransfer_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("clears");
        QTest::newRow("free") << ""
                              << "" << false;
        QTest::newRow("closed") << "closed" << warnings::closedData() << true;
        QTest::newRow("not picked") << "none" << warnings::pickRowToDelete() << false;
        QTest::newRow("gone meanwhile") << "gone" << warnings::pickRowToDelete() << false;
        QTest::newRow("direct amount on its lot")
            << "direct"
            << QStringLiteral("제조원가명세서에") + CRLF + QStringLiteral("직적비로 등록된 데이타 있어") + CRLF +
                   QStringLiteral("삭제가 불가능 합니다........")
            << false;
    }
    void theViewerDeletesATransfer()
    {
        QFETCH(QString, state);
        QFETCH(QString, text);
        QFETCH(bool, clears);
        Books b;
        QString serial = saveTransfer(b.db, transferRequest(b.lot, "4")).value.serial;
        markOpenMonthAllocated(b.db);
        if (state == u"closed")
            b.db.exec("UpDate MC_JeyGongPumInPut_TaAc Set TaGong_Check_01 = '마감완료'");
        else if (state == u"none")
            serial.clear();
        else if (state == u"gone")
            b.db.exec("Delete From MC_JeyGongPumInPut_TaAc");
        else if (state == u"direct")
            insertRow(b.db, "MC_AcNameAmtInPut",
                      {{"Amt_Serial", QStringLiteral("A0000000001")}, {"Amt_JeyGongPumSerial", b.lot}});

        const Verdict v = deleteTransfer(b.db, April, serial);
        if (text.isEmpty()) {
            QVERIFY(!v);
            QCOMPARE(b.transfers().size(), 0);
            QCOMPARE(openMonthState(b.db), QStringLiteral("배부액재계산"));
            QCOMPARE(remainingLotQuantity(b.db, b.lot), 10.0);
            return;
        }
        QVERIFY(v);
        QCOMPARE(v->text, text);
        QCOMPARE(v->focus, ViewerSerialBox);
        QCOMPARE(v->clearsBoxes, clears);
        QCOMPARE(openMonthState(b.db), QStringLiteral("미마감"));
    }
};

QTEST_GUILESS_MAIN(WipTransfersTest)
#include "tst_wiptransfers.moc"
