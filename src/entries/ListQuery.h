#pragma once

#include "common/SearchItem.h"
#include "store/Db.h"
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

// "<select> Where <year> Like :tbYear And <month> Like :tbMonth And <conditions...> And
// (<search>) Order By <order>", the year and month matched as "%2005%" and "%04%".
Statement periodList(const QString &select, const QString &yearColumn, const QString &monthColumn, const Period &shown,
                     const QStringList &conditions, const SearchItem &search, const QString &searchText,
                     const QString &orderBy);

} // namespace zedur
