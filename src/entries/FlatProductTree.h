#pragma once

#include "common/ResultSet.h"

#include <QString>
#include <QVector>

// The product trees flattened for the completion into the warehouse: the work table
// MC_JeyPumTreeWonJaJey_ParentCode holds every tree row the tree view shows, with the code
// of the top product it belongs to (Tr_FirstParentCode) and of its parent (Tr_ParentCode);
// the screen lists its top products. A product's raw materials are its rows of kind "원자재".
namespace zedur {
class Db;
}

namespace zedur::warehouse {

inline const QString FlatTree = QStringLiteral("MC_JeyPumTreeWonJaJey_ParentCode");

void recreateFlatTreeTable(Db &db);
// Fills the table from MC_JeyPumTreeWonJaJey; false (table left empty) when there is no tree.
bool refillFlatTree(Db &db);

// The top products, for the screen's product list.
ResultSet topProducts(Db &db);

// One raw material of a product with its quantity per unit of product.
struct Material {
    QString code;
    QString name;
    QString danWi;
    QString model;
    QString pumName;
    QString kuSize;
    double perUnit = 0.0;
};

// A product as its tree stands: its name and the rows under it that the flat tree keeps, as
// the codes of those rows and as its raw materials. A material that occurs in several
// branches is one material with the quantities added up, its texts those of its first
// occurrence; materials come in code order.
struct ProductTree {
    QString name; // "" when the product is no root of a tree
    QStringList codes;
    QVector<Material> materials;
};
ProductTree productTree(Db &db, const QString &productCode);

// The newest receipt date of the product's rows, raw materials or not, in any month ("" when
// none).
QString latestReceiptDate(Db &db, const ProductTree &product);

} // namespace zedur::warehouse
