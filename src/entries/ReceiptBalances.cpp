#include "entries/ReceiptBalances.h"

#include "entries/KeyList.h"
#include "store/Db.h"
#include "store/Schema.h"

namespace zedur {

namespace {

QVector<ColumnDef> balanceColumns()
{
    const auto amount = [](const char *name) { return ColumnDef{name, ColumnType::Real}; };
    return {{"InPut_InPutSerial", ColumnType::Text, 50},
            {"InPut_Year", ColumnType::Text, 4},
            {"InPut_Month", ColumnType::Text, 2},
            amount("InPut_SuKg"),
            amount("InPut_GaAmt"),
            amount("InPut_SuKgJeyGong"),
            amount("InPut_GaAmtJeyGong"),
            amount("InPut_SuKgTaAc"),
            amount("InPut_GaAmtTaAc"),
            amount("InPut_SuKgJan"),
            amount("InPut_GaAmtJan")};
}

const QString MovementInsert = QStringLiteral("Insert InTo MC_WonJaJeyInPut_SumVw01 (InPut_InPutSerial, "
                                              "InPut_Year, InPut_Month, InPut_SuKg, InPut_GaAmt, "
                                              "InPut_SuKgJeyGong, InPut_GaAmtJeyGong, InPut_SuKgTaAc, "
                                              "InPut_GaAmtTaAc, InPut_SuKgJan, InPut_GaAmtJan) ");

} // namespace

void recreateReceiptBalanceTables(Db &db)
{
    for (const QString &table : {balances::Movements, balances::PerReceipt})
        schema::recreateWorkTable(db, table, balanceColumns(), {QStringLiteral("InPut_InPutSerial")});
}

namespace {

// The movements and balances of the month's receipts, or of the receipts named.
void fill(Db &db, const Period &month, const KeyList &receipts)
{
    const Params p =
        Params{{":tbYear", month.year.trimmed()}, {":tbMonth", month.month.trimmed()}} + receipts.params();
    db.exec(MovementInsert +
                QStringLiteral("Select InPut_Serial, InPut_Year, InPut_Month, InPut_SuKg, InPut_GaAmt, "
                               "0, 0, 0, 0, 0, 0 From MC_WonJaJeyInPut "
                               "Where InPut_Year = :tbYear And InPut_Month = :tbMonth") +
                receipts.andIn(QStringLiteral("InPut_Serial")),
            p);
    db.exec(MovementInsert +
                QStringLiteral(
                    "Select TaInPut_InPutSerial, TaInPut_Year, TaInPut_Month, 0, 0, 0, 0, TaInPut_SuKg, "
                    "TaInPut_GaAmt, 0, 0 From MC_WonJaJeyInPut_TaAc "
                    "Where TaInPut_Year = :tbYear And TaInPut_Month = :tbMonth") +
                receipts.andIn(QStringLiteral("TaInPut_InPutSerial")),
            p);
    db.exec(MovementInsert +
                QStringLiteral("Select Gong_InPutSerial, Gong_Year, Gong_Month, 0, 0, Gong_SuKg, "
                               "Gong_GaAmt, 0, 0, 0, 0 From MC_JeyGongPumInPut "
                               "Where Gong_Year = :tbYear And Gong_Month = :tbMonth") +
                receipts.andIn(QStringLiteral("Gong_InPutSerial")),
            p);
    // Sum() of a group whose values are all NULL is NULL; a balance is a number.
    db.exec(QStringLiteral("Insert InTo MC_WonJaJeyInPut_SumVw02 (InPut_InPutSerial, InPut_Year, InPut_Month, "
                           "InPut_SuKg, InPut_GaAmt, InPut_SuKgJeyGong, InPut_GaAmtJeyGong, InPut_SuKgTaAc, "
                           "InPut_GaAmtTaAc, InPut_SuKgJan, InPut_GaAmtJan) Select InPut_InPutSerial, InPut_Year, "
                           "InPut_Month, %1 From MC_WonJaJeyInPut_SumVw01 Where 1 = 1%2 "
                           "Group By InPut_InPutSerial, InPut_Year, InPut_Month")
                .arg(dialect::stableTotals(db.engine(), {"InPut_SuKg", "InPut_GaAmt", "InPut_SuKgJeyGong",
                                                         "InPut_GaAmtJeyGong", "InPut_SuKgTaAc", "InPut_GaAmtTaAc",
                                                         "InPut_SuKg - InPut_SuKgJeyGong - InPut_SuKgTaAc",
                                                         "InPut_GaAmt - InPut_GaAmtJeyGong - InPut_GaAmtTaAc"}),
                     receipts.andIn(QStringLiteral("InPut_InPutSerial"))),
            receipts.params());
}

} // namespace

void refillReceiptBalances(Db &db, const Period &month)
{
    db.exec(QStringLiteral("Delete From MC_WonJaJeyInPut_SumVw01"));
    db.exec(QStringLiteral("Delete From MC_WonJaJeyInPut_SumVw02"));
    const Params ym{{":tbYear", month.year.trimmed()}, {":tbMonth", month.month.trimmed()}};
    if (!db.scalar(QStringLiteral("Select 1 From MC_WonJaJeyInPut Where InPut_Year = :tbYear And "
                                  "InPut_Month = :tbMonth Limit 1"),
                   ym)
             .isValid())
        return;
    fill(db, month, KeyList());
}

void refreshReceiptBalances(Db &db, const Period &month, const QStringList &receipts)
{
    if (receipts.isEmpty())
        return;
    const KeyList keys(receipts);
    for (const QString &table : {balances::Movements, balances::PerReceipt})
        db.exec(QStringLiteral("Delete From %1 Where 1 = 1").arg(table) + keys.andIn(QStringLiteral("InPut_InPutSerial")),
                keys.params());
    fill(db, month, keys);
}

ReceiptLeft receiptLeft(Db &db, const QString &receiptSerial)
{
    // Only the receipt's own month counts, as in the work tables: earlier months' movements
    // stay with the receipt row they were made from.
    const ResultSet rs = db.query(
        QStringLiteral("Select R.InPut_SuKg - (Select %1 From MC_JeyGongPumInPut G %3) "
                       "- (Select %2 From MC_WonJaJeyInPut_TaAc A %4) As LeftSuKg, "
                       "R.InPut_GaAmt - (Select %5 From MC_JeyGongPumInPut G %3) "
                       "- (Select %6 From MC_WonJaJeyInPut_TaAc A %4) As LeftGaAmt "
                       "From MC_WonJaJeyInPut R Where R.InPut_Serial = :tbSerial")
            .arg(dialect::stableTotals(db.engine(), {"G.Gong_SuKg"}),
                 dialect::stableTotals(db.engine(), {"A.TaInPut_SuKg"}),
                 QStringLiteral("Where G.Gong_InPutSerial = R.InPut_Serial And G.Gong_Year = R.InPut_Year "
                                "And G.Gong_Month = R.InPut_Month"),
                 QStringLiteral("Where A.TaInPut_InPutSerial = R.InPut_Serial And A.TaInPut_Year = R.InPut_Year "
                                "And A.TaInPut_Month = R.InPut_Month"),
                 dialect::stableTotals(db.engine(), {"G.Gong_GaAmt"}),
                 dialect::stableTotals(db.engine(), {"A.TaInPut_GaAmt"})),
        {{":tbSerial", receiptSerial.trimmed()}});
    if (rs.isEmpty())
        return {};
    return {rs.number(0, "LeftSuKg"), rs.number(0, "LeftGaAmt")};
}

double remainingQuantity(Db &db, const QString &receiptSerial)
{
    return receiptLeft(db, receiptSerial).quantity;
}

} // namespace zedur
