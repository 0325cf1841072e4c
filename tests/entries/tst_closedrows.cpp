#include "EntryScreenFixture.h"
#include "entries/EntryWarnings.h"
#include "entries/ProductShipments.h"
#include "entries/SalesReturns.h"
#include "entries/ui/TMC_AcNameAmtInPut_Form.h"
#include "entries/ui/TMC_BanPumSaleAmtInPut_Form.h"
#include "entries/ui/TMC_ChaongGoJeyPumChulGoTaAc_Form.h"
#include "entries/ui/TMC_ChaongGoJeyPumChulGoTaAc_Form_ChulGo.h"
#include "entries/ui/TMC_ChaongGoJeyPumChulGoTaAc_Form_TaAc.h"
#include "entries/ui/TMC_JeyGongPumToJeyPumInPut_Form.h"
#include "entries/ui/TMC_JeyGongPumToJeyPumInPut_Form_JeyPum.h"
#include "entries/ui/TMC_JeyGongPumToTaAcInPut_Form.h"
#include "entries/ui/TMC_JeyGongPumToTaAcInPut_Form_TaAc.h"
#include "entries/ui/TMC_JeyGongPumWoulInPut_Form.h"
#include "entries/ui/TMC_WonJaJeyInPut_Form.h"
#include "entries/ui/TMC_WonJaJeyTaJeyGongVw_Form.h"
#include "entries/ui/TMC_WonJaJeyTaJeyGongVw_Form_JeyGong.h"
#include "entries/ui/TMC_WonJaJeyTaJeyGongVw_Form_TaAc.h"
#include "ui/ScreenDriver.h"

#include <QPushButton>
#include <QTest>

using namespace zedur;
using namespace zedur::test;

