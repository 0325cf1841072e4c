#include "TableRows.h"

#include "store/Schema.h"
#include "store/Serials.h"

namespace zedur::test {

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
