#pragma once

#include "entries/ListQuery.h"

// The lists of the completion into the warehouse and of the WIP transfer screen (the month's
// lots with their balances), and of their two viewers (the month's product receipts and WIP
// transfers).
namespace zedur::wiplist {

// The completion into the warehouse: "전체", "기준일자", "원자재코드", "원자재이름", "적요및메모",
// "비고", "모델명", "품명", "규격", "거래처상호", "사업자번호", "모든적요문자", "재고있음", "재고없음".
const QVector<SearchItem> &warehouseSearchItems();
// "저장순서", "기준일자", "원자재코드", "원자재이름", "원자재코드2".
const QVector<SortItem> &warehouseSortItems();

// The WIP transfer screen: the first twelve of the above.
const QVector<SearchItem> &transferSearchItems();
// "저장순서", "기준일자", "원자재코드", "원자재이름".
const QVector<SortItem> &transferSortItems();

// Every lot of the month with the twelve balance columns of MC_JeyGongPumChaongGoTaAc_SumVw02;
// run refillWipBalances() first.
ListStatement lotBalanceList(const Period &shown, const SearchItem &search, const QString &searchText,
                         const SortItem &sort);

// The product-receipt viewer: "전체", "일자", "코드", "이름", "모델", "품명", "규격", "적요", "비고";
// "저장순서", "기준일자", "제품코드", "제품이름".
const QVector<SearchItem> &receiptViewerSearchItems();
const QVector<SortItem> &receiptViewerSortItems();
ListStatement receiptViewerList(const Period &shown, const QString &searchItem, const QString &searchText,
                            const QString &sortItem);

// The WIP-transfer viewer: "전체", "일자", "원자재코드", "원자재이름", "적요", "비고", "모델", "품명",
// "규격", "전표번호", "권번호", "거래처상호", "사업자번호"; "저장순서", "기준일자", "코드", "이름".
const QVector<SearchItem> &transferViewerSearchItems();
const QVector<SortItem> &transferViewerSortItems();
ListStatement transferViewerList(const Period &shown, const QString &searchItem, const QString &searchText,
                             const QString &sortItem);

} // namespace zedur::wiplist
