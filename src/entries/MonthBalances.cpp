#include "entries/MonthBalances.h"

#include "store/Db.h"
#include "store/Dialect.h"

namespace zedur {

namespace {

// The commits of other connections; empty where it cannot be known cheaply (a server).
QString othersStamp(Db &db)
{
    if (db.engine() != Engine::Sqlite)
        return {};
    return db.scalar(QStringLiteral("PRAGMA data_version")).toString();
}

// What changes whenever the books change: the commits of other connections and the rows
// this connection has written.
QString stampOf(Db &db)
{
    const QString others = othersStamp(db);
    if (others.isEmpty())
        return {};
    return others + u'/' + db.scalar(QStringLiteral("Select total_changes()")).toString();
}

} // namespace

MonthBalances::MonthBalances(Refill refill, Refresh refresh)
    : m_refill(std::move(refill)), m_refresh(std::move(refresh))
{
}

void MonthBalances::show(Db &db, const Period &month)
{
    if (month == m_month && !m_stamp.isEmpty() && stampOf(db) == m_stamp)
        return;
    forget();
    Transaction t(db);
    m_refill(db, month);
    t.commit();
    m_month = month;
    m_stamp = stampOf(db);
}

void MonthBalances::moved(Db &db, const QStringList &keys)
{
    // Another desk's save since is not among these rows: all is worked out at the next showing.
    if (m_stamp.isEmpty() || othersStamp(db) != m_stamp.section(u'/', 0, 0)) {
        forget();
        return;
    }
    const Period month = m_month;
    forget(); // until the rows are brought up to date
    Transaction t(db);
    m_refresh(db, month, keys);
    t.commit();
    m_month = month;
    m_stamp = stampOf(db);
}

void MonthBalances::forget()
{
    m_month = {};
    m_stamp.clear();
}

} // namespace zedur
