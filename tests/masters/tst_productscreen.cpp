#include "common/ErrorLog.h"
#include "common/SystemInfo.h"
#include "common/ui/ListCombo.h"
#include "masters/ui/TMC_JeyPumCode_Form.h"
#include "ui/ScreenFixture.h"

#include <QDir>
#include <QPushButton>
#include <QTest>

using namespace zedur;
using namespace zedur::test;

namespace {

const QString treeLockedEdit =
    QStringLiteral("완제품코드의 Tree 노드에 있는 코드라") + LB + QStringLiteral("수정이 불가능합니다.......");
const QString treeLockedDelete =
    QStringLiteral("완제품코드의 Tree 노드에 있는 코드라") + LB + QStringLiteral("삭제가 불가능합니다.......");

// Fresh books with two products and one raw material; the screen driven offscreen.
struct Fixture : ScreenFixture<TMC_JeyPumCode_Form> {

    Fixture()
    {
        addProduct("A0000000001", "SH01", "철제선반", "EA");
        addProduct("A0000000002", "CB20", "공구함 'Pro'", "SET");
        books.db().exec(
            "INSERT INTO MC_WonJaJeyCode (Won_Serial, Won_Code, Won_Name) VALUES ('A0000000001', 'ST01', '냉연강판')");
        open();
    }
    void addProduct(const QString &serial, const QString &code, const QString &name, const QString &unit)
    {
        books.db().exec("INSERT INTO MC_JeyPumCode (Jey_Serial, Jey_Code, Jey_Name, Jey_DanWi) VALUES (:s, :c, :n, :u)",
                        {{":s", serial}, {":c", code}, {":n", name}, {":u", unit}});
    }
    void putInTree(const QString &code)
    {
        books.db().exec(
            "INSERT INTO MC_JeyPumTreeWonJaJey (Tr_Index, Tr_Level, Tr_Code, Tr_Kubun) VALUES (0, 0, :c, '제품')",
            {{":c", code}});
    }
    void pick(const QString &code)
    {
        ScreenFixture::pick("Jey_Code", code, 0);
        QCOMPARE(screen->mode(), 2);
    }
    int products(const QString &where = "1 = 1")
    {
        return books.db().count("SELECT * FROM MC_JeyPumCode WHERE " + where);
    }
};

} // namespace

class ProductScreenTest : public QObject
{
    Q_OBJECT
private slots:
    void opensWithEveryProductByName()
    {
        Fixture f;
        QCOMPARE(f.screen->windowTitle(), QStringLiteral("재고자산의 제품 코드를 등록하는 폼 입니다."));
        QCOMPARE(f.ui->column("Jey_Code"), (QStringList{"CB20", "SH01"})); // 공구함 before 철제선반
        QCOMPARE(f.screen->mode(), 1);
        QStringList titles;
        for (int c = 0; c < f.screen->DBGrid1->model()->columnCount(); ++c)
            titles << f.screen->DBGrid1->model()->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(titles, (QStringList{"저장순서", "제품코드", "제품명", "제품 별명", "단위", "제품 모델명", "제품 품명",
                                      "제품 규격", "적요 및 메모", "비고"}));
        QCOMPARE(f.screen->cbSearch->itemText(1), QStringLiteral("제품코드"));
        QCOMPARE(f.screen->cbSearch->count(), 10);
    }

