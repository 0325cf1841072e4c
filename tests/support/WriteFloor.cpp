#include "WriteFloor.h"

#include "closing/MonthChecks.h"
#include "store/Db.h"
#include "store/Schema.h"

#include <QElapsedTimer>
#include <QHash>
#include <QStringList>
#include <sqlite3.h>
#include <stdexcept>
#include <vector>

namespace zedur::test {

namespace {

// The columns the allocation sets, by table; the others it leaves.
const QHash<QString, QStringList> &allocatedColumns()
{
    static const QHash<QString, QStringList> columns{
        {"MC_JeyGongPumInPut",
         {"Gong_DaongNoMu_01", "Gong_DaongNoMu_02", "Gong_DaongJeyJo_01", "Gong_DaongJeyJo_02", "Gong_WoulAmtTot"}},
        {"MC_JeyGongPumInPut_TaAc",
         {"TaGong_JenGiWoul", "TaGong_DaongWoul", "TaGong_TotWoul", "TaGong_JenGiWonAmt", "TaGong_JenGiNoMu_01",
          "TaGong_JenGiNoMu_02", "TaGong_JenGiJeyJo_01", "TaGong_JenGiJeyJo_02", "TaGong_DaongWonAmt",
          "TaGong_DaongNoMu_01", "TaGong_DaongNoMu_02", "TaGong_DaongJeyJo_01", "TaGong_DaongJeyJo_02",
          "TaGong_WoulAmtTot"}},
        {"MC_ChaongGoJeyGongPumInJeyGong",
         {"InGong_DaongNoMu_01", "InGong_DaongNoMu_02", "InGong_DaongJeyJo_01", "InGong_DaongJeyJo_02",
          "InGong_WoulAmtTot"}},
        {"MC_ChaongGoJeyPumInPut",
         {"JeyPum_JenGiNoMu", "JeyPum_DaongNoMu", "JeyPum_JenGiJeyJo", "JeyPum_DaongJeyJo", "JeyPum_TotGaAmt"}},
        {"MC_ChaongGoJeyPumInPut_TaAc",
         {"TaJeyPum_JenGiNoMu", "TaJeyPum_DaongNoMu", "TaJeyPum_JenGiJeyJo", "TaJeyPum_DaongJeyJo",
          "TaJeyPum_TotGaAmt"}},
        {"MC_ChaongGoJeyPumInPut_ChulGo", {"ChulGo_WonJaJeyAmt"}}};
    return columns;
}

// The tables the close inserts brought-forward rows into.
const QStringList CarriedTables{"MC_WonJaJeyInPut", "MC_JeyGongPumInPut", "MC_ChaongGoJeyPumInPut"};

class Connection
{
public:
    explicit Connection(const QString &path)
    {
        if (sqlite3_open_v2(path.toUtf8().constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            throw std::runtime_error("write floor: cannot open " + path.toStdString());
    }
    ~Connection() { sqlite3_close(m_db); }
    sqlite3 *handle() const { return m_db; }
    void exec(const QString &sql)
    {
        if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
            fail(sql);
    }
    [[noreturn]] void fail(const QString &sql) const
    {
        throw std::runtime_error("write floor: " + std::string(sqlite3_errmsg(m_db)) + " in " + sql.toStdString());
    }

private:
    sqlite3 *m_db = nullptr;
};

class Statement
{
public:
    Statement(Connection &c, const QString &sql) : m_c(c), m_sql(sql)
    {
        if (sqlite3_prepare_v2(c.handle(), sql.toUtf8().constData(), -1, &m_stmt, nullptr) != SQLITE_OK)
            c.fail(sql);
    }
    ~Statement() { sqlite3_finalize(m_stmt); }
    sqlite3_stmt *operator*() const { return m_stmt; }
    // Runs it once with the values bound; a query's rows are left to the caller.
    void run()
    {
        if (sqlite3_step(m_stmt) != SQLITE_DONE)
            m_c.fail(m_sql);
        sqlite3_reset(m_stmt);
    }

private:
    Connection &m_c;
    QString m_sql;
    sqlite3_stmt *m_stmt = nullptr;
};

void bindText(sqlite3_stmt *s, int i, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(s, i, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

std::vector<sqlite3_int64> rowidsOf(Connection &c, const closing::MonthTable &t, const Period &month)
{
    Statement q(c, QStringLiteral("Select rowid From %1 Where %2 = ?1 And %3 = ?2 Order By rowid")
                       .arg(t.table, t.yearColumn, t.monthColumn));
    bindText(*q, 1, month.year);
    bindText(*q, 2, month.month);
    std::vector<sqlite3_int64> ids;
    while (sqlite3_step(*q) == SQLITE_ROW)
        ids.push_back(sqlite3_column_int64(*q, 0));
    return ids;
}

int rowsIn(const QString &file, const closing::MonthTable &t, const Period &month)
{
    return Db::open(file)
        ->scalar(QStringLiteral("Select count(*) From %1 Where %2 = :y And %3 = :m").arg(t.table, t.yearColumn, t.monthColumn),
                 {{":y", month.year}, {":m", month.month}})
        .toInt();
}

} // namespace

WriteFloor measureWriteFloor(const QString &books, const QString &result, const Period &month, const Period &next)
{
    struct Work {
        const closing::MonthTable *table;
        std::vector<sqlite3_int64> rows;
        int carried = 0;
    };
    std::vector<Work> work;
    for (const closing::MonthTable &t : closing::monthTables())
        work.push_back({&t, {}, CarriedTables.contains(t.table) ? rowsIn(result, t, next) : 0});

    Connection c(books);
    // The page cache and temporary storage of the engines' runs (Db and MonthSizedCache).
    c.exec(QStringLiteral("PRAGMA cache_size = -262144"));
    c.exec(QStringLiteral("PRAGMA temp_store = MEMORY"));
    for (Work &w : work)
        w.rows = rowidsOf(c, *w.table, month);

    WriteFloor floor;
    QElapsedTimer timer;
    timer.start();
    c.exec(QStringLiteral("BEGIN IMMEDIATE"));
    for (Work &w : work) {
        const closing::MonthTable &t = *w.table;
        QStringList sets{t.stateColumn + QStringLiteral(" = '마감완료'")};
        const QStringList amounts = allocatedColumns().value(t.table);
        for (const QString &column : amounts)
            sets << column + QStringLiteral(" = ?");
        Statement update(c, QStringLiteral("UpDate %1 Set %2 Where rowid = ?").arg(t.table, sets.join(u',')));
        for (const sqlite3_int64 row : w.rows) {
            for (int i = 0; i < amounts.size(); ++i)
                sqlite3_bind_double(*update, i + 1, 1234.5678 + double(row % 1000));
            sqlite3_bind_int64(*update, int(amounts.size()) + 1, row);
            update.run();
            ++floor.updated;
        }
        if (w.carried == 0)
            continue;
        // A copy of a row of the month under a new serial in the next month.
        const QStringList columns = schema::table(t.table).columnNames();
        QStringList values;
        for (const QString &column : columns) {
            if (column == columns.first())
                values << QStringLiteral("?1");
            else if (column == t.yearColumn)
                values << QStringLiteral("?2");
            else if (column == t.monthColumn)
                values << QStringLiteral("?3");
            else
                values << column;
        }
        Statement insert(c, QStringLiteral("Insert InTo %1 (%2) Select %3 From %1 Where rowid = ?4")
                                .arg(t.table, columns.join(u','), values.join(u',')));
        for (int i = 0; i < w.carried; ++i) {
            bindText(*insert, 1, QStringLiteral("Z%1").arg(i, 10, 10, QLatin1Char('0')));
            bindText(*insert, 2, next.year);
            bindText(*insert, 3, next.month);
            sqlite3_bind_int64(*insert, 4, w.rows.at(size_t(i) % w.rows.size()));
            insert.run();
            ++floor.inserted;
        }
    }
    c.exec(QStringLiteral("COMMIT"));
    floor.seconds = timer.nsecsElapsed() / 1e9;
    return floor;
}

} // namespace zedur::test
