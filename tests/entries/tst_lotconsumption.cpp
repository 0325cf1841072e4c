#include "entries/LotConsumption.h"

#include <QTest>

using namespace zedur;
using namespace zedur::warehouse;

namespace {

// "L1 W1 2005-04-01 2" : serial, raw material, date, what the lot offers.
QVector<LotOffer> lotsOf(const QStringList &lines)
{
    QVector<LotOffer> lots;
    for (const QString &line : lines) {
        const QStringList p = line.split(u' ');
        LotOffer lot;
        lot.serial = p.at(0);
        lot.code = p.at(1);
        lot.date = p.at(2);
        lot.quantity = p.at(3).toDouble();
        lots << lot;
    }
    return lots;
}

// "W1=3" : a raw material and its need.
QVector<MaterialNeed> needsOf(const QStringList &lines)
{
    QVector<MaterialNeed> needs;
    for (const QString &line : lines)
        needs.append({line.section(u'=', 0, 0), line.section(u'=', 1).toDouble()});
    return needs;
}

// "W1<L1 2" for each take, the quantity at the precision that shows a leftover.
QStringList takesOf(const Consumption &c, const QVector<MaterialNeed> &needs, const QVector<LotOffer> &lots)
{
    QStringList out;
    for (const Take &t : c.takes)
        out << QStringLiteral("%1<%2 %3").arg(needs.at(t.need).code, lots.at(t.lot).serial).arg(t.quantity, 0, 'g', 17);
    return out;
}

} // namespace

class LotConsumptionTest : public QObject
{
    Q_OBJECT
private slots:
    void walk_data()
    {
        QTest::addColumn<QStringList>("needs");
        QTest::addColumn<QStringList>("lots");
        QTest::addColumn<QStringList>("takes");
        QTest::addColumn<QList<double>>("unmet");

        const QStringList twoAndFive{"L1 W1 2005-04-01 2", "L2 W1 2005-04-02 5"};
        QTest::newRow("need beyond the first lot: all of it, the rest from the next")
            << QStringList{"W1=3"} << twoAndFive << QStringList{"W1<L1 2", "W1<L2 1"} << QList<double>{0};
        QTest::newRow("need equal to the first lot: one take, the next untouched")
            << QStringList{"W1=2"} << twoAndFive << QStringList{"W1<L1 2"} << QList<double>{0};
        QTest::newRow("need within the first lot")
            << QStringList{"W1=1.5"} << twoAndFive << QStringList{"W1<L1 1.5"} << QList<double>{0};
        QTest::newRow("oldest date first, whatever the order given")
            << QStringList{"W1=3"} << QStringList{"L1 W1 2005-04-09 5", "L2 W1 2005-04-03 2"}
            << QStringList{"W1<L2 2", "W1<L1 1"} << QList<double>{0};
        QTest::newRow("same date: lower serial first")
            << QStringList{"W1=3"} << QStringList{"L9 W1 2005-04-03 5", "L2 W1 2005-04-03 2"}
            << QStringList{"W1<L2 2", "W1<L9 1"} << QList<double>{0};
        QTest::newRow("0.3 from three lots of 0.1: no leftover take from the fourth")
            << QStringList{"W1=0.3"}
            << QStringList{"L1 W1 2005-04-01 0.1", "L2 W1 2005-04-02 0.1", "L3 W1 2005-04-03 0.1",
                           "L4 W1 2005-04-04 0.1"}
            << QStringList{"W1<L1 0.10000000000000001", "W1<L2 0.10000000000000001", "W1<L3 0.10000000000000001"}
            << QList<double>{0};
        QTest::newRow("a lot within the tolerance of the need is taken whole")
            << QStringList{"W1=0.50004"} << QStringList{"L1 W1 2005-04-01 0.5", "L2 W1 2005-04-02 1"}
            << QStringList{"W1<L1 0.5"} << QList<double>{0};
        QTest::newRow("two materials, each from its own lots")
            << QStringList{"W1=3", "W2=1"}
            << QStringList{"L1 W2 2005-04-01 4", "L2 W1 2005-04-02 2", "L3 W1 2005-04-05 5", "L4 W2 2005-04-06 4"}
            << QStringList{"W1<L2 2", "W1<L3 1", "W2<L1 1"} << QList<double>{0, 0};
        QTest::newRow("codes compared ignoring case")
            << QStringList{"w1=1"} << twoAndFive << QStringList{"w1<L1 1"} << QList<double>{0};
        QTest::newRow("lots short of the need: all taken, the rest unmet")
            << QStringList{"W1=10"} << twoAndFive << QStringList{"W1<L1 2", "W1<L2 5"} << QList<double>{3};
        QTest::newRow("no lot of the material")
            << QStringList{"W1=2", "W3=1"} << twoAndFive << QStringList{"W1<L1 2"} << QList<double>{0, 1};
        QTest::newRow("nothing needed: nothing taken")
            << QStringList{"W1=0"} << twoAndFive << QStringList{} << QList<double>{0};
        QTest::newRow("a need below the tolerance is no need")
            << QStringList{"W1=0.00004"} << twoAndFive << QStringList{} << QList<double>{0};
        QTest::newRow("a lot with only rounding dust left is passed over")
            << QStringList{"W1=1"} << QStringList{"L1 W1 2005-04-01 0.00003", "L2 W1 2005-04-02 5"}
            << QStringList{"W1<L2 1"} << QList<double>{0};
        QTest::newRow("one material needed twice: a lot is not given out twice")
            << QStringList{"W1=1", "W1=1"} << QStringList{"L1 W1 2005-04-01 1.5"} << QStringList{"W1<L1 1", "W1<L1 0.5"}
            << QList<double>{0, 0.5};
    }
    void walk()
    {
        QFETCH(QStringList, needs);
        QFETCH(QStringList, lots);
        QFETCH(QStringList, takes);
        QFETCH(QList<double>, unmet);
        const QVector<MaterialNeed> n = needsOf(needs);
        const QVector<LotOffer> l = lotsOf(lots);
        const Consumption c = consumeOldestFirst(n, l);
        QCOMPARE(takesOf(c, n, l), takes);
        QCOMPARE(c.unmet.size(), unmet.size());
        for (int i = 0; i < unmet.size(); ++i)
            QVERIFY2(std::fabs(c.unmet.at(i) - unmet.at(i)) < 1e-12, qPrintable(QString::number(c.unmet.at(i))));
        QCOMPARE(c.covered(), std::all_of(unmet.cbegin(), unmet.cend(), [](double u) { return u == 0; }));
    }

