#include "MessageRecorder.h"
#include "TestBooks.h"
#include "common/SystemInfo.h"
#include "common/ui/Desktop.h"
#include "common/ui/KeyFilters.h"
#include "common/ui/ListCombo.h"
#include "common/ui/Screen.h"
#include "ui/ScreenDriver.h"

#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

using namespace zedur;
using namespace zedur::test;

namespace {
// The smallest screen with a period: what every entry and report screen does when shown.
class PeriodScreen : public Screen
{
public:
    explicit PeriodScreen(PeriodRule rule)
        : Screen({"TMC_Test_Form", "시험", rule}), year(new ListCombo("cbYear", {}, this)),
          month(new ListCombo("cbMonth", {}, this))
    {
    }
    bool unique = false;
    ListCombo *year;
    ListCombo *month;

protected:
    void onFirstShow() override { unique = applyPeriodRuleOnShow(year, month); }
};

// A box with an exit check and a Save button after it: the smallest screen that shows how
// a refused leave treats the click that caused it.
struct BoxAndSave : Screen {
    BoxAndSave() : Screen({"TMC_Test_Form", "시험"}), box(new QLineEdit(this)), save(new QPushButton("&S 저장", this))
    {
        box->setObjectName("edBox");
        save->setObjectName("SaveBtn");
        auto *layout = new QVBoxLayout(this);
        layout->addWidget(box);
        layout->addWidget(save);
    }
    QLineEdit *box;
    QPushButton *save;
};
// How text reaches a box without a key of its own.
enum class Arrival { CtrlV, ShiftInsert, PasteAction, Drop };

void deliver(QLineEdit *box, Arrival way, const QString &text)
{
    switch (way) {
    case Arrival::CtrlV:
        QApplication::clipboard()->setText(text);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        break;
    case Arrival::ShiftInsert:
        QApplication::clipboard()->setText(text);
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
        break;
    case Arrival::PasteAction: // what the context menu's Paste does
        QApplication::clipboard()->setText(text);
        box->paste();
        break;
    case Arrival::Drop: {
        QMimeData data;
        data.setText(text);
        const QPointF at = box->rect().center();
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box, &enter);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box, &drop);
        break;
    }
    }
    QApplication::processEvents();
}
} // namespace

Q_DECLARE_METATYPE(Arrival)
Q_DECLARE_METATYPE(KeySet)

class ScreenRulesTest : public QObject
{
    Q_OBJECT
private slots:
    void shownScreensTakeTheOpenMonth_data()
    {
        QTest::addColumn<int>("rule");
        QTest::addColumn<QString>("stateAfter");
        QTest::newRow("entry screens mark it for recalculation") << int(PeriodRule::Entry) << "배부액재계산";
        QTest::newRow("report screens only read it") << int(PeriodRule::Report) << "미마감";
    }
    void shownScreensTakeTheOpenMonth()
    {
        QFETCH(int, rule);
        QFETCH(QString, stateAfter);
        TestBooks books;
        MessageRecorder messages;
        PeriodScreen screen(static_cast<PeriodRule>(rule));
        ScreenDriver ui(&screen);
        QVERIFY(screen.unique);
        QCOMPARE(screen.year->currentText(), QStringLiteral("2005"));
        QCOMPARE(screen.month->currentText(), QStringLiteral("04"));
        QCOMPARE(screen.year->count(), 301);
        QCOMPARE(period::theOpenPeriod(books.db())->state, stateAfter);
        QVERIFY(messages.messages.isEmpty());
    }

    void twoOpenMonthsWarnAndRefuseEveryChange()
    {
        TestBooks books;
        books.db().exec("UPDATE MC_YearMonthCheck SET YM_Kubun = '미마감'");
        MessageRecorder messages;
        PeriodScreen screen(PeriodRule::Entry);
        ScreenDriver ui(&screen);
        QVERIFY(!screen.unique);
        QCOMPARE(messages.texts(), QStringList{period::notUniqueWarning()});
        QVERIFY(messages.lastText().startsWith(QStringLiteral("월별 체크 테이블에 ") + LB + LB +
                                               "중대한 오류가 발행 하였으므로"));
        QCOMPARE(period::openRows(books.db()).at(0).state, QStringLiteral("미마감")); // nothing marked
        messages.clear();
        QVERIFY(!screen.openPeriodShown({"2005", "04"}));
        QCOMPARE(messages.texts(), QStringList{period::notUniqueWarning()});
    }

