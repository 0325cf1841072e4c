#include "common/ErrorLog.h"
#include "common/SystemInfo.h"
#include "common/ui/ListCombo.h"
#include "masters/ui/TMC_AcNameCode_Form.h"
#include "store/Serials.h"
#include "ui/ScreenFixture.h"

#include <QDir>
#include <QFont>
#include <QPushButton>
#include <QTest>

using namespace zedur;
using namespace zedur::test;

namespace {

const QString closedText = QStringLiteral("마감완료된 데이타는") + LB + QStringLiteral("등록,수정,삭제등이") + LB +
                           QStringLiteral("불가능한 데이타입니다...................... ");
const QString bookedEdit = QStringLiteral("월별 수익비용 계정과목 금액이 등록된 데이타라\r\n수정이 불가능합니다.......");
const QString bookedDelete = QStringLiteral("월별 수익비용 계정과목 금액이 등록된 데이타라\r\n삭제가 불가능합니다.......");
const QString suppliedEdit = QStringLiteral("초기 계정과목 코드라 수정이 불가능합니다.......");
const QString suppliedDelete = QStringLiteral("초기 계정과목 코드라 삭제가 불가능합니다.......");
const QString groupFull = QStringLiteral("계정과목 코드를 더이상 등록이 불가능합니다.......");
const QString noGroup = QStringLiteral("계정과목 코드를 선택 하세요.....");
const QString codeMissing = QStringLiteral("계정과목 코드를 선택및등록 하세요......");
const QString nameMissing = QStringLiteral("계정과목 이름를 선택및등록 하세요......");

// The starting chart plus one account registered earlier on this screen (40404015 under
// "제조경비(제)"), which is neither supplied nor booked; the screen driven offscreen.
struct Fixture : ScreenFixture<TMC_AcNameCode_Form> {
    explicit Fixture(const std::function<void(Fixture &)> &setup = {})
    {
        addAccount("40404015", "폐기물처리비", "제조경비(제)/폐기물처리비", "01제조", "등록", "외부 위탁");
        if (setup)
            setup(*this);
        open();
    }
    void addAccount(const QString &code, const QString &name, const QString &call, const QString &statement,
                    const QString &inputKind, const QString &memo = {})
    {
        books.db().exec("INSERT INTO MC_AcNameCode (Ac_Serial, Ac_Kubun_A, Ac_Kubun_B, Ac_Kubun_C, Ac_Kubun_D, "
                        "Ac_AcCode, Ac_AcName, Ac_AcNameReport, Ac_AcNameCall, Ac_GroupKubun, Ac_InPutKubun, "
                        "Ac_CallKubun, Ac_TotalCode, Ac_TextMemo, Ac_Check_01, Ac_Check_02) VALUES (:s, :a, :b, "
                        ":c, :d, :code, :name, :report, :call, :statement, :input, '호출', :total, :memo, '', '')",
                        {{":s", Serial_MaxValue(books.db(), "MC_AcNameCode", "Ac_Serial")},
                         {":a", code.mid(0, 1)},
                         {":b", code.mid(1, 2)},
                         {":c", code.mid(3, 2)},
                         {":d", code.mid(5, 3)},
                         {":code", code},
                         {":name", name},
                         {":report", "    " + name},
                         {":call", call},
                         {":statement", statement},
                         {":input", inputKind},
                         {":total", code.left(5) + "000"},
                         {":memo", memo}});
    }
    // A group of the income statement to count detail numbers under; `highest` is the
    // greatest detail number already used (0: only the group row).
    void addTestGroup(int highest)
    {
        addAccount("41500000", "테스트그룹", "테스트그룹", "03손익", "계정등록");
        if (highest > 0)
            addAccount(QStringLiteral("41500%1").arg(highest, 3, 10, QChar(u'0')), "마지막", "테스트그룹/마지막",
                       "03손익", "등록");
    }
    void book(const QString &code)
    {
        books.db().exec("INSERT INTO MC_AcNameAmtInPut (Amt_Serial, Amt_Year, Amt_Month, Amt_AcCode, Amt_Amt) "
                        "VALUES ('A0000000001', '2005', '04', :c, 150000)",
                        {{":c", code}});
    }
    void mark(const QString &code, const QString &check)
    {
        books.db().exec("UPDATE MC_AcNameCode SET Ac_Check_01 = :k WHERE Ac_AcCode = :c", {{":k", check}, {":c", code}});
    }
    void pick(const QString &code)
    {
        ScreenFixture::pick("Ac_AcCode", code, 2);
        QCOMPARE(screen->mode(), 2);
    }
    // Insert, then the group chosen in the dialog (which stays open).
    void insertUnder(const QString &groupCode)
    {
        ui->click("InsertBtn");
        QVERIFY(screen->groupDialog() && screen->groupDialog()->isVisible());
        ScreenDriver dialog(screen->groupDialog());
        const int row = dialog.column("Ac_AcCode").indexOf(groupCode);
        QVERIFY2(row >= 0, qPrintable(groupCode));
        dialog.pickRow(row, 5);
    }
    void closeDialog()
    {
        ScreenDriver(screen->groupDialog()).click("CloseBtn");
        QApplication::processEvents();
    }
    QVariant stored(const QString &code, const QString &column)
    {
        return books.db().scalar("SELECT " + column + " FROM MC_AcNameCode WHERE Ac_AcCode = :c", {{":c", code}});
    }
    int accounts() { return books.db().count("SELECT * FROM MC_AcNameCode"); }
};

QStringList titlesOf(QAbstractItemModel *model)
{
    QStringList titles;
    for (int c = 0; c < model->columnCount(); ++c)
        titles << model->headerData(c, Qt::Horizontal).toString();
    return titles;
}

} // namespace

