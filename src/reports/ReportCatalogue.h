#pragma once

#include "common/Workbook.h"
#include "reports/ReportColumns.h"
#include "store/Periods.h"

#include <QString>
#include <QVector>
#include <functional>

namespace zedur {
class Db;
}

// Every report of a month by a short name, built and turned into the worksheets its screen's
// export button writes, for writing without the screens.
namespace zedur::reports {

struct ReportKind {
    QString name;      // "raw-materials": how the command line names it
    QString title;     // the report's menu entry
    QString className; // the screen that shows it; files written begin with it
    // Builds the month's report (recreating its work tables first) into its worksheets; a
    // report over months, the twelve months up to it.
    std::function<QVector<ExportSheet>(Db &, const Period &)> sheets;
};

const QVector<ReportKind> &reportCatalogue();
const ReportKind *reportNamed(const QString &name);

// The worksheets of a movement report: its movements, then, when the report exports it,
// its summary.
QVector<ExportSheet> movementSheets(const MovementReport &report, const QString &className, bool withSummary);

} // namespace zedur::reports
