#include "MessageRecorder.h"
#include "TestBooks.h"
#include "common/ui/GridTotals.h"
#include "common/ui/ListCombo.h"
#include "common/ui/NumberBox.h"
#include "common/ui/RecordScreen.h"
#include "ui/ScreenDriver.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace zedur;
using namespace zedur::test;

namespace {

const QString Amount = QStringLiteral("#,##0.0000;-#,##0.0000; ;");

// A record screen laid out with every kind of declaration: two boxes under one label, a list
// with a panel beside it, a read-only number box, an extra bar button and captioned lists.
class FormScreen : public RecordScreen
{
public:
    FormScreen() : RecordScreen({"TMC_Test_Form", "시험"}, nullptr, {Button::Save, Button::Close})
    {
        year = addTextBox("edYear", "기준년월", "T_Year", 4);
        month = addTextBox("edMonth", {}, "T_Month", 2);
        kind = new ListCombo("cbKind", {"가", "나"});
        addControl("구분", kind);
        panel = new QLabel("패널");
        panel->setObjectName("Panel_Kind");
        addBeside(kind, panel, 1);
        amount = addReadOnlyNumberBox("edAmount", "금액", "T_Amount");
        memo = addTextBox("edMemo", "비고", {}, 10);
        extra = addBarButton("ExtraBtn", "추가");
        SearchBar::Names names;
        names.label = "검색구분";
        setSearchItems({{"전체", everyRow}, {"이름", "T_Name Like :tbName"}}, names);
        addPeriodLists("cbSYear", "cbSMonth", "구분년도", "구분월", true);
        setGridColumns({{"T_Year", "년"}, {"T_Amount", "금액", Amount}, {"T_Cost", "원가", Amount}});
        finishLayout();
    }
    void pQuery() override
    {
        DBGrid1->setResult(ResultSet({"T_Year", "T_Month", "T_Amount", "T_Cost"},
                                     {{"2005", "04", 1234.5, 0.0}, {"2005", "05", -234.5, 0.0}}));
    }
    using RecordScreen::clearBoxes;
    using RecordScreen::pClear;
    using RecordScreen::pDisplay;
    using RecordScreen::pEnabledBtn;
    using RecordScreen::setMode;

    QLineEdit *year;
    QLineEdit *month;
    ListCombo *kind;
    QLabel *panel;
    NumberBox *amount;
    QLineEdit *memo;
    QPushButton *extra;
};

} // namespace

class RecordScreenTest : public QObject
{
    Q_OBJECT
private slots:
    void controlsBesideOthersShareTheirCellAndTheTabOrder()
    {
        TestBooks books;
        FormScreen screen;
        ScreenDriver ui(&screen);
        QCOMPARE(screen.month->geometry().top(), screen.year->geometry().top());
        QVERIFY(screen.month->geometry().left() > screen.year->geometry().right());
        QCOMPARE(screen.panel->geometry().top(), screen.kind->geometry().top());
        QVERIFY(screen.amount->isReadOnly());
        QCOMPARE(screen.amount->alignment() & Qt::AlignRight, Qt::AlignRight);

        ui.focus("edYear");
        QStringList order;
        for (int i = 0; i < 4; ++i) {
            ui.tab();
            screen.kind->hidePopup(); // a list drops down when tabbed into
            QApplication::processEvents();
            order << ui.focused()->objectName();
        }
        QCOMPARE(order, (QStringList{"edMonth", "cbKind", "edAmount", "edMemo"}));

        // Captions before their lists when asked; the search caption as given.
        const QList<QLabel *> labels = screen.findChildren<QLabel *>();
        auto labelled = [&](const QString &text) {
            for (QLabel *l : labels)
                if (l->text() == text)
                    return l;
            return static_cast<QLabel *>(nullptr);
        };
        QVERIFY(labelled("구분년도")->geometry().right() < screen.cbYear->geometry().left());
        QVERIFY(labelled("검색구분"));
    }

    void anExtraBarButtonIgnoresTheMode()
    {
        TestBooks books;
        FormScreen screen;
        ScreenDriver ui(&screen);
        screen.setMode(1);
        screen.pEnabledBtn();
        QVERIFY(!screen.SaveBtn->isEnabled());
        QVERIFY(screen.extra->isEnabled());
    }

    void boxesAreFilledAndEmptiedWithoutTouchingTheSearch()
    {
        TestBooks books;
        FormScreen screen;
        ScreenDriver ui(&screen);
        screen.pQuery();
        ui.pickRow(1);
        QCOMPARE(screen.month->text(), QStringLiteral("05"));
        QCOMPARE(screen.amount->text(), QStringLiteral("-234.5000"));
        screen.cbSearch->setCurrentIndex(1);
        screen.edSearch->setText("강판");
        screen.clearBoxes();
        QCOMPARE(screen.amount->text(), QString());
        QCOMPARE(screen.edSearch->text(), QStringLiteral("강판"));
        screen.pClear();
        QCOMPARE(screen.cbSearch->currentIndex(), 0);
        QCOMPARE(screen.edSearch->text(), QString());
    }

    void totalsFollowTheList()
    {
        TestBooks books;
        FormScreen screen;
        GridTotals totals(screen.DBGrid1, {"T_Amount", "T_Cost"}, &screen);
        QCOMPARE(totals.text(), QStringLiteral("합계 0건   금액 0.0000   원가 0.0000"));
        screen.pQuery();
        QCOMPARE(totals.text(), QStringLiteral("합계 2건   금액 1,000.0000   원가 0.0000"));
        // The grid itself still shows zero blank.
        QCOMPARE(screen.DBGrid1->model()->index(0, 2).data().toString(), QStringLiteral(" "));
    }
};

QTEST_MAIN(RecordScreenTest)
#include "tst_recordscreen.moc"
