#include "EntryFixture.h"
#include "entries/EntryWarnings.h"
#include "entries/IssueViewers.h"
#include "entries/ReceiptList.h"
#include "entries/ReceiptNumbers.h"

#include <QRandomGenerator>

using namespace zedur;
using namespace zedur::receipts;
using test::April;
using test::TestBooks;

Q_DECLARE_METATYPE(zedur::receipts::NumberBox)

class ReceiptsTest : public QObject
{
    Q_OBJECT

    static ReceiptSave newSave(Db &db, ReceiptEntry e = test::receiptEntry("3.0000", "1,234.5679", "3,703.7037"))
    {
        e.serial = beginNewReceipt(db, April, {}).value;
        return {April, e, {}, {}, TestBooks::fixedAudit()};
    }

    static int receiptCount(Db &db) { return db.scalar("Select count(*) From MC_WonJaJeyInPut").toInt(); }

private slots:
    void leavingANumberBox_data()
    {
        QTest::addColumn<NumberBox>("left");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("warning"); // "-": refused without a box
        const auto Q = NumberBox::Quantity;
        const auto P = NumberBox::Price;
        const auto A = NumberBox::Amount;
        QTest::newRow("quantity typed first")
            << Q << QStringList{"3", "", ""} << QStringList{"3.0000", "0.0000", "0.0000"} << "";
        QTest::newRow("then the unit price") << P << QStringList{"3.0000", "1234.56789", "0.0000"}
                                             << QStringList{"3.0000", "1,234.5679", "3,703.7037"} << "";
        QTest::newRow("quantity cut to five decimals")
            << Q << QStringList{"2.0000049", "1.0000", ""} << QStringList{"2.0000", "1.0000", "2.0000"} << "";
        QTest::newRow("amount follows the shown figures")
            << Q << QStringList{"0.33333", "3", "0"} << QStringList{"0.3333", "3.0000", "0.9999"} << "";
        QTest::newRow("empty quantity is zero")
            << Q << QStringList{"", "5.0000", "1.0000"} << QStringList{"0.0000", "5.0000", "0.0000"} << "";
        QTest::newRow("typed amount stands")
            << A << QStringList{"3.0000", "2.0000", "5.5"} << QStringList{"3.0000", "2.0000", "5.5000"} << "";
        QTest::newRow("price recomputes a typed amount")
            << P << QStringList{"3.0000", "2", "5.5000"} << QStringList{"3.0000", "2.0000", "6.0000"} << "";
        QTest::newRow("fourteen digits") << Q << QStringList{"12345678901234", "0", "0"}
                                         << QStringList{"12,345,678,901,234.0000", "0.0000", "0.0000"} << "";
        QTest::newRow("fifteen digits") << Q << QStringList{"123456789012345", "0", "0"} << QStringList{}
                                        << "전체 길이가 14자를 초과 할 수 없읍니다.....";
        QTest::newRow("minus and fourteen digits") << P << QStringList{"0", "-12345678901234", "0"}
                                                   << QStringList{"0", "-12,345,678,901,234.0000", "0.0000"} << "";
        QTest::newRow("minus and fifteen digits") << P << QStringList{"0", "-123456789012345", "0"} << QStringList{}
                                                  << "전체 길이가 15자를 초과 할 수 없읍니다.....";
        QTest::newRow("amount of twenty digits") << A << QStringList{"0", "0", "12345678901234.56789"} << QStringList{}
                                                 << "전체 길이가 19자를 초과 할 수 없읍니다.....";
        QTest::newRow("not a number") << A << QStringList{"0", "0", "12,3x.4.5"} << QStringList{} << "-";
        // Cut on the decimal form, then shown at four decimals: never one unit off.
        QTest::newRow("618.99 x 683.245") << P << QStringList{"618.9900", "683.245", "0"}
                                          << QStringList{"618.9900", "683.2450", "422,921.8226"} << "";
        QTest::newRow("489.5525 x 196.98")
            << Q << QStringList{"489.5525", "196.98", "0"} << QStringList{"489.5525", "196.9800", "96,432.0515"} << "";
        QTest::newRow("typed 422,921.82255") << A << QStringList{"1.0000", "1.0000", "422921.82255"}
                                             << QStringList{"1.0000", "1.0000", "422,921.8226"} << "";
    }

