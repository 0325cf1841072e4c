#include "store/Db.h"

#include "common/BooksLocation.h"
#include "common/Messages.h"
#include "common/OutputFile.h"
#include "common/SystemInfo.h"
#include "store/BooksCopy.h"
#include "store/BooksLock.h"
#include "store/Schema.h"
#include "store/SqlFunctions.h"
#include "store/SqliteSetup.h"
#include "store/StoreError.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <csignal>

namespace zedur {

namespace {

// Page cache sizes in KiB (SQLite takes a negative cache_size as KiB).
constexpr int UsualCacheKiB = 32 * 1024;
constexpr int MonthRunCacheKiB = 256 * 1024;

QString cacheSizePragma(int kib)
{
    return QStringLiteral("PRAGMA cache_size = -%1").arg(kib);
}

QString nextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("zedur_%1").arg(counter.fetchAndAddRelaxed(1));
}

QString describe(const QSqlError &error)
{
    QString text = error.databaseText();
    if (text.isEmpty())
        text = error.text();
    if (!error.driverText().isEmpty() && !text.contains(error.driverText()))
        text += QStringLiteral(" (") + error.driverText() + u')';
    return text.trimmed();
}

void bindParams(QSqlQuery &q, const QString &sql, const Params &params)
{
    for (const auto &[name, value] : params) {
        // A null QString would be stored as NULL; the books keep empty text instead, so
        // that a column never holds two kinds of "nothing".
        if (value.typeId() == QMetaType::QString && value.toString().isNull())
            q.bindValue(name, QStringLiteral(""));
        else
            q.bindValue(name, value);
        // Qt ignores a name the statement does not have and leaves the column NULL.
        if (!q.boundValue(name).isValid())
            throw StoreError(QStringLiteral("statement has no parameter %1: %2").arg(name, sql.trimmed()));
    }
}

[[noreturn]] void fail(const QSqlError &error, const QString &sql)
{
    const QString message = describe(error) + QStringLiteral("\n") + sql.trimmed();
    if (dialect::isLockTimeout(error.nativeErrorCode()))
        throw LockTimeout(message);
    // A change that slipped past the refusals of read-only books, or books that turned out
    // not writable after all: said in the user's words, with the database's beneath.
    if (dialect::isWriteRefused(error.nativeErrorCode()))
        throw ReadOnlyBooks(QStringLiteral("장부에 쓸 수 없어 바꾸지 못했습니다 (읽기 전용).") + LB + LB + message);
    throw StoreError(message);
}

void prepareAndBind(QSqlQuery &q, const QString &sql, const Params &params)
{
    if (!q.prepare(sql))
        fail(q.lastError(), sql);
    bindParams(q, sql, params);
}

void run(QSqlQuery &q, const QString &sql)
{
    killWhenTheCrashTestSaysSo();
    if (!q.exec())
        fail(q.lastError(), sql);
}

// The server prepares only queries and data changes; a statement without values (table and
// index definitions, transaction control) goes to it as it is.
void runStatement(QSqlQuery &q, Engine engine, const QString &sql, const Params &params)
{
    if (engine == Engine::Postgres && params.isEmpty()) {
        killWhenTheCrashTestSaysSo();
        if (!q.exec(sql))
            fail(q.lastError(), sql);
        return;
    }
    prepareAndBind(q, sql, params);
    run(q, sql);
}

} // namespace

// They prove that no interruption leaves the books half changed. Only they set the variable;
// without it a statement costs one comparison more.
void killWhenTheCrashTestSaysSo()
{
    static const int statementsBeforeKill = qEnvironmentVariableIntValue("ZEDUR_TEST_KILL_AFTER_STATEMENTS");
    if (statementsBeforeKill <= 0)
        return;
    static int statementsRun = 0;
    if (++statementsRun > statementsBeforeKill)
        ::raise(SIGKILL);
}

Db::Db(const QString &path)
    : m_path(path), m_connectionName(nextConnectionName()),
      m_engine(isServerLocation(path) ? Engine::Postgres : Engine::Sqlite)
{
}

