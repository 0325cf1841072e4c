#pragma once

#include "store/Schema.h"

#include <QString>
#include <QStringList>

// What differs between the two engines the books can live on, in one place: screens and
// engines run the same statements on both; the store asks here for the pieces that differ.
namespace zedur {

enum class Engine { Sqlite, Postgres };

namespace dialect {

// The column's type with its width check and case-insensitive comparison: SQLite's
// TEXT COLLATE NOCASE; on the server citext (case-insensitive =, <, LIKE and GROUP BY) in
// the "C" collation, which orders by code point as SQLite does. Both refuse an over-long text.
QString columnType(Engine engine, const ColumnDef &column);
// The same without the width check: for copies of rows the books already hold.
QString valueType(Engine engine, const ColumnDef &column);

// Rows (type 'table' or 'index', name) of the tables and indexes of the books.
QString catalogueQuery(Engine engine);
// The number of tables named :name (ignoring case).
QString tableCountQuery(Engine engine);

// What a new database needs before its tables, in the transaction that makes them: on the
// server the case-insensitive text type, and the functions the program gives SQLite
// connections from C++ (SqlFunctions.h) and SQLite's own total(), written in SQL so that
// set-based statements give the same figures on both engines; nothing on SQLite.
QStringList newDatabaseSetup(Engine engine);

// The statement that, first in a transaction, makes every read of the transaction see the
// same moment of the books; empty where a transaction does that already (SQLite).
QString snapshotStatement(Engine engine);

// An aggregate ("Sum", "total") of a floating-point expression whose figure does not depend
// on the order the rows are read in: SQLite reads them in the order they were written
// whatever was updated since; the server reads them as its pages lie, which updates change,
// so there they are added smallest first.
QString stableSum(Engine engine, const QString &aggregate, const QString &expression);
// SQLite's total() (0 for no rows or only NULLs) of each expression as stableSum gives it,
// joined by commas for a select list.
QString stableTotals(Engine engine, const QStringList &expressions);

// The names of a table's columns (column "name"), in their order; :name is the table.
QString columnsQuery(Engine engine);
// The indexes of one table (:name): a row per indexed column, the index in "name" and the
// column in "col", each index's columns in their order.
QString tableIndexesQuery(Engine engine);

// A table's name as it is written in DROP TABLE: quoted on SQLite, as the names are made;
// plain on the server, which folds unquoted names to lower case when they are made.
QString tableNameForDrop(Engine engine, const QString &table);

// Work tables (the lists and reports a screen fills and shows) belong to the connection that
// fills them: a temporary table under the shared name, which hides any table of that name in
// the books (older books files still hold theirs). So two desks or screens filling one list
// at the same moment never see each other's rows, and books that may only be read still
// give their reports and checks; on SQLite the rows never pass through the books' log.
QString createWorkTableStatement(Engine engine);
// A work table's name as DROP TABLE names it: only the connection's own, never a table of
// the books.
QString workTableNameForDrop(Engine engine, const QString &table);

// Whether the connection's role may not change the books (:name is the period table, which
// every change writes): one row, true or false. Server books only.
QString mayNotChangeQuery(Engine engine);
// Whether a statement failed because the books may not be written: SQLite's read-only
// database, the server's read-only transaction. (A missing privilege on the server is found
// when the books are opened: mayNotChangeQuery.)
bool isWriteRefused(const QString &nativeErrorCode);
// A table of the connection's own (CREATE TEMPORARY TABLE) named so that no table of the
// books can be meant: SQLite's temp schema, the server's pg_temp.
QString temporaryTableName(Engine engine, const QString &table);

// Whether a statement failed because a lock was not granted within the wait: the server's
// lock_not_available (lock_timeout), SQLite's busy (its busy timeout).
bool isLockTimeout(const QString &nativeErrorCode);

// The statement that bounds every lock wait of the current transaction (:tbWait, in
// milliseconds as text); empty where the engine bounds them itself (SQLite's busy timeout).
QString lockWaitStatement(Engine engine);
// The lock on the whole books for the current transaction: shared by entry saves, alone by
// the allocation and the close. Empty on SQLite, whose transactions take the file's write
// lock when they begin.
QString booksLockStatement(Engine engine, bool exclusive);
// A query answering true when the lock on the whole books could be had at this moment (it
// is let go at once); run outside a transaction. Empty on SQLite, whose books carry no such
// lock.
QString booksLockProbeStatement(Engine engine, bool exclusive);
// The lock on one table's serials for the current transaction (:tbTable names the table),
// taken before the greatest serial is read; empty on SQLite, whose writers queue anyway.
QString serialLockStatement(Engine engine);
// What a query that reads a row it is about to change ends with, so that no other
// connection changes the row until this transaction ends: " FOR UPDATE", or nothing on
// SQLite, where no other connection writes during a transaction.
QString lockRowsClause(Engine engine);

// A column as a condition names it when the column's own index must not be the one that
// finds the rows (another index of the statement finds them better): SQLite's unary plus,
// which its planner follows; the server weighs its indexes by their statistics, and has no
// unary plus for text.
QString notIndexed(Engine engine, const QString &column);

} // namespace dialect
} // namespace zedur
