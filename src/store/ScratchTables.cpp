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
    // The books' types and case rules; their widths are already kept by the rows copied.
    QStringList declared;
    for (const ColumnDef &column : def.columns)
        declared << column.name + u' ' + dialect::valueType(db.engine(), column);
    db.exec(QStringLiteral("CREATE TEMPORARY TABLE %1 (%2)").arg(m_name, declared.join(QStringLiteral(", "))));
    const QString columns = def.columnNames().join(QStringLiteral(", "));
    db.exec(QStringLiteral("INSERT INTO %1 (%2) SELECT %2 FROM %3 WHERE %4").arg(m_name, columns, table, rows), params);
    // Indexed after the rows are in: one sort per index instead of one insert per row. The
    // key's index is unique, as the books' is: that tells the planner that a lookup by serial
    // finds one row, which decides how it joins. Besides it only the links to the rows a row
    // was made from: the copy holds one month, whose index would choose nothing, and every
    // index slows the rows an engine writes into the copy. Numbered: the server cuts names
    // longer than 63 characters.
    db.exec(QStringLiteral("CREATE UNIQUE INDEX IX_%1_0 ON %1 (%2)").arg(m_name, def.primaryKey));
    int n = 0;
    for (const QString &column : def.columnNames())
        if (column.endsWith(QStringLiteral("_InPutSerial")) || column.endsWith(QStringLiteral("_GongSerial")) ||
            column.endsWith(QStringLiteral("_JeyPumSerial")))
            db.exec(QStringLiteral("CREATE INDEX IX_%1_%2 ON %1 (%3)").arg(m_name).arg(++n).arg(column));
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
