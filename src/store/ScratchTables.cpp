#include "store/ScratchTables.h"

#include "store/Dialect.h"
#include "store/Schema.h"

namespace zedur {

namespace {

void rename(Db &db, const QString &from, const QString &to)
{
    db.exec(QStringLiteral("ALTER TABLE %1 RENAME TO %2").arg(dialect::temporaryTableName(db.engine(), from), to));
}

} // namespace

ScratchCopy::ScratchCopy(Db &db, const QString &table, const QString &rows, const Params &params)
    : m_table(table), m_name(QStringLiteral("Scratch_") + table)
{
    const TableDef &def = schema::table(table);
    m_prefix = def.primaryKey.section(u'_', 0, 0) + u'_';
    db.exec(QStringLiteral("DROP TABLE IF EXISTS ") + dialect::temporaryTableName(db.engine(), m_name));
    db.exec(schema::createTableSql(db.engine(), QStringLiteral("CREATE TEMPORARY TABLE"), m_name, def.columns));
    const QString columns = def.columnNames().join(QStringLiteral(", "));
    db.exec(QStringLiteral("INSERT INTO %1 (%2) SELECT %2 FROM %3 WHERE %4").arg(m_name, columns, table, rows), params);
    // Indexed after the rows are in: one sort per index instead of one insert per row.
    QStringList indexed{def.primaryKey};
    for (const schema::IndexDef &index : schema::indexes(def))
        indexed << index.columns;
    // Numbered: the server cuts names longer than 63 characters.
    for (int i = 0; i < indexed.size(); ++i)
        db.exec(QStringLiteral("CREATE INDEX IX_%1_%2 ON %1 (%3)").arg(m_name).arg(i).arg(indexed.at(i)));
}

QString ScratchCopy::serialColumn() const
{
    return m_prefix + QStringLiteral("Serial");
}

StandIns::StandIns(Db &db, const QVector<const ScratchCopy *> &copies) : m_db(db), m_copies(copies)
{
    for (const ScratchCopy *copy : m_copies)
        rename(m_db, copy->name(), copy->table());
}

StandIns::~StandIns()
{
    try {
        for (const ScratchCopy *copy : m_copies)
            rename(m_db, copy->table(), copy->name());
    } catch (...) {
        // Only while a failure unwinds: the copies then go with the transaction it rolls
        // back, and that failure is the one to report.
    }
}

} // namespace zedur