Db::~Db()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        if (db.isOpen()) {
            if (m_depth > 0)
                QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

std::unique_ptr<Db> Db::open(const QString &path, OpenMode mode)
{
    std::unique_ptr<Db> db(new Db(path));
    if (db->engine() == Engine::Postgres)
        db->connectServer(true, mode);
    else
        db->connect(true, mode);
    if (!db->readOnly())
        db->addMissingIndexesOnce();
    return db;
}

std::unique_ptr<Db> Db::create(const QString &path)
{
    if (isServerLocation(path)) {
        std::unique_ptr<Db> db(new Db(path));
        db->connectServer(false, OpenMode::AsAllowed);
        return db;
    }
    if (QFileInfo::exists(path))
        throw BooksExistError(QStringLiteral("database file already exists: %1").arg(path));
    // Not as a side file of another database, nor through a link to nowhere.
    if (const std::optional<QString> refusal = refusalToWrite(path, booksOutput()))
        throw OutputRefused(*refusal);
    QDir().mkpath(QFileInfo(path).absolutePath());
    // Claims the name in one step, so that a file that appeared meanwhile is not taken over:
    // whatever is at the path from here on was made by this call.
    QFile claim(path);
    if (!claim.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        throw StoreError(QStringLiteral("cannot create the database file %1: %2").arg(path, claim.errorString()));
    claim.close();
    std::unique_ptr<Db> db(new Db(path));
    try {
        db->connect(false, OpenMode::AsAllowed);
    } catch (const StoreError &) {
        db.reset();
        removeDatabaseFiles(path);
        throw;
    }
    return db;
}

void removeDatabaseFiles(const QString &path)
{
    if (isServerLocation(path))
        return;
    for (const QString &suffix :
         {QString(), QStringLiteral("-wal"), QStringLiteral("-shm"), QStringLiteral("-journal")})
        QFile::remove(path + suffix);
}

std::unique_ptr<Db> Db::openDefault()
{
    return open(databasePath(), booksReadOnlyRequested() ? OpenMode::ReadOnly : OpenMode::AsAllowed);
}

QString Db::readOnlyWarning(const QString &what) const
{
    return readOnly() ? readOnlyBooksWarning(m_readOnly, what) : QString();
}

void Db::refuseChangeIfReadOnly(const QString &what) const
{
    if (readOnly())
        throw ReadOnlyBooks(readOnlyWarning(what));
}

void Db::connect(bool mustExist, OpenMode mode)
{
    const QFileInfo info(m_path);
    if (mustExist && !(info.exists() && info.isFile() && info.isReadable()))
        throw StoreError(QStringLiteral("database file not found or not readable: %1").arg(m_path));

    configureSqlite();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    if (mustExist) {
        // Through a URI, which never creates a missing file.
        const SqliteOpening opening = sqliteOpening(m_path, mode);
        if (!opening.unreadable.isEmpty())
            throw StoreError(opening.unreadable);
        m_readOnly = opening.readOnly;
        db.setDatabaseName(opening.uri);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1%2")
                                 .arg(BooksWaitMs)
                                 .arg(readOnly() ? QStringLiteral(";QSQLITE_OPEN_READONLY") : QString()));
    } else {
        db.setDatabaseName(m_path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BooksWaitMs));
    }
    if (!db.open())
        throw StoreError(describe(db.lastError()));
    registerSqlFunctions(db);
    // The probe: a file that is not a database fails here rather than at the first screen.
    // Only a file that holds the books' period table is taken for the books: SQLite would
    // turn an empty file, or any other database, into ours at the first write.
    const bool books = holdsBooks();
    if (mustExist && !books)
        throw StoreError(QStringLiteral("not a database of these books (no table %1): %2").arg(booksTable, m_path));
    // Write-ahead logging lets the main window's and a screen's connection read and
    // write the same file without blocking each other. Books that may only be read are
    // read as they were written.
    if (!readOnly())
        exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    // A month of years-old books touches tens of thousands of rows in one transaction: keep
    // its pages and sorts in memory instead of spilling them to the log and temporary files.
    exec(cacheSizePragma(UsualCacheKiB));
    exec(QStringLiteral("PRAGMA temp_store = MEMORY"));
}

void Db::connectServer(bool mustHoldBooks, OpenMode mode)
{
    const std::optional<ServerAddress> address = parseServerLocation(m_path);
    if (!address)
        throw StoreError(QStringLiteral("not a server address (postgresql://user@host[:port]/dbname): %1").arg(m_path));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_connectionName);
    if (!db.isValid())
        throw StoreError(QStringLiteral("the PostgreSQL driver of Qt (QPSQL) is not installed"));
    if (!address->host.isEmpty())
        db.setHostName(address->host);
    if (address->port > 0)
        db.setPort(address->port);
    db.setDatabaseName(address->database);
    if (!address->user.isEmpty())
        db.setUserName(address->user);
    // The password is the client library's business: ~/.pgpass or PGPASSWORD.
    db.setConnectOptions(QStringLiteral("connect_timeout=10;application_name=zedur"));
    if (!db.open())
        throw StoreError(describe(db.lastError()) + QStringLiteral(" (") + m_path + u')');
    // Dropping a work table that is not there yet is no news.
    exec(QStringLiteral("SET client_min_messages = warning"));
    if (mustHoldBooks) {
        if (!holdsBooks())
            throw StoreError(QStringLiteral("not a database of these books (no table %1): %2").arg(booksTable, m_path));
        if (mode == OpenMode::ReadOnly)
            m_readOnly = ReadOnlyCause::Requested;
        else if (scalar(dialect::mayNotChangeQuery(m_engine), {{QStringLiteral(":name"), booksTable}}).toBool())
            m_readOnly = ReadOnlyCause::ServerPrivileges;
        return;
    }
    QSet<QString> present;
    for (const QString &name : tableNames())
        present.insert(name.toLower());
    for (const TableDef &t : schema::baseTables())
        if (present.contains(t.name.toLower()))
            throw BooksExistError(
                QStringLiteral("the database already holds books (table %1): %2").arg(t.name, m_path));
}

