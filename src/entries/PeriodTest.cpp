#include "entries/PeriodTest.h"

#include "entries/EntryWarnings.h"

namespace zedur {

Verdict periodRefusal(Db &db, const Period &shown, const QString &tail)
{
    const std::optional<PeriodRow> open = period::theOpenPeriod(db);
    if (!open)
        return Refusal{warnings::periodTableFault(shown), {}, true};
    if (open->period.text() != shown.year.trimmed() + shown.month.trimmed())
        return Refusal{period::onlyOpenMonthWarning(open->period, tail), {}, true};
    return std::nullopt;
}

} // namespace zedur
