#pragma once

#include "store/Periods.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace zedur {
class Db;
}

// Every derived figure of a month's rows worked out again from the rows it was made from, by
// the rules that wrote it, and compared with what is stored: issue and transfer amounts from
// their receipt, the completion rate's cost, each lot's allocated amounts (the allocation run
// again on copies of the month's rows), completions' slices from their lots, product receipts
// as the sum of their slices, shipments' and transfers' cost from their receipt, returns from
// their sale and, for a closed month, each brought-forward row of the next month from the row
// it came from. Where two rows agree with each other but not with their source, both reports
// (ties) can agree while a figure is wrong: this finds the row.
namespace zedur::reports::rowchecks {

struct RowDifference {
    QString table;
    QString serial; // the row's serial; for a brought-forward row that is missing, its source's
    QString column;
    double stored = 0;    // NaN: no such row
    double workedOut = 0; // NaN: nothing to work it out from, or a row that should not be there
    double tolerance = 0; // how far apart they may be: the rounding the row is written with
};

struct RowCheck {
    QVector<RowDifference> differences;
    QStringList notes; // checks left out and why
    int rows = 0;      // rows of the books looked at
    bool holds() const { return differences.isEmpty(); }
};

// Reads the books and changes nothing of them: the worked-out figures live in tables of the
// connection's own, which go again before it returns (whatever it returns with). Runs in a
// transaction of its own, nested in the caller's if there is one. The month must be in the
// period table.
RowCheck checkRows(Db &db, const Period &month);

} // namespace zedur::reports::rowchecks
