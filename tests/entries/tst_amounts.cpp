#include "EntryFixture.h"
#include "entries/AmountLists.h"
#include "entries/Amounts.h"
#include "entries/EntryWarnings.h"
#include "entries/IssueViewers.h"

using namespace zedur;
using namespace zedur::amounts;
using test::April;
using test::TestBooks;

class AmountsTest : public QObject
{
    Q_OBJECT

    // Wages (40403001, "노무비(제)/임금") booked as a common amount.
    static AmountSave wages(Db &db)
    {
        AmountEntry e;
        e.serial = beginNewAmount(db, April, "").value;
        e.day = "25";
        e.acCode = "40403001";
        e.acName = "임금";
        e.groupAcName = groupAccountName("노무비(제)/임금", "임금");
        e.kind = Indirect;
        e.lotBox = CommonLot;
        e.textMemo = "4월 급여";
        e.amount = "1,500,000.00";
        return {April, e, "", TestBooks::fixedAudit()};
    }

    static int count(Db &db) { return db.scalar("Select count(*) From MC_AcNameAmtInPut").toInt(); }

private slots:
    void accountRules_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("group");
        QTest::newRow("manufacturing") << "40403001"
                                       << "노무비(제)/임금"
                                       << "임금"
                                       << "제조원가명세서"
                                       << "노무비(제)";
        QTest::newRow("income statement") << "40701001"
                                          << " 판매비와관리비/급여 "
                                          << "급여"
                                          << "손익계산서"
                                          << "판매비와관리비";
        QTest::newRow("call is the name") << "40901001"
                                          << "이자수익"
                                          << "이자수익"
                                          << "손익계산서"
                                          << "";
        QTest::newRow("call shorter than the name") << "40404001"
                                                    << "복리"
                                                    << "복리후생비"
                                                    << "제조원가명세서"
                                                    << "";
        QTest::newRow("only the separator left") << "40404005"
                                                 << "/전력비"
                                                 << "전력비"
                                                 << "제조원가명세서"
                                                 << "";
    }
    void accountRules()
    {
        QFETCH(QString, code);
        QFETCH(QString, call);
        QFETCH(QString, name);
        QFETCH(QString, statement);
        QFETCH(QString, group);
        QCOMPARE(groupKubunFor(code), statement);
        QCOMPARE(groupAccountName(call, name), group);
    }

    void directOrCommon_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("kindAfter");
        QTest::addColumn<QString>("lotAfter");
        QTest::addColumn<bool>("pickLot");
        QTest::newRow("direct on manufacturing asks for the lot") << "40403001"
                                                                  << "직접"
                                                                  << "직접"
                                                                  << "" << true;
        QTest::newRow("common on manufacturing") << "40403001"
                                                 << "간접"
                                                 << "간접"
                                                 << "간접(공통)비" << false;
        QTest::newRow("direct elsewhere becomes common") << "40701001"
                                                         << "직접"
                                                         << "간접"
                                                         << "간접(공통)비" << false;
    }
    void directOrCommon()
    {
        QFETCH(QString, code);
        QFETCH(QString, kind);
        QFETCH(QString, kindAfter);
        QFETCH(QString, lotAfter);
        QFETCH(bool, pickLot);
        const KindChoice c = leaveKindList(code, kind, lotBoxForKind(kind));
        QCOMPARE(c.kind, kindAfter);
        QCOMPARE(c.lotBox, lotAfter);
        QCOMPARE(c.pickLot, pickLot);
    }

    void leavingTheAmountBox_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown"); // "!": the warning, "-": refused silently
        QTest::newRow("whole number") << "1500000"
                                      << "1,500,000.00";
        QTest::newRow("negative") << "-2500"
                                  << "-2,500.00";
        QTest::newRow("empty") << ""
                               << "!";
        QTest::newRow("zero") << "0"
                              << "!";
        QTest::newRow("no number") << "5-"
                                   << "-";
    }
    void leavingTheAmountBox()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        const Checked<QString> out = leaveAmountBox(typed);
        if (shown == "!" || shown == "-") {
            QCOMPARE(out.refusal->text, shown == "!" ? QStringLiteral("기준금액을 등록 하세요......") : QString());
            QCOMPARE(out.refusal->focus, QStringLiteral("edAmt_Amt"));
        } else {
            QCOMPARE(out.value, shown);
        }
    }

    void aNewAmountWritesEveryColumn()
    {
        TestBooks books;
        Db &db = books.db();
        AmountSave save = wages(db);
        save.shown = {" 2005", "04 "};
        QVERIFY(!saveNewAmount(db, save));
        const ResultSet rs = db.query("Select * From MC_AcNameAmtInPut");
        QCOMPARE(rs.size(), 1);
        QCOMPARE(rs.columns().size(), 19);
        const QMap<QString, QString> texts{{"Amt_Serial", "A0000000001"},
                                           {"Amt_Date", "2005-04-25"},
                                           {"Amt_Year", "2005"},
                                           {"Amt_Month", "04"},
                                           {"Amt_GroupKubun", "제조원가명세서"},
                                           {"Amt_AcCode", "40403001"},
                                           {"Amt_AcName", "임금"},
                                           {"Amt_GroupAcName", "노무비(제)"},
                                           {"Amt_JeyJoKubun", "간접"},
                                           {"Amt_JeyGongPumSerial", "간접(공통)비"},
                                           {"Amt_TextMemo", "4월 급여"},
                                           {"Amt_Bigo", ""},
                                           {"Amt_Check_01", ""},
                                           {"Amt_Check_02", ""},
                                           {"Amt_Check_03", "1234 - ABCD"},
                                           {"Amt_Check_04", "TESTHOST"},
                                           {"Amt_Check_05", "/opt/zedur/"},
                                           {"Amt_SaveDate", "2005-04-17 10:00:00"}};
        for (auto it = texts.begin(); it != texts.end(); ++it) {
            QVERIFY2(!rs.value(0, it.key()).isNull(), qPrintable(it.key()));
            QCOMPARE(rs.text(0, it.key()), it.value());
        }
        QCOMPARE(rs.number(0, "Amt_Amt"), 1500000.0);
    }

    void saveRefusals_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("clears");
        QTest::newRow("closed before the month") << "closed+month" << warnings::closedData() << "" << true;
        QTest::newRow("another month before no day")
            << "month+noday"
            << "미마감된 2005년과 04월만" + LB + "등록,수정,삭제등이 가능합니다........"
            << "" << true;
        QTest::newRow("no day before no account") << "noday+noname"
                                                  << "기준일자를 등록 하세요......"
                                                  << "edDay" << false;
        QTest::newRow("no such day") << "day31+noname" << warnings::invalidDate("2005-04-31") << "edDay" << false;
        QTest::newRow("no account name before no code") << "noname+nocode"
                                                        << "원자재 이름를 등록 하세요......"
                                                        << "edAmt_AcName" << false;
        QTest::newRow("no account code") << "nocode+noamount"
                                         << "원자재 코드를 등록 하세요......"
                                         << "edAmt_AcName" << false;
        QTest::newRow("no amount before no lot") << "noamount+nolot"
                                                 << "기준금액을 등록 하세요......"
                                                 << "edAmt_Amt" << false;
        QTest::newRow("no lot before no description") << "nolot+nomemo"
                                                      << "투입된 제조공정(재공품)의 저장번호를 등록 하세요......"
                                                      << "cbAmt_JeyJoKubun" << false;
        QTest::newRow("no description before the kind") << "nomemo+directElsewhere"
                                                        << "적요및메모를 등록 하세요......"
                                                        << "edAmt_TextMemo" << false;
        QTest::newRow("direct on an income account") << "directElsewhere"
                                                     << ""
                                                     << "cbAmt_JeyJoKubun" << false;
        QTest::newRow("direct without its lot") << "directCommon"
                                                << ""
                                                << "cbAmt_JeyJoKubun" << false;
    }
    void saveRefusals()
    {
        QFETCH(QString, fault);
        QFETCH(QString, text);
        QFETCH(QString, focus);
        QFETCH(bool, clears);
        TestBooks books;
        Db &db = books.db();
        AmountSave save = wages(db);
        AmountEntry &e = save.entry;
        const QStringList faults = fault.split('+');
        if (faults.contains("closed"))
            save.gridCheck01 = "마감완료";
        if (faults.contains("month"))
            save.shown = {"2005", "03"};
        if (faults.contains("noday"))
            e.day = " ";
        if (faults.contains("day31"))
            e.day = "31";
        if (faults.contains("noname"))
            e.acName = "";
        if (faults.contains("nocode"))
            e.acCode = " ";
        if (faults.contains("noamount"))
            e.amount = "0.00";
        if (faults.contains("nolot"))
            e.lotBox = "";
        if (faults.contains("nomemo"))
            e.textMemo = "  ";
        if (faults.contains("directElsewhere")) {
            e.acCode = "40701001";
            e.kind = Direct;
            e.lotBox = "A0000000001";
        }
        if (faults.contains("directCommon"))
            e.kind = Direct;

        const Verdict refused = saveNewAmount(db, save);
        QVERIFY(refused);
        QCOMPARE(refused->text, text);
        QCOMPARE(refused->focus, focus);
        QCOMPARE(refused->clearsBoxes, clears);
        QCOMPARE(count(db), 0);

        // A change of a stored row refuses the same values and the same month; the grid's
        // row no longer counts once the row is stored (its own state does).
        if (faults.contains("closed"))
            return;
        AmountSave stored = wages(db);
        QVERIFY(!saveNewAmount(db, stored));
        save.entry.serial = stored.entry.serial;
        const Verdict change = saveChangedAmount(db, save);
        QVERIFY(change);
        QCOMPARE(change->text, text);
        QCOMPARE(change->focus, focus);
    }

    void aChangeKeepsTheCheckColumns()
    {
        TestBooks books;
        Db &db = books.db();
        AmountSave save = wages(db);
        QVERIFY(!saveNewAmount(db, save));
        db.exec("UpDate MC_AcNameAmtInPut Set Amt_Check_01 = NULL, Amt_Check_02 = '검토'");
        save.entry.amount = "1,600,000.00";
        save.entry.textMemo = "정정";
        QVERIFY(!saveChangedAmount(db, save));
        const ResultSet rs = db.query("Select * From MC_AcNameAmtInPut");
        QCOMPARE(rs.size(), 1);
        QCOMPARE(rs.number(0, "Amt_Amt"), 1600000.0);
        QCOMPARE(rs.text(0, "Amt_TextMemo"), QStringLiteral("정정"));
        QCOMPARE(rs.text(0, "Amt_Check_02"), QStringLiteral("검토"));
        QVERIFY(!rs.value(0, "Amt_Check_01").isNull()); // an empty check column is empty text
    }

    void insertAndDeleteOnlyInTheOpenMonth()
    {
        TestBooks books;
        Db &db = books.db();
        QCOMPARE(beginNewAmount(db, April, "마감완료").refusal->text, warnings::closedData());
        QVERIFY(beginNewAmount(db, {"2005", "05"}, "").refusal->text.startsWith("미마감된 2005년과 04월만"));
        QVERIFY(!saveNewAmount(db, wages(db)));
        QVERIFY(deleteAmount(db, {"2005", "03"}, "A0000000001")->clearsBoxes);
        QCOMPARE(count(db), 1);
        QVERIFY(!deleteAmount(db, April, " A0000000001 "));
        QCOMPARE(count(db), 0);
    }

    // The issue's example: a booking of the closed March picked, the month list switched to
    // the open April; Save or Delete must leave it where and as it is.
    void aClosedBookingStaysWhereItIs()
    {
        TestBooks books;
        Db &db = books.db();
        AmountSave save = wages(db);
        QVERIFY(!saveNewAmount(db, save));
        db.exec("UpDate MC_AcNameAmtInPut Set Amt_Year = '2005', Amt_Month = '03', Amt_Date = '2005-03-25', "
                "Amt_Check_01 = '마감완료'");
        save.entry.amount = "9";
        QCOMPARE(saveChangedAmount(db, save)->text, warnings::closedData());
        QCOMPARE(deleteAmount(db, April, save.entry.serial)->text, warnings::closedData());
        const ResultSet rs = db.query("Select * From MC_AcNameAmtInPut");
        QCOMPARE(rs.size(), 1);
        QCOMPARE(rs.text(0, "Amt_Month"), QStringLiteral("03"));
        QCOMPARE(rs.number(0, "Amt_Amt"), 1500000.0);
    }

    void aDirectAmountHoldsItsLot()
    {
        TestBooks books;
        Db &db = books.db();
        const QString r = test::addReceipt(db, 10, 2);
        QVERIFY(!issues::saveIssue(db, test::issueRequest(r, issues::IssueKind::Lot, "5")));
        const QString lot = test::newest(db, "MC_JeyGongPumInPut", "Gong_Serial");
        AmountSave save = wages(db);
        save.entry.kind = Direct;
        save.entry.lotBox = lot;
        QVERIFY(!saveNewAmount(db, save));
        QVERIFY(issues::deleteLot(db, April, lot)->text.startsWith("노무비,제조경비등에 직접비로 등록되어 있는"));
        QVERIFY(!deleteAmount(db, April, save.entry.serial));
        QVERIFY(!issues::deleteLot(db, April, lot));
    }

    void theLists()
    {
        TestBooks books;
        Db &db = books.db();
        // Only accounts amounts may be booked on, by name without blanks.
        const Statement wagesAccount = accountDialogList("임 금");
        const ResultSet accounts = db.query(wagesAccount);
        QCOMPARE(accounts.size(), 1);
        QCOMPARE(accounts.text(0, "Ac_AcCode"), QStringLiteral("40403001"));
        const Statement group = accountDialogList("노무비(제)");
        QCOMPARE(db.query(group).size(), 0); // a summary account
        const Statement all = accountDialogList("");
        QVERIFY(db.query(all).size() > 30);

        QVERIFY(!saveNewAmount(db, wages(db)));
        const Statement byName = amountList(April, "이름", "임금").whole();
        QCOMPARE(db.query(byName).size(), 1);
        const Statement march = amountList({"2005", "03"}, "전체", "").whole();
        QCOMPARE(db.query(march).size(), 0);

        const QString r = test::addReceipt(db, 10, 2);
        issues::IssueRequest req = test::issueRequest(r, issues::IssueKind::Lot, "5");
        req.bigo = "야간 작업";
        QVERIFY(!issues::saveIssue(db, req));
        for (const QString &sort : labelsOf(lotDialogSortItems())) {
            const Statement lots = lotDialogList(April, "모든적요문자", "투입야간", sort).whole();
            QCOMPARE(db.query(lots).size(), 1);
        }
        const Statement none = lotDialogList(April, "모든적요문자", "주간", "").whole();
        QCOMPARE(db.query(none).size(), 0);
    }
};

QTEST_GUILESS_MAIN(AmountsTest)
#include "tst_amounts.moc"
