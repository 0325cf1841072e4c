#include "ImportFiles.h"
#include "MessageRecorder.h"
#include "TableRows.h"
#include "TestBooks.h"
#include "imports/ImportRun.h"
#include "masters/MasterCodes.h"
#include "masters/ProductTreeStore.h"
#include "masters/TreeNodeText.h"

#include <QTemporaryDir>
#include <QTest>

using namespace zedur;
using namespace zedur::imports;
using namespace zedur::test;

Q_DECLARE_METATYPE(zedur::imports::Kind)

namespace {

// What a run reported, row by row.
struct Run {
    ImportOutcome outcome;
    QVector<RowReport> reports;
    QStringList lines() const
    {
        QStringList out;
        for (const RowReport &r : reports)
            for (const Problem &p : r.problems)
                out << problemLine(r, p);
        return out;
    }
    const RowReport *rowAt(int number) const
    {
        for (const RowReport &r : reports)
            if (r.row == number)
                return &r;
        return nullptr;
    }
};

QByteArray csv(const QStringList &lines)
{
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

const QString RawTitles = QStringLiteral("원자재 코드,원자재 이름,단가,단위");
const QString TreeTitles = QStringLiteral("레벨,\"제품,원자재 코드\",구분,원자재 소유 수량(중량)");

// Books with two raw materials, two products and the tree of P100 holding ST01.
struct Books {
    TestBooks books;
    Books()
    {
        Db &db = books.db();
        addRow(db, "MC_WonJaJeyCode", {{"Won_Code", "ST01"}, {"Won_Name", "냉연강판"}, {"Won_DanGa", 3250.5}});
        addRow(db, "MC_WonJaJeyCode", {{"Won_Code", "BT10"}, {"Won_Name", "볼트"}, {"Won_DanGa", 85.25}});
        addRow(db, "MC_JeyPumCode", {{"Jey_Code", "P100"}, {"Jey_Name", "철제선반"}});
        addRow(db, "MC_JeyPumCode", {{"Jey_Code", "P200"}, {"Jey_Name", "의자"}});
        addShelfTree(db);
    }
    Db &db() { return books.db(); }
};

} // namespace

class ImportFilesTest : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;

    Run run(Db &db, Kind kind, const QString &file, bool checkOnly = false, bool update = false)
    {
        Run r;
        r.outcome = runImport(db, kind, file, {checkOnly, update}, [&](const RowReport &rep) { r.reports << rep; });
        return r;
    }
    QString file(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(name);
        writeBytes(path, bytes);
        return path;
    }

private slots:
    // Each bad file gives its reason where it lies and leaves the books as they were.
    void badFilesWriteNothing_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");

