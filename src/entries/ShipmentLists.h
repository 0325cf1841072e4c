#pragma once

#include "entries/ListQuery.h"

// The lists of the shipment screen, of its two viewers and of the sales-return screen.
namespace zedur::shipments {

// "전체", "일자", "완제품코드", "완제품이름", "적요사항", "비고", "모델명", "품명", "규격",
// "거래처상호" on the receipts; "저장순서", "기준일자", "제품코드", "제품이름".
const QVector<SearchItem> &receiptSearchItems();
const QVector<SortItem> &receiptSortItems();
// The product receipts of the month with what went out of each and what is left, and the
// unit cost "JeyPum_DanGa" (NULL for a receipt without quantity); run refillProductBalances()
// first.
ListStatement receiptList(const Period &shown, const QString &searchItem, const QString &searchText,
                      const QString &sortItem);

// The viewers: the same searches on the shipments (the transfers say "거래처명" for the
// customer), sorted "저장순서", "기준일자", "완제품코드", "완제품이름".
const QVector<SearchItem> &shipmentViewerSearchItems();
const QVector<SearchItem> &transferViewerSearchItems();
const QVector<SortItem> &shipmentViewerSortItems();
const QVector<SortItem> &transferViewerSortItems();
ListStatement shipmentViewerList(const Period &shown, const QString &searchItem, const QString &searchText,
                             const QString &sortItem);
// With the unit cost "TaJeyPum_DanGa" (NULL for a transfer without quantity).
ListStatement transferViewerList(const Period &shown, const QString &searchItem, const QString &searchText,
                             const QString &sortItem);

} // namespace zedur::shipments

namespace zedur::salesreturns {

// "전체", "일자", "코드", "이름", "적요", "비고"; "저장순서", "기준일자", "제품코드", "제품이름".
const QVector<SearchItem> &searchItems();
const QVector<SortItem> &sortItems();
// "전체", "정기매출", "반품매출": which rows of the month are listed.
const QStringList &kindItems();
ListStatement saleList(const Period &shown, const QString &kindItem, const QString &searchItem, const QString &searchText,
                   const QString &sortItem);

} // namespace zedur::salesreturns
