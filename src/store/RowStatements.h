#pragma once

#include "store/Db.h"

namespace zedur {

// The values of one row by column name, in the order the statement lists them. Column
// names come from the code's own constants; every value is bound as a parameter named
// ":tb" + the column's name after its table prefix (Won_Code -> :tbCode).
using RowValues = QList<QPair<QString, QVariant>>;

// "Insert InTo <table> (<columns>) Values (<parameters>)".
void insertRow(Db &db, const QString &table, const RowValues &values);
// "UpDate <table> Set <column> = <parameter>, ... Where <keyColumn> = :tbSerial_W".
void updateRow(Db &db, const QString &table, const RowValues &values, const QString &keyColumn,
               const QVariant &key);

} // namespace zedur
