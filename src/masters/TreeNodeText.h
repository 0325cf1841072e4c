#pragma once

#include <QString>

// The texts a product-tree node is shown with. The fixed-width columns count the way the
// old Korean code page did (two columns per Korean character), so that trees written by
// the earlier program and by this one line up the same.
namespace zedur {

// The two kinds of node, as stored in Tr_Kubun.
inline const QString kTreeProductKind = QStringLiteral("제품");
inline const QString kTreeRawMaterialKind = QStringLiteral("원자재");

// Tr_NameText of a node, as the dialog shows it before saving. A product reads
// "%-8S %-35S " (kind, name); a raw material "%-8S %-35S %-14S %15s " (kind, name, label,
// quantity "#,##0.0000") with every blank turned into "*" and the last "*" dropped, so that
// its columns stay lined up in the tree. Longer texts are never cut.
QString treeNodeText(const QString &kind, const QString &name, double quantity);

} // namespace zedur
