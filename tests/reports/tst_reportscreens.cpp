#include "MessageRecorder.h"
#include "ReportFixture.h"
#include "common/SpreadsheetExport.h"
#include "common/ui/ListCombo.h"
#include "reports/ui/MonthChartView.h"
#include "reports/ui/TMC_ReportBeyBu01_Form.h"
#include "reports/ui/TMC_ReportBeyBu05_Form.h"
#include "reports/ui/TMC_ReportJeyGongPumYbChulGo_Form.h"
#include "reports/ui/TMC_ReportJeyJoAmtVw_Form.h"
#include "reports/ui/TMC_ReportJeyJoVwList_Form.h"
#include "reports/ui/TMC_ReportJeyPumTrend_Form.h"
#include "reports/ui/TMC_ReportWonJaJeyYbChulGo_Form.h"
#include "ui/ScreenDriver.h"

#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>

using namespace zedur;
using test::addRow;
using test::MessageRecorder;
using test::ScreenDriver;
using test::TestBooks;

namespace {
const QString two = LB + LB;
const QString checkPlease = "체크 확인 바랍니다..................... ";

QString panelText(QWidget &screen, const QString &name = "Panel1")
{
    return screen.findChild<QLabel *>(name)->text();
}

// Two sales of two product receipts, each made of one lot of its own raw material.
void twoSales(Db &db)
{
    for (const QString code : {"W1", "W2"}) {
        const QString receipt = addRow(db, "MC_WonJaJeyInPut", {{"InPut_Date", "2005-04-02"}, {"InPut_WonCode", code}});
        const QString lot =
            addRow(db, "MC_JeyGongPumInPut", {{"Gong_Date", "2005-04-03"}, {"Gong_InPutSerial", receipt}});
        const QString product = addRow(db, "MC_ChaongGoJeyPumInPut", {{"JeyPum_Date", "2005-04-10"}});
        addRow(db, "MC_ChaongGoJeyGongPumInJeyGong",
               {{"InGong_Date", "2005-04-10"}, {"InGong_GongSerial", lot}, {"InGong_JeyPumSerial", product}});
        addRow(db, "MC_ChaongGoJeyPumInPut_ChulGo", {{"ChulGo_Date", "2005-04-20"}, {"ChulGo_JeyPumSerial", product}});
    }
}
} // namespace

class ReportScreensTest : public QObject
{
    Q_OBJECT

private slots:
    void aReportOpensOnTheOpenMonthAndOnlyReadsIt()
    {
        TestBooks books;
        MessageRecorder messages;
        TMC_ReportWonJaJeyYbChulGo_Form screen;
        ScreenDriver ui(&screen);
        QCOMPARE(screen.cbYear->currentText(), QStringLiteral("2005"));
        QCOMPARE(screen.cbMonth->currentText(), QStringLiteral("04"));
        QCOMPARE(panelText(screen), QStringLiteral("<<< 배부액을 재 계산하여야 할 상태 >>>"));
        QCOMPARE(books.db().scalar("Select YM_Kubun From MC_YearMonthCheck Where YM_Month = '04'").toString(),
                 QStringLiteral("미마감"));
        QVERIFY(!screen.DBGrid1->isOpen()); // nothing is built before the search
        // The lists take picks only.
        ui.focus("cbYear");
        ui.keys("a");
        QCOMPARE(messages.texts(), QStringList{"잘못 입력하셨습니다"});
        QCOMPARE(screen.windowTitle(), QStringLiteral("원자재 계정과목의 입출고된 정보 데이타를 확인하는 폼 입니다."));
    }

