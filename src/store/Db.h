#pragma once

#include "common/ResultSet.h"
#include "store/BooksAccess.h"
#include "store/Dialect.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>

namespace zedur {

// Named parameters of one statement: {{":tbCode", code}, {":tbName", name}}.
using Params = QList<QPair<QString, QVariant>>;

// A statement ready to run, with its parameters.
struct Statement {
    QString sql;
    Params params;
};

class Db;

// A statement prepared once and run again with new values: the inserts of many rows.
class PreparedStatement
{
public:
    // Runs with these values; returns the number of rows it changed.
    int run(const Params &params);

private:
    friend class Db;
    PreparedStatement(QSqlQuery query, QString sql) : m_query(std::move(query)), m_sql(std::move(sql)) {}
    QSqlQuery m_query;
    QString m_sql;
};

// The current row of a result read row by row, by field name (ignoring case, as ResultSet).
class RowReader
{
public:
    QVariant value(const QString &column) const;
    QString text(const QString &column) const;  // trimmed, NULL as empty
    double number(const QString &column) const; // NULL as 0

private:
    friend class Db;
    RowReader(const QSqlQuery &query, const QHash<QString, int> &columns) : m_query(query), m_columns(columns) {}
    int indexOf(const QString &column) const;
    const QSqlQuery &m_query;
    const QHash<QString, int> &m_columns;
};

// One connection to the books: a database file, or a database on a PostgreSQL server when
// the location is a server address (BooksLocation.h). Each screen opens its own and closes
// it when it is destroyed. Every value goes in as a bound parameter; statements fail with
// StoreError.
class Db
{
public:
    // Opens an existing set of books; a missing or unreadable file, or a file or server
    // database without the period table, fails before anything is written to it. Books the
    // user may not change open read-only (readOnly()), and so do all books for ReadOnly.
    static std::unique_ptr<Db> open(const QString &location, OpenMode mode = OpenMode::AsAllowed);
    // Creates a new, empty database file (only the new-database tool and tests do this);
    // fails when anything is at the path already. On a server the database must exist and
    // hold none of the books' tables; the server's part of the schema is made here.
    static std::unique_ptr<Db> create(const QString &location);
    // The program's books (databasePath()), read-only when the program was asked to be.
    static std::unique_ptr<Db> openDefault();

    ~Db();
    Db(const Db &) = delete;
    Db &operator=(const Db &) = delete;

    // The file, or the server address.
    const QString &path() const { return m_path; }
    Engine engine() const { return m_engine; }
    // Whether these books may only be read, and why. Reports, checks and exports work on them
    // (their work tables are the connection's own); changes are refused.
    bool readOnly() const { return m_readOnly != ReadOnlyCause::None; }
    ReadOnlyCause readOnlyCause() const { return m_readOnly; }
    // The refusal of a change (what: "등록,수정,삭제가", ...) on these books when they may only
    // be read, saying why; empty when they may be changed.
    QString readOnlyWarning(const QString &what) const;
    // Refuses a change before it starts when the books may only be read: ReadOnlyBooks with
    // readOnlyWarning(what).
    void refuseChangeIfReadOnly(const QString &what) const;

    // Runs a statement; returns the number of rows it changed.
    int exec(const QString &sql, const Params &params = {});
    PreparedStatement prepare(const QString &sql);
    ResultSet query(const QString &sql, const Params &params = {});
    // Reads a large result row by row instead of all at once.
    void forEachRow(const QString &sql, const Params &params, const std::function<void(const RowReader &)> &visit);
    ResultSet query(const Statement &s) { return query(s.sql, s.params); }
    // The first column of the first row; an invalid QVariant when there is no row.
    QVariant scalar(const QString &sql, const Params &params = {});
    // Number of rows the query returns.
    int count(const QString &sql, const Params &params = {});

    // The books' tables by name; on the server in lower case, as it keeps unquoted names.
    QStringList tableNames();
    bool hasTable(const QString &table);
    // A table's columns in their order (on the server in lower case).
    QStringList columnNames(const QString &table);
    // The books' indexes by name (on the server in lower case).
    QStringList indexNames();
    // Drops the table when present and runs its creation statements, in the caller's transaction.
    void recreate(const QString &table, const QStringList &createStatements);
    // A consistent copy of the whole database into a new file: a books file either way.
    void backupTo(const QString &targetPath);

    // Transactions nest: the outermost one begins and commits, inner ones are savepoints.
    void begin();
    void commit();
    void rollback();

private:
    explicit Db(const QString &path);
    void connect(bool mustExist, OpenMode mode);
    void connectServer(bool mustHoldBooks, OpenMode mode);
    // The books' table, looked up by the engine's own catalogue.
    bool holdsBooks();
    // Books made by an older version get the indexes the schema has gained since.
    void addMissingIndexesOnce();

    QString m_path;
    QString m_connectionName;
    Engine m_engine = Engine::Sqlite;
    ReadOnlyCause m_readOnly = ReadOnlyCause::None;
    int m_depth = 0;
};

// All of an action or nothing: rolls back unless commit() was called.
class Transaction
{
public:
    explicit Transaction(Db &db) : m_db(db) { m_db.begin(); }
    ~Transaction()
    {
        if (!m_done) {
            try {
                m_db.rollback();
            } catch (...) {
                // Unwinding from the failure that is being reported: a failed rollback must
                // not replace it, and SQLite undoes an unfinished transaction on close anyway.
            }
        }
    }
    void commit()
    {
        m_db.commit();
        m_done = true;
    }
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

private:
    Db &m_db;
    bool m_done = false;
};

// A run that rewrites a whole month at once (the allocation, the close) keeps the month's
// pages in memory while it lasts: with the connection's usual cache a large month spills
// its pages to the log and reads them back at every pass. The usual cache comes back
// afterwards, so that each open screen does not hold that much memory.
class MonthSizedCache
{
public:
    explicit MonthSizedCache(Db &db);
    ~MonthSizedCache();
    MonthSizedCache(const MonthSizedCache &) = delete;
    MonthSizedCache &operator=(const MonthSizedCache &) = delete;

private:
    Db &m_db;
};

// The table every set of books holds: a file without it is not the books.
inline const QString booksTable = QStringLiteral("MC_YearMonthCheck");

// Removes a database file with the files SQLite keeps beside it; only for a file the
// caller made itself.
void removeDatabaseFiles(const QString &path);

// The warning shown when the database cannot be opened.
QString connectionWarningText(const QString &databaseFile);

} // namespace zedur
