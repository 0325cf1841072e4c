#pragma once

#include "reports/RowChecks.h"
#include "store/Periods.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace zedur {
class Db;
}

// The figures that one month's reports must agree on, each taken from the report that shows
// it: the statements against the movement reports, the WIP summary against itself, and a
// closed month's remainders against the next month's opening stock. A tie that fails points
// at the month's allocation or close, or at rows changed after them.
namespace zedur::reports::ties {

struct Tie {
    QString what; // the two figures, named as the reports name them
    double left = 0;
    double right = 0;
    // How far apart the two may be: the places each figure is written with, or the
    // rounding the allocation or the close is allowed.
    double tolerance = 0;
    bool holds() const;
};

struct Verification {
    QVector<Tie> ties;
    // What the reader should know: ties that do not apply to this month and why, or a
    // month not allocated since its last change.
    QStringList notes;
    // Every derived figure of the month's rows worked out again (RowChecks.h).
    rowchecks::RowCheck rows;
    bool holds() const;
};

// Builds the month's reports (and the next month's, when the month is closed) and compares
// them, and checks the month's rows. The reports' work tables are left as they were: nothing
// of the books changes. Everything is read at one moment of the books, in a transaction of its
// own: call it outside any. The month must be in the period table.
Verification verifyMonth(Db &db, const Period &month);

} // namespace zedur::reports::ties