    // What a save stores, whichever boxes were left: the leave rules run again, and the
    // amount is worked out unless it was typed on purpose.
    void numbersASaveStores_data()
    {
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<bool>("amountTyped");
        QTest::addColumn<QStringList>("expected"); // empty: refused
        QTest::newRow("price box never left")
            << QStringList{"3.0000", "1000", "0.0000"} << false << QStringList{"3.0000", "1,000.0000", "3,000.0000"};
        QTest::newRow("quantity box never left")
            << QStringList{"3.123456", "1,000.0000", "0"} << false << QStringList{"3.1235", "1,000.0000", "3,123.5000"};
        QTest::newRow("a typed amount stands")
            << QStringList{"3.0000", "1,000.0000", "2999"} << true << QStringList{"3.0000", "1,000.0000", "2,999.0000"};
        QTest::newRow("a shown amount not typed is worked out")
            << QStringList{"3.0000", "1,000.0000", "2,999.0000"} << false
            << QStringList{"3.0000", "1,000.0000", "3,000.0000"};
        QTest::newRow("a quantity that is no number") << QStringList{"3x-", "1000", "0"} << false << QStringList{};
        QTest::newRow("large values shown formatted save as they are")
            << QStringList{"12,345,678,901,234.0000", "1", "0"} << false
            << QStringList{"12,345,678,901,234.0000", "1.0000", "12,345,678,901,234.0000"};
    }
    void numbersASaveStores()
    {
        QFETCH(QStringList, shown);
        QFETCH(bool, amountTyped);
        QFETCH(QStringList, expected);
        const Checked<NumberBoxes> out = numbersToSave({shown[0], shown[1], shown[2]}, amountTyped);
        QCOMPARE(out.ok(), !expected.isEmpty());
        if (out.ok())
            QCOMPARE((QStringList{out.value.quantity, out.value.price, out.value.amount}), expected);
    }

    void aSaveStoresTheAmountItWorksOut()
    {
        TestBooks books;
        ReceiptSave save = newSave(books.db());
        save.entry.quantity = "618.99";
        save.entry.price = "683.245";
        save.entry.amount = "0.0000"; // the price box was never left
        QVERIFY(!saveNewReceipt(books.db(), save));
        QCOMPARE(books.db().scalar("Select InPut_GaAmt From MC_WonJaJeyInPut").toDouble(), 422921.8226);
        save.entry.amount = "400000";
        save.entry.amountTyped = true;
        QVERIFY(!saveChangedReceipt(books.db(), save));
        QCOMPARE(books.db().scalar("Select InPut_GaAmt From MC_WonJaJeyInPut").toDouble(), 400000.0);
    }

