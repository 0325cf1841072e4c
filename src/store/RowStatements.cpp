#include "store/RowStatements.h"

#include <QStringList>

namespace zedur {

namespace {
QString parameterOf(const QString &column)
{
    return u':' + column;
}

Params paramsOf(const RowValues &values)
{
    Params params;
    for (const auto &[column, value] : values)
        params.append({parameterOf(column), value});
    return params;
}
} // namespace

void insertRow(Db &db, const QString &table, const RowValues &values)
{
    QStringList columns;
    QStringList parameters;
    for (const auto &[column, value] : values) {
        columns << column;
        parameters << parameterOf(column);
    }
    db.exec(QStringLiteral("Insert InTo %1 (%2) Values (%3)")
                .arg(table, columns.join(QStringLiteral(", ")), parameters.join(QStringLiteral(", "))),
            paramsOf(values));
}

void RowInserter::insert(const RowValues &values)
{
    if (!m_statement) {
        QStringList columns;
        QStringList parameters;
        for (const auto &[column, value] : values) {
            columns << column;
            parameters << parameterOf(column);
        }
        m_statement.emplace(m_db.prepare(QStringLiteral("Insert InTo %1 (%2) Values (%3)")
                                              .arg(m_table, columns.join(QStringLiteral(", ")),
                                                   parameters.join(QStringLiteral(", ")))));
    }
    m_statement->run(paramsOf(values));
}

void updateRow(Db &db, const QString &table, const RowValues &values, const QString &keyColumn,
               const QVariant &key)
{
    QStringList sets;
    for (const auto &[column, value] : values)
        sets << column + QStringLiteral(" = ") + parameterOf(column);
    Params params = paramsOf(values);
    params.append({QStringLiteral(":tbSerial_W"), key.typeId() == QMetaType::QString ? QVariant(key.toString().trimmed()) : key});
    db.exec(QStringLiteral("UpDate %1 Set %2 Where %3 = :tbSerial_W")
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
