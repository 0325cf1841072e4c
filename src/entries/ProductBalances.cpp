#include "entries/ProductBalances.h"

#include "store/Schema.h"

namespace zedur {

void recreateProductBalanceTables(Db &db)
{
    const QVector<ColumnDef> columns{
        {"JeyPum_JeyPumSerial", ColumnType::Text, 50}, {"JeyPum_Year", ColumnType::Text, 4},
        {"JeyPum_Month", ColumnType::Text, 2},         {"JeyPum_JeyPumSuKg", ColumnType::Real},
        {"JeyPum_ChulGoSuKg", ColumnType::Real},       {"JeyPum_TaAcSuKg", ColumnType::Real},
        {"JeyPum_JeyGoSuKg", ColumnType::Real}};
    for (const QString &table : {productbalances::Movements, productbalances::PerReceipt})
        schema::recreateWorkTable(db, table, columns, QStringLiteral("JeyPum_JeyPumSerial"));
}

} // namespace zedur
