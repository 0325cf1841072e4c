#pragma once

#include "store/Periods.h"

#include <QString>
#include <QVector>
#include <optional>

namespace zedur {

class Db;

namespace reports {

// What a report run finds in the period table before it builds anything: the chosen
// month's row, or the warning that stops the run.
struct MonthCheck {
    std::optional<PeriodRow> month;
    QString refusal;
    bool ok() const { return month.has_value(); }
};

// The test every report makes when it is run: two or more open months stop it; so does
// a month the books never opened (the warning names the open month, empty when none is
// open). Closed months can be shown.
MonthCheck checkReportMonth(Db &db, const Period &chosen);

// The months the books hold from `first` to `last`, oldest first (the month before the
// books' first, which the initialisation marks closed, holds none).
QVector<Period> booksMonths(Db &db, const Period &first, const Period &last);
// The month `count` months before `p`.
Period monthsBefore(Period p, int count);

inline const QString noDataText = QStringLiteral("데이타 없습니다.");
// "<<< memo >>>": how the report screens show a month's state.
QString memoText(const QString &memo);

// The total row of the movement reports: dated the month's last day, named after the
// month, its description the balance of what came in and went out.
QString lastDayOfMonth(const Period &p);
QString totalRowName(const Period &p);
QString balanceText(double in, double out);

} // namespace reports
} // namespace zedur
