#pragma once

#include "store/Periods.h"

#include <QStringList>

namespace zedur {
class Db;
namespace reports {

class WorkTable;

// Where a movement report's detail keeps what its total row shows.
struct TotalRowColumns {
    QString prefix;         // of the serial, date, year, month, kind and memo columns
    QString index;          // the column the rows are grouped by: "99-합계"
    QString name;           // the column named after the month
    QString in;             // the amount that came in
    QString out;            // the amount that went out
    QStringList alsoSummed; // other amounts the row totals, outside the balance
};

// Appends the detail's total row: the sums of the rows above (four decimals), dated the
// month's last day, named after the month, its memo the balance of what came in and went
// out. Runs in the caller's transaction.
void insertTotalRow(Db &db, const WorkTable &detail, const Period &month, const TotalRowColumns &columns);

} // namespace reports
} // namespace zedur
