#include "ClosingFixture.h"
#include "ImportFiles.h"
#include "TableRows.h"
#include "TestBooks.h"
#include "closing/Allocation.h"
#include "closing/MonthClose.h"
#include "imports/ImportRun.h"
#include "reports/Statements.h"
#include "reports/Ties.h"

#include <QTemporaryDir>
#include <QTest>

using namespace zedur;
using namespace zedur::imports;
using namespace zedur::test;

namespace {

// Books with a raw material in a product's tree and the product itself.
struct Books {
    TestBooks books;
    Books()
    {
        Db &db = books.db();
        addRow(db, "MC_WonJaJeyCode",
               {{"Won_Code", "ST01"}, {"Won_Name", "냉연강판"}, {"Won_DanWi", "kg"}, {"Won_DanGa", 95.0}});
        addRow(db, "MC_JeyPumCode", {{"Jey_Code", "P100"}, {"Jey_Name", "철제선반"}, {"Jey_Model", "S-1"}});
        addShelfTree(db);
    }
    Db &db() { return books.db(); }
};

// Ten of ST01 at 100, a lot of four at 100 half done with its cost so far, three P100 at 300.
QVector<ExportSheet> openingSheets()
{
    return {sheetOf("원자재", {"원자재코드", "입고수량(중량)", "원자재단가", "공급가액(금액)", "거래처상호"},
                    {{"ST01", 10, 100, 1000, "대한철강"}}),
            sheetOf("재공품",
                    {"원자재 코드", "수량(중량)", "단  가", "공급가액", "원자재완성율누계", "전월완성율원자재원가",
                     "전월직접노무비배부액", "전월간접제조경비배부액"},
                    {{"ST01", 4, 100, 400, 50, 200, 30, 20}}),
            sheetOf("제품", {"제품코드", "제품수량", "원자재금액", "직접노무비배부액", "완성제품금액(제품매출원가)"},
                    {{"P100", 3, 600, 300, 900}})};
}

} // namespace

class OpeningStockTest : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;

    QString openingFile()
    {
        const QString path = dir.filePath("opening.xlsx");
        writeXlsx(path, openingSheets());
        return path;
    }

