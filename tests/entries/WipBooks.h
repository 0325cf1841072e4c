#pragma once

#include "EntryFixture.h"
#include "entries/LotConsumption.h"
#include "entries/WarehouseReceipts.h"
#include "entries/WipTransfers.h"
#include "store/RowStatements.h"
#include "store/Serials.h"

#include <QPair>
#include <array>

// Books with products, product trees, raw-material receipts and WIP lots of April 2005 written
// straight into the tables, as the earlier screens and the monthly close leave them, so that the
// completion and transfer tests can state any lot they need.
namespace zedur::test {

// A lot's cost as the allocation leaves it: raw-material amount, the ten components, the rate.
struct LotCost {
    double gaAmt = 0.0;
    warehouse::Costs costs{};
    double totWoul = 100.0;
};

inline void addProduct(Db &db, const QString &code, const QString &name)
{
    const QString serial = serialAfter(newest(db, "MC_JeyPumCode", "Jey_Serial"));
    insertRow(db, "MC_JeyPumCode",
              {{"Jey_Serial", serial},
               {"Jey_Code", code},
               {"Jey_Name", name},
               {"Jey_DanWi", QStringLiteral("EA")},
               {"Jey_Model", QStringLiteral("M-") + code},
               {"Jey_PumName", name},
               {"Jey_KuSize", QStringLiteral("표준")}});
}

// A tree appended to the tree list: the product at level 0, then (level, code, kind, quantity)
// rows under it.
struct TreeNode {
    int level;
    QString code;
    double quantity = 1.0;
    QString kind = QStringLiteral("원자재");
};
inline void addTree(Db &db, const QString &product, const QString &name, const QVector<TreeNode> &nodes)
{
    int index = db.scalar("Select count(*) From MC_JeyPumTreeWonJaJey").toInt();
    const auto insert = [&](int level, const QString &code, const QString &nodeName, const QString &kind,
                            double quantity) {
        insertRow(db, "MC_JeyPumTreeWonJaJey",
                  {{"Tr_Index", index++},
                   {"Tr_Level", level},
                   {"Tr_NameText", kind + " " + nodeName},
                   {"Tr_Code", code},
                   {"Tr_Name", nodeName},
                   {"Tr_DanWi", kind == u"제품" ? QStringLiteral("EA") : QStringLiteral("kg")},
                   {"Tr_Model", QStringLiteral("모델-") + code},
                   {"Tr_PumName", QStringLiteral("품명-") + code},
                   {"Tr_KuSize", QStringLiteral("규격-") + code},
                   {"Tr_Kubun", kind},
                   {"Tr_SuKg", quantity},
                   {"Tr_Check01", product}});
    };
    insert(0, product, name, QStringLiteral("제품"), 1.0);
    for (const TreeNode &n : nodes)
        insert(n.level, n.code, QStringLiteral("자재 ") + n.code, n.kind, n.quantity);
}

// A raw-material receipt of any month, for the newest-receipt date of a product.
inline QString addMaterialReceipt(Db &db, const QString &code, const QString &date)
{
    const QString serial = serialAfter(newest(db, "MC_WonJaJeyInPut", "InPut_Serial"));
    insertRow(db, "MC_WonJaJeyInPut",
              {{"InPut_Serial", serial},
               {"InPut_Date", date},
               {"InPut_Year", date.left(4)},
               {"InPut_Month", date.mid(5, 2)},
               {"InPut_WonCode", code},
               {"InPut_WonName", QStringLiteral("자재 ") + code},
               {"InPut_SuKg", 1000.0},
               {"InPut_DanGa", 1.0},
               {"InPut_GaAmt", 1000.0},
               {"InPut_Kubun", QStringLiteral("당월입고")}});
    return serial;
}

// A WIP lot of April issued on `day` from a receipt of its material made on `receiptDate`.
inline QString addLot(Db &db, const QString &code, const QString &day, double quantity, double price,
                      const LotCost &cost, const QString &check01 = {},
                      const QString &receiptDate = QStringLiteral("2005-04-01"))
{
    const QString serial = serialAfter(newest(db, "MC_JeyGongPumInPut", "Gong_Serial"));
    const QString receipt = addMaterialReceipt(db, code, receiptDate);
    RowValues row{{"Gong_Serial", serial},
                  {"Gong_Date", "2005-04-" + day},
                  {"Gong_Year", QStringLiteral("2005")},
                  {"Gong_Month", QStringLiteral("04")},
                  {"Gong_WonCode", code},
                  {"Gong_WonName", QStringLiteral("자재 ") + code},
                  {"Gong_DanWi", QStringLiteral("kg")},
                  {"Gong_SuKg", quantity},
                  {"Gong_DanGa", price},
                  {"Gong_GaAmt", cost.gaAmt},
                  {"Gong_Kubun", QStringLiteral("당월투입")},
                  {"Gong_JenGiWoul", 0.0},
                  {"Gong_DaongWoul", cost.totWoul},
                  {"Gong_TotWoul", cost.totWoul}};
    double total = cost.gaAmt;
    for (int i = 0; i < warehouse::CostStems.size(); ++i) {
        row.append({"Gong_" + warehouse::CostStems.at(i), cost.costs[i]});
        if (i != 0 && i != 5)
            total += cost.costs[i];
    }
    row << RowValues{{"Gong_WoulAmtTot", total},
                     {"Gong_Check_01", check01},
                     {"Gong_InPutSerial", receipt},
                     {"Gong_GongSerial", QString("")}};
    insertRow(db, "MC_JeyGongPumInPut", row);
    return serial;
}

// A lot whose ten cost components are 1, 2, ... 10 times `unit`, its raw-material amount `gaAmt`.
inline LotCost graded(double gaAmt, double unit = 1.0, double totWoul = 100.0)
{
    LotCost c{gaAmt, {}, totWoul};
    for (int i = 0; i < 10; ++i)
        c.costs[i] = unit * (i + 1);
    return c;
}

// A completion into the warehouse of April as the screen sends it after a check.
inline warehouse::ReceiptRequest receiptRequest(const QString &product, const QString &quantity,
                                                const QString &day = QStringLiteral("20"),
                                                const QString &memo = QStringLiteral(" 완성 입고 "),
                                                const QString &bigo = QStringLiteral("1 라인"))
{
    warehouse::ReceiptRequest r;
    r.shown = April;
    r.checkGridOpen = true;
    r.checked = true;
    r.productCode = product;
    r.quantity = quantity;
    r.day = day;
    r.textMemo = memo;
    r.bigo = bigo;
    r.audit = TestBooks::fixedAudit();
    return r;
}

// A transfer of April from a lot shown in the screen's panel.
inline wiptransfer::TransferRequest transferRequest(const QString &lot, const QString &quantity,
                                                    const QString &day = QStringLiteral("20"),
                                                    const QString &memo = QStringLiteral(" 불량 대체 "),
                                                    const QString &bigo = QStringLiteral("2 라인"))
{
    wiptransfer::TransferRequest r;
    r.shown = April;
    r.lotSerial = lot;
    r.selected = true;
    r.quantity = quantity;
    r.day = day;
    r.textMemo = memo;
    r.bigo = bigo;
    r.audit = TestBooks::fixedAudit();
    return r;
}

} // namespace zedur::test
