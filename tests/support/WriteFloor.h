#pragma once

#include "store/Periods.h"

#include <QString>

// What SQLite itself takes to write the rows a month's allocation and close leave behind,
// with nothing else to do: every row of the month rewritten once (the close's mark, and the
// allocation's amounts where it sets any) and every brought-forward row inserted, each row
// by a prepared statement of SQLite's C API, all in one transaction, with the page cache the
// engines' runs have. No engine can write the same books in less.
namespace zedur::test {

struct WriteFloor {
    double seconds = 0;
    int updated = 0;
    int inserted = 0;
};

// On `books` (a copy of the books before the allocation), rewrites the rows of `month` and
// inserts into `next` as many rows as `result` (the same books after the engines' close)
// holds in that month, copies of rows of `month`.
WriteFloor measureWriteFloor(const QString &books, const QString &result, const Period &month, const Period &next);

} // namespace zedur::test
