#include "ImportFiles.h"
#include "MessageRecorder.h"
#include "TableRows.h"
#include "TestBooks.h"
#include "common/ui/ListCombo.h"
#include "entries/ui/TMC_ChaongGoJeyPumChulGoTaAc_Form.h"
#include "entries/ui/TMC_JeyGongPumWoulInPut_Form.h"
#include "entries/ui/TMC_WonJaJeyInPut_Form.h"
#include "imports/ImportRun.h"
#include "masters/ProductTreeStore.h"
#include "masters/ui/TMC_AcNameCode_Form.h"
#include "masters/ui/TMC_JeyPumCode_Form.h"
#include "masters/ui/TMC_WonJaJeyCode_Form.h"
#include "ui/ScreenDriver.h"

#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace zedur;
using namespace zedur::imports;
using namespace zedur::test;

namespace {

// The list a screen shows when opened on the books the program finds, as its 엑셀 button
// writes it; `prepare` may change what it lists first.
template <class S> ExportSheet exportedBy(const std::function<void(S &)> &prepare = {})
{
    S screen;
    ScreenDriver driver(&screen);
    if (prepare)
        prepare(screen);
    return screen.DBGrid1->exportSheet(screen.setup().className);
}

// A table's rows in order, without serials, links to serials and audit columns.
QStringList rowsOf(Db &db, const QString &table, const QString &orderBy)
{
    static const QRegularExpression aside("(Serial|_SaveDate|_Check_0[345])$",
                                          QRegularExpression::CaseInsensitiveOption);
    const ResultSet rs = db.query(QStringLiteral("Select * From %1 Order By %2").arg(table, orderBy));
    QStringList out;
    for (const auto &row : rs.rows()) {
        QStringList values;
        for (int i = 0; i < row.size(); ++i)
            if (!rs.columns().at(i).contains(aside))
                values << rs.columns().at(i) + u'=' + row.at(i).toString();
        out << values.join(u'|');
    }
    return out;
}

} // namespace

// A list the program exported, brought into new books, gives the same rows.
class ImportRoundTripTest : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;
    std::unique_ptr<TestBooks> original;
    MessageRecorder messages;

    QString path(const QString &name) const { return dir.filePath(name); }

    static void imported(Db &db, Kind kind, const QString &file)
    {
        QStringList lines;
        const ImportOutcome outcome = runImport(db, kind, file, {}, [&](const RowReport &r) {
            for (const Problem &p : r.problems)
                lines << problemLine(r, p);
        });
        QVERIFY2(outcome.written, qPrintable(lines.join(u'\n')));
    }

