#pragma once

#include "common/ResultSet.h"
#include "store/Db.h"
#include "store/Schema.h"

#include <QString>
#include <QVector>

namespace zedur::reports {

// One column of a report's work table and the expression that fills it from a source row.
struct Fill {
    QString column;
    QString expression;
};

// A table a report fills for each run and shows: dropped and created again when the report's
// screen is created, emptied at the start of every run. A column a statement leaves out
// gets empty text or 0, never NULL: the grids and the sums read them as figures.
class WorkTable
{
public:
    // `indexed`: the columns the report's own sums look rows up by.
    WorkTable(QString name, QVector<ColumnDef> columns, QStringList indexed = {})
        : m_name(std::move(name)), m_columns(std::move(columns)), m_indexed(std::move(indexed))
    {
    }

    const QString &name() const { return m_name; }
    const QVector<ColumnDef> &columns() const { return m_columns; }

    void recreate(Db &db) const;
    void empty(Db &db) const;
    // Insert InTo table (...) Select <fills> <fromWhere>.
    void insertSelect(Db &db, const QVector<Fill> &fills, const QString &fromWhere, const Params &params) const;
    void insertRow(Db &db, const QVector<QPair<QString, QVariant>> &values) const;
    ResultSet rows(Db &db, const QString &orderBy = {}) const;

private:
    const ColumnDef &column(const QString &name) const;

    QString m_name;
    QVector<ColumnDef> m_columns;
    QStringList m_indexed;
};

// Column definitions in the schema's terms.
inline ColumnDef text(const QString &name, int width)
{
    return {name, ColumnType::Text, width};
}
inline ColumnDef real(const QString &name)
{
    return {name, ColumnType::Real};
}

// The descriptive columns a movement copies one to one from its source row.
const QStringList &describingStems();
// Those columns under a prefix, as wide as in the base tables.
QVector<ColumnDef> describingColumns(const QString &prefix);
// {to + stem, from + stem} for each stem.
QVector<Fill> sameEndings(const QString &to, const QString &from, const QStringList &stems);

} // namespace zedur::reports