    void registersANewProduct()
    {
        Fixture f;
        f.ui->click("InsertBtn");
        QCOMPARE(f.ui->text("edJey_Serial"), QStringLiteral("A0000000003"));
        QCOMPARE(f.ui->focused(), f.screen->edJey_Code);
        f.ui->keys("wr05");
        f.ui->enter();
        f.ui->keys("작업대 \"대형\"");
        f.ui->type("edJey_DanWi", "EA");
        f.ui->type("edJey_Bigo", "신규");
        f.ui->tab(); // leaving the last box goes to Save
        QCOMPARE(f.ui->focused(), f.screen->SaveBtn);
        f.ui->click("SaveBtn");

        QVERIFY2(f.messages.messages.isEmpty(), qPrintable(f.messages.texts().join('|')));
        const ResultSet row = f.books.db().query("SELECT * FROM MC_JeyPumCode WHERE Jey_Serial = 'A0000000003'");
        QCOMPARE(row.size(), 1);
        QCOMPARE(row.text(0, "Jey_Code"), QStringLiteral("WR05"));
        QCOMPARE(row.text(0, "Jey_Name"), QStringLiteral("작업대 \"대형\""));
        QCOMPARE(row.text(0, "Jey_Bigo"), QStringLiteral("신규"));
        QCOMPARE(row.text(0, "Jey_Check_05"), appDir());
        QCOMPARE(f.screen->mode(), 1);
        QCOMPARE(f.ui->column("Jey_Code").size(), 3);
        QCOMPARE(f.screen->DBGrid1->currentText("Jey_Serial"), QStringLiteral("A0000000003"));
        QCOMPARE(f.ui->focused(), f.screen->InsertBtn);
    }

