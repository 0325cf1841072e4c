#include "entries/MonthBalances.h"

#include "store/ChangeStamp.h"
#include "store/Db.h"

namespace zedur {

MonthBalances::MonthBalances(Refill refill, Refresh refresh)
    : m_refill(std::move(refill)), m_refresh(std::move(refresh))
{
}

void MonthBalances::show(Db &db, const Period &month)
{
    if (month == m_month && !m_stamp.isEmpty() && changestamp::ofAll(db) == m_stamp)
        return;
    forget();
    Transaction t(db);
    m_refill(db, month);
    t.commit();
    m_month = month;
    m_othersStamp = changestamp::ofOthers(db);
    m_stamp = changestamp::ofAll(db);
}

void MonthBalances::moved(Db &db, const QStringList &keys)
{
    // Another desk's save since is not among these rows: all is worked out at the next showing.
    if (m_stamp.isEmpty() || changestamp::ofOthers(db) != m_othersStamp) {
        forget();
        return;
    }
    const Period month = m_month;
    forget(); // until the rows are brought up to date
    Transaction t(db);
    m_refresh(db, month, keys);
    t.commit();
    m_month = month;
    m_othersStamp = changestamp::ofOthers(db);
    m_stamp = changestamp::ofAll(db);
}

void MonthBalances::forget()
{
    m_month = {};
    m_othersStamp.clear();
    m_stamp.clear();
}

} // namespace zedur
