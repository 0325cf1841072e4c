#include "entries/WipLotList.h"

namespace zedur::wiplist {

namespace {

QVector<SearchItem> lotSearchItems()
{
    QVector<SearchItem> items{everyRowItem()};
    const QVector<QPair<QString, QString>> columns{
        {"기준일자", "Date"},       {"원자재코드", "WonCode"},   {"원자재이름", "WonName"}, {"적요및메모", "TextMemo"},
        {"비고", "Bigo"},           {"모델명", "Model"},         {"품명", "PumName"},       {"규격", "KuSize"},
        {"거래처상호", "SaleName"}, {"사업자번호", "SaleNumber"}};
    for (const auto &[label, stem] : columns)
        items << likeItem(label, QStringLiteral("JJ.Gong_") + stem);
    QStringList joined;
    for (const char *stem : {"Model", "PumName", "KuSize", "SerialJen", "TaxNumber", "TextMemo", "Bigo"})
        joined << QStringLiteral("JJ.Gong_") + stem;
    items << SearchItem{QStringLiteral("모든적요문자"),
                        u'(' + joined.join(QStringLiteral(" || ")) + QStringLiteral(") Like :tbName")};
    return items;
}

QVector<SortItem> sortsOf(const QVector<QPair<QString, QString>> &orders)
{
    QVector<SortItem> items;
    for (const auto &[label, orderBy] : orders)
        items << SortItem{label, orderBy};
    return items;
}

ListStatement listOf(const QString &table, const QString &prefix, const QVector<SearchItem> &items,
                     const QVector<SortItem> &sorts, const Period &shown, const QString &searchItem,
                     const QString &searchText, const QString &sortItem)
{
    return periodList(QStringLiteral("*"), table, prefix + QStringLiteral("Serial"), prefix + QStringLiteral("Year"),
                      prefix + QStringLiteral("Month"), shown, {}, itemNamed(items, searchItem), searchText,
                      itemNamed(sorts, sortItem).orderBy);
}

} // namespace

const QVector<SearchItem> &warehouseSearchItems()
{
    static const QVector<SearchItem> items = [] {
        QVector<SearchItem> all = lotSearchItems();
        const QString inStock =
            QStringLiteral("(TT.JeyGo_SuKg + TT.JeyGo_GaAmt) %1 0.0 And JJ.Gong_Serial Like :tbName");
        all << SearchItem{QStringLiteral("재고있음"), inStock.arg(QStringLiteral("<>"))}
            << SearchItem{QStringLiteral("재고없음"), inStock.arg(QStringLiteral("="))};
        return all;
    }();
    return items;
}

const QVector<SortItem> &warehouseSortItems()
{
    static const QVector<SortItem> items =
        sortsOf({{"저장순서", "Gong_Date, Gong_WonCode, Gong_Serial, Gong_WonName"},
                 {"기준일자", "Gong_Date, Gong_WonCode, Gong_Serial, Gong_WonName"},
                 {"원자재코드", "Gong_Date, Gong_WonCode, Gong_Serial"},
                 {"원자재이름", "Gong_Date, Gong_WonCode, Gong_WonName, Gong_Serial"},
                 {"원자재코드2", "Gong_TotWoul Desc, Gong_WonCode, Gong_Date, "
                                 "Gong_Serial, Gong_WonName"}});
    return items;
}

const QVector<SearchItem> &transferSearchItems()
{
    static const QVector<SearchItem> items = lotSearchItems();
    return items;
}

const QVector<SortItem> &transferSortItems()
{
    static const QVector<SortItem> items = sortsOf({{"저장순서", "Gong_Date, Gong_Serial, Gong_WonName"},
                                                    {"기준일자", "Gong_Date, Gong_Serial, Gong_WonName"},
                                                    {"원자재코드", "Gong_WonCode, Gong_Date, Gong_Serial"},
                                                    {"원자재이름", "Gong_Date, Gong_WonName, Gong_Serial"}});
    return items;
}

ListStatement lotBalanceList(const Period &shown, const SearchItem &search, const QString &searchText,
                             const SortItem &sort)
{
    const QString columns = QStringLiteral(
        "JJ.*, TT.Gong_GongSuKg, TT.Gong_GongGaAmt, TT.Gong_GongWoulAmtTot, TT.ChaongGo_SuKg, "
        "TT.ChaongGo_GaAmt, TT.ChaongGo_WoulAmtTot, TT.TaAc_SuKg, TT.TaAc_GaAmt, TT.TaAc_WoulAmtTot, TT.JeyGo_SuKg, "
        "TT.JeyGo_GaAmt, TT.JeyGo_WoulAmtTot");
    const QString from = QStringLiteral(
        "MC_JeyGongPumInPut JJ Inner Join MC_JeyGongPumChaongGoTaAc_SumVw02 TT On JJ.Gong_Serial = TT.Gong_GongSerial");
    return periodList(columns, from, QStringLiteral("JJ.Gong_Serial"), QStringLiteral("JJ.Gong_Year"), QStringLiteral("JJ.Gong_Month"), shown, {}, search,
                      searchText, sort.orderBy);
}

const QVector<SearchItem> &receiptViewerSearchItems()
{
    static const QVector<SearchItem> items{everyRowItem(),
                                           likeItem("일자", "JeyPum_Date"),
                                           likeItem("코드", "JeyPum_JeyPumCode"),
                                           likeItem("이름", "JeyPum_JeyPumName"),
                                           likeItem("모델", "JeyPum_Model"),
                                           likeItem("품명", "JeyPum_PumName"),
                                           likeItem("규격", "JeyPum_KuSize"),
                                           likeItem("적요", "JeyPum_TextMemo"),
                                           likeItem("비고", "JeyPum_Bigo")};
    return items;
}

const QVector<SortItem> &receiptViewerSortItems()
{
    static const QVector<SortItem> items = sortsOf({{"저장순서", "JeyPum_Serial, JeyPum_Date, JeyPum_JeyPumName"},
                                                    {"기준일자", "JeyPum_Date, JeyPum_Serial, JeyPum_JeyPumName"},
                                                    {"제품코드", "JeyPum_JeyPumCode, JeyPum_Date, JeyPum_Serial"},
                                                    {"제품이름", "JeyPum_JeyPumName, JeyPum_Date, JeyPum_Serial"}});
    return items;
}

ListStatement receiptViewerList(const Period &shown, const QString &searchItem, const QString &searchText,
                            const QString &sortItem)
{
    return listOf(QStringLiteral("MC_ChaongGoJeyPumInPut"), QStringLiteral("JeyPum_"), receiptViewerSearchItems(),
                  receiptViewerSortItems(), shown, searchItem, searchText, sortItem);
}

const QVector<SearchItem> &transferViewerSearchItems()
{
    static const QVector<SearchItem> items = [] {
        QVector<SearchItem> all{everyRowItem()};
        const QVector<QPair<QString, QString>> columns{
            {"일자", "Date"},        {"원자재코드", "WonCode"},  {"원자재이름", "WonName"},
            {"적요", "TextMemo"},    {"비고", "Bigo"},           {"모델", "Model"},
            {"품명", "PumName"},     {"규격", "KuSize"},         {"전표번호", "SerialJen"},
            {"권번호", "TaxNumber"}, {"거래처상호", "SaleName"}, {"사업자번호", "SaleNumber"}};
        for (const auto &[label, stem] : columns)
            all << likeItem(label, QStringLiteral("TaGong_") + stem);
        return all;
    }();
    return items;
}

const QVector<SortItem> &transferViewerSortItems()
{
    static const QVector<SortItem> items = sortsOf({{"저장순서", "TaGong_Serial, TaGong_Date, TaGong_WonName"},
                                                    {"기준일자", "TaGong_Date, TaGong_Serial, TaGong_WonName"},
                                                    {"코드", "TaGong_WonCode, TaGong_Date, TaGong_Serial"},
                                                    {"이름", "TaGong_WonName, TaGong_Date, TaGong_Serial"}});
    return items;
}

ListStatement transferViewerList(const Period &shown, const QString &searchItem, const QString &searchText,
                             const QString &sortItem)
{
    return listOf(QStringLiteral("MC_JeyGongPumInPut_TaAc"), QStringLiteral("TaGong_"), transferViewerSearchItems(),
                  transferViewerSortItems(), shown, searchItem, searchText, sortItem);
}

} // namespace zedur::wiplist
