#include "entries/DayDate.h"

#include "entries/EntryWarnings.h"

#include <QDate>

namespace zedur {

DayDate dayDate(const Period &p, const QString &typedDay)
{
    QString day = typedDay.trimmed();
    if (day.size() == 1)
        day.prepend(u'0');
    return {day, p.year.trimmed() + u'-' + p.month.trimmed() + u'-' + day};
}

bool isCalendarDate(const QString &date)
{
    return QDate::fromString(date, QStringLiteral("yyyy-MM-dd")).isValid();
}

Checked<DayDate> checkDay(const Period &p, const QString &typedDay, const QString &dayBox)
{
    if (typedDay.trimmed().isEmpty())
        return {Refusal{{}, dayBox}, {}};
    const DayDate d = dayDate(p, typedDay);
    if (!isCalendarDate(d.date))
        return {Refusal{warnings::invalidDate(d.date), dayBox}, d};
    return {std::nullopt, d};
}

} // namespace zedur