    // Two-decimal quantities times three-decimal prices, against integers scaled by 10^4.
    void amountsMatchDecimalArithmetic()
    {
        QRandomGenerator random(618683);
        for (int i = 0; i < 5000; ++i) {
            const qint64 q = qint64(random.bounded(10000000)) * 100; // up to 99,999.99
            const qint64 p = qint64(random.bounded(100000000)) * 10; // up to 99,999.999
            const QString quantity = QString::number(q / 10000.0, 'f', 2);
            const QString price = QString::number(p / 10000.0, 'f', 3);
            const qint64 shown = (q * p / 1000 + 5) / 10; // cut to five decimals, rounded to four
            const Checked<NumberBoxes> out = leaveNumberBox(NumberBox::Price, {quantity, price, ""});
            QVERIFY(out.ok());
            QCOMPARE(storedNumber(out.value.amount),
                     QString("%1.%2").arg(shown / 10000).arg(shown % 10000, 4, 10, QChar(u'0')).toDouble());
        }
    }
    void leavingANumberBox()
    {
        QFETCH(NumberBox, left);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, expected);
        QFETCH(QString, warning);
        const Checked<NumberBoxes> out = leaveNumberBox(left, {shown[0], shown[1], shown[2]});
        if (expected.isEmpty()) {
            QVERIFY(!out.ok());
            QCOMPARE(out.refusal->text, warning == "-" ? QString() : warning);
            QCOMPARE(out.refusal->focus, boxName(left));
            QCOMPARE(out.refusal->selectsText, warning != "-");
            return;
        }
        QVERIFY(out.ok());
        QCOMPARE((QStringList{out.value.quantity, out.value.price, out.value.amount}), expected);
    }

    void aNewReceiptWritesEveryColumn()
    {
        TestBooks books;
        Db &db = books.db();
        ReceiptSave save = newSave(db);
        save.entry.day = "7";
        save.entry.saleName = "  대한철강 ";
        save.entry.bigo = "급송";
        QCOMPARE(save.entry.serial, QStringLiteral("A0000000001"));
        QVERIFY(!saveNewReceipt(db, save));

        const ResultSet rs = db.query("Select * From MC_WonJaJeyInPut");
        QCOMPARE(rs.size(), 1);
        QCOMPARE(rs.columns().size(), 27);
        const QStringList texts{"InPut_Serial",  "InPut_Date",     "InPut_Year",     "InPut_Month",
                                "InPut_WonCode", "InPut_WonName",  "InPut_SaleName", "InPut_Kubun",
                                "InPut_Bigo",    "InPut_Check_03", "InPut_SaveDate"};
        const QStringList expected{
            "A0000000001", "2005-04-07",         "2005", "04", "W001", "강판", "대한철강", "당월입고", "급송",
            "1234 - ABCD", "2005-04-17 10:00:00"};
        for (int i = 0; i < texts.size(); ++i)
            QCOMPARE(rs.text(0, texts[i]), expected[i]);
        // Check columns and the carry-forward link are empty text, never NULL.
        for (const char *column : {"InPut_Check_01", "InPut_Check_02", "InPut_InPutSerial", "InPut_Model"}) {
            QVERIFY(!rs.value(0, column).isNull());
            QCOMPARE(rs.value(0, column).toString(), QString());
        }
        QCOMPARE(rs.number(0, "InPut_SuKg"), 3.0);
        QCOMPARE(rs.number(0, "InPut_DanGa"), 1234.5679);
        QCOMPARE(rs.number(0, "InPut_GaAmt"), 3703.7037);
    }

    void saveRefusals_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("clears");
        QTest::newRow("carried forward before closed") << "carried+closed" << warnings::carriedForward() << "" << true;
        QTest::newRow("remembered closed") << "closed" << warnings::closedData() << "" << true;
        QTest::newRow("grid row closed") << "gridClosed" << warnings::closedData() << "" << true;
        QTest::newRow("another month before missing values")
            << "month+code"
            << "미마감된 2005년과 04월만" + LB + "등록,수정,삭제등이 가능합니다........"
            << "" << true;
        QTest::newRow("code before name") << "code+name"
                                          << "원자재 코드를 등록 하세요......"
                                          << "edInPut_WonName" << false;
        QTest::newRow("name") << "name"
                              << "원자재 이름를 등록 하세요......"
                              << "edInPut_WonName" << false;
        QTest::newRow("description of blanks") << "memo"
                                               << "적요및메모를 등록 하세요......"
                                               << "edInPut_TextMemo" << false;
        QTest::newRow("no day") << "noDay"
                                << "입고일자를 등록 하세요......"
                                << "edDay" << false;
        QTest::newRow("no such day") << "day31" << warnings::invalidDate("2005-04-31") << "edDay" << false;
    }
    void saveRefusals()
    {
        QFETCH(QString, fault);
        QFETCH(QString, text);
        QFETCH(QString, focus);
        QFETCH(bool, clears);
        TestBooks books;
        ReceiptSave save = newSave(books.db());
        if (fault.startsWith("carried"))
            save.remembered = {"전기이월", "마감완료"};
        if (fault == "closed")
            save.remembered.check01 = "마감완료";
        if (fault == "gridClosed")
            save.gridCheck01 = "마감완료";
        if (fault.startsWith("month"))
            save.shown = {"2005", "03"};
        if (fault.contains("code"))
            save.entry.wonCode = " ";
        if (fault.contains("name"))
            save.entry.wonName = "";
        if (fault == "memo")
            save.entry.textMemo = "   ";
        if (fault == "noDay")
            save.entry.day = "";
        if (fault == "day31")
            save.entry.day = "31";

        const Verdict refused = saveNewReceipt(books.db(), save);
        QVERIFY(refused);
        QCOMPARE(refused->text, text);
        QCOMPARE(refused->focus, focus);
        QCOMPARE(refused->clearsBoxes, clears);
        QCOMPARE(receiptCount(books.db()), 0);

        // A change of a stored row refuses the same values; what the screen remembers of a
        // row no longer counts once it is stored (its own state does, below).
        if (fault.contains("closed", Qt::CaseInsensitive) || fault.startsWith("carried") || fault.startsWith("month"))
            return;
        save.entry.serial = test::addReceipt(books.db(), 1, 1);
        const Verdict change = saveChangedReceipt(books.db(), save);
        QVERIFY(change);
        QCOMPARE(change->text, text);
        QCOMPARE(change->focus, focus);
    }

    void insertIsRefusedOutsideTheOpenMonth()
    {
        TestBooks books;
        QVERIFY(beginNewReceipt(books.db(), April, {}).ok());
        const Checked<QString> closed = beginNewReceipt(books.db(), April, {"", "마감완료"});
        QCOMPARE(closed.refusal->text, warnings::closedData());
        const Checked<QString> march = beginNewReceipt(books.db(), {"2005", "03"}, {});
        QVERIFY(march.refusal->text.startsWith("미마감된 2005년과 04월만"));
        QVERIFY(march.refusal->clearsBoxes);
    }

    void aChangeRewritesTheRow()
    {
        TestBooks books;
        Db &db = books.db();
        const QString serial = test::addReceipt(db, 10, 2);
        ReceiptEntry e = test::receiptEntry("4.0000", "2.5000", "10.0000");
        e.serial = serial;
        e.textMemo = "수정된 적요";
        QVERIFY(!saveChangedReceipt(db, {April, e, {"당월입고", ""}, "", TestBooks::fixedAudit()}));
        const ResultSet rs = db.query("Select * From MC_WonJaJeyInPut");
        QCOMPARE(rs.size(), 1);
        QCOMPARE(rs.text(0, "InPut_TextMemo"), QStringLiteral("수정된 적요"));
        QCOMPARE(rs.number(0, "InPut_SuKg"), 4.0);
        QCOMPARE(rs.number(0, "InPut_GaAmt"), 10.0);
    }

    void aReceiptInUseCannotChange_data()
    {
        QTest::addColumn<bool>("transfer");
        QTest::addColumn<bool>("lot");
        QTest::addColumn<QString>("first");
        QTest::newRow("transferred") << true << false << "타 계정 대체된 원자재가 있으므로";
        QTest::newRow("issued") << false << true << "제조공정에 투입된 원자재가 있으므로";
        QTest::newRow("both: the transfer is named") << true << true << "타 계정 대체된 원자재가 있으므로";
    }
    void aReceiptInUseCannotChange()
    {
        QFETCH(bool, transfer);
        QFETCH(bool, lot);
        QFETCH(QString, first);
        TestBooks books;
        Db &db = books.db();
        const QString serial = test::addReceipt(db, 10, 2);
        test::addReceipt(db, 10, 2); // a neighbour whose serial differs only in the last digit
        using issues::IssueKind;
        if (transfer)
            QVERIFY(!issues::saveIssue(db, test::issueRequest(serial, IssueKind::Transfer, "1")));
        if (lot)
            QVERIFY(!issues::saveIssue(db, test::issueRequest(serial, IssueKind::Lot, "1")));

        ReceiptEntry e = test::receiptEntry("5", "2", "10");
        e.serial = serial;
        const Verdict change = saveChangedReceipt(db, {April, e, {"당월입고", ""}, "", TestBooks::fixedAudit()});
        QVERIFY(change);
        QCOMPARE(change->text, first + LB + "수정이 불가능한 데이타 입니다.......");
        QVERIFY(change->clearsBoxes);
        const Verdict removal = deleteReceipt(db, April, serial);
        QVERIFY(removal);
        QCOMPARE(removal->text, first + LB + "삭제가 불가능한 데이타 입니다.......");
        QCOMPARE(receiptCount(db), 2);

        // Once the rows drawing on it are deleted in the viewers, it can change again.
        if (transfer)
            QVERIFY(!issues::deleteTransfer(db, April, test::newest(db, "MC_WonJaJeyInPut_TaAc", "TaInPut_Serial")));
        if (lot)
            QVERIFY(!issues::deleteLot(db, April, test::newest(db, "MC_JeyGongPumInPut", "Gong_Serial")));
        QVERIFY(!saveChangedReceipt(db, {April, e, {"당월입고", ""}, "", TestBooks::fixedAudit()}));
        QVERIFY(!deleteReceipt(db, April, serial + "  "));
        QCOMPARE(receiptCount(db), 1);
    }

    // A change or a delete is judged by the row as stored, read anew in its transaction.
    void storedStateRefusals_data()
    {
        QTest::addColumn<QString>("change"); // applied to the stored row after it was picked
        QTest::addColumn<QString>("month");  // the month shown
        QTest::addColumn<QString>("text");
        const QString onlyApril = "미마감된 2005년과 04월만" + LB + "등록,수정,삭제등이 가능합니다........";
        QTest::newRow("carried forward") << "InPut_Kubun = '전기이월'"
                                         << "04" << warnings::carriedForward();
        QTest::newRow("closed meanwhile") << "InPut_Check_01 = '마감완료'"
                                          << "04" << warnings::closedData();
        QTest::newRow("a closed row while the open month is shown")
            << "InPut_Year = '2005', InPut_Month = '03', InPut_Check_01 = '마감완료'"
            << "04" << warnings::closedData();
        QTest::newRow("a row of another month") << "InPut_Month = '03'"
                                                << "04" << onlyApril;
        QTest::newRow("another month shown") << ""
                                             << "05" << onlyApril;
    }
    void storedStateRefusals()
    {
        QFETCH(QString, change);
        QFETCH(QString, month);
        QFETCH(QString, text);
        TestBooks books;
        Db &db = books.db();
        const QString serial = test::addReceipt(db, 1, 1);
        if (!change.isEmpty())
            db.exec("UpDate MC_WonJaJeyInPut Set " + change);
        const QString before = db.scalar("Select InPut_TextMemo || InPut_Month From MC_WonJaJeyInPut").toString();

        ReceiptSave save{{"2005", month}, test::receiptEntry("2", "2", "4"), {}, {}, TestBooks::fixedAudit()};
        save.entry.serial = serial;
        save.entry.textMemo = "바꾼 적요";
        for (const Verdict &refused : {saveChangedReceipt(db, save), deleteReceipt(db, {"2005", month}, serial)}) {
            QVERIFY(refused);
            QCOMPARE(refused->text, text);
            QVERIFY(refused->clearsBoxes);
        }
        QCOMPARE(db.scalar("Select InPut_TextMemo || InPut_Month From MC_WonJaJeyInPut").toString(), before);
    }

    void aRowDeletedMeanwhileIsNotWrittenAgain()
    {
        TestBooks books;
        Db &db = books.db();
        const QString serial = test::addReceipt(db, 1, 1);
        db.exec("Delete From MC_WonJaJeyInPut");
        ReceiptSave save{April, test::receiptEntry("2", "2", "4"), {}, {}, TestBooks::fixedAudit()};
        save.entry.serial = serial;
        const QString gone = serial + "  검색한 데이타가 없습니다.....";
        QCOMPARE(saveChangedReceipt(db, save)->text, gone);
        QCOMPARE(deleteReceipt(db, April, serial)->text, gone);
        QCOMPARE(receiptCount(db), 0);
    }

    void theDialogListsOnlyMaterialsInATree()
    {
        TestBooks books;
        Db &db = books.db();
        db.exec("Insert InTo MC_WonJaJeyCode (Won_Serial, Won_Code, Won_Name, Won_NameAlias, Won_Model, "
                "Won_PumName, Won_KuSize) Values ('A0000000001', 'W001', '강판', '철판', 'M1', '판재', '1T'), "
                "('A0000000002', 'W002', '강관', '파이프', 'M2', '관재', '2T')");
        // Raw materials exist, but none is in a product tree yet.
        QVERIFY(!anyMaterialInATree(db));
        QVERIFY(db.query(materialDialogList("").sql, materialDialogList("").params).isEmpty());

        db.exec("Insert InTo MC_JeyPumTreeWonJaJey (Tr_Index, Tr_Level, Tr_Code, Tr_Kubun, Tr_SuKg) "
                "Values (0, 0, 'P001', '제품', 1), (1, 1, 'W002', '원자재', 2), (2, 1, 'W002', '원자재', 3)");
        QVERIFY(anyMaterialInATree(db));
        const Statement all = materialDialogList("");
        const ResultSet listed = db.query(all);
        QCOMPARE(listed.size(), 1); // in two tree rows, listed once
        QCOMPARE(listed.text(0, "Won_Code"), QStringLiteral("W002"));
        const Statement byAlias = materialDialogList("파 이프");
        QCOMPARE(db.query(byAlias).size(), 1);
        const Statement other = materialDialogList("철판");
        QCOMPARE(db.query(other).size(), 0);
        QCOMPARE(noMaterialInTreeWarning(),
                 "먼저 BOM Tree의 제품코드 구성과" + LB + LB + "원자재 코드 정보를 연계하세요........");
    }

    void theList_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("memos");
        QTest::newRow("all ignores the text") << "전체"
                                              << "zzz" << QStringList{"첫째", "셋째", "둘째"};
        QTest::newRow("by supplier") << "상호"
                                     << "대한" << QStringList{"둘째"};
        QTest::newRow("all columns joined") << "모든"
                                            << "W002강판" << QStringList{"둘째"};
        QTest::newRow("blanks in the text ignored") << "모든"
                                                    << "대 한 철 강" << QStringList{"둘째"};
        QTest::newRow("by date") << "일자"
                                 << "2005-04-0" << QStringList{"첫째", "셋째"};
        QTest::newRow("empty text") << "이름"
                                    << "" << QStringList{"첫째", "셋째", "둘째"};
    }
    void theList()
    {
        QFETCH(QString, item);
        QFETCH(QString, text);
        QFETCH(QStringList, memos);
        TestBooks books;
        Db &db = books.db();
        const auto add = [&](const QString &day, const QString &code, const QString &memo, const QString &sale) {
            ReceiptSave s = newSave(db);
            s.entry.day = day;
            s.entry.wonCode = code;
            s.entry.textMemo = memo;
            s.entry.saleName = sale;
            QVERIFY(!saveNewReceipt(db, s));
        };
        add("09", "W001", "셋째", "");
        add("15", "W002", "둘째", "대한철강");
        add("01", "W003", "첫째", "");
        // A receipt of another month never shows.
        db.exec("Insert InTo MC_WonJaJeyInPut (InPut_Serial, InPut_Date, InPut_Year, InPut_Month, InPut_WonCode, "
                "InPut_TextMemo) Values ('A0000000009', '2005-03-02', '2005', '03', 'W001', '지난달')");
        const Statement list = receiptList(April, item, text).whole();
        const ResultSet rs = db.query(list);
        QStringList listed;
        for (int i = 0; i < rs.size(); ++i)
            listed << rs.text(i, "InPut_TextMemo");
        QCOMPARE(listed, memos);
    }
};

QTEST_GUILESS_MAIN(ReceiptsTest)
#include "tst_receipts.moc"
