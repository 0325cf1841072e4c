#pragma once

#include "common/SearchItem.h"
#include "store/Db.h"
#include "store/ListPages.h"
#include "store/Periods.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace zedur {

// One entry of a sort list; an empty order leaves the rows in the engine's order.
struct SortItem {
    QString label;
    QString orderBy;
};

// "column Like :tbName", the common search entry.
SearchItem likeItem(const QString &label, const QString &column);
// The "전체" entry: every row.
SearchItem everyRowItem(const QString &label = QStringLiteral("전체"));

QStringList labelsOf(const QVector<SearchItem> &items);
QStringList labelsOf(const QVector<SortItem> &items);
// The entry with this label; an unknown label is a programming error (std::invalid_argument).
const SearchItem &itemNamed(const QVector<SearchItem> &items, const QString &label);
const SortItem &itemNamed(const QVector<SortItem> &items, const QString &label);

// "Select <columns> From <from> Where <year> = :tbYear And <month> = :tbMonth And
// <conditions...> And (<search>) Order By <order>, <key>": the rows of the month shown, in
// the parts a grid reads a page at a time (ListStatement). A year or month not written out
// whole ("5") is matched anywhere in the column ("%5%"), as the lists always matched it; a
// whole one can only be the column itself, which its index then finds.
ListStatement periodList(const QString &columns, const QString &from, const QString &key, const QString &yearColumn,
                         const QString &monthColumn, const Period &shown, const QStringList &conditions,
                         const SearchItem &search, const QString &searchText, const QString &orderBy);

} // namespace zedur
