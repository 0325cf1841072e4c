#include "Shots.h"

#include "TableRows.h"
#include "store/Db.h"

namespace shots {

namespace {
QString lotOf(zedur::Db &db, const QString &code, double quantity)
{
    return db
        .scalar("Select Gong_Serial From MC_JeyGongPumInPut Where Gong_WonCode = :c And Gong_SuKg = :q",
                {{":c", code}, {":q", quantity}})
        .toString();
}

zedur::test::Values product(const QString &date, const QString &kind, double quantity, double total)
{
    return {{"JeyPum_Date", date},
            {"JeyPum_JeyPumCode", "P100"},
            {"JeyPum_JeyPumName", "철제 선반 4단"},
            {"JeyPum_DanWi", "EA"},
            {"JeyPum_Kubun", kind},
            {"JeyPum_SuKg", quantity},
            {"JeyPum_GaAmt", total * 0.6},
            {"JeyPum_JenGiNoMu", total * 0.15},
            {"JeyPum_DaongNoMu", total * 0.1},
            {"JeyPum_JenGiJeyJo", total * 0.05},
            {"JeyPum_DaongJeyJo", total * 0.1},
            {"JeyPum_TotGaAmt", total},
            {"JeyPum_TextMemo", kind == "전기이월" ? "2005-04-01 전기이월분" : "4월 완성 입고"}};
}

void ship(zedur::Db &db, const QString &date, const QString &kind, const QString &receipt, double quantity,
          double price, double cost, const QString &buyer)
{
    zedur::test::addRow(db, "MC_ChaongGoJeyPumInPut_ChulGo",
                        {{"ChulGo_Date", date},
                         {"ChulGo_JeyPumCode", "P100"},
                         {"ChulGo_JeyPumName", "철제 선반 4단"},
                         {"ChulGo_DanWi", "EA"},
                         {"ChulGo_SaleName", buyer},
                         {"ChulGo_Kubun", kind},
                         {"ChulGo_SuKg", quantity},
                         {"ChulGo_DanGa", price},
                         {"ChulGo_GaAmt", quantity * price},
                         {"ChulGo_WonJaJeyAmt", cost},
                         {"ChulGo_JeyPumSerial", receipt},
                         {"ChulGo_TextMemo", kind == "반품매출액" ? "불량 반품" : "4월 납품"}});
}
} // namespace

// The rest of the month's flow on top of the entries: lots completed into the warehouse,
// product receipts (made, brought forward, returned), sales, a return and transfers.
void sampleReports(zedur::Db &db)
{
    using zedur::test::addRow;
    const QString frame = lotOf(db, "ST01", 500);
    const QString bolts = lotOf(db, "BT10", 3000);
    const QString made = addRow(db, "MC_ChaongGoJeyPumInPut", product("2005-04-22", "당월입고", 50, 2950000));
    const QString carried = addRow(db, "MC_ChaongGoJeyPumInPut", product("2005-04-01", "전기이월", 20, 1100000));
    addRow(db, "MC_ChaongGoJeyPumInPut", product("2005-04-27", "매출반품입고", 2, 110000));
    for (const auto &[lot, quantity, amount] :
         {std::tuple{frame, 500.0, 2596000.0}, std::tuple{bolts, 1500.0, 354000.0}})
        addRow(db, "MC_ChaongGoJeyGongPumInJeyGong",
               {{"InGong_Date", "2005-04-22"},
                {"InGong_WonCode", lot == frame ? "ST01" : "BT10"},
                {"InGong_WonName", lot == frame ? "냉연강판 1.2T" : "육각볼트 M10"},
                {"InGong_SuKg", quantity},
                {"InGong_GaAmt", amount * 0.7},
                {"InGong_DaongNoMu_01", amount * 0.1},
                {"InGong_DaongNoMu_02", amount * 0.1},
                {"InGong_DaongJeyJo_02", amount * 0.1},
                {"InGong_WoulAmtTot", amount},
                {"InGong_JeyPumCode", "P100"},
                {"InGong_JeyPumName", "철제 선반 4단"},
                {"InGong_JeyPumSuKg", 50},
                {"InGong_GongSerial", lot},
                {"InGong_JeyPumSerial", made}});
    ship(db, "2005-04-25", "정기매출출고", made, 30, 95000, 1770000, "(주)한빛가구");
    ship(db, "2005-04-26", "정기매출출고", carried, 15, 92000, 825000, "우리유통");
    ship(db, "2005-04-27", "반품매출액", made, -2, 95000, -110000, "(주)한빛가구");
    addRow(db, "MC_ChaongGoJeyPumInPut_TaAc",
           {{"TaJeyPum_Date", "2005-04-28"},
            {"TaJeyPum_JeyPumCode", "P100"},
            {"TaJeyPum_JeyPumName", "철제 선반 4단"},
            {"TaJeyPum_Kubun", "당월타계정"},
            {"TaJeyPum_SuKg", 3},
            {"TaJeyPum_TotGaAmt", 177000},
            {"TaJeyPum_JeyPumSerial", made},
            {"TaJeyPum_TextMemo", "전시용 견본"}});
    addRow(db, "MC_JeyGongPumInPut_TaAc",
           {{"TaGong_Date", "2005-04-28"},
            {"TaGong_WonCode", "BT10"},
            {"TaGong_WonName", "육각볼트 M10"},
            {"TaGong_SuKg", 300},
            {"TaGong_GaAmt", 25575},
            {"TaGong_WoulAmtTot", 31200},
            {"TaGong_GongSerial", bolts},
            {"TaGong_JeyPumSuKg", 300},
            {"TaGong_TextMemo", "설비 보수용"}});
}

} // namespace shots
