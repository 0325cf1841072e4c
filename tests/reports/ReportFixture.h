#pragma once

#include "TestBooks.h"
#include "common/ResultSet.h"
#include "store/Db.h"
#include "store/Schema.h"
#include "store/Serials.h"

#include <QTest>

// Small books for the report tests: rows written straight into the base tables, as the
// entry screens, the allocation and the close would have left them.
namespace zedur::test {

using Values = QVector<QPair<QString, QVariant>>;

// One row of a base table: the values given; the period from the date when not given; the
// next serial when none is given; every other text empty and every other number 0. Returns
// the serial.
inline QString addRow(Db &db, const QString &table, const Values &given)
{
    const TableDef &def = schema::table(table);
    const auto lookup = [&](const QString &name) -> QVariant {
        for (const auto &[column, value] : given)
            if (column == name)
                return value;
        return {};
    };
    QString date;
    for (const ColumnDef &c : def.columns)
        if (c.name.endsWith(u"_Date") && lookup(c.name).isValid())
            date = lookup(c.name).toString();
    QStringList names;
    QStringList holders;
    Params params;
    QString serial;
    for (int i = 0; i < def.columns.size(); ++i) {
        const ColumnDef &c = def.columns.at(i);
        QVariant value = lookup(c.name);
        if (!value.isValid()) {
            if (c.name == def.primaryKey)
                value = Serial_MaxValue(db, table, c.name);
            else if (c.name.endsWith(u"_Year") && !date.isEmpty())
                value = date.left(4);
            else if (c.name.endsWith(u"_Month") && !date.isEmpty())
                value = date.mid(5, 2);
            else
                value = c.type == ColumnType::Text ? QVariant(QStringLiteral("")) : QVariant(0.0);
        }
        if (c.name == def.primaryKey)
            serial = value.toString();
        names << c.name;
        holders << QStringLiteral(":p%1").arg(i);
        params.append({holders.last(), value});
    }
    for (const auto &g : given)
        if (!names.contains(g.first))
            qFatal("no column %s in %s", qPrintable(g.first), qPrintable(table));
    db.exec(QStringLiteral("Insert InTo %1 (%2) Values (%3)").arg(table, names.join(", "), holders.join(", ")), params);
    return serial;
}

// The rows of a list whose field has the value, as the list gives them.
inline QVector<int> rowsWhere(const ResultSet &rs, const QString &field, const QString &value)
{
    QVector<int> rows;
    for (int i = 0; i < rs.size(); ++i)
        if (rs.text(i, field) == value)
            rows << i;
    return rows;
}

// A column of a list as text, trimmed.
inline QStringList columnOf(const ResultSet &rs, const QString &field)
{
    QStringList texts;
    for (int i = 0; i < rs.size(); ++i)
        texts << rs.text(i, field);
    return texts;
}

} // namespace zedur::test
