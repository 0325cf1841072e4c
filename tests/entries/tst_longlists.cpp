#include "MonthGenerator.h"
#include "common/ui/DataGrid.h"
#include "common/ui/GridTotals.h"
#include "entries/ui/TMC_ChaongGoJeyPumChulGoTaAc_Form.h"
#include "entries/ui/TMC_JeyGongPumToTaAcInPut_Form.h"
#include "entries/ui/TMC_JeyGongPumWoulInPut_Form.h"
#include "entries/ui/TMC_WonJaJeyInPut_Form.h"
#include "entries/ui/TMC_WonJaJeyTaJeyGongVw_Form.h"
#include "store/ListPages.h"
#include "ui/ScreenFixture.h"

#include <QScrollBar>
#include <QtTest>
#include <functional>

using namespace zedur;
using namespace zedur::test;

namespace {

using MakeScreen = std::function<std::unique_ptr<RecordScreen>()>;

template <class S> MakeScreen make()
{
    return [] { return std::unique_ptr<RecordScreen>(std::make_unique<S>()); };
}

} // namespace

Q_DECLARE_METATYPE(MakeScreen)

// A month far longer than the pages a grid reads at a time: scrolled to its end, a screen's
// list holds every row of the month in the list's order, and its totals are the sums of them all.
class LongListsTest : public QObject
{
    Q_OBJECT

private slots:
    void aScrolledListShowsEveryRow_data()
    {
        QTest::addColumn<MakeScreen>("screen");
        QTest::addColumn<QString>("monthRows"); // what counts the month's rows in SQL
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("totalled");
        const QString year = QStringLiteral(" Where %1_Year = '2005' And %1_Month = '04'");
        QTest::newRow("receipts") << make<TMC_WonJaJeyInPut_Form>()
                                  << "Select count(*) From MC_WonJaJeyInPut" + year.arg("InPut") << "InPut_Serial"
                                  << QStringList{"InPut_SuKg", "InPut_GaAmt"};
        QTest::newRow("issues") << make<TMC_WonJaJeyTaJeyGongVw_Form>()
                                << "Select count(*) From MC_WonJaJeyInPut" + year.arg("InPut") << "InPut_Serial"
                                << QStringList{"InPut_SuKg", "InPut_SuKgJan", "InPut_GaAmtJan"};
        QTest::newRow("completion rates")
            << make<TMC_JeyGongPumWoulInPut_Form>() << "Select count(*) From MC_JeyGongPumInPut" + year.arg("Gong")
            << "Gong_Serial" << QStringList{"Gong_SuKg", "Gong_GaAmt", "Gong_WoulAmtTot"};
        QTest::newRow("WIP transfers")
            << make<TMC_JeyGongPumToTaAcInPut_Form>() << "Select count(*) From MC_JeyGongPumInPut" + year.arg("Gong")
            << "Gong_Serial" << QStringList{"Gong_GongSuKg", "JeyGo_SuKg"};
        QTest::newRow("shipments") << make<TMC_ChaongGoJeyPumChulGoTaAc_Form>()
                                   << "Select count(*) From MC_ChaongGoJeyPumInPut" + year.arg("JeyPum")
                                   << "JeyPum_Serial" << QStringList{"JeyPum_SuKg", "JeyPum_JeyGoSuKg"};
    }
    void aScrolledListShowsEveryRow()
    {
        QFETCH(MakeScreen, screen);
        QFETCH(QString, monthRows);
        QFETCH(QString, key);
        QFETCH(QStringList, totalled);
        ScreenFixture<RecordScreen> f;
        MonthGenerator(f.db(), 2005040u).fillOpenMonth(MonthShape{6000});
        const int inMonth = f.db().scalar(monthRows).toInt();
        QVERIFY2(inMonth > 4 * ListPages::PageSize, qPrintable(QString::number(inMonth)));
        f.drive(screen());
        QVERIFY2(f.messages.messages.isEmpty(), qPrintable(f.messages.lastText()));
        DataGrid *grid = f.ui->grid();

        grid->scrollToBottom();
        QApplication::processEvents();
        (void)grid->grab();
        QCOMPARE(grid->verticalScrollBar()->value(), grid->verticalScrollBar()->maximum());
        QCOMPARE(grid->rowCount(), inMonth);
        // Every row as the grid reads it, page after page, against the list read whole.
        const ResultSet whole = grid->rows().whole();
        QCOMPARE(whole.size(), inMonth);
        const QStringList scrolled = f.ui->column(key);
        QStringList listed;
        for (int r = 0; r < whole.size(); ++r)
            listed << whole.text(r, key);
        QCOMPARE(scrolled, listed);
        QCOMPARE(QSet<QString>(scrolled.begin(), scrolled.end()).size(), inMonth);
        const QVector<double> summed = grid->rows().totals(totalled);
        const QVector<double> added = grid->rows().Rows::totals(totalled);
        for (int i = 0; i < totalled.size(); ++i)
            QVERIFY2(qAbs(summed.at(i) - added.at(i)) < 1e-6 * qMax(1.0, qAbs(added.at(i))),
                     qPrintable(QStringLiteral("%1: %2 against %3").arg(totalled.at(i)).arg(summed.at(i)).arg(added.at(i))));
        QVERIFY(GridTotals::totalsText(grid, totalled).startsWith(QStringLiteral("합계 %1건").arg(inMonth)));
        QVERIFY2(f.messages.messages.isEmpty(), qPrintable(f.messages.lastText()));
    }
};

QTEST_MAIN(LongListsTest)
#include "tst_longlists.moc"
