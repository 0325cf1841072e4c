#include "closing/Allocation.h"

#include "closing/MonthChecks.h"
#include "common/Messages.h"
#include "common/TextNumber.h"
#include "store/BooksLock.h"
#include "store/Db.h"
#include "store/Dialect.h"
#include "store/Schema.h"
#include "store/StoreError.h"

#include <QStringList>

namespace zedur {

namespace {

using namespace allocation;

void recreateWorkTables(Db &db)
{
    schema::recreateWorkTable(db, DirectWorkTable,
                              {{"Daong_Serial", ColumnType::Text, 50}, {"Daong_Amt", ColumnType::Real}},
                              {QStringLiteral("Daong_Serial")});
    QVector<ColumnDef> sums{{"UpDate_JeyPumSerial", ColumnType::Text, 50}};
    for (const QString &stem : ProductAmounts)
        sums.append({QStringLiteral("UpDate_") + stem, ColumnType::Real});
    schema::recreateWorkTable(db, ReceiptWorkTable, sums, {QStringLiteral("UpDate_JeyPumSerial")});
}

// Amounts pass from one statement to the next as 15-significant-digit text; round15()
// in SQL keeps that. A share of a lot or receipt is its amount times the row's quantity
// over its own quantity, in that order.
QString share(const QString &source, const QString &stem, const QString &quantity, const QString &sourceQuantity)
{
    return QStringLiteral("round15(%1.%2) * %3 / round15(%1.%4)").arg(source, stem, quantity, sourceQuantity);
}

double indirectTotal(Db &db, const Params &ym, const QString &group)
{
    Params p = ym;
    p.append({":tbGroup", group});
    return roundDecimals(db.scalar(QStringLiteral("Select %1 From MC_AcNameAmtInPut "
                                                  "Where Amt_JeyJoKubun = '간접' And Amt_Year = :tbYear "
                                                  "And Amt_Month = :tbMonth And Amt_GroupAcName = :tbGroup")
                                       .arg(dialect::stableSum(db.engine(), "total", "Amt_Amt")),
                                   p)
                             .toDouble(),
                         10);
}

// A lot's total: its whole raw-material amount and the eight labour and overhead amounts,
// added in that order; `replaced` gives the expressions that stand for columns being set
// in the same statement (an UPDATE reads the old values).
QString lotTotal(const QList<QPair<QString, QString>> &replaced)
{
    QStringList terms;
    for (const char *column :
         {"Gong_GaAmt", "Gong_JenGiNoMu_01", "Gong_JenGiNoMu_02", "Gong_JenGiJeyJo_01", "Gong_JenGiJeyJo_02",
          "Gong_DaongNoMu_01", "Gong_DaongNoMu_02", "Gong_DaongJeyJo_01", "Gong_DaongJeyJo_02"}) {
        QString term = QLatin1String(column);
        for (const auto &[name, expression] : replaced)
            if (name == term)
                term = expression;
        terms << term;
    }
    return terms.join(QStringLiteral(" + "));
}

// Common labour and overhead in proportion to the raw material recognised this month, at
// rates of ten decimals (no remainder is placed, as the books always did), and no direct
// amount yet: one pass over the month's lots, totals included.
void allocateCommon(Db &db, const Params &ym)
{
    const double base = roundDecimals(db.scalar(QStringLiteral("Select %1 From "
                                                               "MC_JeyGongPumInPut Where Gong_Year = :tbYear "
                                                               "And Gong_Month = :tbMonth")
                                                    .arg(dialect::stableSum(db.engine(), "total", "Gong_DaongWonAmt")),
                                                ym)
                                          .toDouble(),
                                      10);
    const auto rate = [base](double amount) {
        return (amount == 0.0 || base == 0.0) ? 0.0 : roundDecimals(amount / base, 10);
    };
    Params p = ym;
    p.append({":tbLabourRate", rate(indirectTotal(db, ym, LabourGroup))});
    p.append({":tbOverheadRate", rate(indirectTotal(db, ym, OverheadGroup))});
    const QString labour = QStringLiteral(":tbLabourRate * Gong_DaongWonAmt");
    const QString overhead = QStringLiteral(":tbOverheadRate * Gong_DaongWonAmt");
    db.exec(QStringLiteral("UpDate MC_JeyGongPumInPut Set Gong_DaongNoMu_01 = 0, Gong_DaongJeyJo_01 = 0, "
                           "Gong_DaongNoMu_02 = %1, Gong_DaongJeyJo_02 = %2, Gong_WoulAmtTot = %3 "
                           "Where Gong_Year = :tbYear And Gong_Month = :tbMonth")
                .arg(labour, overhead,
                     lotTotal({{"Gong_DaongNoMu_01", "0"},
                               {"Gong_DaongJeyJo_01", "0"},
                               {"Gong_DaongNoMu_02", labour},
                               {"Gong_DaongJeyJo_02", overhead}})),
            p);
}

// Direct amounts of the month on their lots, group by group through the work table; a
// direct amount on a lot of another month, or on no lot, reaches no row.
void allocateDirect(Db &db, const Params &ym)
{
    const QList<QPair<QString, QString>> groups{{LabourGroup, QStringLiteral("Gong_DaongNoMu_01")},
                                                {OverheadGroup, QStringLiteral("Gong_DaongJeyJo_01")}};
    for (const auto &[group, column] : groups) {
        db.exec(QStringLiteral("Delete From MC_JeyGongPum_DaongNoMuJeyJo_SumVw01"));
        Params p = ym;
        p.append({":tbGroup", group});
        db.exec(QStringLiteral("Insert InTo MC_JeyGongPum_DaongNoMuJeyJo_SumVw01 ( Daong_Serial, Daong_Amt ) "
                               "Select Amt_JeyGongPumSerial, %1 From MC_AcNameAmtInPut "
                               "Where Amt_JeyJoKubun = '직접' And Amt_Year = :tbYear And Amt_Month = :tbMonth "
                               "And Amt_GroupAcName = :tbGroup Group By Amt_JeyGongPumSerial")
                    .arg(dialect::stableSum(db.engine(), "Sum", "Amt_Amt")),
                p);
        const QString amount = QStringLiteral("round15(W.Daong_Amt)");
        db.exec(QStringLiteral("UpDate MC_JeyGongPumInPut Set %1 = %2, Gong_WoulAmtTot = %3 "
                               "From MC_JeyGongPum_DaongNoMuJeyJo_SumVw01 W "
                               "Where MC_JeyGongPumInPut.Gong_Serial = Trim(W.Daong_Serial) "
                               "And Gong_Year = :tbYear And Gong_Month = :tbMonth")
                    .arg(column, amount, lotTotal({{column, amount}})),
                ym);
    }
}

// SQLite gives NULL where the old engine stopped on a division by zero or a missing value:
// the rows that are divided by must have a quantity and their amounts.
QString anyNull(const QString &prefix, const QStringList &stems)
{
    QStringList terms;
    for (const QString &stem : stems)
        terms << prefix + stem + QStringLiteral(" Is Null");
    return terms.join(QStringLiteral(" Or "));
}

Verdict unsharableLot(Db &db, const Params &ym)
{
    const QVariant serial =
        db.scalar(QStringLiteral(
                      "Select G.Gong_Serial From MC_JeyGongPumInPut G Where G.Gong_Year = :tbYear "
                      "And G.Gong_Month = :tbMonth And (COALESCE(G.Gong_SuKg, 0) = 0 Or %1) "
                      "And (Exists (Select 1 From MC_JeyGongPumInPut_TaAc T Where T.TaGong_GongSerial = G.Gong_Serial) "
                      "Or Exists (Select 1 From MC_ChaongGoJeyGongPumInJeyGong C "
                      "Where C.InGong_GongSerial = G.Gong_Serial)) Order By G.Gong_Serial Limit 1")
                      .arg(anyNull(QStringLiteral("G.Gong_"), Rates + TransferAmounts)),
                  ym);
    if (!serial.isValid())
        return std::nullopt;
    return Refusal(QStringLiteral("재공품 저장순서 ") + serial.toString().trimmed() + QStringLiteral(" 의") + LB +
                   QStringLiteral("수량(중량)이 0[제로]이거나 금액, 완성율이 비어 있어") + LB +
                   QStringLiteral("타 계정 대체와 제품창고 입고된 재공품에") + LB +
                   QStringLiteral("배부액을 나눌 수 없습니다......."));
}

Verdict unsharableReceipt(Db &db, const Params &ym)
{
    const QVariant serial =
        db.scalar(QStringLiteral("Select R.JeyPum_Serial From MC_ChaongGoJeyPumInPut R Where R.JeyPum_Year = :tbYear "
                                 "And R.JeyPum_Month = :tbMonth And (COALESCE(R.JeyPum_SuKg, 0) = 0 Or %1) "
                                 "And (Exists (Select 1 From MC_ChaongGoJeyPumInPut_TaAc T "
                                 "Where T.TaJeyPum_JeyPumSerial = R.JeyPum_Serial) "
                                 "Or Exists (Select 1 From MC_ChaongGoJeyPumInPut_ChulGo S "
                                 "Where S.ChulGo_JeyPumSerial = R.JeyPum_Serial)) Order By R.JeyPum_Serial Limit 1")
                      .arg(anyNull(QStringLiteral("R.JeyPum_"), ProductAmounts)),
                  ym);
    if (!serial.isValid())
        return std::nullopt;
    return Refusal(QStringLiteral("제품 저장순서 ") + serial.toString().trimmed() + QStringLiteral(" 의") + LB +
                   QStringLiteral("수량(중량)이 0[제로]이거나 금액이 비어 있어") + LB +
                   QStringLiteral("타 계정 대체된 제품과 출고된 제품에") + LB +
                   QStringLiteral("원가를 나눌 수 없습니다......."));
}

void carryToTransfers(Db &db, const Params &ym)
{
    QStringList sets;
    for (const QString &stem : Rates)
        sets << QStringLiteral("TaGong_%1 = round15(G.Gong_%1)").arg(stem);
    for (const QString &stem : TransferAmounts)
        sets << QStringLiteral("TaGong_%1 = %2").arg(stem, share("G", "Gong_" + stem, "TaGong_SuKg", "Gong_SuKg"));
    // Chosen by their lot alone, whatever their own month.
    db.exec(QStringLiteral("UpDate MC_JeyGongPumInPut_TaAc Set %1 From MC_JeyGongPumInPut G "
                           "Where MC_JeyGongPumInPut_TaAc.TaGong_GongSerial = G.Gong_Serial "
                           "And G.Gong_Year = :tbYear And G.Gong_Month = :tbMonth")
                .arg(sets.join(QStringLiteral(", "))),
            ym);
}

void carryToCompletions(Db &db, const Params &ym)
{
    QStringList sets;
    for (const QString &stem : CompletionAmounts)
        sets << QStringLiteral("InGong_%1 = %2").arg(stem, share("G", "Gong_" + stem, "InGong_SuKg", "Gong_SuKg"));
    db.exec(QStringLiteral("UpDate MC_ChaongGoJeyGongPumInJeyGong Set %1 From MC_JeyGongPumInPut G "
                           "Where MC_ChaongGoJeyGongPumInJeyGong.InGong_GongSerial = G.Gong_Serial "
                           "And G.Gong_Year = :tbYear And G.Gong_Month = :tbMonth")
                .arg(sets.join(QStringLiteral(", "))),
            ym);
}

// A product receipt is the sum of its completions of the month, in the product columns'
// own meanings; a receipt without completions this month keeps its amounts.
void sumReceipts(Db &db, const Params &ym)
{
    db.exec(QStringLiteral("Delete From MC_UpDateChaongGoJeyGongPum_SumVw01"));
    QStringList sums;
    for (const char *expression :
         {"InGong_JenGiNoMu_01 + InGong_DaongNoMu_01", "InGong_JenGiNoMu_02 + InGong_DaongNoMu_02",
          "InGong_JenGiJeyJo_01 + InGong_DaongJeyJo_01", "InGong_JenGiJeyJo_02 + InGong_DaongJeyJo_02",
          "InGong_WoulAmtTot"})
        sums << dialect::stableSum(db.engine(), QStringLiteral("Sum"), QLatin1String(expression));
    db.exec(
        QStringLiteral("Insert InTo MC_UpDateChaongGoJeyGongPum_SumVw01 ( UpDate_JeyPumSerial, UpDate_JenGiNoMu, "
                       "UpDate_DaongNoMu, UpDate_JenGiJeyJo, UpDate_DaongJeyJo, UpDate_TotGaAmt ) "
                       "Select InGong_JeyPumSerial, %1 "
                       "From MC_ChaongGoJeyGongPumInJeyGong Where InGong_Year = :tbYear And InGong_Month = :tbMonth "
                       "Group By InGong_JeyPumSerial")
            .arg(sums.join(QStringLiteral(", "))),
        ym);
    QStringList sets;
    for (const QString &stem : ProductAmounts)
        sets << QStringLiteral("JeyPum_%1 = round15(W.UpDate_%1)").arg(stem);
    db.exec(QStringLiteral("UpDate MC_ChaongGoJeyPumInPut Set %1 From MC_UpDateChaongGoJeyGongPum_SumVw01 W "
                           "Where MC_ChaongGoJeyPumInPut.JeyPum_Serial = Trim(W.UpDate_JeyPumSerial)")
                .arg(sets.join(QStringLiteral(", "))));
}

void carryToProductTransfers(Db &db, const Params &ym)
{
    QStringList sets;
    for (const QString &stem : ProductAmounts)
        sets << QStringLiteral("TaJeyPum_%1 = %2")
                    .arg(stem, share("R", "JeyPum_" + stem, "TaJeyPum_SuKg", "JeyPum_SuKg"));
    db.exec(QStringLiteral("UpDate MC_ChaongGoJeyPumInPut_TaAc Set %1 From MC_ChaongGoJeyPumInPut R "
                           "Where MC_ChaongGoJeyPumInPut_TaAc.TaJeyPum_JeyPumSerial = R.JeyPum_Serial "
                           "And R.JeyPum_Year = :tbYear And R.JeyPum_Month = :tbMonth")
                .arg(sets.join(QStringLiteral(", "))),
            ym);
}

void carryToShipments(Db &db, const Params &ym)
{
    db.exec(QStringLiteral("UpDate MC_ChaongGoJeyPumInPut_ChulGo Set ChulGo_WonJaJeyAmt = %1 "
                           "From MC_ChaongGoJeyPumInPut R "
                           "Where MC_ChaongGoJeyPumInPut_ChulGo.ChulGo_JeyPumSerial = R.JeyPum_Serial "
                           "And R.JeyPum_Year = :tbYear And R.JeyPum_Month = :tbMonth")
                .arg(share("R", "JeyPum_TotGaAmt", "ChulGo_SuKg", "JeyPum_SuKg")),
            ym);
}

RunOutcome allocate(Db &db, const Period &month, const Progress &progress)
{
    const MonthSizedCache cache(db);
    Transaction t(db);
    const BooksHold hold = holdBooks(db, BooksUse::Run);
    report(progress, QStringLiteral("마감 상태 확인"));
    if (const closing::MonthTable *closed = closing::firstClosedTable(db, month, closing::monthTables().size()))
        return {Refusal(closing::closedMonthWarning(*closed, month, QStringLiteral("배부액 계산 업데이트가"))), {}};
    if (Verdict refused = closing::wrongPeriod(db, month, QStringLiteral("배부액 계산할 연도와 월은")))
        return {refused, {}};
    if (Verdict refused = allocation::allocateRows(db, month, progress))
        return {refused, {}};
    period::markAllocationDone(db);
    t.commit();
    const std::optional<PeriodRow> open = period::theOpenPeriod(db);
    return {std::nullopt, statusLine(open ? open->memo : QString())};
}

} // namespace

Verdict allocation::allocateRows(Db &db, const Period &month, const Progress &progress)
{
    const Params ym{{":tbYear", month.year.trimmed()}, {":tbMonth", month.month.trimmed()}};
    recreateWorkTables(db);
    report(progress, QStringLiteral("재공품 간접(공통)비 배부"));
    allocateCommon(db, ym);
    report(progress, QStringLiteral("재공품 직접비 배부"));
    allocateDirect(db, ym);
    if (Verdict refused = unsharableLot(db, ym))
        return refused;
    report(progress, QStringLiteral("재공품 타 계정 대체 배부액"));
    carryToTransfers(db, ym);
    report(progress, QStringLiteral("제품창고 입고 재공품 배부액"));
    carryToCompletions(db, ym);
    report(progress, QStringLiteral("제품창고 입고 제품 원가"));
    sumReceipts(db, ym);
    if (Verdict refused = unsharableReceipt(db, ym))
        return refused;
    report(progress, QStringLiteral("제품 타 계정 대체 원가"));
    carryToProductTransfers(db, ym);
    report(progress, QStringLiteral("제품매출원가"));
    carryToShipments(db, ym);
    return std::nullopt;
}

RunOutcome runAllocation(Db &db, const Period &month, const Progress &progress)
{
    if (db.readOnly())
        return {Refusal(db.readOnlyWarning(QStringLiteral("배부액 계산 업데이트가"))), {}};
    try {
        return allocate(db, month, progress);
    } catch (const LockTimeout &) {
        return {Refusal(closing::booksBusyWarning(db, QStringLiteral("배부액 계산 업데이트가"))), {}};
    }
}

} // namespace zedur
