#include "store/BooksCopy.h"

#include "store/Db.h"
#include "store/Dialect.h"
#include "store/Schema.h"
#include "store/StoreError.h"

#include <QCryptographicHash>
#include <QStringList>
#include <QtEndian>

namespace zedur {

namespace {

// A value as the column's type holds it, whichever engine gave it: SQLite may hand back a
// whole number from a REAL column as an integer, the server a count as another width.
QVariant typed(const QVariant &value, ColumnType type)
{
    if (value.isNull())
        return QVariant();
    switch (type) {
    case ColumnType::Real:
        return value.toDouble();
    case ColumnType::Integer:
        return value.toLongLong();
    case ColumnType::Text:
        break;
    }
    return value.toString();
}

QString selectAll(const TableDef &t)
{
    return QStringLiteral("SELECT %1 FROM %2").arg(t.columnNames().join(QStringLiteral(", ")), t.name);
}

void copyRows(Db &source, Db &target, const TableDef &t)
{
    QStringList placeholders;
    for (int i = 0; i < t.columns.size(); ++i)
        placeholders << QStringLiteral(":c%1").arg(i);
    PreparedStatement insert = target.prepare(
        QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
            .arg(t.name, t.columnNames().join(QStringLiteral(", ")), placeholders.join(QStringLiteral(", "))));
    source.forEachRow(selectAll(t), {}, [&](const RowReader &row) {
        Params values;
        for (int i = 0; i < t.columns.size(); ++i)
            values.append({placeholders.at(i), typed(row.value(t.columns.at(i).name), t.columns.at(i).type)});
        insert.run(values);
    });
}

struct TableDigest {
    qint64 rows = 0;
    quint64 sum = 0; // of the rows' hashes: the same for the same rows in any order
};

TableDigest digest(Db &db, const TableDef &t)
{
    TableDigest d;
    db.forEachRow(selectAll(t), {}, [&](const RowReader &row) {
        QString text;
        for (const ColumnDef &c : t.columns) {
            const QVariant v = typed(row.value(c.name), c.type);
            if (v.isNull())
                text += QChar(0x1);
            else if (c.type == ColumnType::Real)
                text += QString::number(v.toDouble(), 'g', 17);
            else
                text += v.toString();
            text += QChar(0x1f);
        }
        const QByteArray hash = QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha1);
        d.sum += qFromLittleEndian<quint64>(hash.constData());
        ++d.rows;
    });
    return d;
}

} // namespace

bool CopyOutcome::allSame() const
{
    for (const CopiedTable &t : tables)
        if (!t.same)
            return false;
    return !tables.isEmpty();
}

qint64 CopyOutcome::rows() const
{
    qint64 n = 0;
    for (const CopiedTable &t : tables)
        n += t.targetRows;
    return n;
}

QVector<CopiedTable> compareBooks(Db &source, Db &target)
{
    QVector<CopiedTable> out;
    for (const TableDef &t : schema::baseTables()) {
        const TableDigest a = digest(source, t);
        const TableDigest b = digest(target, t);
        out.append({t.name, a.rows, b.rows, a.rows == b.rows && a.sum == b.sum});
    }
    return out;
}

QVector<CopiedTable> replaceRows(Db &source, Db &target)
{
    // Rows deleted, not tables dropped: another desk's reading waits on no table lock and
    // sees the old rows until the caller commits.
    for (const TableDef &t : schema::baseTables()) {
        target.exec(QStringLiteral("DELETE FROM %1").arg(t.name));
        copyRows(source, target, t);
    }
    return compareBooks(source, target);
}

CopyOutcome copyBooks(const QString &from, const QString &to)
{
    // Only read: books that may not be written are copied as well (off an archive, say).
    std::unique_ptr<Db> source = Db::open(from, OpenMode::ReadOnly);
    std::unique_ptr<Db> target = Db::create(to);
    CopyOutcome outcome;
    try {
        // One snapshot of the source for the copy and the comparison after it, so that a
        // desk saving meanwhile cannot make them differ.
        Transaction snapshot(*source);
        if (const QString statement = dialect::snapshotStatement(source->engine()); !statement.isEmpty())
            source->exec(statement);
        {
            Transaction write(*target);
            for (const QString &statement : dialect::newDatabaseSetup(target->engine()))
                target->exec(statement);
            for (const TableDef &t : schema::baseTables()) {
                schema::recreateTable(*target, t);
                copyRows(*source, *target, t);
            }
            write.commit();
        }
        outcome.tables = compareBooks(*source, *target);
        snapshot.commit();
    } catch (const StoreError &) {
        // Half a copy is no books: a file made above goes again (on a server the rolled-back
        // transaction has taken everything back).
        target.reset();
        removeDatabaseFiles(to);
        throw;
    }
    return outcome;
}

} // namespace zedur
