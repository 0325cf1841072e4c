#include "BothEngines.h"
#include "TestBooks.h"
#include "store/Books.h"
#include "store/Periods.h"
#include "store/Schema.h"
#include "store/Serials.h"
#include "store/StoreError.h"

#include <QTest>

using namespace zedur;
using test::TestBooks;

class BooksTest : public QObject
{
    Q_OBJECT
private slots:
    void serials_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("next");
        QTest::newRow("empty table") << "" << "A0000000001";
        QTest::newRow("carry") << "A0000000009" << "A0000000010";
        QTest::newRow("padded value") << "A0000000001  " << "A0000000002";
        QTest::newRow("letter change") << "A9999999999" << "B0000000000";
        QTest::newRow("last letter") << "Y9999999999" << "Z0000000000";
    }
    void serials()
    {
        QFETCH(QString, current);
        QFETCH(QString, next);
        QCOMPARE(serialAfter(current), next);
    }

    void serialsEndAtZ()
    {
        QVERIFY_THROWS_EXCEPTION(StoreError, serialAfter("Z9999999999"));
        QVERIFY_THROWS_EXCEPTION(StoreError, serialAfter("garbage"));
    }

    void serialFollowsTheTable()
    {
        TestBooks books;
        QCOMPARE(Serial_MaxValue(books.db(), "MC_JeyPumCode", "Jey_Serial"), QStringLiteral("A0000000001"));
        books.db().exec("INSERT INTO MC_JeyPumCode (Jey_Serial) VALUES ('A0000000009')");
        QCOMPARE(Serial_MaxValue(books.db(), "MC_JeyPumCode", "Jey_Serial"), QStringLiteral("A0000000010"));
    }

    void monthArithmetic_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("nextYear");
        QTest::addColumn<QString>("nextMonth");
        QTest::newRow("within the year") << "2005" << "04" << "2005" << "05";
        QTest::newRow("across december") << "2005" << "12" << "2006" << "01";
        QTest::newRow("september to october") << "2005" << "09" << "2005" << "10";
    }
    void monthArithmetic()
    {
        QFETCH(QString, year);
        QFETCH(QString, month);
        QFETCH(QString, nextYear);
        QFETCH(QString, nextMonth);
        QCOMPARE(zedur::nextMonth({year, month}), (Period{nextYear, nextMonth}));
        QCOMPARE(previousMonth({nextYear, nextMonth}), (Period{year, month}));
    }

    void initialisationWritesTwoPeriods_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("closed");
        QTest::addColumn<QString>("following");
        QTest::newRow("january") << "2005" << "01" << "200412" << "200502";
        QTest::newRow("december") << "2005" << "12" << "200511" << "200601";
    }
    void initialisationWritesTwoPeriods()
    {
        QFETCH(QString, year);
        QFETCH(QString, month);
        QFETCH(QString, closed);
        QFETCH(QString, following);
        TestBooks books;
        initialiseBooks(books.db(), {year, month}, TestBooks::fixedAudit());
        const ResultSet rows = books.db().query("SELECT * FROM MC_YearMonthCheck ORDER BY YM_Serial");
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.text(0, "YM_Serial"), QStringLiteral("A0000000001"));
        QCOMPARE(rows.text(0, "YM_Year") + rows.text(0, "YM_Month"), closed);
        QCOMPARE(rows.text(0, "YM_Kubun"), period::Closed);
        QCOMPARE(rows.text(0, "YM_TextMemo"), QStringLiteral("배부액 계산 완료 후 마감및이월작업지까 완료한 상태"));
        QCOMPARE(rows.text(0, "YM_ChaGiYear") + rows.text(0, "YM_ChaGiMonth"), year + month);
        QCOMPARE(rows.text(0, "YM_Check_01"), period::Closed);
        QCOMPARE(rows.text(1, "YM_Serial"), QStringLiteral("A0000000002"));
        QCOMPARE(rows.text(1, "YM_Year") + rows.text(1, "YM_Month"), year + month);
        QCOMPARE(rows.text(1, "YM_Kubun"), period::Open);
        QCOMPARE(rows.text(1, "YM_TextMemo"), QStringLiteral("배부액을 재 계산하여야 할 상태"));
        QCOMPARE(rows.text(1, "YM_ChaGiYear") + rows.text(1, "YM_ChaGiMonth"), following);
        QCOMPARE(rows.text(1, "YM_Check_01"), QString());
        QCOMPARE(rows.text(1, "YM_Check_03"), QStringLiteral("1234 - ABCD"));
        QCOMPARE(rows.text(1, "YM_Check_04"), QStringLiteral("TESTHOST"));
        QCOMPARE(rows.text(1, "YM_Check_05"), QStringLiteral("/opt/zedur/"));
        QCOMPARE(period::theOpenPeriod(books.db())->period, (Period{year, month}));
    }

    void initialisationEmptiesTheBooksButKeepsAccounts()
    {
        TestBooks books;
        Db &db = books.db();
        db.exec("INSERT INTO MC_WonJaJeyCode (Won_Serial, Won_Code) VALUES ('A0000000001', 'W1')");
        db.exec("INSERT INTO MC_JeyPumTreeWonJaJey (Tr_Index, Tr_Code) VALUES (0, 'P1')");
        db.exec("INSERT INTO MC_AcNameAmtInPut (Amt_Serial) VALUES ('A0000000001')");
        db.recreate("MC_AcNameReport", {"CREATE TABLE MC_AcNameReport (Report_AcCode TEXT)"});
        db.exec("INSERT INTO MC_AcNameReport VALUES ('40401000')");
        const int accounts = db.count("SELECT * FROM MC_AcNameCode");
        QVERIFY(accounts > 0);

        initialiseBooks(db, {"2006", "03"}, TestBooks::fixedAudit());

        for (const char *table : {"MC_WonJaJeyCode", "MC_JeyPumTreeWonJaJey", "MC_AcNameAmtInPut"})
            QCOMPARE(db.count(QStringLiteral("SELECT * FROM %1").arg(table)), 0);
        QCOMPARE(db.count("SELECT * FROM MC_AcNameCode"), accounts);
        QCOMPARE(db.count("SELECT * FROM MC_AcNameReport"), 1); // report work tables are not touched
        QCOMPARE(db.count("SELECT * FROM MC_YearMonthCheck"), 2);
    }

    void failedInitialisationLeavesTheBooksAsTheyWere()
    {
        TestBooks books;
        Db &db = books.db();
        db.exec("INSERT INTO MC_WonJaJeyCode (Won_Serial, Won_Code) VALUES ('A0000000001', 'W1')");
        // A year that cannot be written into a four-character column fails the second step.
        QVERIFY_THROWS_EXCEPTION(StoreError, initialiseBooks(db, {"20061", "03"}, TestBooks::fixedAudit()));
        QCOMPARE(db.count("SELECT * FROM MC_WonJaJeyCode"), 1);
        QCOMPARE(period::theOpenPeriod(db)->period, (Period{"2005", "04"}));
        // Running it again completes it.
        initialiseBooks(db, {"2006", "03"}, TestBooks::fixedAudit());
        QCOMPARE(db.count("SELECT * FROM MC_WonJaJeyCode"), 0);
    }

    void periodMarks()
    {
        TestBooks books;
        Db &db = books.db();
        period::markRecalculation(db);
        QCOMPARE(period::theOpenPeriod(db)->state, period::Recalculate);
        period::markAllocationDone(db);
        QCOMPARE(period::theOpenPeriod(db)->state, period::Open);
        QCOMPARE(period::theOpenPeriod(db)->memo, period::AllocatedMemo);
        period::markClosed(db, {"2005", "04"});
        period::insertNextOpen(db, {"2005", "04"}, TestBooks::fixedAudit());
        const auto open = period::theOpenPeriod(db);
        QCOMPARE(open->period, (Period{"2005", "05"}));
        QCOMPARE(open->serial, QStringLiteral("A0000000003"));
        QCOMPARE(period::find(db, {"2005", "04"})->state, period::Closed);
        QCOMPARE(period::find(db, {"2005", "04"})->memo, period::ClosedMemo);
        QVERIFY(!period::find(db, {"2007", "01"}));
        // A second open row breaks the rule every screen tests.
        db.exec("UPDATE MC_YearMonthCheck SET YM_Kubun = '미마감' WHERE YM_Year = '2005' AND YM_Month = '04'");
        QVERIFY(!period::theOpenPeriod(db));
        QCOMPARE(period::openRows(db).size(), 2);
    }

    void startingChartFollowsTheStatements()
    {
        TestBooks books;
        Db &db = books.db();
        const QStringList fixedCodes = {
            "40401000", "40401001", "40401002", "40401006", "40401007", "40403000", "40404000", "40405000",
            "40406000", "40407000", "40408000", "40409000", "40410000", "40200000", "40201001", "40300000",
            "40304001", "40304002", "40304003", "40304004", "40304005", "40304006", "40600000", "40701000",
            "40800000", "40901000", "41001000", "41100000", "41201000", "41300000"};
        for (const QString &code : fixedCodes)
            QVERIFY2(db.count("SELECT * FROM MC_AcNameCode WHERE Ac_AcCode = :c", {{":c", code}}) == 1, qPrintable(code));

        const ResultSet groups = db.query("SELECT * FROM MC_AcNameCode WHERE Ac_InPutKubun = '계정등록' ORDER BY Ac_AcCode");
        QStringList groupCodes;
        for (int i = 0; i < groups.size(); ++i) {
            groupCodes << groups.text(i, "Ac_AcCode");
            QCOMPARE(groups.text(i, "Ac_Kubun_D"), QStringLiteral("000"));
            QCOMPARE(groups.text(i, "Ac_GroupKubun"),
                     groups.text(i, "Ac_AcCode").startsWith("404") ? QStringLiteral("01제조") : QStringLiteral("03손익"));
        }
        QCOMPARE(groupCodes, (QStringList{"40403000", "40404000", "40701000", "40901000", "41001000", "41201000"}));
        QCOMPARE(db.scalar("SELECT Ac_AcName FROM MC_AcNameCode WHERE Ac_AcCode = '40403000'").toString(),
                 QStringLiteral("노무비(제)"));
        QCOMPARE(db.scalar("SELECT Ac_AcName FROM MC_AcNameCode WHERE Ac_AcCode = '40404000'").toString(),
                 QStringLiteral("제조경비(제)"));

        // Bookable accounts look exactly like ones registered on the account screen.
        const ResultSet booked = db.query("SELECT * FROM MC_AcNameCode WHERE Ac_CallKubun = '호출'");
        QVERIFY(booked.size() > 10);
        for (int i = 0; i < booked.size(); ++i) {
            const QString code = booked.text(i, "Ac_AcCode");
            const QString group = code.left(5) + "000";
            const QString groupName =
                db.scalar("SELECT Ac_AcName FROM MC_AcNameCode WHERE Ac_AcCode = :g", {{":g", group}}).toString();
            QVERIFY2(!groupName.isEmpty(), qPrintable(code));
            QCOMPARE(booked.text(i, "Ac_AcNameCall"), groupName + "/" + booked.text(i, "Ac_AcName"));
            QCOMPARE(booked.text(i, "Ac_TotalCode"), group);
            QCOMPARE(booked.value(i, "Ac_AcNameReport").toString(), "    " + booked.text(i, "Ac_AcName"));
            QCOMPARE(booked.text(i, "Ac_InPutKubun"), QStringLiteral("등록"));
            QVERIFY(booked.text(i, "Ac_Kubun_D") != "000");
        }
        QCOMPARE(db.count("SELECT * FROM MC_AcNameCode WHERE Ac_Check_01 <> '기초마감'"), 0);
        QCOMPARE(db.count("SELECT * FROM MC_AcNameCode WHERE Ac_AcCode = '40304005' AND Ac_CallKubun = '호출'"), 1);
        QCOMPARE(db.count("SELECT * FROM MC_AcNameCode WHERE Ac_AcCode <> Ac_Kubun_A || Ac_Kubun_B || Ac_Kubun_C || Ac_Kubun_D"), 0);
    }
};

ZEDUR_TEST_ON_BOTH_ENGINES(BooksTest)
#include "tst_books.moc"