    void aRefusedMonthEmptiesTheLists_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("warning");
        QTest::newRow("never opened") << ""
                                      << "06"
                                      << "최종 데이타가 등록된 년월은 " + two + "2005년 04월으므로" + two + checkPlease;
        QTest::newRow("two open months") << "UpDate MC_YearMonthCheck Set YM_Kubun = '미마감'"
                                         << "04"
                                         << "월별 체크 테이블에 " + two + "중대한 오류가 발행 하였으니" + two +
                                                checkPlease;
    }
    void aRefusedMonthEmptiesTheLists()
    {
        QFETCH(QString, setup);
        QFETCH(QString, month);
        QFETCH(QString, warning);
        TestBooks books;
        MessageRecorder messages;
        TMC_ReportJeyGongPumYbChulGo_Form screen;
        ScreenDriver ui(&screen);
        ui.click("SearchBtn");
        QCOMPARE(screen.DBGrid2->rowCount(), 6);
        if (!setup.isEmpty())
            books.db().exec(setup);
        screen.cbMonth->setCurrentIndex(screen.cbMonth->findText(month));
        messages.clear();
        ui.click("SearchBtn");
        QCOMPARE(messages.texts(), QStringList{warning});
        QCOMPARE(panelText(screen), QStringLiteral("데이타 없습니다."));
        QVERIFY(!screen.DBGrid1->isOpen());
        QVERIFY(!screen.DBGrid2->isOpen());
        messages.clear();
        ui.click("PrintBtn"); // nothing to export: nothing happens
        QVERIFY(messages.texts().isEmpty());
    }

    void aClosedMonthIsShownWithItsMemo()
    {
        TestBooks books;
        addRow(books.db(), "MC_WonJaJeyInPut", {{"InPut_Date", "2005-03-10"}, {"InPut_GaAmt", 5}});
        TMC_ReportWonJaJeyYbChulGo_Form screen;
        ScreenDriver ui(&screen);
        screen.cbMonth->setCurrentIndex(2);
        ui.click("SearchBtn");
        QCOMPARE(panelText(screen), QStringLiteral("<<< 배부액 계산 완료 후 마감및이월작업지까 완료한 상태 >>>"));
        QCOMPARE(ui.column("RInPut_Kubun"), (QStringList{"", "합계"}));
        // The total row is drawn apart.
        const QModelIndex total = screen.DBGrid1->model()->index(1, 0);
        QCOMPARE(total.data(Qt::BackgroundRole).value<QColor>(), QColor(0xC0, 0xC0, 0xC0));
        QVERIFY(total.data(Qt::FontRole).value<QFont>().bold());
    }

    void theWipExportWritesTheDetailThenTheSummary()
    {
        TestBooks books;
        MessageRecorder messages;
        TMC_ReportJeyGongPumYbChulGo_Form screen;
        ScreenDriver ui(&screen);
        ui.click("SearchBtn");
        ui.click("PrintBtn");
        QCOMPARE(messages.texts(), QStringList{"Excel로 이전되었읍니다...."});
        const QStringList files = QDir(books.dir() + "Data_Save").entryList({"*.xlsx"});
        QCOMPARE(files.size(), 1);
        QProcess unzip;
        unzip.start("unzip", {"-p", books.dir() + "Data_Save/" + files.first(), "xl/workbook.xml"});
        QVERIFY(unzip.waitForFinished());
        QCOMPARE(QString::fromUtf8(unzip.readAllStandardOutput()).count("<sheet "), 2);
    }

    void aStatementIsShownChartedAndSavedAsPdf()
    {
        TestBooks books;
        MessageRecorder messages;
        QStringList opened;
        setFileOpener([&](const QString &path) {
            opened << path;
            return true;
        });
        addRow(books.db(), "MC_AcNameAmtInPut",
               {{"Amt_Date", "2005-04-28"},
                {"Amt_AcCode", "40403001"},
                {"Amt_GroupKubun", "제조원가명세서"},
                {"Amt_JeyJoKubun", "간접"},
                {"Amt_Amt", 700}});
        TMC_ReportJeyJoVwList_Form screen;
        ScreenDriver ui(&screen);
        QVERIFY(!screen.PdfBtn->isEnabled());
        ui.click("SearchBtn");
        QVERIFY(screen.DBGrid1->rowCount() > 10);
        // The group line of labour: aqua, bold; its account name keeps its indent.
        const int group = screen.DBGrid1->rows().find("Report_AcCode", "40403000");
        QCOMPARE(screen.DBGrid1->model()->index(group, 0).data(Qt::BackgroundRole).value<QColor>(),
                 QColor(0x00, 0xFF, 0xFF));
        const int detail = screen.DBGrid1->rows().find("Report_AcCode", "40403001");
        QCOMPARE(screen.DBGrid1->model()->index(detail, 1).data().toString(), QStringLiteral("    임금"));
        // The month before the books' first is empty; the year to date is the month alone.
        QVERIFY(screen.DBGrid1->rows().whole().value(group, "PrevTotal").isNull());
        QCOMPARE(screen.DBGrid1->rows().whole().number(group, "YtdTotal"), 700.0);
        QCOMPARE(screen.ChartView->monthChart().months, QStringList{"2005-04"});
        QCOMPARE(screen.ChartView->monthChart().series.size(), 3);
        QCOMPARE(screen.ChartView->monthChart().series.at(1).values, QVector<double>{700.0});
        QCOMPARE(screen.ChartView->chart()->series().size(), 3);

        ui.click("PdfBtn");
        QCOMPARE(opened.size(), 1);
        QVERIFY(opened.first().endsWith(".pdf"));
        QFile pdf(opened.first());
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        QCOMPARE(messages.texts(), QStringList{"PDF 화일로 저장되었읍니다...." + LB + opened.first()});
        setFileOpener([](const QString &) { return true; });
    }

    // The trend opens on the twelve months up to the open one, lists each product's months
    // and charts the product picked; its PDF holds the table and the charts.
    void theTrendChartsThePickedProduct()
    {
        TestBooks books;
        MessageRecorder messages;
        QStringList opened;
        setFileOpener([&](const QString &path) {
            opened << path;
            return true;
        });
        for (const QString code : {"P1", "P2"})
            addRow(books.db(), "MC_ChaongGoJeyPumInPut",
                   {{"JeyPum_Date", "2005-04-10"},
                    {"JeyPum_JeyPumCode", code},
                    {"JeyPum_Kubun", "당월입고"},
                    {"JeyPum_SuKg", 10},
                    {"JeyPum_TotGaAmt", code == u"P1" ? 80 : 120}});
        TMC_ReportJeyPumTrend_Form screen;
        ScreenDriver ui(&screen);
        QCOMPARE(screen.cbFromYear->currentText() + screen.cbFromMonth->currentText(), QStringLiteral("200405"));
        QVERIFY(!screen.PdfBtn->isEnabled());
        ui.click("SearchBtn");
        QCOMPARE(ui.column("Trend_JeyPumCode"), (QStringList{"P1", "P2"}));
        QCOMPARE(screen.cbJeyPum->count(), 2);
        QCOMPARE(screen.ChartView->monthChart().series.at(0).values, QVector<double>{8.0});
        screen.cbJeyPum->setCurrentIndex(1);
        QCOMPARE(screen.ChartView->monthChart().series.at(0).values, QVector<double>{12.0});

        ui.click("PdfBtn");
        QCOMPARE(opened.size(), 1);
        QFile pdf(opened.first());
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        setFileOpener([](const QString &) { return true; });

        // A last month the books never opened: the warning, and nothing shown.
        messages.clear();
        screen.cbMonth->setCurrentIndex(5);
        ui.click("SearchBtn");
        QVERIFY(!screen.DBGrid1->isOpen());
        QCOMPARE(screen.cbJeyPum->count(), 0);
        QVERIFY(messages.texts().value(0).startsWith("최종 데이타가 등록된 년월은 "));
    }

    void aTraceFollowsTheRowUnderTheKeyboardAndTheMouse()
    {
        TestBooks books;
        MessageRecorder messages;
        twoSales(books.db());
        TMC_ReportBeyBu01_Form screen;
        ScreenDriver ui(&screen);
        QVERIFY(!screen.PrintBtn->isEnabled());
        QCOMPARE(panelText(screen, "Panel16"), QStringLiteral("<<< 배부액을 재 계산하여야 할 상태 >>>"));
        QCOMPARE(screen.DBGrid_ChulGo->rowCount(), 2); // filled for the open month when shown

        ui.pickRow(0, 1, "DBGrid_ChulGo");
        QCOMPARE(ui.column("JeyPum_Serial", "DBGrid_JeyPum"), QStringList{"A0000000001"});
        ui.pickRow(0, 1, "DBGrid_JeyPum");
        ui.pickRow(0, 1, "DBGrid_ChaongGoJeyGongPum");
        ui.pickRow(0, 1, "DBGrid_JeyJoJeyGongPum");
        QCOMPARE(ui.column("InPut_WonCode", "DBGrid_WonJaJey"), QStringList{"W1"});

        // An arrow key moves to the second sale: its receipt shows, the stages below empty.
        ui.focus("DBGrid_ChulGo");
        ui.press(Qt::Key_Down);
        QCOMPARE(ui.column("JeyPum_Serial", "DBGrid_JeyPum"), QStringList{"A0000000002"});
        QCOMPARE(screen.DBGrid_ChaongGoJeyGongPum->rowCount(), 0);
        QCOMPARE(screen.DBGrid_WonJaJey->rowCount(), 0);

        ui.click("WonJaJeyPrintBtn");
        QCOMPARE(messages.texts(),
                 QStringList{"데이타가 없으므로 " + two + "엑셀전환이 불가능합니다..................... "});
        messages.clear();
        ui.click("ChulGoPrintBtn");
        QCOMPARE(messages.texts(), QStringList{"Excel로 이전되었읍니다...."});
    }

    void aTraceSearchEmptiesEveryListFirst()
    {
        TestBooks books;
        MessageRecorder messages;
        books.db().exec("Insert InTo MC_WonJaJeyInPut_TaAc (TaInPut_Serial, TaInPut_Year, TaInPut_Month) "
                        "Values ('A0000000001', '2005', '04')");
        TMC_ReportBeyBu05_Form screen;
        ScreenDriver ui(&screen);
        QCOMPARE(screen.SearchBtn->text(), QStringLiteral("검색"));
        ui.pickRow(0, 1, "DBGrid_WonJaJeyTaAc");
        QVERIFY(screen.DBGrid_WonJaJey->isOpen());
        screen.cbYear->setCurrentIndex(0);
        ui.click("SearchBtn");
        QVERIFY(!screen.DBGrid_WonJaJeyTaAc->isOpen());
        QVERIFY(!screen.DBGrid_WonJaJey->isOpen());
        QCOMPARE(panelText(screen, "Panel16"), QStringLiteral("데이타 없습니다."));
    }

    void leavingAMonthListShowsTheLinks()
    {
        TestBooks books;
        MessageRecorder messages;
        addRow(books.db(), "MC_AcNameAmtInPut", {{"Amt_Date", "2005-03-28"}, {"Amt_Amt", 5}});
        TMC_ReportJeyJoAmtVw_Form screen;
        ScreenDriver ui(&screen);
        QVERIFY(!screen.DBGrid1->isOpen()); // empty until asked
        ui.focus("cbMonth");
        screen.cbMonth->setCurrentIndex(2);
        ui.press(Qt::Key_Tab);
        QCOMPARE(ui.column("Amt_Month"), QStringList{"03"});
        QVERIFY(messages.texts().isEmpty());
    }
};

QTEST_MAIN(ReportScreensTest)
#include "tst_reportscreens.moc"
