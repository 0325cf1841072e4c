#include "entries/IssueList.h"

namespace zedur::issues {

namespace {

// The searchable columns, by stem, in the order of the search lists after "전체".
const QStringList SearchStems{"Date",    "WonCode", "WonName",   "TextMemo",  "Bigo",     "Model",
                              "PumName", "KuSize",  "SerialJen", "TaxNumber", "SaleName", "SaleNumber"};

const QStringList IssueLabels{"기준일자", "원자재코드", "원자재이름", "적요및메모", "비고",   "모델명",
                              "품명",     "규격",       "전표번호",   "권번호",     "상호명", "사업자NO"};
const QStringList LotViewerLabels{"기준일자", "원재료코드", "원재료이름", "적요및메모", "비고",   "모델명",
                                  "품명",     "규격",       "전표번호",   "권번호",     "상호명", "사업자NO"};
const QStringList TransferViewerLabels{"일자", "코드", "이름",     "적요",   "비고",   "모델명",
                                       "품명", "규격", "전표번호", "권번호", "상호명", "사업자NO"};

QVector<SearchItem> searchOn(const QString &prefix, const QStringList &labels)
{
    QVector<SearchItem> items{everyRowItem()};
    for (int i = 0; i < labels.size(); ++i)
        items << likeItem(labels.at(i), prefix + SearchStems.at(i));
    return items;
}

QVector<SortItem> sortOn(const QString &prefix)
{
    const QVector<QPair<QString, QStringList>> orders{
        {"저장순서", {"Serial", "Date", "WonName"}},    {"기준일자", {"Date", "Serial", "WonName"}},
        {"원자재코드", {"WonCode", "Date", "Serial"}},  {"원자재이름", {"WonName", "Date", "Serial"}},
        {"모델명", {"Model", "Serial", "Date"}},        {"품명", {"PumName", "Date", "Serial"}},
        {"규격", {"KuSize", "WonCode", "Date"}},        {"전표번호", {"SerialJen", "WonName", "Date"}},
        {"권번호", {"TaxNumber", "Serial", "Date"}},    {"상호명", {"SaleName", "Date", "Serial"}},
        {"사업자NO", {"SaleNumber", "WonCode", "Date"}}};
    QVector<SortItem> items;
    for (const auto &[label, stems] : orders) {
        QStringList columns;
        for (const QString &stem : stems)
            columns << prefix + stem;
        items << SortItem{label, columns.join(QStringLiteral(", "))};
    }
    return items;
}

} // namespace

const QVector<SearchItem> &searchItems()
{
    static const QVector<SearchItem> items = searchOn(QStringLiteral("W.InPut_"), IssueLabels);
    return items;
}

const QVector<SortItem> &sortItems()
{
    static const QVector<SortItem> items = sortOn(QStringLiteral("W.InPut_"));
    return items;
}

ListStatement receiptBalanceList(const Period &shown, const QString &searchItem, const QString &searchText,
                                 const QString &sortItem)
{
    // The received figures come from the work table: both tables name them alike.
    const QString columns = QStringLiteral(
        "W.InPut_Serial, W.InPut_Date, W.InPut_WonName, W.InPut_DanWi, W.InPut_Model, "
        "W.InPut_PumName, "
        "W.InPut_KuSize, W.InPut_SerialJen, W.InPut_TaxNumber, W.InPut_SaleCode, W.InPut_SaleName, "
        "W.InPut_SaleNumber, W.InPut_SaleDyiPou, W.InPut_TextMemo, W.InPut_Bigo, W.InPut_DanGa, "
        "W.InPut_Kubun, "
        "W.InPut_WonCode, T.InPut_SuKg, T.InPut_GaAmt, T.InPut_SuKgJeyGong, T.InPut_GaAmtJeyGong, "
        "T.InPut_SuKgTaAc, T.InPut_GaAmtTaAc, T.InPut_SuKgJan, T.InPut_GaAmtJan");
    const QString from = QStringLiteral(
        "MC_WonJaJeyInPut W Inner Join MC_WonJaJeyInPut_SumVw02 T On ( W.InPut_Serial = T.InPut_InPutSerial )");
    return periodList(columns, from, QStringLiteral("W.InPut_Serial"), QStringLiteral("W.InPut_Year"), QStringLiteral("W.InPut_Month"), shown, {},
                      itemNamed(searchItems(), searchItem), searchText,
                      itemNamed(sortItems(), sortItem).orderBy);
}

const QVector<SearchItem> &lotViewerSearchItems()
{
    static const QVector<SearchItem> items = searchOn(QStringLiteral("Gong_"), LotViewerLabels);
    return items;
}

const QVector<SortItem> &lotViewerSortItems()
{
    static const QVector<SortItem> items = sortOn(QStringLiteral("Gong_"));
    return items;
}

ListStatement lotViewerList(const Period &shown, const QString &searchItem, const QString &searchText,
                            const QString &sortItem)
{
    return periodList(QStringLiteral("*"), QStringLiteral("MC_JeyGongPumInPut"), QStringLiteral("Gong_Serial"),
                      QStringLiteral("Gong_Year"),
                      QStringLiteral("Gong_Month"), shown, {}, itemNamed(lotViewerSearchItems(), searchItem),
                      searchText, itemNamed(lotViewerSortItems(), sortItem).orderBy);
}

const QVector<SearchItem> &transferViewerSearchItems()
{
    static const QVector<SearchItem> items = searchOn(QStringLiteral("TaInPut_"), TransferViewerLabels);
    return items;
}

const QVector<SortItem> &transferViewerSortItems()
{
    static const QVector<SortItem> items = sortOn(QStringLiteral("TaInPut_"));
    return items;
}

ListStatement transferViewerList(const Period &shown, const QString &searchItem, const QString &searchText,
                                 const QString &sortItem)
{
    return periodList(QStringLiteral("*"), QStringLiteral("MC_WonJaJeyInPut_TaAc"), QStringLiteral("TaInPut_Serial"),
                      QStringLiteral("TaInPut_Year"),
                      QStringLiteral("TaInPut_Month"), shown, {},
                      itemNamed(transferViewerSearchItems(), searchItem), searchText,
                      itemNamed(transferViewerSortItems(), sortItem).orderBy);
}

} // namespace zedur::issues
