#include "masters/ProductTreeStore.h"

#include "common/SystemInfo.h"
#include "common/TextNumber.h"
#include "store/Db.h"
#include "store/StoreError.h"

namespace zedur {

namespace {

const QString kTreeColumns = QStringLiteral(
    "Tr_Index, Tr_Level, Tr_NameText, Tr_Code, Tr_Name, Tr_DanWi, Tr_Model, Tr_PumName, Tr_KuSize, "
    "Tr_Kubun, Tr_SuKg, Tr_Bigo, Tr_SaveDate, Tr_Check01, Tr_Check02, Tr_Check03, Tr_Check04, Tr_Check05");

const QString kInsertNode =
    QStringLiteral("INSERT INTO MC_JeyPumTreeWonJaJey (%1) VALUES (:tbIndex, :tbLevel, :tbNameText, :tbCode, :tbName, "
                   ":tbDanWi, :tbModel, :tbPumName, :tbKuSize, :tbKubun, :tbSuKg, :tbBiGo, :tbSaveDate, :tbCheck01, "
                   ":tbCheck02, :tbCheck03, :tbCheck04, :tbCheck05)")
        .arg(kTreeColumns);

QString columnText(const QVector<QVariant> &row, int column)
{
    return column < 0 ? QString() : row.at(column).toString().trimmed();
}

Params nodeParams(int position, const TreeNodeValues &v)
{
    return {{QStringLiteral(":tbIndex"), position},
            {QStringLiteral(":tbLevel"), v.level},
            {QStringLiteral(":tbNameText"), v.nameText.trimmed()},
            {QStringLiteral(":tbCode"), v.code.trimmed()},
            {QStringLiteral(":tbName"), v.name.trimmed()},
            {QStringLiteral(":tbDanWi"), v.danWi.trimmed()},
            {QStringLiteral(":tbModel"), v.model.trimmed()},
            {QStringLiteral(":tbPumName"), v.pumName.trimmed()},
            {QStringLiteral(":tbKuSize"), v.kuSize.trimmed()},
            {QStringLiteral(":tbKubun"), v.kubun.trimmed()},
            {QStringLiteral(":tbSuKg"), v.suKg},
            {QStringLiteral(":tbBiGo"), v.bigo.trimmed()},
            {QStringLiteral(":tbSaveDate"), saveDateNow()},
            {QStringLiteral(":tbCheck01"), v.check01.trimmed()},
            {QStringLiteral(":tbCheck02"), QStringLiteral("체크필드02")},
            {QStringLiteral(":tbCheck03"), QStringLiteral("체크필드03")},
            {QStringLiteral(":tbCheck04"), QStringLiteral("체크필드04")},
            {QStringLiteral(":tbCheck05"), QStringLiteral("체크필드05")}};
}

int countOf(Db &db, const QString &sql, const Params &params)
{
    return db.scalar(sql, params).toInt();
}

QString searchPattern(const QString &searchText)
{
    return u'%' + fDeleteBlank(searchText) + u'%';
}

// Matches only a row whose code and name are both empty.
const QString kPatternOfNothing = QStringLiteral("");

} // namespace

ProductTreeList::ProductTreeList(const ResultSet &list)
{
    const int level = list.columnIndex(QStringLiteral("Tr_Level"));
    const int nameText = list.columnIndex(QStringLiteral("Tr_NameText"));
    const int code = list.columnIndex(QStringLiteral("Tr_Code"));
    const int kubun = list.columnIndex(QStringLiteral("Tr_Kubun"));
    const int check01 = list.columnIndex(QStringLiteral("Tr_Check01"));
    QVector<int> levels;
    levels.reserve(list.size());
    m_rows.reserve(list.size());
    for (const QVector<QVariant> &r : list.rows()) {
        TreeRow row;
        row.level = r.at(level).toInt();
        row.nameText = columnText(r, nameText);
        row.code = columnText(r, code);
        row.kubun = columnText(r, kubun);
        row.check01 = columnText(r, check01);
        levels.append(row.level);
        m_rows.append(std::move(row));
    }
    m_structure = TreeStructure(std::move(levels));
}

ResultSet queryTreeList(Db &db)
{
    return db.query(QStringLiteral("SELECT * FROM MC_JeyPumTreeWonJaJey ORDER BY Tr_Index, Tr_Level"));
}

ResultSet queryTreeExport(Db &db)
{
    return db.query(QStringLiteral("SELECT * FROM MC_JeyPumTreeWonJaJey ORDER BY Tr_Index"));
}

const QVector<ExportField> &treeExportFields()
{
    static const QVector<ExportField> fields = {
        {QStringLiteral("Tr_Index"), QStringLiteral("순서")},
        {QStringLiteral("Tr_Level"), QStringLiteral("레벨")},
        {QStringLiteral("Tr_NameText"), QStringLiteral("노드 텍스트 적요")},
        {QStringLiteral("Tr_Code"), QStringLiteral("제품,원자재 코드")},
        {QStringLiteral("Tr_Name"), QStringLiteral("제품,원자재 이름")},
        {QStringLiteral("Tr_Kubun"), QStringLiteral("구분")},
        {QStringLiteral("Tr_SuKg"), QStringLiteral("원자재 소유 수량(중량)")},
        {QStringLiteral("Tr_Bigo"), QStringLiteral("비고")}};
    return fields;
}

ResultSet queryTreeItems(Db &db, TreeItemFilter filter, const QString &searchText)
{
    const QString pattern = searchPattern(searchText);
    const bool products = filter == TreeItemFilter::All || filter == TreeItemFilter::Products;
    const bool rawMaterials = filter == TreeItemFilter::All || filter == TreeItemFilter::RawMaterials;
    return db.query(
        QStringLiteral(
            "SELECT '001' AS Kubun_Index, '제품  ' AS Kubun_Name, Jey_Code AS Tr_Code, Jey_Name AS Tr_Name, "
            "Jey_NameAlias AS Tr_NameAlias, Jey_DanWi AS Tr_DanWi, Jey_Model AS Tr_Model, "
            "Jey_PumName AS Tr_PumName, Jey_KuSize AS Tr_KuSize, Jey_TextMemo AS Tr_TextMemo "
            "FROM MC_JeyPumCode WHERE (Jey_Code || Jey_Name) LIKE :tbJeyName "
            "UNION ALL "
            "SELECT '002', '원자재', Won_Code, Won_Name, Won_NameAlias, Won_DanWi, Won_Model, Won_PumName, "
            "Won_KuSize, Won_TextMemo "
            "FROM MC_WonJaJeyCode WHERE (Won_Code || Won_Name) LIKE :tbWonName "
            "ORDER BY Kubun_Index, Tr_Name, Tr_Code"),
        {{QStringLiteral(":tbJeyName"), products ? pattern : kPatternOfNothing},
         {QStringLiteral(":tbWonName"), rawMaterials ? pattern : kPatternOfNothing}});
}

TreeItem treeItemAt(const Rows &items, int row)
{
    return {items.text(row, QStringLiteral("Kubun_Name")), items.text(row, QStringLiteral("Tr_Code")),
            items.text(row, QStringLiteral("Tr_Name")),    items.text(row, QStringLiteral("Tr_DanWi")),
            items.text(row, QStringLiteral("Tr_Model")),   items.text(row, QStringLiteral("Tr_PumName")),
            items.text(row, QStringLiteral("Tr_KuSize")),  items.text(row, QStringLiteral("Tr_TextMemo"))};
}

int rawMaterialReceiptCount(Db &db, const QString &code)
{
    return countOf(db, QStringLiteral("SELECT count(*) FROM MC_WonJaJeyInPut WHERE InPut_WonCode = :tbCode"),
                   {{QStringLiteral(":tbCode"), code.trimmed()}});
}

int productReceiptCount(Db &db, const QString &code)
{
    return countOf(db,
                   QStringLiteral("SELECT count(*) FROM MC_ChaongGoJeyPumInPut WHERE JeyPum_JeyPumCode = :tbCode"),
                   {{QStringLiteral(":tbCode"), code.trimmed()}});
}

int codeInTreeCount(Db &db, const QString &check01, const QString &code, int except)
{
    return countOf(db,
                   QStringLiteral("SELECT count(*) FROM MC_JeyPumTreeWonJaJey WHERE Tr_Check01 = :tbCheck01 "
                                  "AND Tr_Code = :tbCode AND Tr_Index <> :tbExcept"),
                   {{QStringLiteral(":tbCheck01"), check01.trimmed()},
                    {QStringLiteral(":tbCode"), code.trimmed()},
                    {QStringLiteral(":tbExcept"), except}});
}

int rootCount(Db &db, const QString &productCode, int except)
{
    return countOf(db,
                   QStringLiteral("SELECT count(*) FROM MC_JeyPumTreeWonJaJey WHERE Tr_Level = 0 "
                                  "AND (Tr_Check01 = :tbCheck01 OR Tr_Code = :tbCheck01) AND Tr_Index <> :tbExcept"),
                   {{QStringLiteral(":tbCheck01"), productCode.trimmed()}, {QStringLiteral(":tbExcept"), except}});
}

int sameKindCount(Db &db, const QString &kubun, const QString &code, int except)
{
    return countOf(db,
                   QStringLiteral("SELECT count(*) FROM MC_JeyPumTreeWonJaJey WHERE Tr_Kubun = :tbKubun "
                                  "AND Tr_Code = :tbCode AND Tr_Index <> :tbExcept"),
                   {{QStringLiteral(":tbKubun"), kubun.trimmed()},
                    {QStringLiteral(":tbCode"), code.trimmed()},
                    {QStringLiteral(":tbExcept"), except}});
}

void insertTreeNode(Db &db, int position, const TreeNodeValues &values)
{
    Transaction t(db);
    db.exec(QStringLiteral("UPDATE MC_JeyPumTreeWonJaJey SET Tr_Index = Tr_Index + 1 WHERE Tr_Index >= :tbIndex"),
            {{QStringLiteral(":tbIndex"), position}});
    db.exec(kInsertNode, nodeParams(position, values));
    t.commit();
}

void appendTreeNodes(Db &db, int position, const QVector<TreeNodeValues> &nodes)
{
    PreparedStatement insert = db.prepare(kInsertNode);
    for (const TreeNodeValues &values : nodes)
        insert.run(nodeParams(position++, values));
}

void updateTreeNode(Db &db, int position, const TreeNodeValues &values)
{
    Params params = nodeParams(position, values);
    params.append({QStringLiteral(":tbIndex_W"), position});
    Transaction t(db);
    db.exec(QStringLiteral("UPDATE MC_JeyPumTreeWonJaJey SET Tr_Index = :tbIndex, Tr_Level = :tbLevel, "
                           "Tr_NameText = :tbNameText, Tr_Code = :tbCode, Tr_Name = :tbName, Tr_DanWi = :tbDanWi, "
                           "Tr_Model = :tbModel, Tr_PumName = :tbPumName, Tr_KuSize = :tbKuSize, "
                           "Tr_Kubun = :tbKubun, Tr_SuKg = :tbSuKg, Tr_Bigo = :tbBiGo, Tr_SaveDate = :tbSaveDate, "
                           "Tr_Check01 = :tbCheck01, Tr_Check02 = :tbCheck02, Tr_Check03 = :tbCheck03, "
                           "Tr_Check04 = :tbCheck04, Tr_Check05 = :tbCheck05 WHERE Tr_Index = :tbIndex_W"),
            params);
    t.commit();
}

int deleteTreeNode(Db &db, int position)
{
    Transaction t(db);
    const Params at{{QStringLiteral(":tbIndex"), position}};
    const QVariant level =
        db.scalar(QStringLiteral("SELECT Tr_Level FROM MC_JeyPumTreeWonJaJey WHERE Tr_Index = :tbIndex"), at);
    if (!level.isValid())
        throw StoreError(QStringLiteral("no tree node at position %1").arg(position));
    // The subtree ends before the next row at the node's level or shallower, or with the list.
    const QVariant next = db.scalar(QStringLiteral("SELECT Tr_Index FROM MC_JeyPumTreeWonJaJey WHERE Tr_Index > "
                                                   ":tbIndex AND Tr_Level <= :tbLevel ORDER BY Tr_Index LIMIT 1"),
                                    {{QStringLiteral(":tbIndex"), position}, {QStringLiteral(":tbLevel"), level}});
    const int end = next.isValid()
                        ? next.toInt()
                        : db.scalar(QStringLiteral("SELECT max(Tr_Index) + 1 FROM MC_JeyPumTreeWonJaJey")).toInt();
    const Params range{{QStringLiteral(":tbStart"), position}, {QStringLiteral(":tbEnd"), end}};
    db.exec(QStringLiteral("DELETE FROM MC_JeyPumTreeWonJaJey WHERE Tr_Index >= :tbStart AND Tr_Index < :tbEnd"),
            range);
    db.exec(QStringLiteral("UPDATE MC_JeyPumTreeWonJaJey SET Tr_Index = Tr_Index - (:tbEnd - :tbStart) "
                           "WHERE Tr_Index >= :tbEnd"),
            range);
    t.commit();
    return end - position;
}

} // namespace zedur