    void changesOnlyInTheOpenMonth()
    {
        TestBooks books;
        MessageRecorder messages;
        PeriodScreen screen(PeriodRule::Entry);
        ScreenDriver ui(&screen);
        QVERIFY(screen.openPeriodShown({"2005", "04"}));
        QVERIFY(!screen.openPeriodShown({"2005", "03"}));
        QVERIFY(!screen.openPeriodShown({"2005", "05"}, "수정 가능한 년도와 월입니다........"));
        QCOMPARE(
            messages.texts(),
            (QStringList{QStringLiteral("미마감된 2005년과 04월만") + LB + "등록,수정,삭제등이 가능합니다........",
                         QStringLiteral("미마감된 2005년과 04월만") + LB + "수정 가능한 년도와 월입니다........"}));
    }

    void aScreenWithoutItsDatabaseStillOpensAndReports()
    {
        QTemporaryDir dir;
        setAppDirForTesting(dir.path());
        MessageRecorder messages;
        PeriodScreen screen(PeriodRule::Entry);
        ScreenDriver ui(&screen);
        QVERIFY(!screen.connected());
        QCOMPARE(messages.messages.size(), 2); // the connection warning, then the failed first query
        QCOMPARE(messages.messages.at(0).kind, MessageKind::Warning);
        QCOMPARE(messages.messages.at(1).kind, MessageKind::Error);
        setAppDirForTesting(QString());
    }

    void aRefusedLeaveCancelsOnlyTheClickThatLeft()
    {
        TestBooks books;
        MessageRecorder messages;
        BoxAndSave screen;
        QLineEdit *box = screen.box;
        QPushButton *save = screen.save;
        int clicks = 0;
        QObject::connect(save, &QPushButton::clicked, [&] { ++clicks; });
        screen.exits().onLeave(box, [box] { return box->text() != "bad"; });
        ScreenDriver ui(&screen);

        ui.type("edBox", "bad");
        ui.click("SaveBtn");
        QCOMPARE(clicks, 0);
        QCOMPARE(ui.focused(), box);
        // Once the value is mended, the very next click goes through (no event loop ran between).
        ui.type("edBox", "good");
        ui.click("SaveBtn");
        QCOMPARE(clicks, 1);
        ui.click("SaveBtn");
        QCOMPARE(clicks, 2);
    }

    void aRefusalInARealMessageBoxStillCancelsTheClick()
    {
        TestBooks books;
        useDesktop();
        BoxAndSave screen;
        QLineEdit *box = screen.box;
        QPushButton *save = screen.save;
        int clicks = 0;
        QObject::connect(save, &QPushButton::clicked, [&] { ++clicks; });
        int shown = 0;
        screen.exits().onLeave(box, [&] {
            if (box->text() != "bad")
                return true;
            // The box is a real modal one here; the user closes it.
            QTimer::singleShot(50, [&] {
                if (QWidget *modal = QApplication::activeModalWidget()) {
                    ++shown;
                    modal->close();
                }
            });
            msg::warning("원자재 코드가 있는");
            return false;
        });
        ScreenDriver ui(&screen);
        ui.type("edBox", "bad");
        ui.click("SaveBtn");
        QCOMPARE(shown, 1);
        QCOMPARE(clicks, 0);
        QVERIFY(!save->isDown());
        ui.type("edBox", "good");
        ui.click("SaveBtn");
        QCOMPARE(clicks, 1);
        setDefaultMessageSink(nullptr);
    }

