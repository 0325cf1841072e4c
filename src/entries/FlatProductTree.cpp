#include "entries/FlatProductTree.h"

#include "masters/TreeStructure.h"
#include "store/Db.h"
#include "store/RowStatements.h"
#include "store/Schema.h"

#include <algorithm>
#include <numeric>

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
    schema::recreateWorkTable(db, FlatTree, flatTreeColumns());
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

ProductTree productTree(Db &db, const QString &productCode)
{
    // Each tree runs from its root to the next row of level 0; read from the tree table itself
    // (its positions are indexed), so that what is saved never rests on a copy made earlier.
    const QString code = productCode.trimmed();
    ProductTree product;
    const ResultSet roots = db.query(QStringLiteral("Select Tr_Index, Tr_Name From MC_JeyPumTreeWonJaJey Where "
                                                    "Tr_Code = :tbCode And Tr_Level = 0 Order By Tr_Index"),
                                     {{":tbCode", code}});
    QVector<QVector<QVariant>> kept;
    QStringList columns;
    for (int r = 0; r < roots.size(); ++r) {
        const int root = roots.value(r, "Tr_Index").toInt();
        if (product.name.isEmpty())
            product.name = roots.text(r, "Tr_Name");
        const QVariant next = db.scalar(QStringLiteral("Select Min(Tr_Index) From MC_JeyPumTreeWonJaJey Where "
                                                       "Tr_Index > :tbIndex And Tr_Level = 0"),
                                        {{":tbIndex", root}});
        const ResultSet rows = db.query(
            QStringLiteral("Select * From MC_JeyPumTreeWonJaJey Where Tr_Index >= :tbStart And (:tbEnd Is Null Or "
                           "Tr_Index < :tbEnd) Order By Tr_Index"),
            {{":tbStart", root}, {":tbEnd", next}});
        QVector<int> levels(rows.size());
        for (int i = 0; i < rows.size(); ++i)
            levels[i] = rows.value(i, "Tr_Level").toInt();
        // The rows the tree view leaves out are no part of the product, as in the flat tree.
        const QVector<int> shownUnder = TreeStructure(levels).displayParents();
        columns = rows.columns();
        for (int i = 1; i < rows.size(); ++i)
            if (levels.at(i) > 0 && shownUnder.at(i) != TreeStructure::NotShown)
                kept << rows.rows().at(i);
    }
    const ResultSet nodes(columns, kept);
    // A material in several branches is needed once, with its quantities added up.
    QVector<int> order(nodes.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return nodes.text(a, "Tr_Code").compare(nodes.text(b, "Tr_Code"), Qt::CaseInsensitive) < 0;
    });
    for (int i : order) {
        const QString nodeCode = nodes.text(i, "Tr_Code");
        if (!product.codes.contains(nodeCode, Qt::CaseInsensitive))
            product.codes << nodeCode;
        if (nodes.text(i, "Tr_Kubun") != RawMaterial)
            continue;
        if (!product.materials.isEmpty() && product.materials.last().code.compare(nodeCode, Qt::CaseInsensitive) == 0) {
            product.materials.last().perUnit += nodes.number(i, "Tr_SuKg");
            continue;
        }
        product.materials.append({nodeCode, nodes.text(i, "Tr_Name"), nodes.text(i, "Tr_DanWi"),
                                  nodes.text(i, "Tr_Model"), nodes.text(i, "Tr_PumName"), nodes.text(i, "Tr_KuSize"),
                                  nodes.number(i, "Tr_SuKg")});
    }
    return product;
}

QString latestReceiptDate(Db &db, const ProductTree &product)
{
    QString latest;
    for (const QString &code : product.codes) {
        const QString date =
            db.scalar(QStringLiteral("Select Max(InPut_Date) From MC_WonJaJeyInPut Where InPut_WonCode = :tbCode"),
                      {{":tbCode", code}})
                .toString()
                .trimmed();
        latest = std::max(latest, date);
    }
    return latest;
}

} // namespace zedur::warehouse
