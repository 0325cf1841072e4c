#include "EntryFixture.h"
#include "common/TextNumber.h"
#include "entries/Completion.h"
#include "entries/EntryWarnings.h"

using namespace zedur;
using namespace zedur::completion;
using test::April;
using test::TestBooks;

class CompletionTest : public QObject
{
    Q_OBJECT

    // A lot of 10 at 123.45678 (amount 1,234.5678) with `earlier` percent done before.
    static QString lot(Db &db, double earlier = 40)
    {
        const QString r = test::addReceipt(db, 10, 123.45678);
        if (issues::saveIssue(db, test::issueRequest(r, issues::IssueKind::Lot, "10")))
            throw std::runtime_error("issue refused");
        const QString serial = test::newest(db, "MC_JeyGongPumInPut", "Gong_Serial");
        db.exec("UpDate MC_JeyGongPumInPut Set Gong_JenGiWoul = :e, Gong_GaAmt = 1234.5678 Where Gong_Serial "
                "= :s",
                {{":e", earlier}, {":s", serial}});
        return serial;
    }

    static CompletionSave saveOf(const QString &serial, const QString &rate)
    {
        return {April, false, serial, "W001", rate, " 완성 ", "비고", "2005-04-30 18:00:00"};
    }

private slots:
    void leavingTheRateBox_data()
    {
        QTest::addColumn<double>("amount");
        QTest::addColumn<double>("earlier");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("shown"); // rate, cumulative, cost
        QTest::addColumn<bool>("accepted");
        QTest::newRow("worked example") << 1234.5678 << 40.0 << "35.127" << QStringList{"35.12", "75.12", "433.5802"}
                                        << true;
        QTest::newRow("cut, not rounded")
            << 100.0 << 0.0 << "12.999" << QStringList{"12.99", "12.99", "12.9900"} << true;
        QTest::newRow("exactly 100") << 1000.0 << 60.0 << "40" << QStringList{"40.00", "100.00", "400.0000"} << true;
        QTest::newRow("halves that make 100")
            << 3.0 << 33.33 << "66.67" << QStringList{"66.67", "100.00", "2.0001"} << true;
        QTest::newRow("just above 100") << 1000.0 << 60.0 << "40.01" << QStringList{"40.01", "100.01", "0.0000"}
                                        << false;
        QTest::newRow("empty is none") << 1000.0 << 25.0 << "" << QStringList{"0.00", "25.00", "0.0000"} << true;
    }
    void leavingTheRateBox()
    {
        QFETCH(double, amount);
        QFETCH(double, earlier);
        QFETCH(QString, typed);
        QFETCH(QStringList, shown);
        QFETCH(bool, accepted);
        const Checked<CompletionFigures> f = leaveRateBox(typed, earlier, amount);
        QCOMPARE(f.ok(), accepted);
        QCOMPARE((QStringList{f.value.rateText(), f.value.cumulativeText(), f.value.monthCostText()}), shown);
        if (!accepted) {
            QVERIFY(f.refusal->text.isEmpty());
            QCOMPARE(f.refusal->focus, QStringLiteral("edG_DaongWoul"));
        }
        QCOMPARE(f.value.cumulative, fNumValue(shown[1])); // the value of the shown text, exactly
    }

    void aRateThatIsNoNumberKeepsTheFocus()
    {
        const Checked<CompletionFigures> f = leaveRateBox("1.2.3", 0, 100);
        QVERIFY(!f.ok());
        QVERIFY(f.refusal->text.isEmpty());
        QCOMPARE(leaveMonthCostBox("433.58029"), QStringLiteral("433.5802"));
    }

    void aSaveWritesItsSixColumnsOnly()
    {
        TestBooks books;
        Db &db = books.db();
        const QString serial = lot(db, 60);
        const ResultSet before = db.query("Select * From MC_JeyGongPumInPut");
        QVERIFY(!saveCompletion(db, saveOf(serial, "40")));
        const ResultSet after = db.query("Select * From MC_JeyGongPumInPut");
        const QStringList written{"Gong_TextMemo", "Gong_Bigo",        "Gong_DaongWoul",
                                  "Gong_TotWoul",  "Gong_DaongWonAmt", "Gong_SaveDate"};
        for (const QString &column : before.columns())
            if (!written.contains(column))
                QCOMPARE(after.value(0, column), before.value(0, column));
        QCOMPARE(after.text(0, "Gong_TextMemo"), QStringLiteral("완성"));
        QCOMPARE(after.text(0, "Gong_SaveDate"), QStringLiteral("2005-04-30 18:00:00"));
        QCOMPARE(after.number(0, "Gong_DaongWoul"), 40.0);
        QCOMPARE(after.number(0, "Gong_DaongWonAmt"), 493.8271);
        // Later screens pick finished lots with an exact comparison.
        QCOMPARE(db.count("Select * From MC_JeyGongPumInPut Where Gong_TotWoul = 100"), 1);
        const Statement done = lotList(April, "완성분", "전체", "", "저장순서").whole();
        QCOMPARE(db.query(done).size(), 1);

        // The worked example, saved.
        db.exec("UpDate MC_JeyGongPumInPut Set Gong_JenGiWoul = 40");
        QVERIFY(!saveCompletion(db, saveOf(serial, "35.127")));
        const ResultSet again = db.query("Select * From MC_JeyGongPumInPut");
        QCOMPARE(again.number(0, "Gong_DaongWoul"), 35.12);
        QCOMPARE(again.number(0, "Gong_TotWoul"), 75.12);
        QCOMPARE(again.number(0, "Gong_DaongWonAmt"), 433.5802);
    }

