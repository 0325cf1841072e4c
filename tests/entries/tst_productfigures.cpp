#include "entries/ProductFigures.h"
#include "common/TextNumber.h"

#include <QTest>
#include <cmath>

using namespace zedur::productfigures;

Q_DECLARE_METATYPE(std::optional<double>)

namespace {
const std::optional<double> none;
}

class ProductFiguresTest : public QObject
{
    Q_OBJECT

private slots:
    void aTypedNumberIsCutToFiveDecimalsAndKeptAtFour_data()
    {
        QTest::addColumn<double>("typed");
        QTest::addColumn<double>("remembered");
        QTest::newRow("whole") << 3.0 << 3.0;
        QTest::newRow("sixth decimal cut, fifth rounds up") << 1.234567 << 1.2346;
        QTest::newRow("fifth decimal below half") << 1.23454 << 1.2345;
        QTest::newRow("0.99999 shows as one") << 0.99999 << 1.0;
        QTest::newRow("0.999999 is cut first") << 0.999999 << 1.0;
        QTest::newRow("below the fourth decimal") << 0.00004 << 0.0;
        QTest::newRow("binary 2.675 is the decimal 2.675") << 2.675 << 2.675;
        QTest::newRow("typed 422,921.82255") << 422921.82255 << 422921.8226;
    }
    void aTypedNumberIsCutToFiveDecimalsAndKeptAtFour()
    {
        QFETCH(double, typed);
        QFETCH(double, remembered);
        QCOMPARE(zedur::productfigures::remembered(typed), remembered);
    }

    void theReceiptsUnitCostAndItsPrice_data()
    {
        QTest::addColumn<double>("total");
        QTest::addColumn<double>("quantity");
        QTest::addColumn<std::optional<double>>("price");
        QTest::newRow("even") << 1000.0 << 10.0 << std::optional<double>(100.0);
        QTest::newRow("thirds") << 100.0 << 3.0 << std::optional<double>(33.3333);
        QTest::newRow("two thirds rounds the kept decimal") << 2.0 << 3.0 << std::optional<double>(0.6667);
        QTest::newRow("a seventh: the fifth decimal rounds the fourth up")
            << 1.0 << 7.0 << std::optional<double>(0.1429);
        QTest::newRow("nothing to divide by") << 500.0 << 0.0 << none;
    }
    void theReceiptsUnitCostAndItsPrice()
    {
        QFETCH(double, total);
        QFETCH(double, quantity);
        QFETCH(std::optional<double>, price);
        const std::optional<double> cost = unitCost(total, quantity);
        QCOMPARE(cost.has_value(), price.has_value());
        if (cost)
            QCOMPARE(*cost, total / quantity);
        QCOMPARE(costPrice(cost), price);
    }

    void aSaleBelowTheUnitCostIsFoundAtFiveDecimals_data()
    {
        QTest::addColumn<double>("price");
        QTest::addColumn<std::optional<double>>("cost");
        QTest::addColumn<bool>("below");
        const std::optional<double> third = 100.0 / 3;
        QTest::newRow("the four decimals shown are below") << 33.3333 << third << true;
        QTest::newRow("equal at five decimals") << 33.33333 << third << false;
        QTest::newRow("above") << 33.33334 << third << false;
        QTest::newRow("a sixth decimal does not count") << 33.333329 << third << true;
        QTest::newRow("well below") << 10.0 << std::optional<double>(80.0) << true;
        QTest::newRow("no unit cost") << 0.0 << none << false;
    }
    void aSaleBelowTheUnitCostIsFoundAtFiveDecimals()
    {
        QFETCH(double, price);
        QFETCH(std::optional<double>, cost);
        QFETCH(bool, below);
        QCOMPARE(belowCost(price, cost), below);
    }

    void theSalesAmountIsCutToFiveDecimalsAndKeptAtFour_data()
    {
        QTest::addColumn<double>("price");
        QTest::addColumn<double>("quantity");
        QTest::addColumn<double>("amount");
        QTest::newRow("whole") << 80.0 << 3.0 << 240.0;
        QTest::newRow("third of a hundred, three") << 33.3333 << 3.0 << 99.9999;
        QTest::newRow("eight decimals cut") << 0.3333 << 0.3333 << 0.1111;
        QTest::newRow("fifth decimal rounds the fourth") << 1.2345 << 1.0004 << 1.235;
        QTest::newRow("sixteen digits before the cut") << 12345.6789 << 1234.5678 << 15241577.6391;
        QTest::newRow("zero quantity") << 80.0 << 0.0 << 0.0;
    }
    void theSalesAmountIsCutToFiveDecimalsAndKeptAtFour()
    {
        QFETCH(double, price);
        QFETCH(double, quantity);
        QFETCH(double, amount);
        QCOMPARE(salesAmount(price, quantity), amount);
    }

    void aTypedAmountStandsAtFourDecimals()
    {
        QCOMPARE(typedAmount(1234.5), 1234.5);
        QCOMPARE(typedAmount(0.00005), 0.0001);
        QCOMPARE(typedAmount(99.99994), 99.9999);
    }