    void slices_data()
    {
        QTest::addColumn<double>("offered");
        QTest::addColumn<double>("taken");
        QTest::addColumn<double>("gaAmt");
        QTest::addColumn<double>("cost"); // each of the ten components
        QTest::addColumn<double>("quantity");
        QTest::addColumn<double>("sliceGaAmt");
        QTest::addColumn<double>("sliceCost");
        QTest::addColumn<double>("sliceTotal");

        // The worked example: 2 of a lot of 2, 1 of a lot of 5.
        QTest::newRow("the whole lot") << 2.0 << 2.0 << 20.0 << 1.5 << 2.0 << 20.0 << 1.5 << 15.0;
        QTest::newRow("a fifth of a lot") << 5.0 << 1.0 << 50.0 << 2.5 << 1.0 << 10.0 << 0.5 << 5.0;
        // The total comes from the unrounded sum: 10 x 0.1111 would give 1.111.
        QTest::newRow("total from the unrounded sum")
            << 3.0 << 1.0 << 1.0 << 0.33333 << 1.0 << 0.3333 << 0.1111 << 1.1111;
        // Four decimals, halves away from zero on the decimal form.
        QTest::newRow("halves rounded up") << 1.0 << 1.0 << 0.00015 << 2.00005 << 1.0 << 0.0002 << 2.0001 << 20.0005;
        // The quantity kept at four decimals, and the amounts of that quantity: from all of t
        // they would be 1.00004 and 10.0004, parts that the lot's total no longer matches.
        QTest::newRow("amounts of the kept quantity") << 3.0 << 1.00004 << 3.0 << 3.0 << 1.0 << 1.0 << 1.0 << 10.0;
        QTest::newRow("nothing offered gives nothing") << 0.0 << 1.0 << 5.0 << 5.0 << 1.0 << 0.0 << 0.0 << 0.0;
    }
    void slices()
    {
        QFETCH(double, offered);
        QFETCH(double, taken);
        QFETCH(double, gaAmt);
        QFETCH(double, cost);
        QFETCH(double, quantity);
        QFETCH(double, sliceGaAmt);
        QFETCH(double, sliceCost);
        QFETCH(double, sliceTotal);
        LotOffer lot;
        lot.quantity = offered;
        lot.gaAmt = gaAmt;
        lot.costs.fill(cost);
        const Slice s = sliceOf(lot, taken);
        QCOMPARE(s.quantity, quantity);
        QCOMPARE(s.gaAmt, sliceGaAmt);
        for (double c : s.costs)
            QCOMPARE(c, sliceCost);
        QCOMPARE(s.woulAmtTot, sliceTotal);
    }

    void whatIsTakenNeverExceedsWhatIsOffered()
    {
        // Any lots, any needs: each lot gives at most what it offers, each need gets what it
        // needs (within the tolerance) unless the lots run out.
        std::srand(7);
        for (int round = 0; round < 500; ++round) {
            QVector<LotOffer> lots;
            const int lotCount = std::rand() % 6;
            for (int i = 0; i < lotCount; ++i) {
                LotOffer lot;
                lot.serial = QStringLiteral("L%1").arg(i);
                lot.code = QStringLiteral("W%1").arg(std::rand() % 2);
                lot.date = QStringLiteral("2005-04-%1").arg(1 + std::rand() % 28, 2, 10, QChar(u'0'));
                lot.quantity = (1 + std::rand() % 50000) / 10000.0;
                lots << lot;
            }
            QVector<MaterialNeed> needs;
            for (int n = 0; n < 2; ++n)
                needs.append({QStringLiteral("W%1").arg(n), (std::rand() % 100000) / 10000.0});
            const Consumption c = consumeOldestFirst(needs, lots);
            QVector<double> taken(lots.size());
            QVector<double> given(needs.size());
            for (const Take &t : c.takes) {
                QVERIFY(t.quantity > 0);
                taken[t.lot] += t.quantity;
                given[t.need] += t.quantity;
            }
            double offered[2] = {0, 0};
            for (int i = 0; i < lots.size(); ++i) {
                QVERIFY(taken.at(i) <= lots.at(i).quantity + 1e-9);
                offered[lots.at(i).code.mid(1).toInt()] += lots.at(i).quantity;
            }
            for (int n = 0; n < needs.size(); ++n) {
                QVERIFY(std::fabs(given.at(n) + c.unmet.at(n) - needs.at(n).quantity) < QuantityTolerance);
                QCOMPARE(c.unmet.at(n) > 0, fallsShort(offered[n], needs.at(n).quantity));
            }
        }
    }
};

QTEST_APPLESS_MAIN(LotConsumptionTest)
#include "tst_lotconsumption.moc"
