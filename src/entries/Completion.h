#pragma once

#include "entries/CompletionRates.h"
#include "entries/ListQuery.h"

// The completion screen: the WIP lots of a month and the rate each reaches.
namespace zedur::completion {

// "전체분", "미완성", "완성분".
const QVector<SearchItem> &rateItems();
// "전체", "기준일자", "원자재코드", "원자재이름", "적요및메모", "비고", "100%미만", "완성율100",
// "권번호", "전표번호", "사업자번호", "모델명", "품명", "규격", "거래처상호".
const QVector<SearchItem> &searchItems();
// "저장순서", "기준일자", "원자재코드", "원자재이름", "완성율미만", "권번호", "전표번호",
// "사업자번호", "모델명", "품명", "규격", "거래처상호".
const QVector<SortItem> &sortItems();

ListStatement lotList(const Period &shown, const QString &rateItem, const QString &searchItem, const QString &searchText,
                  const QString &sortItem);

struct CompletionSave {
    Period shown;
    bool listIsEmpty = false;
    QString serial;    // the serial box
    QString wonCode;   // the code box
    QString typedRate; // this month's rate box
    QString textMemo;
    QString bigo;
    QString saveDate;
};

// "&S 저장": the tests in the screen's order, then the update of the lot's description,
// remark, this month's rate, cumulative rate and cost and save time, in one transaction.
// The lot is judged as stored (closed, outside the open month); its earlier rate and its
// amount are read anew from it.
Verdict saveCompletion(Db &db, const CompletionSave &save);

} // namespace zedur::completion