    void aRefusedBoxIsCheckedOnceAndTheNextBoxNotAtAll()
    {
        TestBooks books;
        MessageRecorder messages;
        Screen screen({"TMC_Test_Form", "시험"});
        auto *layout = new QVBoxLayout(&screen);
        auto *amount = new QLineEdit(&screen);
        amount->setObjectName("amount");
        auto *last = new QLineEdit(&screen);
        last->setObjectName("last");
        auto *save = new QPushButton("저장", &screen);
        for (QWidget *w : {static_cast<QWidget *>(amount), static_cast<QWidget *>(last), static_cast<QWidget *>(save)})
            layout->addWidget(w);
        int lastChecks = 0;
        screen.exits().onLeave(amount, [&] {
            msg::warning("기준금액을 등록 하세요......");
            amount->setFocus(); // as refusals name the box to return to
            return false;
        });
        screen.exits().onLeave(last, [&] {
            ++lastChecks;
            save->setFocus();
            return true;
        });
        ScreenDriver ui(&screen);
        ui.focus("amount");
        ui.tab();
        QCOMPARE(messages.texts(), QStringList{"기준금액을 등록 하세요......"});
        QCOMPARE(ui.focused(), amount);
        QCOMPARE(lastChecks, 0);
    }

    // Text that arrives without a key of its own meets the same rule as typed text.
    void pastedAndDroppedTextMeetsTheKeyRule_data()
    {
        QTest::addColumn<KeySet>("keys");
        QTest::addColumn<QString>("arriving");
        QTest::addColumn<QString>("expected"); // the box's text afterwards
        QTest::addColumn<bool>("refused");
        QTest::newRow("code: a Korean name with quote and wildcards") << KeySet::CodeUpper << "원자재 'x%_"
                                                                      << "" << true;
        QTest::newRow("code: letters and digits, in upper case") << KeySet::CodeUpper << "ab12"
                                                                 << "AB12" << false;
        QTest::newRow("code: a blank") << KeySet::Code << "A 1"
                                       << "" << true;
        QTest::newRow("rate: a minus") << KeySet::NumberNoMinus << "-10"
                                       << "" << true;
        QTest::newRow("rate: a number") << KeySet::NumberNoMinus << "12.5"
                                        << "12.5" << false;
        QTest::newRow("price: a minus") << KeySet::Number << "-10"
                                        << "-10" << false;
        QTest::newRow("price: an exponent") << KeySet::Number << "1e5"
                                            << "" << true;
        QTest::newRow("price: thousands separators") << KeySet::Number << "1,000"
                                                     << "" << true;
        QTest::newRow("day: a letter") << KeySet::Digits << "3a"
                                       << "" << true;
        QTest::newRow("whole amount: a point") << KeySet::DigitsMinus << "1.5"
                                               << "" << true;
        QTest::newRow("free text takes anything") << KeySet::Any << "원자재 'x%_"
                                                  << "원자재 'x%_" << false;
    }
    void pastedAndDroppedTextMeetsTheKeyRule()
    {
        QFETCH(KeySet, keys);
        QFETCH(QString, arriving);
        QFETCH(QString, expected);
        QFETCH(bool, refused);
        TestBooks books;
        for (Arrival way : {Arrival::CtrlV, Arrival::ShiftInsert, Arrival::PasteAction, Arrival::Drop}) {
            MessageRecorder messages;
            BoxAndSave screen;
            setKeySet(screen.box, keys);
            ScreenDriver ui(&screen);
            ui.focus("edBox");
            deliver(screen.box, way, arriving);
            QCOMPARE(screen.box->text(), expected);
            QCOMPARE(messages.texts(), refused ? QStringList{refusedKeyText} : QStringList{});
        }
    }