    void aShareIsTheQuantitysProportionAtFourDecimals_data()
    {
        QTest::addColumn<double>("amount");
        QTest::addColumn<double>("quantity");
        QTest::addColumn<double>("ofQuantity");
        QTest::addColumn<double>("share");
        QTest::newRow("3 of 10 at 1,000") << 1000.0 << 3.0 << 10.0 << 300.0;
        QTest::newRow("3 of 10 at 500") << 500.0 << 3.0 << 10.0 << 150.0;
        QTest::newRow("a third") << 100.0 << 1.0 << 3.0 << 33.3333;
        QTest::newRow("two thirds round up") << 200.0 << 1.0 << 3.0 << 66.6667;
        QTest::newRow("all of it") << 1234.56789 << 7.0 << 7.0 << 1234.5679;
        QTest::newRow("0.1 of 0.3") << 1.0 << 0.1 << 0.3 << 0.3333;
        QTest::newRow("negative amount") << -90.0 << 1.0 << 3.0 << -30.0;
        QTest::newRow("nothing to share from") << 500.0 << 3.0 << 0.0 << 0.0;
        QTest::newRow("nothing taken") << 500.0 << 0.0 << 10.0 << 0.0;
    }
    void aShareIsTheQuantitysProportionAtFourDecimals()
    {
        QFETCH(double, amount);
        QFETCH(double, quantity);
        QFETCH(double, ofQuantity);
        QFETCH(double, share);
        QCOMPARE(zedur::productfigures::share(amount, quantity, ofQuantity), share);
    }

    void everyCostColumnIsSharedFromItsOwnAmount()
    {
        const ProductCost receipt{100.0, 10.0, 20.0, 0.05, 7.0, 137.05};
        const ProductCost part = shareOf(receipt, 7.0, 3.0);
        QCOMPARE(part, (ProductCost{42.8571, 4.2857, 8.5714, 0.0214, 3.0, 58.7357}));
        // The total is shared from the receipt's total, not added up from rounded parts.
        QVERIFY(part.totGaAmt != part.gaAmt + part.jenGiNoMu + part.daongNoMu + part.jenGiJeyJo + part.daongJeyJo);
        QCOMPARE(shareOf(receipt, 7.0, 7.0), (ProductCost{100.0, 10.0, 20.0, 0.05, 7.0, 137.05}));
    }

    void aReturnTakesBackAtTheSalesPriceAndCost_data()
    {
        QTest::addColumn<double>("typed");
        QTest::addColumn<double>("price");
        QTest::addColumn<double>("saleQuantity");
        QTest::addColumn<double>("saleAmount"); // NaN: quantity x price, as the shipment screen works it out
        QTest::addColumn<double>("saleCost");
        QTest::addColumn<ReturnFigures>("figures");
        const double priced = std::nan("");
        QTest::newRow("3 of 10 at 80, cost 500")
            << 3.0 << 80.0 << 10.0 << priced << 500.0 << ReturnFigures{3, 150, -3, 80, -240};
        QTest::newRow("typed negative, as the box shows it")
            << -3.0 << 80.0 << 10.0 << priced << 500.0 << ReturnFigures{3, 150, -3, 80, -240};
        QTest::newRow("the whole sale")
            << 10.0 << 80.0 << 10.0 << priced << 500.0 << ReturnFigures{10, 500, -10, 80, -800};
        QTest::newRow("a third, cost and amount rounded")
            << 1.0 << 33.33335 << 3.0 << priced << 100.0 << ReturnFigures{1, 33.3333, -1, 33.3334, -33.3334};
        QTest::newRow("fractions of a unit")
            << 0.25 << 12.3456 << 1.5 << priced << 9.99 << ReturnFigures{0.25, 1.665, -0.25, 12.3456, -3.0864};
        QTest::newRow("a quantity beyond four decimals is kept at four")
            << 2.00004 << 5.0 << 4.0 << priced << 10.0 << ReturnFigures{2, 5, -2, 5, -10};
        QTest::newRow("the whole of a discounted sale: exactly what was charged")
            << 10.0 << 80.0 << 10.0 << 700.0 << 500.0 << ReturnFigures{10, 500, -10, 80, -700};
        QTest::newRow("part of a discounted sale: its share of what was charged")
            << 3.0 << 80.0 << 10.0 << 700.0 << 500.0 << ReturnFigures{3, 150, -3, 80, -210};
        QTest::newRow("part of a sale charged above its price")
            << 1.0 << 33.3334 << 3.0 << 100.0 << 100.0 << ReturnFigures{1, 33.3333, -1, 33.3334, -33.3333};
    }
    void aReturnTakesBackAtTheSalesPriceAndCost()
    {
        QFETCH(double, typed);
        QFETCH(double, price);
        QFETCH(double, saleQuantity);
        QFETCH(double, saleAmount);
        QFETCH(double, saleCost);
        QFETCH(ReturnFigures, figures);
        if (std::isnan(saleAmount))
            saleAmount = salesAmount(zedur::roundDecimals(price, 4), saleQuantity);
        const ReturnFigures f = returnFigures(typed, {saleQuantity, price, saleAmount, saleCost});
        QCOMPARE(f.quantity, figures.quantity);
        QCOMPARE(f.receiptCost, figures.receiptCost);
        QCOMPARE(f.rowQuantity, figures.rowQuantity);
        QCOMPARE(f.rowPrice, figures.rowPrice);
        QCOMPARE(f.rowAmount, figures.rowAmount);
    }
};

Q_DECLARE_METATYPE(ReturnFigures)

QTEST_GUILESS_MAIN(ProductFiguresTest)
#include "tst_productfigures.moc"
