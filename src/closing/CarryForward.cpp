#include "closing/CarryForward.h"

#include "common/Messages.h"
#include "entries/LotBalances.h"
#include "entries/ProductBalances.h"
#include "entries/ReceiptBalances.h"

#include <QStringList>

namespace zedur::closing {

namespace {

const QStringList MaterialTexts{"WonCode",   "WonName",   "DanWi",    "Model",    "PumName",    "KuSize",
                                "SerialJen", "TaxNumber", "SaleCode", "SaleName", "SaleNumber", "SaleDyiPou"};
const QStringList ProductTexts{"JeyPumCode", "JeyPumName", "DanWi",    "Model",    "PumName",    "KuSize",
                               "SerialJen",  "TaxNumber",  "SaleCode", "SaleName", "SaleNumber", "SaleDyiPou"};

// The source row's descriptive texts, trimmed, as the new row's columns and as the
// expressions that copy them.
QString columns(const QString &prefix, const QStringList &stems)
{
    QStringList names;
    for (const QString &stem : stems)
        names << prefix + stem;
    return names.join(QStringLiteral(", "));
}

QString sourceColumns(const QString &prefix, const QStringList &stems)
{
    QStringList names;
    for (const QString &stem : stems)
        names << QStringLiteral("T.") + prefix + stem;
    return names.join(QStringLiteral(", "));
}

QString copies(const QString &prefix, const QStringList &stems)
{
    QStringList values;
    for (const QString &stem : stems)
        values << QStringLiteral("COALESCE(Trim(T.%1%2), '')").arg(prefix, stem);
    return values.join(QStringLiteral(", "));
}

// The serial of the k-th new row, k counted in the order of the source serials: what
// drawing a new serial for each insert one after the other gives.
QString newSerial(const QString &sourceSerial)
{
    return QStringLiteral("serial_plus(:tbLastSerial, Row_Number() Over (Order By %1))").arg(sourceSerial);
}

// The parameters of the next month's rows, with the greatest serial of the table before
// them.
Params withLastSerial(Db &db, const Params &next, const QString &table, const QString &serialColumn)
{
    Params p = next;
    p.append(
        {":tbLastSerial", db.scalar(QStringLiteral("Select Max(%1) From %2").arg(serialColumn, table)).toString()});
    return p;
}

QString carried(const QString &remainder)
{
    return QStringLiteral("Abs(%1) >= %2").arg(remainder).arg(Residue);
}

// Source rows are reached from the month's balances (Cross Join fixes that order in SQLite):
// the source table holds every month of the books, and a plan that walks it would grow
// with their years.

Verdict uncarriable(Db &db, const QString &sql, const QString &kind)
{
    const QVariant serial = db.scalar(sql);
    if (!serial.isValid())
        return std::nullopt;
    return Refusal(kind + QStringLiteral(" 저장순서 ") + serial.toString().trimmed() + QStringLiteral(" 의") + LB +
                   QStringLiteral("수량(중량)이 0[제로]이거나 단가, 금액이 비어 있어") + LB +
                   QStringLiteral("남은 재고를 다음 월로") + LB + QStringLiteral("이월할 수 없습니다......."));
}

// Raw material: receipts less issues into lots of the month ("당월투입") and transfers.
void collectReceipts(Db &db, const Params &ym)
{
    db.exec(QStringLiteral("Delete From MC_WonJaJeyInPut_SumVw01"));
    db.exec(QStringLiteral("Delete From MC_WonJaJeyInPut_SumVw02"));
    const QString insert = QStringLiteral(
        "Insert InTo MC_WonJaJeyInPut_SumVw01 (InPut_InPutSerial, InPut_Year, InPut_Month, InPut_SuKg, "
        "InPut_GaAmt, InPut_SuKgJeyGong, InPut_GaAmtJeyGong, InPut_SuKgTaAc, InPut_GaAmtTaAc, InPut_SuKgJan, "
        "InPut_GaAmtJan) ");
    db.exec(insert + QStringLiteral("Select InPut_Serial, InPut_Year, InPut_Month, InPut_SuKg, InPut_GaAmt, "
                                    "0, 0, 0, 0, 0, 0 From MC_WonJaJeyInPut "
                                    "Where InPut_Year = :tbYear And InPut_Month = :tbMonth"),
            ym);
    db.exec(insert + QStringLiteral("Select TaInPut_InPutSerial, TaInPut_Year, TaInPut_Month, 0, 0, 0, 0, "
                                    "TaInPut_SuKg, TaInPut_GaAmt, 0, 0 From MC_WonJaJeyInPut_TaAc "
                                    "Where TaInPut_Year = :tbYear And TaInPut_Month = :tbMonth"),
            ym);
    // Only lots issued this month draw on the month's receipts; a brought-forward lot's
    // link names a receipt of an earlier month.
    db.exec(insert + QStringLiteral("Select Gong_InPutSerial, Gong_Year, Gong_Month, 0, 0, Gong_SuKg, Gong_GaAmt, "
                                    "0, 0, 0, 0 From MC_JeyGongPumInPut Where Gong_Year = :tbYear "
                                    "And Gong_Month = :tbMonth And Gong_Kubun = '당월투입'"),
            ym);
    db.exec(QStringLiteral(
        "Insert InTo MC_WonJaJeyInPut_SumVw02 (InPut_InPutSerial, InPut_Year, InPut_Month, InPut_SuKg, "
        "InPut_GaAmt, InPut_SuKgJeyGong, InPut_GaAmtJeyGong, InPut_SuKgTaAc, InPut_GaAmtTaAc, InPut_SuKgJan, "
        "InPut_GaAmtJan) Select InPut_InPutSerial, InPut_Year, InPut_Month, Sum(InPut_SuKg), Sum(InPut_GaAmt), "
        "Sum(InPut_SuKgJeyGong), Sum(InPut_GaAmtJeyGong), Sum(InPut_SuKgTaAc), Sum(InPut_GaAmtTaAc), "
        "Sum(InPut_SuKg - InPut_SuKgJeyGong - InPut_SuKgTaAc), Sum(InPut_GaAmt - InPut_GaAmtJeyGong - "
        "InPut_GaAmtTaAc) From MC_WonJaJeyInPut_SumVw01 Group By InPut_InPutSerial, InPut_Year, InPut_Month"));
}

Verdict uncarriableReceipt(Db &db)
{
    return uncarriable(db,
                       QStringLiteral("Select T.InPut_Serial From MC_WonJaJeyInPut_SumVw02 S "
                                      "Cross Join MC_WonJaJeyInPut T Where T.InPut_Serial = S.InPut_InPutSerial "
                                      "And %1 And T.InPut_DanGa Is Null Order By T.InPut_Serial Limit 1")
                           .arg(carried(QStringLiteral("S.InPut_SuKgJan"))),
                       QStringLiteral("원자재"));
}

int carryReceipts(Db &db, const Params &next)
{
    // The remaining quantity at the unit price, not the remaining amount.
    return db.exec(
        QStringLiteral(
            "Insert InTo MC_WonJaJeyInPut (InPut_Serial, InPut_Date, InPut_Year, InPut_Month, %1, InPut_TextMemo, "
            "InPut_SuKg, InPut_DanGa, InPut_GaAmt, InPut_Kubun, InPut_Bigo, InPut_Check_01, InPut_Check_02, "
            "InPut_Check_03, InPut_SaveDate, InPut_InPutSerial) "
            "Select %2, :tbDate, :tbNextYear, :tbNextMonth, %3, :tbMemo, round_decimals(S.InPut_SuKgJan, 4), "
            "round_decimals(T.InPut_DanGa, 4), round_decimals(S.InPut_SuKgJan * T.InPut_DanGa, 4), '전기이월', "
            "'전월분 저장순서' || Trim(T.InPut_Serial), '', '', :tbVolume, :tbSaveDate, Trim(T.InPut_Serial) "
            "From MC_WonJaJeyInPut_SumVw02 S Cross Join MC_WonJaJeyInPut T Where T.InPut_Serial = S.InPut_InPutSerial "
            "And %4 Order By T.InPut_Serial")
            .arg(columns(QStringLiteral("InPut_"), MaterialTexts), newSerial(QStringLiteral("T.InPut_Serial")),
                 copies(QStringLiteral("InPut_"), MaterialTexts), carried(QStringLiteral("S.InPut_SuKgJan"))),
        withLastSerial(db, next, QStringLiteral("MC_WonJaJeyInPut"), QStringLiteral("InPut_Serial")));
}

// WIP: every lot of the month less its completions into the warehouse and its transfers.
void collectLots(Db &db, const Params &ym)
{
    db.exec(QStringLiteral("Delete From MC_JeyGongPumChaongGoTaAc_SumVw01"));
    db.exec(QStringLiteral("Delete From MC_JeyGongPumChaongGoTaAc_SumVw02"));
    const QString insert = QStringLiteral(
        "Insert InTo MC_JeyGongPumChaongGoTaAc_SumVw01 (Gong_GongSerial, Gong_Year, Gong_Month, Gong_GongSuKg, "
        "Gong_GongGaAmt, Gong_GongWoulAmtTot, ChaongGo_SuKg, ChaongGo_GaAmt, ChaongGo_WoulAmtTot, TaAc_SuKg, "
        "TaAc_GaAmt, TaAc_WoulAmtTot, JeyGo_SuKg, JeyGo_GaAmt, JeyGo_WoulAmtTot) ");
    db.exec(insert + QStringLiteral("Select Gong_Serial, Gong_Year, Gong_Month, Gong_SuKg, Gong_GaAmt, "
                                    "Gong_WoulAmtTot, 0, 0, 0, 0, 0, 0, 0, 0, 0 From MC_JeyGongPumInPut "
                                    "Where Gong_Year = :tbYear And Gong_Month = :tbMonth"),
            ym);
    db.exec(insert + QStringLiteral("Select TaGong_GongSerial, TaGong_Year, TaGong_Month, 0, 0, 0, 0, 0, 0, "
                                    "TaGong_SuKg, TaGong_GaAmt, TaGong_WoulAmtTot, 0, 0, 0 "
                                    "From MC_JeyGongPumInPut_TaAc "
                                    "Where TaGong_Year = :tbYear And TaGong_Month = :tbMonth"),
            ym);
    db.exec(insert + QStringLiteral("Select InGong_GongSerial, InGong_Year, InGong_Month, 0, 0, 0, InGong_SuKg, "
                                    "InGong_GaAmt, InGong_WoulAmtTot, 0, 0, 0, 0, 0, 0 "
                                    "From MC_ChaongGoJeyGongPumInJeyGong "
                                    "Where InGong_Year = :tbYear And InGong_Month = :tbMonth"),
            ym);
    db.exec(QStringLiteral(
        "Insert InTo MC_JeyGongPumChaongGoTaAc_SumVw02 (Gong_GongSerial, Gong_Year, Gong_Month, Gong_GongSuKg, "
        "Gong_GongGaAmt, Gong_GongWoulAmtTot, ChaongGo_SuKg, ChaongGo_GaAmt, ChaongGo_WoulAmtTot, TaAc_SuKg, "
        "TaAc_GaAmt, TaAc_WoulAmtTot, JeyGo_SuKg, JeyGo_GaAmt, JeyGo_WoulAmtTot) "
        "Select Gong_GongSerial, Gong_Year, Gong_Month, Sum(Gong_GongSuKg), Sum(Gong_GongGaAmt), "
        "Sum(Gong_GongWoulAmtTot), Sum(ChaongGo_SuKg), Sum(ChaongGo_GaAmt), Sum(ChaongGo_WoulAmtTot), "
        "Sum(TaAc_SuKg), Sum(TaAc_GaAmt), Sum(TaAc_WoulAmtTot), Sum(Gong_GongSuKg - ChaongGo_SuKg - TaAc_SuKg), "
        "Sum(Gong_GongGaAmt - ChaongGo_GaAmt - TaAc_GaAmt), "
        "Sum(Gong_GongWoulAmtTot - ChaongGo_WoulAmtTot - TaAc_WoulAmtTot) "
        "From MC_JeyGongPumChaongGoTaAc_SumVw01 Group By Gong_GongSerial, Gong_Year, Gong_Month"));
}

const QStringList LotComponents{"JenGiWonAmt",   "JenGiNoMu_01",  "JenGiNoMu_02", "JenGiJeyJo_01",
                                "JenGiJeyJo_02", "DaongWonAmt",   "DaongNoMu_01", "DaongNoMu_02",
                                "DaongJeyJo_01", "DaongJeyJo_02", "DanGa",        "TotWoul"};

QString anyNull(const QString &prefix, const QStringList &stems)
{
    QStringList terms;
    for (const QString &stem : stems)
        terms << prefix + stem + QStringLiteral(" Is Null");
    return terms.join(QStringLiteral(" Or "));
}

Verdict uncarriableLot(Db &db)
{
    return uncarriable(
        db,
        QStringLiteral("Select T.Gong_Serial From MC_JeyGongPumChaongGoTaAc_SumVw02 S Cross Join MC_JeyGongPumInPut T "
                       "Where T.Gong_Serial = S.Gong_GongSerial And %1 And (COALESCE(T.Gong_SuKg, 0) = 0 Or %2) "
                       "Order By T.Gong_Serial Limit 1")
            .arg(carried(QStringLiteral("S.JeyGo_SuKg")), anyNull(QStringLiteral("T.Gong_"), LotComponents)),
        QStringLiteral("재공품"));
}

int carryLots(Db &db, const Params &next)
{
    // A lot's cost so far (brought forward and of the month) goes forward in proportion to
    // what remains of it, as earlier months' cost; its total rate becomes the earlier rate.
    const QString share = QStringLiteral("round_decimals((T.Gong_JenGi%1 + T.Gong_Daong%1) * (S.JeyGo_SuKg / "
                                         "T.Gong_SuKg), 5) As New%1");
    QStringList amounts;
    for (const char *stem : {"WonAmt", "NoMu_01", "NoMu_02", "JeyJo_01", "JeyJo_02"})
        amounts << share.arg(QLatin1String(stem));
    return db.exec(
        QStringLiteral(
            "Insert InTo MC_JeyGongPumInPut (Gong_Serial, Gong_Date, Gong_Year, Gong_Month, %1, Gong_TextMemo, "
            "Gong_SuKg, Gong_DanGa, Gong_GaAmt, Gong_Kubun, Gong_Bigo, Gong_JenGiWoul, Gong_DaongWoul, Gong_TotWoul, "
            "Gong_JenGiWonAmt, Gong_JenGiNoMu_01, Gong_JenGiNoMu_02, Gong_JenGiJeyJo_01, Gong_JenGiJeyJo_02, "
            "Gong_DaongWonAmt, Gong_DaongNoMu_01, Gong_DaongNoMu_02, Gong_DaongJeyJo_01, Gong_DaongJeyJo_02, "
            "Gong_WoulAmtTot, Gong_Check_01, Gong_Check_02, Gong_Check_03, Gong_SaveDate, Gong_InPutSerial, "
            "Gong_GongSerial) "
            "Select %2, :tbDate, :tbNextYear, :tbNextMonth, %3, :tbMemo, NewSuKg, NewDanGa, NewGaAmt, '전기이월', "
            "'전월분 저장순서' || Trim(Gong_Serial), NewRate, 0.0, NewRate, NewWonAmt, NewNoMu_01, NewNoMu_02, "
            "NewJeyJo_01, NewJeyJo_02, 0.0, 0.0, 0.0, 0.0, 0.0, "
            "round_decimals(NewGaAmt + NewNoMu_01 + NewNoMu_02 + NewJeyJo_01 + NewJeyJo_02, 5), '', '', :tbVolume, "
            ":tbSaveDate, COALESCE(Trim(Gong_InPutSerial), ''), Trim(Gong_Serial) "
            "From (Select T.Gong_Serial, T.Gong_InPutSerial, %6, round_decimals(S.JeyGo_SuKg, 4) As NewSuKg, "
            "round_decimals(T.Gong_DanGa, 4) As NewDanGa, "
            "round_decimals(S.JeyGo_SuKg * T.Gong_DanGa, 4) As NewGaAmt, round15(T.Gong_TotWoul) As NewRate, %4 "
            "From MC_JeyGongPumChaongGoTaAc_SumVw02 S Cross Join MC_JeyGongPumInPut T "
            "Where T.Gong_Serial = S.Gong_GongSerial And %5) T Order By Gong_Serial")
            .arg(columns(QStringLiteral("Gong_"), MaterialTexts), newSerial(QStringLiteral("Gong_Serial")),
                 copies(QStringLiteral("Gong_"), MaterialTexts), amounts.join(QStringLiteral(", ")),
                 carried(QStringLiteral("S.JeyGo_SuKg")), sourceColumns(QStringLiteral("Gong_"), MaterialTexts)),
        withLastSerial(db, next, QStringLiteral("MC_JeyGongPumInPut"), QStringLiteral("Gong_Serial")));
}

// Products: receipts less shipments and transfers; a returned sale's negative row does not
// put goods back here (its return receipt does).
void collectProducts(Db &db, const Params &ym)
{
    db.exec(QStringLiteral("Delete From MC_ChaongGoChulGoTaAc_SumVw01"));
    db.exec(QStringLiteral("Delete From MC_ChaongGoChulGoTaAc_SumVw02"));
    const QString insert =
        QStringLiteral("Insert InTo MC_ChaongGoChulGoTaAc_SumVw01 (JeyPum_JeyPumSerial, JeyPum_Year, JeyPum_Month, "
                       "JeyPum_JeyPumSuKg, JeyPum_ChulGoSuKg, JeyPum_TaAcSuKg, JeyPum_JeyGoSuKg) ");
    db.exec(insert + QStringLiteral("Select JeyPum_Serial, JeyPum_Year, JeyPum_Month, JeyPum_SuKg, 0, 0, 0 "
                                    "From MC_ChaongGoJeyPumInPut "
                                    "Where JeyPum_Year = :tbYear And JeyPum_Month = :tbMonth"),
            ym);
    db.exec(insert + QStringLiteral("Select TaJeyPum_JeyPumSerial, TaJeyPum_Year, TaJeyPum_Month, 0, 0, "
                                    "TaJeyPum_SuKg, 0 From MC_ChaongGoJeyPumInPut_TaAc "
                                    "Where TaJeyPum_Year = :tbYear And TaJeyPum_Month = :tbMonth"),
            ym);
    db.exec(insert + QStringLiteral("Select ChulGo_JeyPumSerial, ChulGo_Year, ChulGo_Month, 0, ChulGo_SuKg, 0, 0 "
                                    "From MC_ChaongGoJeyPumInPut_ChulGo Where ChulGo_Year = :tbYear "
                                    "And ChulGo_Month = :tbMonth And COALESCE(ChulGo_Kubun, '') <> '반품매출액'"),
            ym);
    db.exec(QStringLiteral(
        "Insert InTo MC_ChaongGoChulGoTaAc_SumVw02 (JeyPum_JeyPumSerial, JeyPum_Year, JeyPum_Month, "
        "JeyPum_JeyPumSuKg, JeyPum_ChulGoSuKg, JeyPum_TaAcSuKg, JeyPum_JeyGoSuKg) "
        "Select JeyPum_JeyPumSerial, JeyPum_Year, JeyPum_Month, Sum(JeyPum_JeyPumSuKg), Sum(JeyPum_ChulGoSuKg), "
        "Sum(JeyPum_TaAcSuKg), Sum(JeyPum_JeyPumSuKg - JeyPum_ChulGoSuKg - JeyPum_TaAcSuKg) "
        "From MC_ChaongGoChulGoTaAc_SumVw01 Group By JeyPum_JeyPumSerial, JeyPum_Year, JeyPum_Month"));
}

const QStringList ProductAmounts{"GaAmt", "JenGiNoMu", "DaongNoMu", "JenGiJeyJo", "DaongJeyJo", "TotGaAmt"};

Verdict uncarriableProduct(Db &db)
{
    return uncarriable(
        db,
        QStringLiteral(
            "Select T.JeyPum_Serial From MC_ChaongGoChulGoTaAc_SumVw02 S Cross Join MC_ChaongGoJeyPumInPut T "
            "Where T.JeyPum_Serial = S.JeyPum_JeyPumSerial And %1 And (COALESCE(T.JeyPum_SuKg, 0) = 0 Or %2) "
            "Order By T.JeyPum_Serial Limit 1")
            .arg(carried(QStringLiteral("S.JeyPum_JeyGoSuKg")), anyNull(QStringLiteral("T.JeyPum_"), ProductAmounts)),
        QStringLiteral("제품"));
}

int carryProducts(Db &db, const Params &next)
{
    QStringList amounts;
    for (const char *stem : {"GaAmt", "JenGiNoMu", "DaongNoMu", "JenGiJeyJo", "DaongJeyJo"})
        amounts << QStringLiteral("round_decimals(T.JeyPum_%1 * (S.JeyPum_JeyGoSuKg / T.JeyPum_SuKg), 5) As New%1")
                       .arg(QLatin1String(stem));
    // A return receipt carries only a total; so does one whose parts are all zero.
    return db.exec(
        QStringLiteral(
            "Insert InTo MC_ChaongGoJeyPumInPut (JeyPum_Serial, JeyPum_Date, JeyPum_Year, JeyPum_Month, %1, "
            "JeyPum_TextMemo, JeyPum_SuKg, JeyPum_GaAmt, JeyPum_JenGiNoMu, JeyPum_DaongNoMu, JeyPum_JenGiJeyJo, "
            "JeyPum_DaongJeyJo, JeyPum_TotGaAmt, JeyPum_Kubun, JeyPum_Bigo, JeyPum_Check_01, JeyPum_Check_02, "
            "JeyPum_Check_03, JeyPum_SaveDate, BanPum_ChulGoSerial, BanPum_ChulGoJeyPumSerial, BanPum_NewChulGoSerial, "
            "JeyPum_JeyPumSerial) "
            "Select %2, :tbDate, :tbNextYear, :tbNextMonth, %3, :tbMemo, NewSuKg, NewGaAmt, NewJenGiNoMu, "
            "NewDaongNoMu, NewJenGiJeyJo, NewDaongJeyJo, Case When COALESCE(Trim(JeyPum_Kubun), '') <> '매출반품입고' "
            "And NewGaAmt + NewJenGiNoMu + NewDaongNoMu + NewJenGiJeyJo + NewDaongJeyJo <> 0 Then "
            "round_decimals(NewGaAmt + NewJenGiNoMu + NewDaongNoMu + NewJenGiJeyJo + NewDaongJeyJo, 5) "
            "Else NewTotGaAmt End, '전기이월', '전월분 저장순서' || Trim(JeyPum_Serial), '', '', :tbVolume, "
            ":tbSaveDate, '', '', '', Trim(JeyPum_Serial) "
            "From (Select T.*, round15(S.JeyPum_JeyGoSuKg) As NewSuKg, %4, "
            "round_decimals(T.JeyPum_TotGaAmt * (S.JeyPum_JeyGoSuKg / T.JeyPum_SuKg), 5) As NewTotGaAmt "
            "From MC_ChaongGoChulGoTaAc_SumVw02 S Cross Join MC_ChaongGoJeyPumInPut T "
            "Where T.JeyPum_Serial = S.JeyPum_JeyPumSerial And %5) T Order By JeyPum_Serial")
            .arg(columns(QStringLiteral("JeyPum_"), ProductTexts), newSerial(QStringLiteral("JeyPum_Serial")),
                 copies(QStringLiteral("JeyPum_"), ProductTexts), amounts.join(QStringLiteral(", ")),
                 carried(QStringLiteral("S.JeyPum_JeyGoSuKg"))),
        withLastSerial(db, next, QStringLiteral("MC_ChaongGoJeyPumInPut"), QStringLiteral("JeyPum_Serial")));
}

} // namespace

const QVector<CarryStep> &carrySteps()
{
    static const QVector<CarryStep> steps{
        {QStringLiteral("원자재 이월"), collectReceipts, uncarriableReceipt, carryReceipts},
        {QStringLiteral("재공품 이월"), collectLots, uncarriableLot, carryLots},
        {QStringLiteral("제품 이월"), collectProducts, uncarriableProduct, carryProducts},
    };
    return steps;
}

} // namespace zedur::closing