bool Db::holdsBooks()
{
    return hasTable(booksTable);
}

bool Db::hasTable(const QString &table)
{
    return scalar(dialect::tableCountQuery(m_engine), {{QStringLiteral(":name"), table}}).toInt() > 0;
}

void Db::addMissingIndexesOnce()
{
    // Every screen opens a connection of its own; the books are looked at by the first one.
    static QSet<QString> upToDate;
    const QString file = m_engine == Engine::Postgres ? m_path : QFileInfo(m_path).canonicalFilePath();
    if (upToDate.contains(file))
        return;
    schema::addMissingIndexes(*this);
    upToDate.insert(file);
}

MonthSizedCache::MonthSizedCache(Db &db) : m_db(db)
{
    // A server keeps its own pages.
    if (m_db.engine() == Engine::Sqlite)
        m_db.exec(cacheSizePragma(MonthRunCacheKiB));
}

MonthSizedCache::~MonthSizedCache()
{
    if (m_db.engine() != Engine::Sqlite)
        return;
    try {
        m_db.exec(cacheSizePragma(UsualCacheKiB));
    } catch (...) {
        // Only the memory the connection keeps is at stake, and a run's own failure may be
        // unwinding through here: it must not be replaced.
    }
}

int Db::exec(const QString &sql, const Params &params)
{
    QSqlQuery q(QSqlDatabase::database(m_connectionName, false));
    runStatement(q, m_engine, sql, params);
    const int changed = q.numRowsAffected();
    q.finish();
    return changed;
}

PreparedStatement Db::prepare(const QString &sql)
{
    QSqlQuery q(QSqlDatabase::database(m_connectionName, false));
    if (!q.prepare(sql))
        throw StoreError(describe(q.lastError()) + QStringLiteral("\n") + sql.trimmed());
    return PreparedStatement(std::move(q), sql);
}

int PreparedStatement::run(const Params &params)
{
    bindParams(m_query, m_sql, params);
    zedur::run(m_query, m_sql);
    const int changed = m_query.numRowsAffected();
    m_query.finish();
    return changed;
}

void Db::forEachRow(const QString &sql, const Params &params, const std::function<void(const RowReader &)> &visit)
{
    QSqlQuery q(QSqlDatabase::database(m_connectionName, false));
    q.setForwardOnly(true);
    runStatement(q, m_engine, sql, params);
    QHash<QString, int> columns;
    const QSqlRecord record = q.record();
    for (int i = 0; i < record.count(); ++i)
        columns.insert(record.fieldName(i).toLower(), i);
    const RowReader row(q, columns);
    while (q.next())
        visit(row);
    if (q.lastError().isValid())
        throw StoreError(describe(q.lastError()) + QStringLiteral("\n") + sql.trimmed());
    q.finish();
}

int RowReader::indexOf(const QString &column) const
{
    const int i = m_columns.value(column.toLower(), -1);
    if (i < 0)
        throw StoreError(QStringLiteral("result has no column %1").arg(column));
    return i;
}

QVariant RowReader::value(const QString &column) const
{
    return m_query.value(indexOf(column));
}

QString RowReader::text(const QString &column) const
{
    return value(column).toString().trimmed();
}

double RowReader::number(const QString &column) const
{
    return value(column).toDouble();
}

ResultSet Db::query(const QString &sql, const Params &params)
{
    QSqlQuery q(QSqlDatabase::database(m_connectionName, false));
    q.setForwardOnly(true);
    runStatement(q, m_engine, sql, params);
    const QSqlRecord record = q.record();
    QStringList columns;
    for (int i = 0; i < record.count(); ++i)
        columns << record.fieldName(i);
    QVector<QVector<QVariant>> rows;
    while (q.next()) {
        QVector<QVariant> row(columns.size());
        for (int i = 0; i < columns.size(); ++i)
            row[i] = q.value(i);
        rows.append(std::move(row));
    }
    if (q.lastError().isValid())
        throw StoreError(describe(q.lastError()) + QStringLiteral("\n") + sql.trimmed());
    q.finish();
    return ResultSet(columns, rows);
}

