#pragma once

#include <QString>

namespace zedur {

class Db;

// Serial after `current` (one capital letter and ten digits); "A0000000001" for an empty
// current. Throws StoreError after "Z9999999999" instead of producing a malformed key.
QString serialAfter(const QString &current);
// The serial `steps` after `current`, as that many calls of serialAfter would give: the
// serials a set of rows inserted one by one would get.
QString serialPlus(const QString &current, qint64 steps);
// The same in two steps, for many serials after one: where a serial stands in the count
// (StoreError for a text that is no serial; an empty text stands before the first), and
// the serial at a place in the count (StoreError past the last one).
qint64 serialPosition(const QString &serial);
QString serialAt(qint64 position);

// The next serial of a table: one more than the greatest in the serial column. Inside a
// transaction the table's serials stay locked until it ends (on a server, where other
// desks insert too), so that the serial read is still free when the row is inserted.
QString Serial_MaxValue(Db &db, const QString &table, const QString &serialColumn);

// The serial a new row is stored under, inside the saving transaction: the one shown when the
// row was begun, unless another desk has saved a row under it or a later one since; then the
// next after the greatest, drawn under the table's serial lock. Serials keep counting up with
// every insert.
QString serialForNewRow(Db &db, const QString &table, const QString &serialColumn, const QString &shown);

} // namespace zedur
