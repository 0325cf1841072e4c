#include "TableRows.h"

#include "store/Schema.h"

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

} // namespace zedur::test
