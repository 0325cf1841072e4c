#include "TestBooks.h"
#include "common/Failure.h"
#include "entries/DayDate.h"
#include "entries/EntryWarnings.h"
#include "entries/StoredRow.h"
#include "store/Db.h"

#include <QTest>

using namespace zedur;
using test::TestBooks;

namespace {
const RowRule receiptRule{entryTables::Receipts};
const QString onlyApril = "미마감된 2005년과 04월만" + LB + "등록,수정,삭제등이 가능합니다........";

// A receipt row as the books may hold it: of a month, with its kind and closing mark.
void addReceiptRow(Db &db, const QString &serial, const QString &month, const QString &kubun, const QString &check)
{
    db.exec("Insert InTo MC_WonJaJeyInPut (InPut_Serial, InPut_Date, InPut_Year, InPut_Month, InPut_Kubun, "
            "InPut_Check_01) Values (:s, :d, '2005', :m, :k, :c)",
            {{":s", serial}, {":d", "2005-" + month + "-10"}, {":m", month}, {":k", kubun}, {":c", check}});
}
} // namespace

// The rules every entry screen shares: the day box, the open-month test and the stored-row rule.
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
        const RowRule rule{entryTables::Lots, false, "수정 가능한 년도와 월입니다........"};
        QVERIFY(!newRowRefusal(books.db(), rule, {"2005", "04"}));
        const Verdict other = newRowRefusal(books.db(), rule, {"2005", "03"});
        QVERIFY(other);
        QCOMPARE(other->text, "미마감된 2005년과 04월만" + LB + "수정 가능한 년도와 월입니다........");
        QVERIFY(other->clearsBoxes);
    }

    void theOpenMonthIsReadAnewEachTime()
    {
        TestBooks books;
        QVERIFY(!newRowRefusal(books.db(), receiptRule, {"2005", "04"}));
        // Another screen (the monthly close) moves the open month on.
        books.connect()->exec("UpDate MC_YearMonthCheck Set YM_Kubun = '마감완료' Where YM_Month = '04'");
        books.connect()->exec("Insert InTo MC_YearMonthCheck (YM_Serial, YM_Year, YM_Month, YM_Kubun) "
                              "Values ('A0000000003', '2005', '05', '미마감')");
        const Verdict refused = newRowRefusal(books.db(), receiptRule, {"2005", "04"});
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
        const Verdict refused = newRowRefusal(books.db(), receiptRule, {"2005", "04"});
        QVERIFY(refused);
        QCOMPARE(refused->text, warnings::periodTableFault({"2005", "04"}));
        QVERIFY(refused->text.contains("2005년도 04월인데"));
    }

    // The stored row decides, whatever the screen remembers of it.
    void aStoredRowIsJudgedAsStored_data()
    {
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("kubun");
        QTest::addColumn<QString>("check");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("carriedForwardIsFixed");
        QTest::addColumn<QString>("refusal"); // empty: may change
        QTest::newRow("open month") << "04"
                                    << "당월입고"
                                    << ""
                                    << "04" << true << "";
        QTest::newRow("closed, shown in the open month") << "03"
                                                         << "당월입고"
                                                         << "마감완료"
                                                         << "04" << true << warnings::closedData();
        QTest::newRow("closed, shown in its month") << "03"
                                                    << "당월입고"
                                                    << "마감완료"
                                                    << "03" << true << warnings::closedData();
        QTest::newRow("carried forward") << "04"
                                         << "전기이월"
                                         << ""
                                         << "04" << true << warnings::carriedForward();
        QTest::newRow("carried forward, where that is allowed") << "04"
                                                                << "전기이월"
                                                                << ""
                                                                << "04" << false << "";
        QTest::newRow("another month, not marked closed") << "03"
                                                          << "당월입고"
                                                          << ""
                                                          << "04" << true << onlyApril;
        QTest::newRow("open month, another shown") << "04"
                                                   << "당월입고"
                                                   << ""
                                                   << "03" << true << onlyApril;
    }
    void aStoredRowIsJudgedAsStored()
    {
        QFETCH(QString, month);
        QFETCH(QString, kubun);
        QFETCH(QString, check);
        QFETCH(QString, shown);
        QFETCH(bool, carriedForwardIsFixed);
        QFETCH(QString, refusal);
        TestBooks books;
        Db &db = books.db();
        addReceiptRow(db, "A0000000001", month, kubun, check);
        const RowRule rule{entryTables::Receipts, carriedForwardIsFixed};
        const StoredRow row = readStoredRow(db, rule, " A0000000001 ", {"2005", shown});
        QVERIFY(row.found());
        QCOMPARE(row.refusal() ? row.refusal()->text : QString(), refusal);

        // What the rule refuses, the store refuses too: nothing is written.
        const RowValues change{{"InPut_TextMemo", QString("바뀜")}};
        if (refusal.isEmpty()) {
            updateStoredRow(db, row, change);
            QCOMPARE(db.scalar("Select InPut_TextMemo From MC_WonJaJeyInPut").toString(), QStringLiteral("바뀜"));
            deleteStoredRow(db, row);
            QCOMPARE(db.count("Select * From MC_WonJaJeyInPut"), 0);
        } else {
            QVERIFY_THROWS_EXCEPTION(Failure, updateStoredRow(db, row, change));
            QVERIFY_THROWS_EXCEPTION(Failure, deleteStoredRow(db, row));
            QCOMPARE(db.count("Select * From MC_WonJaJeyInPut Where InPut_TextMemo Is Null"), 1);
        }
    }

    void aMissingRowIsFoundByNoOne()
    {
        TestBooks books;
        const StoredRow row = readStoredRow(books.db(), receiptRule, "A0000000009", {"2005", "04"});
        QVERIFY(!row.found());
        QVERIFY(!row.refusal());
        QVERIFY_THROWS_EXCEPTION(Failure, deleteStoredRow(books.db(), row));
        QVERIFY(!readStoredRow(books.db(), receiptRule, "", {"2005", "04"}).found());
    }

    void noRowLeavesTheOpenMonth_data()
    {
        QTest::addColumn<QString>("month");
        QTest::addColumn<bool>("written");
        QTest::newRow("the open month") << "04" << true;
        QTest::newRow("a closed month") << "03" << false;
        QTest::newRow("a month not yet open") << "05" << false;
    }
    void noRowLeavesTheOpenMonth()
    {
        QFETCH(QString, month);
        QFETCH(bool, written);
        TestBooks books;
        Db &db = books.db();
        const RowValues row{
            {"InPut_Serial", QString("A0000000001")}, {"InPut_Year", QString("2005")}, {"InPut_Month", month}};
        if (written)
            insertEntryRow(db, entryTables::Receipts, row);
        else
            QVERIFY_THROWS_EXCEPTION(Failure, insertEntryRow(db, entryTables::Receipts, row));
        QCOMPARE(db.count("Select * From MC_WonJaJeyInPut"), written ? 1 : 0);

        // Nor does a change move a row of the open month into another.
        addReceiptRow(db, "A0000000002", "04", "당월입고", "");
        const StoredRow stored = readStoredRow(db, receiptRule, "A0000000002", {"2005", "04"});
        const RowValues moved{{"InPut_Year", QString("2005")}, {"InPut_Month", month}};
        if (written)
            updateStoredRow(db, stored, moved);
        else
            QVERIFY_THROWS_EXCEPTION(Failure, updateStoredRow(db, stored, moved));
        QCOMPARE(db.scalar("Select InPut_Month From MC_WonJaJeyInPut Where InPut_Serial = 'A0000000002'").toString(),
                 written ? month : QStringLiteral("04"));
    }
};

QTEST_GUILESS_MAIN(EntryRulesTest)
#include "tst_entryrules.moc"
