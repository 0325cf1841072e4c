#pragma once

#include "common/ResultSet.h"
#include "common/SpreadsheetExport.h"

#include <QString>
#include <QVector>

namespace zedur::reports {

// Number pictures of the report lists.
inline const QString Amount4 = QStringLiteral("#,##0.0000");
inline const QString Amount4ZeroBlank = QStringLiteral("#,##0.0000;-#,##0.0000; ;");
inline const QString Amount2ZeroBlank = QStringLiteral("#,##0.00;-#,##0.00; ;");

// The background a report gives a column: what came in, what went out, sales, a subtotal.
enum class Shade { None, In, Out, Sales, Subtotal };

// One column of a report's list: the field, its title, how its numbers are written, and
// whether leading blanks are data (an account's indented report name).
struct ReportColumn {
    QString field;
    QString title;
    QString picture;
    Shade shade = Shade::None;
    bool leadingBlanks = false;
};
using ReportColumns = QVector<ReportColumn>;

// A built list with its columns, ready to show or to write to a spreadsheet.
struct ReportList {
    ReportColumns columns;
    ResultSet rows;
};

// A movement report: its list of movements and the summary below it.
struct MovementReport {
    ReportList detail;
    ReportList summary;
};

ExportSheet sheetOf(const ReportList &list, const QString &baseName);

} // namespace zedur::reports
