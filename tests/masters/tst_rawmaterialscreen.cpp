#include "common/ErrorLog.h"
#include "common/SystemInfo.h"
#include "common/ui/ListCombo.h"
#include "common/ui/NumberBox.h"
#include "masters/ui/TMC_WonJaJeyCode_Form.h"
#include "ui/ScreenFixture.h"

#include <QClipboard>
#include <QDir>
#include <QPushButton>
#include <QTest>

using namespace zedur;
using namespace zedur::test;

namespace {

const QString codeTaken =
    QStringLiteral("원자재 코드가 있는") + LB + QStringLiteral("원자재 코드를 등록 하였습니다......");
const QString codeTakenByProduct =
    QStringLiteral("제품 코드가 있는") + LB + QStringLiteral("원자재 코드를 등록 하였습니다......");
const QString nameTaken =
    QStringLiteral("원자재 이름이 있는") + LB + QStringLiteral("원자재 이름을 등록 하였습니다......");
const QString treeLockedEdit =
    QStringLiteral("완제품코드의 Tree 노드에 있는 코드라") + LB + QStringLiteral("수정이 불가능합니다.......");
const QString treeLockedDelete =
    QStringLiteral("완제품코드의 Tree 노드에 있는 코드라") + LB + QStringLiteral("삭제가 불가능합니다.......");

// Fresh books with two raw materials and one product; the screen driven offscreen.
struct Fixture : ScreenFixture<TMC_WonJaJeyCode_Form> {

    Fixture()
    {
        addMaterial("A0000000001", "ST01", "냉연강판", 3250.5);
        addMaterial("A0000000002", "BT10", "육각볼트 O'Ring", 85.25);
        books.db().exec(
            "INSERT INTO MC_JeyPumCode (Jey_Serial, Jey_Code, Jey_Name) VALUES ('A0000000001', 'P100', '철제선반')");
        open();
    }
    void addMaterial(const QString &serial, const QString &code, const QString &name, double price)
    {
        books.db().exec(
            "INSERT INTO MC_WonJaJeyCode (Won_Serial, Won_Code, Won_Name, Won_DanGa) VALUES (:s, :c, :n, :p)",
            {{":s", serial}, {":c", code}, {":n", name}, {":p", price}});
    }
    void putInTree(const QString &code)
    {
        books.db().exec(
            "INSERT INTO MC_JeyPumTreeWonJaJey (Tr_Index, Tr_Level, Tr_Code, Tr_Kubun) VALUES (0, 1, :c, '원자재')",
            {{":c", code}});
    }
    // Picks the grid row of a raw material (mode 2).
    void pick(const QString &code)
    {
        ScreenFixture::pick("Won_Code", code, 0);
        QCOMPARE(screen->mode(), 2);
    }
    int materials(const QString &where = "1 = 1")
    {
        return books.db().count("SELECT * FROM MC_WonJaJeyCode WHERE " + where);
    }
};

} // namespace

class RawMaterialScreenTest : public QObject
{
    Q_OBJECT
private slots:
    void opensBrowsingWithTheListByName()
    {
        Fixture f;
        QCOMPARE(f.screen->windowTitle(), QStringLiteral("재고자산의 원자재 코드를 등록하는 폼 입니다."));
        QCOMPARE(f.ui->column("Won_Code"), (QStringList{"ST01", "BT10"})); // 냉연강판 before 육각볼트
        QCOMPARE(f.screen->mode(), 1);
        QVERIFY(f.screen->InsertBtn->isEnabled());
        QVERIFY(!f.screen->SaveBtn->isEnabled() && !f.screen->DeleteBtn->isEnabled() &&
                !f.screen->PrintBtn->isEnabled());
        QCOMPARE(f.screen->DBGrid1->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("원재료 코드"));
    }

