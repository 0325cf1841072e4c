// Types and pastes what nobody would type on purpose into the text, number and day boxes of
// the monthly entry screens, saves by the button and by its shortcut, and checks that each
// either stores what the screen makes of the text or is refused with a message or with the
// focus kept in the box, and that nothing crashes.

#include "ProductBooks.h"
#include "WipBooks.h"
#include "entries/ui/TMC_AcNameAmtInPut_Form.h"
#include "entries/ui/TMC_AcNameAmtInPut_Form_AcName.h"
#include "entries/ui/TMC_BanPumSaleAmtInPut_Form.h"
#include "entries/ui/TMC_ChaongGoJeyPumChulGoTaAc_Form.h"
#include "entries/ui/TMC_JeyGongPumToJeyPumInPut_Form.h"
#include "entries/ui/TMC_JeyGongPumToTaAcInPut_Form.h"
#include "entries/ui/TMC_JeyGongPumWoulInPut_Form.h"
#include "entries/ui/TMC_WonJaJeyTaJeyGongVw_Form.h"
#include "ui/InputSweep.h"

#include <QApplication>
#include <QComboBox>
#include <QTest>

using namespace zedur;
using namespace zedur::test;

namespace {

// Picks the grid's row whose field holds the value.
void pickRow(ScreenDriver &ui, const QString &field, const QString &value, int column,
             const QString &grid = QStringLiteral("DBGrid1"))
{
    const int row = int(ui.column(field, grid).indexOf(value));
    QVERIFY2(row >= 0, qPrintable(value));
    ui.pickRow(row, column, grid);
}

std::unique_ptr<QWidget> finishedLotsOfP1(Db &db)
{
    addProduct(db, "P1", "제품A");
    addTree(db, "P1", "제품A", {{1, "W1", 1.5}, {1, "W2", 1.0}});
    addLot(db, "W1", "05", 5, 10, graded(50, 2));
    addLot(db, "W2", "04", 10, 10, graded(100, 0.5));
    return std::make_unique<TMC_JeyGongPumToJeyPumInPut_Form>();
}

const QHash<QString, SweptScreen> &screens()
{
    static const QHash<QString, SweptScreen> list = {
        // 40 issued into a lot from a receipt of 100 at 2.5 of April.
        {"issues",
         {[](Db &db) {
              addReceipt(db, 100, 2.5);
              return std::make_unique<TMC_WonJaJeyTaJeyGongVw_Form>();
          },
          {{"edIn_SuKg", "40"}, {"edIn_Date", "15"}, {"edIn_TextMemo", "투입"}},
          "MC_JeyGongPumInPut",
          "Gong_Serial",
          [](ScreenDriver &ui, QWidget *) {
              ui.pickRow(0, 3);
          }}},
        // The month's rate of a lot issued from a receipt of 10 at 100.
        {"completion rates",
         {[](Db &db) {
              const QString receipt = addReceipt(db, 10, 100);
              issues::saveIssue(db, issueRequest(receipt, issues::IssueKind::Lot, "10"));
              return std::make_unique<TMC_JeyGongPumWoulInPut_Form>();
          },
          {{"edG_DaongWoul", "35"}, {"edG_TextMemo", "완성"}},
          "MC_JeyGongPumInPut",
          "Gong_Serial",
          [](ScreenDriver &ui, QWidget *) {
              ui.pickRow(0, 2);
          }}},
        // 2 of product P1 (1.5 of W1 and 1 of W2 a unit) from finished lots, checked first.
        {"completions",
         {finishedLotsOfP1,
          {{"edIn_Date", "7"}, {"edIn_TextMemo", "완성"}},
          "MC_ChaongGoJeyPumInPut",
          "JeyPum_Serial",
          [](ScreenDriver &ui, QWidget *) {
              pickRow(ui, "Tr_Code", "P1", 0, "DBGrid_Tree");
              ui.type("edIn_SuKg", "2");
              ui.click("TreeSearchBtn");
          }}},
        // The same with the quantity typed last, then checked.
        {"completion quantities",
         {finishedLotsOfP1,
          {{"edIn_SuKg", "2"}, {"edIn_Date", "7"}},
          "MC_ChaongGoJeyPumInPut",
          "JeyPum_Serial",
          [](ScreenDriver &ui, QWidget *) { pickRow(ui, "Tr_Code", "P1", 0, "DBGrid_Tree"); },
          [](ScreenDriver &ui, QWidget *) {
              ui.click("TreeSearchBtn");
          }}},
        // 4 of a lot of 10 at 60 % transferred.
        {"WIP transfers",
         {[](Db &db) {
              addLot(db, "W1", "05", 10, 100, graded(1000, 1, 60));
              return std::make_unique<TMC_JeyGongPumToTaAcInPut_Form>();
          },
          {{"edIn_SuKg", "4"}, {"edIn_Date", "5"}, {"edIn_TextMemo", "대체"}},
          "MC_JeyGongPumInPut_TaAc",
          "TaGong_Serial",
          [](ScreenDriver &ui, QWidget *) {
              ui.pickRow(0, 2);
          }}},
        // Common labour of the 27th on the account "임금".
        {"amounts",
         {[](Db &) { return std::make_unique<TMC_AcNameAmtInPut_Form>(); },
          {{"edAmt_TextMemo", "4월 분"}, {"edAmt_Amt", "1000"}},
          "MC_AcNameAmtInPut",
          "Amt_Serial",
          [](ScreenDriver &ui, QWidget *screen) {
              ui.click("InsertBtn");
              ui.keys("27");
              ui.tab();
              ui.type("edAmt_AcName", "임금");
              ui.tab();
              QApplication::processEvents();
              auto *dialog = static_cast<TMC_AcNameAmtInPut_Form *>(screen)->accountDialog();
              QVERIFY(dialog && dialog->isVisible());
              ScreenDriver d(dialog);
              pickRow(d, "Ac_AcCode", "40403001", 1);
              d.click("CloseBtn");
              QApplication::setActiveWindow(screen);
              // Common cost, spread over the lots by the allocation: no lot to name.
              ui.focus("cbAmt_JeyJoKubun");
              ui.press(Qt::Key_Up);
              ui.focus("edAmt_TextMemo");
              QApplication::processEvents();
          }}},
        // 3 of a product receipt of 10 at 1,000 sold at 120.5.
        {"shipments",
         {[](Db &db) {
              tenAtThousand(db);
              return std::make_unique<TMC_ChaongGoJeyPumChulGoTaAc_Form>();
          },
          {{"edIn_SuKg", "3"}, {"edIn_Date", "5"}, {"edIn_DanGa", "120.5"}, {"edIn_TextMemo", "매출"}},
          "MC_ChaongGoJeyPumInPut_ChulGo",
          "ChulGo_Serial",
          [](ScreenDriver &ui, QWidget *) {
              ui.pickRow(0, 1);
          }}},
        // 3 of a sale of 10 of April taken back in May.
        {"returns",
         {[](Db &db) {
              aprilSaleOfTen(db);
              return std::make_unique<TMC_BanPumSaleAmtInPut_Form>();
          },
          {{"edIn_SuKg", "3"}, {"edIn_Date", "12"}, {"edIn_TextMemo", "반품"}},
          "MC_ChaongGoJeyPumInPut_ChulGo",
          "ChulGo_Serial",
          [](ScreenDriver &ui, QWidget *) {
              ui.focus("cbSMonth");
              auto *month = ui.find<QComboBox>("cbSMonth");
              month->setCurrentIndex(month->findText("04"));
              ui.focus("edSSearch");
              ui.pickRow(0, 1);
          }}},
    };
    return list;
}

} // namespace

