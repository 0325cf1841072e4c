#include "entries/LotBalances.h"

#include "store/Schema.h"

namespace zedur {

void recreateLotBalanceTables(Db &db)
{
    QVector<ColumnDef> columns{{"Gong_GongSerial", ColumnType::Text, 50},
                               {"Gong_Year", ColumnType::Text, 4},
                               {"Gong_Month", ColumnType::Text, 2}};
    for (const char *name : {"Gong_GongSuKg", "Gong_GongGaAmt", "Gong_GongWoulAmtTot", "ChaongGo_SuKg",
                             "ChaongGo_GaAmt", "ChaongGo_WoulAmtTot", "TaAc_SuKg", "TaAc_GaAmt", "TaAc_WoulAmtTot",
                             "JeyGo_SuKg", "JeyGo_GaAmt", "JeyGo_WoulAmtTot"})
        columns.append({name, ColumnType::Real});
    for (const QString &table : {lotbalances::Movements, lotbalances::PerLot})
        schema::recreateWorkTable(db, table, columns, {QStringLiteral("Gong_GongSerial")});
}

} // namespace zedur