    void saveRefusals_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("clears");
        QTest::newRow("closed before the month") << "closed+month" << warnings::closedData() << "" << true;
        // A closed lot of March picked before the month list moved on to the open April.
        QTest::newRow("a closed lot, the open month shown") << "closed+march" << warnings::closedData() << "" << true;
        QTest::newRow("a lot of another month, not marked closed")
            << "march"
            << "미마감된 2005년과 04월만" + LB + "수정 가능한 년도와 월입니다........"
            << "" << true;
        QTest::newRow("another month before moved lots")
            << "month+warehouse"
            << "미마감된 2005년과 04월만" + LB + "수정 가능한 년도와 월입니다........"
            << "" << true;
        QTest::newRow("in the warehouse before transferred")
            << "warehouse+transfer"
            << "재공품 100% 완성품 중" + LB + "제품창고에 입고된 재공품 데이타가 있으므로" + LB +
                   "수정이 불가능합니다......."
            << "" << false;
        QTest::newRow("transferred before the rate")
            << "transfer+over"
            << "재공품의 타 계정 대체 중" + LB + "타 계정 대체 재공품 데이타가 있으므로" + LB +
                   "수정이 불가능합니다......."
            << "" << false;
        QTest::newRow("above 100 before an empty list")
            << "over+empty"
            << "제조공정 완성율이" + LB + "100.00%이상 될수가 없습니다......"
            << "edG_DaongWoul" << false;
        QTest::newRow("empty list before no pick") << "empty+unpicked"
                                                   << "데이타가 없습니다......"
                                                   << "" << false;
        QTest::newRow("no lot picked") << "unpicked+nocode"
                                       << "먼저 데이타를 선택 하세요....."
                                       << "edG_Serial" << false;
        QTest::newRow("no code shown") << "nocode"
                                       << "먼저 데이타를 선택 하세요....."
                                       << "edG_WonCode" << false;
    }
    void saveRefusals()
    {
        QFETCH(QString, fault);
        QFETCH(QString, text);
        QFETCH(QString, focus);
        QFETCH(bool, clears);
        TestBooks books;
        Db &db = books.db();
        const QString serial = lot(db, 60);
        CompletionSave save = saveOf(serial, "30");
        const QStringList faults = fault.split('+');
        if (faults.contains("closed"))
            db.exec("UpDate MC_JeyGongPumInPut Set Gong_Check_01 = '마감완료'");
        if (faults.contains("march"))
            db.exec("UpDate MC_JeyGongPumInPut Set Gong_Month = '03'");
        if (faults.contains("month"))
            save.shown = {"2005", "05"};
        if (faults.contains("warehouse"))
            db.exec("Insert InTo MC_ChaongGoJeyGongPumInJeyGong (InGong_Serial, InGong_GongSerial) Values "
                    "('A0000000001', :s)",
                    {{":s", serial}});
        if (faults.contains("transfer"))
            db.exec("Insert InTo MC_JeyGongPumInPut_TaAc (TaGong_Serial, TaGong_GongSerial) Values "
                    "('A0000000001', :s)",
                    {{":s", serial}});
        if (faults.contains("over"))
            save.typedRate = "40.01";
        if (faults.contains("empty"))
            save.listIsEmpty = true;
        if (faults.contains("unpicked"))
            save.serial = "";
        if (faults.contains("nocode"))
            save.wonCode = " ";

        const Verdict refused = saveCompletion(db, save);
        QVERIFY(refused);
        QCOMPARE(refused->text, text);
        QCOMPARE(refused->focus, focus);
        QCOMPARE(refused->clearsBoxes, clears);
        QCOMPARE(db.scalar("Select Gong_TotWoul From MC_JeyGongPumInPut").toDouble(), 0.0);
    }

    void theList_data()
    {
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("rows");
        QTest::newRow("all") << "전체분"
                             << "전체"
                             << "x" << 3;
        QTest::newRow("unfinished") << "미완성"
                                    << "전체"
                                    << "" << 2;
        QTest::newRow("finished") << "완성분"
                                  << "전체"
                                  << "" << 1;
        QTest::newRow("below 100 ignores the text") << "전체분"
                                                    << "100%미만"
                                                    << "zzz" << 2;
        QTest::newRow("at 100") << "전체분"
                                << "완성율100"
                                << "" << 1;
        QTest::newRow("by memo") << "전체분"
                                 << "적요및메모"
                                 << "공정 투입" << 3;
    }
    void theList()
    {
        QFETCH(QString, rate);
        QFETCH(QString, item);
        QFETCH(QString, text);
        QFETCH(int, rows);
        TestBooks books;
        Db &db = books.db();
        const QString done = lot(db, 60);
        lot(db, 0);
        lot(db, 10);
        QVERIFY(!saveCompletion(db, {April, false, done, "W001", "40", "공정투입", "", ""}));
        const Statement list = lotList(April, rate, item, text, "완성율미만").whole();
        QCOMPARE(db.query(list).size(), rows);
    }
};

QTEST_GUILESS_MAIN(CompletionTest)
#include "tst_completion.moc"