class EntrySweepTest : public QObject
{
    Q_OBJECT
private slots:
    // What the column holds afterwards (text, or a number) when the text is typed key by key
    // and when it is pasted whole; invalid when the save must be refused.
    void whatIsStoredIsWhatTheBoxMakesOfTheText_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVariant>("typed");
        QTest::addColumn<QVariant>("pasted");
        const QVariant refused;
        auto both = [](const QVariant &v) {
            return std::make_pair(v, v);
        };
        auto add = [](const QString &screen, const QString &box, const QString &column, const QString &what,
                      const QString &text, std::pair<QVariant, QVariant> stored) {
            QTest::newRow(qPrintable(QStringLiteral("%1 %2: %3").arg(screen, box, what)))
                << screen << box << column << text << stored.first << stored.second;
        };

        const QString tricky = QStringLiteral("  분체 'A' \"B\" 50%_할인 C:\\도료  ");
        struct TextBox {
            QString screen, box, column;
            QVariant stored; // what the tricky text becomes
            int limit;
        };
        const QVariant trimmed = QStringLiteral("분체 'A' \"B\" 50%_할인 C:\\도료");
        const QVariant noBlanks = QStringLiteral("분체'A'\"B\"50%_할인C:\\도료");
        // The shipment screen drops single quotes from every text it writes.
        const QVariant noBlanksNoQuotes = QStringLiteral("분체A\"B\"50%_할인C:\\도료");
        const QVariant trimmedNoQuotes = QStringLiteral("분체 A \"B\" 50%_할인 C:\\도료");
        for (const TextBox &t : {TextBox{"issues", "edIn_TextMemo", "Gong_TextMemo", noBlanks, 100},
                                 TextBox{"completion rates", "edG_TextMemo", "Gong_TextMemo", trimmed, 100},
                                 TextBox{"completions", "edIn_TextMemo", "JeyPum_TextMemo", trimmed, 100},
                                 TextBox{"WIP transfers", "edIn_TextMemo", "TaGong_TextMemo", trimmed, 100},
                                 TextBox{"amounts", "edAmt_TextMemo", "Amt_TextMemo", trimmed, 100},
                                 TextBox{"shipments", "edIn_TextMemo", "ChulGo_TextMemo", noBlanksNoQuotes, 100},
                                 TextBox{"shipments", "edIn_SaleName", "ChulGo_SaleName", trimmedNoQuotes, 200},
                                 TextBox{"returns", "edIn_TextMemo", "ChulGo_TextMemo", trimmed, 100}}) {
            add(t.screen, t.box, t.column, "quotes, wildcards, backslash", tricky, both(t.stored));
            add(t.screen, t.box, t.column, "one over the box", QString(t.limit + 1, u'가'),
                both(QString(t.limit, u'가')));
        }

