#include "TestBooks.h"
#include "entries/DayDate.h"
#include "entries/EntryWarnings.h"
#include "entries/PeriodTest.h"
#include "store/Db.h"

#include <QTest>

using namespace zedur;
using test::TestBooks;

// The rules every entry screen shares: the day box and the open-month test.
class EntryRulesTest : public QObject
{
    Q_OBJECT
private slots:
    void dayBecomesDate_data()
    {
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("date");
        QTest::addColumn<bool>("valid");
        QTest::newRow("one digit padded") << "04"
                                          << "7"
                                          << "2005-04-07" << true;
        QTest::newRow("last of april") << "04"
                                       << "30"
                                       << "2005-04-30" << true;
        QTest::newRow("april has no 31st") << "04"
                                           << "31"
                                           << "2005-04-31" << false;
        QTest::newRow("february has no 30th") << "02"
                                              << "30"
                                              << "2005-02-30" << false;
        QTest::newRow("no 29th in 2005") << "02"
                                         << "29"
                                         << "2005-02-29" << false;
        QTest::newRow("day zero") << "04"
                                  << "00"
                                  << "2005-04-00" << false;
        QTest::newRow("beyond any month") << "04"
                                          << "99"
                                          << "2005-04-99" << false;
    }
    void dayBecomesDate()
    {
        QFETCH(QString, month);
        QFETCH(QString, day);
        QFETCH(QString, date);
        QFETCH(bool, valid);
        const Checked<DayDate> checked = checkDay({"2005", month}, day, "edDay");
        QCOMPARE(checked.value.date, date);
        QCOMPARE(checked.ok(), valid);
        if (!valid) {
            QCOMPARE(checked.refusal->text, date + " : 유효하지 않은 날짜 형식입니다.");
            QCOMPARE(checked.refusal->focus, QStringLiteral("edDay"));
        }
    }

    void emptyDayKeepsTheFocusWithoutABox()
    {
        const Checked<DayDate> checked = checkDay({"2005", "04"}, " ", "edIn_Date");
        QVERIFY(!checked.ok());
        QVERIFY(checked.refusal->text.isEmpty());
        QCOMPARE(checked.refusal->focus, QStringLiteral("edIn_Date"));
    }

    void onlyTheOpenMonthMayChange()
    {
        TestBooks books; // 2005-04 open
        QVERIFY(!periodRefusal(books.db(), {"2005", "04"}));
        const Verdict other =
            periodRefusal(books.db(), {"2005", "03"}, "수정 가능한 년도와 월입니다........");
        QVERIFY(other);
        QCOMPARE(other->text, "미마감된 2005년과 04월만" + LB + "수정 가능한 년도와 월입니다........");
        QVERIFY(other->clearsBoxes);
    }

    void theOpenMonthIsReadAnewEachTime()
    {
        TestBooks books;
        QVERIFY(!periodRefusal(books.db(), {"2005", "04"}));
        // Another screen (the monthly close) moves the open month on.
        books.connect()->exec("UpDate MC_YearMonthCheck Set YM_Kubun = '마감완료' Where YM_Month = '04'");
        books.connect()->exec("Insert InTo MC_YearMonthCheck (YM_Serial, YM_Year, YM_Month, YM_Kubun) "
                              "Values ('A0000000003', '2005', '05', '미마감')");
        const Verdict refused = periodRefusal(books.db(), {"2005", "04"});
        QVERIFY(refused);
        QVERIFY(refused->text.startsWith("미마감된 2005년과 05월만"));
    }

    void aBrokenPeriodTableRefusesEveryChange_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("no open month") << "UpDate MC_YearMonthCheck Set YM_Kubun = '마감완료'";
        QTest::newRow("two open months") << "UpDate MC_YearMonthCheck Set YM_Kubun = '미마감'";
    }
    void aBrokenPeriodTableRefusesEveryChange()
    {
        QFETCH(QString, change);
        TestBooks books;
        books.db().exec(change);
        const Verdict refused = periodRefusal(books.db(), {"2005", "04"});
        QVERIFY(refused);
        QCOMPARE(refused->text, warnings::periodTableFault({"2005", "04"}));
        QVERIFY(refused->text.contains("2005년도 04월인데"));
    }
};

QTEST_GUILESS_MAIN(EntryRulesTest)
#include "tst_entryrules.moc"
