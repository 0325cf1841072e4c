#pragma once

#include "common/ResultSet.h"
#include "common/SpreadsheetExport.h"
#include "masters/TreeStructure.h"

#include <QString>
#include <QVector>

// The product-tree table MC_JeyPumTreeWonJaJey: its lists, its checks and its changes. The
// rows of all trees form one depth-first list whose Tr_Index runs 0, 1, 2, ... without a
// gap or a repeat; every change below keeps it so within one transaction.
namespace zedur {

class Db;

// What the rules need to know of one row of the tree list.
struct TreeRow {
    int level = 0;
    QString nameText;
    QString code;
    QString kubun;
    QString check01;
};

// The tree list as read, with its structure worked out once.
class ProductTreeList
{
public:
    ProductTreeList() = default;
    // From the rows of the tree list query, in their order.
    explicit ProductTreeList(const ResultSet &list);

    int size() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.isEmpty(); }
    const TreeRow &row(int position) const { return m_rows.at(position); }
    const TreeStructure &structure() const { return m_structure; }

private:
    QVector<TreeRow> m_rows;
    TreeStructure m_structure;
};

// The values a node is written with (its position is given apart).
struct TreeNodeValues {
    int level = 0;
    QString nameText;
    QString code;
    QString name;
    QString danWi;
    QString model;
    QString pumName;
    QString kuSize;
    QString kubun;
    double suKg = 1.0;
    QString bigo;
    QString check01;
};

// The tree list and its export, both in list order.
ResultSet queryTreeList(Db &db);
ResultSet queryTreeExport(Db &db);
const QVector<ExportField> &treeExportFields();

// The dialog's list of products and raw materials, searched in code and name together.
// A part that is not searched gets the empty pattern, which only a row without code and
// name would match, and the code screens never save one.
enum class TreeItemFilter { All, Products, RawMaterials, Nothing };
ResultSet queryTreeItems(Db &db, TreeItemFilter filter, const QString &searchText);

// One item of the dialog's list, trimmed (the product kind comes with two trailing blanks).
struct TreeItem {
    QString kubun;
    QString code;
    QString name;
    QString danWi;
    QString model;
    QString pumName;
    QString kuSize;
    QString textMemo;
};
TreeItem treeItemAt(const Rows &items, int row);

// Counts behind the refusals. `except` leaves one position out (the node being edited).
int rawMaterialReceiptCount(Db &db, const QString &code);
int productReceiptCount(Db &db, const QString &code);
int codeInTreeCount(Db &db, const QString &check01, const QString &code, int except = -1);
int rootCount(Db &db, const QString &productCode, int except = -1);
int sameKindCount(Db &db, const QString &kubun, const QString &code, int except = -1);

// Each change is one transaction. Adding moves the rows at or after `position` up by one
// first; deleting removes the node with its descendants and closes the gap behind it.
void insertTreeNode(Db &db, int position, const TreeNodeValues &values);
void updateTreeNode(Db &db, int position, const TreeNodeValues &values);
// Adds nodes after the last row of the list, at `position` (the number of rows) and on, in the
// caller's transaction: whole trees brought in at once.
void appendTreeNodes(Db &db, int position, const QVector<TreeNodeValues> &nodes);
int deleteTreeNode(Db &db, int position);

} // namespace zedur
