#include "reports/WorkTable.h"

#include <stdexcept>

namespace zedur::reports {

namespace {
QString emptyValueOf(const ColumnDef &c)
{
    return c.type == ColumnType::Text ? QStringLiteral("''") : QStringLiteral("0");
}
} // namespace

const ColumnDef &WorkTable::column(const QString &name) const
{
    for (const ColumnDef &c : m_columns)
        if (c.name == name)
            return c;
    throw std::logic_error(("no column " + name + " in " + m_name).toStdString());
}

void WorkTable::recreate(Db &db) const
{
    for (const QString &c : m_indexed)
        column(c); // a name that is not one of the columns is a fault in the report, not in the books
    schema::recreateWorkTable(db, m_name, m_columns, m_indexed);
}

void WorkTable::empty(Db &db) const
{
    db.exec(QStringLiteral("Delete From ") + m_name);
}

void WorkTable::insertSelect(Db &db, const QVector<Fill> &fills, const QString &fromWhere, const Params &params) const
{
    QStringList names;
    QStringList expressions;
    for (const ColumnDef &c : m_columns) {
        names << c.name;
        expressions << emptyValueOf(c);
    }
    for (const Fill &f : fills) {
        column(f.column);
        expressions[names.indexOf(f.column)] = f.expression;
    }
    db.exec(QStringLiteral("Insert InTo %1 (%2) Select %3 %4")
                .arg(m_name, names.join(QStringLiteral(", ")), expressions.join(QStringLiteral(", ")), fromWhere),
            params);
}

void WorkTable::insertRow(Db &db, const QVector<QPair<QString, QVariant>> &values) const
{
    QStringList names;
    QStringList placeholders;
    Params params;
    for (int i = 0; i < m_columns.size(); ++i) {
        const ColumnDef &c = m_columns.at(i);
        names << c.name;
        const QString placeholder = QStringLiteral(":v%1").arg(i);
        placeholders << placeholder;
        QVariant value = c.type == ColumnType::Text ? QVariant(QStringLiteral("")) : QVariant(0.0);
        for (const auto &[name, given] : values)
            if (name == c.name)
                value = given;
        params.append({placeholder, value});
    }
    for (const auto &given : values)
        column(given.first);
    db.exec(QStringLiteral("Insert InTo %1 (%2) Values (%3)")
                .arg(m_name, names.join(QStringLiteral(", ")), placeholders.join(QStringLiteral(", "))),
            params);
}

const QStringList &describingStems()
{
    static const QStringList stems{"DanWi",     "Model",    "PumName",  "KuSize",     "SerialJen",
                                   "TaxNumber", "SaleCode", "SaleName", "SaleNumber", "SaleDyiPou"};
    return stems;
}

QVector<ColumnDef> describingColumns(const QString &prefix)
{
    static const int widths[] = {50, 100, 100, 100, 50, 50, 50, 200, 50, 50};
    QVector<ColumnDef> columns;
    for (int i = 0; i < describingStems().size(); ++i)
        columns << text(prefix + describingStems().at(i), widths[i]);
    return columns;
}

QVector<Fill> sameEndings(const QString &to, const QString &from, const QStringList &stems)
{
    QVector<Fill> fills;
    for (const QString &stem : stems)
        fills << Fill{to + stem, from + stem};
    return fills;
}

ResultSet WorkTable::rows(Db &db, const QString &orderBy) const
{
    QString sql = QStringLiteral("Select * From ") + m_name;
    if (!orderBy.isEmpty())
        sql += QStringLiteral(" Order By ") + orderBy;
    return db.query(sql);
}

} // namespace zedur::reports
