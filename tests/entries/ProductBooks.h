#pragma once

#include "EntryFixture.h"
#include "entries/DayDate.h"
#include "entries/ProductBalances.h"
#include "entries/ProductShipments.h"
#include "entries/SalesReturns.h"
#include "entries/StoredRow.h"
#include "store/RowStatements.h"
#include "store/Serials.h"

// Product receipts, sales and returns the shipment and return tests start from.
namespace zedur::test {

// The cost columns of a product receipt: raw material, direct and indirect labour, direct
// and indirect overhead, total.
struct ReceiptCost {
    double gaAmt = 0, jenGiNoMu = 0, daongNoMu = 0, jenGiJeyJo = 0, daongJeyJo = 0, totGaAmt = 0;
};

// A product receipt of a month as the completion into the warehouse writes it; its serial.
inline QString addProductReceipt(Db &db, double quantity, const ReceiptCost &c, const Period &month = April,
                                 const QString &day = QStringLiteral("05"), const QString &kubun = "당월입고")
{
    const QString serial = Serial_MaxValue(db, "MC_ChaongGoJeyPumInPut", "JeyPum_Serial");
    const QString empty("");
    insertRow(db, "MC_ChaongGoJeyPumInPut",
              {{"JeyPum_Serial", serial},
               {"JeyPum_Date", month.year + '-' + month.month + '-' + day},
               {"JeyPum_Year", month.year},
               {"JeyPum_Month", month.month},
               {"JeyPum_JeyPumCode", "P001"},
               {"JeyPum_JeyPumName", "책상"},
               {"JeyPum_DanWi", "EA"},
               {"JeyPum_Model", "D-1"},
               {"JeyPum_PumName", "사무용 책상"},
               {"JeyPum_KuSize", "1200x600"},
               {"JeyPum_SerialJen", empty},
               {"JeyPum_TaxNumber", empty},
               {"JeyPum_SaleCode", empty},
               {"JeyPum_SaleName", empty},
               {"JeyPum_SaleNumber", empty},
               {"JeyPum_SaleDyiPou", empty},
               {"JeyPum_TextMemo", "완성 입고"},
               {"JeyPum_SuKg", quantity},
               {"JeyPum_GaAmt", c.gaAmt},
               {"JeyPum_JenGiNoMu", c.jenGiNoMu},
               {"JeyPum_DaongNoMu", c.daongNoMu},
               {"JeyPum_JenGiJeyJo", c.jenGiJeyJo},
               {"JeyPum_DaongJeyJo", c.daongJeyJo},
               {"JeyPum_TotGaAmt", c.totGaAmt},
               {"JeyPum_Kubun", kubun},
               {"JeyPum_Bigo", empty},
               {"JeyPum_Check_01", empty},
               {"JeyPum_Check_02", empty},
               {"JeyPum_Check_03", empty},
               {"JeyPum_SaveDate", empty},
               {"BanPum_ChulGoSerial", empty},
               {"BanPum_ChulGoJeyPumSerial", empty},
               {"BanPum_NewChulGoSerial", empty},
               {"JeyPum_JeyPumSerial", empty}});
    return serial;
}

// A receipt of 10 at a total cost of 1,000, its parts 600 raw material and 100 of each of
// the four labour and overhead kinds.
inline QString tenAtThousand(Db &db, const Period &month = April)
{
    return addProductReceipt(db, 10, {600, 100, 100, 100, 100, 1000}, month);
}

inline shipments::MovementRequest movement(const QString &receipt, shipments::MovementKind kind,
                                           const QString &quantity, const QString &price = "80",
                                           const QString &day = "20", const Period &month = April)
{
    shipments::MovementRequest r;
    r.shown = month;
    r.receiptSerial = receipt;
    r.kind = kind;
    r.numbers = {quantity, price, {}};
    r.day = day;
    r.texts = {{"DanWi", "EA"},         {"Model", "D-1"},         {"PumName", "사무용 책상"},
               {"KuSize", "1200x600"},  {"SerialJen", "J-7"},     {"TaxNumber", "T-9"},
               {"SaleCode", "C01"},     {"SaleName", "한빛상사"}, {"SaleNumber", "123-45-67890"},
               {"SaleDyiPou", "김대표"}};
    r.textMemo = "4월 매출";
    r.bigo = "정상";
    r.audit = TestBooks::fixedAudit();
    return r;
}

// Saves a movement that must go through; the new row's serial.
inline QString ship(Db &db, const shipments::MovementRequest &r)
{
    const shipments::MovementSaved saved = shipments::saveMovement(db, r);
    if (saved.refusal)
        throw std::runtime_error(("movement refused: " + saved.refusal->text).toStdString());
    return r.kind == shipments::MovementKind::Sale ? newest(db, "MC_ChaongGoJeyPumInPut_ChulGo", "ChulGo_Serial")
                                                   : newest(db, "MC_ChaongGoJeyPumInPut_TaAc", "TaJeyPum_Serial");
}

// Closes the open month as the monthly close marks it (rows and period), without carrying
// anything forward, and opens the next one.
inline void closeMonth(Db &db, const Period &month)
{
    for (const EntryTable &t : {entryTables::Receipts, entryTables::MaterialTransfers, entryTables::Lots,
                                entryTables::LotTransfers, entryTables::LotCompletions, entryTables::ProductReceipts,
                                entryTables::ProductTransfers, entryTables::Shipments, entryTables::Amounts})
        db.exec(QStringLiteral("UpDate %1 Set %2 = '마감완료' Where %3 = :y And %4 = :m")
                    .arg(t.name, t.column("Check_01"), t.column("Year"), t.column("Month")),
                {{":y", month.year}, {":m", month.month}});
    period::markClosed(db, month);
    period::insertNextOpen(db, month, TestBooks::fixedAudit());
}

inline const Period May{QStringLiteral("2005"), QStringLiteral("05")};

inline salesreturns::ReturnRequest returnRequest(const QString &sale, const QString &quantity,
                                                 const QString &day = "12", const Period &open = May)
{
    salesreturns::ReturnRequest r;
    r.open = open;
    r.saleSerial = sale;
    r.quantity = quantity;
    r.day = day;
    r.textMemo = "반품 '입고'";
    r.bigo = " 파손 ";
    r.audit = TestBooks::fixedAudit();
    return r;
}

// A sale of 10 at 80 in April with a cost of goods sold of 500 (a receipt of 20 at 1,000),
// April then closed and May open; the sale's serial.
inline QString aprilSaleOfTen(Db &db)
{
    const QString receipt = addProductReceipt(db, 20, {400, 150, 150, 150, 150, 1000});
    const QString sale = ship(db, movement(receipt, shipments::MovementKind::Sale, "10", "80"));
    closeMonth(db, April);
    return sale;
}

// A day left in the shipment or the return screen: refused with `message`, or through with
// the `date` it makes.
inline void compareDayLeft(const Checked<DayDate> &left, const QString &message, const QString &date)
{
    QCOMPARE(left.ok(), message.isEmpty());
    if (left.ok())
        QCOMPARE(left.value.date, date);
    else
        QCOMPARE(left.refusal->text, message);
}

} // namespace zedur::test
