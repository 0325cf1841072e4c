#pragma once

#include "entries/ListQuery.h"

// The amounts screen's list and its two dialogs (accounts, WIP lots).
namespace zedur::amounts {

// "전체", "코드", "이름", "일자", "적요", "비고".
const QVector<SearchItem> &searchItems();
ListStatement amountList(const Period &shown, const QString &searchItem, const QString &searchText);

// The account dialog: accounts amounts may be booked on ("호출"), by name.
Statement accountDialogList(const QString &searchText);
QString accountNotChosenWarning();

// The WIP-lot dialog: "전체", "기준일자", "원자재코드", "원자재이름", "적요및메모", "비고",
// "모델명", "품명", "규격", "거래처상호", "사업자번호", "모든적요문자"; sorts "저장순서",
// "기준일자", "원자재코드", "원자재이름" and "" (no order).
const QVector<SearchItem> &lotDialogSearchItems();
const QVector<SortItem> &lotDialogSortItems();
ListStatement lotDialogList(const Period &shown, const QString &searchItem, const QString &searchText,
                        const QString &sortItem);

} // namespace zedur::amounts
