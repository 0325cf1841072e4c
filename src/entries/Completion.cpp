#include "entries/Completion.h"

#include "common/Messages.h"
#include "common/TextNumber.h"
#include "entries/EntryTransaction.h"
#include "entries/EntryWarnings.h"
#include "entries/StoredRow.h"
#include "store/Db.h"
#include "store/Periods.h"
#include "store/RowStatements.h"

namespace zedur::completion {

const QVector<SearchItem> &rateItems()
{
    static const QVector<SearchItem> items{
        {"전체분", "Gong_TotWoul >= 0.00"}, {"미완성", "Gong_TotWoul < 100.00"}, {"완성분", "Gong_TotWoul = 100.00"}};
    return items;
}

const QVector<SearchItem> &searchItems()
{
    static const QVector<SearchItem> items{everyRowItem(),
                                           likeItem("기준일자", "Gong_Date"),
                                           likeItem("원자재코드", "Gong_WonCode"),
                                           likeItem("원자재이름", "Gong_WonName"),
                                           likeItem("적요및메모", "Gong_TextMemo"),
                                           likeItem("비고", "Gong_Bigo"),
                                           {"100%미만", "Gong_TotWoul <> 100.00"},
                                           {"완성율100", "Gong_TotWoul = 100.00"},
                                           likeItem("권번호", "Gong_TaxNumber"),
                                           likeItem("전표번호", "Gong_SerialJen"),
                                           likeItem("사업자번호", "Gong_SaleNumber"),
                                           likeItem("모델명", "Gong_Model"),
                                           likeItem("품명", "Gong_PumName"),
                                           likeItem("규격", "Gong_KuSize"),
                                           likeItem("거래처상호", "Gong_SaleName")};
    return items;
}

const QVector<SortItem> &sortItems()
{
    static const QVector<SortItem> items{{"저장순서", "Gong_Serial, Gong_Date, Gong_WonName"},
                                         {"기준일자", "Gong_Date, Gong_Serial, Gong_WonName"},
                                         {"원자재코드", "Gong_WonCode, Gong_Date, Gong_Serial"},
                                         {"원자재이름", "Gong_WonName, Gong_Date, Gong_Serial"},
                                         {"완성율미만", "Gong_TotWoul, Gong_WonName, Gong_Date, Gong_Serial"},
                                         {"권번호", "Gong_TaxNumber, Gong_Serial, Gong_Date"},
                                         {"전표번호", "Gong_SerialJen, Gong_Date, Gong_Serial"},
                                         {"사업자번호", "Gong_SaleNumber, Gong_WonCode, Gong_Date"},
                                         {"모델명", "Gong_Model, Gong_WonName, Gong_Date"},
                                         {"품명", "Gong_PumName, Gong_TotWoul, Gong_WonName"},
                                         {"규격", "Gong_KuSize, Gong_WonCode, Gong_Date, Gong_Serial"},
                                         {"거래처상호", "Gong_SaleName, Gong_WonName, Gong_Date, Gong_Serial"}};
    return items;
}

ListStatement lotList(const Period &shown, const QString &rateItem, const QString &searchItem,
                      const QString &searchText, const QString &sortItem)
{
    return periodList(QStringLiteral("*"), QStringLiteral("MC_JeyGongPumInPut"), QStringLiteral("Gong_Serial"),
                      QStringLiteral("Gong_Year"),
                      QStringLiteral("Gong_Month"), shown, {itemNamed(rateItems(), rateItem).condition},
                      itemNamed(searchItems(), searchItem), searchText, itemNamed(sortItems(), sortItem).orderBy);
}

namespace {

QString movedOnText(const QString &first, const QString &second)
{
    return first + LB + second + LB + QStringLiteral("수정이 불가능합니다.......");
}

// Lots carried forward get their rate here like any other lot of the month.
const RowRule Rule{entryTables::Lots, false, QStringLiteral("수정 가능한 년도와 월입니다........")};

Checked<CompletionFigures> savable(Db &db, const CompletionSave &s, const StoredRow &lot)
{
    if (lot.refusal())
        return {lot.refusal(), {}};
    const QString serial = lot.serial();
    if (anyRowWith(db, QStringLiteral("MC_ChaongGoJeyGongPumInJeyGong"), QStringLiteral("InGong_GongSerial"), serial))
        return {Refusal{movedOnText(QStringLiteral("재공품 100% 완성품 중"),
                                    QStringLiteral("제품창고에 입고된 재공품 데이타가 있으므로"))},
                {}};
    if (anyRowWith(db, QStringLiteral("MC_JeyGongPumInPut_TaAc"), QStringLiteral("TaGong_GongSerial"), serial))
        return {Refusal{movedOnText(QStringLiteral("재공품의 타 계정 대체 중"),
                                    QStringLiteral("타 계정 대체 재공품 데이타가 있으므로"))},
                {}};

    Checked<CompletionFigures> figures =
        leaveRateBox(s.typedRate, lot.number(QStringLiteral("JenGiWoul")), lot.number(QStringLiteral("GaAmt")));
    if (!figures.ok() && figures.value.cumulative > 100.0)
        figures.refusal->text =
            QStringLiteral("제조공정 완성율이") + LB + QStringLiteral("100.00%이상 될수가 없습니다......");
    if (!figures.ok())
        return figures;

    if (s.listIsEmpty)
        return {Refusal{QStringLiteral("데이타가 없습니다......")}, {}};
    const QString pick = QStringLiteral("먼저 데이타를 선택 하세요.....");
    if (!lot.found())
        return {Refusal{pick, QStringLiteral("edG_Serial")}, {}};
    if (s.wonCode.trimmed().isEmpty())
        return {Refusal{pick, QStringLiteral("edG_WonCode")}, {}};
    return figures;
}

} // namespace

Verdict saveCompletion(Db &db, const CompletionSave &save)
{
    EntryTransaction t(db);
    const StoredRow lot = readStoredRow(db, Rule, save.serial, save.shown);
    const Checked<CompletionFigures> figures = savable(db, save, lot);
    if (!figures.ok())
        return figures.refusal;
    const CompletionFigures &f = figures.value;
    updateStoredRow(db, lot,
                    {{"Gong_TextMemo", save.textMemo.trimmed()},
                     {"Gong_Bigo", save.bigo.trimmed()},
                     {"Gong_DaongWoul", f.rate},
                     {"Gong_TotWoul", f.cumulative},
                     {"Gong_DaongWonAmt", f.monthCost},
                     {"Gong_SaveDate", save.saveDate}});
    t.commit();
    return std::nullopt;
}

} // namespace zedur::completion
