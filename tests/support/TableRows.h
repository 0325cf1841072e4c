#pragma once

#include "store/Db.h"

#include <QPair>
#include <QVariant>
#include <QVector>

namespace zedur::test {

using Values = QVector<QPair<QString, QVariant>>;

// One row of a base table: the values given; the period from the date when not given; the
// next serial when none is given; every other text empty and every other number 0. Returns
// the serial.
QString addRow(Db &db, const QString &table, const Values &given);

} // namespace zedur::test
