#include "common/Failure.h"
#include "common/TextNumber.h"

#include <QRandomGenerator>
#include <QTest>

using namespace zedur;

namespace {
// A non-negative integer scaled by 10^decimals, as decimal text.
QString scaledText(qint64 scaled, int decimals)
{
    qint64 unit = 1;
    for (int i = 0; i < decimals; ++i)
        unit *= 10;
    return QString::number(scaled / unit) + u'.' + QStringLiteral("%1").arg(scaled % unit, decimals, 10, QChar(u'0'));
}
} // namespace

class TextNumberTest : public QObject
{
    Q_OBJECT
private slots:
    void numValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("empty is zero") << "" << 0.0;
        QTest::newRow("thousands separators dropped") << "1,234.5678" << 1234.5678;
        QTest::newRow("blanks and letters dropped") << " 1 234.5 kg" << 1234.5;
        QTest::newRow("negative") << "-12.5" << -12.5;
        QTest::newRow("leading point") << ".25" << 0.25;
        QTest::newRow("no digits left") << "abc" << 0.0;
    }
    void numValue()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(fNumValue(text), value);
    }

    void numValueRefusesWhatIsNoNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("two points") << "1.2.3";
        QTest::newRow("trailing minus") << "5-";
        QTest::newRow("double minus") << "--5";
        QTest::newRow("minus alone") << "-";
        // Beyond the largest double it would read as infinity.
        QTest::newRow("four hundred digits") << QString(400, u'9');
    }
    void numValueRefusesWhatIsNoNumber()
    {
        QFETCH(QString, text);
        QVERIFY_THROWS_EXCEPTION(ConversionError, fNumValue(text));
    }

    void isDouble_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("empty") << "" << true;
        QTest::newRow("blanks inside a number") << "1 234.5" << true;
        QTest::newRow("two points") << "1.2.3" << false;
        QTest::newRow("double minus") << "--5" << false;
        QTest::newRow("top of currency range") << "922337203685477" << true;
        QTest::newRow("beyond currency range") << "922337203685478" << false;
        QTest::newRow("far beyond") << "1000000000000000000" << false;
        QTest::newRow("negative edge") << "-922337203685477" << true;
    }
    void isDouble()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QCOMPARE(IsDouble(text), accepted);
    }

    void roundDownCuts_data()
    {
        QTest::addColumn<int>("digits");
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("expected");
        QTest::newRow("five decimals") << -5 << 1.234567 << 1.23456;
        QTest::newRow("two decimals") << -2 << 2.999 << 2.99;
        QTest::newRow("negative is symmetric") << -5 << -1.234567 << -1.23456;
        QTest::newRow("representation error absorbed") << -2 << 2.3 << 2.3;
        QTest::newRow("rate 12.999") << -2 << 12.999 << 12.99;
        QTest::newRow("whole number") << 0 << 12.9 << 12.0;
        QTest::newRow("tens") << 2 << 12345.0 << 12300.0;
        QTest::newRow("fewer digits than asked") << 3 << 12.0 << 0.0;
        QTest::newRow("quantity times price") << -5 << 3 * 1234.5679 << 3703.7037;
        // Above a thousand the binary value lies below the decimal one it stands for.
        QTest::newRow("typed 422,921.82255") << -5 << 422921.82255 << 422921.82255;
        QTest::newRow("typed 96,432.05145") << -5 << 96432.05145 << 96432.05145;
        QTest::newRow("typed 1,000.00001") << -5 << 1000.00001 << 1000.00001;
        QTest::newRow("typed 12,345,678.9") << -2 << 12345678.9 << 12345678.9;
        QTest::newRow("negative above a thousand") << -5 << -422921.82255 << -422921.82255;
        QTest::newRow("whole number of a large value") << 0 << 4229219999.9999997 << 4229220000.0;
        // Thirteen nines: a form rounded at twelve decimals before the cut made these 1.
        QTest::newRow("just below one") << 0 << 0.9999999999999 << 0.0;
        QTest::newRow("just below one, two decimals") << -2 << 0.9999999999999 << 0.99;
        QTest::newRow("small value keeps its digits") << -14 << 0.00012345678901234 << 0.00012345678901;
    }
    void roundDownCuts()
    {
        QFETCH(int, digits);
        QFETCH(double, value);
        QFETCH(double, expected);
        QCOMPARE(roundDown(digits, value), expected);
    }

    void roundDownText()
    {
        QCOMPARE(fRoundDown(-5, 1.234567), QStringLiteral("1.234560000000"));
        QCOMPARE(fRoundDown(-5, 422921.82255), QStringLiteral("422921.822550000000"));
        QCOMPARE(fRoundDown(-5, 0.0), QStringLiteral("0.000000000000"));
        QCOMPARE(fRoundDown(-5, -0.000001), QStringLiteral("0.000000000000"));
        QCOMPARE(fRoundDown(-5, -1.234567), QStringLiteral("-1.234560000000"));
        QCOMPARE(fRoundDown(0, 7.5), QStringLiteral("7"));
        QCOMPARE(fRoundDown(2, 12345), QStringLiteral("12300"));
    }

    // Typed values: what was typed is what is cut, whatever its size.
    void roundDownKeepsTypedDecimals()
    {
        QRandomGenerator random(20050417);
        for (int i = 0; i < 20000; ++i) {
            const qint64 scaled = qint64(random.bounded(Q_INT64_C(100000000000000))); // up to 14 digits
            const int decimals = int(random.bounded(6));
            QString typed = QString::number(scaled);
            while (typed.size() <= decimals)
                typed.prepend(u'0');
            if (decimals > 0)
                typed.insert(typed.size() - decimals, u'.');
            QCOMPARE(roundDown(-5, typed.toDouble()), typed.toDouble());
        }
    }

    void productsAreExact_data()
    {
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<bool>("rounded");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("expected");
        QTest::addColumn<QString>("shown"); // "#,##0.0000"
        QTest::newRow("618.99 x 683.245") << 618.99 << 683.245 << false << 5 << 422921.82255 << "422,921.8226";
        QTest::newRow("489.5525 x 196.98") << 489.5525 << 196.98 << false << 5 << 96432.05145 << "96,432.0515";
        QTest::newRow("3 x 1,234.5679") << 3.0 << 1234.5679 << false << 5 << 3703.7037 << "3,703.7037";
        QTest::newRow("cut, not rounded") << 3.0 << 1234.56789 << false << 5 << 3703.70367 << "3,703.7037";
        QTest::newRow("negative factor") << -3.0 << 1234.56789 << false << 5 << -3703.70367 << "-3,703.7037";
        QTest::newRow("more than fifteen digits")
            << 99999999.9999 << 99999.9999 << false << 5 << 9999999989990.0 << "9,999,999,989,990.0000";
        QTest::newRow("rate of a lot") << 0.3512 << 1234.5678 << true << 4 << 433.5802 << "433.5802";
        QTest::newRow("half rounds away from zero") << 0.5 << 0.0001 << true << 4 << 0.0001 << "0.0001";
        QTest::newRow("zero") << 0.0 << 1234.5 << false << 5 << 0.0 << "0.0000";
        // Sixty decimals in the product: none reaches the kept places.
        QTest::newRow("far below the kept places") << 1e-30 << 1e-30 << true << 5 << 0.0 << "0.0000";
    }
    void productsAreExact()
    {
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(bool, rounded);
        QFETCH(int, decimals);
        QFETCH(double, expected);
        QFETCH(QString, shown);
        const double product = rounded ? productRounded(a, b, decimals) : productCut(a, b, decimals);
        QCOMPARE(product, expected);
        QCOMPARE(formatFloat("#,##0.0000", product), shown);
    }

    // Quantities and prices of up to four decimals, against integers scaled by 10^4: the
    // product cut to five decimals and shown at four is exactly what decimal arithmetic gives.
    void productsMatchScaledIntegers()
    {
        QRandomGenerator random(4229218);
        for (int i = 0; i < 20000; ++i) {
            const qint64 q = qint64(random.bounded(Q_INT64_C(1000000000))); // 99,999.9999 at most
            const qint64 p = qint64(random.bounded(Q_INT64_C(1000000000)));
            const qint64 cut5 = q * p / 1000;      // 10^8 -> 10^5, toward zero
            const qint64 shown4 = (cut5 + 5) / 10; // half away from zero
            const double quantity = q / 10000.0;
            const double price = p / 10000.0;
            const double amount = productCut(quantity, price, 5);
            QCOMPARE(amount, scaledText(cut5, 5).toDouble());
            QCOMPARE(formatFloat("0.0000", amount), scaledText(shown4, 4));
        }
    }

    void formats_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("four decimals") << "#,##0.0000" << 1234567.891 << "1,234,567.8910";
        QTest::newRow("rounds to four") << "#,##0.0000" << 1.234567 << "1.2346";
        QTest::newRow("half away from zero") << "0.000" << 1.0005 << "1.001";
        QTest::newRow("negative half away") << "0.000" << -1.0005 << "-1.001";
        QTest::newRow("zero section blank") << "#,##0.0000;-#,##0.0000; ;" << 0.0 << " ";
        QTest::newRow("tiny rounds into zero section") << "#,##0.0000;-#,##0.0000; ;" << 0.00001 << " ";
        QTest::newRow("negative section") << "#,##0.0000;-#,##0.0000; ;" << -1234.5 << "-1,234.5000";
        QTest::newRow("zero without sections") << "#,##0.0000" << 0.0 << "0.0000";
        QTest::newRow("rates") << "#,##0.00" << 75.12 << "75.12";
        QTest::newRow("whole with separators") << "#,##0" << 1234567.5 << "1,234,568";
        QTest::newRow("plain four") << "0.0000" << 433.58021 << "433.5802";
        QTest::newRow("one decimal") << "0.0" << 0.0 << "0.0";
        QTest::newRow("padded") << "000" << 7.0 << "007";
        QTest::newRow("eleven digits") << "#,##0.0000" << 12345678901.0 << "12,345,678,901.0000";
        QTest::newRow("optional decimals") << "#,##0.##" << 2.5 << "2.5";
        QTest::newRow("negative rounding to zero has no sign") << "0.00" << -0.001 << "0.00";
    }
    void formats()
    {
        QFETCH(QString, picture);
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(formatFloat(picture, value), text);
    }

    void roundingHelpers()
    {
        QCOMPARE(roundDecimals(433.580213, 4), 433.5802);
        QCOMPARE(roundDecimals(-2.675, 2), -2.68); // the decimal text, not the binary value, decides
        QCOMPARE(round15(0.1 + 0.2), 0.3);
    }

    void stringIndexIgnoresCase()
    {
        const QStringList names{"edWon_Code", "edWon_Name"};
        QCOMPARE(StringIndex("EDWON_NAME", names), 1);
        QCOMPARE(StringIndex("edWon_Bigo", names), -1);
    }

    void displayWidthCountsKoreanTwice()
    {
        QCOMPARE(displayWidth(QStringLiteral("원자재")), 6);
        QCOMPARE(displayWidth(QStringLiteral("A1 원")), 5);
    }
};

QTEST_GUILESS_MAIN(TextNumberTest)
#include "tst_textnumber.moc"