    void aRefusedPasteLeavesWhatWasThere()
    {
        TestBooks books;
        MessageRecorder messages;
        BoxAndSave screen;
        setKeySet(screen.box, KeySet::NumberNoMinus);
        ScreenDriver ui(&screen);
        ui.type("edBox", "12");
        screen.box->setCursorPosition(1);
        deliver(screen.box, Arrival::CtrlV, "-");
        QCOMPARE(screen.box->text(), QStringLiteral("12"));
        QCOMPARE(screen.box->cursorPosition(), 1);
        deliver(screen.box, Arrival::CtrlV, "5");
        QCOMPARE(screen.box->text(), QStringLiteral("152"));
        // A value the screen formatted comes back whole with undo.
        screen.box->setText("1,234.0000");
        screen.box->selectAll();
        ui.keys("7");
        QTest::keyClick(screen.box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(screen.box->text(), QStringLiteral("1,234.0000"));
        QCOMPARE(messages.texts(), QStringList{refusedKeyText});
    }

    void whatASaveTakesForTyped_data()
    {
        QTest::addColumn<KeySet>("keys");
        QTest::addColumn<bool>("numberBox");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("typable");
        QTest::newRow("code") << KeySet::CodeUpper << false << "AB12" << true;
        QTest::newRow("code in lower case") << KeySet::CodeUpper << false << "ab12" << false;
        QTest::newRow("code with a quote") << KeySet::CodeUpper << false << "A'1" << false;
        QTest::newRow("formatted number") << KeySet::Number << true << "-1,234.5000" << true;
        QTest::newRow("number with a letter") << KeySet::Number << true << "12x" << false;
        QTest::newRow("two points") << KeySet::Number << true << "1.2.3" << false;
        QTest::newRow("negative rate") << KeySet::NumberNoMinus << true << "-10.00" << false;
        QTest::newRow("rate") << KeySet::NumberNoMinus << true << "99.99" << true;
        QTest::newRow("formatted whole amount") << KeySet::DigitsMinus << true << "-1,500,000.00" << true;
        QTest::newRow("day") << KeySet::Digits << false << "07" << true;
        QTest::newRow("day with a point") << KeySet::Digits << false << "7." << false;
        QTest::newRow("empty number") << KeySet::NumberNoMinus << true << "" << true;
        QTest::newRow("free text") << KeySet::Any << false << "원자재 'x%_" << true;
    }
    void whatASaveTakesForTyped()
    {
        QFETCH(KeySet, keys);
        QFETCH(bool, numberBox);
        QFETCH(QString, text);
        QFETCH(bool, typable);
        QCOMPARE(zedur::typable(keys, text, numberBox), typable);
    }

    // A button's shortcut leaves the box as a click on the button does.
    void aShortcutRunsTheLeaveCheckOfTheBoxItLeaves()
    {
        TestBooks books;
        MessageRecorder messages;
        BoxAndSave screen;
        QLineEdit *box = screen.box;
        int clicks = 0;
        int checks = 0;
        QObject::connect(screen.save, &QPushButton::clicked, [&] { ++clicks; });
        screen.exits().onLeave(box, [&] {
            ++checks;
            if (box->text() == "bad")
                return false;
            box->setText(box->text().toUpper()); // what leaving makes of the value
            return true;
        });
        ScreenDriver ui(&screen);

        ui.type("edBox", "bad");
        QTest::keyClick(box, Qt::Key_S, Qt::AltModifier);
        QTest::qWait(200);
        QCOMPARE(checks, 1);
        QCOMPARE(clicks, 0);
        QCOMPARE(ui.focused(), box);

        ui.type("edBox", "good");
        QTest::keyClick(box, Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(clicks, 1);
        QCOMPARE(checks, 2);
        QCOMPARE(box->text(), QStringLiteral("GOOD")); // the click saw what leaving made
    }

    void systemTexts()
    {
        QVERIFY(QRegularExpression("^[0-9A-F]{4} - [0-9A-F]{4}$").match(fVolumeSerial(QDir::tempPath())).hasMatch());
        QCOMPARE(saveDateText(QDateTime(QDate(2005, 4, 17), QTime(15, 7, 9))), QStringLiteral("2005-04-17 15:07:09"));
        QCOMPARE(saveDateText(QDateTime(QDate(2005, 4, 17), QTime(0, 0))), QStringLiteral("2005-04-17"));
    }
};

QTEST_MAIN(ScreenRulesTest)
#include "tst_screenrules.moc"
