// Types and pastes what nobody would type on purpose into the text and number boxes of the
// master-data screens and the receipts, saves by the button and by its shortcut, and checks
// that each either stores what the screen makes of the text (trimmed, upper-cased, cut to the
// box, rounded) or is refused with a message or with the focus kept in the box, and that
// nothing crashes.

#include "entries/ui/TMC_WonJaJeyInPut_Form.h"
#include "masters/ui/TMC_AcNameCode_Form.h"
#include "masters/ui/TMC_AcNameCode_Form_Kubun.h"
#include "masters/ui/TMC_JeyPumCode_Form.h"
#include "masters/ui/TMC_WonJaJeyCode_Form.h"
#include "ui/InputSweep.h"

#include <QApplication>
#include <QTest>

using namespace zedur;
using namespace zedur::test;

namespace {

const QHash<QString, SweptScreen> &screens()
{
    static const QHash<QString, SweptScreen> list = {
        {"raw materials",
         {[](Db &) { return std::make_unique<TMC_WonJaJeyCode_Form>(); },
          {{"edWon_Code", "SW01"}, {"edWon_Name", "스윕 자재"}, {"edWon_DanGa", "10"}},
          "MC_WonJaJeyCode",
          "Won_Serial"}},
        {"products",
         {[](Db &) { return std::make_unique<TMC_JeyPumCode_Form>(); },
          {{"edJey_Code", "SP01"}, {"edJey_Name", "스윕 제품"}},
          "MC_JeyPumCode",
          "Jey_Serial"}},
        {"receipts",
         {[](Db &db) {
              db.exec("INSERT INTO MC_WonJaJeyCode (Won_Serial, Won_Code, Won_Name, Won_DanGa, Won_DanWi) "
                      "VALUES ('A0000000001', 'ST01', '냉연강판', 3250.5, 'kg')");
              db.exec("INSERT INTO MC_JeyPumTreeWonJaJey (Tr_Index, Tr_Level, Tr_Code, Tr_Kubun) "
                      "VALUES (0, 1, 'ST01', '원자재')");
              return std::make_unique<TMC_WonJaJeyInPut_Form>();
          },
          {{"edDay", "15"},
           {"edInPut_WonCode", "ST01"},
           {"edInPut_WonName", "냉연강판"},
           {"edInPut_TextMemo", "스윕"},
           {"edInPut_SuKg", "3"},
           {"edInPut_DanGa", "1000"}},
          "MC_WonJaJeyInPut",
          "InPut_Serial",
          {},
          {},
          {"edInPut_WonCode", "edInPut_WonName"}}},
        // A new account under the first group the dialog offers (manufacturing labour).
        {"account codes",
         {[](Db &) { return std::make_unique<TMC_AcNameCode_Form>(); },
          {{"edAc_AcName", "야간 수당"}, {"edAc_TextMemo", "3교대"}},
          "MC_AcNameCode",
          "Ac_Serial",
          [](ScreenDriver &ui, QWidget *screen) {
              ui.click("InsertBtn");
              ScreenDriver(static_cast<TMC_AcNameCode_Form *>(screen)->groupDialog()).click("CloseBtn");
              QApplication::processEvents();
          }}},
    };
    return list;
}

} // namespace

