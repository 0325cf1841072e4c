#pragma once

#include "store/Periods.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace zedur {

class Db;

// The balances a screen lists, in its work tables, for the month it shows: worked out for
// the whole month when another month is shown or the books have changed since (another
// desk's save, or one on this connection the screen was not told of), else left as they
// are; a save the screen makes brings only the rows it moved up to date. On a server every
// showing works them out again.
class MonthBalances
{
public:
    using Refill = std::function<void(Db &, const Period &)>;
    using Refresh = std::function<void(Db &, const Period &, const QStringList &)>;

    MonthBalances(Refill refill, Refresh refresh);

    // The balances of the month up to date; its own transaction when they are refilled.
    void show(Db &db, const Period &month);
    // After a save of the screen's that moved only these rows of the month shown.
    void moved(Db &db, const QStringList &keys);
    // The work tables were made anew: the next showing fills them.
    void forget();

private:
    Refill m_refill;
    Refresh m_refresh;
    Period m_month;
    // The books' state when the balances were last brought up to date (changestamp).
    QString m_othersStamp;
    QString m_stamp;
};

} // namespace zedur