// One rule for every entry screen, tried through the real widgets: a change or a delete
// trusts only the row as stored, so a row of a closed month stays as it is whatever the
// screen shows or remembers; a new row goes only into the open month.
namespace {

const QString onlyApril = "미마감된 2005년과 04월만" + LB + "등록,수정,삭제등이 가능합니다........";

// How a test reaches a row on one screen and what writes it.
struct ScreenWay {
    QString table;
    QString serialColumn;
    QString monthList;  // empty: the screen shows one month only (the viewers)
    QString searchText; // a box to go to, so that leaving the month list runs the list
    std::function<std::unique_ptr<QWidget>()> open;
    QString row = {}; // which April row of the table is picked, when not the table's own
};

enum class Way {
    Receipts,
    Amounts,
    Completion,
    Issue,
    LotViewer,
    TransferViewer,
    Warehouse,
    ReceiptViewer,
    WipTransfer,
    WipTransferViewer,
    Shipment,
    SaleViewer,
    ProductTransferViewer,
    Returns
};

ScreenWay wayOf(Way way)
{
    switch (way) {
    case Way::Receipts:
        return {"MC_WonJaJeyInPut", "InPut_Serial", "cbMonth", "edSearch", [] {
                    return std::unique_ptr<QWidget>(new TMC_WonJaJeyInPut_Form);
                }};
    case Way::Amounts:
        return {"MC_AcNameAmtInPut", "Amt_Serial", "cbMonth", "edSearch", [] {
                    return std::unique_ptr<QWidget>(new TMC_AcNameAmtInPut_Form);
                }};
    case Way::Completion:
        return {"MC_JeyGongPumInPut", "Gong_Serial", "cbSMonth", "edSSearch", [] {
                    return std::unique_ptr<QWidget>(new TMC_JeyGongPumWoulInPut_Form);
                }};
    case Way::Issue:
        return {"MC_WonJaJeyInPut", "InPut_Serial", "cbSMonth", "edSSearch", [] {
                    return std::unique_ptr<QWidget>(new TMC_WonJaJeyTaJeyGongVw_Form);
                }};
    case Way::LotViewer:
        return {"MC_JeyGongPumInPut", "Gong_Serial", "", "", [] {
                    return std::unique_ptr<QWidget>(new TMC_WonJaJeyTaJeyGongVw_Form_JeyGong(April));
                }};
    case Way::TransferViewer:
        return {"MC_WonJaJeyInPut_TaAc", "TaInPut_Serial", "", "", [] {
                    return std::unique_ptr<QWidget>(new TMC_WonJaJeyTaJeyGongVw_Form_TaAc(April));
                }};
    case Way::Warehouse:
        return {"MC_JeyGongPumInPut", "Gong_Serial", "cbSMonth", "edSSearch", [] {
                    return std::unique_ptr<QWidget>(new TMC_JeyGongPumToJeyPumInPut_Form);
                }};
    case Way::ReceiptViewer:
        return {"MC_ChaongGoJeyPumInPut", "JeyPum_Serial", "", "", [] {
                    return std::unique_ptr<QWidget>(new TMC_JeyGongPumToJeyPumInPut_Form_JeyPum(April));
                }};
    case Way::WipTransfer:
        return {"MC_JeyGongPumInPut", "Gong_Serial", "cbSMonth", "edSSearch", [] {
                    return std::unique_ptr<QWidget>(new TMC_JeyGongPumToTaAcInPut_Form);
                }};
    case Way::WipTransferViewer:
        return {"MC_JeyGongPumInPut_TaAc", "TaGong_Serial", "", "", [] {
                    return std::unique_ptr<QWidget>(new TMC_JeyGongPumToTaAcInPut_Form_TaAc(April));
                }};
    case Way::Shipment:
        return {"MC_ChaongGoJeyPumInPut", "JeyPum_Serial", "cbSMonth", "edSSearch", [] {
                    return std::unique_ptr<QWidget>(new TMC_ChaongGoJeyPumChulGoTaAc_Form);
                }};
    case Way::SaleViewer:
        return {"MC_ChaongGoJeyPumInPut_ChulGo", "ChulGo_Serial", "", "", [] {
                    return std::unique_ptr<QWidget>(new TMC_ChaongGoJeyPumChulGoTaAc_Form_ChulGo(April));
                }};
    case Way::ProductTransferViewer:
        return {"MC_ChaongGoJeyPumInPut_TaAc", "TaJeyPum_Serial", "", "", [] {
                    return std::unique_ptr<QWidget>(new TMC_ChaongGoJeyPumChulGoTaAc_Form_TaAc(April));
                }};
    case Way::Returns:
        return {"MC_ChaongGoJeyPumInPut_ChulGo",
                "ChulGo_Serial",
                "cbSMonth",
                "edSSearch",
                [] { return std::unique_ptr<QWidget>(new TMC_BanPumSaleAmtInPut_Form); },
                "return"};
    }
    return {};
}

// April 2005 open, with a row of the month in each entry table and a closed row of March.
struct Books {
    QMap<QString, QString> april; // table -> serial of its April row
    const QString march = QStringLiteral("A0000000099");