        const auto raw = [](const QStringList &rows) {
            return csv(QStringList{RawTitles} + rows);
        };
        const auto tree = [](const QStringList &rows) {
            return csv(QStringList{TreeTitles} + rows);
        };
        QTest::newRow("missing column") << Kind::RawMaterials << "raw.csv" << csv({"원자재 코드,단가", "X1,1"})
                                        << "시트 'raw' 1행 '원자재 이름' 열: '원자재 이름' 열이 없습니다.";
        QTest::newRow("text where a number belongs") << Kind::RawMaterials << "raw.csv" << raw({"X1,나사,abc,ea"})
                                                     << "시트 'raw' 2행 '단가' 열: 숫자가 아닙니다: abc";
        QTest::newRow("over-long text") << Kind::RawMaterials << "raw.csv"
                                        << raw({"X1," + QString(201, u'가') + ",1,ea"})
                                        << "2행 '원자재 이름' 열: 200자를 넘을 수 없습니다 (201자).";
        QTest::newRow("over-long unit") << Kind::RawMaterials << "raw.csv" << raw({"X1,나사,1," + QString(51, u'k')})
                                        << "2행 '단위' 열: 50자를 넘을 수 없습니다 (51자).";
        QTest::newRow("code of other characters") << Kind::RawMaterials << "raw.csv" << raw({"X-1,나사,1,ea"})
                                                  << "코드에는 영문자와 숫자만 쓸 수 있습니다: X-1";
        QTest::newRow("duplicate code in the file")
            << Kind::RawMaterials << "raw.csv" << raw({"X1,나사,1,ea", "x1,너트,2,ea"})
            << "3행 '원자재 코드' 열: 파일의 2행과 코드가 같습니다.";
        QTest::newRow("duplicate code in the books")
            << Kind::RawMaterials << "raw.csv" << raw({"ST01,열연강판,1,kg"})
            << "2행 '원자재 코드' 열: 원자재 코드가 있는 원자재 코드를 등록 하였습니다......";
        QTest::newRow("code of a product") << Kind::RawMaterials << "raw.csv" << raw({"P100,선반판,1,ea"})
                                           << "제품 코드가 있는 원자재 코드를 등록 하였습니다......";
        QTest::newRow("name of a product") << Kind::Products << "products.csv" << csv({"제품코드,제품명", "P300,볼트"})
                                           << "원자재 이름이 있는 제품 이름을 등록 하였습니다......";
        QTest::newRow("unknown parent") << Kind::Trees << "tree.csv" << tree({"0,P200,제품,", "2,BT10,원자재,1"})
                                        << "3행 '레벨' 열: 상위 노드가 없습니다: 바로 위에 레벨 1의 노드가 없습니다.";
        QTest::newRow("no tree above") << Kind::Trees << "tree.csv" << tree({"1,BT10,원자재,1"})
                                       << "상위 노드가 없습니다: 트리는 레벨 0의 제품으로 시작해야 합니다.";
        QTest::newRow("loop in a tree")
            << Kind::Trees << "tree.csv" << tree({"0,P200,제품,", "1,P100,제품,", "2,P200,제품,"})
            << "4행 '제품,원자재 코드' 열: 순환입니다: P200이(가) 자기 자신의 아래에 있습니다.";
        QTest::newRow("raw material at the root")
            << Kind::Trees << "tree.csv" << tree({"0,BT10,원자재,1"})
            << "최상위 노드[제로노드]에서는 원자재 코드 데이타를 등록 할 수 없습니다";
        QTest::newRow("under a raw material")
            << Kind::Trees << "tree.csv" << tree({"0,P200,제품,", "1,BT10,원자재,1", "2,ST01,원자재,1"})
            << "원자재 데이타와 동일한 원자재 코드 데이타를 등록 할 수 없습니다";
        QTest::newRow("quantity not above zero")
            << Kind::Trees << "tree.csv" << tree({"0,P200,제품,", "1,BT10,원자재,0"}) << "수량은 0보다 커야 합니다: 0";
        QTest::newRow("tree of an unknown code")
            << Kind::Trees << "tree.csv" << tree({"0,P200,제품,", "1,ZZ9,원자재,1"})
            << "원자재 코드에도 제품 코드에도 없는 코드입니다: ZZ9";
        QTest::newRow("account under no group")
            << Kind::Accounts << "accounts.csv" << csv({"계정과목 코드,계정과목 이름", "49999001,잡비"})
            << "집계 계정과목(그룹) 49999000이(가) 없습니다.";
        QTest::newRow("account number past 949")
            << Kind::Accounts << "accounts.csv" << csv({"계정과목 코드,계정과목 이름", "40404950,잡비"})
            << "계정과목 코드를 더이상 등록이 불가능합니다.......";
        QTest::newRow("opening stock of a material in no tree")
            << Kind::Opening << "opening.csv" << csv({"원자재코드,입고수량(중량),원자재단가", "BT10,5,85.25"})
            << "먼저 BOM Tree의 제품코드 구성과 원자재 코드 정보를 연계하세요........";
        QTest::newRow("opening stock of nothing")
            << Kind::Opening << "opening.csv" << csv({"원자재코드,입고수량(중량),원자재단가", "ST01,0,1"})
            << "기초재고 수량은 0보다 커야 합니다: 0";
        QTest::newRow("empty sheet") << Kind::RawMaterials << "empty.xlsx" << QByteArray("hand-made:")
                                     << "가져올 자료가 없습니다";
        QTest::newRow("titles only") << Kind::RawMaterials << "titles.csv" << csv({RawTitles})
                                     << "가져올 자료가 없습니다";
        QTest::newRow("not a spreadsheet") << Kind::RawMaterials << "picture.xlsx" << QByteArray("\x89PNG\r\n\x1a\n", 8)
                                           << "스프레드시트(.xlsx) 파일이 아닙니다";
        QTest::newRow("damaged zip") << Kind::RawMaterials << "damaged.xlsx" << QByteArray("cut:")
                                     << "손상된 .xlsx 파일입니다";
        QTest::newRow("huge sheet")
            << Kind::RawMaterials << "huge.xlsx"
            << QByteArray("hand-made:<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>원자재 코드</t></is></c></row>"
                          "<row r=\"1048577\"><c r=\"A1048577\" t=\"inlineStr\"><is><t>X1</t></is></c></row>")
            << "시트가 너무 큽니다: 1048577행이 있습니다";
    }
    void badFilesWriteNothing()
    {
        QFETCH(Kind, kind);
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        Books b;
        const QString path = dir.filePath(name);
        if (bytes.startsWith("hand-made:")) {
            writeHandMadeXlsx(path, bytes.mid(10));
        } else if (bytes.startsWith("cut:")) {
            QVector<QVector<QVariant>> rows;
            for (int i = 0; i < 500; ++i)
                rows.append({QStringLiteral("X%1").arg(i), QStringLiteral("나사%1").arg(i)});
            writeXlsx(path, {sheetOf("원자재", {"원자재 코드", "원자재 이름"}, rows)});
            QByteArray whole = readBytes(path);
            whole.truncate(whole.size() * 2 / 3);
            writeBytes(path, whole);
        } else {
            writeBytes(path, bytes);
        }
        const QString before = booksSnapshot(b.db());
        for (const bool checkOnly : {true, false}) {
            const Run r = run(b.db(), kind, path, checkOnly);
            QVERIFY(!r.outcome.ok());
            QVERIFY(!r.outcome.written);
            const QString lines = r.lines().join(u'\n');
            QVERIFY2(lines.contains(expected), qPrintable(lines));
        }
        QCOMPARE(booksSnapshot(b.db()), before);
    }

    // Every bad row is listed, not only the first; good rows are judged too.
    void everyBadRowListed()
    {
        Books b;
        const QString path =
            file("raw.csv", csv({RawTitles, "X1,나사,1,ea", "X2,,abc,ea", "X3,와셔,2,ea", "X1,너트,,"}));
        const Run r = run(b.db(), Kind::RawMaterials, path);
        QCOMPARE(r.outcome.rows, 4);
        QCOMPARE(r.outcome.refusedRows, 2);
        QCOMPARE(r.outcome.problems, 3);
        QCOMPARE(r.rowAt(2)->action, RowAction::Add);
        QCOMPARE(r.rowAt(3)->problems.size(), 2);
        QCOMPARE(r.rowAt(3)->problems.at(0).column, QStringLiteral("원자재 이름"));
        QCOMPARE(r.rowAt(3)->problems.at(0).reason, QStringLiteral("원자재 이름를 등록 하세요......"));
        QCOMPARE(r.rowAt(3)->problems.at(1).reason, QStringLiteral("숫자가 아닙니다: abc"));
        QCOMPARE(r.rowAt(4)->action, RowAction::Add);
        QCOMPARE(b.db().count("Select * From MC_WonJaJeyCode"), 2);
    }

    // A check writes nothing; the import then writes every row, as the screen would have.
    void goodFileCheckedThenImported()
    {
        Books b;
        const QString path = file("raw.csv", csv({"저장순서," + RawTitles + ",적요및메모",
                                                  "A0000000099,x1,나사,1.234567,ea,", ",X2,와셔,\"1,250\",,메모"}));
        const QString before = booksSnapshot(b.db());
        const Run checked = run(b.db(), Kind::RawMaterials, path, true);
        QVERIFY(checked.outcome.ok());
        QCOMPARE(checked.outcome.added, 2);
        QVERIFY(!checked.outcome.written);
        QCOMPARE(booksSnapshot(b.db()), before);

        const Run imported = run(b.db(), Kind::RawMaterials, path);
        QVERIFY(imported.outcome.written);
        const ResultSet rows = b.db().query("Select * From MC_WonJaJeyCode Where Won_Code Like 'X%' Order By Won_Code");
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.text(0, "Won_Serial"), QStringLiteral("A0000000003")); // a new serial, not the file's
        QCOMPARE(rows.text(0, "Won_Code"), QStringLiteral("X1"));
        QCOMPARE(rows.number(0, "Won_DanGa"), 1.2346); // cut to five decimals, kept to four
        QCOMPARE(rows.number(1, "Won_DanGa"), 1250.0);
        QCOMPARE(rows.text(1, "Won_TextMemo"), QStringLiteral("메모"));
        QVERIFY(!rows.text(1, "Won_SaveDate").isEmpty());
    }

    // A code in the books: the same row again is nothing to do; a changed one is refused
    // unless chosen, and then only where the code screen would change it.
    void codesInTheBooks()
    {
        Books b;
        const QString same = file("same.csv", csv({RawTitles, "BT10,볼트,85.25,"}));
        const Run again = run(b.db(), Kind::RawMaterials, same);
        QVERIFY(again.outcome.ok());
        QCOMPARE(again.outcome.same, 1);

        const QString changed = file("changed.csv", csv({RawTitles, "BT10,육각볼트,90,ea"}));
        const Run refused = run(b.db(), Kind::RawMaterials, changed);
        QVERIFY(refused.lines().join(' ').contains("원자재 코드가 있는 원자재 코드를 등록 하였습니다"));
        const Run updated = run(b.db(), Kind::RawMaterials, changed, false, true);
        QVERIFY(updated.outcome.written);
        QCOMPARE(updated.outcome.updated, 1);
        const ResultSet bolt = b.db().query("Select * From MC_WonJaJeyCode Where Won_Code = 'BT10'");
        QCOMPARE(bolt.text(0, "Won_Serial"), QStringLiteral("A0000000002"));
        QCOMPARE(bolt.text(0, "Won_Name"), QStringLiteral("육각볼트"));
        QCOMPARE(bolt.number(0, "Won_DanGa"), 90.0);
        QCOMPARE(bolt.text(0, "Won_DanWi"), QStringLiteral("ea"));

        const QString inTree = file("tree.csv", csv({RawTitles, "ST01,냉연강판,3300,kg"}));
        const Run locked = run(b.db(), Kind::RawMaterials, inTree, false, true);
        QVERIFY(!locked.outcome.written);
        QVERIFY(locked.lines().join(' ').contains(
            QStringLiteral("완제품코드의 Tree 노드에 있는 코드라 수정이 불가능합니다")));
    }

    // Accounts: the next free number when only the group is given; a name and memo changed
    // only when chosen, never on a supplied or closed account or one with amounts.
    void accounts()
    {
        Books b;
        const QString path = file(
            "accounts.csv", csv({"계정과목 코드,계정과목 이름,적요 및 메모,집계 계정과목 코드", ",야간수당,,40403000",
                                 ",특근수당,월말,40403000", "40404020,포장비,,", "40404001,복리후생비,,"}));
        const Run r = run(b.db(), Kind::Accounts, path);
        QVERIFY2(r.outcome.written, qPrintable(r.lines().join('\n')));
        QCOMPARE(r.outcome.added, 3);
        QCOMPARE(r.outcome.same, 1);
        const ResultSet night = b.db().query("Select * From MC_AcNameCode Where Ac_AcName = '야간수당'");
        QCOMPARE(night.text(0, "Ac_AcCode"), QStringLiteral("40403005"));
        QCOMPARE(night.value(0, "Ac_AcNameReport").toString(), QStringLiteral("    야간수당"));
        QCOMPARE(night.text(0, "Ac_AcNameCall"), QStringLiteral("노무비(제)/야간수당"));
        QCOMPARE(night.text(0, "Ac_GroupKubun"), QStringLiteral("01제조"));
        QCOMPARE(night.text(0, "Ac_TotalCode"), QStringLiteral("40403000"));
        QCOMPARE(b.db().count("Select * From MC_AcNameCode Where Ac_AcCode = '40403006'"), 1);

        addRow(b.db(), "MC_AcNameAmtInPut",
               {{"Amt_Date", "2005-04-10"}, {"Amt_AcCode", "40404002"}, {"Amt_Amt", 1000.0}});
        const QString renames =
            file("renames.csv",
                 csv({"계정과목 코드,계정과목 이름", "40404020,포장운반비", "40404002,출장비", "40401000,재료비용"}));
        const Run renamed = run(b.db(), Kind::Accounts, renames, false, true);
        const QString lines = renamed.lines().join('\n');
        QVERIFY(lines.contains(
            "3행 '계정과목 코드' 열: 월별 수익비용 계정과목 금액이 등록된 데이타라 수정이 불가능합니다"));
        QVERIFY(lines.contains("4행 '계정과목 코드' 열: 초기 계정과목 코드라 수정이 불가능합니다"));
        QCOMPARE(b.db().scalar("Select Ac_AcName From MC_AcNameCode Where Ac_AcCode = '40404020'").toString(),
                 QStringLiteral("포장비"));
        const QString one = file("one.csv", csv({"계정과목 코드,계정과목 이름", "40404020,포장 운반비"}));
        QVERIFY(run(b.db(), Kind::Accounts, one, false, true).outcome.written);
        const ResultSet packing = b.db().query("Select * From MC_AcNameCode Where Ac_AcCode = '40404020'");
        QCOMPARE(packing.text(0, "Ac_AcName"), QStringLiteral("포장 운반비"));
        QCOMPARE(packing.value(0, "Ac_AcNameReport").toString(), QStringLiteral("    포장운반비")); // as the screen
        QCOMPARE(packing.text(0, "Ac_AcNameCall"), QStringLiteral("제조경비(제)/포장 운반비"));
    }

    // Trees go after the books' trees; a product's tree in the books is replaced only when
    // chosen and while no receipt uses its codes.
    void trees()
    {
        Books b;
        const QString path = file("tree.xlsx", {});
        writeXlsx(path, {sheetOf("BOM", {"순서", "레벨", "제품,원자재 코드", "구분", "원자재 소유 수량(중량)", "비고"},
                                 {{QVariant(7), 0, "P200", "제품", QVariant(), QVariant()},
                                  {QVariant(), 1, "BT10", "원자재", 4.5, "앞"},
                                  {QVariant(), 1, "P100", "제품", QVariant(), QVariant()},
                                  {QVariant(), 2, "ST01", "원자재", QVariant(), QVariant()}})});
        const Run r = run(b.db(), Kind::Trees, path);
        QVERIFY2(r.outcome.written, qPrintable(r.lines().join('\n')));
        const ResultSet tree = queryTreeList(b.db());
        QCOMPARE(tree.size(), 6);
        QCOMPARE(tree.value(2, "Tr_Index").toInt(), 2);
        QCOMPARE(tree.text(2, "Tr_Code"), QStringLiteral("P200"));
        QCOMPARE(tree.text(3, "Tr_NameText"), treeNodeText(kTreeRawMaterialKind, "볼트", 4.5).trimmed());
        QCOMPARE(tree.number(3, "Tr_SuKg"), 4.5);
        QCOMPARE(tree.text(3, "Tr_Bigo"), QStringLiteral("앞"));
        QCOMPARE(tree.number(5, "Tr_SuKg"), 1.0); // an empty quantity is one, as in the dialog
        QCOMPARE(tree.text(5, "Tr_Check01"), QStringLiteral("P200"));

        QCOMPARE(run(b.db(), Kind::Trees, path).outcome.same, 4);
        const QString other = file("other.csv", csv({TreeTitles, "0,P200,제품,", "1,ST01,원자재,3"}));
        const Run refused = run(b.db(), Kind::Trees, other);
        QVERIFY(refused.lines().join(' ').contains(QStringLiteral("제품 BOM 최상위 코드에 동일한 데이타가 있어")));
        addRow(b.db(), "MC_WonJaJeyInPut",
               {{"InPut_Date", "2005-04-02"}, {"InPut_WonCode", "BT10"}, {"InPut_SuKg", 1.0}});
        const Run used = run(b.db(), Kind::Trees, other, false, true);
        QVERIFY(used.lines().join(' ').contains(
            QStringLiteral("BT10: 원자재 정보에 등록된 데이타가 있어 수정할 수 없습니다")));
        b.db().exec("Delete From MC_WonJaJeyInPut");
        const Run replaced = run(b.db(), Kind::Trees, other, false, true);
        QVERIFY(replaced.outcome.written);
        const ResultSet after = queryTreeList(b.db());
        QCOMPARE(after.size(), 4);
        QCOMPARE(after.text(2, "Tr_Code"), QStringLiteral("P200"));
        QCOMPARE(after.number(3, "Tr_SuKg"), 3.0);
        QCOMPARE(after.value(3, "Tr_Index").toInt(), 3);
    }
};

QTEST_GUILESS_MAIN(ImportFilesTest)
#include "tst_importfiles.moc"
