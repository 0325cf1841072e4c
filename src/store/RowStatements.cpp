#include "store/RowStatements.h"

namespace zedur {

namespace {
QString parameterOf(const QString &column)
{
    return QStringLiteral(":tb") + column.mid(column.indexOf(u'_') + 1);
}
} // namespace

void insertRow(Db &db, const QString &table, const RowValues &values)
{
    QStringList columns;
    QStringList parameters;
    Params params;
    for (const auto &[column, value] : values) {
        columns << column;
        parameters << parameterOf(column);
        params.append({parameterOf(column), value});
    }
    db.exec(QStringLiteral("Insert InTo %1 (%2) Values (%3)")
                .arg(table, columns.join(QStringLiteral(", ")), parameters.join(QStringLiteral(", "))),
            params);
}

void updateRow(Db &db, const QString &table, const RowValues &values, const QString &keyColumn,
               const QVariant &key)
{
    QStringList sets;
    Params params;
    for (const auto &[column, value] : values) {
        sets << column + QStringLiteral(" = ") + parameterOf(column);
        params.append({parameterOf(column), value});
    }
    params.append({QStringLiteral(":tbSerial_W"), key});
    db.exec(QStringLiteral("UpDate %1 Set %2 Where %3 = :tbSerial_W")
                .arg(table, sets.join(QStringLiteral(", ")), keyColumn),
            params);
}

} // namespace zedur