class BadInputSweepTest : public QObject
{
    Q_OBJECT
private slots:
    // What the column holds afterwards (text, or a number) when the text is typed key by key
    // (refused keys are dropped, with a message) and when it is pasted whole (a paste with a
    // refused character is refused as a whole); invalid when the save must be refused.
    void whatIsStoredIsWhatTheBoxMakesOfTheText_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVariant>("typed");
        QTest::addColumn<QVariant>("pasted");
        const QString tricky = QStringLiteral("  분체 'A' \"B\" 50%_할인 C:\\도료  ");
        const QVariant trickyStored = QStringLiteral("분체 'A' \"B\" 50%_할인 C:\\도료");
        const QVariant refused;
        auto both = [](const QVariant &v) {
            return std::make_pair(v, v);
        };
        auto add = [](const QString &screen, const QString &box, const QString &column, const QString &what,
                      const QString &text, std::pair<QVariant, QVariant> stored) {
            QTest::newRow(qPrintable(QStringLiteral("%1 %2: %3").arg(screen, box, what)))
                << screen << box << column << text << stored.first << stored.second;
        };
        struct TextBox {
            QString screen, box, column;
            int boxLimit, columnWidth;
        };
        for (const TextBox &t : {TextBox{"raw materials", "edWon_Name", "Won_Name", 200, 200},
                                 TextBox{"raw materials", "edWon_Bigo", "Won_Bigo", 200, 200},
                                 TextBox{"products", "edJey_Name", "Jey_Name", 200, 200},
                                 TextBox{"products", "edJey_KuSize", "Jey_KuSize", 200, 100},
                                 TextBox{"receipts", "edInPut_TextMemo", "InPut_TextMemo", 100, 200},
                                 TextBox{"receipts", "edInPut_SaleName", "InPut_SaleName", 200, 200},
                                 // The report name puts four blanks before the name in as wide a column.
                                 TextBox{"account codes", "edAc_AcName", "Ac_AcName", 200, 196},
                                 TextBox{"account codes", "edAc_TextMemo", "Ac_TextMemo", 200, 200}}) {
            add(t.screen, t.box, t.column, "quotes, wildcards, backslash", tricky, both(trickyStored));
            // The box cuts what goes beyond it; the database refuses what its column cannot hold.
            const QString cut(t.boxLimit, u'가');
            add(t.screen, t.box, t.column, "one over the box", cut + u'가',
                both(t.boxLimit <= t.columnWidth ? QVariant(cut) : refused));
            if (t.columnWidth < t.boxLimit)
                add(t.screen, t.box, t.column, "one over the column", QString(t.columnWidth + 1, u'나'), both(refused));
        }
        for (const TextBox &t : {TextBox{"raw materials", "edWon_Code", "Won_Code", 50, 50},
                                 TextBox{"products", "edJey_Code", "Jey_Code", 50, 50}}) {
            add(t.screen, t.box, t.column, "lower case", "ab12", both(QString("AB12")));
            add(t.screen, t.box, t.column, "Hangul", "강판", both(refused));
            add(t.screen, t.box, t.column, "quote and wildcards", "A'%_", {QString("A"), refused});
            add(t.screen, t.box, t.column, "backslash and minus", "A\\1-2", {QString("A12"), refused});
            add(t.screen, t.box, t.column, "empty", "", both(refused));
            add(t.screen, t.box, t.column, "one over the box", QString(t.boxLimit + 1, u'X'),
                both(QString(t.boxLimit, u'X')));
        }
        add("raw materials", "edWon_Name", "Won_Name", "blanks only", "   ", both(refused));
        add("products", "edJey_Name", "Jey_Name", "empty", "", both(refused));
        add("account codes", "edAc_AcName", "Ac_AcName", "blanks only", "   ", both(refused));

        struct NumberBox {
            QString screen, box, column;
        };
        for (const NumberBox &n : {NumberBox{"raw materials", "edWon_DanGa", "Won_DanGa"},
                                   NumberBox{"receipts", "edInPut_SuKg", "InPut_SuKg"},
                                   NumberBox{"receipts", "edInPut_DanGa", "InPut_DanGa"}}) {
            add(n.screen, n.box, n.column, "two points", "1.2.3", both(refused));
            add(n.screen, n.box, n.column, "double minus", "--5", both(refused));
            add(n.screen, n.box, n.column, "trailing minus", "5-", both(refused));
            add(n.screen, n.box, n.column, "twenty digits", "12345678901234567890", both(refused));
            // A refused paste leaves the box empty, which the screens take for 0.
            add(n.screen, n.box, n.column, "letters", "12kg", {12.0, 0.0});
            add(n.screen, n.box, n.column, "quote", "1'0", {10.0, 0.0});
        }
        // The price is cut to five decimals and stored as the box shows it, with four.
        add("raw materials", "edWon_DanGa", "Won_DanGa", "more decimals than shown", "1234.567891", both(1234.5679));
        add("receipts", "edInPut_SuKg", "InPut_SuKg", "more decimals than shown", "2.71828", both(2.7183));

        for (const char *day : {"31", "00", "99", ""})
            add("receipts", "edDay", "InPut_Date", QStringLiteral("day '%1'").arg(day), day, both(refused));
        add("receipts", "edDay", "InPut_Date", "a letter", "3a", {QString("2005-04-03"), refused});
        add("receipts", "edDay", "InPut_Date", "a day of April", "7", both(QString("2005-04-07")));
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

QTEST_MAIN(BadInputSweepTest)
#include "tst_badinputsweep.moc"
