#include "entries/ProductBalances.h"

#include "entries/KeyList.h"
#include "store/Db.h"
#include "store/Schema.h"

namespace zedur {

namespace {

const QString Insert = QStringLiteral("Insert InTo MC_ChaongGoChulGoTaAc_SumVw01 (JeyPum_JeyPumSerial, JeyPum_Year, "
                                      "JeyPum_Month, JeyPum_JeyPumSuKg, JeyPum_ChulGoSuKg, JeyPum_TaAcSuKg, "
                                      "JeyPum_JeyGoSuKg) ");

// A sale as a movement out of its receipt; the returned sale's negative row is none.
const QString IsSale = QStringLiteral("COALESCE(ChulGo_Kubun, '') <> '반품매출액'");

} // namespace

void recreateProductBalanceTables(Db &db)
{
    const QVector<ColumnDef> columns{
        {"JeyPum_JeyPumSerial", ColumnType::Text, 50}, {"JeyPum_Year", ColumnType::Text, 4},
        {"JeyPum_Month", ColumnType::Text, 2},         {"JeyPum_JeyPumSuKg", ColumnType::Real},
        {"JeyPum_ChulGoSuKg", ColumnType::Real},       {"JeyPum_TaAcSuKg", ColumnType::Real},
        {"JeyPum_JeyGoSuKg", ColumnType::Real}};
    for (const QString &table : {productbalances::Movements, productbalances::PerReceipt})
        schema::recreateWorkTable(db, table, columns, {QStringLiteral("JeyPum_JeyPumSerial")});
}

namespace {

// The movements and balances of the month's product receipts, or of the receipts named.
void fill(Db &db, const Period &month, const KeyList &receipts)
{
    const Params p =
        Params{{":tbYear", month.year.trimmed()}, {":tbMonth", month.month.trimmed()}} + receipts.params();
    db.exec(Insert +
                QStringLiteral("Select JeyPum_Serial, JeyPum_Year, JeyPum_Month, JeyPum_SuKg, 0, 0, 0 "
                               "From MC_ChaongGoJeyPumInPut Where JeyPum_Year = :tbYear And JeyPum_Month = :tbMonth") +
                receipts.andIn(QStringLiteral("JeyPum_Serial")),
            p);
    db.exec(Insert +
                QStringLiteral("Select TaJeyPum_JeyPumSerial, TaJeyPum_Year, TaJeyPum_Month, 0, 0, "
                               "TaJeyPum_SuKg, 0 From MC_ChaongGoJeyPumInPut_TaAc "
                               "Where TaJeyPum_Year = :tbYear And TaJeyPum_Month = :tbMonth") +
                receipts.andIn(QStringLiteral("TaJeyPum_JeyPumSerial")),
            p);
    db.exec(Insert +
                QStringLiteral("Select ChulGo_JeyPumSerial, ChulGo_Year, ChulGo_Month, 0, ChulGo_SuKg, 0, 0 "
                               "From MC_ChaongGoJeyPumInPut_ChulGo "
                               "Where ChulGo_Year = :tbYear And ChulGo_Month = :tbMonth And ") +
                IsSale + receipts.andIn(QStringLiteral("ChulGo_JeyPumSerial")),
            p);
    // Sum() of a group whose values are all NULL is NULL; a balance is a number.
    db.exec(QStringLiteral("Insert InTo MC_ChaongGoChulGoTaAc_SumVw02 (JeyPum_JeyPumSerial, JeyPum_Year, "
                           "JeyPum_Month, JeyPum_JeyPumSuKg, JeyPum_ChulGoSuKg, JeyPum_TaAcSuKg, JeyPum_JeyGoSuKg) "
                           "Select JeyPum_JeyPumSerial, JeyPum_Year, JeyPum_Month, %1 "
                           "From MC_ChaongGoChulGoTaAc_SumVw01 Where 1 = 1%2 "
                           "Group By JeyPum_JeyPumSerial, JeyPum_Year, JeyPum_Month")
                .arg(dialect::stableTotals(db.engine(), {"JeyPum_JeyPumSuKg", "JeyPum_ChulGoSuKg", "JeyPum_TaAcSuKg",
                                                         "JeyPum_JeyPumSuKg - JeyPum_ChulGoSuKg - JeyPum_TaAcSuKg"}),
                     receipts.andIn(QStringLiteral("JeyPum_JeyPumSerial"))),
            receipts.params());
}

} // namespace

void refillProductBalances(Db &db, const Period &month)
{
    db.exec(QStringLiteral("Delete From MC_ChaongGoChulGoTaAc_SumVw01"));
    db.exec(QStringLiteral("Delete From MC_ChaongGoChulGoTaAc_SumVw02"));
    fill(db, month, KeyList());
}

void refreshProductBalances(Db &db, const Period &month, const QStringList &receipts)
{
    if (receipts.isEmpty())
        return;
    const KeyList keys(receipts);
    for (const QString &table : {productbalances::Movements, productbalances::PerReceipt})
        db.exec(QStringLiteral("Delete From %1 Where 1 = 1").arg(table) +
                    keys.andIn(QStringLiteral("JeyPum_JeyPumSerial")),
                keys.params());
    fill(db, month, keys);
}

double remainingProductQuantity(Db &db, const QString &receiptSerial)
{
    // Only the receipt's own month counts, as in the work tables: what went out of it in
    // earlier months stays with the receipt row it was taken from.
    return db
        .scalar(QStringLiteral("Select R.JeyPum_SuKg "
                               "- (Select %1 From MC_ChaongGoJeyPumInPut_ChulGo S "
                               "Where S.ChulGo_JeyPumSerial = R.JeyPum_Serial And S.ChulGo_Year = R.JeyPum_Year "
                               "And S.ChulGo_Month = R.JeyPum_Month And COALESCE(S.ChulGo_Kubun, '') <> '반품매출액') "
                               "- (Select %2 From MC_ChaongGoJeyPumInPut_TaAc T "
                               "Where T.TaJeyPum_JeyPumSerial = R.JeyPum_Serial "
                               "And T.TaJeyPum_Year = R.JeyPum_Year And T.TaJeyPum_Month = R.JeyPum_Month) "
                               "From MC_ChaongGoJeyPumInPut R Where R.JeyPum_Serial = :tbSerial")
                    .arg(dialect::stableTotals(db.engine(), {"S.ChulGo_SuKg"}),
                         dialect::stableTotals(db.engine(), {"T.TaJeyPum_SuKg"})),
                {{":tbSerial", receiptSerial.trimmed()}})
        .toDouble();
}

} // namespace zedur