        // Boxes that take digits and "." only: a refused key is dropped, and a paste holding
        // one leaves what the box held before (the quantity or price the screen proposed).
        struct NumberBox {
            QString screen, box, column;
            QVariant kept;
        };
        for (const NumberBox &n : {NumberBox{"issues", "edIn_SuKg", "Gong_SuKg", 100.0},
                                   NumberBox{"completion rates", "edG_DaongWoul", "Gong_DaongWoul", 0.0},
                                   NumberBox{"WIP transfers", "edIn_SuKg", "TaGong_SuKg", 10.0},
                                   NumberBox{"shipments", "edIn_SuKg", "ChulGo_SuKg", 10.0},
                                   NumberBox{"shipments", "edIn_DanGa", "ChulGo_DanGa", 100.0}}) {
            add(n.screen, n.box, n.column, "two points", "1.2.3", both(refused));
            add(n.screen, n.box, n.column, "double minus", "--5", {5.0, n.kept});
            add(n.screen, n.box, n.column, "trailing minus", "5-", {5.0, n.kept});
            add(n.screen, n.box, n.column, "twenty digits", "12345678901234567890", both(refused));
            add(n.screen, n.box, n.column, "letters", "2kg", {2.0, n.kept});
            add(n.screen, n.box, n.column, "quote", "1'0", {10.0, n.kept});
        }
        // Only 3.33 of P1 can be made from the finished lots; the check refuses more, or nothing.
        const QString completed = QStringLiteral("completion quantities");
        add(completed, "edIn_SuKg", "JeyPum_SuKg", "two points", "1.2.3", both(refused));
        add(completed, "edIn_SuKg", "JeyPum_SuKg", "double minus", "--5", both(refused));
        add(completed, "edIn_SuKg", "JeyPum_SuKg", "twenty digits", "12345678901234567890", both(refused));
        add(completed, "edIn_SuKg", "JeyPum_SuKg", "letters", "2kg", {2.0, refused});
        add(completed, "edIn_SuKg", "JeyPum_SuKg", "more decimals than shown", "2.71828", both(2.7183));
        // Whole amounts: digits and "-"; a refused paste leaves the box empty.
        add("amounts", "edAmt_Amt", "Amt_Amt", "two points", "1.2.3", {123.0, refused});
        add("amounts", "edAmt_Amt", "Amt_Amt", "double minus", "--5", both(refused));
        add("amounts", "edAmt_Amt", "Amt_Amt", "trailing minus", "5-", both(refused));
        add("amounts", "edAmt_Amt", "Amt_Amt", "twenty digits", "12345678901234567890", both(refused));
        add("amounts", "edAmt_Amt", "Amt_Amt", "letters", "2kg", {2.0, refused});
        add("amounts", "edAmt_Amt", "Amt_Amt", "quote", "1'0", {10.0, refused});
        // The returned quantity takes any key and is read by the number-from-text rule, which
        // keeps the digits; leaving it makes it negative.
        add("returns", "edIn_SuKg", "ChulGo_SuKg", "two points", "1.2.3", both(refused));
        add("returns", "edIn_SuKg", "ChulGo_SuKg", "double minus", "--5", both(refused));
        add("returns", "edIn_SuKg", "ChulGo_SuKg", "trailing minus", "5-", both(refused));
        add("returns", "edIn_SuKg", "ChulGo_SuKg", "twenty digits", "12345678901234567890", both(refused));
        add("returns", "edIn_SuKg", "ChulGo_SuKg", "letters", "2kg", both(-2.0));
        add("returns", "edIn_SuKg", "ChulGo_SuKg", "quote", "1'0", both(-10.0));

