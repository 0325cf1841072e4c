#include "ClosingFixture.h"
#include "MessageRecorder.h"
#include "MonthGenerator.h"
#include "app/MenuTree.h"
#include "app/TMC_ZedUrMain_Form.h"
#include "closing/ui/TMC_JeyJoAmtUpDate_Form.h"
#include "closing/ui/TMC_MonthMaGam_Form.h"
#include "closing/ui/TMC_TableCreate_Form.h"
#include "common/SystemInfo.h"
#include "entries/ui/TMC_WonJaJeyInPut_Form.h"
#include "entries/ui/TMC_WonJaJeyTaJeyGongVw_Form.h"
#include "masters/ui/TMC_JeyPumCode_Form.h"
#include "masters/ui/TMC_JeyPumTreeWonJaJey_Unit_Form.h"
#include "reports/ui/TMC_ReportJeyJoVwList_Form.h"
#include "reports/ui/TMC_ReportWonJaJeyYbChulGo_Form.h"
#include "store/Books.h"
#include "ui/ScreenDriver.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

using namespace zedur;
using namespace zedur::test;

// The program on books opened only to read (its --read-only; books the user may not write
// open the same way, BooksAccess.h): it starts, every screen shows the books, reports are
// built, and whatever would change the books is refused with the message that says why
// before anything starts.
namespace {

using OpenScreen = std::function<std::unique_ptr<QWidget>()>;
using Act = std::function<void(ScreenDriver &)>;

template <class ScreenClass> OpenScreen screenOf()
{
    return [] {
        return std::make_unique<ScreenClass>();
    };
}

Act click(const QString &button)
{
    return [button](ScreenDriver &ui) {
        ui.click(button);
    };
}

} // namespace

Q_DECLARE_METATYPE(OpenScreen)
Q_DECLARE_METATYPE(Act)

class ReadOnlyScreensTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { setBooksReadOnlyRequested(false); }

    // Every screen of the menu opens on the books without a box and without writing them
    // (an entry screen no longer marks the month when it opens: no entry can be saved).
    void theProgramStartsForReadingAndEveryScreenOpens()
    {
        TestBooks books;
        generateBooks(books.db(), 9, 2, MonthShape{4});
        const QStringList before = picture(books.db());
        setBooksReadOnlyRequested(true);
        MessageRecorder messages;
        TMC_ZedUrMain_Form main;
        QVERIFY(main.connected());
        QVERIFY(main.windowTitle().endsWith(QStringLiteral(" [읽기 전용]")));
        for (const MenuNode &group : mainMenu())
            for (const MenuNode &entry : group.children) {
                if (entry.code == 900)
                    continue;
                QString opened;
                QTimer::singleShot(0, [&] {
                    if (QWidget *modal = QApplication::activeModalWidget()) {
                        opened = modal->objectName();
                        modal->close();
                    }
                });
                main.pRunMenu(entry.code);
                QVERIFY2(!opened.isEmpty(), qPrintable(entry.text));
                QVERIFY2(messages.texts().isEmpty(), qPrintable(opened + u'\n' + messages.texts().join(u'\n')));
            }
        QCOMPARE(picture(books.db()), before);
    }

    void screensShowTheBooksAndRefuseChanges_data()
    {
        QTest::addColumn<OpenScreen>("open");
        QTest::addColumn<Act>("act");
        QTest::addColumn<QString>("refused"); // how the refusal names the change; empty: none
        const auto pickAndClick = [](const QString &button) {
            return Act([button](ScreenDriver &ui) {
                ui.pickRow(0);
                ui.click(button);
            });
        };
        QTest::newRow("raw-material movements")
            << screenOf<TMC_ReportWonJaJeyYbChulGo_Form>() << click("SearchBtn") << QString();
        QTest::newRow("statement of cost") << screenOf<TMC_ReportJeyJoVwList_Form>() << click("SearchBtn") << QString();
        QTest::newRow("issues: the receipts' balances")
            << screenOf<TMC_WonJaJeyTaJeyGongVw_Form>() << Act() << QString();
        QTest::newRow("receipts: a new row")
            << screenOf<TMC_WonJaJeyInPut_Form>() << click("InsertBtn") << rowChangesWording;
        QTest::newRow("receipts: a delete")
            << screenOf<TMC_WonJaJeyInPut_Form>() << pickAndClick("DeleteBtn") << rowChangesWording;
        QTest::newRow("receipts: a save")
            << screenOf<TMC_WonJaJeyInPut_Form>() << pickAndClick("SaveBtn") << rowChangesWording;
        QTest::newRow("product codes: a new row")
            << screenOf<TMC_JeyPumCode_Form>() << click("InsertBtn") << rowChangesWording;
        QTest::newRow("product trees: a new node")
            << screenOf<TMC_JeyPumTreeWonJaJey_Unit_Form>() << click("NewNodeBtn") << rowChangesWording;
        QTest::newRow("allocation") << screenOf<TMC_JeyJoAmtUpDate_Form>() << click("PrintBtn")
                                    << QStringLiteral("배부액 계산 업데이트가");
        QTest::newRow("close") << screenOf<TMC_MonthMaGam_Form>() << click("PrintBtn")
                               << QStringLiteral("마감및이월 작업이");
        QTest::newRow("initialisation") << screenOf<TMC_TableCreate_Form>() << click("BitBtn1")
                                        << initialisationWording;
    }

    void screensShowTheBooksAndRefuseChanges()
    {
        QFETCH(OpenScreen, open);
        QFETCH(Act, act);
        QFETCH(QString, refused);
        TestBooks books;
        generateBooks(books.db(), 9, 2, MonthShape{4});
        const QStringList before = picture(books.db());
        setBooksReadOnlyRequested(true);
        MessageRecorder messages;
        {
            const std::unique_ptr<QWidget> screen = open();
            ScreenDriver ui(screen.get());
            QVERIFY2(messages.texts().isEmpty(), qPrintable(messages.texts().join(u'\n')));
            if (act)
                act(ui);
        }
        const QStringList expected =
            refused.isEmpty() ? QStringList{} : QStringList{readOnlyBooksWarning(ReadOnlyCause::Requested, refused)};
        QCOMPARE(messages.texts(), expected);
        // Opening an entry screen leaves the month's state alone, too.
        QCOMPARE(picture(books.db()), before);
        QVERIFY(!QDir(books.dir() + QStringLiteral("Access_Db/backup")).exists());
    }
};

QTEST_MAIN(ReadOnlyScreensTest)
#include "tst_readonlyscreens.moc"
