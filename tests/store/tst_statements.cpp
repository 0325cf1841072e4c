#include "BothEngines.h"
#include "TestBooks.h"
#include "common/TextNumber.h"
#include "store/Db.h"
#include "store/StoreError.h"

#include <QTest>
#include <cmath>

using namespace zedur;
using test::TestBooks;

// What the engines need of the store beyond single statements: a statement prepared once
// and run with new values, the number of rows changed, a large result read row by row, and
// the program's rounding and serials inside SQL.
class StatementsTest : public QObject
{
    Q_OBJECT
private slots:
    void aPreparedStatementRunsAgainWithNewValues()
    {
        TestBooks books;
        Db &db = books.db();
        db.exec("Create Table T (Code Text, Amount Real, Note Text)");
        PreparedStatement insert = db.prepare("Insert InTo T (Code, Amount, Note) Values (:code, :amount, :note)");
        for (int i = 1; i <= 3; ++i)
            QCOMPARE(insert.run({{":code", QString("C%1").arg(i)}, {":amount", i * 1.5}, {":note", QString()}}), 1);
        const ResultSet rs = db.query("Select * From T Order By Code");
        QCOMPARE(rs.size(), 3);
        QCOMPARE(rs.text(2, "Code"), QStringLiteral("C3"));
        QCOMPARE(rs.number(2, "Amount"), 4.5);
        // A null text is stored as empty text, as every other statement does.
        QCOMPARE(rs.value(0, "Note"), QVariant(QString("")));
        QVERIFY_THROWS_EXCEPTION(StoreError, insert.run({{":code", "C4"}, {":amout", 1.0}}));
    }

    void execTellsHowManyRowsChanged()
    {
        TestBooks books;
        Db &db = books.db();
        db.exec("Create Table T (Code Text, Amount Real)");
        for (int i = 0; i < 5; ++i)
            db.exec("Insert InTo T Values (:c, :a)", {{":c", QString::number(i % 2)}, {":a", 1.0}});
        QCOMPARE(db.exec("UpDate T Set Amount = 2 Where Code = '1'"), 2);
        QCOMPARE(db.exec("Delete From T Where Code = 'x'"), 0);
    }

    void rowsAreReadOneByOne()
    {
        TestBooks books;
        Db &db = books.db();
        db.exec("Create Table T (Code Text, Amount Real)");
        PreparedStatement insert = db.prepare("Insert InTo T Values (:c, :a)");
        for (int i = 0; i < 1000; ++i)
            insert.run({{":c", QString("  C%1 ").arg(i)}, {":a", double(i)}});
        double total = 0;
        int rows = 0;
        db.forEachRow("Select code, AMOUNT From T Where Amount >= :low", {{":low", 10.0}}, [&](const RowReader &r) {
            total += r.number("Amount");
            if (++rows == 1)
                QCOMPARE(r.text("CODE"), QStringLiteral("C10"));
        });
        QCOMPARE(rows, 990);
        QCOMPARE(total, 499500.0 - 45.0);
        QVERIFY_THROWS_EXCEPTION(
            StoreError, db.forEachRow("Select Code From T", {}, [](const RowReader &r) { r.value("Missing"); }));
    }

    void sqlRoundsAsTheSharedHelpers_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::newRow("half away from zero") << 308.64175 << 4;
        QTest::newRow("negative half") << -2.00005 << 4;
        QTest::newRow("binary noise") << 0.1 + 0.2 << 5;
        QTest::newRow("ten decimals") << 1.0 / 3.0 << 10;
        QTest::newRow("large") << 123456789012.34567 << 4;
    }

    void sqlRoundsAsTheSharedHelpers()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        TestBooks books;
        Db &db = books.db();
        const ResultSet rs = db.query("Select round_decimals(:v, :d) As r, round15(:v) As f, round15(NULL) As n",
                                      {{":v", value}, {":d", decimals}});
        QCOMPARE(rs.value(0, "r").toDouble(), roundDecimals(value, decimals));
        QCOMPARE(rs.value(0, "f").toDouble(), round15(value));
        QVERIFY(rs.value(0, "n").isNull());
    }

    void sqlRoundingAgreesOnManyValues()
    {
        // The server rounds in SQL of its own: it must agree with the helpers bit for bit on
        // the awkward values too (ties after the 15th digit, tiny and huge magnitudes).
        TestBooks books;
        Db &db = books.db();
        quint64 state = 88172645463325252ULL;
        for (int i = 0; i < 300; ++i) {
            state ^= state << 13;
            state ^= state >> 7;
            state ^= state << 17;
            const double value = (double(state % 2000000000000ULL) - 1e12) / std::pow(10.0, double(i % 12));
            const int decimals = i % 11;
            const ResultSet rs =
                db.query("Select round_decimals(:v, :d) As r, round15(:v) As f", {{":v", value}, {":d", decimals}});
            QCOMPARE(rs.value(0, "r").toDouble(), roundDecimals(value, decimals));
            QCOMPARE(rs.value(0, "f").toDouble(), round15(value));
        }
    }

    void sqlTotalIsZeroOverNothing()
    {
        TestBooks books;
        Db &db = books.db();
        const QString sum = "Select total(Gong_GaAmt) From MC_JeyGongPumInPut";
        QCOMPARE(db.scalar(sum).toDouble(), 0.0);
        db.exec("Insert InTo MC_JeyGongPumInPut (Gong_Serial, Gong_GaAmt) Values ('A0000000001', NULL)");
        QCOMPARE(db.scalar(sum).toDouble(), 0.0);
        db.exec("Insert InTo MC_JeyGongPumInPut (Gong_Serial, Gong_GaAmt) Values ('A0000000002', 1.25)");
        QCOMPARE(db.scalar(sum).toDouble(), 1.25);
    }

    void sqlSerialsFollowTheGenerator_data()
    {
        QTest::addColumn<QString>("last");
        QTest::addColumn<int>("steps");
        QTest::addColumn<QString>("serial");
        QTest::newRow("empty table") << "" << 1 << "A0000000001";
        QTest::newRow("third after") << "A0000000009" << 3 << "A0000000012";
        QTest::newRow("over the letter") << "A9999999998" << 2 << "B0000000000";
    }

    void sqlSerialsFollowTheGenerator()
    {
        QFETCH(QString, last);
        QFETCH(int, steps);
        QFETCH(QString, serial);
        TestBooks books;
        QCOMPARE(books.db().scalar("Select serial_plus(:s, :k)", {{":s", last}, {":k", steps}}).toString(), serial);
        QVERIFY_THROWS_EXCEPTION(StoreError, books.db().scalar("Select serial_plus('Z9999999999', 1)"));
    }
};

ZEDUR_TEST_ON_BOTH_ENGINES(StatementsTest)
#include "tst_statements.moc"