class AccountScreenTest : public QObject
{
    Q_OBJECT
private slots:
    void opensOnTheManufacturingAccountsWithGroupsHighlighted()
    {
        Fixture f;
        QCOMPARE(f.screen->windowTitle(), QStringLiteral("제조원가명세서와 손익계산서의 계정과목을 등록하는 폼 입니다."));
        QCOMPARE(f.screen->cbSGroupKubun->currentText(), QStringLiteral("제조"));
        QCOMPARE(f.screen->cbSSearch->currentText(), QStringLiteral("전체"));
        QCOMPARE(f.screen->mode(), 1);
        const QStringList codes = f.ui->column("Ac_AcCode");
        QCOMPARE(codes.size(), f.books.db().count("SELECT * FROM MC_AcNameCode WHERE Ac_GroupKubun = '01제조'"));
        QCOMPARE(codes.first(), QStringLiteral("40401000"));
        QVERIFY(std::is_sorted(codes.begin(), codes.end()));
        QCOMPARE(titlesOf(f.screen->DBGrid1->model()),
                 (QStringList{"저장순서", "계정과목 코드", "계정과목 이름", "계정과목 깊이 메모", "적요 및 메모"}));

        QAbstractItemModel *model = f.screen->DBGrid1->model();
        const QModelIndex group = model->index(int(codes.indexOf("40403000")), 2);
        QCOMPARE(model->data(group, Qt::BackgroundRole).value<QColor>(), QColor(Qt::cyan));
        const QFont font = model->data(group, Qt::FontRole).value<QFont>();
        QVERIFY(font.bold());
        QCOMPARE(font.pointSize(), 9);
        const QModelIndex detail = model->index(int(codes.indexOf("40403001")), 2);
        QVERIFY(!model->data(detail, Qt::BackgroundRole).isValid());
    }

