#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace zedur {

class Db;
enum class Engine;

enum class ColumnType { Text, Real, Integer };

struct ColumnDef {
    QString name;
    ColumnType type = ColumnType::Text;
    int width = 0; // characters, for text columns
    bool notNull = false;
};

struct TableDef {
    QString name;
    QVector<ColumnDef> columns;
    QString primaryKey; // empty: no key
    QStringList columnNames() const;
};

namespace schema {

// The fourteen base tables in the order the books are initialised; the account chart
// (MC_AcNameCode) is among them but survives an initialisation.
const QVector<TableDef> &baseTables();
const TableDef &table(const QString &name);

inline const QString accountTable = QStringLiteral("MC_AcNameCode");

// An index of a base table: every link and period column has one.
struct IndexDef {
    QString name;
    QString table;
    QString columns; // "InPut_Year, InPut_Month"
    QString createSql() const;
};
QVector<IndexDef> indexes(const TableDef &table);

// CREATE TABLE and CREATE INDEX statements of a table. Text columns ignore case and refuse
// texts longer than their width; link and period columns are indexed.
QStringList createStatements(Engine engine, const TableDef &table);

// Books made before an index joined the schema get it: creates the indexes of the base
// tables present in the file that it lacks, in one transaction. Answers how many it made.
int addMissingIndexes(Db &db);

// Drops and creates the table with its indexes (in the caller's transaction).
void recreateTable(Db &db, const TableDef &table);

// Drops a work table when present and creates it empty (see dialect::createWorkTableStatement
// for whose it is), with an index on each column it is grouped or joined by (without one every
// lookup into it reads the whole table).
void recreateWorkTable(Db &db, const QString &name, const QVector<ColumnDef> &columns,
                       const QStringList &indexedColumns = {});

} // namespace schema
} // namespace zedur