    explicit Books(Db &db)
    {
        april["MC_WonJaJeyInPut"] = addReceipt(db, 100, 1000);
        if (issues::saveIssue(db, issueRequest(april["MC_WonJaJeyInPut"], issues::IssueKind::Lot, "30")) ||
            issues::saveIssue(db, issueRequest(april["MC_WonJaJeyInPut"], issues::IssueKind::Transfer, "20")))
            throw std::runtime_error("issue refused");
        april["MC_JeyGongPumInPut"] = newest(db, "MC_JeyGongPumInPut", "Gong_Serial");
        april["MC_WonJaJeyInPut_TaAc"] = newest(db, "MC_WonJaJeyInPut_TaAc", "TaInPut_Serial");
        db.exec("Insert Into MC_AcNameAmtInPut (Amt_Serial, Amt_Date, Amt_Year, Amt_Month, Amt_AcCode, Amt_AcName, "
                "Amt_JeyJoKubun, Amt_JeyGongPumSerial, Amt_TextMemo, Amt_Amt, Amt_Check_01) Values "
                "('A0000000001', '2005-04-25', '2005', '04', '40404005', '전력비', '간접', '간접(공통)비', '4월 전력', "
                "2350000, '')");
        april["MC_AcNameAmtInPut"] = "A0000000001";
        // A product receipt and a WIP transfer of April.
        db.exec("Insert Into MC_ChaongGoJeyPumInPut (JeyPum_Serial, JeyPum_Date, JeyPum_Year, JeyPum_Month, "
                "JeyPum_JeyPumCode, JeyPum_SuKg, JeyPum_Kubun, JeyPum_Check_01) Values ('A0000000001', "
                "'2005-04-26', '2005', '04', 'P1', 2, '당월입고', '')");
        april["MC_ChaongGoJeyPumInPut"] = "A0000000001";
        db.exec("Insert Into MC_JeyGongPumInPut_TaAc (TaGong_Serial, TaGong_Date, TaGong_Year, TaGong_Month, "
                "TaGong_WonCode, TaGong_SuKg, TaGong_Kubun, TaGong_Check_01, TaGong_GongSerial) Values ("
                "'A0000000001', '2005-04-26', '2005', '04', 'W001', 3, '당월입고', '', :lot)",
                {{":lot", april["MC_JeyGongPumInPut"]}});
        april["MC_JeyGongPumInPut_TaAc"] = "A0000000001";
        // A sale and a product transfer out of another receipt.
        db.exec("Insert Into MC_ChaongGoJeyPumInPut (JeyPum_Serial, JeyPum_Date, JeyPum_Year, JeyPum_Month, "
                "JeyPum_JeyPumCode, JeyPum_SuKg, JeyPum_TotGaAmt, JeyPum_Kubun, JeyPum_Check_01) Values "
                "('A0000000002', '2005-04-26', '2005', '04', 'P1', 2, 300, '당월입고', '')");
        for (const auto kind : {shipments::MovementKind::Sale, shipments::MovementKind::Transfer}) {
            shipments::MovementRequest m;
            m.shown = April;
            m.receiptSerial = "A0000000002";
            m.kind = kind;
            m.numbers = {"0.5", "100", {}};
            m.day = "27";
            if (shipments::saveMovement(db, m).refusal)
                throw std::runtime_error("movement refused");
        }
        april["MC_ChaongGoJeyPumInPut_ChulGo"] = newest(db, "MC_ChaongGoJeyPumInPut_ChulGo", "ChulGo_Serial");
        april["MC_ChaongGoJeyPumInPut_TaAc"] = newest(db, "MC_ChaongGoJeyPumInPut_TaAc", "TaJeyPum_Serial");

        // March, as the monthly close left it.
        for (const auto &[table, prefix, kubun] : {std::tuple{"MC_WonJaJeyInPut", "InPut_", "당월입고"},
                                                   std::tuple{"MC_JeyGongPumInPut", "Gong_", "당월투입"},
                                                   std::tuple{"MC_WonJaJeyInPut_TaAc", "TaInPut_", "당월타계정"}})
            db.exec(QStringLiteral("Insert Into %1 (%2Serial, %2Date, %2Year, %2Month, %2WonCode, %2WonName, "
                                   "%2TextMemo, %2SuKg, %2DanGa, %2GaAmt, %2Kubun, %2Check_01) Values (:s, "
                                   "'2005-03-20', '2005', '03', 'W001', '강판', '3월', 5, 1000, 5000, :k, '마감완료')")
                        .arg(QString(table), QString(prefix)),
                    {{":s", march}, {":k", QString(kubun)}});
        db.exec("UpDate MC_JeyGongPumInPut Set Gong_JenGiWoul = 0, Gong_DaongWoul = 0, Gong_TotWoul = 0 "
                "Where Gong_Serial = :s",
                {{":s", march}});
        db.exec("Insert Into MC_AcNameAmtInPut (Amt_Serial, Amt_Date, Amt_Year, Amt_Month, Amt_AcCode, Amt_AcName, "
                "Amt_JeyJoKubun, Amt_JeyGongPumSerial, Amt_TextMemo, Amt_Amt, Amt_Check_01) Values "
                "(:s, '2005-03-25', '2005', '03', '40403001', '임금', '간접', '간접(공통)비', '3월 급여', 9000000, "
                "'마감완료')",
                {{":s", march}});
        db.exec("Insert Into MC_ChaongGoJeyPumInPut (JeyPum_Serial, JeyPum_Date, JeyPum_Year, JeyPum_Month, "
                "JeyPum_JeyPumCode, JeyPum_SuKg, JeyPum_TotGaAmt, JeyPum_Kubun, JeyPum_Check_01) Values "
                "(:s, '2005-03-26', '2005', '03', 'P1', 2, 300, '당월입고', '마감완료')",
                {{":s", march}});
        // A sale of March, taken back in part in April.
        db.exec("Insert Into MC_ChaongGoJeyPumInPut_ChulGo (ChulGo_Serial, ChulGo_Date, ChulGo_Year, ChulGo_Month, "
                "ChulGo_JeyPumCode, ChulGo_SuKg, ChulGo_DanGa, ChulGo_GaAmt, ChulGo_WonJaJeyAmt, ChulGo_Kubun, "
                "ChulGo_Check_01, ChulGo_JeyPumSerial, BanPum_ChulGoSerial, BanPum_ChulGoJeyPumSerial, "
                "BanPum_NewJeyPumSerial) Values (:s, '2005-03-20', '2005', '03', 'P1', 4, 80, 320, 200, "
                "'정기매출출고', '마감완료', 'A0000000098', '', '', '')",
                {{":s", march}});
        salesreturns::ReturnRequest r;
        r.open = April;
        r.saleSerial = march;
        r.quantity = "-1";
        r.day = "15";
        if (salesreturns::saveReturn(db, r))
            throw std::runtime_error("return refused");
        april["return"] = newest(db, "MC_ChaongGoJeyPumInPut_ChulGo", "ChulGo_Serial");
    }
};

QVector<QVector<QVariant>> rowsOf(Db &db, const QString &table)
{
    return db.query("Select * From " + table).rows();
}

// What the user does before pressing the button.
enum class Path {
    ClosedRowThenOpenMonth, // picks a row of the closed March, then shows the open April
    ClosedMeanwhile,        // picks a row of April, which another window's close then marks closed
    NewRowInClosedMonth,    // shows March and starts a new row
};

} // namespace