    void saveRefusesMissingValuesInOrder_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("focus");
        QTest::newRow("neither") << " "
                                 << ""
                                 << "제품 코드를 등록 하세요......"
                                 << "edJey_Code";
        QTest::newRow("no name") << "X1"
                                 << "  "
                                 << "제품 이름를 등록 하세요......"
                                 << "edJey_Name";
    }
    void saveRefusesMissingValuesInOrder()
    {
        QFETCH(QString, code);
        QFETCH(QString, name);
        QFETCH(QString, warning);
        QFETCH(QString, focus);
        Fixture f;
        f.ui->click("InsertBtn");
        f.screen->edJey_Code->setText(code);
        f.screen->edJey_Name->setText(name);
        f.ui->click("SaveBtn");
        QCOMPARE(f.messages.texts(), QStringList{warning});
        QCOMPARE(f.ui->focused()->objectName(), focus);
        QCOMPARE(f.products(), 2);
    }

    // The warnings of this screen are single lines.
    void takenCodesAndNamesAreRefused_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("warning");
        QTest::newRow("product code") << "edJey_Code"
                                      << "sh01"
                                      << "제품 코드가 있는 제품 코드를 등록 하였습니다......";
        QTest::newRow("raw-material code") << "edJey_Code"
                                           << "ST01"
                                           << "원자재 코드가 있는 제품 코드를 등록 하였습니다......";
        QTest::newRow("product name") << "edJey_Name"
                                      << "철제선반"
                                      << "제품 이름이 있는 제품 이름을 등록 하였습니다......";
        QTest::newRow("raw-material name") << "edJey_Name"
                                           << "냉연강판"
                                           << "원자재 이름이 있는 제품 이름을 등록 하였습니다......";
    }
    void takenCodesAndNamesAreRefused()
    {
        QFETCH(QString, box);
        QFETCH(QString, value);
        QFETCH(QString, warning);
        {
            // A new product: refused when the box is left, and Save clicked then does not save.
            Fixture f;
            f.ui->click("InsertBtn");
            f.screen->edJey_Code->setText("NEW1");
            f.screen->edJey_Name->setText("새 제품");
            f.ui->type(box, value);
            f.ui->click("SaveBtn");
            QCOMPARE(f.messages.texts(), QStringList{warning});
            QCOMPARE(f.ui->focused()->objectName(), box);
            QCOMPARE(f.products(), 2);
        }
        {
            // An edited product: the same check on saving, the row itself not counting.
            Fixture f;
            f.pick("CB20");
            f.ui->type(box, value);
            f.ui->click("SaveBtn");
            QCOMPARE(f.messages.texts(), QStringList{warning});
            QCOMPARE(f.products("Jey_Code = 'CB20' AND Jey_Name = '공구함 ''Pro'''"), 1);
        }
    }

    void editsAProductAndShowsItAlone()
    {
        Fixture f;
        f.pick("CB20");
        f.ui->type("edJey_DanWi", "BOX");
        f.ui->click("SaveBtn"); // its own code and name are no obstacle
        QVERIFY2(f.messages.messages.isEmpty(), qPrintable(f.messages.texts().join('|')));
        QCOMPARE(f.books.db().scalar("SELECT Jey_DanWi FROM MC_JeyPumCode WHERE Jey_Code = 'CB20'").toString(),
                 QStringLiteral("BOX"));
        QCOMPARE(f.ui->column("Jey_Code"), QStringList{"CB20"});
        QCOMPARE(f.screen->mode(), 2);
        f.ui->click("CancelBtn");
        QCOMPARE(f.ui->column("Jey_Code").size(), 2);
        QCOMPARE(f.screen->mode(), 1);
    }

    void aProductInATreeIsLocked()
    {
        Fixture f;
        f.putInTree("SH01");
        f.pick("SH01");
        f.ui->type("edJey_Code", "SH02"); // the stored code still counts
        f.ui->click("SaveBtn");
        QCOMPARE(f.messages.texts(), QStringList{treeLockedEdit});
        QCOMPARE(f.ui->focused(), f.screen->edJey_Code);
        QCOMPARE(f.products("Jey_Code = 'SH01'"), 1);
        f.messages.clear();
        f.ui->click("DeleteBtn");
        QCOMPARE(f.messages.texts(), QStringList{treeLockedDelete});
        QCOMPARE(f.products(), 2);
    }

    void deletesWithoutAsking()
    {
        Fixture f;
        f.pick("SH01");
        f.ui->click("DeleteBtn");
        QVERIFY(f.messages.messages.isEmpty());
        QCOMPARE(f.products(), 1);
        QCOMPARE(f.ui->column("Jey_Code"), QStringList{"CB20"});
        QCOMPARE(f.ui->text("edJey_Serial"), QString());
    }

    void searches_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("every row, text ignored") << 0 << "없는것" << QStringList{"CB20", "SH01"};
        QTest::newRow("code") << 1 << "sh" << QStringList{"SH01"};
        QTest::newRow("name with a quote") << 2 << "'Pro'" << QStringList{"CB20"};
        QTest::newRow("unit, blanks dropped") << 4 << "S E T" << QStringList{"CB20"};
        QTest::newRow("field with empty text") << 4 << "" << QStringList{"CB20", "SH01"};
        QTest::newRow("nothing found") << 9 << "x" << QStringList{};
    }
    void searches()
    {
        QFETCH(int, entry);
        QFETCH(QString, text);
        QFETCH(QStringList, codes);
        Fixture f;
        f.screen->cbSearch->setCurrentIndex(entry);
        f.ui->type("edSearch", text);
        f.ui->click("SearchBtn");
        QCOMPARE(f.ui->column("Jey_Code"), codes);
    }

    void failedInsertKeepsWhatWasTyped()
    {
        Fixture f;
        f.ui->click("InsertBtn");
        f.ui->type("edJey_Code", "LONG1");
        f.ui->type("edJey_Name", "긴 모델");
        f.ui->type("edJey_Model", QString(120, u'm')); // the column holds 100
        f.ui->click("SaveBtn");
        QCOMPARE(f.messages.messages.size(), 1);
        QCOMPARE(f.messages.messages.first().kind, MessageKind::Error);
        QVERIFY(f.messages.lastText().startsWith(QStringLiteral("테이블 MC_JeyPumCode에 등록시 에러가 있습니다. ") +
                                                 LB + LB));
        QFile log(errorLogPath());
        QVERIFY(log.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(log.readAll()).contains("procedure TMC_JeyPumCode_Form.pSqlToInsert;"));
        QCOMPARE(f.ui->text("edJey_Code"), QStringLiteral("LONG1"));
        QCOMPARE(f.screen->mode(), 3);
        QCOMPARE(f.products(), 2);
    }

    void exportsTheList()
    {
        Fixture f;
        f.pick("SH01");
        f.ui->click("PrintBtn");
        QCOMPARE(f.messages.texts(), QStringList{"Excel로 이전되었읍니다...."});
        QCOMPARE(QDir(appDir() + "Data_Save").entryList({"TMC_JeyPumCode_Form_*.xlsx"}).size(), 1);
        QCOMPARE(f.screen->DBGrid1->exportSheet("x").titles.size(), 10);
    }
};

QTEST_MAIN(ProductScreenTest)
#include "tst_productscreen.moc"
