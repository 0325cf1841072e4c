#include "entries/TableRow.h"

#include "store/Db.h"

#include <QStringList>

namespace zedur {

namespace {
Params paramsOf(const RowValues &row)
{
    Params params;
    for (const auto &[column, value] : row)
        params.append({u':' + column, value});
    return params;
}
} // namespace

void insertRow(Db &db, const QString &table, const RowValues &row)
{
    QStringList columns;
    QStringList values;
    for (const auto &cell : row) {
        columns << cell.first;
        values << u':' + cell.first;
    }
    db.exec(QStringLiteral("Insert InTo %1 (%2) Values (%3)")
                .arg(table, columns.join(QStringLiteral(", ")), values.join(QStringLiteral(", "))),
            paramsOf(row));
}

void updateRow(Db &db, const QString &table, const RowValues &row, const QString &keyColumn,
               const QString &key)
{
    QStringList sets;
    for (const auto &cell : row)
        sets << cell.first + QStringLiteral(" = :") + cell.first;
    Params params = paramsOf(row);
    params.append({QStringLiteral(":tbKey"), key.trimmed()});
    db.exec(QStringLiteral("UpDate %1 Set %2 Where %3 = :tbKey")
                .arg(table, sets.join(QStringLiteral(", ")), keyColumn),
            params);
}

bool anyRowWith(Db &db, const QString &table, const QString &column, const QString &value)
{
    return db
        .scalar(QStringLiteral("Select 1 From %1 Where %2 = :tbCode Limit 1").arg(table, column),
                {{":tbCode", value.trimmed()}})
        .isValid();
}

} // namespace zedur