QVariant Db::scalar(const QString &sql, const Params &params)
{
    const ResultSet rs = query(sql, params);
    if (rs.isEmpty() || rs.columns().isEmpty())
        return {};
    return rs.rows().first().first();
}

int Db::count(const QString &sql, const Params &params)
{
    return query(sql, params).size();
}

QStringList Db::tableNames()
{
    QStringList names;
    const ResultSet rs = query(dialect::catalogueQuery(m_engine));
    for (int i = 0; i < rs.size(); ++i) {
        const QString name = rs.text(i, "name");
        if (rs.text(i, "type") == u"table" && !name.startsWith(QStringLiteral("sqlite_")))
            names << name;
    }
    return names;
}

QStringList Db::columnNames(const QString &table)
{
    QStringList names;
    const ResultSet rs = query(dialect::columnsQuery(m_engine), {{QStringLiteral(":name"), table}});
    for (int i = 0; i < rs.size(); ++i)
        names << rs.text(i, "name");
    return names;
}

QStringList Db::indexNames()
{
    QStringList names;
    const ResultSet rs = query(dialect::catalogueQuery(m_engine));
    for (int i = 0; i < rs.size(); ++i)
        if (rs.text(i, "type") == u"index")
            names << rs.text(i, "name");
    return names;
}

void Db::recreate(const QString &table, const QStringList &createStatements)
{
    exec(QStringLiteral("DROP TABLE IF EXISTS %1").arg(dialect::tableNameForDrop(m_engine, table)));
    for (const QString &statement : createStatements)
        exec(statement);
}

void Db::backupTo(const QString &targetPath)
{
    if (QFileInfo::exists(targetPath))
        throw StoreError(QStringLiteral("backup file already exists: %1").arg(targetPath));
    if (const std::optional<QString> refusal = refusalToWrite(targetPath, booksOutput()))
        throw OutputRefused(*refusal);
    QDir().mkpath(QFileInfo(targetPath).absolutePath());
    // Written under another name and renamed when whole, so that a copy cut short never
    // looks like a backup.
    const QString partial = targetPath + QStringLiteral(".partial");
    QFile::remove(partial);
    try {
        if (m_engine == Engine::Sqlite) {
            // VACUUM INTO reads through this connection, so rows still in the write-ahead log are included.
            exec(QStringLiteral("VACUUM INTO :target"), {{QStringLiteral(":target"), partial}});
        } else {
            // Books on a server are backed up as a books file, which the program and the
            // command line open as they open any other.
            removeDatabaseFiles(partial);
            if (!copyBooks(m_path, partial).allSame())
                throw StoreError(
                    QStringLiteral("the backup does not hold the same rows as the books: %1").arg(partial));
        }
    } catch (...) {
        QFile::remove(partial);
        throw;
    }
    killWhenTheCrashTestSaysSo(); // a copy written whole but not yet named a backup
    if (!QFile::rename(partial, targetPath)) {
        QFile::remove(partial);
        throw StoreError(QStringLiteral("backup could not be renamed to %1").arg(targetPath));
    }
}

void Db::begin()
{
    // SQLite: the write lock at once, so that two writers queue instead of one failing at
    // its first write; a reader of read-only books writes only its own work tables and
    // waits for no writer.
    if (m_depth == 0)
        exec(m_engine == Engine::Sqlite && !readOnly() ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("BEGIN"));
    else
        exec(QStringLiteral("SAVEPOINT sp%1").arg(m_depth));
    ++m_depth;
}

void Db::commit()
{
    Q_ASSERT(m_depth > 0);
    if (m_depth == 1)
        exec(QStringLiteral("COMMIT"));
    else
        exec(QStringLiteral("RELEASE sp%1").arg(m_depth - 1));
    --m_depth;
}

void Db::rollback()
{
    Q_ASSERT(m_depth > 0);
    --m_depth;
    if (m_depth == 0) {
        exec(QStringLiteral("ROLLBACK"));
    } else {
        exec(QStringLiteral("ROLLBACK TO sp%1").arg(m_depth));
        exec(QStringLiteral("RELEASE sp%1").arg(m_depth));
    }
}

QString connectionWarningText(const QString &databaseFile)
{
    return QStringLiteral("Data Source=") + databaseFile + QStringLiteral("  의") + LB + LB +
           QStringLiteral("  액세스[Access] DB의 화일이나 경로에 ") + LB + LB +
           QStringLiteral("  오류가 발생 되었으니") + LB + LB + QStringLiteral("  확인해 보세요........     ") + LB;
}

} // namespace zedur
