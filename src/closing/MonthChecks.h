#pragma once

#include "entries/Refusal.h"
#include "store/Periods.h"

#include <QString>
#include <QVector>

// The tests the allocation and the monthly close make before they change anything: that no
// transaction table holds closed rows of the month, and that the month is the open one.
namespace zedur::closing {

// A transaction table with its period and period-state columns and the name the warnings
// give it.
struct MonthTable {
    QString table;
    QString yearColumn;
    QString monthColumn;
    QString stateColumn;
    QString label;
};

// The nine transaction tables in the order they are tested and closed; the close tests the
// first eight (the amounts table is only closed).
const QVector<MonthTable> &monthTables();

// The first of the first `count` tables whose rows of the month carry "마감완료" or more
// than one period state (no state and empty text count as one).
const MonthTable *firstClosedTable(Db &db, const Period &month, int count);

// "<label>" + line break + "2005년 04월은" ... "마감완료된 상태라" ... <what> ... "불가능한 년월입니다.........".
QString closedMonthWarning(const MonthTable &table, const Period &month, const QString &what);

// The refusal of a run while other desks keep the books busy with entry saves (what: "배부액
// 계산 업데이트가" or the close's wording); nothing has changed.
QString booksBusyWarning(const QString &what);
// The refusal while something else keeps the books busy (another program holding the file).
QString booksInUseWarning(const QString &what);
// The refusal of a run that gave up waiting for the books: the first when this program's
// own entry saves or runs have them, the second otherwise.
QString booksBusyWarning(Db &db, const QString &what);

// The month to run must be the only open one; nullopt when it is. Otherwise the warning
// naming the open month (`purpose`: "배부액 계산할 연도와 월은" or the close's wording), or the
// warning for a period table without exactly one open month.
Verdict wrongPeriod(Db &db, const Period &month, const QString &purpose);

} // namespace zedur::closing
