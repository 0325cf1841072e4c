#include "entries/AmountLists.h"

namespace zedur::amounts {

const QVector<SearchItem> &searchItems()
{
    static const QVector<SearchItem> items{everyRowItem(),       likeItem("코드", "Amt_AcCode"),
                                           likeItem("이름", "Amt_AcName"),   likeItem("일자", "Amt_Date"),
                                           likeItem("적요", "Amt_TextMemo"), likeItem("비고", "Amt_Bigo")};
    return items;
}

ListStatement amountList(const Period &shown, const QString &searchItem, const QString &searchText)
{
    return periodList(QStringLiteral("*"), QStringLiteral("MC_AcNameAmtInPut"), QStringLiteral("Amt_Serial"),
                      QStringLiteral("Amt_Year"),
                      QStringLiteral("Amt_Month"), shown, {}, itemNamed(searchItems(), searchItem),
                      searchText, QStringLiteral("Amt_Date, Amt_AcCode, Amt_AcName, Amt_Serial"));
}

Statement accountDialogList(const QString &searchText)
{
    return {
        QStringLiteral("Select * From MC_AcNameCode Where Ac_CallKubun = '호출' And Ac_AcName Like :tbName "
                       "Order By Ac_AcCode, Ac_Serial"),
        {{":tbName", likePattern(searchText)}}};
}

QString accountNotChosenWarning()
{
    return QStringLiteral("계정과목 코드를 선택 하세요.....");
}

const QVector<SearchItem> &lotDialogSearchItems()
{
    static const QVector<SearchItem> items{
        everyRowItem(),
        likeItem("기준일자", "Gong_Date"),
        likeItem("원자재코드", "Gong_WonCode"),
        likeItem("원자재이름", "Gong_WonName"),
        likeItem("적요및메모", "Gong_TextMemo"),
        likeItem("비고", "Gong_Bigo"),
        likeItem("모델명", "Gong_Model"),
        likeItem("품명", "Gong_PumName"),
        likeItem("규격", "Gong_KuSize"),
        likeItem("거래처상호", "Gong_SaleName"),
        likeItem("사업자번호", "Gong_SaleNumber"),
        likeItem("모든적요문자", "(Gong_Model || Gong_PumName || Gong_KuSize || Gong_SerialJen || "
                                 "Gong_TaxNumber || Gong_TextMemo || Gong_Bigo)")};
    return items;
}

const QVector<SortItem> &lotDialogSortItems()
{
    static const QVector<SortItem> items{{"저장순서", "Gong_Serial, Gong_Date, Gong_WonName"},
                                         {"기준일자", "Gong_Date, Gong_Serial, Gong_WonName"},
                                         {"원자재코드", "Gong_WonCode, Gong_Date, Gong_Serial"},
                                         {"원자재이름", "Gong_WonName, Gong_Date, Gong_Serial"},
                                         {"", ""}};
    return items;
}

ListStatement lotDialogList(const Period &shown, const QString &searchItem, const QString &searchText,
                            const QString &sortItem)
{
    return periodList(QStringLiteral("*"), QStringLiteral("MC_JeyGongPumInPut"), QStringLiteral("Gong_Serial"),
                      QStringLiteral("Gong_Year"),
                      QStringLiteral("Gong_Month"), shown, {}, itemNamed(lotDialogSearchItems(), searchItem),
                      searchText, itemNamed(lotDialogSortItems(), sortItem).orderBy);
}

} // namespace zedur::amounts
