#include "BothEngines.h"
#include "ClosingFixture.h"
#include "MonthGenerator.h"
#include "reports/RowChecks.h"
#include "store/StoreError.h"

#include <QTest>
#include <cmath>

Q_DECLARE_METATYPE(zedur::Period)

using namespace zedur;
using namespace zedur::test;
using namespace zedur::reports::rowchecks;

// Every derived figure of a month's rows is worked out again from the row it came from: on
// sound books nothing differs, whatever order the rows were saved in, and a figure changed
// behind the engines' back is named by its row and column, and by nothing else.
namespace {

const Period June{QStringLiteral("2005"), QStringLiteral("06")};

QString listed(const RowCheck &check)
{
    QStringList out;
    for (const RowDifference &d : check.differences)
        out << QStringLiteral("%1 %2 %3: %4 <> %5")
                   .arg(d.table, d.serial, d.column)
                   .arg(d.stored, 0, 'f', 6)
                   .arg(d.workedOut, 0, 'f', 6);
    return (out + check.notes).join(u'\n');
}

MonthShape shapeOf(int lots, double typedReceipts)
{
    MonthShape shape{lots};
    shape.typedReceiptShare = typedReceipts;
    return shape;
}

// The first row of a table in a month that `which` chooses.
QString firstRow(Db &db, const QString &table, const QString &prefix, const Period &month, const QString &which)
{
    return db
        .scalar(QStringLiteral("Select Min(%1Serial) From %2 Where %1Year = :y And %1Month = :m And (%3)")
                    .arg(prefix, table, which),
                {{":y", month.year}, {":m", month.month}})
        .toString();
}

} // namespace

class RowChecksTest : public QObject
{
    Q_OBJECT

    // April and May allocated and closed, June allocated and open: generated once for the
    // table of changed figures, each of which is undone again.
    std::unique_ptr<TestBooks> m_books;

private slots:
    void initTestCase()
    {
        m_books = std::make_unique<TestBooks>();
        generateBooks(m_books->db(), 12, 3, shapeOf(30, 0.3));
    }

    void cleanupTestCase() { m_books.reset(); }

