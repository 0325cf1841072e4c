#pragma once

#include "entries/ListQuery.h"

// The receipts screen's list and its raw-material search dialog.
namespace zedur::receipts {

// "전체", "코드", "이름", "모델", "품명", "규격", "상호", "일자", "적요", "비고", "모든".
const QVector<SearchItem> &searchItems();

// The receipts of the month shown, by date, name, code and serial.
ListStatement receiptList(const Period &shown, const QString &searchItem, const QString &searchText);

// Whether any raw material is in a product tree: the search dialog only lists those, so
// without one the screen sends the user to the product trees first.
bool anyMaterialInATree(Db &db);
QString noMaterialInTreeWarning();

// The search dialog's list: raw materials that are in at least one product tree, whose
// name, alias, model, article name or size contain the search text.
Statement materialDialogList(const QString &searchText);
// Closing the dialog with no material chosen.
QString materialNotChosenWarning();

} // namespace zedur::receipts