private slots:
    // The original books: masters, trees, accounts and opening stock of every kind, each
    // list exported the way its screen exports it.
    void initTestCase()
    {
        original = std::make_unique<TestBooks>();
        Db &db = original->db();
        const auto material = [&](const QString &code, const QString &name, double price) {
            addRow(db, "MC_WonJaJeyCode",
                   {{"Won_Code", code},
                    {"Won_Name", name},
                    {"Won_NameAlias", name + "별명"},
                    {"Won_DanGa", price},
                    {"Won_DanWi", "kg"},
                    {"Won_Model", "M-" + code},
                    {"Won_PumName", "품명"},
                    {"Won_KuSize", "1.2t"},
                    {"Won_TextMemo", "적요"},
                    {"Won_Bigo", "비고"}});
        };
        material("ST01", "냉연강판", 3250.1235);
        material("BT10", "볼트", 85.25);
        material("0042", "도료", 0);
        addRow(db, "MC_JeyPumCode",
               {{"Jey_Code", "P100"}, {"Jey_Name", "철제선반"}, {"Jey_DanWi", "대"}, {"Jey_Bigo", "주력"}});
        addRow(db, "MC_JeyPumCode", {{"Jey_Code", "P200"}, {"Jey_Name", "선반다리"}, {"Jey_Model", "L"}});
        writeXlsx(path("raw.xlsx"), {exportedBy<TMC_WonJaJeyCode_Form>()});
        writeXlsx(path("products.xlsx"), {exportedBy<TMC_JeyPumCode_Form>()});

        writeXlsx(path("tree-in.xlsx"), {sheetOf("BOM", {"레벨", "제품,원자재 코드", "원자재 소유 수량(중량)", "비고"},
                                                 {{0, "P100", QVariant(), QVariant()},
                                                  {1, "ST01", 2.5, "판"},
                                                  {1, "P200", QVariant(), QVariant()},
                                                  {2, "BT10", 4, QVariant()},
                                                  {2, "0042", 0.125, QVariant()},
                                                  {0, "P200", QVariant(), QVariant()},
                                                  {1, "BT10", 4, QVariant()}})});
        imported(db, Kind::Trees, path("tree-in.xlsx"));
        writeXlsx(path("trees.xlsx"), {exportSheetOf(queryTreeExport(db), treeExportFields())});

        writeXlsx(
            path("accounts-in.xlsx"),
            {sheetOf("계정", {"계정과목 코드", "계정과목 이름", "적요 및 메모", "집계 계정과목 코드"},
                     {{QVariant(), "야간수당", "밤", "40403000"}, {"40404030", "포장비", QVariant(), QVariant()}})});
        imported(db, Kind::Accounts, path("accounts-in.xlsx"));
        QVector<ExportSheet> accounts;
        for (int statement : {0, 1}) {
            TMC_AcNameCode_Form screen;
            ScreenDriver driver(&screen);
            screen.cbSGroupKubun->setCurrentIndex(statement);
            screen.KuenNoSearchBtn->click();
            ExportSheet sheet = screen.exportSheet();
            sheet.sheetName = screen.cbSGroupKubun->currentText();
            accounts << sheet;
        }
        writeXlsx(path("accounts.xlsx"), accounts);

        writeXlsx(
            path("opening-in.xlsx"),
            {sheetOf("원자재", {"원자재코드", "입고수량(중량)", "원자재단가", "거래처상호", "비고"},
                     {{"ST01", 10.5, 3250.1235, "대한철강", "창고 A"}, {"BT10", 200, 85.25, QVariant(), QVariant()}}),
             sheetOf("재공품",
                     {"원자재 코드", "수량(중량)", "공급가액", "원자재완성율누계", "전월직접노무비배부액",
                      "전월간접노무비배부액", "전월직접제조경비배부액", "전월간접제조경비배부액"},
                     {{"ST01", 3, 9750.37, 37.5, 120.5, 80.25, 40.125, 10}}),
             sheetOf("제품", {"제품코드", "제품수량", "완성제품금액(제품매출원가)"}, {{"P100", 7, 123456.78901}})});
        imported(db, Kind::Opening, path("opening-in.xlsx"));
        ExportSheet receipts = exportedBy<TMC_WonJaJeyInPut_Form>();
        ExportSheet lots = exportedBy<TMC_JeyGongPumWoulInPut_Form>();
        ExportSheet products = exportedBy<TMC_ChaongGoJeyPumChulGoTaAc_Form>();
        QCOMPARE(receipts.rows.size(), 2);
        QCOMPARE(lots.rows.size(), 1);
        QCOMPARE(products.rows.size(), 1);
        receipts.sheetName = "원자재";
        lots.sheetName = "재공품";
        products.sheetName = "제품";
        writeXlsx(path("opening.xlsx"), {receipts, lots, products});
    }

    void cleanupTestCase() { original.reset(); }

    void rawMaterials()
    {
        TestBooks copy;
        imported(copy.db(), Kind::RawMaterials, path("raw.xlsx"));
        QCOMPARE(rowsOf(copy.db(), "MC_WonJaJeyCode", "Won_Code"),
                 rowsOf(original->db(), "MC_WonJaJeyCode", "Won_Code"));
    }

    void products()
    {
        TestBooks copy;
        imported(copy.db(), Kind::Products, path("products.xlsx"));
        QCOMPARE(rowsOf(copy.db(), "MC_JeyPumCode", "Jey_Code"), rowsOf(original->db(), "MC_JeyPumCode", "Jey_Code"));
    }

    void trees()
    {
        TestBooks copy;
        imported(copy.db(), Kind::RawMaterials, path("raw.xlsx"));
        imported(copy.db(), Kind::Products, path("products.xlsx"));
        imported(copy.db(), Kind::Trees, path("trees.xlsx"));
        QCOMPARE(rowsOf(copy.db(), "MC_JeyPumTreeWonJaJey", "Tr_Index"),
                 rowsOf(original->db(), "MC_JeyPumTreeWonJaJey", "Tr_Index"));
    }

    void accounts()
    {
        TestBooks copy;
        imported(copy.db(), Kind::Accounts, path("accounts.xlsx"));
        QCOMPARE(rowsOf(copy.db(), "MC_AcNameCode", "Ac_AcCode"), rowsOf(original->db(), "MC_AcNameCode", "Ac_AcCode"));
    }

    void openingStock()
    {
        TestBooks copy;
        imported(copy.db(), Kind::RawMaterials, path("raw.xlsx"));
        imported(copy.db(), Kind::Products, path("products.xlsx"));
        imported(copy.db(), Kind::Trees, path("trees.xlsx"));
        imported(copy.db(), Kind::Opening, path("opening.xlsx"));
        for (const auto &[table, order] :
             QList<QPair<QString, QString>>{{"MC_WonJaJeyInPut", "InPut_WonCode"},
                                            {"MC_JeyGongPumInPut", "Gong_WonCode"},
                                            {"MC_ChaongGoJeyPumInPut", "JeyPum_JeyPumCode"}})
            QCOMPARE(rowsOf(copy.db(), table, order), rowsOf(original->db(), table, order));
    }
};

QTEST_MAIN(ImportRoundTripTest)
#include "tst_importroundtrip.moc"
