#pragma once

#include "reports/ReportColumns.h"
#include "store/Periods.h"

#include <QStringList>

namespace zedur {
class Db;
}

namespace zedur::reports {

// The trace reports walk the flow of goods backwards, one stage per list: from a sale, a
// product receipt or a transfer of the month to the product receipt it came from, the
// completions that made the receipt, the WIP lots, and the raw-material receipt each lot
// was issued from. The first stage lists the month; each later stage lists the rows that
// the row picked in the stage above was built from.
namespace traces {

struct Stage {
    QString grid;         // the list's control, "DBGrid_ChulGo"
    QString exportButton; // its own export button, "ChulGoPrintBtn"
    QStringList labels;   // the caption beside the list, one line each
    ReportColumns columns;
    QString sql;      // first stage: :tbYear and :tbMonth; later stages: keyParam
    QString keyParam; // the parameter a later stage's query takes the key as
    QString link;     // the field of this stage's picked row that keys the next stage
};

struct Trace {
    QString className;
    QString caption;
    QString panelText; // the status panel before a month is shown
    QVector<Stage> stages;
};

const Trace &fromSales();            // TMC_ReportBeyBu01_Form
const Trace &fromProducts();         // TMC_ReportBeyBu02_Form
const Trace &fromProductTransfers(); // TMC_ReportBeyBu03_Form
const Trace &fromWipTransfers();     // TMC_ReportBeyBu04_Form
const Trace &fromRawTransfers();     // TMC_ReportBeyBu05_Form

// The first stage's rows for a month.
ReportList monthRows(Db &db, const Trace &trace, const Period &month);
// The rows of stage `stage` (1 or later) for the key taken from the row picked above.
ReportList stageRows(Db &db, const Trace &trace, int stage, const QString &key);

} // namespace traces
} // namespace zedur::reports