    void registersANewRawMaterial()
    {
        Fixture f;
        f.ui->click("InsertBtn");
        QCOMPARE(f.ui->text("edWon_Serial"), QStringLiteral("A0000000003"));
        QCOMPARE(f.screen->mode(), 3);
        QCOMPARE(f.ui->focused(), f.screen->edWon_Code);
        f.ui->keys("pn01");
        QCOMPARE(f.ui->text("edWon_Code"), QStringLiteral("PN01"));
        f.ui->enter();
        f.ui->keys("분체도료 '회색'");
        f.ui->type("edWon_DanGa", "1234.56789");
        f.ui->tab();
        QCOMPARE(f.ui->text("edWon_DanGa"), QStringLiteral("1,234.5679"));
        f.ui->type("edWon_DanWi", "kg");
        f.ui->click("SaveBtn");

        QVERIFY2(f.messages.messages.isEmpty(), qPrintable(f.messages.texts().join('|')));
        const ResultSet row = f.books.db().query("SELECT * FROM MC_WonJaJeyCode WHERE Won_Serial = 'A0000000003'");
        QCOMPARE(row.size(), 1);
        QCOMPARE(row.text(0, "Won_Code"), QStringLiteral("PN01"));
        QCOMPARE(row.text(0, "Won_Name"), QStringLiteral("분체도료 '회색'"));
        QCOMPARE(row.number(0, "Won_DanGa"), 1234.5679);
        QCOMPARE(row.text(0, "Won_Check_01"), QString());
        QVERIFY(!row.text(0, "Won_Check_03").isEmpty());
        QCOMPARE(row.text(0, "Won_Check_05"), appDir());
        QCOMPARE(f.screen->mode(), 1);
        QCOMPARE(f.ui->text("edWon_Code"), QString());
        QCOMPARE(f.screen->DBGrid1->currentText("Won_Serial"), QStringLiteral("A0000000003"));
        QCOMPARE(f.ui->focused(), f.screen->InsertBtn);
    }

    // Another desk saved a row under the serial shown at 등록: the new row takes the next one
    // instead of failing on the key.
    void aSerialTakenMeanwhileGivesTheNext()
    {
        Fixture f;
        f.ui->click("InsertBtn");
        QCOMPARE(f.ui->text("edWon_Serial"), QStringLiteral("A0000000003"));
        f.addMaterial("A0000000003", "XX01", "다른 자리의 원자재", 1);
        f.ui->type("edWon_Code", "PN01");
        f.ui->type("edWon_Name", "분체도료");
        f.ui->click("SaveBtn");

        QVERIFY2(f.messages.messages.isEmpty(), qPrintable(f.messages.texts().join('|')));
        QCOMPARE(f.materials("Won_Serial = 'A0000000004' AND Won_Code = 'PN01'"), 1);
        QCOMPARE(f.materials("Won_Serial = 'A0000000003' AND Won_Code = 'XX01'"), 1);
        QCOMPARE(f.screen->DBGrid1->currentText("Won_Serial"), QStringLiteral("A0000000004"));
    }

    // The example: a code pasted in is held to the code box's keys, and a save
    // re-checks what it stores however the text got into the box.
    void aCodeIsOnlyWhatTypingCouldLeave()
    {
        Fixture f;
        f.ui->click("InsertBtn");
        QApplication::clipboard()->setText("원자재 'x%_");
        QTest::keyClick(f.screen->edWon_Code, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f.ui->text("edWon_Code"), QString());
        QCOMPARE(f.messages.texts(), QStringList{"잘못 입력하셨습니다"});
        QApplication::clipboard()->setText("pn02");
        QTest::keyClick(f.screen->edWon_Code, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f.ui->text("edWon_Code"), QStringLiteral("PN02"));

        f.messages.clear();
        f.screen->edWon_Code->setText("원자재 'x%_");
        f.ui->type("edWon_Name", "분체도료");
        f.ui->type("edWon_DanGa", "-10");
        f.ui->click("SaveBtn");
        QCOMPARE(f.messages.texts(), QStringList{"잘못 입력하셨습니다"});
        QCOMPARE(f.ui->focused(), f.screen->edWon_Code);
        QCOMPARE(f.materials(), 2);
    }