private slots:
    // The brought-forward rows a close would have written, in the open month.
    void writtenAsBroughtForwardRows()
    {
        Books b;
        const ImportOutcome outcome = runImport(b.db(), Kind::Opening, openingFile(), {});
        QVERIFY(outcome.written);
        QCOMPARE(outcome.added, 3);
        QCOMPARE(openState(b.db()), QStringLiteral("배부액재계산")); // the month is to be allocated again
        const ResultSet raw = b.db().query("Select * From MC_WonJaJeyInPut");
        QCOMPARE(raw.size(), 1);
        QCOMPARE(raw.text(0, "InPut_Date"), QStringLiteral("2005-04-01"));
        QCOMPARE(raw.text(0, "InPut_Month"), QStringLiteral("04"));
        QCOMPARE(raw.text(0, "InPut_Kubun"), QStringLiteral("전기이월"));
        QCOMPARE(raw.text(0, "InPut_TextMemo"), QStringLiteral("2005-04-01 전기이월분"));
        QCOMPARE(raw.text(0, "InPut_WonName"), QStringLiteral("냉연강판"));
        QCOMPARE(raw.text(0, "InPut_DanWi"), QStringLiteral("kg"));
        QCOMPARE(raw.text(0, "InPut_SaleName"), QStringLiteral("대한철강"));
        QCOMPARE(raw.number(0, "InPut_GaAmt"), 1000.0);
        const ResultSet lot = b.db().query("Select * From MC_JeyGongPumInPut");
        QCOMPARE(lot.text(0, "Gong_Kubun"), QStringLiteral("전기이월"));
        QCOMPARE(lot.number(0, "Gong_JenGiWoul"), 50.0);
        QCOMPARE(lot.number(0, "Gong_TotWoul"), 50.0);
        QCOMPARE(lot.number(0, "Gong_DaongWoul"), 0.0);
        QCOMPARE(lot.number(0, "Gong_JenGiWonAmt"), 200.0);
        QCOMPARE(lot.number(0, "Gong_JenGiNoMu_01"), 30.0);
        QCOMPARE(lot.number(0, "Gong_JenGiJeyJo_02"), 20.0);
        QCOMPARE(lot.number(0, "Gong_WoulAmtTot"), 450.0);
        const ResultSet product = b.db().query("Select * From MC_ChaongGoJeyPumInPut");
        QCOMPARE(product.text(0, "JeyPum_Kubun"), QStringLiteral("전기이월"));
        QCOMPARE(product.text(0, "JeyPum_Model"), QStringLiteral("S-1"));
        QCOMPARE(product.number(0, "JeyPum_GaAmt"), 600.0);
        QCOMPARE(product.number(0, "JeyPum_JenGiNoMu"), 300.0);
        QCOMPARE(product.number(0, "JeyPum_TotGaAmt"), 900.0);
    }

    // Only before the books' first close: afterwards the close is what brings stock forward.
    void refusedAfterAClose()
    {
        Books b;
        QVERIFY(runMonthClose(b.db(), April, {false}).done());
        const QString before = booksSnapshot(b.db());
        QStringList reasons;
        const ImportOutcome outcome = runImport(b.db(), Kind::Opening, openingFile(), {}, [&](const RowReport &r) {
            for (const Problem &p : r.problems)
                reasons << p.reason;
        });
        QVERIFY(!outcome.written);
        QCOMPARE(reasons, QStringList{"이미 마감한 달이 있는 장부에는 기초재고를 가져올 수 없습니다: 기초재고는 장부의 "
                                      "첫 마감 전에만 가져옵니다."});
        QCOMPARE(booksSnapshot(b.db()), before);
    }

    // A code's opening stock is replaced only when chosen, and not once anything draws on it.
    void replacedOnlyWhileUnused()
    {
        Books b;
        const QString path = openingFile();
        QVERIFY(runImport(b.db(), Kind::Opening, path, {}).written);
        const ImportOutcome twice = runImport(b.db(), Kind::Opening, path, {});
        QCOMPARE(twice.refusedRows, 3);
        const ImportOutcome replaced = runImport(b.db(), Kind::Opening, path, {false, true});
        QVERIFY(replaced.written);
        QCOMPARE(replaced.updated, 3);
        QCOMPARE(b.db().count("Select * From MC_WonJaJeyInPut"), 1);
        QCOMPARE(b.db().count("Select * From MC_ChaongGoJeyPumInPut"), 1);
        const QString receipt = b.db().scalar("Select InPut_Serial From MC_WonJaJeyInPut").toString();
        addLot(b.db(), "A0000000009", {{"Gong_WonCode", "ST01"}, {"Gong_SuKg", 2.0}, {"Gong_InPutSerial", receipt}});
        QStringList reasons;
        runImport(b.db(), Kind::Opening, path, {false, true}, [&](const RowReport &r) {
            for (const Problem &p : r.problems)
                reasons << p.reason;
        });
        QCOMPARE(reasons,
                 QStringList{"이 코드의 기초재고(저장순서 " + receipt + ")를 쓴 자료가 있어 바꿀 수 없습니다."});
    }

    // Opening stock is the month's opening in every report; the month's ties hold before and
    // after its close, and the close carries what is left of it.
    void flowsThroughTheMonth()
    {
        Books b;
        Db &db = b.db();
        QVERIFY(runImport(db, Kind::Opening, openingFile(), {}).written);
        const QString receipt = db.scalar("Select InPut_Serial From MC_WonJaJeyInPut").toString();
        const QString stock = db.scalar("Select JeyPum_Serial From MC_ChaongGoJeyPumInPut").toString();
        addLot(db, "A0000000009",
               {{"Gong_WonCode", "ST01"},
                {"Gong_WonName", "냉연강판"},
                {"Gong_SuKg", 2.0},
                {"Gong_DanGa", 100.0},
                {"Gong_GaAmt", 200.0},
                {"Gong_InPutSerial", receipt}});
        addRow(db, "MC_ChaongGoJeyPumInPut_ChulGo",
               {{"ChulGo_Date", "2005-04-20"},
                {"ChulGo_JeyPumCode", "P100"},
                {"ChulGo_SuKg", 1.0},
                {"ChulGo_DanGa", 500.0},
                {"ChulGo_GaAmt", 500.0},
                {"ChulGo_Kubun", "정기매출출고"},
                {"ChulGo_JeyPumSerial", stock}});
        QVERIFY(runAllocation(db, April).done());

        using namespace reports;
        statements::recreateTable(db);
        const ResultSet cost = statements::costOfGoodsManufactured(db, April).rows;
        QCOMPARE(statements::leftTotal(cost, "40401001"), 1000.0); // opening raw materials
        QCOMPARE(statements::rightTotal(cost, "40406000"), 450.0); // opening WIP
        const ResultSet income = statements::incomeStatement(db, April).rows;
        QCOMPARE(statements::leftTotal(income, "40304002"), 900.0); // opening products
        const auto untied = [](const ties::Verification &v) {
            QStringList out;
            for (const ties::Tie &t : v.ties)
                if (!t.holds())
                    out << QStringLiteral("%1: %2 / %3").arg(t.what).arg(t.left).arg(t.right);
            return out.join('\n');
        };
        const ties::Verification open = ties::verifyMonth(db, April);
        QVERIFY2(open.holds(), qPrintable(untied(open)));

        const CloseOutcome closed = runMonthClose(db, April, {false});
        QVERIFY(closed.done());
        QCOMPARE(closed.carriedReceipts, 1);
        QCOMPARE(closed.carriedLots, 2);
        QCOMPARE(closed.carriedProducts, 1);
        const ties::Verification after = ties::verifyMonth(db, April);
        QVERIFY2(after.holds(), qPrintable(untied(after)));
        QCOMPARE(db.scalar("Select InPut_SuKg From MC_WonJaJeyInPut Where InPut_Month = '05'").toDouble(), 8.0);
        QCOMPARE(db.scalar("Select JeyPum_SuKg From MC_ChaongGoJeyPumInPut Where JeyPum_Month = '05'").toDouble(), 2.0);
    }
};

QTEST_GUILESS_MAIN(OpeningStockTest)
#include "tst_openingstock.moc"
