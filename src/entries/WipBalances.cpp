#include "entries/WipBalances.h"

#include "entries/KeyList.h"
#include "store/Db.h"
#include "store/Schema.h"

namespace zedur {

namespace {

QVector<ColumnDef> balanceColumns()
{
    QVector<ColumnDef> columns{{"Gong_GongSerial", ColumnType::Text, 50},
                               {"Gong_Year", ColumnType::Text, 4},
                               {"Gong_Month", ColumnType::Text, 2}};
    for (const char *name : {"Gong_GongSuKg", "Gong_GongGaAmt", "Gong_GongWoulAmtTot", "ChaongGo_SuKg",
                             "ChaongGo_GaAmt", "ChaongGo_WoulAmtTot", "TaAc_SuKg", "TaAc_GaAmt", "TaAc_WoulAmtTot",
                             "JeyGo_SuKg", "JeyGo_GaAmt", "JeyGo_WoulAmtTot"})
        columns.append({name, ColumnType::Real});
    return columns;
}

const QString MovementInsert =
    QStringLiteral("Insert InTo MC_JeyGongPumChaongGoTaAc_SumVw01 (Gong_GongSerial, Gong_Year, Gong_Month, "
                   "Gong_GongSuKg, Gong_GongGaAmt, Gong_GongWoulAmtTot, ChaongGo_SuKg, ChaongGo_GaAmt, "
                   "ChaongGo_WoulAmtTot, TaAc_SuKg, TaAc_GaAmt, TaAc_WoulAmtTot, JeyGo_SuKg, JeyGo_GaAmt, "
                   "JeyGo_WoulAmtTot) ");

} // namespace

void recreateWipBalanceTables(Db &db)
{
    schema::recreateWorkTable(db, wipbalances::Movements, balanceColumns());
    // The lists join the balances on the lot.
    schema::recreateWorkTable(db, wipbalances::PerLot, balanceColumns(), {QStringLiteral("Gong_GongSerial")});
}

namespace {

// The movements and balances of the month's lots, or of the lots named.
void fill(Db &db, const Period &month, const KeyList &lots)
{
    const Params p = Params{{":tbYear", month.year.trimmed()}, {":tbMonth", month.month.trimmed()}} + lots.params();
    db.exec(MovementInsert + QStringLiteral("Select Gong_Serial, Gong_Year, Gong_Month, Gong_SuKg, Gong_GaAmt, "
                                            "Gong_WoulAmtTot, 0, 0, 0, 0, 0, 0, 0, 0, 0 From MC_JeyGongPumInPut "
                                            "Where Gong_Year = :tbYear And Gong_Month = :tbMonth") +
                lots.andIn(QStringLiteral("Gong_Serial")),
            p);
    db.exec(MovementInsert +
                QStringLiteral("Select TaGong_GongSerial, TaGong_Year, TaGong_Month, 0, 0, 0, 0, 0, 0, TaGong_SuKg, "
                               "TaGong_GaAmt, TaGong_WoulAmtTot, 0, 0, 0 From MC_JeyGongPumInPut_TaAc "
                               "Where TaGong_Year = :tbYear And TaGong_Month = :tbMonth") +
                lots.andIn(QStringLiteral("TaGong_GongSerial")),
            p);
    db.exec(MovementInsert +
                QStringLiteral("Select InGong_GongSerial, InGong_Year, InGong_Month, 0, 0, 0, InGong_SuKg, "
                               "InGong_GaAmt, InGong_WoulAmtTot, 0, 0, 0, 0, 0, 0 From MC_ChaongGoJeyGongPumInJeyGong "
                               "Where InGong_Year = :tbYear And InGong_Month = :tbMonth") +
                lots.andIn(QStringLiteral("InGong_GongSerial")),
            p);
    // total(): a group whose values are all NULL still has a balance of 0.
    db.exec(QStringLiteral("Insert InTo MC_JeyGongPumChaongGoTaAc_SumVw02 Select Gong_GongSerial, Gong_Year, "
                           "Gong_Month, %1 From MC_JeyGongPumChaongGoTaAc_SumVw01 Where 1 = 1%2 "
                           "Group By Gong_GongSerial, Gong_Year, Gong_Month")
                .arg(dialect::stableTotals(db.engine(),
                                           {"Gong_GongSuKg", "Gong_GongGaAmt", "Gong_GongWoulAmtTot", "ChaongGo_SuKg",
                                            "ChaongGo_GaAmt", "ChaongGo_WoulAmtTot", "TaAc_SuKg", "TaAc_GaAmt",
                                            "TaAc_WoulAmtTot", "Gong_GongSuKg - ChaongGo_SuKg - TaAc_SuKg",
                                            "Gong_GongGaAmt - ChaongGo_GaAmt - TaAc_GaAmt",
                                            "Gong_GongWoulAmtTot - ChaongGo_WoulAmtTot - TaAc_WoulAmtTot"}),
                     lots.andIn(QStringLiteral("Gong_GongSerial"))),
            lots.params());
}

} // namespace

void refillWipBalances(Db &db, const Period &month)
{
    db.exec(QStringLiteral("Delete From MC_JeyGongPumChaongGoTaAc_SumVw01"));
    db.exec(QStringLiteral("Delete From MC_JeyGongPumChaongGoTaAc_SumVw02"));
    fill(db, month, KeyList());
}

void refreshWipBalances(Db &db, const Period &month, const QStringList &lots)
{
    if (lots.isEmpty())
        return;
    const KeyList keys(lots);
    for (const QString &table : {wipbalances::Movements, wipbalances::PerLot})
        db.exec(QStringLiteral("Delete From %1 Where 1 = 1").arg(table) + keys.andIn(QStringLiteral("Gong_GongSerial")),
                keys.params());
    fill(db, month, keys);
}

double remainingLotQuantity(Db &db, const QString &lotSerial)
{
    return db
        .scalar(QStringLiteral("Select L.Gong_SuKg "
                               "- (Select %1 From MC_ChaongGoJeyGongPumInJeyGong C "
                               "Where C.InGong_GongSerial = L.Gong_Serial "
                               "And C.InGong_Year = L.Gong_Year And C.InGong_Month = L.Gong_Month) "
                               "- (Select %2 From MC_JeyGongPumInPut_TaAc T "
                               "Where T.TaGong_GongSerial = L.Gong_Serial "
                               "And T.TaGong_Year = L.Gong_Year And T.TaGong_Month = L.Gong_Month) "
                               "From MC_JeyGongPumInPut L Where L.Gong_Serial = :tbSerial")
                    .arg(dialect::stableTotals(db.engine(), {"C.InGong_SuKg"}),
                         dialect::stableTotals(db.engine(), {"T.TaGong_SuKg"})),
                {{":tbSerial", lotSerial.trimmed()}})
        .toDouble();
}

} // namespace zedur
