#pragma once

#include "entries/Refusal.h"
#include "store/Periods.h"

namespace zedur {

// The day box of an entry screen and the date it makes with the month shown.
struct DayDate {
    QString day;  // two digits, as the box shows it once left
    QString date; // "yyyy-mm-dd"
};

// The day as two digits and the date of the month; nothing checked.
DayDate dayDate(const Period &p, const QString &typedDay);

// Leaving the day box, and every save that builds a date: an empty day keeps the focus
// (no box), a date that is not on the calendar (04-31, 02-30, day 00) is refused with
// its warning. `dayBox` is the objectName of the screen's day box.
Checked<DayDate> checkDay(const Period &p, const QString &typedDay, const QString &dayBox);

bool isCalendarDate(const QString &date);

} // namespace zedur
