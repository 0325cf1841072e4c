#pragma once

#include "entries/ListQuery.h"

// The lists of the issue screen and of its two viewers (WIP lots, transfers). All three
// search and sort on the same twelve descriptive columns, each under its own prefix.
namespace zedur::issues {

// "전체", "기준일자", "원자재코드", "원자재이름", "적요및메모", "비고", "모델명", "품명", "규격",
// "전표번호", "권번호", "상호명", "사업자NO".
const QVector<SearchItem> &searchItems();
// "저장순서", "기준일자", "원자재코드", "원자재이름", "모델명", "품명", "규격", "전표번호",
// "권번호", "상호명", "사업자NO".
const QVector<SortItem> &sortItems();

// The receipts of the month with their balances; run refillReceiptBalances() first.
ListStatement receiptBalanceList(const Period &shown, const QString &searchItem, const QString &searchText,
                             const QString &sortItem);

// The WIP-lot viewer: as the issue screen, with "원재료코드" and "원재료이름" for code and name.
const QVector<SearchItem> &lotViewerSearchItems();
const QVector<SortItem> &lotViewerSortItems();
ListStatement lotViewerList(const Period &shown, const QString &searchItem, const QString &searchText,
                        const QString &sortItem);

// The transfer viewer: "전체", "일자", "코드", "이름", "적요", "비고", "모델명", "품명", "규격",
// "전표번호", "권번호", "상호명", "사업자NO".
const QVector<SearchItem> &transferViewerSearchItems();
const QVector<SortItem> &transferViewerSortItems();
ListStatement transferViewerList(const Period &shown, const QString &searchItem, const QString &searchText,
                             const QString &sortItem);

} // namespace zedur::issues