    void saveRefusesMissingValues_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("focus");
        QTest::newRow("no code") << ""
                                 << "이름"
                                 << "원자재 코드를 등록 하세요......"
                                 << "edWon_Code";
        QTest::newRow("no name") << "X1"
                                 << "   "
                                 << "원자재 이름를 등록 하세요......"
                                 << "edWon_Name";
    }
    void saveRefusesMissingValues()
    {
        QFETCH(QString, code);
        QFETCH(QString, name);
        QFETCH(QString, warning);
        QFETCH(QString, focus);
        Fixture f;
        f.ui->click("InsertBtn");
        f.screen->edWon_Code->setText(code);
        f.screen->edWon_Name->setText(name);
        f.ui->click("SaveBtn");
        QCOMPARE(f.messages.texts(), QStringList{warning});
        QCOMPARE(f.ui->focused()->objectName(), focus);
        QCOMPARE(f.materials(), 2);
    }

    void leavingTheCodeOfANewRowRefusesATakenCode_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("warning");
        QTest::newRow("raw-material code") << "edWon_Code"
                                           << "st01" << codeTaken;
        QTest::newRow("product code") << "edWon_Code"
                                      << "P100" << codeTakenByProduct;
        QTest::newRow("raw-material name") << "edWon_Name"
                                           << "냉연강판" << nameTaken;
        QTest::newRow("product name") << "edWon_Name"
                                      << "철제선반"
                                      << QStringLiteral("제품 이름이 있는") + LB +
                                             QStringLiteral("원자재 이름을 등록 하였습니다......");
    }
    void leavingTheCodeOfANewRowRefusesATakenCode()
    {
        QFETCH(QString, box);
        QFETCH(QString, value);
        QFETCH(QString, warning);
        Fixture f;
        f.ui->click("InsertBtn");
        f.screen->edWon_Code->setText("NEW1");
        f.screen->edWon_Name->setText("새 원자재");
        f.ui->type(box, value);
        // Save clicked while leaving the box: the check refuses and the click never saves.
        f.ui->click("SaveBtn");
        QCOMPARE(f.messages.texts(), QStringList{warning});
        QCOMPARE(f.ui->focused()->objectName(), box);
        QCOMPARE(f.materials(), 2);
        QVERIFY(!f.screen->SaveBtn->isDown());
        // Cancel is exempt from the check.
        f.messages.clear();
        f.ui->click("CancelBtn");
        QVERIFY(f.messages.messages.isEmpty());
        QCOMPARE(f.screen->mode(), 1);
    }

    void editingKeepsCodesAndNamesDistinct()
    {
        Fixture f;
        f.pick("BT10");
        // Renaming to another raw material's code is refused on saving, as for a new row.
        f.ui->type("edWon_Code", "ST01");
        f.ui->click("SaveBtn");
        QCOMPARE(f.messages.texts(), QStringList{codeTaken});
        QCOMPARE(f.materials("Won_Code = 'ST01'"), 1);
        // Its own code and a new price are accepted, and the list then shows that row alone.
        f.messages.clear();
        f.ui->type("edWon_Code", "BT10");
        f.ui->type("edWon_DanGa", "90");
        f.ui->click("SaveBtn");
        QVERIFY2(f.messages.messages.isEmpty(), qPrintable(f.messages.texts().join('|')));
        QCOMPARE(f.books.db().scalar("SELECT Won_DanGa FROM MC_WonJaJeyCode WHERE Won_Code = 'BT10'").toDouble(), 90.0);
        QCOMPARE(f.ui->column("Won_Code"), QStringList{"BT10"});
        QCOMPARE(f.screen->mode(), 2);
    }

    void aRawMaterialInATreeIsLocked()
    {
        Fixture f;
        f.putInTree("ST01");
        f.pick("ST01");
        // Typing another code does not get round the lock: the stored code counts too.
        f.ui->type("edWon_Code", "ST99");
        f.ui->click("SaveBtn");
        QCOMPARE(f.messages.texts(), QStringList{treeLockedEdit});
        QCOMPARE(f.materials("Won_Code = 'ST01'"), 1);
        f.messages.clear();
        f.ui->click("DeleteBtn");
        QCOMPARE(f.messages.texts(), QStringList{treeLockedDelete});
        QCOMPARE(f.materials(), 2);
    }

    void deletesAtOnce()
    {
        Fixture f;
        f.pick("BT10");
        f.ui->click("DeleteBtn");
        QVERIFY(f.messages.messages.isEmpty());
        QCOMPARE(f.materials(), 1);
        QCOMPARE(f.ui->column("Won_Code"), QStringList{"ST01"});
        QCOMPARE(f.screen->mode(), 2); // deleting leaves the mode as it was
    }

    void searchFindsTextAsTyped()
    {
        Fixture f;
        f.screen->cbSearch->setCurrentIndex(2); // 이름
        f.ui->type("edSearch", "O'Ring");
        f.ui->click("SearchBtn");
        QCOMPARE(f.ui->column("Won_Code"), QStringList{"BT10"});
        QCOMPARE(f.screen->edSearch->text(), QStringLiteral("O'Ring"));
        f.ui->type("edSearch", "강판");
        f.ui->tab(); // leaving the text searches too
        QCOMPARE(f.ui->column("Won_Code"), QStringList{"ST01"});
        f.screen->cbSearch->setCurrentIndex(0); // 전체 lists every row and empties the text
        f.ui->click("SearchBtn");
        QCOMPARE(f.ui->column("Won_Code").size(), 2);
        QCOMPARE(f.screen->edSearch->text(), QString());
    }

    void priceBoxRules_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("warning");
        QTest::newRow("cut to five, shown at four") << "1.234567"
                                                    << "1.2346"
                                                    << "";
        QTest::newRow("empty is zero") << ""
                                       << "0.0000"
                                       << "";
        QTest::newRow("eleven digits") << "12345678901"
                                       << "12,345,678,901.0000"
                                       << "";
        QTest::newRow("fifteen characters") << "123456789012345"
                                            << "123456789012345"
                                            << "전체 길이가 14자를 초과 할 수 없읍니다.....";
        QTest::newRow("negative sixteen") << "-123456789012345"
                                          << "-123456789012345"
                                          << "전체 길이가 15자를 초과 할 수 없읍니다.....";
        QTest::newRow("not a number") << "1.2.3"
                                      << "1.2.3"
                                      << "";
    }
    void priceBoxRules()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, warning);
        Fixture f;
        f.ui->click("InsertBtn");
        f.ui->type("edWon_DanGa", typed);
        f.ui->tab();
        QCOMPARE(f.ui->text("edWon_DanGa"), shown);
        QCOMPARE(f.messages.texts(), warning.isEmpty() ? QStringList() : QStringList{warning});
        const bool refused = typed == "1.2.3" || !warning.isEmpty();
        QCOMPARE(f.ui->focused() == f.screen->edWon_DanGa, refused);
    }

    void elevenDigitPriceIsRefusedWhenLeftAgain()
    {
        Fixture f;
        f.ui->click("InsertBtn");
        f.ui->type("edWon_DanGa", "12345678901");
        f.ui->tab();
        f.ui->focus("edWon_DanGa");
        f.ui->tab();
        QCOMPARE(f.messages.texts(), QStringList{"전체 길이가 14자를 초과 할 수 없읍니다....."});
    }

    void refusedKeys_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("code takes no Korean") << "edWon_Code"
                                              << "A원1"
                                              << "A1";
        QTest::newRow("code takes no minus") << "edWon_Code"
                                             << "A-1"
                                             << "A1";
        QTest::newRow("price takes no letters") << "edWon_DanGa"
                                                << "1a2"
                                                << "12";
    }
    void refusedKeys()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        Fixture f;
        f.ui->click("InsertBtn");
        f.ui->type(box, typed);
        QCOMPARE(f.ui->text(box), kept);
        QCOMPARE(f.messages.texts(), QStringList{"잘못 입력하셨습니다"});
        QCOMPARE(f.messages.messages.first().kind, MessageKind::Plain);
    }

    void failedInsertKeepsWhatWasTyped()
    {
        Fixture f;
        f.ui->click("InsertBtn");
        f.ui->type("edWon_Code", "LONG1");
        f.ui->type("edWon_Name", "긴 단위");
        f.ui->type("edWon_DanWi", QString(60, u'k')); // the column holds 50
        f.ui->click("SaveBtn");
        QCOMPARE(f.messages.messages.size(), 1);
        QCOMPARE(f.messages.messages.first().kind, MessageKind::Error);
        QVERIFY(f.messages.lastText().startsWith(QStringLiteral("테이블 MC_WonJaJeyCode에 등록시 에러가 있습니다. ") +
                                                 LB + LB));
        QVERIFY(f.messages.lastText().endsWith(QStringLiteral("StoreError") + LB + LB));
        QCOMPARE(f.materials(), 2);
        QCOMPARE(f.ui->text("edWon_Code"), QStringLiteral("LONG1"));
        QCOMPARE(f.screen->mode(), 3);
        QCOMPARE(nextErrorNumber(errorLogPath()), 2);
    }

    void exportsTheListWithTheGridTitles()
    {
        Fixture f;
        f.pick("ST01");
        f.ui->click("PrintBtn");
        QCOMPARE(f.messages.texts(), QStringList{"Excel로 이전되었읍니다...."});
        QCOMPARE(QDir(appDir() + "Data_Save").entryList({"TMC_WonJaJeyCode_Form_*.xlsx"}).size(), 1);
        const ExportSheet sheet = f.screen->DBGrid1->exportSheet("x");
        QCOMPARE(sheet.titles.size(), 11);
        QCOMPARE(sheet.titles.at(3), QStringLiteral("원자재 별멍"));
    }
};

QTEST_MAIN(RawMaterialScreenTest)
#include "tst_rawmaterialscreen.moc"
