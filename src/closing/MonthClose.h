#pragma once

#include "closing/RunOutcome.h"
#include "common/Progress.h"
#include "store/Periods.h"

namespace zedur {

class Db;

struct CloseOptions {
    // A time-stamped copy of the books before the close (the program and the command line
    // always write one; a benchmark may leave it out).
    bool backup = true;
};

struct CloseOutcome : RunOutcome {
    QString backupPath;
    QString backupWarning; // the backup folder outgrew its limit
    int carriedReceipts = 0;
    int carriedLots = 0;
    int carriedProducts = 0;
};

// The monthly close: refused on books that may only be read, while the allocation must be
// run again, when rows of the month are closed, or when the month is not the one open month. Otherwise, after a backup,
// in one transaction: every raw-material receipt, WIP lot and product receipt with stock
// left goes into the next month as a brought-forward row, every row of the month and the
// month itself are marked closed, and the next month is opened.
CloseOutcome runMonthClose(Db &db, const Period &month, const CloseOptions &options = {},
                           const Progress &progress = {});

} // namespace zedur