    void insertOffersTheGroupsAndTakesTheFirst()
    {
        Fixture f;
        const QString serial = serialAfter(f.books.db().scalar("SELECT Max(Ac_Serial) FROM MC_AcNameCode").toString());
        f.ui->click("InsertBtn");
        QCOMPARE(f.screen->mode(), 3);
        QCOMPARE(f.ui->text("edAc_Serial"), serial);
        TMC_AcNameCode_Form_Kubun *dialog = f.screen->groupDialog();
        QVERIFY(dialog && dialog->isVisible() && !dialog->isModal());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("추가 등록할 그룹 계정과목를 선택하는 폼 입니다."));
        // Only the groups supplied with the books, by code.
        ScreenDriver d(dialog);
        QCOMPARE(d.column("Ac_AcCode"),
                 (QStringList{"40403000", "40404000", "40701000", "40901000", "41001000", "41201000"}));
        QCOMPARE(titlesOf(dialog->DBGrid1->model()),
                 (QStringList{"구분-A", "구분-B", "구분-C", "구분-D", "계정과목 코드", "계정과목 이름",
                              "Report 계정과목 이름", "그룹 구분", "등록 구분"}));
        QCOMPARE(dialog->edAc_Code2->text(), QStringLiteral("40403000"));
        QCOMPARE(dialog->edAc_Name2->text(), QStringLiteral("노무비(제)"));
        QCOMPARE(dialog->edChuGaNo->text(), QStringLiteral("005"));
        QCOMPARE(f.ui->text("edAc_Kubun_A") + "|" + f.ui->text("edAc_Kubun_B") + "|" + f.ui->text("edAc_Kubun_C") +
                     "|" + f.ui->text("edAc_Kubun_D"),
                 QStringLiteral("4|04|03|005"));
        QCOMPARE(f.ui->text("edAc_AcCode"), QStringLiteral("40403005"));
        QCOMPARE(f.ui->text("edAc_GroupAcName"), QStringLiteral("노무비(제)"));
        QVERIFY(!dialog->PrintBtn->isEnabled() && !dialog->CancelBtn->isEnabled());
    }

    // Another desk saved an account under the serial shown at 등록: the new account takes the
    // next one instead of failing on the key.
    void aSerialTakenMeanwhileGivesTheNext()
    {
        Fixture f;
        f.insertUnder("40404000");
        const QString shown = f.ui->text("edAc_Serial");
        f.addAccount("40403099", "다른 자리", "노무비(제)/다른 자리", "01제조", "등록");
        QCOMPARE(f.stored("40403099", "Ac_Serial").toString(), shown);
        f.closeDialog();
        f.ui->type("edAc_AcName", "야간 수당");
        f.ui->click("SaveBtn");

        QVERIFY2(f.messages.messages.isEmpty(), qPrintable(f.messages.texts().join('|')));
        QCOMPARE(f.stored("40404016", "Ac_Serial").toString(), serialAfter(shown));
        QCOMPARE(f.screen->DBGrid1->currentText("Ac_Serial"), serialAfter(shown));
    }

    void registersAnAccount_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("groupName");
        QTest::addColumn<QString>("statement");
        QTest::newRow("manufacturing") << "40404000" << "40404016" << "제조경비(제)" << "01제조";
        // The list switches to the income statement to show the new account.
        QTest::newRow("income statement") << "40701000" << "40701019" << "판매비와관리비" << "03손익";
    }
    void registersAnAccount()
    {
        QFETCH(QString, group);
        QFETCH(QString, code);
        QFETCH(QString, groupName);
        QFETCH(QString, statement);
        Fixture f;
        f.insertUnder(group);
        QCOMPARE(f.ui->text("edAc_AcCode"), code);
        f.closeDialog();
        QCOMPARE(f.ui->focused(), f.screen->edAc_Serial);
        f.ui->type("edAc_AcName", " 야간 'A' 수당 ");
        f.ui->enter();
        QCOMPARE(f.ui->focused(), f.screen->edAc_TextMemo);
        f.ui->keys("3교대");
        f.ui->tab(); // leaving the memo goes to Save
        QCOMPARE(f.ui->focused(), f.screen->SaveBtn);
        const QString serial = f.ui->text("edAc_Serial");
        f.ui->click("SaveBtn");

        QVERIFY2(f.messages.messages.isEmpty(), qPrintable(f.messages.texts().join('|')));
        const ResultSet row = f.books.db().query("SELECT * FROM MC_AcNameCode WHERE Ac_Serial = :s", {{":s", serial}});
        QCOMPARE(row.size(), 1);
        const auto exact = [&](const char *column) { return row.value(0, column).toString(); };
        QCOMPARE(exact("Ac_AcCode"), code);
        QCOMPARE(exact("Ac_Kubun_D"), code.right(3));
        QCOMPARE(exact("Ac_AcName"), QStringLiteral("야간 'A' 수당"));
        QCOMPARE(exact("Ac_AcNameReport"), QStringLiteral("    야간 'A' 수당"));
        QCOMPARE(exact("Ac_AcNameCall"), groupName + QStringLiteral("/야간 'A' 수당"));
        QCOMPARE(exact("Ac_GroupKubun"), statement);
        QCOMPARE(exact("Ac_InPutKubun"), QStringLiteral("등록"));
        QCOMPARE(exact("Ac_CallKubun"), QStringLiteral("호출"));
        QCOMPARE(exact("Ac_TotalCode"), group);
        QCOMPARE(exact("Ac_TextMemo"), QStringLiteral("3교대"));
        QCOMPARE(exact("Ac_Check_01"), QString());
        QCOMPARE(exact("Ac_Check_02"), QString());
        QCOMPARE(exact("Ac_Check_05"), appDir());
        QVERIFY(!exact("Ac_SaveDate").isEmpty());

        QCOMPARE(f.screen->mode(), 1);
        QCOMPARE(f.screen->cbSGroupKubun->currentText(), statement.mid(2));
        QCOMPARE(f.screen->DBGrid1->currentText("Ac_Serial"), serial);
        QVERIFY(f.ui->column("Ac_AcCode").contains(group));
        QCOMPARE(f.ui->text("edAc_AcName"), QString());
        QCOMPARE(f.ui->focused(), f.screen->InsertBtn);
    }

    void closingTheGroupDialog_data()
    {
        QTest::addColumn<int>("highest"); // -1: no group offered at all
        QTest::addColumn<QString>("next");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("focus");
        QTest::newRow("only its group row") << 0 << "001" << "" << "41500001" << "edAc_Serial";
        QTest::newRow("948 used") << 948 << "949" << "" << "41500949" << "edAc_Serial";
        QTest::newRow("949 used") << 949 << "950" << groupFull << "" << "";
        QTest::newRow("no group") << -1 << "" << noGroup << "" << "edAc_Kubun_A";
    }
    void closingTheGroupDialog()
    {
        QFETCH(int, highest);
        QFETCH(QString, next);
        QFETCH(QString, warning);
        QFETCH(QString, code);
        QFETCH(QString, focus);
        Fixture f([highest](Fixture &b) {
            if (highest >= 0)
                b.addTestGroup(highest);
            else
                b.books.db().exec("UPDATE MC_AcNameCode SET Ac_InPutKubun = '등록'");
        });
        if (highest >= 0)
            f.insertUnder("41500000");
        else
            f.ui->click("InsertBtn");
        QCOMPARE(f.screen->groupDialog()->edChuGaNo->text(), next);
        f.screen->edAc_AcName->setText("광고물 제작비");
        f.closeDialog();
        QCOMPARE(f.messages.texts(), warning.isEmpty() ? QStringList() : QStringList{warning});
        QCOMPARE(f.ui->text("edAc_AcCode"), code);
        if (!focus.isEmpty())
            QCOMPARE(f.screen->focusWidget()->objectName(), focus);
        if (warning == groupFull) {
            for (const char *box : {"edAc_Kubun_A", "edAc_Kubun_D", "edAc_GroupAcName", "edAc_AcName"})
                QCOMPARE(f.ui->text(box), QString());
        }
        // Saving then registers the account, or refuses for want of a code.
        f.messages.clear();
        f.screen->edAc_AcName->setText("광고물 제작비");
        const int before = f.accounts();
        f.ui->click("SaveBtn");
        if (code.isEmpty()) {
            QCOMPARE(f.messages.texts(), QStringList{codeMissing});
            QCOMPARE(f.accounts(), before);
        } else {
            QVERIFY2(f.messages.messages.isEmpty(), qPrintable(f.messages.texts().join('|')));
            QCOMPARE(f.stored(code, "Ac_AcName").toString(), QStringLiteral("광고물 제작비"));
        }
    }

    void aFullGroupIsRefusedOnSavingBeforeTheDialogIsClosed()
    {
        Fixture f([](Fixture &b) { b.addTestGroup(949); });
        f.insertUnder("41500000");
        QCOMPARE(f.ui->text("edAc_AcCode"), QStringLiteral("41500950"));
        f.screen->edAc_AcName->setText("초과 계정");
        const int before = f.accounts();
        f.ui->click("SaveBtn");
        QCOMPARE(f.messages.texts(), QStringList{groupFull});
        QCOMPARE(f.accounts(), before);
    }

    void saveChecksInOrder_data()
    {
        QTest::addColumn<bool>("code");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("focus");
        QTest::newRow("neither") << false << "" << codeMissing << "edAc_AcCode";
        QTest::newRow("no name") << true << "   " << nameMissing << "edAc_AcName";
    }
    void saveChecksInOrder()
    {
        QFETCH(bool, code);
        QFETCH(QString, name);
        QFETCH(QString, warning);
        QFETCH(QString, focus);
        Fixture f;
        f.ui->click("InsertBtn");
        if (!code)
            f.screen->edAc_AcCode->clear();
        f.screen->edAc_AcName->setText(name);
        const int before = f.accounts();
        f.ui->click("SaveBtn");
        QCOMPARE(f.messages.texts(), QStringList{warning});
        QCOMPARE(f.screen->focusWidget()->objectName(), focus);
        QCOMPARE(f.accounts(), before);
    }

    void renamesAnAccount()
    {
        Fixture f;
        f.pick("40404015");
        QCOMPARE(f.ui->text("edAc_GroupAcName"), QStringLiteral("제조경비(제)"));
        QCOMPARE(f.ui->text("edAc_Kubun_D"), QStringLiteral("015"));
        const QVariant serial = f.stored("40404015", "Ac_Serial");
        f.ui->type("edAc_AcName", "폐기물 처리 비용");
        f.ui->type("edAc_TextMemo", "외부 '위탁'");
        f.ui->click("SaveBtn");
        QVERIFY2(f.messages.messages.isEmpty(), qPrintable(f.messages.texts().join('|')));
        QCOMPARE(f.stored("40404015", "Ac_AcName").toString(), QStringLiteral("폐기물 처리 비용"));
        // The report name loses its inner blanks, but keeps its four leading ones.
        QCOMPARE(f.stored("40404015", "Ac_AcNameReport").toString(), QStringLiteral("    폐기물처리비용"));
        QCOMPARE(f.stored("40404015", "Ac_AcNameCall").toString(), QStringLiteral("제조경비(제)/폐기물 처리 비용"));
        QCOMPARE(f.stored("40404015", "Ac_TextMemo").toString(), QStringLiteral("외부 '위탁'"));
        // The rest is written back as it was.
        QCOMPARE(f.stored("40404015", "Ac_Serial"), serial);
        QCOMPARE(f.stored("40404015", "Ac_TotalCode").toString(), QStringLiteral("40404000"));
        QCOMPARE(f.stored("40404015", "Ac_InPutKubun").toString(), QStringLiteral("등록"));
        QCOMPARE(f.stored("40404015", "Ac_GroupKubun").toString(), QStringLiteral("01제조"));
        QCOMPARE(f.screen->mode(), 2);
        QCOMPARE(f.screen->DBGrid1->currentText("Ac_AcCode"), QStringLiteral("40404015"));
    }

    void renamingIgnoresAGroupChosenMeanwhileInTheDialog()
    {
        Fixture f;
        f.ui->click("InsertBtn");
        f.pick("40404015");
        // The dialog is still open: choosing a group there refills the boxes.
        ScreenDriver dialog(f.screen->groupDialog());
        dialog.pickRow(int(dialog.column("Ac_AcCode").indexOf("40701000")), 5);
        QCOMPARE(f.ui->text("edAc_GroupAcName"), QStringLiteral("판매비와관리비"));
        f.screen->edAc_AcName->setText("폐기물비");
        f.ui->click("SaveBtn");
        QVERIFY2(f.messages.messages.isEmpty(), qPrintable(f.messages.texts().join('|')));
        QCOMPARE(f.stored("40404015", "Ac_AcNameCall").toString(), QStringLiteral("제조경비(제)/폐기물비"));
        QCOMPARE(f.stored("40404015", "Ac_GroupKubun").toString(), QStringLiteral("01제조"));
        QCOMPARE(f.books.db().count("SELECT * FROM MC_AcNameCode WHERE Ac_AcCode Like '40701019'"), 0);
    }

    void lockedAccounts_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("booked");
        QTest::addColumn<QString>("mark");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("warning");
        QTest::newRow("booked, rename") << "40404015" << true << "" << "SaveBtn" << bookedEdit;
        QTest::newRow("booked, delete") << "40404015" << true << "" << "DeleteBtn" << bookedDelete;
        QTest::newRow("supplied, rename") << "40404001" << false << "" << "SaveBtn" << suppliedEdit;
        QTest::newRow("supplied, delete") << "40404001" << false << "" << "DeleteBtn" << suppliedDelete;
        QTest::newRow("supplied group, delete") << "40404000" << false << "" << "DeleteBtn" << suppliedDelete;
        QTest::newRow("booked before supplied") << "40404001" << true << "" << "SaveBtn" << bookedEdit;
        QTest::newRow("closed, rename") << "40404015" << false << "마감완료" << "SaveBtn" << closedText;
        QTest::newRow("closed before booked") << "40404015" << true << "마감완료" << "DeleteBtn" << closedText;
    }
    void lockedAccounts()
    {
        QFETCH(QString, code);
        QFETCH(bool, booked);
        QFETCH(QString, mark);
        QFETCH(QString, button);
        QFETCH(QString, warning);
        Fixture f([&](Fixture &b) {
            if (booked)
                b.book(code);
            if (!mark.isEmpty())
                b.mark(code, mark);
        });
        const QString name = f.stored(code, "Ac_AcName").toString();
        f.pick(code);
        f.ui->type("edAc_AcName", "바뀐 이름");
        f.ui->click(button);
        QCOMPARE(f.messages.texts(), QStringList{warning});
        QCOMPARE(f.stored(code, "Ac_AcName").toString(), name);
        if (warning == closedText) // a closed account's boxes are emptied
            QCOMPARE(f.ui->text("edAc_AcCode"), QString());
        if (warning == bookedEdit)
            QCOMPARE(f.ui->focused(), f.screen->edAc_AcCode);
    }

    void deletesAnUnbookedAccountAtOnce()
    {
        Fixture f;
        f.pick("40404015");
        f.ui->click("DeleteBtn");
        QVERIFY(f.messages.messages.isEmpty());
        QVERIFY(!f.stored("40404015", "Ac_Serial").isValid());
        QVERIFY(!f.ui->column("Ac_AcCode").contains("40404015"));
        QCOMPARE(f.ui->text("edAc_Serial"), QString());
    }

    // Only the account being changed decides; a closed row that happens to be current in the
    // list does not stop a new account.
    void aClosedRowInTheListDoesNotStopANewAccount()
    {
        Fixture f([](Fixture &b) { b.mark("40404015", "마감완료"); });
        f.screen->cbSSearch->setCurrentIndex(1);
        f.ui->type("edSSearch", "40404015");
        f.ui->click("KuenNoSearchBtn");
        QCOMPARE(f.screen->mode(), 1);
        f.insertUnder("40404000");
        f.closeDialog();
        QCOMPARE(f.screen->DBGrid1->currentText("Ac_AcCode"), QStringLiteral("40404015"));
        f.ui->type("edAc_AcName", "소모공구비");
        f.ui->click("SaveBtn");
        QVERIFY2(f.messages.messages.isEmpty(), qPrintable(f.messages.texts().join('|')));
        QCOMPARE(f.stored("40404016", "Ac_AcName").toString(), QStringLiteral("소모공구비"));
    }

    void searches_data()
    {
        QTest::addColumn<int>("statement");
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("code") << 0 << 1 << "4040401" << QStringList{"40404010", "40404011", "40404012", "40404013",
                                                                    "40404014", "40404015"};
        QTest::newRow("memo") << 0 << 3 << "위탁" << QStringList{"40404015"};
        QTest::newRow("income name, blanks dropped") << 1 << 2 << "수 익"
                                                     << QStringList{"40901000", "40901001", "40901002"};
        QTest::newRow("name of the other statement") << 0 << 2 << "이자" << QStringList{};
        QTest::newRow("every row ignores the text") << 1 << 0 << "이자" << QStringList{};
    }
    void searches()
    {
        QFETCH(int, statement);
        QFETCH(int, entry);
        QFETCH(QString, text);
        QFETCH(QStringList, codes);
        Fixture f;
        // Leaving the lists searches at once.
        f.ui->focus("cbSGroupKubun");
        f.screen->cbSGroupKubun->setCurrentIndex(statement);
        f.ui->click("edSSearch");
        const int shown = f.ui->column("Ac_AcCode").size();
        QCOMPARE(shown, f.books.db().count("SELECT * FROM MC_AcNameCode WHERE Ac_GroupKubun Like :k",
                                           {{":k", "%" + f.screen->cbSGroupKubun->currentText() + "%"}}));
        f.ui->focus("cbSSearch");
        f.screen->cbSSearch->setCurrentIndex(entry);
        f.ui->type("edSSearch", text);
        f.ui->click("KuenNoSearchBtn");
        if (entry == 0) {
            QCOMPARE(f.ui->column("Ac_AcCode").size(), shown);
            QCOMPARE(f.ui->text("edSSearch"), QString());
        } else {
            QCOMPARE(f.ui->column("Ac_AcCode"), codes);
            QCOMPARE(f.ui->text("edSSearch"), text);
        }
    }

    void exportsEveryColumn()
    {
        Fixture f;
        f.pick("40403001");
        f.ui->click("PrintBtn");
        QCOMPARE(f.messages.texts(), QStringList{"Excel로 이전되었읍니다...."});
        QCOMPARE(QDir(appDir() + "Data_Save").entryList({"TMC_AcNameCode_Form_*.xlsx"}).size(), 1);
        const ExportSheet sheet = f.screen->exportSheet();
        QCOMPARE(sheet.titles,
                 (QStringList{"저장순서", "구분-A", "구분-B", "구분-C", "구분-D", "계정과목 코드", "계정과목 이름",
                              "Report 계정과목 이름", "계정과목 깊이 메모", "그룹 구분", "등록 구분", "호출 구분",
                              "집계 계정과목 코드", "적요 및 메모", "체크_01", "체크_02", "체크_03", "체크_04",
                              "체크_05", "저장시간"}));
        const auto row = std::find_if(sheet.rows.begin(), sheet.rows.end(),
                                      [](const QVector<QVariant> &r) { return r.at(5).toString() == "40403001"; });
        QVERIFY(row != sheet.rows.end());
        QCOMPARE(row->at(7).toString(), QStringLiteral("    임금"));
    }

    void aFailedInsertShowsTheErrorAndKeepsWhatWasTyped()
    {
        Fixture f;
        f.ui->click("InsertBtn");
        f.closeDialog();
        const QString longName(200, u'가'); // the report name, four blanks longer, does not fit
        f.screen->edAc_AcName->setText(longName);
        const int before = f.accounts();
        f.ui->click("SaveBtn");
        QCOMPARE(f.messages.messages.size(), 1);
        QCOMPARE(f.messages.messages.first().kind, MessageKind::Error);
        QVERIFY(f.messages.lastText().endsWith(LB + LB + QStringLiteral("StoreError")));
        QCOMPARE(nextErrorNumber(errorLogPath()), 2);
        QCOMPARE(f.accounts(), before);
        QCOMPARE(f.screen->mode(), 3);
        QCOMPARE(f.ui->text("edAc_AcName"), longName);
    }
};

QTEST_MAIN(AccountScreenTest)
#include "tst_accountscreen.moc"
