#pragma once

#include "store/Db.h"
#include "store/RowStatements.h"

#include <QPair>
#include <QVariant>
#include <QVector>

// Rows written straight into a table, as a screen would have written them: every column
// not given gets empty text or zero (never NULL), so that a test names only what matters.
namespace zedur::test {

void insertWith(Db &db, const QString &table, const RowValues &values);

// The serial "A0000000001" .. of number n.
QString serialNo(int n);

using Values = QVector<QPair<QString, QVariant>>;

// One row of a base table: the values given; the period from the date when not given; the
// next serial when none is given; every other text empty and every other number 0. Returns
// the serial.
QString addRow(Db &db, const QString &table, const Values &given);

} // namespace zedur::test
