#pragma once

#include <QString>

namespace zedur {
class Db;
}

namespace zedur::test {

// The first difference between two sets of books, on either engine, table by table in key
// order: texts exactly, numbers within 1e-9 relative (a sum may run in another order); the
// audit columns (save time, volume, computer, folder) are left out, since each run writes
// its own. Empty when there is none.
QString firstDifference(Db &a, Db &b);

} // namespace zedur::test
