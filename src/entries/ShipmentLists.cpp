#include "entries/ShipmentLists.h"

namespace zedur {

namespace {

// The searchable columns, by stem, in the order of the search lists after "전체".
const QStringList SearchStems{"Date",  "JeyPumCode", "JeyPumName", "TextMemo", "Bigo",
                              "Model", "PumName",    "KuSize",     "SaleName"};
const QStringList SearchLabels{"일자",   "완제품코드", "완제품이름", "적요사항",  "비고",
                               "모델명", "품명",       "규격",       "거래처상호"};

QVector<SearchItem> searchOn(const QString &prefix, const QStringList &labels, int count)
{
    QVector<SearchItem> items{everyRowItem()};
    for (int i = 0; i < count; ++i)
        items << likeItem(labels.at(i), prefix + SearchStems.at(i));
    return items;
}

QVector<SortItem> sortOn(const QString &prefix, const QStringList &labels)
{
    const QList<QStringList> orders{{"Serial", "Date", "JeyPumName"},
                                    {"Date", "Serial", "JeyPumName"},
                                    {"JeyPumCode", "Date", "Serial"},
                                    {"JeyPumName", "Date", "Serial"}};
    QVector<SortItem> items;
    for (int i = 0; i < labels.size(); ++i) {
        QStringList columns;
        for (const QString &stem : orders.at(i))
            columns << prefix + stem;
        items << SortItem{labels.at(i), columns.join(QStringLiteral(", "))};
    }
    return items;
}

const QStringList ScreenSorts{"저장순서", "기준일자", "제품코드", "제품이름"};
const QStringList ViewerSorts{"저장순서", "기준일자", "완제품코드", "완제품이름"};

} // namespace

namespace shipments {

const QVector<SearchItem> &receiptSearchItems()
{
    static const QVector<SearchItem> items = searchOn(QStringLiteral("W.JeyPum_"), SearchLabels, 9);
    return items;
}

const QVector<SortItem> &receiptSortItems()
{
    static const QVector<SortItem> items = sortOn(QStringLiteral("W.JeyPum_"), ScreenSorts);
    return items;
}

ListStatement receiptList(const Period &shown, const QString &searchItem, const QString &searchText,
                          const QString &sortItem)
{
    // A receipt without quantity has no unit cost: SQLite divides by zero to NULL, shown blank.
    const QString columns =
        QStringLiteral("W.*, (W.JeyPum_TotGaAmt / W.JeyPum_SuKg) As JeyPum_DanGa, T.JeyPum_JeyPumSuKg, "
                       "T.JeyPum_ChulGoSuKg, T.JeyPum_TaAcSuKg, T.JeyPum_JeyGoSuKg");
    const QString from = QStringLiteral("MC_ChaongGoJeyPumInPut W Inner Join MC_ChaongGoChulGoTaAc_SumVw02 T On "
                                        "( W.JeyPum_Serial = T.JeyPum_JeyPumSerial )");
    return periodList(columns, from, QStringLiteral("W.JeyPum_Serial"), QStringLiteral("W.JeyPum_Year"), QStringLiteral("W.JeyPum_Month"), shown, {},
                      itemNamed(receiptSearchItems(), searchItem), searchText,
                      itemNamed(receiptSortItems(), sortItem).orderBy);
}

const QVector<SearchItem> &shipmentViewerSearchItems()
{
    static const QVector<SearchItem> items = searchOn(QStringLiteral("ChulGo_"), SearchLabels, 9);
    return items;
}

const QVector<SearchItem> &transferViewerSearchItems()
{
    static const QVector<SearchItem> items = [] {
        QStringList labels = SearchLabels;
        labels.last() = QStringLiteral("거래처명");
        return searchOn(QStringLiteral("TaJeyPum_"), labels, 9);
    }();
    return items;
}

const QVector<SortItem> &shipmentViewerSortItems()
{
    static const QVector<SortItem> items = sortOn(QStringLiteral("ChulGo_"), ViewerSorts);
    return items;
}

const QVector<SortItem> &transferViewerSortItems()
{
    static const QVector<SortItem> items = sortOn(QStringLiteral("TaJeyPum_"), ViewerSorts);
    return items;
}

ListStatement shipmentViewerList(const Period &shown, const QString &searchItem, const QString &searchText,
                                 const QString &sortItem)
{
    return periodList(QStringLiteral("*"), QStringLiteral("MC_ChaongGoJeyPumInPut_ChulGo"),
                      QStringLiteral("ChulGo_Serial"), QStringLiteral("ChulGo_Year"),
                      QStringLiteral("ChulGo_Month"), shown, {}, itemNamed(shipmentViewerSearchItems(), searchItem),
                      searchText, itemNamed(shipmentViewerSortItems(), sortItem).orderBy);
}

ListStatement transferViewerList(const Period &shown, const QString &searchItem, const QString &searchText,
                                 const QString &sortItem)
{
    return periodList(QStringLiteral("*, (TaJeyPum_TotGaAmt / TaJeyPum_SuKg) As TaJeyPum_DanGa"),
                      QStringLiteral("MC_ChaongGoJeyPumInPut_TaAc"), QStringLiteral("TaJeyPum_Serial"),
                      QStringLiteral("TaJeyPum_Year"), QStringLiteral("TaJeyPum_Month"), shown, {},
                      itemNamed(transferViewerSearchItems(), searchItem), searchText,
                      itemNamed(transferViewerSortItems(), sortItem).orderBy);
}

} // namespace shipments

namespace salesreturns {

const QVector<SearchItem> &searchItems()
{
    static const QVector<SearchItem> items =
        searchOn(QStringLiteral("ChulGo_"), {"일자", "코드", "이름", "적요", "비고"}, 5);
    return items;
}

const QVector<SortItem> &sortItems()
{
    static const QVector<SortItem> items = sortOn(QStringLiteral("ChulGo_"), ScreenSorts);
    return items;
}

const QStringList &kindItems()
{
    static const QStringList items{QStringLiteral("전체"), QStringLiteral("정기매출"), QStringLiteral("반품매출")};
    return items;
}

ListStatement saleList(const Period &shown, const QString &kindItem, const QString &searchItem,
                       const QString &searchText, const QString &sortItem)
{
    ListStatement s =
        periodList(QStringLiteral("*"), QStringLiteral("MC_ChaongGoJeyPumInPut_ChulGo"), QStringLiteral("ChulGo_Serial"),
                   QStringLiteral("ChulGo_Year"),
                   QStringLiteral("ChulGo_Month"), shown, {QStringLiteral("ChulGo_Kubun Like :tbKubun")},
                   itemNamed(searchItems(), searchItem), searchText, itemNamed(sortItems(), sortItem).orderBy);
    const QString kind = kindItem == kindItems().first() ? QString() : kindItem;
    s.params.append({QStringLiteral(":tbKubun"), u'%' + kind + u'%'});
    return s;
}

} // namespace salesreturns

} // namespace zedur
