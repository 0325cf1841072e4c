#include "store/Dialect.h"

namespace zedur::dialect {

namespace {

// The first key of the program's advisory locks says what is locked (and keeps them apart
// from another program's locks on the same server); the second which one. Advisory locks
// are per database, so two sets of books on one server never wait for each other.
constexpr int BooksLockSpace = 0x5A44;  // the whole books: one lock
constexpr int SerialLockSpace = 0x5A53; // one table's serials: the hash of its name

} // namespace

bool isLockTimeout(const QString &nativeErrorCode)
{
    return nativeErrorCode == u"55P03" || nativeErrorCode == u"5";
}

QString lockWaitStatement(Engine engine)
{
    if (engine == Engine::Sqlite)
        return {};
    return QStringLiteral("SELECT set_config('lock_timeout', :tbWait, true)");
}

QString booksLockStatement(Engine engine, bool exclusive)
{
    if (engine == Engine::Sqlite)
        return {};
    return QStringLiteral("SELECT %1(%2, %3)")
        .arg(exclusive ? QStringLiteral("pg_advisory_xact_lock") : QStringLiteral("pg_advisory_xact_lock_shared"))
        .arg(BooksLockSpace)
        .arg(0);
}

QString booksLockProbeStatement(Engine engine, bool exclusive)
{
    if (engine == Engine::Sqlite)
        return {};
    return QStringLiteral("SELECT %1(%2, %3)")
        .arg(exclusive ? QStringLiteral("pg_try_advisory_xact_lock")
                       : QStringLiteral("pg_try_advisory_xact_lock_shared"))
        .arg(BooksLockSpace)
        .arg(0);
}

QString serialLockStatement(Engine engine)
{
    if (engine == Engine::Sqlite)
        return {};
    // Two tables whose names hash alike would share a lock: waiting, never a wrong serial.
    return QStringLiteral("SELECT pg_advisory_xact_lock(%1, hashtext(lower(:tbTable)))").arg(SerialLockSpace);
}

QString lockRowsClause(Engine engine)
{
    return engine == Engine::Sqlite ? QString() : QStringLiteral(" FOR UPDATE");
}

QString valueType(Engine engine, const ColumnDef &c)
{
    switch (c.type) {
    case ColumnType::Real:
        return engine == Engine::Sqlite ? QStringLiteral("REAL") : QStringLiteral("DOUBLE PRECISION");
    case ColumnType::Integer:
        return QStringLiteral("INTEGER");
    case ColumnType::Text:
        break;
    }
    return engine == Engine::Sqlite ? QStringLiteral("TEXT COLLATE NOCASE") : QStringLiteral("CITEXT COLLATE \"C\"");
}

QString columnType(Engine engine, const ColumnDef &c)
{
    if (c.type != ColumnType::Text)
        return valueType(engine, c);
    return QStringLiteral("%1 CHECK (length(%2) <= %3)").arg(valueType(engine, c), c.name).arg(c.width);
}

QString catalogueQuery(Engine engine)
{
    if (engine == Engine::Sqlite)
        return QStringLiteral("SELECT type, name FROM sqlite_master WHERE type IN ('table', 'index')");
    return QStringLiteral(
        "SELECT 'table' AS type, tablename AS name FROM pg_tables WHERE schemaname = current_schema() "
        "UNION ALL "
        "SELECT 'index', indexname FROM pg_indexes WHERE schemaname = current_schema()");
}

QString tableCountQuery(Engine engine)
{
    if (engine == Engine::Sqlite)
        return QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = :name");
    return QStringLiteral(
        "SELECT count(*) FROM pg_tables WHERE schemaname = current_schema() AND tablename = lower(:name)");
}

QString columnsQuery(Engine engine)
{
    if (engine == Engine::Sqlite)
        return QStringLiteral("SELECT name FROM pragma_table_info(:name)");
    return QStringLiteral("SELECT column_name AS name FROM information_schema.columns "
                          "WHERE table_schema = current_schema() AND table_name = lower(:name) "
                          "ORDER BY ordinal_position");
}

QString tableIndexesQuery(Engine engine)
{
    if (engine == Engine::Sqlite)
        return QStringLiteral("SELECT il.name AS name, ii.name AS col "
                              "FROM pragma_index_list(:name) AS il, pragma_index_info(il.name) AS ii "
                              "ORDER BY il.name, ii.seqno");
    return QStringLiteral("SELECT i.relname AS name, a.attname AS col FROM pg_index x "
                          "JOIN pg_class t ON t.oid = x.indrelid "
                          "JOIN pg_class i ON i.oid = x.indexrelid "
                          "JOIN pg_namespace n ON n.oid = t.relnamespace "
                          "JOIN LATERAL unnest(x.indkey::int2[]) WITH ORDINALITY AS k(attnum, ord) ON true "
                          "JOIN pg_attribute a ON a.attrelid = t.oid AND a.attnum = k.attnum "
                          "WHERE n.nspname = current_schema() AND t.relname = lower(:name) "
                          "ORDER BY i.relname, k.ord");
}

QString stableSum(Engine engine, const QString &aggregate, const QString &expression)
{
    if (engine == Engine::Sqlite)
        return QStringLiteral("%1(%2)").arg(aggregate, expression);
    return QStringLiteral("%1(%2 ORDER BY %2)").arg(aggregate, expression);
}

QString notIndexed(Engine engine, const QString &column)
{
    return engine == Engine::Sqlite ? u'+' + column : column;
}

QString stableTotals(Engine engine, const QStringList &expressions)
{
    QStringList totals;
    for (const QString &e : expressions)
        totals << stableSum(engine, QStringLiteral("total"), e);
    return totals.join(QStringLiteral(", "));
}

QString snapshotStatement(Engine engine)
{
    return engine == Engine::Sqlite ? QString() : QStringLiteral("SET TRANSACTION ISOLATION LEVEL REPEATABLE READ");
}

QStringList newDatabaseSetup(Engine engine)
{
    if (engine == Engine::Sqlite)
        return {};
    return {
        QStringLiteral("CREATE EXTENSION IF NOT EXISTS citext"),
        // A double becomes numeric through its 15-significant-digit text, the decimal form the
        // program's rounding works on; numeric's round() rounds half away from zero as it does.
        QStringLiteral("CREATE OR REPLACE FUNCTION round15(x double precision) RETURNS double precision "
                       "LANGUAGE sql IMMUTABLE STRICT PARALLEL SAFE "
                       "AS 'SELECT CAST(CAST(x AS numeric) AS double precision)'"),
        QStringLiteral("CREATE OR REPLACE FUNCTION round_decimals(x double precision, n integer) "
                       "RETURNS double precision LANGUAGE sql IMMUTABLE STRICT PARALLEL SAFE "
                       "AS 'SELECT CAST(round(CAST(x AS numeric), n) AS double precision)'"),
        QStringLiteral(R"(CREATE OR REPLACE FUNCTION serial_plus(s text, k bigint) RETURNS text
LANGUAGE plpgsql IMMUTABLE PARALLEL SAFE AS $body$
DECLARE
    p bigint;
BEGIN
    s := btrim(coalesce(s, ''));
    IF s = '' THEN
        p := 0;
    ELSIF s !~ '^[A-Z][0-9]{10}$' THEN
        RAISE EXCEPTION '일련번호 형식이 잘못되었습니다: %', s;
    ELSE
        p := (ascii(s) - 65) * 10000000000 + CAST(substr(s, 2) AS bigint);
    END IF;
    p := p + k;
    IF p >= 26 * 10000000000 THEN
        RAISE EXCEPTION '더 이상 일련번호를 만들 수 없습니다 (Z9999999999 다음).';
    END IF;
    RETURN chr(65 + CAST(p / 10000000000 AS integer)) || lpad(CAST(p % 10000000000 AS text), 10, '0');
END
$body$)"),
        // SQLite's total(): the sum as a double, 0 over no rows or only NULLs.
        QStringLiteral("CREATE OR REPLACE AGGREGATE total(double precision) "
                       "(SFUNC = float8pl, STYPE = double precision, INITCOND = '0')"),
    };
}

QString tableNameForDrop(Engine engine, const QString &table)
{
    return engine == Engine::Sqlite ? u'"' + table + u'"' : table;
}

QString createWorkTableStatement(Engine)
{
    return QStringLiteral("CREATE TEMPORARY TABLE");
}

QString workTableNameForDrop(Engine engine, const QString &table)
{
    return engine == Engine::Sqlite ? QStringLiteral("temp.") + tableNameForDrop(engine, table)
                                    : QStringLiteral("pg_temp.") + table;
}

QString mayNotChangeQuery(Engine)
{
    return QStringLiteral(
        "SELECT NOT has_table_privilege(quote_ident(current_schema()) || '.' || lower(:name), 'UPDATE')");
}

bool isWriteRefused(const QString &nativeErrorCode)
{
    return nativeErrorCode == u"8" || nativeErrorCode == u"25006";
}

QString temporaryTableName(Engine engine, const QString &table)
{
    return engine == Engine::Sqlite ? QStringLiteral("temp.") + tableNameForDrop(engine, table)
                                    : QStringLiteral("pg_temp.") + table;
}

} // namespace zedur::dialect
