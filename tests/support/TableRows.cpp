#include "TableRows.h"

#include "store/Schema.h"
#include "store/Serials.h"

#include <stdexcept>

namespace zedur::test {

void insertWith(Db &db, const QString &table, const RowValues &values)
{
    RowValues row;
    const TableDef &def = schema::table(table);
    for (const ColumnDef &c : def.columns) {
        QVariant value = c.type == ColumnType::Text ? QVariant(QString("")) : QVariant(0.0);
        for (const auto &[column, given] : values)
            if (column == c.name)
                value = given;
        row.append({c.name, value});
    }
    for (const auto &[column, given] : values)
        if (!def.columnNames().contains(column))
            throw std::logic_error("no column " + column.toStdString() + " in " + table.toStdString());
    insertRow(db, table, row);
}

QString serialNo(int n)
{
    return QStringLiteral("A%1").arg(n, 10, 10, QChar(u'0'));
}

QString addRow(Db &db, const QString &table, const Values &given)
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

} // namespace zedur::test
