#pragma once

#include "store/Db.h"

#include <optional>

namespace zedur {

// The values of one row by column name, in the order the statement lists them. Column
// names come from the code's own constants; each value is bound as the parameter named
// after its column (":Won_Code").
using RowValues = QList<QPair<QString, QVariant>>;

// "Insert InTo <table> (<columns>) Values (<parameters>)".
void insertRow(Db &db, const QString &table, const RowValues &values);
// "UpDate <table> Set <column> = <parameter>, ... Where <keyColumn> = <key>".
void updateRow(Db &db, const QString &table, const RowValues &values, const QString &keyColumn,
               const QVariant &key);
// Many rows of one table, each with the columns of the first, through one prepared
// statement: what an import of thousands of rows writes with.
class RowInserter
{
public:
    RowInserter(Db &db, const QString &table) : m_db(db), m_table(table) {}
    void insert(const RowValues &values);

private:
    Db &m_db;
    QString m_table;
    std::optional<PreparedStatement> m_statement;
};

// Whether any row of the table has `value` in the column (an indexed "=" lookup).
bool anyRowWith(Db &db, const QString &table, const QString &column, const QString &value);

} // namespace zedur
