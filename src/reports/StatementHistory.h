#pragma once

#include "reports/MonthChart.h"
#include "reports/ReportColumns.h"
#include "store/Periods.h"

namespace zedur {
class Db;
}

// A statement as an accountant reads it: the month's lines beside the month before ("전월")
// and the year to date ("당기누계"), and the statements of the last twelve months for the
// chart. Every month is built on its own by the month's statement, in one pass that only
// reads the books; the work table is left holding the chosen month's lines.
namespace zedur::reports::statements {

enum class StatementKind { CostOfGoodsManufactured, Income };

// How a line adds up over the months of the year: what flows through a month is summed,
// a stock at the start is the first month's, a stock at the end the last month's, and the
// total of the manufacturing cost and the WIP at the start ("40407000") is made of the
// year's figures of those two lines.
enum class Span { Flow, Opening, Closing, OpeningTotal };
Span spanOf(const QString &code);

struct MonthStatement {
    Period month;
    ResultSet lines; // as the month's statement shows them
};

struct StatementWithHistory {
    // The month's lines (the columns of the month's statement, then PrevTotal and YtdTotal).
    ReportList lines;
    // The books' months among the twelve up to the chosen one, oldest first.
    QVector<MonthStatement> months;
};

// The months the year to date counts for `month`: from January of its year, or from the
// books' first month when they start later, to the month; only months the books have.
QVector<Period> yearToDateMonths(Db &db, const Period &month);

// A line's single figure: each line stands in one of the statement's two columns.
double lineFigure(const ResultSet &lines, int row);
// The year-to-date figure of a line (code and direct/indirect mark) from the months'
// statements, oldest first, by the line's span; 0 when no month has the line.
double yearFigure(const QVector<const ResultSet *> &months, const QString &code, const QString &mark);

StatementWithHistory buildWithHistory(Db &db, const Period &month, StatementKind which);

// The statement's main lines over its months: each line's figure (label, account code).
MonthChart chartOf(const StatementWithHistory &statement, const QString &title,
                   const QVector<QPair<QString, QString>> &labelledCodes);

// The statement of a month, alone, as the month's screen once showed it.
ReportList buildMonth(Db &db, const Period &month, StatementKind which);

} // namespace zedur::reports::statements
