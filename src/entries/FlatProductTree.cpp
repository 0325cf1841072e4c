#include "entries/FlatProductTree.h"

#include "masters/TreeStructure.h"
#include "store/Db.h"
#include "store/RowStatements.h"
#include "store/Schema.h"

namespace zedur::warehouse {

namespace {

const QString TopMark = QStringLiteral("최상위부모노드");
const QString RootParentMark = QStringLiteral("부모노드");
const QString RawMaterial = QStringLiteral("원자재");

QVector<ColumnDef> flatTreeColumns()
{
    const auto text = [](const char *name, int width) {
        return ColumnDef{name, ColumnType::Text, width};
    };
    return {{"Tr_Index", ColumnType::Integer},
            {"Tr_Level", ColumnType::Integer},
            text("Tr_NameText", 200),
            text("Tr_Code", 50),
            text("Tr_Name", 200),
            text("Tr_DanWi", 200),
            text("Tr_Model", 200),
            text("Tr_PumName", 200),
            text("Tr_KuSize", 200),
            text("Tr_Kubun", 200),
            {"Tr_SuKg", ColumnType::Real},
            text("Tr_Bigo", 200),
            text("Tr_SaveDate", 50),
            text("Tr_FirstParentCode", 50),
            text("Tr_ParentCode", 50)};
}

RowValues flatRow(const ResultSet &tree, int row, const QString &top, const QString &parent)
{
    RowValues values{{"Tr_Index", tree.value(row, "Tr_Index").toInt()},
                     {"Tr_Level", tree.value(row, "Tr_Level").toInt()}};
    for (const char *column :
         {"Tr_NameText", "Tr_Code", "Tr_Name", "Tr_DanWi", "Tr_Model", "Tr_PumName", "Tr_KuSize", "Tr_Kubun"})
        values.append({column, tree.text(row, column)});
    values << RowValues{{"Tr_SuKg", tree.number(row, "Tr_SuKg")},
                        {"Tr_Bigo", tree.text(row, "Tr_Bigo")},
                        {"Tr_SaveDate", tree.text(row, "Tr_SaveDate")},
                        {"Tr_FirstParentCode", top},
                        {"Tr_ParentCode", parent}};
    return values;
}

} // namespace

void recreateFlatTreeTable(Db &db)
{
    db.recreate(FlatTree, {schema::createWorkTableSql(FlatTree, flatTreeColumns())});
}

bool refillFlatTree(Db &db)
{
    db.exec(QStringLiteral("Delete From MC_JeyPumTreeWonJaJey_ParentCode"));
    const ResultSet tree = db.query(QStringLiteral("Select * From MC_JeyPumTreeWonJaJey Order By Tr_Index"));
    if (tree.isEmpty())
        return false;
    QVector<int> levels(tree.size());
    for (int i = 0; i < tree.size(); ++i)
        levels[i] = tree.value(i, "Tr_Level").toInt();
    // The rows the tree view leaves out (more than one level deeper than the row before) are
    // left out here too; their code still stands for their level.
    const QVector<int> shownUnder = TreeStructure(levels).displayParents();
    QVector<QString> codeAtLevel;
    QString top;
    for (int i = 0; i < tree.size(); ++i) {
        const int level = levels.at(i);
        if (level < 0)
            continue;
        const QString code = tree.text(i, "Tr_Code");
        if (level == 0) {
            top = code;
            insertRow(db, FlatTree, flatRow(tree, i, TopMark, RootParentMark));
        } else if (shownUnder.at(i) != TreeStructure::NotShown) {
            insertRow(db, FlatTree, flatRow(tree, i, top, codeAtLevel.value(level - 1)));
        }
        if (codeAtLevel.size() <= level)
            codeAtLevel.resize(level + 1);
        codeAtLevel[level] = code;
    }
    return true;
}

ResultSet topProducts(Db &db)
{
    return db.query(QStringLiteral("Select * From MC_JeyPumTreeWonJaJey_ParentCode Where Tr_Level = 0 And "
                                   "Tr_Kubun = :tbKubun Order By Tr_Code, Tr_Name"),
                    {{":tbKubun", QStringLiteral("제품")}});
}

QVector<Material> materialsOf(Db &db, const QString &productCode)
{
    const ResultSet rows = db.query(QStringLiteral("Select * From MC_JeyPumTreeWonJaJey_ParentCode Where "
                                                   "Tr_FirstParentCode = :tbName And Tr_Kubun = :tbKubun "
                                                   "Order By Tr_Code, Tr_Index"),
                                    {{":tbName", productCode.trimmed()}, {":tbKubun", RawMaterial}});
    QVector<Material> materials;
    for (int i = 0; i < rows.size(); ++i) {
        const QString code = rows.text(i, "Tr_Code");
        if (!materials.isEmpty() && materials.last().code.compare(code, Qt::CaseInsensitive) == 0) {
            materials.last().perUnit += rows.number(i, "Tr_SuKg");
            continue;
        }
        materials.append({code, rows.text(i, "Tr_Name"), rows.text(i, "Tr_DanWi"), rows.text(i, "Tr_Model"),
                          rows.text(i, "Tr_PumName"), rows.text(i, "Tr_KuSize"), rows.number(i, "Tr_SuKg")});
    }
    return materials;
}

QString latestReceiptDate(Db &db, const QString &productCode)
{
    return db
        .scalar(QStringLiteral("Select Max(WW.InPut_Date) From MC_JeyPumTreeWonJaJey_ParentCode AA Inner Join "
                               "MC_WonJaJeyInPut WW On AA.Tr_Code = WW.InPut_WonCode Where AA.Tr_FirstParentCode = "
                               ":tbName"),
                {{":tbName", productCode.trimmed()}})
        .toString()
        .trimmed();
}

} // namespace zedur::warehouse