Q_DECLARE_METATYPE(Way)
Q_DECLARE_METATYPE(Path)

class ClosedRowsTest : public QObject
{
    Q_OBJECT
private slots:
    void aClosedMonthStaysAsItIs_data()
    {
        QTest::addColumn<Way>("way");
        QTest::addColumn<QString>("button");
        QTest::addColumn<Path>("path");
        QTest::addColumn<QString>("warning");
        const QString closed = warnings::closedData();
        // A new row: the receipts screen names the open month; the amounts screen first sees
        // the closed row its grid stands on, as its Insert always did.
        for (const auto &[name, way, newRow] :
             {std::tuple{"receipts", Way::Receipts, onlyApril}, std::tuple{"amounts", Way::Amounts, closed}}) {
            for (const char *button : {"SaveBtn", "DeleteBtn"}) {
                QTest::addRow("%s, %s, closed row then the open month", name, button)
                    << way << button << Path::ClosedRowThenOpenMonth << closed;
                QTest::addRow("%s, %s, closed meanwhile", name, button)
                    << way << button << Path::ClosedMeanwhile << closed;
            }
            QTest::addRow("%s, a new row in March", name) << way << "InsertBtn" << Path::NewRowInClosedMonth << newRow;
        }
        QTest::newRow("completion, closed lot then the open month")
            << Way::Completion << "SaveBtn" << Path::ClosedRowThenOpenMonth << closed;
        QTest::newRow("completion, closed meanwhile")
            << Way::Completion << "SaveBtn" << Path::ClosedMeanwhile << closed;
        QTest::newRow("issue, receipt closed meanwhile") << Way::Issue << "SaveBtn" << Path::ClosedMeanwhile << closed;
        QTest::newRow("lot viewer, closed meanwhile")
            << Way::LotViewer << "DeleteBtn" << Path::ClosedMeanwhile << closed;
        QTest::newRow("transfer viewer, closed meanwhile")
            << Way::TransferViewer << "DeleteBtn" << Path::ClosedMeanwhile << closed;
        QTest::newRow("warehouse, lot in the grid closed meanwhile")
            << Way::Warehouse << "SaveBtn" << Path::ClosedMeanwhile << closed;
        QTest::newRow("warehouse, closed lot then the open month")
            << Way::Warehouse << "SaveBtn" << Path::ClosedRowThenOpenMonth << closed;
        QTest::newRow("receipt viewer, closed meanwhile")
            << Way::ReceiptViewer << "DeleteBtn" << Path::ClosedMeanwhile << closed;
        QTest::newRow("WIP transfer, lot closed meanwhile")
            << Way::WipTransfer << "SaveBtn" << Path::ClosedMeanwhile << closed;
        QTest::newRow("WIP transfer, closed lot then the open month")
            << Way::WipTransfer << "SaveBtn" << Path::ClosedRowThenOpenMonth << closed;
        QTest::newRow("WIP transfer, a transfer in March")
            << Way::WipTransfer << "SaveBtn" << Path::NewRowInClosedMonth
            << "미마감된 2005년과 04월만" + LB + "등록, 수정, 삭제등이 가능합니다........";
        QTest::newRow("WIP transfer viewer, closed meanwhile")
            << Way::WipTransferViewer << "DeleteBtn" << Path::ClosedMeanwhile << closed;
        QTest::newRow("shipment, receipt closed meanwhile")
            << Way::Shipment << "SaveBtn" << Path::ClosedMeanwhile << closed;
        QTest::newRow("shipment, a receipt of March")
            << Way::Shipment << "SaveBtn" << Path::NewRowInClosedMonth << closed;
        const QString closedRow =
            "선택된 데이타는" + LB + "마감완료된 데이타라" + LB + "삭제가 불가능한 데이타입니다.......";
        QTest::newRow("sale viewer, closed meanwhile")
            << Way::SaleViewer << "DeleteBtn" << Path::ClosedMeanwhile << closedRow;
        QTest::newRow("product transfer viewer, closed meanwhile")
            << Way::ProductTransferViewer << "DeleteBtn" << Path::ClosedMeanwhile << closedRow;
        const QString CRLF = "\r\n";
        QTest::newRow("returns, return closed meanwhile")
            << Way::Returns << "DeleteBtn" << Path::ClosedMeanwhile
            << "매출의 반품매출액과" + CRLF + "반품 매출액의 미 마감된 데이타만" + CRLF + "삭제 가능합니다.......";
    }
    void aClosedMonthStaysAsItIs()
    {
        QFETCH(Way, way);
        QFETCH(QString, button);
        QFETCH(Path, path);
        QFETCH(QString, warning);
        EntryScreenFixture<QWidget> f;
        const Books b(f.db());
        const ScreenWay w = wayOf(way);
        f.drive(w.open());
        // Leaving the month list runs the list: towards the search text here, towards the
        // button when the month is switched right before pressing it.
        switch (path) {
        case Path::ClosedRowThenOpenMonth:
            f.showMonth("03", w.monthList, w.searchText);
            f.pick(w.serialColumn, b.march);
            f.chooseMonth("04", w.monthList);
            break;
        case Path::ClosedMeanwhile:
            f.pick(w.serialColumn, b.april[w.row.isEmpty() ? w.table : w.row]);
            f.books.connect()->exec(QStringLiteral("UpDate %1 Set %2 = '마감완료'")
                                        .arg(w.table, QString(w.serialColumn).replace("Serial", "Check_01")));
            break;
        case Path::NewRowInClosedMonth:
            f.showMonth("03", w.monthList, w.searchText);
            break;
        }
        const auto before = rowsOf(f.db(), w.table);
        const int lots = f.rows("MC_JeyGongPumInPut");
        f.messages.clear();

        f.ui->click(button);

        QCOMPARE(f.messages.texts(), QStringList{warning});
        QCOMPARE(rowsOf(f.db(), w.table), before);
        QCOMPARE(f.rows("MC_JeyGongPumInPut"), lots);
        if (path == Path::NewRowInClosedMonth && button == u"InsertBtn")
            QCOMPARE(f.ui->find<QPushButton>("SaveBtn")->isEnabled(), false);
    }
};

QTEST_MAIN(ClosedRowsTest)
#include "tst_closedrows.moc"