        struct DayBox {
            QString screen, box, column, month;
            QVariant typedLetter; // "3a": the letter dropped where the box takes digits only
        };
        for (const DayBox &d : {DayBox{"issues", "edIn_Date", "Gong_Date", "04", refused},
                                DayBox{"completions", "edIn_Date", "JeyPum_Date", "04", refused},
                                DayBox{"WIP transfers", "edIn_Date", "TaGong_Date", "04", refused},
                                DayBox{"amounts", "edDay", "Amt_Date", "04", QStringLiteral("2005-04-03")},
                                DayBox{"shipments", "edIn_Date", "ChulGo_Date", "04", refused},
                                DayBox{"returns", "edIn_Date", "ChulGo_Date", "05", refused}}) {
            const QString impossible = d.month == u"04" ? QStringLiteral("31") : QStringLiteral("32");
            for (const QString &day : {impossible, QStringLiteral("00"), QStringLiteral("99"), QString()})
                add(d.screen, d.box, d.column, QStringLiteral("day '%1'").arg(day), day, both(refused));
            // The amounts screen's day box keeps the 27th typed when the entry began.
            const QVariant pastedLetter = d.screen == u"amounts" ? QStringLiteral("2005-04-27") : refused;
            add(d.screen, d.box, d.column, "a letter", "3a", {d.typedLetter, pastedLetter});
            add(d.screen, d.box, d.column, "a day of the month", "17", both(QStringLiteral("2005-%1-17").arg(d.month)));
        }
    }
    void whatIsStoredIsWhatTheBoxMakesOfTheText()
    {
        QFETCH(QString, screen);
        QFETCH(QString, box);
        QFETCH(QString, column);
        QFETCH(QString, text);
        QFETCH(QVariant, typed);
        QFETCH(QVariant, pasted);
        sweepBox(screens()[screen], box, column, text, typed, pasted);
    }
};

QTEST_MAIN(EntrySweepTest)
#include "tst_entrysweep.moc"