    void soundBooksPass_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("lots");
        QTest::addColumn<double>("typedReceipts");
        QTest::newRow("amounts at quantity x price") << 1u << 40 << 0.0;
        QTest::newRow("receipt amounts typed apart, issued in pieces") << 7u << 40 << 0.5;
        QTest::newRow("few lots") << 3u << 6 << 0.2;
        QTest::newRow("many lots") << 2u << 90 << 0.1;
    }

    // Two closed months, their carry into the next month included, and an allocated open one.
    void soundBooksPass()
    {
        QFETCH(quint32, seed);
        QFETCH(int, lots);
        QFETCH(double, typedReceipts);
        TestBooks books;
        generateBooks(books.db(), seed, 3, shapeOf(lots, typedReceipts));
        for (const Period &month : {April, May, June}) {
            const RowCheck check = checkRows(books.db(), month);
            QVERIFY2(check.holds(), qPrintable(month.text() + u'\n' + listed(check)));
            QVERIFY(check.rows > 0);
            QVERIFY2(check.notes.isEmpty(), qPrintable(check.notes.join(u'\n')));
        }
    }

    // A month changed since its allocation: what the allocation rewrites is checked by the
    // rule that wrote it at the save, and still a changed figure is named.
    void aMonthChangedSinceItsAllocationIsCheckedByItsSaveRules()
    {
        TestBooks books;
        Db &db = books.db();
        generateBooks(db, 12, 2, shapeOf(30, 0.3), false);
        period::markRecalculation(db);
        RowCheck check = checkRows(db, May);
        QVERIFY2(check.holds(), qPrintable(listed(check)));
        QCOMPARE(check.notes.filter(QStringLiteral("배부액")).size(), 1);

        for (const auto &[table, prefix, column] :
             {std::tuple{"MC_ChaongGoJeyPumInPut_ChulGo", "ChulGo_", "ChulGo_WonJaJeyAmt"},
              std::tuple{"MC_JeyGongPumInPut_TaAc", "TaGong_", "TaGong_JenGiWonAmt"}}) {
            Transaction undone(db);
            const QString serial = firstRow(db, table, prefix, May, QStringLiteral("%1 <> 0").arg(column));
            QVERIFY(!serial.isEmpty());
            db.exec(QStringLiteral("UpDate %1 Set %2 = %2 + 1000 Where %3Serial = :s").arg(table, column, prefix),
                    {{":s", serial}});
            check = checkRows(db, May);
            QCOMPARE(check.differences.size(), 1);
            QCOMPARE(check.differences.first().serial, serial);
            QCOMPARE(check.differences.first().column, QString(column));
        }
    }

    void aChangedFigureIsNamed_data()
    {
        QTest::addColumn<Period>("verified");
        QTest::addColumn<Period>("changed");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("which");
        struct Kind {
            const char *name;
            const char *table;
            const char *column;
            const char *which;
        };
        const Kind kinds[] = {
            {"an issue's amount", "MC_JeyGongPumInPut", "Gong_GaAmt", "Gong_Kubun = '당월투입'"},
            {"an issue's amount from a receipt typed apart", "MC_JeyGongPumInPut", "Gong_GaAmt",
             "Gong_Kubun = '당월투입' And Gong_InPutSerial In (Select InPut_Serial From MC_WonJaJeyInPut "
             "Where abs(InPut_GaAmt - InPut_SuKg * InPut_DanGa) > 0.01)"},
            {"a raw-material transfer's amount", "MC_WonJaJeyInPut_TaAc", "TaInPut_GaAmt", "1 = 1"},
            {"the cost of a lot's completion rate", "MC_JeyGongPumInPut", "Gong_DaongWonAmt", "Gong_DaongWoul > 0"},
            {"a lot's common labour", "MC_JeyGongPumInPut", "Gong_DaongNoMu_02", "Gong_DaongWonAmt > 0"},
            {"a lot's total", "MC_JeyGongPumInPut", "Gong_WoulAmtTot", "1 = 1"},
            {"a WIP transfer's raw-material amount", "MC_JeyGongPumInPut_TaAc", "TaGong_GaAmt", "1 = 1"},
            {"a WIP transfer's allocated overhead", "MC_JeyGongPumInPut_TaAc", "TaGong_DaongJeyJo_02", "1 = 1"},
            {"a completion's raw-material slice", "MC_ChaongGoJeyGongPumInJeyGong", "InGong_GaAmt", "1 = 1"},
            {"a completion's slice of what its lot brought forward", "MC_ChaongGoJeyGongPumInJeyGong",
             "InGong_JenGiWonAmt", "InGong_JenGiWonAmt <> 0"},
            {"a completion's allocated total", "MC_ChaongGoJeyGongPumInJeyGong", "InGong_WoulAmtTot", "1 = 1"},
            {"a product receipt's raw-material sum", "MC_ChaongGoJeyPumInPut", "JeyPum_GaAmt",
             "JeyPum_Kubun = '당월입고'"},
            {"a product receipt's cost", "MC_ChaongGoJeyPumInPut", "JeyPum_TotGaAmt", "JeyPum_Kubun = '당월입고'"},
            {"a return receipt's cost", "MC_ChaongGoJeyPumInPut", "JeyPum_TotGaAmt", "JeyPum_Kubun = '매출반품입고'"},
            {"a shipment's cost", "MC_ChaongGoJeyPumInPut_ChulGo", "ChulGo_WonJaJeyAmt",
             "ChulGo_Kubun = '정기매출출고'"},
            {"a product transfer's cost", "MC_ChaongGoJeyPumInPut_TaAc", "TaJeyPum_TotGaAmt", "1 = 1"},
            {"a product transfer's raw-material amount", "MC_ChaongGoJeyPumInPut_TaAc", "TaJeyPum_GaAmt", "1 = 1"},
            {"a returned sale's amount", "MC_ChaongGoJeyPumInPut_ChulGo", "ChulGo_GaAmt",
             "ChulGo_Kubun = '반품매출액'"},
            {"a returned sale's cost", "MC_ChaongGoJeyPumInPut_ChulGo", "ChulGo_WonJaJeyAmt",
             "ChulGo_Kubun = '반품매출액'"},
        };
        for (const Kind &k : kinds)
            for (const Period &month : {May, June})
                QTest::addRow("%s, %s month", k.name, month == May ? "closed" : "open")
                    << month << month << k.table << k.column << k.which;
        // What a closed month carried: the next month's rows it brought forward.
        const Kind carried[] = {
            {"a brought-forward receipt's amount", "MC_WonJaJeyInPut", "InPut_GaAmt", "InPut_Kubun = '전기이월'"},
            {"a brought-forward lot's quantity", "MC_JeyGongPumInPut", "Gong_SuKg", "Gong_Kubun = '전기이월'"},
            {"a brought-forward lot's labour", "MC_JeyGongPumInPut", "Gong_JenGiNoMu_02", "Gong_Kubun = '전기이월'"},
            {"a brought-forward product's cost", "MC_ChaongGoJeyPumInPut", "JeyPum_TotGaAmt",
             "JeyPum_Kubun = '전기이월'"},
        };
        for (const Kind &k : carried)
            QTest::addRow("%s, closed month", k.name) << May << June << k.table << k.column << k.which;
    }

    // Each changed by 1,000 (and undone afterwards): named with its row and column, and
    // nothing else is, because what was made from it is checked against the figure worked out.
    void aChangedFigureIsNamed()
    {
        QFETCH(Period, verified);
        QFETCH(Period, changed);
        QFETCH(QString, table);
        QFETCH(QString, column);
        QFETCH(QString, which);
        Db &db = m_books->db();
        const QString prefix = column.section(u'_', 0, 0) + u'_';
        Transaction undone(db);
        const QString serial = firstRow(db, table, prefix, changed, which);
        QVERIFY2(!serial.isEmpty(), "the generated books hold no such row");
        db.exec(QStringLiteral("UpDate %1 Set %2 = %2 + 1000 Where %3Serial = :s").arg(table, column, prefix),
                {{":s", serial}});

        const RowCheck check = checkRows(db, verified);
        QVERIFY2(check.differences.size() == 1, qPrintable(listed(check)));
        const RowDifference &d = check.differences.first();
        QCOMPARE(d.table, table);
        QCOMPARE(d.serial, serial);
        QCOMPARE(d.column, column);
        QVERIFY2(std::fabs(d.stored - d.workedOut - 1000) < 0.01, qPrintable(listed(check)));
    }

    // A brought-forward row lost, or one the close never wrote: both named.
    void aBroughtForwardRowMissingOrExtraIsNamed()
    {
        Db &db = m_books->db();
        Transaction undone(db);
        const QString lost = firstRow(db, "MC_ChaongGoJeyPumInPut", "JeyPum_", June, "JeyPum_Kubun = '전기이월'");
        const QString source =
            db.scalar("Select JeyPum_JeyPumSerial From MC_ChaongGoJeyPumInPut Where JeyPum_Serial = :s", {{":s", lost}})
                .toString();
        db.exec("Delete From MC_ChaongGoJeyPumInPut Where JeyPum_Serial = :s", {{":s", lost}});
        const QString extra = firstRow(db, "MC_JeyGongPumInPut", "Gong_", June, "Gong_Kubun = '당월투입'");
        db.exec("UpDate MC_JeyGongPumInPut Set Gong_Kubun = '전기이월' Where Gong_Serial = :s", {{":s", extra}});

        const RowCheck check = checkRows(db, May);
        QVERIFY2(check.differences.size() == 2, qPrintable(listed(check)));
        QCOMPARE(check.differences.at(0).table, QStringLiteral("MC_JeyGongPumInPut"));
        QCOMPARE(check.differences.at(0).serial, extra);
        QVERIFY(std::isnan(check.differences.at(0).workedOut));
        QCOMPARE(check.differences.at(1).serial, QStringLiteral("JeyPum_JeyPumSerial=") + source);
        QVERIFY(std::isnan(check.differences.at(1).stored));
    }

    // The checks read the books and leave them, and the connection, as they were: their
    // copies are gone afterwards, and a second run finds what the first found.
    void checkingChangesNothing()
    {
        Db &db = m_books->db();
        const QStringList before = picture(db);
        const QStringList tables = db.tableNames();
        const RowCheck first = checkRows(db, May);
        QCOMPARE(picture(db), before);
        QCOMPARE(db.tableNames(), tables);
        QVERIFY_THROWS_EXCEPTION(StoreError, db.scalar("Select count(*) From Scratch_MC_JeyGongPumInPut"));
        const RowCheck second = checkRows(db, May);
        QCOMPARE(second.rows, first.rows);
        QVERIFY(second.holds());
    }
};

ZEDUR_TEST_ON_BOTH_ENGINES(RowChecksTest)
#include "tst_rowchecks.moc"
