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

// The next serial of a table: one more than the greatest in the serial column.
QString Serial_MaxValue(Db &db, const QString &table, const QString &serialColumn);

} // namespace zedur
