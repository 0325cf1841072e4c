#pragma once

#include <QPair>
#include <QString>
#include <QVariant>
#include <QVector>

namespace zedur {

class Db;

// The values of one row, column by column in the table's order. Column names come from
// constants in the code; each value is bound as the parameter named after its column.
using RowValues = QVector<QPair<QString, QVariant>>;

void insertRow(Db &db, const QString &table, const RowValues &row);
// Rewrites the given columns of the row whose key column holds `key`.
void updateRow(Db &db, const QString &table, const RowValues &row, const QString &keyColumn,
               const QString &key);

// Whether any row of the table has `value` in the column (an indexed "=" lookup).
bool anyRowWith(Db &db, const QString &table, const QString &column, const QString &value);

} // namespace zedur
